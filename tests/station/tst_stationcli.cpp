// brindlewick-cli's station and activation commands, run as a user would run them.

#include "../cli/CliRun.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

const auto cli = &CliRun::in;

} // namespace

class TestStationCli : public QObject {
    Q_OBJECT
private slots:
    void badInputIsRefusedWithTheField_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("4-character locator")
            << QStringList{"station", "add", "Home", "--locator", "JO62"} << 1 << "Locator:";
        QTest::newRow("park without number")
            << QStringList{"station", "add", "Park", "--pota", "US-"} << 1 << "POTA:";
        QTest::newRow("unknown option")
            << QStringList{"station", "add", "Park", "--park", "US-0001"} << 1 << "--park";
        QTest::newRow("select a profile that is not there")
            << QStringList{"station", "select", "Nowhere"} << 2 << "No station profile";
        QTest::newRow("activation of an IOTA reference")
            << QStringList{"activation", "--ref", "EU-005"} << 1 << "EU-005";
        QTest::newRow("activation without any reference")
            << QStringList{"activation"} << 1 << "No reference";
        QTest::newRow("export without -o")
            << QStringList{"activation", "export", "--ref", "US-0001"} << 1 << "Usage:";
        QTest::newRow("a date that is none")
            << QStringList{"activation", "--ref", "US-0001", "--date", "2026-02-30"} << 1
            << "--date";
    }

    void badInputIsRefusedWithTheField()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const CliRun run = cli(dir.path(), arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("StationProfiles.json"))));
    }

    void profilesAreAddedSelectedAndShown()
    {
        QTemporaryDir dir;
        QCOMPARE(
            cli(dir.path(), {"station", "add", "Home", "--call", "n0call", "--locator", "EN10PR"})
                .exitCode,
            0);
        QCOMPARE(cli(dir.path(), {"station", "add", "Park", "--call", "N0CALL/P", "--pota",
                                  "US-0001", "--cq", "4", "--power", "5"})
                     .exitCode,
                 0);
        QCOMPARE(cli(dir.path(), {"station", "select", "park"}).out,
                 QStringLiteral("selected: Park"));
        const CliRun shown = cli(dir.path(), {"station", "show", "--json"});
        const QJsonObject profile = QJsonDocument::fromJson(shown.out.toUtf8()).object();
        QCOMPARE(profile.value("name").toString(), QStringLiteral("Park"));
        QCOMPARE(profile.value("pota").toString(), QStringLiteral("US-0001"));
        QCOMPARE(profile.value("active").toBool(), true);
        QCOMPARE(cli(dir.path(), {"prefs", "get", "mycall"}).out,
                 QStringLiteral("mycall: N0CALL/P"));
        QCOMPARE(cli(dir.path(), {"station", "list"}).out,
                 QStringLiteral("Home  N0CALL EN10PR\n* Park  N0CALL/P US-0001"));
        QCOMPARE(cli(dir.path(), {"station", "remove", "Home"}).exitCode, 0);
        const CliRun listed = cli(dir.path(), {"--json", "station", "list"});
        QCOMPARE(QJsonDocument::fromJson(listed.out.toUtf8()).array().size(), 1);
    }

    void anActivationIsCountedAndExported()
    {
        QTemporaryDir dir;
        QCOMPARE(
            cli(dir.path(), {"station", "add", "Summit", "--call", "G4ABC/P", "--sota", "G/LD-003"})
                .exitCode,
            0);
        QCOMPARE(cli(dir.path(), {"station", "select", "Summit"}).exitCode, 0);
        for (const char *call : {"M0XYZ", "G3AAA", "M0XYZ"})
            QCOMPARE(cli(dir.path(), {"qso", "add", "--call", call, "--freq", "7032", "--mode",
                                      "CW", "--time", "2026-05-01 10:00:00"})
                         .exitCode,
                     0);
        const CliRun shown = cli(dir.path(), {"activation", "--date", "2026-05-01", "--json"});
        const QJsonObject activation = QJsonDocument::fromJson(shown.out.toUtf8()).object();
        QCOMPARE(activation.value("reference").toString(), QStringLiteral("G/LD-003"));
        QCOMPARE(activation.value("qsos").toArray().size(), 3);
        QCOMPARE(activation.value("counted").toInt(), 2);
        QCOMPARE(activation.value("target").toInt(), 4);
        QCOMPARE(activation.value("valid").toBool(), false);

        QTemporaryDir out;
        const CliRun exported =
            cli(dir.path(), {"activation", "export", "--date", "20260501", "-o", out.path()});
        QCOMPARE(exported.exitCode, 0);
        QFile file(out.filePath(QStringLiteral("G4ABC_P@G_LD-003-20260501.adi")));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(exported.out + exported.err));
        const QString text = QString::fromUtf8(file.readAll());
        QCOMPARE(text.count(QStringLiteral("<my_sota_ref:8>G/LD-003"), Qt::CaseInsensitive), 3);
        QCOMPARE(cli(dir.path(), {"activation", "export", "--date", "2026-05-02", "-o", out.path()})
                     .exitCode,
                 2);
    }
};

QTEST_GUILESS_MAIN(TestStationCli)
#include "tst_stationcli.moc"
