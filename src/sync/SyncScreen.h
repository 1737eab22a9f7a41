#pragma once

#include "sync/SyncService.h"

#include <QMap>
#include <QObject>
#include <QString>

#include <functional>

class LogModel;
class UserDefaults;
struct DataFolder;

/** Settings → Synced log (both layouts): the server and logbook this device shares, joining
 *  it, the state of syncing (last sync, changes waiting, the last error), a round on request,
 *  and copying the current logbook file into the synced log. Also the short state the frame
 *  shows while the synced log is in use. */
class SyncScreen : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString server READ server WRITE setServer NOTIFY fieldsChanged)
    Q_PROPERTY(QString logbook READ logbook WRITE setLogbook NOTIFY fieldsChanged)
    Q_PROPERTY(QString password READ password WRITE setPassword NOTIFY fieldsChanged)
    Q_PROPERTY(QString user READ user NOTIFY fieldsChanged)
    Q_PROPERTY(bool joined READ joined NOTIFY stateChanged)
    Q_PROPERTY(bool current READ current NOTIFY stateChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY stateChanged)
    Q_PROPERTY(QString statusText READ statusText NOTIFY stateChanged)
    Q_PROPERTY(QString lastSync READ lastSync NOTIFY stateChanged)
    Q_PROPERTY(int pending READ pending NOTIFY stateChanged)
    Q_PROPERTY(QString error READ error NOTIFY stateChanged)
    Q_PROPERTY(QString notice READ notice NOTIFY stateChanged)
    Q_PROPERTY(QString message READ message NOTIFY stateChanged)
    Q_PROPERTY(QString shellText READ shellText NOTIFY stateChanged)
    Q_PROPERTY(bool canCopy READ canCopy NOTIFY stateChanged)
    Q_PROPERTY(QString copyWarning READ copyWarning CONSTANT)
public:
    SyncScreen(LogModel &log, UserDefaults &defaults, const DataFolder &folder,
               logsync::SyncService &service,
               std::function<void(const QString &server, const QString &password)> savePassword,
               QObject *parent = nullptr);

    [[nodiscard]] const QString &server() const { return m_server; }
    [[nodiscard]] const QString &logbook() const { return m_logbook; }
    [[nodiscard]] const QString &password() const { return m_password; }
    void setServer(const QString &server);
    void setLogbook(const QString &logbook);
    void setPassword(const QString &password);
    /** The database user the server address names. */
    [[nodiscard]] QString user() const;

    [[nodiscard]] bool joined() const;
    [[nodiscard]] bool current() const;
    [[nodiscard]] bool busy() const { return m_busy; }
    [[nodiscard]] QString statusText() const;
    [[nodiscard]] QString lastSync() const;
    [[nodiscard]] int pending() const;
    [[nodiscard]] QString error() const;
    /** Worth telling though nothing failed: the server lost changes and this device sent its
     *  copy again. */
    [[nodiscard]] QString notice() const;
    [[nodiscard]] const QString &message() const { return m_message; }
    /** "Synced", "Offline, 3 changes waiting", …; empty while a logbook file is in use. */
    [[nodiscard]] QString shellText() const;
    /** A logbook file is current and a synced log has been joined. */
    [[nodiscard]] bool canCopy() const { return joined() && !current(); }
    [[nodiscard]] static QString copyWarning();

    /** Creates the schema on the server (once per server). */
    Q_INVOKABLE void initServer();
    /** Joins the logbook on the server and makes the synced log the current logbook. */
    Q_INVOKABLE void join();
    Q_INVOKABLE void syncNow();
    /** Makes the joined synced log the current logbook. */
    Q_INVOKABLE void useSyncedLog();
    /** Copies the current logbook file's QSOs and settings into the synced log. */
    Q_INVOKABLE void copyCurrentLogbook();

signals:
    void fieldsChanged();
    void stateChanged();

private:
    /** Runs blocking work off the window's thread; `done` gets its error (empty: it worked). */
    void runInBackground(std::function<bool(QString *)> work,
                         std::function<void(const QString &)> done);
    void finish(const QString &message);
    void readStoredFields();
    /** Reads the copy's state once for all the page's lines, then tells the page. */
    void refresh();

    LogModel &m_log;
    UserDefaults &m_defaults;
    const DataFolder &m_folder;
    logsync::SyncService &m_service;
    std::function<void(const QString &, const QString &)> m_savePassword;
    QString m_server;
    QString m_logbook;
    QString m_password;
    QString m_message;
    bool m_busy = false;
    // The copy's state as last read: the page's lines do not open the copy one by one.
    struct CopyState {
        bool joined = false;
        QMap<QString, QString> values;
        int pending = 0;
    } m_copy;
};
