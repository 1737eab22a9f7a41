#include "model/ExtraFields.h"

namespace {

constexpr qsizetype kLongestName = 64;

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
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
    if (name.isEmpty() || name.size() > kLongestName || !isAsciiLetter(name.front()))
        return false;
    for (const QChar c : name)
        if (!isAsciiLetter(c) && !(c >= u'0' && c <= u'9') && c != u'_')
            return false;
    return true;
}

} // namespace adif
