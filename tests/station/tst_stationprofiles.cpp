// Station profiles kept in a data folder and used by the logbook: the file, the logbook's own
// call and locator and the synced log's copy of the list.

#include "AppFixture.h"
#include "model/LogbookFiles.h"
#include "station/StationProfiles.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTimeZone>

namespace {

QDateTime utc(const QString &text)
{
    QDateTime t = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    t.setTimeZone(QTimeZone::utc());
    return t;
}

StationProfile park(const QString &name, const QString &ref)
{
    StationProfile p;
    p.name = name;
    p.callsign = QStringLiteral("n0call/p");
    p.operatorCall = QStringLiteral("N0CALL");
    p.locator = QStringLiteral("DN17ab");
    p.pota = ref;
    p.power = QStringLiteral("5");
    return p;
}

StationProfile home()
{
    StationProfile p;
    p.name = QStringLiteral("Home");
    p.callsign = QStringLiteral("N0CALL");
    p.locator = QStringLiteral("EN10PR");
    p.rig = QStringLiteral("IC-7300");
    return p;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestStationProfiles : public QObject, public AppFixture {
    Q_OBJECT
private slots:
    void init() { startApp(utc(QStringLiteral("2026-05-01 15:00:00"))); }
    void cleanup() { stopApp(); }

    void profilesAndTheActiveOneSurviveARestart()
    {
        {
            StationProfiles profiles(m_app->folder(), m_app->log());
            QCOMPARE(profiles.save(home()), QString());
            QCOMPARE(profiles.save(park(QStringLiteral("Park"), QStringLiteral("US-0001"))),
                     QString());
            QCOMPARE(profiles.select(QStringLiteral("park")), QString());
        }
        StationProfiles again(m_app->folder(), m_app->log());
        QCOMPARE(again.names(), (QStringList{"Home", "Park"}));
        QCOMPARE(again.activeName(), QStringLiteral("Park"));
        QCOMPARE(again.active()->callsign, QStringLiteral("N0CALL/P"));
        QCOMPARE(again.active()->locator, QStringLiteral("DN17AB"));
    }

    void invalidProfileIsRefusedAndNothingStored()
    {
        StationProfiles profiles(m_app->folder(), m_app->log());
        QCOMPARE(profiles.save(home()), QString());
        const QString file = m_app->folder().filePath(StationProfiles::kFileName);
        const QByteArray before = readAll(file);
        QSignalSpy changed(&profiles, &StationProfiles::changed);

        StationProfile bad = home();
        bad.locator = QStringLiteral("EN10");
        QVERIFY(profiles.save(bad, QStringLiteral("Home")).startsWith(QStringLiteral("Locator:")));
        StationProfile twin = park(QStringLiteral("home"), QStringLiteral("US-0001"));
        QVERIFY(profiles.save(twin).startsWith(QStringLiteral("Name:")));
        QVERIFY(!profiles.select(QStringLiteral("Nowhere")).isEmpty());

        QCOMPARE(readAll(file), before);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(profiles.profile(QStringLiteral("Home"))->locator, QStringLiteral("EN10PR"));
    }

    void anUnreadableFileIsKeptBesideTheNewList_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not JSON") << QByteArray("{\"profiles\": [");
        QTest::newRow("a profile breaking the rules")
            << QByteArray(R"({"profiles":[{"name":"Home","locator":"JO62"}]})");
        QTest::newRow("a list instead of an object") << QByteArray("[]");
    }

    void anUnreadableFileIsKeptBesideTheNewList()
    {
        QFETCH(QByteArray, content);
        const QString path = m_app->folder().filePath(StationProfiles::kFileName);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        QTest::ignoreMessage(QtInfoMsg, "StationProfiles.json is not a list of valid station "
                                        "profiles (kept as StationProfiles.json.unreadable)");
        StationProfiles profiles(m_app->folder(), m_app->log());
        QVERIFY(profiles.names().isEmpty());
        QVERIFY(!profiles.readProblem().isEmpty());
        QVERIFY(profiles.save(home()).isEmpty());
        QCOMPARE(readAll(path + QStringLiteral(".unreadable")), content);
        QCOMPARE(StationProfiles(m_app->folder(), m_app->log()).names(), QStringList{"Home"});
    }

    void choosingAProfileSetsTheLogbooksOwnCallAndLocator()
    {
        StationProfiles profiles(m_app->folder(), m_app->log());
        QVERIFY(profiles.save(park(QStringLiteral("Park"), QStringLiteral("US-0001"))).isEmpty());
        QSignalSpy settings(&m_app->log(), &LogModel::settingsChanged);
        QCOMPARE(profiles.select(QStringLiteral("Park")), QString());
        QCOMPARE(m_app->log().getMyCallsign(), QStringLiteral("N0CALL/P"));
        QCOMPARE(m_app->log().getMyLocator(), QStringLiteral("DN17AB"));
        QCOMPARE(settings.count(), 2);
    }

    void theSyncedLogCarriesTheList()
    {
        // The synced log is this device's copy; a pull writes its settings like this.
        QVERIFY(QDir(m_app->folder().path).mkpath(QStringLiteral(".synced")));
        QVERIFY(m_app->folder().copyResourceIfMissing(logbookfiles::kEmptyLog,
                                                      logbookfiles::kSyncedCopy));
        LogModel &log = m_app->log();
        log.selectLogbook(logbookfiles::kSyncedLog);
        QVERIFY(log.isSyncLog());
        StationProfiles profiles(m_app->folder(), log);
        QVERIFY(profiles.save(home()).isEmpty());
        QVERIFY(log.readPrefsForEntry(StationProfiles::kPrefsEntry).contains("EN10PR"));

        QSignalSpy changed(&profiles, &StationProfiles::changed);
        QVERIFY(log.updatePrefs(StationProfiles::kPrefsEntry,
                                R"([{"name":"Summit","callsign":"G4ABC","sota":"G/LD-003"}])"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(profiles.names(), QStringList{"Summit"});

        // A list that breaks the rules is not taken.
        QTest::ignoreMessage(QtInfoMsg, "Station profiles of the synced log not taken: not a "
                                        "list of valid profiles");
        QVERIFY(log.updatePrefs(StationProfiles::kPrefsEntry, R"([{"name":"X","pota":"nope"}])"));
        QCOMPARE(profiles.names(), QStringList{"Summit"});
    }
};

QTEST_GUILESS_MAIN(TestStationProfiles)
#include "tst_stationprofiles.moc"
