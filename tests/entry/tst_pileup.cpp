// Pile-up logging: the checks before it starts, and what each return in the callsign field
// stores and shows.

#include "LogFixture.h"

#include "entry/PileUp.h"

#include <QSignalSpy>

namespace {

QVariantMap form(const QString &frequency, const QString &mode)
{
    return {{"qrgString", frequency},
            {"band", "20m"},
            {"mode", mode},
            {"note", "pile-up"},
            {"qsl", "W"},
            {"lotwqsl", "S"},
            {"eqsl", "X"},
            {"rstrx", "599"},
            {"rsttx", "579"},
            {"user_1", "exchange"}};
}

} // namespace

class TestPileUp : public QObject {
    Q_OBJECT
    LogFixture f;

    QList<QsoClass> logged()
    {
        LogModel &log = f.app->log();
        QList<QsoClass> qsos = log.getlastQSOs(4);
        std::reverse(qsos.begin(), qsos.end());
        return qsos;
    }

private slots:
    void initTestCase() { LogFixture::initTestCase(); }
    void init() { f.setUp(); }
    void cleanup() { f.tearDown(); }

    void startChecks_data()
    {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("message");
        QTest::addColumn<double>("qrg");
        QTest::newRow("plain number") << "14025"
                                      << "CW"
                                      << "" << 14025.0;
        QTest::newRow("grouping pattern") << "14,025.5"
                                          << "CW"
                                          << "" << 14025.5;
        QTest::newRow("99 is no frequency") << "99"
                                            << "CW"
                                            << "Frequency invalid" << 0.0;
        QTest::newRow("frequency before mode") << ""
                                               << ""
                                               << "Frequency invalid" << 0.0;
        QTest::newRow("no mode") << "7030"
                                 << ""
                                 << "No Mode given" << 0.0;
    }

    void startChecks()
    {
        QFETCH(QString, frequency);
        QFETCH(QString, mode);
        QFETCH(QString, message);
        QFETCH(double, qrg);
        PileUp pileUp(f.app->defaults(), f.app->clock(), f.app->log(), f.app->dxcc());
        QCOMPARE(pileUp.start(form(frequency, mode), 2, "", 4), message);
        QCOMPARE(pileUp.running(), message.isEmpty());
        if (message.isEmpty()) {
            QCOMPARE(pileUp.defaultQSO().qrg, qrg);
            QCOMPARE(pileUp.qrgString(), frequency.contains(',') ? "14,025.5" : "14,025.0");
            QCOMPARE(pileUp.defaultQSO().power, "QRP");
            QCOMPARE(pileUp.defaultQSO().colorCode, 4);
        }
    }

    void clockShowsSeconds()
    {
        PileUp pileUp(f.app->defaults(), f.app->clock(), f.app->log(), f.app->dxcc());
        QCOMPARE(pileUp.start(form("14025", "CW"), 0, "", 0), "");
        QCOMPARE(pileUp.timeText(), "12:00:00");
        f.app->clock().setFixed(LogFixture::utc("2025-06-15 12:00:07"));
        pileUp.updateLogTime();
        QCOMPARE(pileUp.timeText(), "12:00:07");
        QCOMPARE(pileUp.dateText(), "15/06/2025");
    }

    void eachReturnLogsOneQso()
    {
        PileUp pileUp(f.app->defaults(), f.app->clock(), f.app->log(), f.app->dxcc());
        QCOMPARE(pileUp.start(form("14,025.5", "CW"), 0, "", 0), "");
        QSignalSpy focus(&pileUp, &PileUp::callsignFocusRequested);

        pileUp.setCallsign("dl1abc");
        QVERIFY(pileUp.logQso());
        QCOMPARE(pileUp.callsign(), "");
        QCOMPARE(focus.count(), 1);
        QCOMPARE(pileUp.logText(), "12:00:00\t\tDL1ABC\n");

        // The next station a second later, with another sent report.
        f.app->clock().setFixed(LogFixture::utc("2025-06-15 12:00:01"));
        pileUp.setRsttx("559");
        pileUp.setCallsign("ea8xyz");
        QVERIFY(pileUp.logQso());
        QCOMPARE(pileUp.logText(), "12:00:01\t\tEA8XYZ\n12:00:00\t\tDL1ABC\n");

        // The same station again is flagged while typed; logging stays possible.
        pileUp.setCallsign("ea8xy");
        QCOMPARE(pileUp.duplicateText(), "");
        pileUp.setCallsign("ea8xyz");
        QCOMPARE(pileUp.duplicateText(), "EA8XYZ is already in this pile-up's log");
        pileUp.setCallsign("");

        const QList<QsoClass> qsos = logged();
        QCOMPARE(qsos.size(), 2);
        const QsoClass &first = qsos.at(0);
        QCOMPARE(first.callsign, "DL1ABC");
        QCOMPARE(first.sqlDateTime(), "2025-06-15 12:00:00");
        QCOMPARE(first.band, "20m");
        QCOMPARE(first.mode, "CW");
        QCOMPARE(first.qrg, 14025.5);
        QCOMPARE(first.rstrx, "599");
        QCOMPARE(first.rsttx, "579");
        QCOMPARE(first.qsl + first.lotwqsl + first.eqsl, "WSX");
        QCOMPARE(first.note, "pile-up");
        QCOMPARE(first.power, "High Power");
        QCOMPARE(first.adif, 230);
        QCOMPARE(first.dxcc, "DL");
        QCOMPARE(first.cnt, "Eu");
        QCOMPARE(first.cq, "14");
        QCOMPARE(first.prefix, "DL1");
        QCOMPARE(first.user_1, ""); // user fields are not carried into pile-up QSOs
        QCOMPARE(first.clublog, "W");
        QCOMPARE(qsos.at(1).sqlDateTime(), "2025-06-15 12:00:01");
        QCOMPARE(qsos.at(1).rsttx, "559");
        QCOMPARE(qsos.at(1).adif, 29); // Canary Islands
    }

    void shortCallsignsAreNotLogged_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("two characters") << "K1";
        QTest::newRow("empty") << "";
    }

    void shortCallsignsAreNotLogged()
    {
        QFETCH(QString, typed);
        PileUp pileUp(f.app->defaults(), f.app->clock(), f.app->log(), f.app->dxcc());
        QCOMPARE(pileUp.start(form("7030", "CW"), 0, "", 0), "");
        QSignalSpy keyboard(&pileUp, &PileUp::keyboardCloseRequested);
        pileUp.setCallsign(typed);
        QVERIFY(!pileUp.logQso());
        QCOMPARE(keyboard.count(), 1);
        QCOMPARE(pileUp.logText(), "");
        QCOMPARE(logged().size(), 0);
    }

    void refusedQsoKeepsTheCallsign()
    {
        PileUp pileUp(f.app->defaults(), f.app->clock(), f.app->log(), f.app->dxcc());
        QCOMPARE(pileUp.start(form("14025", "CW"), 0, "", 0), "");
        QVERIFY(f.makeReadOnly());
        QSignalSpy alert(&pileUp, &PileUp::alertRequested);
        QSignalSpy stored(&pileUp, &PileUp::qsoLogged);
        pileUp.setCallsign("dl1abc");
        QVERIFY(!pileUp.logQso());
        QCOMPARE(pileUp.callsign(), "DL1ABC");
        QCOMPARE(pileUp.logText(), "");
        QCOMPARE(stored.count(), 0);
        QCOMPARE(alert.count(), 1);
        QCOMPARE(alert.at(0).at(1).toString(), "The logbook could not store the QSO.");
    }

    void unknownEntityIsStillLogged()
    {
        PileUp pileUp(f.app->defaults(), f.app->clock(), f.app->log(), f.app->dxcc());
        QCOMPARE(pileUp.start(form("7030", "CW"), 0, "", 0), "");
        pileUp.setCallsign("QQ1QQ");
        QVERIFY(pileUp.logQso());
        QCOMPARE(logged().value(0).adif, 0);
    }
};

QTEST_GUILESS_MAIN(TestPileUp)
#include "tst_pileup.moc"
