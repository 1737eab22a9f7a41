#include "refdata/ClublogXml.h"

#include <QXmlStreamReader>

#include <algorithm>

namespace refdata {
namespace {

struct Section {
    const char *name;
    const char *record;
    QList<ClublogRecord> ClublogCountryFile::*list;
};

constexpr Section kSections[] = {
    {"entities", "entity", &ClublogCountryFile::entities},
    {"exceptions", "exception", &ClublogCountryFile::exceptions},
    {"prefixes", "prefix", &ClublogCountryFile::prefixes},
    {"invalid_operations", "invalid", &ClublogCountryFile::invalidOperations},
};

const Section *sectionNamed(QStringView name)
{
    for (const Section &section : kSections)
        if (name == QLatin1String(section.name))
            return &section;
    return nullptr;
}

} // namespace

bool ClublogCountryFile::isComplete(const ClublogMinimumCounts &minimum) const
{
    // Never fewer than one record per section, whatever the floors say.
    const auto enough = [](const QList<ClublogRecord> &records, qsizetype floor) {
        return records.size() >= std::max<qsizetype>(1, floor);
    };
    return enough(entities, minimum.entities) && enough(exceptions, minimum.exceptions) &&
           enough(prefixes, minimum.prefixes) &&
           enough(invalidOperations, minimum.invalidOperations);
}

QString clublogDateText(const QString &text)
{
    QString converted = text;
    converted.replace(QLatin1Char('T'), QLatin1Char(' '));
    converted.replace(QLatin1String("+00:00"), QLatin1String(" "));
    return converted;
}

ClublogParseResult parseClublogXml(const QByteArray &xml)
{
    ClublogParseResult result;
    QXmlStreamReader reader(xml);
    reader.setNamespaceProcessing(false);
    const Section *section = nullptr;
    ClublogRecord record;
    QString element;
    QString text;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::DTD:
            // Club Log's file declares nothing; a declaration could only expand entities into
            // texts far longer than the file.
            result.file = {};
            result.error = QStringLiteral("a DTD is not allowed");
            return result;
        case QXmlStreamReader::StartElement:
            if (reader.name() == u"clublog" &&
                reader.attributes().hasAttribute(QLatin1String("date"))) {
                result.file.date =
                    clublogDateText(reader.attributes().value(QLatin1String("date")).toString());
            }
            if (const Section *started = sectionNamed(reader.name())) {
                section = started;
                record.clear();
            } else if (section) {
                element = reader.name().toString();
                text.clear();
            }
            break;
        case QXmlStreamReader::Characters:
            text += reader.text();
            break;
        case QXmlStreamReader::EndElement:
            if (section && reader.name() == QLatin1String(section->name)) {
                section = nullptr;
            } else if (section && reader.name() == QLatin1String(section->record)) {
                (result.file.*(section->list)).append(record);
                record.clear();
            }
            if (!text.isEmpty() && !element.isEmpty())
                record.insert(element, text);
            text.clear();
            element.clear();
            break;
        default:
            break;
        }
    }
    if (reader.hasError())
        result.error = reader.errorString();
    return result;
}

} // namespace refdata
