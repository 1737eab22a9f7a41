#include "loggen/QsoGenerator.h"

#include "formats/Formats.h"
#include "loggen/Station.h"

#include <QTimeZone>

#include <algorithm>
#include <array>

namespace loggen {
namespace {

// Operating by hour of the day (UTC): mostly evenings in Europe and North America.
constexpr std::array<double, 24> kHourWeights{2, 2, 1, 1, 1, 1, 2, 3, 4, 4, 4, 4,
                                              4, 4, 5, 5, 6, 7, 8, 8, 7, 6, 4, 3};
constexpr double kContestShare = 4; // percent of sessions that are contest runs
constexpr quint64 kRegulars = 300;  // stations worked again and again

struct Letter {
    const char *text;
    double weight;
};

constexpr std::array kQsl{Letter{"N", 45}, Letter{"B", 6}, Letter{"", 6},  Letter{"Q", 8},
                          Letter{"W", 5},  Letter{"S", 8}, Letter{"R", 6}, Letter{"G", 1},
                          Letter{"X", 12}, Letter{"-", 3}};
constexpr std::array kLotw{Letter{"X", 35}, Letter{"S", 40}, Letter{"W", 20}, Letter{"-", 3},
                           Letter{"", 2}};
constexpr std::array kEqsl{Letter{"N", 35}, Letter{"W", 8}, Letter{"S", 25}, Letter{"R", 7},
                           Letter{"X", 15}, Letter{"-", 5}, Letter{"", 5}};
constexpr std::array kClublog{Letter{"X", 94}, Letter{"W", 5.5}, Letter{"Q", 0.5}};
constexpr std::array kPower{Letter{"100", 50}, Letter{"", 25}, Letter{"50", 8},
                            Letter{"500", 8},  Letter{"5", 5}, Letter{"1000", 4}};
constexpr std::array kCwReports{"599", "599", "599", "589", "579", "559"};
constexpr std::array kPhoneReports{"59", "59", "59", "57", "55"};
constexpr std::array kNotes{
    "Tnx for the QSO!", "QSL via bureau", "CQ WW DX contest",          "QSB, 50% copy",
    "100 W, dipole",    "op: Bob",        "Worked \"direct\"; QSL 2$", "New one!"};

template <std::size_t N> QString pick(Random &random, const std::array<Letter, N> &letters)
{
    std::array<double, N> weights{};
    for (std::size_t i = 0; i < N; ++i)
        weights[i] = letters[i].weight;
    return QString::fromLatin1(letters[static_cast<std::size_t>(random.weighted(weights))].text);
}

template <std::size_t N> QString anyOf(Random &random, const std::array<const char *, N> &texts)
{
    return QString::fromLatin1(texts[random.below(N)]);
}

bool isWsjtMode(const QString &mode)
{
    return mode == QLatin1String("FT8") || mode == QLatin1String("FT4") ||
           mode == QLatin1String("JT65");
}

bool isPhoneMode(const QString &mode)
{
    return mode == QLatin1String("SSB") || mode == QLatin1String("FM");
}

QDateTime utc(const QDate &day, int seconds = 0)
{
    return QDateTime(day, QTime(0, 0), QTimeZone::utc()).addSecs(seconds);
}

} // namespace

QsoGenerator::QsoGenerator(QStringList callsigns, qint64 count, const Options &options)
    : m_callsigns(std::move(callsigns)), m_seed(options.seed), m_random(options.seed),
      m_first(utc(options.lastDay.addYears(-options.years).addDays(1))), m_lastDay(options.lastDay)
{
    Q_ASSERT(!m_callsigns.isEmpty());
    // The last day stays free for the sessions that run on past their planned start.
    const qint64 period = m_first.secsTo(utc(options.lastDay));
    m_secondsPerQso = std::max<qint64>(1, period / std::max<qint64>(1, count));
}

void QsoGenerator::startSession()
{
    const bool contest = m_random.percent(kContestShare);
    m_sessionLeft = contest ? m_random.between(80, 400) : m_random.between(1, 40);

    const QDate day = m_first.addSecs(m_made * m_secondsPerQso).date();
    const auto hour = m_random.weighted(kHourWeights);
    QDateTime start = utc(day, static_cast<int>(hour * 3600 + m_random.between(0, 3599)));
    if (m_time.isValid() && start < m_time.addSecs(300))
        start = m_time.addSecs(m_random.between(300, 3600));
    m_time = start;

    m_band = pickBand(m_random);
    m_on = pickMode(m_random, m_band, day);
    m_contest = contest;
}

QString QsoGenerator::pickCallsign()
{
    const auto size = static_cast<quint64>(m_callsigns.size());
    if (m_random.percent(25)) {
        // A fixed, seed-independent spread of the list: the same friends in every logbook.
        const quint64 regular = m_random.below(std::min(size, kRegulars));
        return m_callsigns.at(static_cast<qsizetype>((regular * 7919) % size));
    }
    return m_callsigns.at(static_cast<qsizetype>(m_random.below(size)));
}

QsoClass QsoGenerator::next()
{
    if (m_sessionLeft == 0) {
        startSession();
    } else {
        const bool wsjt = isWsjtMode(m_on.mode);
        m_time = m_time.addSecs(m_contest ? m_random.between(15, 120)
                                : wsjt    ? m_random.between(60, 240)
                                          : m_random.between(60, 900));
        m_on.kHz = retune(m_random, m_on, m_band);
    }
    --m_sessionLeft;
    ++m_made;

    QsoClass qso;
    qso.dateTime = m_time;
    qso.band = m_on.band;
    qso.mode = m_on.mode;
    qso.qrg = m_on.kHz;
    qso.callsign = pickCallsign();
    fillDetails(qso);
    fillConfirmations(qso);
    return qso;
}

void QsoGenerator::fillDetails(QsoClass &qso)
{
    const Station station = stationOf(qso.callsign, m_seed);
    const Entity &entity = station.entity;
    qso.prefix = station.prefix;
    qso.dxcc = entity.dxcc;
    qso.adif = entity.adif;
    qso.cq = entity.cq > 0 ? QString::number(entity.cq) : QString();
    qso.itu = entity.itu > 0 ? QString::number(entity.itu) : QString();
    qso.cnt = entity.continent;
    qso.opIsValid = !(entity.adif > 0 && m_random.percent(0.2));

    const bool wsjt = isWsjtMode(qso.mode);
    if (wsjt) {
        qso.rsttx = QString::asprintf("%+03d", static_cast<int>(m_random.between(-24, 10)));
        qso.rstrx = QString::asprintf("%+03d", static_cast<int>(m_random.between(-24, 10)));
    } else if (isPhoneMode(qso.mode)) {
        qso.rsttx = anyOf(m_random, kPhoneReports);
        qso.rstrx = anyOf(m_random, kPhoneReports);
    } else {
        qso.rsttx = anyOf(m_random, kCwReports);
        qso.rstrx = anyOf(m_random, kCwReports);
    }

    // A WSJT exchange carries the four-character grid and nothing personal.
    if (m_random.percent(wsjt ? 10 : 45))
        qso.name = station.name;
    if (!wsjt && m_random.percent(20))
        qso.qth = station.qth;
    if (wsjt ? m_random.percent(85) : m_random.percent(25))
        qso.locator = wsjt ? station.locator.left(4) : station.locator;
    if (!station.state.isEmpty() && m_random.percent(40))
        qso.state = station.state;
    if (!station.county.isEmpty() && m_random.percent(10))
        qso.county = station.county;
    if (!entity.iota.isEmpty() && m_random.percent(70))
        qso.iota = entity.iota;
    if (m_random.percent(1.5))
        qso.manager = m_callsigns.at(
            static_cast<qsizetype>(m_random.below(static_cast<quint64>(m_callsigns.size()))));
    if (m_random.percent(3))
        qso.note = anyOf(m_random, kNotes);
    if (m_random.percent(1))
        qso.user_1 =
            QStringLiteral("DL/AM-%1").arg(m_random.between(1, 200), 3, 10, QLatin1Char('0'));
    qso.power = pick(m_random, kPower);
    if (m_random.percent(4))
        qso.colorCode = m_random.between(1, 9);
}

void QsoGenerator::fillConfirmations(QsoClass &qso)
{
    const QDate day = qso.dateTime.date();
    const auto dateAfter = [&](int low, int high) {
        return formats::sqlDate(std::min(day.addDays(m_random.between(low, high)), m_lastDay));
    };
    qso.qsl = pick(m_random, kQsl);
    if (qso.qsl == QLatin1String("S") || qso.qsl == QLatin1String("X"))
        qso.qslOutDate = dateAfter(0, 200);
    if (qso.qsl == QLatin1String("R") || qso.qsl == QLatin1String("G") ||
        qso.qsl == QLatin1String("X"))
        qso.qslInDate = dateAfter(20, 540);
    qso.lotwqsl = pick(m_random, kLotw);
    qso.eqsl = pick(m_random, kEqsl);
    qso.clublog = pick(m_random, kClublog);
}

} // namespace loggen
