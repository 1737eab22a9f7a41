#include "scanner/ScanReceiver.h"

#include "app/Clock.h"
#include "app/UserDefaults.h"
#include "formats/Formats.h"
#include "model/LogModel.h"
#include "scanner/ScanSettings.h"
#include "scanner/UserText.h"

namespace scanner {
namespace {

// Logged in English, shown on the card's row in the user's language.
constexpr char kContext[] = "scanner::ScanReceiver";
constexpr char kNotMarked[] =
    QT_TRANSLATE_NOOP("scanner::ScanReceiver", "QSL not marked for %1: %2");
constexpr char kMarked[] =
    QT_TRANSLATE_NOOP("scanner::ScanReceiver", "QSL marked received (%1) on %2: %3");

/** A datagram longer than any card is shown cut, not whole. */
QString shownText(const QString &text)
{
    constexpr qsizetype kShown = 300;
    const QString printable = printableText(text);
    return printable.size() <= kShown ? printable : printable.left(kShown) + QStringLiteral("…");
}

} // namespace

ScanReceiver::ScanReceiver(UserDefaults &defaults, const Clock &clock, LogModel &log, bool follow,
                           QObject *parent)
    : QObject(parent), m_defaults(defaults), m_clock(clock), m_matcher(log, defaults),
      m_follow(follow), m_cards(new ReceivedCards(this))
{
    connect(&m_socket, &net::UdpListener::datagramReceived, this, &ScanReceiver::receive);
    if (!m_follow)
        return;
    connect(&defaults, &UserDefaults::changed, this, [this](const QString &key) {
        if (key == QLatin1String(kReceiveKey) || key == QLatin1String(kPortKey))
            followDefaults();
    });
    followDefaults();
}

ScanReceiver::~ScanReceiver() = default;

bool ScanReceiver::on() const
{
    return m_defaults.boolean(QString::fromLatin1(kReceiveKey));
}

void ScanReceiver::setOn(bool on)
{
    if (on != this->on())
        m_defaults.setValue(QString::fromLatin1(kReceiveKey), on);
}

int ScanReceiver::shownPort() const
{
    return int(scanner::shownPort(m_defaults));
}

QString ScanReceiver::setPort(const QString &text)
{
    bool ok = false;
    const qint64 port = text.trimmed().toLongLong(&ok);
    if (!ok)
        return shownPortProblem(70000);
    if (const QString problem = shownPortProblem(port); !problem.isEmpty())
        return problem;
    m_defaults.setValue(QString::fromLatin1(kPortKey), port);
    emit stateChanged();
    return {};
}

QString ScanReceiver::status() const
{
    if (!m_error.isEmpty())
        return m_error;
    if (isListening())
        return tr("Listening for QSL cards on UDP port %1").arg(port());
    return tr("Off");
}

QString ScanReceiver::listen(quint16 port)
{
    if (isListening() && m_socket.port() == port && port != 0)
        return {};
    stop();
    if (const QString reason = m_socket.listen(port); !reason.isEmpty()) {
        m_error = QStringLiteral("UDP port %1 could not be opened: %2").arg(port).arg(reason);
        emit stateChanged();
        return m_error;
    }
    m_error.clear();
    emit stateChanged();
    return {};
}

void ScanReceiver::stop()
{
    const bool changed = m_socket.stop() || !m_error.isEmpty();
    m_error.clear();
    if (changed)
        emit stateChanged();
}

void ScanReceiver::followDefaults()
{
    if (!on()) {
        stop();
        return;
    }
    const std::optional<quint16> port = configuredPort(m_defaults);
    if (!port) {
        stop();
        m_error = shownPortProblem(m_defaults.integer(QString::fromLatin1(kPortKey)));
        emit stateChanged();
        return;
    }
    listen(*port);
}

void ScanReceiver::receive(const QByteArray &datagram, const QString &sender)
{
    const QString text = QString::fromUtf8(datagram);
    ReceivedCards::Row row;
    row.time = m_clock.now();
    row.sender = sender;
    row.text = shownText(text);
    row.match = m_matcher.match(text);
    qInfo("QSL card text from %s: %s", qPrintable(sender),
          qPrintable(row.match.card ? describeCard(*row.match.card) : row.match.message));
    const CardMatch match = row.match;
    m_cards->prepend(std::move(row));
    emit received(text, match);
}

QString ScanReceiver::markReceived(int rowIndex, int candidate)
{
    const ReceivedCards::Row *row = m_cards->row(rowIndex);
    if (!row || candidate < 0 || candidate >= row->match.candidates.size())
        return tr("No such QSO to mark");
    if (row->marked)
        return tr("Already marked");
    const QsoClass qso = row->match.candidates.at(candidate);
    const QDate today = m_clock.now().toUTC().date();
    if (const WriteResult written = m_matcher.markReceived(qso, today); !written) {
        const UserText reason =
            userText(kContext, kNotMarked, CardMatcher::describeQso(qso), written.error);
        qWarning("%s", qPrintable(reason.english));
        m_cards->setOutcome(rowIndex, reason.shown, false);
        return reason.shown;
    }
    const QString letter = CardMatcher::receivedLetter(qso.qsl);
    const UserText outcome =
        userText(kContext, kMarked, letter, formats::sqlDate(today),
                 QStringList{qso.sqlDateTime().left(16), qso.callsign, qso.band, qso.mode}.join(
                     QLatin1Char(' ')));
    qInfo("%s", qPrintable(outcome.english));
    m_cards->setOutcome(rowIndex, outcome.shown, true);
    QsoClass marked = qso;
    marked.qsl = letter;
    marked.qslInDate = formats::sqlDate(today);
    emit qsoMarked(marked);
    return {};
}

} // namespace scanner
