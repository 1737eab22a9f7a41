// brindlewick-cli lotw/eqsl with saved files: what it prints and how it ends.

#include "../cli/CliRun.h"
#include "QslFixture.h"

#include <QJsonDocument>
#include <QJsonObject>

class TestQslCli : public QObject {
    Q_OBJECT

    QslFixture f;

private slots:
    void initTestCase() { QslFixture::initTestCase(); }
    void init() { f.setUp(); }
    void cleanup() { f.tearDown(); }

    void savedFiles_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("results"); // "call result" per printed line
        QTest::newRow("lotw report")
            << QStringList{"lotw", "download", "--file"}
            << QslFixture::lotwReport({"DL1AA|2025-06-15 12:00:00", "K1ABC|2025-06-15 12:00:00"})
            << 0 << QStringList{"DL1AA confirmed", "K1ABC not in log"};
        QTest::newRow("lotw: a page is no report")
            << QStringList{"lotw", "download", "--file"}
            << QByteArray("<html>Username/password incorrect</html>") << 2 << QStringList();
        QTest::newRow("eqsl inbox")
            << QStringList{"eqsl", "download", "--file"}
            << QByteArray("x<EOH><CALL:5>DL1AA<QSO_DATE:8>20250615<TIME_ON:4>1230<BAND:3>20M"
                          "<MODE:2>CW<EOR>")
            << 0 << QStringList{"DL1AA received"};
        QTest::newRow("eqsl: a cut-off inbox")
            << QStringList{"eqsl", "download", "--file"} << QByteArray("x<EOH><CALL:5>DL1AA") << 2
            << QStringList();
    }

    void savedFiles()
    {
        QFETCH(QStringList, command);
        QFETCH(QByteArray, file);
        QFETCH(int, exitCode);
        QFETCH(QStringList, results);
        f.storeEntries({"DL1AA|2025-06-15 12:00:00"});
        const QString path = f.path("saved.adi");
        QVERIFY(QslFixture::write(path, file));
        f.app.reset(); // the CLI is the only one at the logbook now
        const CliRun run =
            CliRun::in(f.dir->path(), QStringList{"--json"} + command + QStringList{path});
        QCOMPARE(run.exitCode, exitCode);
        QStringList printed;
        for (const QString &line : run.out.split('\n', Qt::SkipEmptyParts)) {
            const QJsonObject o = QJsonDocument::fromJson(line.toUtf8()).object();
            printed << o.value("call").toString() + ' ' + o.value("result").toString();
        }
        QCOMPARE(printed, results);
        if (exitCode != 0)
            QVERIFY(!run.err.isEmpty());
        // A saved inbox is of unknown age: the next download still asks from the last one.
        f.app = std::make_unique<AppDelegate>(DataFolder::at(f.dir->path()));
        QCOMPARE(f.app->log().readPrefsForEntry("eqsllastqsl"), QString());
    }

    void uploadDryRunListsWaitingQsos()
    {
        f.storeEntries(
            {"DL1AA|2025-06-15 12:00:00|20m|CW|230||W", "DL2BB|2025-06-15 12:10:00|20m|CW|230||S"});
        f.app.reset();
        const CliRun run = CliRun::in(f.dir->path(), {"eqsl", "upload", "--dry-run"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains("<call:5>DL1AA") && !run.out.contains("DL2BB"),
                 qPrintable(run.out));
        QVERIFY(run.err.contains("1 QSLs not uploaded yet"));
    }
};

QTEST_GUILESS_MAIN(TestQslCli)
#include "tst_qslcli.moc"
