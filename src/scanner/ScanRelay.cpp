#include "scanner/ScanRelay.h"

#include "app/Clock.h"
#include "app/UserDefaults.h"
#include "net/AsyncUdpSocket.h"
#include "scanner/CardText.h"
#include "scanner/ScanSettings.h"
#include "scanner/UserText.h"

namespace scanner {
namespace {

constexpr char kContext[] = "scanner::ScanRelay";
constexpr char kNotACard[] =
    QT_TRANSLATE_NOOP("scanner::ScanRelay", "Not sent: no \"From:\" and \"To:\" in the text");
constexpr char kNoHost[] = QT_TRANSLATE_NOOP("scanner::ScanRelay", "Not sent: no host set");
constexpr char kNotSent[] = QT_TRANSLATE_NOOP("scanner::ScanRelay", "Not sent: %1");
constexpr char kRepeated[] = QT_TRANSLATE_NOOP("scanner::ScanRelay", "Already sent");
constexpr char kSent[] = QT_TRANSLATE_NOOP("scanner::ScanRelay", "Sent to %1:%2");

/** A socket's error comes from the system in English and is logged as it is shown. */
UserText untranslated(const QString &text)
{
    return {text, text};
}

} // namespace

ScanRelay::ScanRelay(const UserDefaults &defaults, const Clock &clock, QObject *parent)
    : QObject(parent), m_defaults(defaults), m_clock(clock)
{}

ScanRelay::~ScanRelay() = default;

ScanRelay::Outcome ScanRelay::send(const QString &text)
{
    bool ok = false;
    const qint64 port = m_defaults.value(QString::fromLatin1(kPortKey)).toLongLong(&ok);
    return sendTo(text, m_defaults.string(QString::fromLatin1(kHostKey)), ok ? port : 0,
                  m_defaults.boolean(QString::fromLatin1(kAutoKey)));
}

ScanRelay::Outcome ScanRelay::sendTo(const QString &text, const QString &host, qint64 port,
                                     bool holdBackRepeats)
{
    if (!hasCardMarkers(text)) {
        setStatus(userText(kContext, kNotACard), false);
        return Outcome::NotACard;
    }
    const QString target = host.trimmed();
    if (target.isEmpty()) {
        setStatus(userText(kContext, kNoHost), false);
        return Outcome::NoHost;
    }
    const std::optional<quint16> usedPort = scanPort(port);
    if (!usedPort) {
        setStatus({QString::fromUtf8(kNotSent).arg(portProblem(port)),
                   QCoreApplication::translate(kContext, kNotSent).arg(shownPortProblem(port))},
                  true);
        return Outcome::BadPort;
    }
    const QDateTime now = m_clock.now();
    if (holdBackRepeats && text == m_lastText && m_lastSent.isValid() &&
        std::abs(m_lastSent.secsTo(now)) < kRepeatSeconds) {
        // The card is still in front of the camera: held back until it has been gone 5 s.
        m_lastSent = now;
        setStatus(userText(kContext, kRepeated), false);
        return Outcome::Repeated;
    }

    if (!m_socket) {
        m_socket = new net::AsyncUdpSocket(true, true, this);
        if (const std::optional<net::SocketError> error = m_socket->enableBroadcast(true))
            qWarning("Socket error: %s", qPrintable(error->description));
        connect(m_socket, &net::AsyncUdpSocket::didSendData, this, [this](long tag) {
            const QString sentText = m_pending.take(tag);
            emit sent(sentText);
        });
        connect(m_socket, &net::AsyncUdpSocket::didNotSendData, this, &ScanRelay::sendError);
    }
    const long tag = m_nextTag++;
    if (!m_socket->sendData(text.toUtf8(), target, *usedPort, -1, tag)) {
        const QString error = QStringLiteral("Socket error: %1 cannot be reached").arg(target);
        qWarning("%s", qPrintable(error));
        setStatus(untranslated(error), true);
        emit sendFailed(error);
        return Outcome::Failed;
    }
    m_pending.insert(tag, text);
    m_lastText = text;
    m_lastSent = now;
    setStatus(userText(kContext, kSent, target, QString::number(*usedPort)), false);
    return Outcome::Queued;
}

void ScanRelay::sendError(long tag, const net::SocketError &error)
{
    m_pending.remove(tag);
    // Nothing was delivered: the same card may be tried again at once.
    m_lastText.clear();
    const QString text = QStringLiteral("Socket error: %1").arg(error.description);
    qWarning("%s", qPrintable(text));
    setStatus(untranslated(text), true);
    emit sendFailed(text);
}

void ScanRelay::setStatus(const UserText &text, bool failed)
{
    if (text.english == m_status && text.shown == m_shownStatus && failed == m_failed)
        return;
    m_status = text.english;
    m_shownStatus = text.shown;
    m_failed = failed;
    emit statusChanged();
}

} // namespace scanner
