#include "contest/ContestScreen.h"

#include "app/Clock.h"
#include "contest/ContestCatalog.h"
#include "contest/ContestSession.h"
#include "formats/Formats.h"
#include "model/LogModel.h"

namespace {

constexpr int kLastQsos = 8;

} // namespace

ContestScreen::ContestScreen(ContestSession &session, const ContestCatalog &catalog, LogModel &log,
                             const Clock &clock, QObject *parent)
    : QObject(parent), m_session(session), m_catalog(catalog), m_log(log), m_clock(clock)
{
    m_qrgString = m_log.getLastLoggedFrequency();
    m_mode = m_log.getLastLoggedMode();
    if (m_qrgString.isEmpty())
        m_qrgString = QStringLiteral("14,025.0");
    if (m_mode.isEmpty())
        m_mode = QStringLiteral("CW");
    connect(&m_session, &ContestSession::changed, this, [this] {
        checkDupe();
        emit changed();
    });
    m_minute.setInterval(60 * 1000);
    connect(&m_minute, &QTimer::timeout, this, &ContestScreen::changed);
    m_minute.start();
}

QStringList ContestScreen::contestNames() const
{
    QStringList names;
    for (const contest::ContestDefinition &def : m_catalog.contests())
        names << def.name;
    return names;
}

bool ContestScreen::active() const
{
    return m_session.isActive();
}

QString ContestScreen::title() const
{
    if (!m_session.isActive())
        return tr("No contest running");
    return QStringLiteral("%1 · %2").arg(m_session.log()->definition().name,
                                         m_session.settings().myCall);
}

void ContestScreen::setCall(const QString &call)
{
    const QString upper = call.trimmed().toUpper();
    if (upper == m_call)
        return;
    m_call = upper;
    m_message.clear();
    checkDupe();
    emit entryChanged();
}

void ContestScreen::setExchange(const QString &exchange)
{
    if (exchange == m_exchange)
        return;
    m_exchange = exchange.toUpper();
    m_message.clear();
    emit entryChanged();
}

void ContestScreen::setQrgString(const QString &text)
{
    if (text == m_qrgString)
        return;
    m_qrgString = text;
    checkDupe();
    emit entryChanged();
}

void ContestScreen::setMode(const QString &mode)
{
    if (mode.toUpper() == m_mode)
        return;
    m_mode = mode.toUpper();
    checkDupe();
    emit entryChanged();
    emit changed();
}

void ContestScreen::checkDupe()
{
    const std::optional<double> kHz = formats::parseGroupedKHz(m_qrgString);
    const std::optional<ContestQso> dupe =
        m_call.size() >= 3 && kHz ? m_session.dupeOf(m_call, *kHz, m_mode) : std::nullopt;
    m_dupeText = dupe ? dupe->dupeText() : QString();
}

QString ContestScreen::sentText() const
{
    if (!m_session.isActive())
        return {};
    QString error;
    const std::optional<QStringList> sent =
        m_session.sentValues(contest::cabrilloMode(m_mode), &error);
    return sent ? tr("Sent %1").arg(sent->join(u' ')) : error;
}

QString ContestScreen::scoreText() const
{
    if (!m_session.isActive())
        return {};
    const ContestScore score = m_session.log()->score();
    QStringList multipliers;
    for (const auto &[name, count] : score.multipliers)
        multipliers << QStringLiteral("%1 %2").arg(name).arg(count);
    return tr("%1 QSOs · %2 points%3 · score %4")
        .arg(score.qsos)
        .arg(score.points)
        .arg(multipliers.isEmpty() ? QString() : QStringLiteral(" · ") + multipliers.join(u" · "))
        .arg(score.total);
}

QString ContestScreen::rateText() const
{
    if (!m_session.isActive())
        return {};
    const auto [last10, last60] = m_session.log()->rate(m_clock.now());
    return tr("Rate: %1/h (last 10 min) · %2/h (last 60 min)").arg(last10 * 6).arg(last60);
}

QStringList ContestScreen::lastQsos() const
{
    QStringList lines;
    if (!m_session.isActive())
        return lines;
    const QList<ContestQso> &qsos = m_session.log()->qsos();
    for (qsizetype i = qsos.size() - 1; i >= 0 && lines.size() < kLastQsos; --i) {
        const ContestQso &q = qsos.at(i);
        lines << QStringLiteral("%1  %2 %3  %4  %5 | %6%7")
                     .arg(q.time.toUTC().toString(QStringLiteral("HHmm")), q.band, q.cabMode)
                     .arg(q.call, -12)
                     .arg(q.sent.join(u' '), q.received.join(u' '),
                          q.dupe ? tr("  dupe") : QString());
    }
    return lines;
}

bool ContestScreen::logQso()
{
    const std::optional<double> kHz = formats::parseGroupedKHz(m_qrgString);
    if (!kHz) {
        m_message = tr("freq: %1 is not a frequency in kHz").arg(m_qrgString);
        emit entryChanged();
        return false;
    }
    ContestSession::Request request;
    request.call = m_call;
    request.exchange = m_exchange;
    request.kHz = *kHz;
    request.mode = m_mode;
    const ContestSession::Result result = m_session.logQso(request);
    if (!result.stored) {
        m_message = result.dupe ? result.dupe->dupeText() : result.error;
        emit entryChanged();
        return false;
    }
    m_call.clear();
    m_exchange.clear();
    m_dupeText.clear();
    m_message.clear();
    emit entryChanged();
    return true;
}

void ContestScreen::clear()
{
    m_call.clear();
    m_exchange.clear();
    m_dupeText.clear();
    m_message.clear();
    emit entryChanged();
}

bool ContestScreen::startContest(const QString &name, const QString &sentExchange)
{
    ContestSettings settings;
    settings.contest = name;
    settings.sentExchange = sentExchange;
    settings.myCall = m_log.getMyCallsign();
    if (const std::optional<QString> refused = m_session.start(settings)) {
        m_message = *refused;
        emit entryChanged();
        return false;
    }
    m_message.clear();
    emit entryChanged();
    emit changed();
    return true;
}
