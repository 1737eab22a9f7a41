// The Elecraft front panel over the transceiver controller's one link to a simulated K3: what it
// sends for its buttons, tuning and terminal, how it reads the replies and the decoded text.

#include "app/DataFolder.h"
#include "root/AppDelegate.h"
#include "trx/ByteLink.h"
#include "trx/ElecraftPanel.h"
#include "trx/ElecraftReplies.h"
#include "trx/RadioModels.h"
#include "trx/TrxController.h"

#include "RadioSimulator.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace trx;

namespace {

/** Hands every write to the simulated radio; its answers come back as one block each, after the
 *  write returned (as from a socket), unless the test feeds blocks itself. */
class SimulatorLink : public ByteLink {
public:
    RadioSimulator radio{RadioSimulator::Family::Text};
    QByteArrayList writes;
    bool answering = true;

    void open() override {}
    void close() override { m_open = false; }
    [[nodiscard]] bool isOpen() const override { return m_open; }
    void write(const QByteArray &bytes) override
    {
        writes << bytes;
        const QByteArray answer = radio.respond(bytes);
        if (answering && !answer.isEmpty())
            QMetaObject::invokeMethod(
                this, [this, answer] { emit received(answer); }, Qt::QueuedConnection);
    }
    [[nodiscard]] QString description() const override { return QStringLiteral("sim:k3"); }
    void up()
    {
        m_open = true;
        emit opened();
    }
    void feed(const QByteArray &block) { emit received(block); }
    [[nodiscard]] QByteArray sent() const { return writes.join(); }

private:
    bool m_open = false;
};

} // namespace

class TestElecraftPanel : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppDelegate> m_app;
    std::unique_ptr<TrxController> m_trx;
    std::unique_ptr<ElecraftPanel> m_panel;
    SimulatorLink *m_link = nullptr;
    int m_published = 0;

    void open(const QString &model = QStringLiteral("K3"))
    {
        m_app->defaults().setValue(QStringLiteral("Trx_Type"), model);
        m_panel = std::make_unique<ElecraftPanel>(m_app->defaults(), *m_trx);
        auto link = std::make_unique<SimulatorLink>();
        m_link = link.get();
        m_trx->connectTo(std::move(link), makeCommandSet({Make::Elecraft, model, 0}),
                         Make::Elecraft);
        m_link->up();
        QTest::qWait(20); // lets the greeting commands of the new link leave before counting
        m_link->writes.clear();
    }
    /** Feeds replies as one block, without the radio. */
    void reply(const QByteArray &block) { m_link->feed(block); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_app = std::make_unique<AppDelegate>(DataFolder::at(m_dir->path()));
        m_trx = std::make_unique<TrxController>(m_app->functions());
        m_published = 0;
        connect(m_trx.get(), &TrxController::radioRead, m_app.get(), [this] { ++m_published; });
    }

    void cleanup()
    {
        m_panel.reset();
        m_trx.reset();
        m_app.reset();
        m_dir.reset();
    }

    void tuningStepsFollowTheDrag_data()
    {
        QTest::addColumn<double>("dx");
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QString>("label");
        QTest::newRow("57 right: step 6 needs two commands")
            << 57.0 << QByteArray("UP9;UP9;") << "+ 1.2 kHz/sec";
        QTest::newRow("150 right: clamped to 10") << 150.0 << QByteArray("UP7;") << "+ 15 kHz/sec";
        QTest::newRow("57 left") << -57.0 << QByteArray("DN9;DN9;") << "- 1.2 kHz/sec";
        QTest::newRow("4: step 0 sends nothing") << 4.0 << QByteArray() << "0 Hz/sec";
        QTest::newRow("35 right: step 4 is UP8") << 35.0 << QByteArray("UP8;") << "+ 300 Hz/sec";
        QTest::newRow("-1000 clamped") << -1000.0 << QByteArray("DN7;") << "- 15 kHz/sec";
    }
    void tuningStepsFollowTheDrag()
    {
        QFETCH(double, dx);
        QFETCH(QByteArray, command);
        QFETCH(QString, label);
        open();
        m_panel->tuneStart();
        m_panel->tuneDrag(dx);
        QCOMPARE(m_panel->tuningLabel(), label);
        // Repeated while held: at least two ticks, each the whole command.
        if (command.isEmpty()) {
            QTest::qWait(ElecraftPanel::kTuneRepeatMs * 2 + 50); // proves that nothing is sent
            QVERIFY(!m_link->sent().contains("UP") && !m_link->sent().contains("DN"));
        } else {
            QTRY_VERIFY2(m_link->sent().startsWith(command + command), m_link->sent().constData());
        }
        m_panel->tuneEnd();
        QCOMPARE(m_panel->tuningLabel(), QStringLiteral("0 Hz/sec"));
        m_link->writes.clear();
        QTest::qWait(ElecraftPanel::kTuneRepeatMs + 50); // proves that the repeat stopped
        QVERIFY(!m_link->sent().contains("UP") && !m_link->sent().contains("DN"));
    }

    void repliesShowOnThePanel_data()
    {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("main filter")
            << QByteArray("BW0270;") << "mainFilter" << QVariant(QStringLiteral("2.700 kHz"));
        QTest::newRow("sub filter")
            << QByteArray("BW$0270;") << "subFilter" << QVariant(QStringLiteral("2.700 kHz"));
        QTest::newRow("filter of wrong length ignored")
            << QByteArray("BW02700;") << "mainFilter" << QVariant(QString());
        QTest::newRow("IF shift") << QByteArray("IS 0900;") << "ifShift"
                                  << QVariant(QStringLiteral("0.900 kHz"));
        QTest::newRow("short FB gives no 0 kHz")
            << QByteArray("FB0001402;") << "vfoB" << QVariant(QString());
        QTest::newRow("full FB") << QByteArray("FB00014025500;") << "vfoB"
                                 << QVariant(QStringLiteral("14,025.500"));
        QTest::newRow("RA$ is attenuator B, not A")
            << QByteArray("RA$01;") << "attA" << QVariant(false);
        QTest::newRow("attenuator B") << QByteArray("RA$01;") << "attB" << QVariant(true);
        QTest::newRow("preamp B") << QByteArray("PA$1;") << "preampB" << QVariant(true);
        QTest::newRow("lock A") << QByteArray("LK1;") << "lockA" << QVariant(true);
        QTest::newRow("IC: VFOs linked, sub on")
            << QByteArray("IC\x40\x41\x40\x40\x40;") << "link" << QVariant(true);
        QTest::newRow("IC: sub receiver")
            << QByteArray("IC\x40\x41\x40\x40\x40;") << "sub" << QVariant(true);
        QTest::newRow("IC of wrong length ignored")
            << QByteArray("IC\x40\x41\x40\x40;") << "link" << QVariant(false);
        QTest::newRow("IF: RIT offset") << QByteArray("IF00014074000     -0150"
                                                      "10 00020000001 ;")
                                        << "offset" << QVariant(QStringLiteral("-0.150"));
        QTest::newRow("IF: split") << QByteArray("IF00014074000     +0000"
                                                 "00 00020010001 ;")
                                   << "split" << QVariant(true);
        QTest::newRow("split label +2.5")
            << QByteArray("FA00014000000;FB00014002500;FT1;") << "splitText"
            << QVariant(QStringLiteral("Split: +2.5 kHz"));
        QTest::newRow("split label below")
            << QByteArray("FA00014000000;FB00013999000;FT1;") << "splitText"
            << QVariant(QStringLiteral("Split: -1.0 kHz"));
        QTest::newRow("split label 120 kHz")
            << QByteArray("FA00014000000;FB00014120000;FT1;") << "splitText"
            << QVariant(QStringLiteral("Split: >99 kHz"));
        QTest::newRow("no split label while off")
            << QByteArray("FA00014000000;FB00014002500;FT0;") << "splitText" << QVariant(QString());
        QTest::newRow("SP marks a KX3")
            << QByteArray("SP;") << "bank1" << QVariant(QStringLiteral("Mem 5"));
    }
    void repliesShowOnThePanel()
    {
        QFETCH(QByteArray, block);
        QFETCH(QString, key);
        QFETCH(QVariant, expected);
        open();
        // Cut at every byte: a reply split across reads is read whole.
        for (int i = 0; i < block.size(); i += 3)
            reply(block.mid(i, 3));
        QCOMPARE(m_panel->statusMap().value(key), expected);
    }

    void buttonsSendTheirModelsCommands_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QByteArray>("replies");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("K3 A/B") << "K3" << QByteArray() << "ab" << QByteArray("SWT11;");
        QTest::newRow("KX3 A/B") << "KX3" << QByteArray() << "ab" << QByteArray("SWT24;");
        QTest::newRow("KX2 A to B reads B")
            << "KX2" << QByteArray() << "aToB" << QByteArray("SWH44;FB;");
        QTest::newRow("an SP reply makes a K3 setting a KX3")
            << "K3" << QByteArray("SP;") << "ab" << QByteArray("SWT24;");
        QTest::newRow("preamp shown on goes off")
            << "K3" << QByteArray("PA1;") << "preampA" << QByteArray("PA0;");
        QTest::newRow("preamp off goes on")
            << "K3" << QByteArray("PA0;") << "preampA" << QByteArray("PA1;");
        QTest::newRow("SSB below 10 MHz")
            << "K3" << QByteArray("FA00007074000;") << "ssb" << QByteArray("MD1;");
        QTest::newRow("SSB above")
            << "K3" << QByteArray("FA00014074000;") << "ssb" << QByteArray("MD2;");
        QTest::newRow("PSK") << "K3" << QByteArray() << "psk" << QByteArray("MD6;DT3;");
        QTest::newRow("K3 NR with B-SET on") << "K3" << QByteArray("IC\x40\x40\x40\x40\x40;")
                                             << "nrMain" << QByteArray("SWH11;SWT34;SWH11;");
        QTest::newRow("KX3 NR") << "KX3" << QByteArray("IC\x40\x40\x40\x40\x40;") << "nrMain"
                                << QByteArray("SWH19;");
        QTest::newRow("KX2 has no VOX command") << "KX2" << QByteArray() << "vox" << QByteArray();
    }
    void buttonsSendTheirModelsCommands()
    {
        QFETCH(QString, model);
        QFETCH(QByteArray, replies);
        QFETCH(QString, button);
        QFETCH(QByteArray, sent);
        open(model);
        reply(replies);
        m_panel->press(button);
        QCOMPARE(m_link->sent(), sent);
    }

    void memoryButtons_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("tag");
        QTest::addColumn<bool>("hold");
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("KX3 21 held") << "KX3" << 21 << true << QByteArray("SWT11;SWH19;IC;");
        QTest::newRow("K3 22 tap") << "K3" << 22 << false << QByteArray("SWT31;IC;");
        QTest::newRow("K3 25 held: nothing") << "K3" << 25 << true << QByteArray();
        QTest::newRow("KX2 23 like the KX3")
            << "KX2" << 23 << false << QByteArray("SWT11;SWT20;IC;");
        QTest::newRow("KX2 24: none") << "KX2" << 24 << false << QByteArray();
        QTest::newRow("27 aborts") << "K3" << 27 << false << QByteArray("RX;");
    }
    void memoryButtons()
    {
        QFETCH(QString, model);
        QFETCH(int, tag);
        QFETCH(bool, hold);
        QFETCH(QByteArray, sent);
        open(model);
        m_panel->memory(tag, hold);
        QCOMPARE(m_link->sent(), sent);
    }

    void typedFrequenciesTuneTheVfo_data()
    {
        QTest::addColumn<QString>("vfo");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("A as shown, grouped") << "A"
                                             << "14,074.5" << QByteArray("FA00014074500;");
        QTest::newRow("B") << "B"
                           << "7010" << QByteArray("FB00007010000;");
        QTest::newRow("not a number") << "A"
                                      << "14.07x" << QByteArray();
        QTest::newRow("zero") << "A"
                              << "0" << QByteArray();
        QTest::newRow("more than eleven digits of Hz") << "A"
                                                       << "100000000" << QByteArray();
    }
    void typedFrequenciesTuneTheVfo()
    {
        QFETCH(QString, vfo);
        QFETCH(QString, typed);
        QFETCH(QByteArray, sent);
        open();
        QCOMPARE(m_panel->setVfo(vfo, typed), !sent.isEmpty());
        QCOMPARE(m_link->sent(), sent);
    }

    void pollsWhileShownThroughTheOneLink()
    {
        m_app->defaults().setValue(QStringLiteral("PollIntervall"), 100.0);
        open();
        QCOMPARE(m_panel->pollIntervalMs(), 1000); // below 500 ms would flood the radio
        // Read again with the panel's other settings (a macro set loaded from a file, say).
        m_app->defaults().setValue(QStringLiteral("PollIntervall"), 600.0);
        m_panel->loadPrefs();
        QCOMPARE(m_panel->pollIntervalMs(), 600);

        m_link->radio.canned = {{"BW", "BW0270;"},  {"BW$", "BW$0180;"},
                                {"IS", "IS 0050;"}, {"IC", "IC\x80\x80\x80\x80\x80;"},
                                {"MD$", "MD$3;"},   {"DS", "DS@@@@@@@@@D;"},
                                {"LK", "LK0;"},     {"LK$", "LK$1;"}};
        m_panel->setShown(true);
        QCOMPARE(m_link->writes,
                 (QByteArrayList{";", "K30;AI1;K31;", "AI2;TT0;", "RA;PA;", "FB;", "RA$;PA$;"}));
        m_link->writes.clear();
        m_published = 0;
        QTRY_VERIFY_WITH_TIMEOUT(m_link->writes.contains("LK;LK$;"), 1500);
        QCOMPARE(m_link->writes,
                 (QByteArrayList{"IC;", "MD$;IF;", "DS;", "BW;BW$;IS;", "LK;LK$;"}));
        QTRY_COMPARE(m_panel->statusMap().value("subFilter").toString(),
                     QStringLiteral("1.800 kHz"));
        const QVariantMap status = m_panel->statusMap();
        QCOMPARE(status.value("mainFilter").toString(), QStringLiteral("2.700 kHz"));
        QCOMPARE(status.value("modeB").toString(), QStringLiteral("CW"));
        QCOMPARE(status.value("vfoA").toString(), QStringLiteral("14,074.000"));
        QCOMPARE(status.value("lockB").toBool(), true);
        QCOMPARE(status.value("nrMain").toBool(), true);
        // The controller tells the entry screens, once per IF reply; the panel adds nothing.
        QCOMPARE(m_published, 1);

        m_panel->setShown(false);
        QTest::qWait(50); // lets a poll already on the way out leave
        m_link->writes.clear();
        QTest::qWait(800); // proves that the hidden panel polls no more
        QVERIFY(m_link->writes.isEmpty());
    }

    void bandPauseDoesNotBlock()
    {
        open();
        m_panel->band(3);
        m_panel->press(QStringLiteral("cw"));
        QCOMPARE(m_link->writes, QByteArrayList{"BN03;"});
        QElapsedTimer waited;
        waited.start();
        QTRY_COMPARE(m_link->writes, (QByteArrayList{"BN03;", "MD3;"}));
        QVERIFY(waited.elapsed() >= ElecraftPanel::kBandPauseMs - 20);
    }

    void typedTextGoesOutAsKeyerCommands_data()
    {
        QTest::addColumn<QByteArray>("mode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArrayList>("sent");
        QTest::newRow("CW is upper-cased")
            << QByteArray("MD3;") << "cq" << QByteArrayList{"KY CQ;"};
        QTest::newRow("PSK keeps the case")
            << QByteArray("MD6;DT3;") << "cq" << QByteArrayList{"KY cq;"};
        QTest::newRow("a ; cannot end the command")
            << QByteArray("MD3;") << "a;FA00000001000;"
            << QByteArrayList{"KY AF;", "KY A0;", "KY 00;", "KY 00;", "KY 00;", "KY 10;", "KY 00;"};
        QTest::newRow("control characters dropped")
            << QByteArray("MD3;") << "t\ru\n\x01" << QByteArrayList{"KY TU;"};
    }
    void typedTextGoesOutAsKeyerCommands()
    {
        QFETCH(QByteArray, mode);
        QFETCH(QString, typed);
        QFETCH(QByteArrayList, sent);
        open();
        reply(mode);
        m_panel->setSendText(typed);
        m_panel->transmit();
        QVERIFY(m_panel->decoding());
        // A full buffer takes nothing; two or fewer buffered characters take the next two.
        reply("TB300;");
        QCOMPARE(m_link->writes, QByteArrayList{});
        for (int i = 0; i < 10; ++i)
            reply("TB200;");
        QCOMPARE(m_link->writes, sent);
        QVERIFY(m_panel->terminal().plainText().startsWith("### Transmit ###\n"));
    }

    void macroReturnsToReceive()
    {
        m_app->defaults().setValue(QStringLiteral("CW_Macro_Text"),
                                   QStringList{"CQ", "2", "3", "4", "5", "6"});
        m_app->defaults().setValue(QStringLiteral("CW_Macro"),
                                   QStringList{"cq test%RX%TX", "", "", "", "", ""});
        open();
        reply("MD3;");
        m_panel->setDecoderOn(true);
        m_panel->textMacro(0);
        QVERIFY(m_panel->sending());
        for (int i = 0; i < 5; ++i)
            reply("TB100;");
        QCOMPARE(m_link->writes, (QByteArrayList{"KY CQ;", "KY  T;", "KY ES;", "KY T;"}));
        // Still buffered: not yet back.
        reply("TB100;");
        QVERIFY(m_panel->sending());
        reply("TB000;");
        QCOMPARE(m_link->writes.last(), QByteArray("RX;"));
        QVERIFY(!m_panel->sending());
        QVERIFY(m_panel->terminal().plainText().endsWith("### Receive ###\n"));
    }

    void decodedTextStaysInItsBlock_data()
    {
        QTest::addColumn<QByteArrayList>("blocks");
        QTest::addColumn<QString>("decoded");
        QTest::addColumn<bool>("splitOn");
        QTest::newRow("a ; inside the text") << QByteArrayList{"TB00512;45;"} << "12;45" << false;
        QTest::newRow("the rest in a later block is a reply")
            << QByteArrayList{"TB00912;", "FT1;"} << "12" << true;
        QTest::newRow("a reply longer than the rest")
            << QByteArrayList{"TB00412;FT1;"} << "12" << true;
        QTest::newRow("count larger than the text, nothing follows")
            << QByteArrayList{"TB099AB;"} << "AB" << false;
        QTest::newRow("text longer than the count is cut")
            << QByteArrayList{"TB002ABCD;"} << "AB" << false;
    }
    void decodedTextStaysInItsBlock()
    {
        QFETCH(QByteArrayList, blocks);
        QFETCH(QString, decoded);
        QFETCH(bool, splitOn);
        open();
        for (const QByteArray &block : blocks)
            reply(block);
        QCOMPARE(m_panel->terminal().plainText(), decoded);
        QCOMPARE(m_panel->status().split, splitOn);
    }

    void decoderRunsOnlyInDecodableModes()
    {
        open();
        m_panel->setShown(true);
        m_panel->setDecoderOn(true);
        reply("MD2;");
        QVERIFY(!m_panel->decoding());
        reply("MD6;DT2;");
        QVERIFY(m_panel->decoding());
        QTRY_VERIFY_WITH_TIMEOUT(m_link->writes.contains("TB;"), 500);
        // Hidden: it stops, unless text is still going out.
        m_panel->setShown(false);
        QVERIFY(!m_panel->decoding());
        m_panel->setSendText("x");
        m_panel->transmit();
        QVERIFY(m_panel->decoding());
        m_trx->disconnect();
        QVERIFY(!m_panel->sending());
        QVERIFY(!m_panel->decoding());
    }

    void macroEditorStoresWholeLists()
    {
        open();
        QStringList titles, commands;
        for (int i = 0; i < ElecraftPanel::kCommandMacros; ++i) {
            titles << QStringLiteral("T%1").arg(i);
            commands << QStringLiteral("SWT%1;").arg(i);
        }
        const QVariantMap good{{"titles", QStringList{"a", "b", "c", "d", "e", "f"}},
                               {"texts", QStringList{"1", "2", "3", "4", "5", "6"}}};
        const QVariantMap short1{{"titles", QStringList{"a"}}, {"texts", QStringList{"1"}}};
        m_panel->saveMacros(2000, titles, commands, {good, short1, good});
        QCOMPARE(m_panel->pollIntervalMs(), 2000);
        QCOMPARE(m_panel->commandTitles(), titles);
        m_panel->commandMacro(3);
        QCOMPARE(m_link->writes, QByteArrayList{"SWT3;"});
        const QVariantList sets = m_panel->textMacroSets();
        QCOMPARE(sets[0].toMap().value("titles").toStringList().first(), QStringLiteral("a"));
        QCOMPARE(sets[1].toMap().value("titles").toStringList().first(),
                 QStringLiteral("RTTY Macro 1"));
    }
};

QTEST_MAIN(TestElecraftPanel)
#include "tst_elecraftpanel.moc"
