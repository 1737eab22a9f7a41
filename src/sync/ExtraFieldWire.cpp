#include "sync/ExtraFieldWire.h"

#include "model/ExtraFields.h"

namespace logsync::extrawire {
namespace {

const QString kPrefix = QStringLiteral("adif:");

bool isTypeIndicator(const QString &type)
{
    if (type.isEmpty())
        return true;
    const QChar c = type.front();
    return type.size() == 1 && ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'));
}

} // namespace

bool isExtraKey(const QString &key)
{
    return key.startsWith(kPrefix);
}

QString keyOf(const QString &name)
{
    // ASCII only, as SQLite's lower() in the triggers: an ADIF-shaped name is ASCII.
    return adif::isAdifFieldName(name) ? kPrefix + name.toLower() : QString();
}

std::optional<QString> nameOf(const QString &key)
{
    if (!isExtraKey(key))
        return std::nullopt;
    const QString name = key.mid(kPrefix.size());
    // Upper case never comes from a device: two spellings of one field would fight.
    if (!adif::isAdifFieldName(name) || name != name.toLower())
        return std::nullopt;
    return name;
}

QString encode(const QString &type, const QString &value)
{
    return (isTypeIndicator(type) ? type : QString()) + QLatin1Char(':') + value;
}

std::optional<Value> decode(const QString &wire)
{
    const qsizetype colon = wire.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return std::nullopt;
    Value decoded{wire.left(colon), wire.mid(colon + 1)};
    if (!isTypeIndicator(decoded.type) || decoded.value.isEmpty())
        return std::nullopt;
    return decoded;
}

} // namespace logsync::extrawire
