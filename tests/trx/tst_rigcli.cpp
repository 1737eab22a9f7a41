// "brindlewick-cli rig" as scripts see it: every mistake in the words is a usage error (exit
// code 1) that says what is wrong, and each make's radio, simulated behind a network serial
// interface on loopback, is read and tuned.

#include "../cli/CliRun.h"
#include "HamlibDummyRig.h"
#include "SimulatorServer.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestRigCli : public QObject {
    Q_OBJECT

private slots:
    void mistakesAreUsageErrors_data()
    {
        QTest::addColumn<QVariantMap>("stored");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QVariantMap network{{QStringLiteral("Pigtail_Address"), QStringLiteral("10.0.0.9")},
                                  {QStringLiteral("Pigtail_Port"), 50000}};
        const auto words = [](const char *text) {
            return QString::fromLatin1(text).split(QLatin1Char(' '));
        };
        QTest::newRow("no action") << network << QStringList{QStringLiteral("rig")} << "Usage: rig";
        QTest::newRow("unknown action") << network << words("rig listen") << "Usage: rig";
        QTest::newRow("tune without a frequency") << network << words("rig tune") << "Usage: rig";
        QTest::newRow("frequency not a number")
            << network << words("rig tune 14.074MHz") << "Not a frequency in kHz: 14.074MHz";
        QTest::newRow("0 kHz") << network << words("rig tune 0") << "Not a frequency in kHz: 0";
        QTest::newRow("negative kHz is no option either")
            << network << words("rig tune -7000") << "Not a frequency in kHz: -7000";
        QTest::newRow("not-a-number kHz")
            << network << words("rig tune nan") << "Not a frequency in kHz: nan";
        QTest::newRow("unknown mode class")
            << network << words("rig tune 7074 --mode am") << "Unknown mode am";
        QTest::newRow("mode without tuning")
            << network << words("rig status --mode cw") << "--mode goes with rig tune";
        QTest::newRow("count of nothing")
            << network << words("rig watch --count 0") << "--count takes";
        QTest::newRow("count without watching")
            << network << words("rig status --count 2") << "--count takes";
        QTest::newRow("no time to wait")
            << network << words("rig status --timeout 0") << "--timeout takes";
        QTest::newRow("unknown option")
            << network << words("rig status --frob") << "Unknown option --frob";
        QTest::newRow("option without its value")
            << network << words("rig status --link") << "Option --link needs a value";
        QTest::newRow("unknown make")
            << network << words("rig status --make collins") << "Unknown make collins";
        QTest::newRow("unknown link kind")
            << network << words("rig status --link bt:radio") << "Unknown link bt:radio";
        QTest::newRow("nothing stored, nothing given")
            << QVariantMap() << words("rig status") << "No link chosen";
        QTest::newRow("stored serial link without a port")
            << QVariantMap{{QStringLiteral("TrxLink"), QStringLiteral("serial")}}
            << words("rig status") << "No serial port chosen";
        QTest::newRow("stored Icom link, never paired")
            << QVariantMap{{QStringLiteral("TrxLink"), QStringLiteral("icom-ble")}}
            << words("rig status") << "No Bluetooth device chosen";
        QTest::newRow("Bluetooth address cut short")
            << network << words("rig status --link ble:C8:2B:96") << "Unknown link ble:C8:2B:96";
        QTest::newRow("no time to scan")
            << network << words("rig scan-ble --seconds 0") << "--seconds takes";
        QTest::newRow("scan with a stray word")
            << network << words("rig scan-ble now") << "Usage: rig";
    }

    void mistakesAreUsageErrors()
    {
        QFETCH(QVariantMap, stored);
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir dir;
        {
            QSettings settings(dir.filePath(QStringLiteral("Brindlewick.ini")),
                               QSettings::IniFormat);
            for (auto it = stored.begin(); it != stored.end(); ++it)
                settings.setValue(it.key(), it.value());
        }
        const CliRun run = CliRun::in(dir.path(), arguments);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(run.out, QString());
    }

    void radioOverTheNetwork_data()
    {
        QTest::addColumn<QString>("make");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("tuned");
        QTest::newRow("Icom CI-V") << "icom"
                                   << "IC-705"
                                   << "14,074.000 kHz  USB  20m"
                                   << "7,030.000 kHz  CW  40m";
        QTest::newRow("Elecraft") << "elecraft"
                                  << "KX3"
                                  << "14,074.000 kHz  USB  20m"
                                  << "7,030.000 kHz  CW  40m";
        QTest::newRow("Kenwood-style") << "kenwood"
                                       << "Generic"
                                       << "14,074.000 kHz  USB  20m"
                                       << "7,030.000 kHz  CW  40m";
        QTest::newRow("FT-817 five-byte commands") << "yaesu"
                                                   << "FT-817"
                                                   << "14,074.00 kHz  USB  20m"
                                                   << "7,030.00 kHz  CW  40m";
        QTest::newRow("FTDX-1200") << "yaesu"
                                   << "FTDX-1200"
                                   << "14,074.000 kHz  USB  20m"
                                   << "7,030.000 kHz  CW  40m";
    }

    void radioOverTheNetwork()
    {
        QFETCH(QString, make);
        QFETCH(QString, model);
        QFETCH(QString, status);
        QFETCH(QString, tuned);
        SimulatorServer radio(RadioSimulator::familyOf(model));
        const QStringList link{
            QStringLiteral("--link"),  QStringLiteral("tcp:127.0.0.1:%1").arg(radio.port()),
            QStringLiteral("--make"),  make,
            QStringLiteral("--model"), model};
        QTemporaryDir dir;

        CliRun run = CliRun::in(
            dir.path(), QStringList{QStringLiteral("rig"), QStringLiteral("status")} + link);
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(run.out, status);

        run = CliRun::in(dir.path(), QStringList{QStringLiteral("rig"), QStringLiteral("tune"),
                                                 QStringLiteral("7030"), QStringLiteral("--mode"),
                                                 QStringLiteral("cw")} +
                                         link);
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(radio.kHz(), 7030.0);
        QCOMPARE(run.out, tuned);
    }

    /** Hamlib's dummy radio behind a real rigctld: each tune prints the mode it set, not the one
     *  read before, and the commands are all sent before the run ends. */
    void tunesThroughRigctld()
    {
        if (!HamlibDummyRig::installed())
            QSKIP("Hamlib's rigctld is not installed (package libhamlib-utils)");
        HamlibDummyRig rig;
        QVERIFY(rig.start());
        const quint16 port = rig.port();
        QTemporaryDir dir;
        const QStringList link{"--link", QStringLiteral("rigctld:127.0.0.1:%1").arg(port)};
        // rigctld needs a moment before it listens.
        CliRun run;
        for (int attempt = 0; attempt < 50; ++attempt) {
            run = CliRun::in(dir.path(), QStringList{"rig", "status"} + link);
            if (run.exitCode == 0)
                break;
            QTest::qWait(100);
        }
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));

        const QList<QStringList> tunes{{"14074", "digital"}, {"7030", "cw"}, {"14250", "phone"},
                                       {"7074", "digital"},  {"3573", "cw"}, {"7150", "phone"}};
        const QStringList printed{"14,074.000 kHz  PKTUSB  20m", "7,030.000 kHz  CW  40m",
                                  "14,250.000 kHz  USB  20m",    "7,074.000 kHz  PKTUSB  40m",
                                  "3,573.000 kHz  CW  80m",      "7,150.000 kHz  LSB  40m"};
        for (qsizetype i = 0; i < tunes.size(); ++i) {
            run = CliRun::in(dir.path(),
                             QStringList{"rig", "tune", tunes[i][0], "--mode", tunes[i][1]} + link);
            QVERIFY2(run.exitCode == 0, qPrintable(run.err));
            QCOMPARE(run.out, printed[i]);
        }
    }
};

QTEST_GUILESS_MAIN(TestRigCli)
#include "tst_rigcli.moc"
