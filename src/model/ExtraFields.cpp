#include "model/ExtraFields.h"

#include <algorithm>

namespace {

constexpr qsizetype kLongestName = 64;

bool isNameCharacter(QChar c)
{
    return c > u' ' && c < QChar(0x7F) && c != u',' && c != u':' && c != u'<' && c != u'>' &&
           c != u'{' && c != u'}';
}

} // namespace

QString ExtraFields::value(QStringView name) const
{
    for (const ExtraField &field : m_fields)
        if (name.compare(field.name, Qt::CaseInsensitive) == 0)
            return field.value;
    return {};
}

bool ExtraFields::contains(QStringView name) const
{
    return !value(name).isEmpty();
}

bool ExtraFields::set(QStringView name, const QString &value, const QString &type)
{
    if (!adif::isAdifFieldName(name))
        return false;
    if (value.isEmpty()) {
        remove(name);
        return true;
    }
    for (ExtraField &field : m_fields) {
        if (name.compare(field.name, Qt::CaseInsensitive) != 0)
            continue;
        field.value = value;
        if (!type.isEmpty())
            field.type = type;
        return true;
    }
    m_fields.append({name.toString().toLower(), value, type});
    return true;
}

void ExtraFields::remove(QStringView name)
{
    m_fields.removeIf([name](const ExtraField &field) {
        return name.compare(field.name, Qt::CaseInsensitive) == 0;
    });
}

namespace adif {

bool isAdifFieldName(QStringView name)
{
    return !name.isEmpty() && name.size() <= kLongestName &&
           std::all_of(name.begin(), name.end(), isNameCharacter);
}

} // namespace adif
