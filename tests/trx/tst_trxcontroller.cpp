// The transceiver controller and its screen over a fake link and a fake command set: what goes
// to the radio and when, what the entry screens are told, what the screen shows and stores.

#include "app/DataFolder.h"
#include "model/QsoClass.h"
#include "refdata/OneDxSpotClass.h"
#include "root/AppDelegate.h"
#include "trx/ByteLink.h"
#include "trx/TrxController.h"
#include "trx/TrxScreen.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

using namespace trx;

namespace {

/** Records every write with the time it was made; the test opens and drops it. */
class FakeLink : public ByteLink {
public:
    QList<QByteArray> sent;
    QList<qint64> sentAtNs;

    FakeLink() { m_clock.start(); }
    void open() override {}
    void close() override
    {
        m_open = false;
        QMetaObject::invokeMethod(
            this, [this] { emit closed({}); }, Qt::QueuedConnection);
    }
    [[nodiscard]] bool isOpen() const override { return m_open; }
    void write(const QByteArray &bytes) override
    {
        sent << bytes;
        sentAtNs << m_clock.nsecsElapsed();
    }
    [[nodiscard]] QString description() const override { return QStringLiteral("fake:radio"); }

    void up()
    {
        m_open = true;
        emit opened();
    }
    void drop(const QString &reason)
    {
        m_open = false;
        emit closed(reason);
    }

private:
    QElapsedTimer m_clock;
    bool m_open = false;
};

/** Reads "F<kHz>;" and "M<mode>;"; tunes with "T<kHz>/<xMode>/<data index>". */
class FakeCommands : public CommandSet {
public:
    Commands startupCommands;
    bool always = false;

    [[nodiscard]] Commands startup() const override { return startupCommands; }
    [[nodiscard]] Commands poll() const override { return {{"P", 0}}; }
    [[nodiscard]] Commands tune(const TuneRequest &request,
                                const CatOptions &options) const override
    {
        return {{QStringLiteral("T%1/%2/%3")
                     .arg(request.kHz)
                     .arg(request.xMode)
                     .arg(options.dataSubMode)
                     .toLatin1(),
                 0}};
    }
    bool feed(const QByteArray &bytes) override
    {
        bool read = false;
        for (const QByteArray &reply : bytes.split(';')) {
            if (reply.startsWith('F')) {
                m_state.kHz = reply.mid(1).toDouble();
                read = true;
            } else if (reply.startsWith('M')) {
                m_state.mode = m_state.logMode = QString::fromLatin1(reply.mid(1));
                read = true;
            }
        }
        return read;
    }
    void reset() override {}
    [[nodiscard]] const RadioState &state() const override { return m_state; }
    [[nodiscard]] QString frequencyText() const override
    {
        return QString::number(m_state.kHz, 'f', 3);
    }
    [[nodiscard]] QStringList dataModeLabels() const override { return {}; }
    [[nodiscard]] bool alwaysPolled() const override { return always; }
    [[nodiscard]] double lowestKHz() const override { return 100; }
    [[nodiscard]] double highestKHz() const override { return 60000; }

private:
    RadioState m_state;
};

} // namespace

class TestTrxController : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppDelegate> m_app;
    std::unique_ptr<TrxController> m_trx;
    QPointer<FakeLink> m_link;
    QList<QsoClass> m_published;

    /** Hands the controller a fresh fake link and command set; opened unless told not to. */
    void connectRadio(Make make = Make::Icom, const Commands &startup = {}, bool always = false,
                      bool open = true)
    {
        auto link = std::make_unique<FakeLink>();
        auto commands = std::make_unique<FakeCommands>();
        commands->startupCommands = startup;
        commands->always = always;
        m_link = link.get();
        m_trx->connectTo(std::move(link), std::move(commands), make);
        if (open)
            m_link->up();
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_app = std::make_unique<AppDelegate>(DataFolder::at(m_dir->path()));
        m_trx = std::make_unique<TrxController>(m_app->functions());
        m_published.clear();
        connect(m_trx.get(), &TrxController::radioRead, m_app.get(),
                [this](const QsoClass &reading) { m_published << reading; });
    }

    void cleanup()
    {
        m_trx.reset();
        m_app.reset();
        m_dir.reset();
    }

    void commandsKeepTheirPausesWithoutBlocking()
    {
        connectRadio(Make::Icom, {{"A", 50}, {"B", 30}, {"C", 0}, {"D", 0}});
        // The pause after A runs on a timer: the opened signal has returned with A alone sent,
        // and the event loop turns before B goes out.
        QCOMPARE(m_link->sent, QList<QByteArray>{"A"});
        qsizetype sentWhenLoopTurned = -1;
        QTimer::singleShot(0, this, [&] { sentWhenLoopTurned = m_link->sent.size(); });
        // A request that comes in meanwhile waits for its turn.
        QCOMPARE(m_trx->tune({14074, 1}), QString());

        QTRY_COMPARE(m_link->sent.size(), 5);
        QCOMPARE(sentWhenLoopTurned, 1);
        QCOMPARE(m_link->sent, (QList<QByteArray>{"A", "B", "C", "D", "T14074/1/0"}));
        const auto gapMs = [this](int i) {
            return (m_link->sentAtNs.at(i + 1) - m_link->sentAtNs.at(i)) / 1'000'000.0;
        };
        QVERIFY2(gapMs(0) >= 50, qPrintable(QString::number(gapMs(0))));
        QVERIFY2(gapMs(1) >= 30, qPrintable(QString::number(gapMs(1))));
        QVERIFY2(gapMs(2) < 20, "no pause asked after C");
    }

    void publishesOnlyWhatWasRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("published"); // qrgString|band|mode, empty: nothing
        QTest::newRow("frequency read") << QByteArray("F14074;") << "14,074.0|20m|";
        QTest::newRow("frequency and mode in one block")
            << QByteArray("F7010;MCW;") << "7,010.0|40m|CW";
        QTest::newRow("nothing understood") << QByteArray("garbage") << "";
        QTest::newRow("a mode before any frequency would publish 0 kHz")
            << QByteArray("MUSB;") << "";
    }

    void publishesOnlyWhatWasRead()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, published);
        connectRadio();
        emit m_link->received(bytes);
        QCOMPARE(m_published.size(), published.isEmpty() ? 0 : 1);
        if (published.isEmpty())
            return;
        const QsoClass &qso = m_published.first();
        QCOMPARE(QStringList({qso.qrgText(), qso.band, qso.mode}).join('|'), published);
    }

    void tuneRequestsAreChecked_data()
    {
        QTest::addColumn<bool>("linkUp");
        QTest::addColumn<double>("kHz");
        QTest::addColumn<int>("xMode");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<bool>("error");
        QTest::newRow("in range, CW") << true << 14074.0 << 1 << QByteArray("T14074/1/2") << false;
        QTest::newRow("unknown mode class leaves the mode")
            << true << 7074.0 << 9 << QByteArray("T7074/0/2") << false;
        QTest::newRow("below the radio's range") << true << 99.0 << 3 << QByteArray() << true;
        QTest::newRow("above the radio's range") << true << 60000.5 << 3 << QByteArray() << true;
        QTest::newRow("ignored after the link closed")
            << false << 14074.0 << 1 << QByteArray() << true;
    }

    void tuneRequestsAreChecked()
    {
        QFETCH(bool, linkUp);
        QFETCH(double, kHz);
        QFETCH(int, xMode);
        QFETCH(QByteArray, sent);
        QFETCH(bool, error);
        m_trx->setCatOptions({2, false});
        connectRadio();
        if (!linkUp)
            m_link->drop(QStringLiteral("Connection reset"));
        const QString statusBefore = m_trx->statusText();
        OneDxSpotClass spot;
        spot.qrg = kHz;
        spot.xMode = xMode;
        m_trx->tuneToSpot(spot);
        QCOMPARE(m_link ? m_link->sent.value(0) : QByteArray(), sent);
        QCOMPARE(m_trx->statusIsError(), error);
        if (!linkUp)
            QCOMPARE(m_trx->statusText(), statusBefore); // not even a refusal message
        else if (error)
            QVERIFY(m_trx->statusText().startsWith(QLatin1String("Not tuned")));
    }

    void pollTimerFollowsTheRules_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<bool>("pollForData");
        QTest::addColumn<bool>("alwaysPolled");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<int>("intervalMs"); // 0: no polling
        QTest::newRow("Icom polling on") << Make::Icom << true << false << 0.2 << 200;
        QTest::newRow("Icom relying on transceive") << Make::Icom << false << false << 0.2 << 0;
        QTest::newRow("polling choice is Icom's only")
            << Make::Kenwood << true << false << 0.2 << 0;
        QTest::newRow("always-polled radio") << Make::Yaesu << false << true << 0.3 << 300;
        QTest::newRow("0.05 s means 1 s") << Make::Icom << true << false << 0.05 << 1000;
    }

    void pollTimerFollowsTheRules()
    {
        QFETCH(Make, make);
        QFETCH(bool, pollForData);
        QFETCH(bool, alwaysPolled);
        QFETCH(double, seconds);
        QFETCH(int, intervalMs);
        m_trx->setPolling(pollForData, seconds);
        connectRadio(make, {}, alwaysPolled, false);
        QVERIFY(!m_trx->isPolling()); // only once the link is up
        m_link->up();
        QCOMPARE(m_trx->isPolling(), intervalMs > 0);
        if (intervalMs == 0)
            return;
        QCOMPARE(m_trx->pollIntervalMs(), intervalMs);
        QTRY_VERIFY(m_link->sent.contains("P"));
        m_link->drop({});
        QVERIFY(!m_trx->isPolling());
    }

    void closedLinkShowsUnknownAndUnlocks_data()
    {
        QTest::addColumn<QString>("reason"); // empty: the user disconnects
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("error");
        QTest::newRow("user disconnects") << QString() << "Disconnected" << false;
        QTest::newRow("peer drops the line") << "Connection reset by peer"
                                             << "Connection reset by peer" << true;
    }

    void closedLinkShowsUnknownAndUnlocks()
    {
        QFETCH(QString, reason);
        QFETCH(QString, status);
        QFETCH(bool, error);
        TrxScreen screen(m_app->defaults(), *m_trx);
        const int make = screen.makeIndex();
        connectRadio();
        QVERIFY(screen.locked());
        QCOMPARE(screen.connectTitle(), QStringLiteral("Disconnect WLAN"));
        emit m_link->received("F14074;MUSB;");
        QCOMPARE(screen.frequencyText(), QStringLiteral("14074.000 kHz"));
        QCOMPARE(screen.modeText(), QStringLiteral("USB"));
        screen.setMakeIndex(make == 2 ? 3 : 2);
        QCOMPARE(screen.makeIndex(), make); // locked

        QSignalSpy readings(&screen, &TrxScreen::readingChanged);
        if (reason.isEmpty())
            screen.toggleConnection();
        else
            m_link->drop(reason);
        QVERIFY(!readings.isEmpty());
        QCOMPARE(screen.frequencyText(), QStringLiteral("???"));
        QCOMPARE(screen.modeText(), QStringLiteral("???"));
        QVERIFY(!screen.locked());
        QCOMPARE(screen.connectTitle(), QStringLiteral("Connect WLAN"));
        QCOMPARE(screen.statusText(), status);
        QCOMPARE(screen.statusIsError(), error);
        QTRY_VERIFY(!m_link); // the link is let go
        screen.setMakeIndex(make == 2 ? 3 : 2);
        QCOMPARE(screen.makeIndex(), make == 2 ? 3 : 2);
    }

    void storedRadioIsRestored_data()
    {
        QTest::addColumn<int>("brand");
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("makeIndex");
        QTest::addColumn<QString>("model"); // empty: none selected
        QTest::addColumn<QString>("address");
        const auto row = [](const char *name, int brand, const char *type, int make,
                            const char *model, const char *address) {
            QTest::newRow(name) << brand << QString(type) << make << QString(model)
                                << QString(address);
        };
        row("address shared by two models", 1, "IC-7400", 1, "IC-7400", "0x66");
        row("another make's model selects nothing", 1, "K3", 1, "", "");
        row("Elecraft has no address", 0, "KX3", 0, "KX3", "");
        row("unknown make index reads as the first", 9, "K2", 0, "K2", "");
    }

    void storedRadioIsRestored()
    {
        if (modelsOf(Make::Icom).isEmpty())
            QSKIP("the radio models are not built in");
        QFETCH(int, brand);
        QFETCH(QString, type);
        QFETCH(int, makeIndex);
        QFETCH(QString, model);
        QFETCH(QString, address);
        m_app->defaults().setValue(QStringLiteral("TRX_Brand"), brand);
        m_app->defaults().setValue(QStringLiteral("Trx_Type"), type);
        TrxScreen screen(m_app->defaults(), *m_trx);
        QCOMPARE(screen.makeIndex(), makeIndex);
        QCOMPARE(screen.modelIndex(), model.isEmpty() ? -1 : int(screen.models().indexOf(model)));
        QCOMPARE(screen.icomAddress(), address);
    }

    void choosingTheRadioStoresIt()
    {
        if (modelsOf(Make::Icom).isEmpty())
            QSKIP("the radio models are not built in");
        m_app->defaults().setValue(QStringLiteral("IcomPollTime"), 0.05);
        {
            TrxScreen screen(m_app->defaults(), *m_trx);
            QCOMPARE(screen.pollText(), QStringLiteral("1.0 sec"));
            screen.setMakeIndex(int(Make::Icom));
            QCOMPARE(screen.modelIndex(), 0); // a make never stands without a model
            screen.setModelIndex(int(screen.models().indexOf(QStringLiteral("IC-705"))));
            screen.setPollForData(true);
            QCOMPARE(screen.transceiveHint(), TrxScreen::kPollOffHint);
        }
        UserDefaults &defaults = m_app->defaults();
        QCOMPARE(defaults.integer(QStringLiteral("TRX_Brand")), 1);
        QCOMPARE(defaults.string(QStringLiteral("Trx_Type")), QStringLiteral("IC-705"));
        TrxScreen again(defaults, *m_trx);
        QCOMPARE(again.models().value(again.modelIndex()), QStringLiteral("IC-705"));
        QCOMPARE(again.icomAddress(), QStringLiteral("0xA4"));
        QVERIFY(again.pollForData());
    }
};

QTEST_GUILESS_MAIN(TestTrxController)
#include "tst_trxcontroller.moc"
