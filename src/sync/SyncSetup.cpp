#include "sync/SyncSetup.h"

#include "app/DataFolder.h"
#include "model/LogModel.h"
#include "model/LogbookFiles.h"
#include "sync/LocalReplica.h"
#include "sync/PgConnection.h"
#include "sync/ServerAddress.h"
#include "sync/ServerApi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace syncsetup {

namespace {

using logsync::PgConnection;

bool connectTo(PgConnection &connection, const QString &address, QString *error)
{
    const auto text = serveraddress::connectionText(address, error);
    return text && connection.open(*text, error);
}

// The logbook's own settings that travel with a copied logbook; passwords stay behind.
const char *const kCopiedPrefs[] = {"UserFieldAdifIdx_1",
                                    "UserFieldAdifIdx_2",
                                    "UserFieldAdifIdx_3",
                                    "UserFieldAdifIdx_4",
                                    "UserFieldRemember_1",
                                    "UserFieldRemember_2",
                                    "UserFieldRemember_3",
                                    "UserFieldRemember_4",
                                    "ClublogCallsign",
                                    "ClublogRealTime",
                                    "ClublogUser",
                                    "UserFieldName_1",
                                    "UserFieldName_2",
                                    "UserFieldName_3",
                                    "UserFieldName_4",
                                    "eQSLuseNote",
                                    "eqslcomment",
                                    "eqsllastqsl",
                                    "eqslqth",
                                    "eqsluser",
                                    "LastLotwQsl_",
                                    "lotwlastqsl",
                                    "lotwlocation",
                                    "lotwmycall",
                                    "lotwowncallonly",
                                    "lotwqsodetails",
                                    "lotwuser",
                                    "mycall",
                                    "mylocator",
                                    "myname"};

} // namespace

std::optional<QString> copyPath(const DataFolder &folder)
{
    const QString path = folder.filePath(QString::fromLatin1(logbookfiles::kSyncedCopy));
    return QFile::exists(path) ? std::optional<QString>(path) : std::nullopt;
}

bool initServer(const QString &address, QString *error)
{
    PgConnection connection;
    return connectTo(connection, address, error) &&
           logsync::serverapi::installSchema(connection, error);
}

bool join(const DataFolder &folder, const QString &address, const QString &logbook, QString *error)
{
    if (logbook.trimmed().isEmpty()) {
        *error = QStringLiteral("A synced logbook needs a name");
        return false;
    }
    PgConnection connection;
    if (!connectTo(connection, address, error))
        return false;
    const auto id = logsync::serverapi::joinLogbook(connection, logbook, error);
    if (!id)
        return false;

    const QString server = serveraddress::withoutPassword(address);
    const QString path = folder.filePath(QString::fromLatin1(logbookfiles::kSyncedCopy));
    if (QFile::exists(path)) {
        logsync::LocalReplica old(path);
        const bool same = old.state(QStringLiteral("server")) == server &&
                          old.state(QStringLiteral("logbookId")) == QString::number(*id);
        if (same)
            return true;
        if (const int pending = old.pendingChanges(); pending > 0) {
            *error = QStringLiteral("The synced log on this device has %1 changes its server has "
                                    "not received; sync it before joining another")
                         .arg(pending);
            return false;
        }
        if (!QFile::remove(path)) {
            *error = QStringLiteral("Cannot replace %1").arg(path);
            return false;
        }
    }
    QDir().mkpath(QFileInfo(path).path());
    if (!folder.copyResourceIfMissing(QString::fromLatin1(logbookfiles::kEmptyLog),
                                      QString::fromLatin1(logbookfiles::kSyncedCopy))) {
        *error = QStringLiteral("Cannot create %1").arg(path);
        return false;
    }
    logsync::LocalReplica copy(path);
    if (copy.install(error) && copy.setState(QStringLiteral("server"), server) &&
        copy.setState(QStringLiteral("logbook"), logbook) &&
        copy.setState(QStringLiteral("logbookId"), QString::number(*id)))
        return true;
    if (error->isEmpty())
        *error = QStringLiteral("Cannot write %1").arg(path);
    QFile::remove(path);
    return false;
}

std::optional<int> copyLogbook(LogModel &from, LogModel &to, QString *error)
{
    QString readError;
    const QList<QsoClass> qsos = from.getlastQSOs(4, &readError);
    if (!readError.isEmpty()) {
        *error = readError;
        return std::nullopt;
    }
    if (!to.getlastQSOs(1).isEmpty()) {
        *error = QStringLiteral("The synced log already holds QSOs: copying this logbook into it "
                                "would double them");
        return std::nullopt;
    }
    // Oldest first, as they were logged; one QSO per entity for its DX info.
    QList<QsoClass> ordered(qsos.crbegin(), qsos.crend());
    for (QsoClass &qso : ordered)
        if (qso.clublog.isEmpty())
            qso.clublog = QStringLiteral("W");
    QHash<int, QsoClass> perEntity;
    for (const QsoClass &qso : std::as_const(ordered))
        if (qso.adif != 0 && !perEntity.contains(std::abs(qso.adif)))
            perEntity.insert(std::abs(qso.adif), qso);
    if (const WriteResult stored = to.saveAllQSOsToLog(ordered, perEntity.values()); !stored) {
        *error = stored.error;
        return std::nullopt;
    }
    for (const char *entry : kCopiedPrefs) {
        const QString value = from.readPrefsForEntry(QString::fromLatin1(entry));
        if (!value.isEmpty())
            static_cast<void>(to.updatePrefs(QString::fromLatin1(entry), value));
    }
    return int(ordered.size());
}

} // namespace syncsetup
