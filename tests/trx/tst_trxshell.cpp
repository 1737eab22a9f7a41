// The application's radio as an operator meets it on either screen set: connected to a simulated
// Icom behind a network serial interface, the entry form follows the radio, and a cluster spot
// tunes it through the one controller.

#include "../shell/ShellFixture.h"
#include "SimulatorServer.h"

#include "cluster/ClusterScreen.h"
#include "entry/QsoEntryForm.h"
#include "refdata/OneDxSpotClass.h"
#include "shell/AppShell.h"
#include "trx/TrxScreen.h"

#include <QtTest>

class TestTrxShell : public QObject {
    Q_OBJECT

private slots:
    void init() { m_f.setUp(); }
    void cleanup() { m_f.tearDown(); }

    void entryFormFollowsTheRadio_data()
    {
        QTest::addColumn<bool>("phone");
        QTest::newRow("tablet") << false;
        QTest::newRow("phone") << true;
    }

    void entryFormFollowsTheRadio()
    {
        QFETCH(bool, phone);
        SimulatorServer radio(RadioSimulator::Family::Icom, 0xA4);
        AppShell shell(*m_f.app, phone ? AppShell::Layout::Phone : AppShell::Layout::Tablet);
        trx::TrxScreen &trx = *shell.trx();
        trx.setMakeIndex(int(trx::Make::Icom));
        trx.setModelIndex(int(trx.models().indexOf(QStringLiteral("IC-705"))));
        trx.setLinkIndex(0);
        trx.setNetworkAddress(QStringLiteral("127.0.0.1"));
        trx.setNetworkPort(radio.port());
        trx.setPollForData(true);
        trx.toggleConnection();

        QsoEntryForm &form = *shell.entryForm();
        QTRY_COMPARE(form.field(QStringLiteral("qrgString")), QStringLiteral("14,074.0"));
        QCOMPARE(form.field(QStringLiteral("band")), QStringLiteral("20m"));
        QTRY_COMPARE(form.field(QStringLiteral("mode")), QStringLiteral("SSB"));
        QVERIFY(trx.locked());

        // A spot taken from the cluster starts a QSO with the station and tunes the radio.
        OneDxSpotClass spot;
        spot.dxCall = QStringLiteral("DL1ABC.");
        spot.qrg = 7030.0;
        spot.mode = QStringLiteral("CW");
        spot.xMode = 1;
        emit shell.cluster()->spotTaken(spot);
        QCOMPARE(form.field(QStringLiteral("callsign")), QStringLiteral("DL1ABC"));
        QTRY_COMPARE(radio.kHz(), 7030.0);
        QTRY_COMPARE(form.field(QStringLiteral("qrgString")), QStringLiteral("7,030.0"));
        QTRY_COMPARE(form.field(QStringLiteral("mode")), QStringLiteral("CW"));
        QCOMPARE(form.field(QStringLiteral("band")), QStringLiteral("40m"));

        trx.toggleConnection();
        QTRY_VERIFY(!trx.connected());
        QCOMPARE(trx.frequencyText(), QStringLiteral("???"));
    }

private:
    ShellFixture m_f;
};

QTEST_MAIN(TestTrxShell)
#include "tst_trxshell.moc"
