// Station profiles travel with the synced log's settings: two devices against a throwaway
// PostgreSQL server (see tests/sync/PgTestServer.h).

#include "PgTestServer.h"
#include "app/DataFolder.h"
#include "model/LogModel.h"
#include "model/LogbookFiles.h"
#include "root/AppDelegate.h"
#include "station/StationProfiles.h"
#include "sync/SyncSession.h"
#include "sync/SyncSetup.h"

#include <QDateTime>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

/** One device: its data folder, application object, profiles and copy of the synced log. */
struct Device {
    QTemporaryDir dir;
    std::unique_ptr<AppDelegate> app;
    std::unique_ptr<StationProfiles> profiles;

    Device() { app = std::make_unique<AppDelegate>(DataFolder::at(dir.path())); }
    ~Device()
    {
        profiles.reset();
        app.reset();
    }

    bool join(const QString &url)
    {
        QString error;
        if (!syncsetup::join(app->folder(), url, QStringLiteral("Portable"), &error)) {
            qWarning() << "join:" << error;
            return false;
        }
        app->log().selectLogbook(QString::fromLatin1(logbookfiles::kSyncedLog));
        profiles = std::make_unique<StationProfiles>(app->folder(), app->log());
        return app->log().isSyncLog();
    }

    /** One round, and what the application's sync service does with what it pulled. */
    bool round()
    {
        logsync::SyncSession session(app->folder().filePath(logbookfiles::kSyncedCopy), {},
                                     [] { return QDateTime::currentMSecsSinceEpoch(); });
        const logsync::SyncReport report = session.run();
        app->log().takePulled(report.entities);
        return report.ok;
    }
};

StationProfile park()
{
    StationProfile p;
    p.name = QStringLiteral("Park");
    p.callsign = QStringLiteral("DL1BWK/P");
    p.pota = QStringLiteral("DL-0123");
    return p;
}

} // namespace

class TestStationSync : public QObject {
    Q_OBJECT
    PgTestServer m_server;
    QString m_url;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY2(m_server.start(), qPrintable(m_server.error()));
        m_url = m_server.url();
        QString error;
        QVERIFY2(syncsetup::initServer(m_url, &error), qPrintable(error));
    }

    void aProfileAddedOnOneDeviceReachesTheOther()
    {
        Device a, b;
        QVERIFY(a.join(m_url));
        QVERIFY(b.join(m_url));
        QVERIFY(a.profiles->save(park()).isEmpty());
        QVERIFY(a.round());
        QVERIFY(b.round());
        // The settings came with the round; the list is taken when the profiles are looked at.
        b.profiles->syncWithLogbook();
        QCOMPARE(b.profiles->names(), QStringList{"Park"});
        QCOMPARE(b.profiles->profile(QStringLiteral("park"))->pota, QStringLiteral("DL-0123"));

        // An edit on the second device goes back; the active profile stays each device's own.
        QVERIFY(b.profiles->select(QStringLiteral("Park")).isEmpty());
        StationProfile moved = park();
        moved.pota = QStringLiteral("DL-0456");
        QVERIFY(b.profiles->save(moved, QStringLiteral("Park")).isEmpty());
        QVERIFY(b.round());
        QVERIFY(a.round());
        a.profiles->syncWithLogbook();
        QCOMPARE(a.profiles->profile(QStringLiteral("Park"))->pota, QStringLiteral("DL-0456"));
        QVERIFY(a.profiles->activeName().isEmpty());
        QCOMPARE(b.profiles->activeName(), QStringLiteral("Park"));
    }
};

QTEST_GUILESS_MAIN(TestStationSync)
#include "tst_stationsync.moc"
