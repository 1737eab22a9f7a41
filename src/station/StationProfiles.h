#pragma once

#include "model/NewQsoStamp.h"
#include "station/StationProfile.h"

#include <QJsonArray>
#include <QList>
#include <QObject>
#include <QStringList>

#include <optional>

class LogModel;
struct DataFolder;

/** The station profiles of a data folder and which one is active. Kept in the folder's
 *  "StationProfiles.json" (written safely: the old file stays on any failure). While the synced
 *  log is the current logbook the list is mirrored into its settings (entry "StationProfiles"),
 *  which travel to the other devices; a list changed there is taken in here. The active profile
 *  stamps every new QSO the LogModel stores. */
class StationProfiles : public QObject, public NewQsoStamp {
    Q_OBJECT
    Q_PROPERTY(QStringList names READ names NOTIFY changed)
    Q_PROPERTY(QString activeName READ activeName NOTIFY changed)
public:
    static constexpr char kFileName[] = "StationProfiles.json";
    static constexpr char kPrefsEntry[] = "StationProfiles";

    /** Reads the folder's list; the model is the current logbook, whose own call and locator a
     *  chosen profile sets. */
    StationProfiles(const DataFolder &folder, LogModel &log, QObject *parent = nullptr);

    [[nodiscard]] const QList<StationProfile> &profiles() const { return m_profiles; }
    [[nodiscard]] QStringList names() const;
    [[nodiscard]] std::optional<StationProfile> profile(const QString &name) const;
    [[nodiscard]] std::optional<StationProfile> active() const;
    [[nodiscard]] const QString &activeName() const { return m_active; }
    /** Why the folder's file could not be read (it is then left alone until the next save). */
    [[nodiscard]] const QString &readProblem() const { return m_readProblem; }

    /** Adds the profile, or replaces the one named `replacing` (any case); the message naming
     *  the field or the failed write, empty when stored. */
    QString save(StationProfile profile, const QString &replacing = {});
    QString remove(const QString &name);
    /** Makes the profile active and sets the logbook's own call and locator from it. */
    Q_INVOKABLE QString select(const QString &name);

    void stamp(QsoClass &qso) const override;

    /** With the synced log current: takes its list when another device changed it since it was
     *  seen here, or else puts this folder's list there. */
    Q_INVOKABLE void syncWithLogbook();

signals:
    void changed();

private:
    [[nodiscard]] int indexOf(const QString &name) const;
    [[nodiscard]] QString listText() const;
    void read();
    /** Writes the folder's file; the message when that failed. */
    QString write();
    /** After a change here: the file, and the synced log when it is current. */
    QString store();
    /** Takes the list and the active profile's name and stores them; when that fails, keeps the
     *  old ones and gives the message. */
    QString change(QList<StationProfile> profiles, QString active);
    [[nodiscard]] QJsonArray profilesJson() const;

    const DataFolder &m_folder;
    LogModel &m_log;
    QList<StationProfile> m_profiles;
    QString m_active;
    /** The synced log's list as last seen or written here. */
    QString m_syncedText;
    QString m_readProblem;
};
