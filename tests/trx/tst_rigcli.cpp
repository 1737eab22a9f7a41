// "brindlewick-cli rig" as scripts see it before any radio is reached: every mistake in the
// words is a usage error (exit code 1) that says what is wrong.

#include "../cli/CliRun.h"

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
};

QTEST_GUILESS_MAIN(TestRigCli)
#include "tst_rigcli.moc"
