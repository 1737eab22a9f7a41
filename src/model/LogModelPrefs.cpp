// The logbook's own settings (`prefs` table): accounts, user fields and own station.
#include "model/LogModel.h"

#include "app/Diagnostics.h"
#include "formats/TextCoding.h"

namespace {

const QString kOpenLastQsl = QStringLiteral("2099-12-31 23:59:59");

QString entryFor(const char *pattern, int number)
{
    return QString::fromLatin1(pattern).arg(number);
}

QString trueFalse(const QVariant &value)
{
    return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

QString LogModel::readPrefsForEntry(const QString &entry)
{
    return store().readPrefsForEntry(entry);
}

WriteResult LogModel::updatePrefs(const QString &entry, const QString &value)
{
    LogStore &s = store();
    // The settings answer nothing the cluster asks.
    const SpotStatusCache::WriteFrame frame(m_spotStatus);
    const QString stored =
        entry == QLatin1String("eqslpassword") ? formats::base64FromText(value) : value;
    WriteResult result = s.updatePrefs(entry, stored);
    if (!result) {
        diag(QStringLiteral("Error while updating field in logbook: ") + result.error);
        diag(QStringLiteral("Error: ") + result.error);
    } else {
        emit settingsChanged(entry);
    }
    return result;
}

void LogModel::storePref(const QString &entry, const QString &value)
{
    // The settings screens have no place for a message: a failure is logged by updatePrefs.
    static_cast<void>(updatePrefs(entry, value));
}

void LogModel::updateMyCallsign(const QString &callsign)
{
    storePref(QStringLiteral("mycall"), callsign);
}

void LogModel::updateMyLocator(const QString &locator)
{
    LogStore &s = store();
    const SpotStatusCache::WriteFrame frame(m_spotStatus);
    if (const WriteResult result = s.updatePrefs(QStringLiteral("mylocator"), locator); !result)
        diag(QStringLiteral("Error saving MyLocator: ") + result.error);
    else
        emit settingsChanged(QStringLiteral("mylocator"));
}

QString LogModel::getUserFieldNameForNumber(int number)
{
    const QString name = readPrefsForEntry(entryFor("UserFieldName_%1", number));
    return name.isEmpty() ? entryFor("User_%1", number) : name;
}

int LogModel::getUserFieldAdifIdxForNumber(int number)
{
    return readPrefsForEntry(entryFor("UserFieldAdifIdx_%1", number)).toInt();
}

bool LogModel::getUserFieldRememberForNumber(int number)
{
    return readPrefsForEntry(entryFor("UserFieldRemember_%1", number)).toInt() != 0;
}

void LogModel::updateUserFieldName(const QString &name, int number)
{
    storePref(entryFor("UserFieldName_%1", number), name);
}

void LogModel::updateUserFieldAdifIdx(int index, int number)
{
    storePref(entryFor("UserFieldAdifIdx_%1", number), QString::number(index));
}

void LogModel::updateUserFieldRemember(bool remember, int number)
{
    storePref(entryFor("UserFieldRemember_%1", number),
              remember ? QStringLiteral("1") : QStringLiteral("0"));
}

void LogModel::saveClublogPrefs(const QVariantMap &prefs)
{
    if (prefs.contains(QStringLiteral("Username")))
        storePref(QStringLiteral("ClublogUser"),
                  prefs.value(QStringLiteral("Username")).toString());
    if (prefs.contains(QStringLiteral("Password")))
        storePref(QStringLiteral("ClublogPassword"),
                  formats::base64FromText(prefs.value(QStringLiteral("Password")).toString()));
    if (prefs.contains(QStringLiteral("Callsign")))
        storePref(QStringLiteral("ClublogCallsign"),
                  prefs.value(QStringLiteral("Callsign")).toString());
}

QVariantMap LogModel::getClublogPrefs()
{
    return {
        {QStringLiteral("Username"), readPrefsForEntry(QStringLiteral("ClublogUser"))},
        {QStringLiteral("Password"),
         formats::textFromBase64(readPrefsForEntry(QStringLiteral("ClublogPassword")))},
        {QStringLiteral("Callsign"), readPrefsForEntry(QStringLiteral("ClublogCallsign"))},
    };
}

void LogModel::saveLotwPrefs(const QVariantMap &prefs)
{
    for (auto it = prefs.begin(); it != prefs.end(); ++it) {
        const QString &key = it.key();
        if (key == QLatin1String("lotwpassword") || key == QLatin1String("LoTWSigningPW"))
            storePref(key, formats::base64FromText(it.value().toString()));
        else if (key == QLatin1String("lotwqsodetails") || key == QLatin1String("lotwowncallonly"))
            storePref(key, trueFalse(it.value()));
        else if (key == QLatin1String("lotwuser") || key == QLatin1String("lotwlastqsl") ||
                 key == QLatin1String("lotwmycall") || key == QLatin1String("lotwlocation"))
            storePref(key, it.value().toString());
    }
}

QString LogModel::lastQSL(const QString &entry)
{
    // Only a full "yyyy-MM-dd HH:mm:ss" counts as a date of the last QSL received.
    const QString stored = readPrefsForEntry(entry);
    return stored.size() == 19 ? stored : kOpenLastQsl;
}

QVariantMap LogModel::getLotwPrefs()
{
    return {
        {QStringLiteral("lotwuser"), readPrefsForEntry(QStringLiteral("lotwuser"))},
        {QStringLiteral("lotwpassword"),
         formats::textFromBase64(readPrefsForEntry(QStringLiteral("lotwpassword")))},
        {QStringLiteral("lotwlastqsl"), lastQSL(QStringLiteral("lotwlastqsl"))},
        {QStringLiteral("lotwmycall"), readPrefsForEntry(QStringLiteral("lotwmycall"))},
        {QStringLiteral("lotwqsodetails"),
         readPrefsForEntry(QStringLiteral("lotwqsodetails")) == QLatin1String("True") ? 1 : 0},
    };
}

QVariantMap LogModel::getAllEqslData()
{
    return {
        {QStringLiteral("eqsluser"), readPrefsForEntry(QStringLiteral("eqsluser"))},
        {QStringLiteral("eqslpassword"),
         formats::textFromBase64(readPrefsForEntry(QStringLiteral("eqslpassword")))},
        {QStringLiteral("eqslqth"), readPrefsForEntry(QStringLiteral("eqslqth"))},
        {QStringLiteral("eqsllastqsl"), lastQSL(QStringLiteral("eqsllastqsl"))},
        {QStringLiteral("eqslcomment"), readPrefsForEntry(QStringLiteral("eqslcomment"))},
    };
}
