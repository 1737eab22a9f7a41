// Two devices and a real PostgreSQL server: offline work on both copies, then sync rounds, and
// the copies end identical; a server that goes away mid-push loses nothing; a connected device
// sees another's QSO without asking.
#include "PgTestServer.h"

#include "../cli/CliRun.h"
#include "../model/SqlRows.h"
#include "app/DataFolder.h"
#include "db/Database.h"
#include "model/DxInfo.h"
#include "model/LogModel.h"
#include "model/LogbookChoice.h"
#include "model/LogbookFiles.h"
#include "root/AppDelegate.h"
#include "sync/LocalReplica.h"
#include "sync/SyncService.h"
#include "sync/SyncSession.h"
#include "sync/SyncSetup.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimeZone>

#include <memory>

namespace {

QsoClass makeQso(const QString &call, const QString &when, int adif = 230)
{
    QsoClass q;
    q.callsign = call;
    q.band = QStringLiteral("20m");
    q.mode = QStringLiteral("CW");
    q.qrg = 14025.0;
    q.dateTime = QDateTime::fromString(when, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    q.dateTime.setTimeZone(QTimeZone::utc());
    q.adif = adif;
    q.dxcc = QStringLiteral("Fed. Rep. of Germany");
    return q;
}

/** One device: its own data folder, application object and copy of the synced log. */
struct Device {
    QTemporaryDir dir;
    std::unique_ptr<AppDelegate> app;

    Device() { app = std::make_unique<AppDelegate>(DataFolder::at(dir.path())); }
    LogModel &log() { return app->log(); }
    bool save(QsoClass qso) { return bool(log().saveNewQSOtoLog(qso)); }
    QString copy() const { return app->folder().filePath(logbookfiles::kSyncedCopy); }

    bool join(const QString &url, const QString &logbook = QStringLiteral("Club log"))
    {
        QString error;
        if (!syncsetup::join(app->folder(), url, logbook, &error)) {
            qWarning() << "join:" << error;
            return false;
        }
        app->log().selectLogbook(QString::fromLatin1(logbookfiles::kSyncedLog));
        return log().isSyncLog();
    }

    /** One blocking round, as `brindlewick-cli sync now` runs it. */
    logsync::SyncReport round()
    {
        logsync::SyncSession session(copy(), {},
                                     [] { return QDateTime::currentMSecsSinceEpoch(); });
        const logsync::SyncReport report = session.run();
        log().refreshDxInfo(report.entities);
        return report;
    }

    QsoClass qso(const QString &call)
    {
        const QList<QsoClass> found = log().getAllQSOsWith(call);
        return found.isEmpty() ? QsoClass() : found.constFirst();
    }

    /** Every QSO column but the local id, by uuid, with the kept ADIF fields; and the settings
     *  that travel. */
    QStringList contents() const
    {
        db::Database database;
        database.open(copy(), db::Database::Mode::ReadOnly);
        QStringList lines;
        for (const QString &sql :
             {QStringLiteral("select s.uuid, l.* from logbook l join sync_qso s on s.id = l.id "
                             "order by s.uuid"),
              QStringLiteral("select s.uuid, f.name, f.value, f.type from qso_fields f join "
                             "sync_qso s on s.id = f.qso order by s.uuid, f.name"),
              QStringLiteral("select entry, value from prefs order by entry")}) {
            db::Statement select = database.prepare(sql);
            while (select.step()) {
                QStringList cells;
                for (int c = 0; c < select.columnCount(); ++c)
                    if (sql.contains(QLatin1String("l.*")) && c == 1)
                        continue; // the id is each copy's own
                    else
                        cells << (select.isNull(c) ? QStringLiteral("<null>") : select.text(c));
                if (sql.contains(QLatin1String("from prefs")) &&
                    logsync::LocalReplica::isLocalPref(cells.first()))
                    continue;
                lines << cells.join(QLatin1Char('|'));
            }
        }
        return lines;
    }
};

} // namespace

class TestSyncFlow : public QObject {
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

    void offlineWorkOnTwoDevicesConverges()
    {
        Device a, b;
        QVERIFY(a.join(m_url, "Converge"));
        QVERIFY(b.join(m_url, "Converge"));
        QsoClass oneill = makeQso("EI5XYZ", "2026-12-01 10:00:00", 245);
        oneill.name = QStringLiteral("O'Neill, Jr. 100% \"Paddy\"");
        QVERIFY(oneill.extraFields.set(u"MY_GRIDSQUARE", QStringLiteral("JO31")));
        QVERIFY(oneill.extraFields.set(u"SIG_INFO", QStringLiteral("DL-0001: Eifel"), "S"));
        QVERIFY(a.save(oneill));
        QVERIFY(a.save(makeQso("DL1ABC", "2026-12-01 11:00:00")));
        QVERIFY(a.round().ok);
        QVERIFY(b.round().ok);
        QCOMPARE(b.qso("EI5XYZ").name, oneill.name);
        QCOMPARE(b.qso("EI5XYZ").extraFields, oneill.extraFields);

        // Offline on both: different fields of one QSO, a delete racing an edit, a raw update
        // by another program, a setting, new QSOs (one of a deleted entity).
        QVERIFY(a.log().updateLogbookField("note", a.qso("EI5XYZ"), "Worked portable"));
        QVERIFY(b.log().updateLogbookField("lotwqsl", b.qso("EI5XYZ"), "X"));
        // Kept ADIF fields of that QSO edited in the editor of each: one changed and one added
        // on A, one removed on B.
        const QsoClass storedA = a.qso("EI5XYZ");
        QsoClass editedA = storedA;
        editedA.extraFields.set(u"sig_info", QStringLiteral("DL-0002"));
        editedA.extraFields.set(u"my_city", QStringLiteral("Cork"));
        QVERIFY(a.log().updateQSO(storedA, editedA));
        const QsoClass storedB = b.qso("EI5XYZ");
        QsoClass editedB = storedB;
        editedB.extraFields.remove(u"my_gridsquare");
        QVERIFY(b.log().updateQSO(storedB, editedB));
        QVERIFY(a.log().deleteQSO(a.qso("DL1ABC")));
        QVERIFY(b.log().updateLogbookField("rstrx", b.qso("DL1ABC"), "579"));
        {
            db::Database raw;
            QCOMPARE(raw.open(a.copy()), 0);
            QVERIFY(raw.exec("update logbook set clublog='X'"));
        }
        QVERIFY(a.log().updatePrefs("mycall", "EI9ZZZ"));
        QVERIFY(b.save(makeQso("Y22AA", "1989-05-01 09:00:00", -229)));

        QVERIFY(a.round().ok);
        const logsync::SyncReport toB = b.round();
        QVERIFY2(toB.ok, qPrintable(toB.error));
        QVERIFY(a.round().ok);

        QCOMPARE(a.contents(), b.contents());
        QCOMPARE(logsync::LocalReplica(a.copy()).pendingChanges(), 0);
        QCOMPARE(logsync::LocalReplica(b.copy()).pendingChanges(), 0);
        const QsoClass merged = b.qso("EI5XYZ");
        QCOMPARE(merged.note, QStringLiteral("Worked portable"));
        QCOMPARE(merged.lotwqsl, QStringLiteral("X"));
        QCOMPARE(merged.clublog, QStringLiteral("X"));
        QCOMPARE(merged.extraFields.value(u"sig_info"), QStringLiteral("DL-0002"));
        QCOMPARE(merged.extraFields.value(u"my_city"), QStringLiteral("Cork"));
        QVERIFY(!merged.extraFields.contains(u"my_gridsquare"));
        QCOMPARE(a.qso("EI5XYZ").extraFields, merged.extraFields);
        QVERIFY(b.log().getAllQSOsWith("DL1ABC").isEmpty()); // the delete won
        QCOMPARE(b.log().getMyCallsign(), QStringLiteral("EI9ZZZ"));
        // Derived data follows the pulled QSOs, and a deleted entity's QSO is found.
        QVERIFY(toB.entities.contains(245));
        QVERIFY(b.log().getDxInfoString(245) != QLatin1String(dxinfo::kEmpty));
        QCOMPARE(a.log().getQSOsFromDXCC(229).size(), 1);
        QVERIFY(a.log().dxWkd(229) || a.log().getDxInfoString(229).contains('C'));
        // Nothing comes back a second time.
        QCOMPARE(a.round().pulled, 0);
    }

    void serverGoingAwayMidPushLosesNothing()
    {
        Device a, b;
        QVERIFY(a.join(m_url, "Outage"));
        QVERIFY(b.join(m_url, "Outage"));
        QList<QsoClass> qsos;
        for (int i = 0; i < 5000; ++i)
            qsos << makeQso(QStringLiteral("DL%1AA").arg(i), "2026-12-02 10:00:00");
        QVERIFY(a.log().saveAllQSOsToLog(qsos, {}));
        const int waiting = logsync::LocalReplica(a.copy()).pendingChanges();
        QVERIFY(waiting >= 5000);

        // The server stops once the first page is in.
        std::unique_ptr<QThread> pusher(QThread::create([&a] { a.round(); }));
        pusher->start();
        QElapsedTimer waited;
        waited.start();
        while (logsync::LocalReplica(a.copy()).pendingChanges() == waiting &&
               waited.elapsed() < 30000 && !pusher->isFinished())
            QThread::msleep(2);
        m_server.stop();
        QVERIFY(pusher->wait(60000));
        QVERIFY(logsync::LocalReplica(a.copy()).pendingChanges() > 0 || waiting == 0);
        QVERIFY(!a.round().ok);

        QVERIFY2(m_server.start(), qPrintable(m_server.error()));
        QVERIFY(a.round().ok);
        QVERIFY(b.round().ok);
        QCOMPARE(logsync::LocalReplica(a.copy()).pendingChanges(), 0);
        QCOMPARE(b.log().getlastQSOs(4).size(), 5000);
        QCOMPARE(a.contents(), b.contents());
    }

    void copyingALogbookFileIntoTheSyncedLog()
    {
        Device a, b;
        QsoClass waiting = makeQso("EI5XYZ", "2026-11-01 10:00:00", 245);
        waiting.name = QStringLiteral("O'Neill, Jr. 100%");
        QsoClass uploaded = makeQso("DL1ABC", "2026-11-02 10:00:00");
        uploaded.clublog = QStringLiteral("X");
        // Logged out of time order: the copy numbers its QSOs by time.
        QVERIFY(a.log().saveAllQSOsToLog({uploaded, waiting}, {}));
        QVERIFY(a.log().updatePrefs("mycall", "EI9ZZZ"));
        QVERIFY(a.log().updatePrefs("lotwpassword", "c2VjcmV0"));
        const QString file = a.log().fullLogDatabasePath();
        const QString keptFields =
            QStringLiteral("select l.callsign, f.name, f.value, f.type from qso_fields f join "
                           "logbook l on l.id = f.qso order by l.callsign, f.name");
        {
            db::Database raw;
            QCOMPARE(raw.open(file), 0);
            QVERIFY(raw.exec("insert into qso_fields (qso, name, value, type) select id, "
                             "'my_gridsquare', 'IO63', '' from logbook where callsign = 'EI5XYZ'; "
                             "insert into qso_fields (qso, name, value, type) select id, "
                             "'sig_info', 'DL-0001', 'S' from logbook where callsign = 'DL1ABC'"));
        }
        const QStringList expectedFields{"DL1ABC|sig_info|DL-0001|S", "EI5XYZ|my_gridsquare|IO63|"};
        QCOMPARE(sqlRows(file, keptFields), expectedFields);

        QVERIFY(a.join(m_url, "Copied"));
        QString error;
        const formats::DateStyle style = a.app->defaults().logDateFormaterStyle();
        const std::optional<int> copied = syncsetup::copyLogbook(file, a.copy(), style, &error);
        QVERIFY2(copied, qPrintable(error));
        QCOMPARE(*copied, 2);
        QVERIFY(!syncsetup::copyLogbook(file, a.copy(), style, &error));
        QVERIFY2(error.contains("already holds QSOs"), qPrintable(error));
        QCOMPARE(a.log().getlastQSOs(4).size(), 2);

        QVERIFY(a.round().ok);
        QVERIFY(b.join(m_url, "Copied"));
        QVERIFY(b.round().ok);
        QCOMPARE(b.contents(), a.contents());
        QCOMPARE(b.qso("EI5XYZ").name, waiting.name);
        QCOMPARE(b.qso("EI5XYZ").clublog, QStringLiteral("W"));
        QCOMPARE(b.qso("DL1ABC").clublog, QStringLiteral("X"));
        QCOMPARE(b.log().getMyCallsign(), QStringLiteral("EI9ZZZ"));
        QVERIFY(b.log().readPrefsForEntry("lotwpassword").isEmpty());
        QCOMPARE(sqlRows(b.copy(), keptFields), expectedFields);
        for (Device *device : {&a, &b})
            QVERIFY(device->log().getDxInfoString(245) != QLatin1String(dxinfo::kEmpty));
    }

    void emptyingTheSyncedLogEmptiesEveryCopy()
    {
        Device a, b;
        QVERIFY(a.join(m_url, "Emptied"));
        QVERIFY(b.join(m_url, "Emptied"));
        QsoClass sixty = makeQso("DL2XX", "2026-12-04 09:00:00");
        sixty.band = QStringLiteral("60m");
        QVERIFY(a.save(sixty));
        QVERIFY(a.save(makeQso("DL3XX", "2026-12-04 09:10:00")));
        QVERIFY(a.save(makeQso("Y22AA", "1989-05-01 09:00:00", -229)));
        QVERIFY(a.log().updatePrefs("mycall", "DL9AA"));
        QVERIFY(a.round().ok);
        QVERIFY(b.round().ok);
        QCOMPARE(b.log().getlastQSOs(4).size(), 3);

        QVERIFY(b.log().getDxInfoString(230) != QLatin1String(dxinfo::kEmpty));
        QVERIFY(b.log().deleteAllEntries());
        QCOMPARE(b.log().getDxInfoString(230), QLatin1String(dxinfo::kEmpty));
        QVERIFY(b.round().ok);
        QVERIFY(a.round().ok);
        QVERIFY(a.log().getlastQSOs(4).isEmpty());
        QCOMPARE(a.log().getDxInfoString(230), QLatin1String(dxinfo::kEmpty));
        QCOMPARE(a.log().getMyCallsign(), QStringLiteral("DL9AA"));
        QCOMPARE(a.contents(), b.contents());
    }

    void connectedDeviceSeesASavedQsoWithoutAsking()
    {
        Device a, b;
        QVERIFY(a.join(m_url, "Live"));
        QVERIFY(b.join(m_url, "Live"));
        logsync::SyncService serviceA(a.log(), a.app->clock(), {});
        logsync::SyncService serviceB(b.log(), b.app->clock(), {});
        QTRY_COMPARE_WITH_TIMEOUT(int(serviceB.status().state),
                                  int(logsync::SyncStatus::State::Synced), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(int(serviceA.status().state),
                                  int(logsync::SyncStatus::State::Synced), 10000);

        QElapsedTimer travel;
        travel.start();
        QVERIFY(a.save(makeQso("JA1XYZ", "2026-12-03 08:00:00", 339)));
        QTRY_VERIFY_WITH_TIMEOUT(!b.log().getAllQSOsWith("JA1XYZ").isEmpty(), 10000);
        qInfo("A saved QSO reached the other device in %lld ms", travel.elapsed());
        // The DX info follows once the pulled changes are reported to the window's thread.
        QTRY_VERIFY_WITH_TIMEOUT(b.log().getDxInfoString(339) != QLatin1String(dxinfo::kEmpty),
                                 5000);
    }

    void cliJoinsSyncsAndReports()
    {
        Device a;
        QVERIFY(a.join(m_url, "Cli"));
        QVERIFY(a.save(makeQso("VK2ABC", "2026-12-04 07:00:00", 150)));
        QVERIFY(a.round().ok);

        QTemporaryDir dir;
        const CliRun join =
            CliRun::in(dir.path(), {"sync", "join", "--server", m_url, "--logbook", "Cli"});
        QVERIFY2(join.exitCode == 0, qPrintable(join.err));
        const CliRun list = CliRun::in(dir.path(), {"--json", "qso", "list"});
        QVERIFY2(list.out.contains("VK2ABC"), qPrintable(list.out + list.err));
        const CliRun status = CliRun::in(dir.path(), {"sync", "status", "--json"});
        const QJsonObject json = QJsonDocument::fromJson(status.out.toUtf8()).object();
        QCOMPARE(json.value("logbook").toString(), QStringLiteral("Cli"));
        QCOMPARE(json.value("pending").toInt(), 0);
        QVERIFY(json.value("current").toBool());
        QVERIFY(!json.value("server").toString().contains(':' + QStringLiteral("@")));

        const CliRun unjoined = CliRun::in(QTemporaryDir().path(), {"sync", "now"});
        QCOMPARE(unjoined.exitCode, 2);
    }
};

QTEST_MAIN(TestSyncFlow)
#include "tst_syncflow.moc"
