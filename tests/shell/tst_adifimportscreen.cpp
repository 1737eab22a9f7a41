// The ADIF import screen: estimating a text, importing it while the event loop turns, the
// report and the state of the import button.

#include "ShellFixture.h"
#include "model/LogModel.h"
#include "shell/AdifImportScreen.h"

#include <QSignalSpy>

namespace {

QString record(const QString &call, const QString &extra = {})
{
    return QStringLiteral("<call:%1>%2<qso_date:8>20240501<time_on:6>101500<band:3>20m"
                          "<mode:2>CW<dxcc:3>230%3<eor>\n")
        .arg(call.size())
        .arg(call, extra);
}

} // namespace

class TestAdifImportScreen : public QObject {
    Q_OBJECT

    ShellFixture f;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        f.setUp();
        (void)f.app->log();
    }
    void cleanup() { f.tearDown(); }

    void estimate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("importEnabled");
        QTest::newRow("no record end") << "<call:5>K1ABC"
                                       << "No QSOs found" << false;
        QTest::newRow("empty text") << ""
                                    << "No QSOs found" << false;
        QTest::newRow("header only") << "Log<eoh>\n"
                                     << "No QSOs found" << false;
        QTest::newRow("two records, any case")
            << "hdr <EoH>" + record("K1ABC") + record("DL1XYZ").replace("<eor>", "<EoR>")
            << "Probably number of found QSOs: 2" << true;
        QTest::newRow("last record without end is not counted")
            << record("K1ABC") + "<call:6>DL1XYZ"
            << "Probably number of found QSOs: 1" << true;
        QTest::newRow("record end inside the header counts nothing")
            << "<eor> header <eoh>" + record("K1ABC") << "Probably number of found QSOs: 1" << true;
    }

    void estimate()
    {
        QFETCH(QString, text);
        AdifImportScreen screen(f.app->defaults(), f.app->log(), f.app->dxcc());
        QVERIFY(!screen.importEnabled());
        screen.importAdif(text);
        QTEST(screen.status(), "status");
        QTEST(screen.importEnabled(), "importEnabled");
        QCOMPARE(screen.text(), text);
    }

    void importStoresAcceptedAndReportsRefused()
    {
        const QString refused = QStringLiteral("<call:2>K1<qso_date:8>20240501<time_on:4>1015"
                                               "<band:3>20m<mode:2>CW");
        const QString text = QStringLiteral("Exported<eoh>\n") + record("K1ABC") + refused +
                             QStringLiteral("<eor>\n") + record("DL1XYZ", "<name:4>Hans");
        AdifImportScreen screen(f.app->defaults(), f.app->log(), f.app->dxcc());
        screen.importAdif(text);
        QCOMPARE(screen.status(), QStringLiteral("Probably number of found QSOs: 3"));
        QSignalSpy imported(&screen, &AdifImportScreen::imported);
        f.announced.clear();

        screen.startImport();
        QVERIFY(screen.importing());
        QVERIFY(!screen.importEnabled());
        QVERIFY(imported.wait(5000));
        QCOMPARE(imported.at(0).at(0).toInt(), 2);
        QCOMPARE(screen.status(), QStringLiteral("2 QSO(s) imported"));
        QVERIFY(!screen.importing());
        QCOMPARE(screen.progress(), 1.0);
        // The text view now shows the refused record with its reason.
        QVERIFY(screen.text().startsWith(QStringLiteral("Callsign not found: ")));
        QVERIFY(screen.text().contains(refused));
        QVERIFY(screen.text().endsWith(QStringLiteral("\n\n")));
        // The lists and the statistics hear of the new QSOs from the logbook model.
        QCOMPARE(f.announced, QStringList{QStringLiteral("qsosChanged")});
        // The same text is not offered for a second import.
        QVERIFY(!screen.importEnabled());

        const QList<QsoClass> qsos = f.app->log().getlastQSOs(4);
        QCOMPARE(qsos.size(), 2);
        QStringList calls;
        for (const QsoClass &qso : qsos)
            calls << qso.callsign;
        calls.sort();
        QCOMPARE(calls, (QStringList{"DL1XYZ", "K1ABC"}));
    }

    void resetClearsTextStatusAndButton()
    {
        AdifImportScreen screen(f.app->defaults(), f.app->log(), f.app->dxcc());
        screen.importAdif(record("K1ABC"));
        QVERIFY(screen.importEnabled());
        screen.reset();
        QCOMPARE(screen.text(), QString());
        QCOMPARE(screen.status(), QString());
        QVERIFY(!screen.importEnabled());
    }

    void fileIsLoaded()
    {
        QVERIFY(
            ShellFixture::write(f.path(QStringLiteral("Log.ADIF")), record("K1ABC").toLatin1()));
        AdifImportScreen screen(f.app->defaults(), f.app->log(), f.app->dxcc());
        QVERIFY(
            screen.loadFile(QUrl::fromLocalFile(f.path(QStringLiteral("Log.ADIF"))).toString()));
        QCOMPARE(screen.status(), QStringLiteral("Probably number of found QSOs: 1"));
    }

    void longTextIsShownCut_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("shownLines"); // the cut mark's line included; 0: shown whole
        QTest::addColumn<int>("shownChars");
        QString lines;
        QString first300;
        for (int i = 0; i < 1000; ++i) {
            if (i == 300)
                first300 = lines;
            lines += record(QStringLiteral("K%1AB").arg(i));
        }
        QTest::newRow("a thousand lines") << lines << 301 << -1;
        QTest::newRow("one line of 3 MB")
            << QString(3 * 1024 * 1024, QLatin1Char('x')) << 2 << 30002;
        QTest::newRow("300 lines are shown whole") << first300 << 0 << -1;
    }

    void longTextIsShownCut()
    {
        QFETCH(QString, text);
        QFETCH(int, shownLines);
        QFETCH(int, shownChars);
        AdifImportScreen screen(f.app->defaults(), f.app->log(), f.app->dxcc());
        screen.importAdif(text);
        if (shownLines == 0) {
            QCOMPARE(screen.text(), text);
            return;
        }
        QCOMPARE(screen.text().split(QLatin1Char('\n')).size(), shownLines);
        QVERIFY(screen.text().endsWith(QStringLiteral("\n\u2026")));
        QVERIFY(text.startsWith(screen.text().chopped(2)));
        if (shownChars >= 0)
            QCOMPARE(screen.text().size(), shownChars);
    }

    void largeFileIsImportedWhole()
    {
        // 20 000 QSOs in 3 MB, as a busy contester's export.
        QByteArray adif = "Exported<eoh>\n";
        for (int i = 0; i < 20000; ++i)
            adif += record(QStringLiteral("DL%1A").arg(i),
                           QStringLiteral("<comment:70>%1").arg(QString(70, QLatin1Char('c'))))
                        .toLatin1();
        QVERIFY(adif.size() > 3000000);
        QVERIFY(ShellFixture::write(f.path(QStringLiteral("big.adi")), adif));
        AdifImportScreen screen(f.app->defaults(), f.app->log(), f.app->dxcc());
        QVERIFY(screen.loadFile(f.path(QStringLiteral("big.adi"))));
        QCOMPARE(screen.status(), QStringLiteral("Probably number of found QSOs: 20000"));
        QVERIFY(screen.text().size() <= 30002);
        QVERIFY(screen.importEnabled());

        QSignalSpy imported(&screen, &AdifImportScreen::imported);
        screen.startImport();
        QVERIFY(imported.wait(240000));
        QCOMPARE(imported.at(0).at(0).toInt(), 20000);
        QCOMPARE(screen.status(), QStringLiteral("20000 QSO(s) imported"));
        QCOMPARE(f.app->log().getlastQSOs(4).size(), 20000);
    }

    void unreadableFileIsReported()
    {
        AdifImportScreen screen(f.app->defaults(), f.app->log(), f.app->dxcc());
        QTest::ignoreMessage(QtInfoMsg,
                             QRegularExpression(QStringLiteral("^Error loading ADIF file: ")));
        QVERIFY(!screen.loadFile(f.path(QStringLiteral("missing.adi"))));
        QCOMPARE(screen.status(), QString());
    }
};

QTEST_GUILESS_MAIN(TestAdifImportScreen)
#include "tst_adifimportscreen.moc"
