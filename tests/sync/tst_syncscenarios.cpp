// Devices that edit offline and sync in every order against a real PostgreSQL server: the later
// change of a field always wins on every device, devices never drift apart, clocks are checked,
// and a frozen server, a killed join or pull and a server restored from a backup lose nothing.

#include "PgTestServer.h"

#include "../cli/CliRun.h"
#include "../model/SqlRows.h"
#include "app/DataFolder.h"
#include "db/Database.h"
#include "model/LogbookFiles.h"
#include "root/AppDelegate.h"
#include "sync/Hlc.h"
#include "sync/LocalReplica.h"
#include "sync/PgConnection.h"
#include "sync/ServerAddress.h"
#include "sync/ServerApi.h"
#include "sync/SyncScreen.h"
#include "sync/SyncService.h"
#include "sync/SyncSession.h"
#include "sync/SyncSetup.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <map>
#include <memory>

using namespace logsync;

namespace {

/** One device: a data folder of its own with its copy of the synced log. */
struct Device {
    QTemporaryDir dir;
    QString name;
    qint64 clockOffsetMs = 0; // how far this device's clock is off

    QString copy() const
    {
        return DataFolder::at(dir.path()).filePath(QString::fromLatin1(logbookfiles::kSyncedCopy));
    }

    bool join(const QString &url, const QString &logbook)
    {
        QString error;
        if (!syncsetup::join(DataFolder::at(dir.path()), url, logbook, &error)) {
            qWarning() << name << "join:" << error;
            return false;
        }
        return true;
    }

    qint64 now() const { return QDateTime::currentMSecsSinceEpoch() + clockOffsetMs; }

    SyncReport round(int timeoutMs = PgConnection::kDefaultReplyTimeoutMs)
    {
        SyncSession session(copy(), {}, [this] { return now(); });
        session.setReplyTimeout(timeoutMs);
        return session.run();
    }

    /** Runs statements as another program would; each change waits a moment so that no two
     *  changes of the test share a millisecond (their order is then the clocks' order). */
    bool exec(const QString &sql) const
    {
        db::Database database;
        if (database.open(copy(), db::Database::Mode::ReadWrite) != 0 || !database.exec(sql)) {
            qWarning() << name << sql << database.errorMessage();
            return false;
        }
        QThread::msleep(2);
        return true;
    }

    QStringList rows(const QString &sql) const { return sqlRows(copy(), sql); }

    /** Every QSO (by uuid, without the local id) with its kept ADIF fields, and every setting
     *  that travels. */
    QStringList contents() const
    {
        QStringList lines = rows(QStringLiteral(
            "select s.uuid, l.callsign, l.note, l.qth, l.name, l.rsttx, l.lotwqsl, l.band from "
            "logbook l join sync_qso s on s.id = l.id order by s.uuid"));
        lines << rows(QStringLiteral("select s.uuid, f.name, f.value, f.type from qso_fields f "
                                     "join sync_qso s on s.id = f.qso order by s.uuid, f.name"));
        for (const QString &line : rows(QStringLiteral("select entry, value from prefs order by "
                                                       "entry")))
            if (!LocalReplica::isLocalPref(line.section(QLatin1Char('|'), 0, 0)))
                lines << line;
        return lines;
    }

    /** The value of a kept ADIF field of the QSO; "<none>" without one, "<gone>" without the
     *  QSO. */
    QString extra(const QString &call, const QString &name) const
    {
        const QStringList found = rows(
            QStringLiteral("select coalesce((select f.value from qso_fields f where f.qso = l.id "
                           "and f.name = '%1'), '<none>') from logbook l where l.callsign = '%2'")
                .arg(name, call));
        return found.isEmpty() ? QStringLiteral("<gone>") : found.first();
    }

    /** Sets (an empty value: removes) a kept ADIF field of the QSO, as another program would. */
    bool setExtra(const QString &call, const QString &name, const QString &value) const
    {
        if (value.isEmpty())
            return exec(QStringLiteral("delete from qso_fields where name = '%1' and qso = "
                                       "(select id from logbook where callsign = '%2')")
                            .arg(name, call));
        return exec(QStringLiteral("insert into qso_fields (qso, name, value) select id, '%1', "
                                   "'%2' from logbook where callsign = '%3' on conflict (qso, "
                                   "name) do update set value = excluded.value")
                        .arg(name, value, call));
    }

    QString field(const QString &call, const QString &column) const
    {
        const QStringList found =
            rows(QStringLiteral("select %1 from logbook where callsign = '%2'").arg(column, call));
        return found.isEmpty() ? QStringLiteral("<gone>") : found.first();
    }
};

QString insertQso(const QString &call, const QString &extra = {})
{
    return QStringLiteral("insert into logbook (callsign, band, mode, date, time, datetime, note, "
                          "qth, name, clublog%1) values ('%2', '20m', 'CW', '2024-05-19', "
                          "'1200', '2024-05-19 12:00:00', 'n0', 'q0', 'm0', 'W'%3)")
        .arg(extra.isEmpty() ? QString() : QStringLiteral(", lotwqsl"), call,
             extra.isEmpty() ? QString() : QStringLiteral(", '") + extra + QLatin1Char('\''));
}

} // namespace

class TestSyncScenarios : public QObject {
    Q_OBJECT

    PgTestServer m_server;
    int m_logbooks = 0;

    /** Devices named A, B, … joined to a logbook of their own for this test. */
    std::vector<std::unique_ptr<Device>> devices(int count)
    {
        const QString logbook = QStringLiteral("logbook %1").arg(++m_logbooks);
        std::vector<std::unique_ptr<Device>> list;
        for (int i = 0; i < count; ++i) {
            auto device = std::make_unique<Device>();
            device->name = QString(QChar(u'A' + i));
            if (!device->join(m_server.url(), logbook))
                return {};
            list.push_back(std::move(device));
        }
        return list;
    }

    static bool syncAll(const std::vector<std::unique_ptr<Device>> &list)
    {
        for (int pass = 0; pass < 2; ++pass)
            for (const auto &device : list)
                if (const SyncReport report = device->round(); !report.ok) {
                    qWarning() << device->name << report.error;
                    return false;
                }
        return true;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY2(m_server.start(), qPrintable(m_server.error()));
        QString error;
        QVERIFY2(syncsetup::initServer(m_server.url(), &error), qPrintable(error));
    }

    void laterChangeWins_data()
    {
        // Steps on devices A and B, one QSO X (shared by both at the start unless a step makes
        // it): "A note=v" edits, "A adif:sig_info=v" sets a kept ADIF field ("A adif:sig_info="
        // removes it), "A new" logs X, "A delete" deletes it, "A round" syncs, "A round=N" syncs
        // and expects N changes pulled, "A push-lost" pushes without ever hearing the server's
        // answer (the program was killed), "A pull" only pulls (as while the operator types
        // during a round), "A only-deletion-waits" checks that a deleted QSO goes out as nothing
        // but its deletion.
        QTest::addColumn<bool>("shared");
        QTest::addColumn<QStringList>("steps");
        // note|qth|name|kept fields on every device, or <gone>
        QTest::addColumn<QString>("expected");
        QTest::newRow("an older edit never beats a newer one")
            << true
            << QStringList{"A note=a1", "B note=b2", "A qth=a3", "A round", "B round", "A round"}
            << "b2|a3|m0|";
        QTest::newRow("a new QSO's interrupted push does not wipe a later field")
            << false << QStringList{"A new",   "A push-lost", "B round", "B name=b1",
                                    "B round", "A note=a2",   "A round", "B round"}
            << "a2|q0|b1|";
        QTest::newRow("a field edited during the device's own pull takes the later value")
            << true
            << QStringList{"B note=b1", "A note=a2", "A round", "B pull", "B round", "A round"}
            << "a2|q0|m0|";
        QTest::newRow("a later local edit survives a pull of an older one")
            << true
            << QStringList{"A note=a1", "B note=b2", "A round", "B pull", "B round", "A round"}
            << "b2|q0|m0|";
        QTest::newRow("a deletion wins over a later edit")
            << true << QStringList{"A delete", "B note=b1", "B round", "A round", "B round"}
            << "<gone>";
        QTest::newRow("a device does not pull back its own changes")
            << true << QStringList{"A note=a1", "A qth=a2", "A round=0", "B round=1", "A round=0"}
            << "a1|a2|m0|";

        // Kept ADIF fields merge like columns.
        QTest::newRow("a kept field added on one device is seen on the other")
            << true << QStringList{"A adif:sig_info=k1", "A round", "B round=1"}
            << "n0|q0|m0|sig_info=k1";
        QTest::newRow("different kept fields of one QSO both survive")
            << true
            << QStringList{"A adif:sig_info=a1", "B adif:my_city=b2", "A round", "B round",
                           "A round"}
            << "n0|q0|m0|my_city=b2,sig_info=a1";
        QTest::newRow("a kept field and a column of one QSO both survive")
            << true << QStringList{"B adif:sig_info=b1", "A note=a2", "A round", "B round"}
            << "a2|q0|m0|sig_info=b1";
        QTest::newRow("the same kept field: the later change wins, pushed last")
            << true
            << QStringList{"A adif:sig_info=a1", "B adif:sig_info=b2", "A round", "B round",
                           "A round"}
            << "n0|q0|m0|sig_info=b2";
        QTest::newRow("the same kept field: the later change wins, pushed first")
            << true
            << QStringList{"B adif:sig_info=b1", "A adif:sig_info=a2", "A round", "B round",
                           "A round"}
            << "n0|q0|m0|sig_info=a2";
        QTest::newRow("a removed kept field is removed elsewhere")
            << true << QStringList{"A adif:sig_info=a1", "A round", "B round",
                                   "B adif:sig_info=",   "B round", "A round=1"}
            << "n0|q0|m0|";
        QTest::newRow("a removal loses to a later edit of another device")
            << true << QStringList{"A adif:sig_info=a1", "A round", "B round", "B adif:sig_info=",
                                   "A adif:sig_info=a2", "B round", "A round"}
            << "n0|q0|m0|sig_info=a2";
        QTest::newRow("a new QSO's kept fields go with it")
            << false << QStringList{"A new", "A adif:sig_info=a1", "A round", "B round"}
            << "n0|q0|m0|sig_info=a1";
        QTest::newRow("a deleted QSO with kept fields pushes only its deletion")
            << true << QStringList{"A adif:sig_info=a1",
                                   "A adif:my_city=a2",
                                   "A round",
                                   "B round",
                                   "A adif:sig_info=a3",
                                   "A delete",
                                   "A only-deletion-waits",
                                   "A round",
                                   "B round=1"}
            << "<gone>";
    }

    void laterChangeWins()
    {
        QFETCH(bool, shared);
        QFETCH(QStringList, steps);
        QFETCH(QString, expected);
        const auto list = devices(2);
        QCOMPARE(int(list.size()), 2);
        const QString call = QStringLiteral("X1X");
        if (shared) {
            QVERIFY(list[0]->exec(insertQso(call)));
            QVERIFY(syncAll(list));
        }
        static const QRegularExpression edit(QStringLiteral("^(\\w+)=(\\w+)$"));
        static const QRegularExpression keptEdit(QStringLiteral("^adif:(\\w+)=(\\w*)$"));
        for (const QString &step : steps) {
            Device &device = *list[step.at(0).unicode() - u'A'];
            const QString what = step.mid(2);
            if (const QRegularExpressionMatch m = keptEdit.match(what); m.hasMatch()) {
                QVERIFY(device.setExtra(call, m.captured(1), m.captured(2)));
            } else if (const QRegularExpressionMatch m = edit.match(what);
                       m.hasMatch() && m.captured(1) != QLatin1String("round")) {
                QVERIFY(device.exec(QStringLiteral("update logbook set %1 = '%2' where "
                                                   "callsign = '%3'")
                                        .arg(m.captured(1), m.captured(2), call)));
            } else if (what == QLatin1String("new")) {
                QVERIFY(device.exec(insertQso(call)));
            } else if (what == QLatin1String("delete")) {
                QVERIFY(device.exec(
                    QStringLiteral("delete from logbook where callsign = '%1'").arg(call)));
            } else if (what.startsWith(QLatin1String("round"))) {
                const SyncReport report = device.round();
                QVERIFY2(report.ok, qPrintable(step + ": " + report.error));
                if (what.contains(u'='))
                    QCOMPARE(report.pulled, what.section(u'=', 1).toInt());
            } else if (what == QLatin1String("push-lost")) {
                LocalReplica copy(device.copy());
                QString error;
                const auto batch = copy.takeOutbox(100, device.now(), &error);
                QVERIFY2(batch, qPrintable(error));
                PgConnection connection;
                const auto text = serveraddress::connectionText(m_server.url(), &error);
                QVERIFY2(text && connection.open(*text, &error), qPrintable(error));
                QVERIFY2(serverapi::push(connection, copy.state("logbookId").toLongLong(), *batch,
                                         &error),
                         qPrintable(error));
            } else if (what == QLatin1String("only-deletion-waits")) {
                QString error;
                const auto batch =
                    LocalReplica(device.copy()).takeOutbox(100, device.now(), &error);
                QVERIFY2(batch, qPrintable(error));
                QCOMPARE(batch->keys.size(), 1);
                QCOMPARE(batch->keys.first().field, QStringLiteral("-"));
                QCOMPARE(batch->qsos.size(), 1);
                QVERIFY(batch->qsos.first().deleted);
                QVERIFY(batch->qsos.first().fields.isEmpty());
            } else if (what == QLatin1String("pull")) {
                LocalReplica copy(device.copy());
                QString error;
                PgConnection connection;
                const auto text = serveraddress::connectionText(m_server.url(), &error);
                QVERIFY2(text && connection.open(*text, &error), qPrintable(error));
                const auto page = serverapi::pull(connection, copy.state("logbookId").toLongLong(),
                                                  copy.state("cursor").toLongLong(), 100, &error);
                QVERIFY2(page, qPrintable(error));
                QVERIFY2(copy.applyPulled(*page, device.now(), &error), qPrintable(error));
            } else {
                QFAIL(qPrintable("unknown step " + step));
            }
        }
        // Rounds with no new edits bring every device to the same values.
        QVERIFY(syncAll(list));
        for (const auto &device : list) {
            const QString values = device->field(
                call, QStringLiteral("note || '|' || qth || '|' || name || '|' || "
                                     "coalesce((select group_concat(name || '=' || value) from "
                                     "(select name, value from qso_fields where qso = "
                                     "logbook.id order by name)), '')"));
            QCOMPARE(values, expected);
            QCOMPARE(device->contents(), list[0]->contents());
            QCOMPARE(LocalReplica(device->copy()).pendingChanges(), 0);
        }
    }

    void clocksAreChecked_data()
    {
        QTest::addColumn<qint64>("storedAheadMs"); // the copy's clock, ahead of real time
        QTest::addColumn<bool>("accepted");
        const qint64 hour = 3600'000;
        QTest::newRow("a minute ahead is within the skew") << 60'000LL << true;
        QTest::newRow("an hour ahead is refused and the change waits") << hour << false;
        // Its own clock is right again: what it stamped under the wrong one goes out as now.
        QTest::newRow("a reading ten years ahead from a wrong clock long ago")
            << 10 * 365 * 24 * hour << true;
    }

    void clocksAreChecked()
    {
        QFETCH(qint64, storedAheadMs);
        QFETCH(bool, accepted);
        const auto list = devices(2);
        QCOMPARE(int(list.size()), 2);
        Device &a = *list[0];
        Device &b = *list[1];
        QVERIFY(a.exec(insertQso(QStringLiteral("X1X"))));
        QVERIFY(syncAll(list));
        // Changes are stamped after the copy's clock: a clock far ahead stamps them ahead too.
        const QString reading =
            Hlc{QDateTime::currentMSecsSinceEpoch() + storedAheadMs, 0, QStringLiteral("x")}
                .toText();
        QVERIFY(a.exec(
            QStringLiteral("update sync_state set value = '%1' where key = 'hlc'").arg(reading)));
        QVERIFY(a.exec(QStringLiteral("update logbook set note = 'ahead'")));
        const SyncReport report = a.round();
        QCOMPARE(report.ok, accepted);
        LocalReplica copy(a.copy());
        if (!accepted) {
            QVERIFY2(report.error.contains(QLatin1String("ahead of the server's clock")),
                     qPrintable(report.error));
            QCOMPARE(copy.pendingChanges(), 1);
            QCOMPARE(copy.state(QStringLiteral("lastError")), report.error);
            return;
        }
        QVERIFY(b.round().ok);
        QCOMPARE(b.field(QStringLiteral("X1X"), QStringLiteral("note")), QStringLiteral("ahead"));
        // A later edit elsewhere still wins: the clocks were not dragged along.
        QVERIFY(b.exec(QStringLiteral("update logbook set note = 'later'")));
        QVERIFY(syncAll(list));
        QCOMPARE(a.field(QStringLiteral("X1X"), QStringLiteral("note")), QStringLiteral("later"));
    }

    void forgedReadingsAreRefused_data()
    {
        QTest::addColumn<QString>("hlc");
        QTest::newRow("not a reading") << "~";
        QTest::newRow("empty") << "";
        QTest::newRow("digits short") << "1733558400000.00000.dev";
        QTest::newRow("far future") << "900000000000000000.00000.dev";
        QTest::newRow("device with a space") << "000001733558400000.00000.a b";
    }

    void forgedReadingsAreRefused()
    {
        QFETCH(QString, hlc);
        const auto list = devices(1);
        QCOMPARE(int(list.size()), 1);
        LocalReplica copy(list[0]->copy());
        QString error;
        PgConnection connection;
        const auto text = serveraddress::connectionText(m_server.url(), &error);
        QVERIFY2(text && connection.open(*text, &error), qPrintable(error));
        const QString uuid = QStringLiteral("0f8fad5b-d9cb-469f-a165-70867728950e");
        PushBatch batch;
        batch.qsos.append({uuid, hlc, false, {{"note", "locked"}}});
        QVERIFY(!serverapi::push(connection, copy.state("logbookId").toLongLong(), batch, &error));
        QVERIFY2(error.contains(QLatin1String("clock")), qPrintable(error));
        // Nor may a field carry one of its own.
        batch.qsos.first().hlc = Hlc{1, 0, QStringLiteral("dev")}.toText();
        batch.qsos.first().clocks = {{"note", hlc}};
        QVERIFY(!serverapi::push(connection, copy.state("logbookId").toLongLong(), batch, &error));
    }

    void frozenServerEndsTheRound()
    {
        const auto list = devices(1);
        QCOMPARE(int(list.size()), 1);
        Device &a = *list[0];
        QVERIFY(a.exec(insertQso(QStringLiteral("X1X"))));
        SyncSession session(a.copy(), {}, [&a] { return a.now(); });
        session.setReplyTimeout(1500);
        QString error;
        QVERIFY2(session.connect(&error), qPrintable(error));
        QVERIFY(m_server.freeze(true));
        QElapsedTimer timer;
        timer.start();
        const SyncReport report = session.run();
        QVERIFY(m_server.freeze(false));
        QVERIFY(!report.ok);
        QVERIFY2(report.error.contains(QLatin1String("did not answer")), qPrintable(report.error));
        QVERIFY(timer.elapsed() < 10'000);
        QCOMPARE(LocalReplica(a.copy()).pendingChanges(), 1);
        // The CLI: a connection that cannot be made in time ends with exit 2, nothing lost.
        QVERIFY(m_server.freeze(true));
        const CliRun cli = CliRun::in(a.dir.path(), {"sync", "now", "--timeout", "2"});
        QVERIFY(m_server.freeze(false));
        QCOMPARE(cli.exitCode, 2);
        QCOMPARE(LocalReplica(a.copy()).pendingChanges(), 1);
        QVERIFY(a.round().ok);
        QCOMPARE(LocalReplica(a.copy()).pendingChanges(), 0);
    }

    void killedJoinAndPullRecover()
    {
        const auto list = devices(1);
        QCOMPARE(int(list.size()), 1);
        Device &a = *list[0];
        QVERIFY(a.exec(insertQso(QStringLiteral("X1X"))));
        QVERIFY(a.round().ok);
        const QString logbook = LocalReplica(a.copy()).state("logbook");

        // A join killed while its first pull waits (here for a lock on the server's QSOs).
        Device b;
        PgConnection blocker;
        QString error;
        const auto text = serveraddress::connectionText(m_server.url(), &error);
        QVERIFY2(text && blocker.open(*text, &error), qPrintable(error));
        QVERIFY(blocker.exec("BEGIN").ok);
        QVERIFY(blocker.exec("LOCK TABLE brindlewick.qsos IN ACCESS EXCLUSIVE MODE").ok);
        QProcess join;
        join.start(QStringLiteral(BRINDLEWICK_CLI),
                   {"--data-dir", b.dir.path(), "sync", "join", "--server", m_server.url(),
                    "--logbook", logbook});
        QVERIFY(join.waitForStarted());
        PgConnection watcher;
        QVERIFY2(watcher.open(*text, &error), qPrintable(error));
        QTRY_VERIFY_WITH_TIMEOUT(
            !watcher.exec("SELECT 1 FROM pg_locks WHERE NOT granted").rows.isEmpty(), 20'000);
        join.kill();
        join.waitForFinished();
        QVERIFY(blocker.exec("ROLLBACK").ok);
        // The synced log is the current logbook all the same, and the next round completes it.
        QSettings settings(b.dir.filePath("Brindlewick.ini"), QSettings::IniFormat);
        QCOMPARE(settings.value("LogDbName").toString(),
                 QString::fromLatin1(logbookfiles::kSyncedLog));
        QCOMPARE(CliRun::in(b.dir.path(), {"sync", "now"}).exitCode, 0);
        QCOMPARE(b.field(QStringLiteral("X1X"), QStringLiteral("note")), QStringLiteral("n0"));

        // A writer killed mid-transaction leaves a journal behind: status rolls it back.
        QProcess writer;
        writer.start(QStringLiteral("sqlite3"), {b.copy()});
        QVERIFY(writer.waitForStarted());
        // A cache of one page makes it write into the file before the commit.
        writer.write("PRAGMA cache_size = 1;\nBEGIN;\nUPDATE sync_state SET value = 'x';\n"
                     "INSERT INTO logbook (callsign, note) SELECT 'J', randomblob(5000) FROM "
                     "(WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c WHERE x < "
                     "200) SELECT x FROM c);\n.shell touch '" +
                     QFile::encodeName(b.dir.filePath("written")) + "'\n");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(b.dir.filePath("written")), 10'000);
        writer.kill();
        writer.waitForFinished();
        QVERIFY(QFile::exists(b.copy() + "-journal"));
        const CliRun status = CliRun::in(b.dir.path(), {"--json", "sync", "status"});
        QCOMPARE(status.exitCode, 0);
        const QJsonObject json = QJsonDocument::fromJson(status.out.toUtf8()).object();
        QCOMPARE(json.value("logbook").toString(), logbook);
        QVERIFY(!json.value("device").toString().isEmpty());
        QCOMPARE(CliRun::in(b.dir.path(), {"sync", "now"}).exitCode, 0);
        QCOMPARE(b.field(QStringLiteral("X1X"), QStringLiteral("note")), QStringLiteral("n0"));
    }

    void serverRestoredFromABackup()
    {
        const auto list = devices(2);
        QCOMPARE(int(list.size()), 2);
        Device &a = *list[0];
        Device &b = *list[1];
        QVERIFY(a.exec(insertQso(QStringLiteral("OLD1"))));
        QVERIFY(a.exec(insertQso(QStringLiteral("OLD2"))));
        QVERIFY(syncAll(list));
        QVERIFY2(m_server.dump(QStringLiteral("backup")), qPrintable(m_server.error()));
        // After the backup: a new QSO from each device, an edit and a deletion.
        QVERIFY(a.exec(insertQso(QStringLiteral("NEWA"))));
        QVERIFY(b.exec(insertQso(QStringLiteral("NEWB"))));
        QVERIFY(a.exec(QStringLiteral("update logbook set note = 'edited' where callsign = "
                                      "'OLD1'")));
        QVERIFY(b.exec(QStringLiteral("delete from logbook where callsign = 'OLD2'")));
        QVERIFY(syncAll(list));
        QVERIFY2(m_server.restore(QStringLiteral("backup")), qPrintable(m_server.error()));

        // Each device notices and sends what the server lost; then all agree again.
        const SyncReport first = a.round();
        QVERIFY2(first.ok, qPrintable(first.error));
        QVERIFY(first.notice.contains(QLatin1String("lost changes")));
        {
            // The synced-log page tells the operator too.
            AppDelegate app(DataFolder::at(a.dir.path()));
            SyncService service(app.log(), app.clock(), [] { return QString(); });
            SyncScreen screen(app.log(), app.defaults(), app.folder(), service, {});
            QVERIFY(screen.joined());
            QVERIFY(screen.notice().contains(QLatin1String("lost changes")));
        }
        QVERIFY(syncAll(list));
        for (const auto &device : list) {
            QCOMPARE(device->contents(), a.contents());
            QCOMPARE(device->field(QStringLiteral("NEWA"), QStringLiteral("note")), "n0");
            QCOMPARE(device->field(QStringLiteral("NEWB"), QStringLiteral("note")), "n0");
            QCOMPARE(device->field(QStringLiteral("OLD1"), QStringLiteral("note")), "edited");
            QCOMPARE(device->field(QStringLiteral("OLD2"), QStringLiteral("note")), "<gone>");
        }
        // A device that joins now gets all of it.
        Device c;
        QVERIFY(c.join(m_server.url(), LocalReplica(a.copy()).state("logbook")));
        QVERIFY(c.round().ok);
        QCOMPARE(c.contents(), a.contents());
    }

    void randomOfflineEditsConverge_data()
    {
        QTest::addColumn<quint32>("seed");
        // Twenty seeds in every run; BRINDLEWICK_SYNC_SEEDS=N tries more by hand.
        const quint32 seeds = qEnvironmentVariableIsSet("BRINDLEWICK_SYNC_SEEDS")
                                  ? quint32(qEnvironmentVariableIntValue("BRINDLEWICK_SYNC_SEEDS"))
                                  : 20;
        for (quint32 seed = 1; seed <= seeds; ++seed)
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }

    void randomOfflineEditsConverge()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        const auto list = devices(3);
        QCOMPARE(int(list.size()), 3);
        const QStringList columns{"note", "qth", "name", "rsttx", "lotwqsl"};
        const QStringList kept{"sig_info", "my_city", "app_test_x"};
        // What every device must hold in the end: per QSO (by its call) the latest value of each
        // column and kept ADIF field ("adif:name", "<none>" when removed or never set), and the
        // calls deleted anywhere.
        std::map<QString, QMap<QString, QString>> latest;
        QSet<QString> deleted;
        int made = 0;
        const auto add = [&](Device &device) {
            const QString call = QStringLiteral("R%1N%2").arg(seed).arg(++made);
            QVERIFY(device.exec(insertQso(call)));
            latest[call] = {{"note", "n0"},
                            {"qth", "q0"},
                            {"name", "m0"},
                            {"rsttx", "<null>"},
                            {"lotwqsl", "<null>"}};
            for (const QString &name : kept)
                latest[call]["adif:" + name] = "<none>";
        };
        for (int i = 0; i < 4; ++i)
            add(*list[0]);
        QVERIFY(syncAll(list));

        for (int step = 0; step < 30; ++step) {
            Device &device = *list[random.bounded(3)];
            const QStringList here = device.rows(QStringLiteral("select callsign from logbook"));
            const int roll = int(random.bounded(100));
            if (roll < 14 && !here.isEmpty()) {
                // A kept field set, or removed where this device has it (removing one it does
                // not have changes nothing here).
                const QString call = here.at(random.bounded(int(here.size())));
                const QString name = kept.at(random.bounded(int(kept.size())));
                const bool remove =
                    device.extra(call, name) != QLatin1String("<none>") && random.bounded(3) == 0;
                const QString value = remove ? QString() : QStringLiteral("s%1").arg(step);
                QVERIFY(device.setExtra(call, name, value));
                latest[call]["adif:" + name] = remove ? QStringLiteral("<none>") : value;
            } else if (roll < 55 && !here.isEmpty()) {
                const QString call = here.at(random.bounded(int(here.size())));
                const QString column = columns.at(random.bounded(int(columns.size())));
                const QString value = QStringLiteral("s%1").arg(step);
                QVERIFY(device.exec(QStringLiteral("update logbook set %1 = '%2' where "
                                                   "callsign = '%3'")
                                        .arg(column, value, call)));
                latest[call][column] = value;
            } else if (roll < 70) {
                add(device);
            } else if (roll < 78 && !here.isEmpty()) {
                const QString call = here.at(random.bounded(int(here.size())));
                QVERIFY(device.exec(
                    QStringLiteral("delete from logbook where callsign = '%1'").arg(call)));
                deleted.insert(call);
            } else {
                const SyncReport report = device.round();
                QVERIFY2(report.ok, qPrintable(report.error));
            }
        }
        // Rounds in random order, with no new edits, until every device has had two.
        QList<int> order{0, 1, 2, 0, 1, 2};
        std::shuffle(order.begin(), order.end(), random);
        for (const int index : order + QList<int>{0, 1, 2})
            QVERIFY(list[index]->round().ok);

        for (const auto &device : list) {
            QCOMPARE(device->contents(), list[0]->contents());
            QCOMPARE(LocalReplica(device->copy()).pendingChanges(), 0);
            for (const auto &[call, values] : latest) {
                for (auto it = values.cbegin(); it != values.cend(); ++it) {
                    const QString expected =
                        deleted.contains(call) ? QStringLiteral("<gone>") : it.value();
                    const QString actual = it.key().startsWith(QLatin1String("adif:"))
                                               ? device->extra(call, it.key().mid(5))
                                               : device->field(call, it.key());
                    QCOMPARE(device->name + ' ' + call + ' ' + it.key() + '=' + actual,
                             device->name + ' ' + call + ' ' + it.key() + '=' + expected);
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestSyncScenarios)
#include "tst_syncscenarios.moc"
