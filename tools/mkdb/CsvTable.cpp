#include "CsvTable.h"

namespace {

/** Splits one record starting at pos; pos ends after its line break. */
std::optional<QStringList> record(const QString &text, qsizetype &pos)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    while (pos < text.size()) {
        const QChar c = text.at(pos++);
        if (quoted) {
            if (c == QLatin1Char('"') && pos < text.size() && text.at(pos) == QLatin1Char('"')) {
                field += c;
                ++pos;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
        } else if (c == QLatin1Char('\n')) {
            break;
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    if (quoted)
        return std::nullopt;
    fields << field;
    return fields;
}

} // namespace

std::optional<CsvTable> CsvTable::parse(const QByteArray &utf8, QString *error)
{
    const QString text = QString::fromUtf8(utf8);
    CsvTable table;
    qsizetype pos = 0;
    int line = 0;
    while (pos < text.size()) {
        ++line;
        const std::optional<QStringList> fields = record(text, pos);
        if (!fields) {
            *error = QStringLiteral("line %1: open quote").arg(line);
            return std::nullopt;
        }
        if (table.columns.isEmpty()) {
            table.columns = *fields;
        } else if (fields->size() != table.columns.size()) {
            *error = QStringLiteral("line %1: %2 fields, the header has %3")
                         .arg(line)
                         .arg(fields->size())
                         .arg(table.columns.size());
            return std::nullopt;
        } else {
            table.rows << *fields;
        }
    }
    if (table.columns.isEmpty()) {
        *error = QStringLiteral("no header row");
        return std::nullopt;
    }
    return table;
}
