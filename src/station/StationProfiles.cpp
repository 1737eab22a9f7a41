#include "station/StationProfiles.h"

#include "app/DataFolder.h"
#include "app/Diagnostics.h"
#include "db/SafeWrite.h"
#include "model/LogModel.h"
#include "station/ProfileList.h"
#include "station/ProfileStamp.h"
#include "station/ProfileValidation.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

const QLatin1String kProfilesKey("profiles");
const QLatin1String kActiveKey("active");
const QLatin1String kSyncedKey("synced");

} // namespace

StationProfiles::StationProfiles(const DataFolder &folder, LogModel &log, QObject *parent)
    : QObject(parent), m_folder(folder), m_log(log)
{
    read();
    connect(&m_log, &LogModel::logbookSwitched, this, &StationProfiles::syncWithLogbook);
    connect(&m_log, &LogModel::settingsChanged, this, [this](const QString &entry) {
        if (entry == QLatin1String(kPrefsEntry))
            syncWithLogbook();
    });
    // A pull of the synced log may have brought another device's list.
    connect(&m_log, &LogModel::qsosChanged, this, [this](const QsoChange &change) {
        if (change.fromSync)
            syncWithLogbook();
    });
    syncWithLogbook();
}

QStringList StationProfiles::names() const
{
    QStringList names;
    for (const StationProfile &profile : m_profiles)
        names.append(profile.name);
    return names;
}

int StationProfiles::indexOf(const QString &name) const
{
    for (int i = 0; i < m_profiles.size(); ++i)
        if (m_profiles.at(i).name.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

std::optional<StationProfile> StationProfiles::profile(const QString &name) const
{
    const int index = indexOf(name);
    return index < 0 ? std::nullopt : std::optional(m_profiles.at(index));
}

std::optional<StationProfile> StationProfiles::active() const
{
    return m_active.isEmpty() ? std::nullopt : profile(m_active);
}

QString StationProfiles::save(StationProfile profile, const QString &replacing)
{
    profile.normalise();
    if (QString problem = station::profileProblem(profile); !problem.isEmpty())
        return problem;
    const int old = replacing.isEmpty() ? -1 : indexOf(replacing);
    if (!replacing.isEmpty() && old < 0)
        return QCoreApplication::translate("station", "No station profile named \"%1\".")
            .arg(replacing);
    if (const int same = indexOf(profile.name); same >= 0 && same != old)
        return QCoreApplication::translate("station",
                                           "Name: a station profile named \"%1\" exists already.")
            .arg(profile.name);
    QList<StationProfile> profiles = m_profiles;
    QString active = m_active;
    if (old >= 0) {
        if (profiles.at(old).name == m_active)
            active = profile.name;
        profiles[old] = profile;
    } else {
        profiles.append(profile);
    }
    return change(std::move(profiles), std::move(active));
}

QString StationProfiles::remove(const QString &name)
{
    const int index = indexOf(name);
    if (index < 0)
        return QCoreApplication::translate("station", "No station profile named \"%1\".").arg(name);
    QList<StationProfile> profiles = m_profiles;
    profiles.removeAt(index);
    return change(std::move(profiles),
                  m_profiles.at(index).name == m_active ? QString() : m_active);
}

QString StationProfiles::change(QList<StationProfile> profiles, QString active)
{
    std::swap(m_profiles, profiles);
    std::swap(m_active, active);
    if (QString error = store(); !error.isEmpty()) {
        m_profiles = std::move(profiles);
        m_active = std::move(active);
        return error;
    }
    emit changed();
    return {};
}

QString StationProfiles::select(const QString &name)
{
    const int index = indexOf(name);
    if (index < 0)
        return QCoreApplication::translate("station", "No station profile named \"%1\".").arg(name);
    const QString activeBefore = m_active;
    m_active = m_profiles.at(index).name;
    if (QString error = write(); !error.isEmpty()) {
        m_active = activeBefore;
        return error;
    }
    // Distances, sun times, LoTW and the map work from the logbook's own call and locator.
    const StationProfile &chosen = m_profiles.at(index);
    if (!chosen.callsign.isEmpty() && chosen.callsign != m_log.getMyCallsign())
        m_log.updateMyCallsign(chosen.callsign);
    if (!chosen.locator.isEmpty() && chosen.locator != m_log.getMyLocator())
        m_log.updateMyLocator(chosen.locator);
    emit changed();
    return {};
}

void StationProfiles::stamp(QsoClass &qso) const
{
    if (const std::optional<StationProfile> profile = active())
        station::stampQso(*profile, qso);
}

QJsonArray StationProfiles::profilesJson() const
{
    QJsonArray array;
    for (const StationProfile &profile : m_profiles)
        array.append(profile.toJson());
    return array;
}

QString StationProfiles::listText() const
{
    return QString::fromUtf8(QJsonDocument(profilesJson()).toJson(QJsonDocument::Compact));
}

void StationProfiles::syncWithLogbook()
{
    if (!m_log.isSyncLog())
        return;
    const QString remote = m_log.readPrefsForEntry(QLatin1String(kPrefsEntry));
    const QString local = listText();
    if (remote == local) {
        if (m_syncedText != remote) {
            m_syncedText = remote;
            static_cast<void>(write());
        }
        return;
    }
    if (!remote.isEmpty() && remote != m_syncedText) {
        // Another device changed the list since this one last saw it: the synced list wins.
        const std::optional<QList<StationProfile>> taken =
            station::parseProfileList(remote.toUtf8());
        if (!taken) {
            diag(QStringLiteral("Station profiles of the synced log not taken: not a list of "
                                "valid profiles"));
            return;
        }
        m_profiles = *taken;
        if (indexOf(m_active) < 0)
            m_active.clear();
        m_syncedText = remote;
        static_cast<void>(write());
        emit changed();
        return;
    }
    if (m_log.updatePrefs(QLatin1String(kPrefsEntry), local)) {
        m_syncedText = local;
        static_cast<void>(write());
    }
}

void StationProfiles::read()
{
    QFile file(m_folder.filePath(QLatin1String(kFileName)));
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        m_readProblem = file.errorString();
        return;
    }
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    const std::optional<QList<StationProfile>> profiles =
        document.isObject() ? station::profilesFromJson(document.object().value(kProfilesKey))
                            : std::nullopt;
    if (!profiles) {
        // The next save writes a new list: the old file is kept beside it for the user.
        const QString kept = file.fileName() + QStringLiteral(".unreadable");
        file.close();
        QFile::remove(kept);
        QFile::copy(file.fileName(), kept);
        m_readProblem =
            QCoreApplication::translate("station", "%1 is not a list of valid station profiles "
                                                   "(kept as %2)")
                .arg(QLatin1String(kFileName), QFileInfo(kept).fileName());
        diag(m_readProblem);
        return;
    }
    m_profiles = *profiles;
    m_active = document.object().value(kActiveKey).toString();
    if (indexOf(m_active) < 0)
        m_active.clear();
    m_syncedText = document.object().value(kSyncedKey).toString();
}

QString StationProfiles::write()
{
    const QJsonObject object{
        {kProfilesKey, profilesJson()}, {kActiveKey, m_active}, {kSyncedKey, m_syncedText}};
    QString error;
    if (!safewrite::writeFile(m_folder.filePath(QLatin1String(kFileName)),
                              QJsonDocument(object).toJson(), &error))
        return QCoreApplication::translate("station", "The station profiles were not saved: %1")
            .arg(error);
    m_readProblem.clear();
    return {};
}

QString StationProfiles::store()
{
    if (QString error = write(); !error.isEmpty())
        return error;
    if (m_log.isSyncLog()) {
        const QString local = listText();
        if (const WriteResult result = m_log.updatePrefs(QLatin1String(kPrefsEntry), local)) {
            m_syncedText = local;
            static_cast<void>(write());
        }
    }
    return {};
}
