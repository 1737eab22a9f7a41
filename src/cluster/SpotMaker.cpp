#include "cluster/SpotMaker.h"

#include "app/Diagnostics.h"
#include "cluster/SpotParser.h"
#include "geo/Bearing.h"
#include "geo/Geodesic.h"
#include "geo/Locator.h"
#include "model/LogModel.h"
#include "refdata/Bands.h"
#include "refdata/DXCCModel.h"
#include "refdata/IotaNote.h"
#include "refdata/ModeClasses.h"
#include "refdata/MyFunctions.h"

#include <QRegularExpression>

namespace cluster {
namespace {

/** A marked-callsign entry with a "*" matches any call holding the rest of it. */
bool matchesMark(const QString &mark, const QString &call)
{
    const qsizetype star = mark.indexOf(u'*');
    if (star < 0)
        return mark == call;
    QString pattern = mark;
    pattern.remove(star, 1);
    return call.contains(pattern);
}

QString withoutLotwMark(const QString &call)
{
    return call.endsWith(u'.') ? call.chopped(1) : call;
}

/** A node's text for a diagnostic line: control characters (terminal escapes) replaced. */
QString printable(QString text)
{
    for (QChar &c : text)
        if (c.category() == QChar::Other_Control)
            c = QChar::ReplacementCharacter;
    return text;
}

/** The mode a spot's comment names ("FT8 -12 dB", "CW 22 WPM", "RTTY-contest", "SSB up 5"):
 *  a word of its own, the first one that is a mode. Empty when the comment names none. */
QString modeInNote(const QString &note)
{
    static const QStringList kModes = {
        QStringLiteral("FT8"),    QStringLiteral("FT4"),    QStringLiteral("CW"),
        QStringLiteral("RTTY"),   QStringLiteral("SSB"),    QStringLiteral("USB"),
        QStringLiteral("LSB"),    QStringLiteral("AM"),     QStringLiteral("FM"),
        QStringLiteral("PSK"),    QStringLiteral("PSK31"),  QStringLiteral("PSK63"),
        QStringLiteral("BPSK"),   QStringLiteral("JT65"),   QStringLiteral("JT9"),
        QStringLiteral("MSK144"), QStringLiteral("Q65"),    QStringLiteral("FST4"),
        QStringLiteral("JS8"),    QStringLiteral("OLIVIA"), QStringLiteral("SSTV")};
    static const QRegularExpression kWord(QStringLiteral("[^A-Za-z0-9]+"));
    for (const QString &word : note.toUpper().split(kWord, Qt::SkipEmptyParts)) {
        if (!kModes.contains(word))
            continue;
        if (word.startsWith(QLatin1String("PSK")) || word == QLatin1String("BPSK"))
            return QStringLiteral("PSK");
        if (word == QLatin1String("USB") || word == QLatin1String("LSB"))
            return QStringLiteral("SSB");
        return word;
    }
    return {};
}

} // namespace

SpotMaker::SpotMaker(LogModel &log, DXCCModel &dxcc) : m_log(log), m_dxcc(dxcc)
{}

void SpotMaker::setOptions(Options options)
{
    m_options = std::move(options);
    // Locators are written in either case ("JO40df"); the geo helpers read upper case.
    m_options.myLocator = m_options.myLocator.trimmed().toUpper();
    m_positions.clear();
}

void SpotMaker::readOptions(const MyFunctions &functions)
{
    setOptions({functions.allQRGs(), functions.coloredSpots(), functions.newOnesOnly(),
                functions.callsignsToMark(), m_log.getMyLocator()});
}

std::optional<OneDxSpotClass> SpotMaker::spotFromDxDe(QStringView line, const QDateTime &now)
{
    std::optional<SpotLine> parsed = parseSpotLine(line);
    if (!parsed)
        return std::nullopt;
    OneDxSpotClass spot;
    spot.dxDe = std::move(parsed->dxDe);
    spot.qrg = parsed->kHz;
    spot.band = refdata::qrg2mBand(m_options.bands, spot.qrg);
    spot.xBand = refdata::qrg2xBand(m_options.bands, spot.qrg);
    spot.mode = refdata::qrg2Mode(m_options.bands, spot.qrg);
    spot.xMode = refdata::qrg2xMode(m_options.bands, spot.qrg);
    spot.dxCall = parsed->dxCall;
    if (m_log.isLotwUser(parsed->dxCall))
        spot.dxCall += u'.';

    if (parsed->time) {
        spot.spotTimeStamp = spotInstant(*parsed->time, now);
    } else {
        diag(QStringLiteral("spotLine: %1").arg(printable(line.toString().trimmed())));
        diag(QStringLiteral("s: %1").arg(printable(parsed->timeText)));
        // Without a time of its own the spot is as old as its arrival, and sorts there.
        spot.spotTimeStamp = now.toUTC();
    }
    spot.timeSince1970 = double(spot.spotTimeStamp.toMSecsSinceEpoch()) / 1000.0;

    spot.note = std::move(parsed->note);
    // The band plan only guesses; a mode the spotter names wins (FT8 on 7074 kHz, CW from the
    // reverse beacon network in the phone part of a band).
    if (const QString named = modeInNote(spot.note); !named.isEmpty()) {
        spot.mode = named;
        spot.xMode = refdata::mode2xMode(named);
    }

    const CountryClass country = m_dxcc.getDXCC(parsed->dxCall);
    spot.dxcc = country.dxcc;
    spot.adif = country.adif;
    spot.locator = country.locator;
    spot.iota = country.iota.isEmpty() ? refdata::getIotaFromNote(spot.note) : country.iota;
    measure(spot);

    if (m_options.coloredSpots)
        return makeColors(std::move(spot));
    return spot;
}

void SpotMaker::measure(OneDxSpotClass &spot)
{
    // Only from a real own position: a made-up square would give made-up figures.
    if (spot.adif <= 0 || !geo::locatorIsValid(m_options.myLocator) ||
        !geo::locatorIsValid(spot.locator))
        return;
    // Entities have few locators, and measuring is the slow part of a spot.
    auto it = m_positions.constFind(spot.locator);
    if (it == m_positions.constEnd())
        it = m_positions.insert(spot.locator,
                                {geo::getDistanceFrom(m_options.myLocator, spot.locator),
                                 geo::getBearingFrom(m_options.myLocator, spot.locator)});
    spot.dist = it->first;
    spot.hdg = it->second;
    spot.hasPosition = true;
}

std::optional<OneDxSpotClass> SpotMaker::makeColors(OneDxSpotClass spot)
{
    const SpotAnswers a = m_log.spotAnswers(spot);
    bool interesting = false;

    const QString call = withoutLotwMark(spot.dxCall);
    const auto mark = std::find_if(m_options.callsToMark.cbegin(), m_options.callsToMark.cend(),
                                   [&call](const QString &m) { return matchesMark(m, call); });
    if (mark != m_options.callsToMark.cend()) {
        spot.callColor = a.stnWkdBefore ? SpotColor::Orange : SpotColor::Red;
        interesting = true;
    } else if (a.stnCfdBefore) {
        spot.callColor = SpotColor::Green;
    } else if (a.stnWkdBefore) {
        spot.callColor = SpotColor::Blue;
    }

    spot.iotaColor = SpotColor::Label;
    if (spot.iota.size() > 4) {
        if (!m_log.iotaWkd(spot.iota)) {
            spot.iotaColor = SpotColor::Red;
            interesting = true;
        } else if (!m_log.iotaCfd(spot.iota)) {
            spot.iotaColor = SpotColor::Orange;
            interesting = true;
        }
    }

    if (spot.adif == 0) {
        spot.dxColor = SpotColor::Magenta;
    } else if (!a.dxWkd) {
        spot.dxColor = SpotColor::Red;
        return spot;
    } else if (!a.dxCfd) {
        spot.dxColor = a.stnWkdBefore ? SpotColor::Blue : SpotColor::Orange;
        return spot;
    } else {
        if (!a.bandWkd || !a.bandCfd) {
            spot.qrgColor = a.bandWkd ? SpotColor::Orange : SpotColor::Red;
            interesting = true;
        }
        if (a.modeWkd && !a.modeCfd) {
            spot.modeColor = SpotColor::Orange;
            return spot;
        }
        if (!a.modeWkd) {
            spot.modeColor = SpotColor::Red;
            interesting = true;
        }
        if (a.bandCfd && a.modeCfd && !(a.bandModeWkd && a.bandModeCfd)) {
            const SpotColor slot = a.bandModeWkd ? SpotColor::Green : SpotColor::Blue;
            spot.qrgColor = slot;
            spot.modeColor = slot;
            return spot;
        }
    }
    if (!interesting && m_options.newOnesOnly)
        return std::nullopt;
    return spot;
}

} // namespace cluster
