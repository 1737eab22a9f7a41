#include "dxcc/DxListRows.h"

#include "model/DxInfo.h"
#include "model/DxccStatistics.h"

#include <array>

namespace dxcc {
namespace {

// Column widths of the entries (see LogModel::getAllDxInfoStrings).
constexpr int kPrefixWidth = 7;
constexpr int kNameWidthByName = 35;
const QString kDeletedMark = QStringLiteral("xyz");
const QString kOtherSection = QStringLiteral("#");

QString withoutColon(QString text)
{
    text = text.trimmed();
    if (text.endsWith(u':'))
        text.chop(1);
    return text;
}

QString sectionOf(const QString &entry)
{
    const QChar first = entry.isEmpty() ? QChar() : entry.front();
    if ((first >= u'0' && first <= u'9') || (first >= u'A' && first <= u'Z'))
        return QString(first);
    return kOtherSection;
}

// 0–9, A–Z, then the rest.
int sectionRank(const QString &section)
{
    const QChar c = section.front();
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'Z')
        return 10 + c.unicode() - u'A';
    return 36;
}

} // namespace

DxListRow parseDxListRow(const QString &entry, bool byName)
{
    DxListRow row;
    if (byName) {
        row.name = entry.left(kNameWidthByName).trimmed();
        row.prefix = withoutColon(entry.mid(kNameWidthByName, kStatusStart - kNameWidthByName));
    } else {
        row.prefix = entry.left(kPrefixWidth).trimmed();
        row.name = withoutColon(entry.mid(kPrefixWidth, kStatusStart - kPrefixWidth));
    }
    row.status = entry.mid(kStatusStart, dxinfo::kExtendedLength);
    row.deleted =
        entry.size() > kStatusStart + dxinfo::kExtendedLength && entry.endsWith(kDeletedMark);
    row.section = sectionOf(entry);
    return row;
}

QList<DxListRow> sectionedRows(const QStringList &entries, bool byName, int tableMode)
{
    std::array<QList<DxListRow>, 37> sections;
    for (const QString &entry : entries) {
        if (!dxstats::keepDxListRow(entry, tableMode))
            continue;
        DxListRow row = parseDxListRow(entry, byName);
        sections[sectionRank(row.section)].append(std::move(row));
    }
    QList<DxListRow> rows;
    for (const QList<DxListRow> &section : sections)
        rows.append(section);
    return rows;
}

QStringList sectionTitles(const QList<DxListRow> &rows)
{
    QStringList titles;
    for (const DxListRow &row : rows)
        if (titles.isEmpty() || titles.constLast() != row.section)
            titles.append(row.section);
    return titles;
}

} // namespace dxcc
