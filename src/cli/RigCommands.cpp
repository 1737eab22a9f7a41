#include "cli/RigCommands.h"

#include "cli/Cli.h"
#include "cli/RigOptions.h"
#include "refdata/MyFunctions.h"
#include "root/AppDelegate.h"
#include "trx/BleScanner.h"
#include "trx/ByteLink.h"
#include "trx/CommandSet.h"
#include "trx/QtBleCentral.h"
#include "trx/TrxController.h"
#include "trx/TrxSettings.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonObject>
#include <QTimer>

#include <cmath>
#include <functional>

namespace cli {
namespace {

// Radios tune in steps of 1 or 10 Hz: a read-back within 10 Hz is the frequency asked for.
constexpr double kTuneToleranceKHz = 0.01;

/** The controller of one CLI run, over the requested link. */
class RigRun {
public:
    RigRun(Cli &cli, const RigRequest &request)
        : m_cli(cli), m_request(request), m_trx(cli.app().functions())
    {
        const trx::TrxSettings stored(cli.app().defaults());
        m_trx.setCatOptions(stored.catOptions());
        m_trx.setPolling(stored.pollForData(), stored.pollSeconds());
    }

    ~RigRun() { m_trx.disconnect(); }

    /** The command set for the request, before anything is opened (for its range). */
    [[nodiscard]] std::unique_ptr<trx::CommandSet> makeCommands() const
    {
        return m_request.link.kind == trx::LinkChoice::Kind::Rigctld
                   ? trx::makeRigctldCommandSet()
                   : trx::makeCommandSet(m_request.radio);
    }

    /** Opens the link; false (with the message written) when it cannot be made. */
    bool open(std::unique_ptr<trx::CommandSet> commands)
    {
        std::unique_ptr<trx::ByteLink> link = trx::makeLink(m_request.link);
        if (!link || !commands) {
            m_cli.status(QStringLiteral("This radio or link is not available: %1")
                             .arg(m_request.link.toString()));
            return false;
        }
        m_trx.connectTo(std::move(link), std::move(commands), m_request.radio.make);
        return true;
    }

    /** Runs the event loop until done() holds after a reading or a connection change, the
     *  link closes or the time runs out (a negative time: no limit). Returns why it stopped
     *  early, empty when done() held. */
    QString waitFor(const std::function<bool()> &done, int timeoutMs)
    {
        if (done())
            return {};
        QEventLoop loop;
        QString failure;
        const auto check = [&] {
            if (!m_trx.isConnected() && !m_trx.isConnecting()) {
                failure =
                    QStringLiteral("The link to the radio closed: %1").arg(m_trx.statusText());
                loop.quit();
            } else if (done()) {
                loop.quit();
            }
        };
        QObject::connect(&m_trx, &trx::TrxController::readingChanged, &loop, check);
        QObject::connect(&m_trx, &trx::TrxController::connectionChanged, &loop, check);
        if (timeoutMs >= 0)
            QTimer::singleShot(timeoutMs, &loop, [&] {
                failure = QStringLiteral("No answer from the radio within %1 s (%2).")
                              .arg(timeoutMs / 1000.0)
                              .arg(m_request.link.toString());
                loop.quit();
            });
        loop.exec();
        return done() ? QString() : failure;
    }

    /** Waits until every queued command is sent and the radio's answers to them are in: bytes
     *  arrived after the queue emptied, then nothing for a short while. False when no answer
     *  came within a round (the radio may have missed a read), the link closed or `deadline`
     *  passed. Replies are only trusted once they answer reads sent after the last change. */
    bool settle(const QDeadlineTimer &deadline)
    {
        constexpr int kTickMs = 10;
        constexpr qint64 kQuietMs = 150;
        constexpr qint64 kRoundMs = 1500;
        QEventLoop loop;
        QElapsedTimer sinceEmpty;
        QElapsedTimer sinceBytes;
        bool answered = false;
        bool settled = false;
        const QMetaObject::Connection bytes = QObject::connect(
            &m_trx, &trx::TrxController::bytesArrived, &loop, [&](const QByteArray &) {
                // Every command is out once the queue is empty: what comes now answers them.
                if (m_trx.queueIsEmpty())
                    answered = true;
                sinceBytes.start();
            });
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
            if (!m_trx.isConnected() || deadline.hasExpired()) {
                loop.quit();
                return;
            }
            if (!sinceEmpty.isValid() && m_trx.queueIsEmpty())
                sinceEmpty.start();
            if (answered && sinceBytes.elapsed() >= kQuietMs) {
                settled = true;
                loop.quit();
            } else if (!answered && sinceEmpty.isValid() && sinceEmpty.elapsed() >= kRoundMs) {
                loop.quit();
            }
        });
        tick.start(kTickMs);
        loop.exec();
        QObject::disconnect(bytes);
        return settled;
    }

    [[nodiscard]] trx::TrxController &controller() { return m_trx; }

    [[nodiscard]] bool hasFrequency() const { return m_trx.radioState().kHz > 0; }

    void printReading()
    {
        const trx::RadioState state = m_trx.radioState();
        const QString band = m_cli.app().functions().qrg2mBand(state.kHz);
        const QJsonObject result{{QStringLiteral("kHz"), state.kHz},
                                 {QStringLiteral("frequency"), m_trx.frequencyText()},
                                 {QStringLiteral("band"), band},
                                 {QStringLiteral("mode"), state.mode},
                                 {QStringLiteral("logMode"), state.logMode}};
        m_cli.printLine(
            result,
            QStringLiteral("%1  %2  %3").arg(m_trx.frequencyText(), m_trx.modeText(), band));
    }

private:
    Cli &m_cli;
    const RigRequest &m_request;
    trx::TrxController m_trx;
};

int status(Cli &cli, const RigRequest &request)
{
    RigRun run(cli, request);
    if (!run.open(run.makeCommands()))
        return Cli::Failed;
    const trx::TrxController &trx = run.controller();
    const QString failure = run.waitFor(
        [&] { return run.hasFrequency() && !trx.radioState().mode.isEmpty(); }, request.timeoutMs);
    // A frequency without its mode is still worth printing.
    if (!failure.isEmpty() && !run.hasFrequency())
        return cli.failed(failure);
    run.printReading();
    return Cli::Success;
}

int tune(Cli &cli, const RigRequest &request)
{
    RigRun run(cli, request);
    std::unique_ptr<trx::CommandSet> commands = run.makeCommands();
    if (commands && (request.kHz < commands->lowestKHz() || request.kHz > commands->highestKHz()))
        return cli.usage(QStringLiteral("%1 kHz is outside what the radio can tune (%2 – %3 kHz).")
                             .arg(request.kHz)
                             .arg(commands->lowestKHz())
                             .arg(commands->highestKHz()));
    if (!run.open(std::move(commands)))
        return Cli::Failed;
    trx::TrxController &trx = run.controller();
    if (const QString failure = run.waitFor([&] { return trx.isConnected(); }, request.timeoutMs);
        !failure.isEmpty())
        return cli.failed(failure);
    const QDeadlineTimer deadline(request.timeoutMs);
    // The start-up reads are answered first, so that none of their replies passes for the
    // radio's answer to the tuning.
    run.settle(deadline);
    if (const QString refusal = trx.tune({request.kHz, request.xMode}); !refusal.isEmpty())
        return cli.failed(refusal);
    // Many radios read a data sub-mode back as plain LSB or USB: that is the digital mode asked
    // for, not phone.
    const auto modeReached = [&](const trx::RadioState &state) {
        const int xMode = MyFunctions::mode2xMode(state.logMode);
        return request.xMode == 0 || xMode == request.xMode ||
               (request.xMode == 2 && (state.dataMode || state.logMode == QLatin1String("SSB")));
    };
    const auto arrived = [&] {
        const trx::RadioState &state = trx.radioState();
        return std::abs(state.kHz - request.kHz) < kTuneToleranceKHz && modeReached(state);
    };
    // Read back until a whole answer to reads sent after the tuning commands shows the
    // frequency (and mode) asked for; every command is sent before the run ends.
    bool reached = false;
    while (!reached && trx.isConnected() && !deadline.hasExpired()) {
        trx.refresh();
        reached = run.settle(deadline) && arrived();
    }
    if (run.hasFrequency())
        run.printReading();
    if (reached)
        return Cli::Success;
    if (!trx.isConnected())
        return cli.failed(QStringLiteral("The link to the radio closed: %1").arg(trx.statusText()));
    return cli.failed(run.hasFrequency()
                          ? QStringLiteral("The radio did not reach %1 kHz.").arg(request.kHz)
                          : QStringLiteral("No answer from the radio within %1 s (%2).")
                                .arg(request.timeoutMs / 1000.0)
                                .arg(request.link.toString()));
}

int watch(Cli &cli, const RigRequest &request)
{
    RigRun run(cli, request);
    if (!run.open(run.makeCommands()))
        return Cli::Failed;
    const trx::TrxController &trx = run.controller();
    int printed = 0;
    trx::RadioState last;
    const auto changed = [&] {
        const trx::RadioState state = trx.radioState();
        // Frequency and mode often come in separate replies: a change is printed whole.
        const bool whole = state.kHz > 0 && !state.mode.isEmpty();
        if (whole && (state.kHz != last.kHz || state.mode != last.mode)) {
            last = state;
            run.printReading();
            ++printed;
        }
        return request.count > 0 && printed >= request.count;
    };
    // Watching has no time limit; it ends with the count, the link or an interrupt.
    const QString failure = run.waitFor(changed, -1);
    return failure.isEmpty() ? Cli::Success : cli.failed(failure);
}

/** Lists the Bluetooth LE devices heard, with the services they advertise. */
int scanBle(Cli &cli, int ms)
{
    trx::BleScanner scanner(new trx::QtBleCentral);
    if (!scanner.start(QString(), ms))
        return cli.failed(QStringLiteral("No Bluetooth adapter is available: is BlueZ running, "
                                         "the adapter powered on and this user allowed to use "
                                         "Bluetooth?"));
    cli.status(QStringLiteral("Listening for Bluetooth LE devices for %1 s …").arg(ms / 1000.0));
    QEventLoop loop;
    QObject::connect(&scanner, &trx::BleScanner::finished, &loop, &QEventLoop::quit);
    loop.exec();
    for (const trx::BleDevice &device : scanner.devices()) {
        QStringList kinds;
        for (const QString &service : device.services)
            kinds.append(service == trx::BleCentral::kGenericService ? QStringLiteral("ble")
                         : service == trx::BleCentral::kIcomService  ? QStringLiteral("icom-ble")
                                                                     : service);
        const QJsonObject result{{QStringLiteral("address"), device.address},
                                 {QStringLiteral("name"), device.name},
                                 {QStringLiteral("services"), QJsonArray::fromStringList(kinds)}};
        cli.printLine(result,
                      QStringLiteral("%1  %2  %3")
                          .arg(device.address,
                               device.name.isEmpty() ? QStringLiteral("(no name)") : device.name,
                               kinds.join(QStringLiteral(", "))));
    }
    if (scanner.devices().isEmpty())
        cli.status(QStringLiteral("No Bluetooth LE device was heard."));
    return Cli::Success;
}

} // namespace

int rigCommand(Cli &cli, const QStringList &words)
{
    if (words.value(0) == QLatin1String("scan-ble")) {
        const std::variant<int, QString> ms = parseScanSeconds(words.mid(1));
        if (const QString *problem = std::get_if<QString>(&ms))
            return cli.usage(*problem);
        Cli jsonCli(cli.app(), true);
        return scanBle(words.contains(QStringLiteral("--json")) ? jsonCli : cli, std::get<int>(ms));
    }
    const trx::TrxSettings stored(cli.app().defaults());
    const std::variant<RigRequest, QString> parsed = parseRigRequest(words, stored);
    if (const QString *problem = std::get_if<QString>(&parsed))
        return cli.usage(*problem);
    const RigRequest &request = std::get<RigRequest>(parsed);
    // "--json" after the command word works as well as before it.
    Cli jsonCli(cli.app(), true);
    Cli &out = request.json ? jsonCli : cli;
    switch (request.action) {
    case RigRequest::Action::Status:
        return status(out, request);
    case RigRequest::Action::Tune:
        return tune(out, request);
    case RigRequest::Action::Watch:
        return watch(out, request);
    }
    return Cli::BadUsage;
}

} // namespace cli
