#include "trx/TrxController.h"

#include "formats/Formats.h"
#include "model/QsoClass.h"
#include "refdata/MyFunctions.h"
#include "refdata/OneDxSpotClass.h"
#include "trx/ByteLink.h"

#include <QLocale>

namespace trx {
namespace {

const QString kUnknown = QStringLiteral("???");

/** "#,##0.000", the pattern the screen shows frequencies with. */
QString kHzText(double kHz)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(kHz, 'f', 3);
}

} // namespace

TrxController::TrxController(const MyFunctions &functions, QObject *parent)
    : QObject(parent), m_functions(functions)
{
    connect(&m_pollTimer, &QTimer::timeout, this, &TrxController::pollTick);
    // A coarse timer may fire a little early; the radio's pauses are minimums.
    m_gapTimer.setSingleShot(true);
    m_gapTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_gapTimer, &QTimer::timeout, this, &TrxController::sendNext);
    m_pollTimer.setInterval(int(m_pollSeconds * 1000));
}

void TrxController::tuneToSpot(const OneDxSpotClass &spot)
{
    // Requests while no radio is connected are not kept for later.
    if (m_connected)
        tune({spot.qrg, spot.xMode});
}

TrxController::~TrxController()
{
    if (m_link) {
        QObject::disconnect(m_link.get(), nullptr, this, nullptr);
        m_link->close();
    }
}

void TrxController::connectTo(std::unique_ptr<ByteLink> link, std::unique_ptr<CommandSet> commands,
                              Make make)
{
    if (m_link)
        disconnect();
    if (!link || !commands) {
        setStatus(tr("This radio or link is not available."), true);
        return;
    }
    m_link = std::move(link);
    m_commands = std::move(commands);
    m_make = make;
    m_connecting = true;
    connect(m_link.get(), &ByteLink::opened, this, &TrxController::linkOpened);
    connect(m_link.get(), &ByteLink::received, this, &TrxController::bytesReceived);
    connect(m_link.get(), &ByteLink::closed, this, &TrxController::linkClosed);
    setStatus(tr("Connecting to %1…").arg(m_link->description()), false);
    emit connectionChanged();
    emit readingChanged();
    m_link->open();
}

void TrxController::disconnect()
{
    if (!m_link)
        return;
    QObject::disconnect(m_link.get(), nullptr, this, nullptr);
    m_link->close();
    dropLink();
    setStatus(tr("Disconnected"), false);
    emit connectionChanged();
    emit readingChanged();
}

QString TrxController::frequencyText() const
{
    if (!m_connected || !m_commands || m_commands->state().kHz <= 0)
        return kUnknown;
    return m_commands->frequencyText() + QStringLiteral(" kHz");
}

QString TrxController::modeText() const
{
    if (!m_connected || !m_commands || m_commands->state().mode.isEmpty())
        return kUnknown;
    return m_commands->state().mode;
}

RadioState TrxController::radioState() const
{
    return m_commands ? m_commands->state() : RadioState{};
}

QString TrxController::linkDescription() const
{
    return m_link ? m_link->description() : QString();
}

void TrxController::setPolling(bool icomPollForData, double seconds)
{
    m_icomPollForData = icomPollForData;
    m_pollSeconds = usablePollSeconds(seconds);
    restartPolling();
}

double TrxController::usablePollSeconds(double seconds)
{
    return seconds >= kShortestPollSeconds ? seconds : kFallbackPollSeconds;
}

QString TrxController::tune(const TuneRequest &request)
{
    QString refusal;
    if (!m_connected || !m_commands)
        refusal = tr("Not tuned: the radio is not connected.");
    else if (!(request.kHz > 0))
        // An empty request (a spot without a frequency) would tune the VFO to 0 Hz.
        refusal = tr("Not tuned: no frequency was given.");
    else if (request.kHz < m_commands->lowestKHz() || request.kHz > m_commands->highestKHz())
        refusal = tr("Not tuned: %1 kHz is outside what the radio can tune (%2 – %3 kHz).")
                      .arg(kHzText(request.kHz), kHzText(m_commands->lowestKHz()),
                           kHzText(m_commands->highestKHz()));
    if (!refusal.isEmpty()) {
        setStatus(refusal, true);
        return refusal;
    }
    TuneRequest sane = request;
    if (sane.xMode < 0 || sane.xMode > 3)
        sane.xMode = 0; // an unknown mode class leaves the mode alone
    enqueue(m_commands->tune(sane, m_catOptions));
    setStatus(tr("Tuning to %1 kHz").arg(kHzText(request.kHz)), false);
    return {};
}

void TrxController::refresh()
{
    if (m_connected && m_commands)
        enqueue(m_commands->poll());
}

void TrxController::send(const Commands &commands)
{
    if (m_connected)
        enqueue(commands);
}

void TrxController::linkOpened()
{
    m_connecting = false;
    m_connected = true;
    m_commands->reset();
    m_queue.clear();
    setStatus(tr("Connected to %1").arg(m_link->description()), false);
    emit connectionChanged();
    emit readingChanged();
    enqueue(m_commands->startup());
    restartPolling();
}

void TrxController::linkClosed(const QString &reason)
{
    if (!m_link)
        return;
    dropLink();
    setStatus(reason.isEmpty() ? tr("Disconnected") : reason, !reason.isEmpty());
    emit connectionChanged();
    emit readingChanged();
}

void TrxController::bytesReceived(const QByteArray &bytes)
{
    if (m_commands && m_commands->feed(bytes)) {
        emit readingChanged();
        publish(m_commands->state());
    }
    emit bytesArrived(bytes);
}

void TrxController::publish(const RadioState &state)
{
    // Until a frequency was read there is nothing the entry form could take: a record with
    // 0 kHz would overwrite its frequency and band.
    if (state.kHz <= 0)
        return;
    QsoClass qso;
    qso.qrg = state.kHz;
    qso.band = m_functions.qrg2mBand(state.kHz);
    qso.mode = state.logMode;
    emit radioRead(qso);
}

void TrxController::pollTick()
{
    if (!m_connected) {
        m_pollTimer.stop();
        return;
    }
    // A radio slower than the poll interval would otherwise make the queue grow without end.
    if (!m_queue.isEmpty())
        return;
    enqueue(m_commands->poll());
}

void TrxController::enqueue(const Commands &commands)
{
    m_queue += commands;
    sendNext();
}

void TrxController::sendNext()
{
    while (m_connected && !m_gapTimer.isActive() && !m_queue.isEmpty()) {
        const Command command = m_queue.takeFirst();
        m_link->write(command.bytes);
        if (command.pauseAfterMs > 0)
            m_gapTimer.start(command.pauseAfterMs);
    }
}

void TrxController::restartPolling()
{
    m_pollTimer.stop();
    m_pollTimer.setInterval(int(m_pollSeconds * 1000));
    if (!m_connected || !m_commands)
        return;
    if ((m_make == Make::Icom && m_icomPollForData) || m_commands->alwaysPolled())
        m_pollTimer.start();
}

void TrxController::dropLink()
{
    // We may be inside one of the link's signals: it goes once that has returned.
    if (m_link)
        m_link.release()->deleteLater();
    m_connecting = false;
    m_connected = false;
    m_queue.clear();
    m_gapTimer.stop();
    m_pollTimer.stop();
}

void TrxController::setStatus(const QString &text, bool error)
{
    if (text == m_status && error == m_statusIsError)
        return;
    m_status = text;
    m_statusIsError = error;
    emit statusChanged();
}

} // namespace trx
