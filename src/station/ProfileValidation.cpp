#include "station/ProfileValidation.h"

#include "geo/Locator.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <utility>

namespace station {
namespace {

bool matches(const QString &text, const QRegularExpression &pattern)
{
    return pattern.match(text).hasMatch();
}

bool hasLetter(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

/** A whole number within the range, as text. */
bool isNumberIn(const QString &text, int lowest, int highest)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= lowest && value <= highest;
}

constexpr qsizetype kLongestText = 100;

bool hasControl(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
               c == QChar::ParagraphSeparator;
    });
}

QString problem(const char *text, const QString &value)
{
    return QCoreApplication::translate("station", text).arg(value);
}

} // namespace

bool isIotaReference(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(AF|AN|AS|EU|NA|OC|SA)-[0-9]{3}$"));
    return matches(text, pattern);
}

bool isPotaReference(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^([A-Z0-9]{1,4})-[0-9]{4,5}$"));
    const QRegularExpressionMatch match = pattern.match(text);
    return match.hasMatch() && hasLetter(match.capturedView(1));
}

bool isSotaReference(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^([A-Z0-9]{1,4})/[A-Z0-9]{2}-[0-9]{3}$"));
    const QRegularExpressionMatch match = pattern.match(text);
    return match.hasMatch() && hasLetter(match.capturedView(1));
}

bool isWwffReference(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Z0-9]{0,3}[A-Z]FF-[0-9]{4}$"));
    return matches(text, pattern);
}

QString profileProblem(const StationProfile &p)
{
    static const QRegularExpression callPattern(QStringLiteral("^[A-Z0-9]+(/[A-Z0-9]+)*$"));
    if (p.name.isEmpty())
        return QCoreApplication::translate("station", "A station profile needs a name.");
    if (p.name.size() > 40 || hasControl(p.name))
        return problem(
            QT_TRANSLATE_NOOP("station",
                              "Name: \"%1\" is not a usable profile name (at most 40 characters)."),
            p.name);
    if (!p.callsign.isEmpty() && (!matches(p.callsign, callPattern) || !hasLetter(p.callsign)))
        return problem(QT_TRANSLATE_NOOP("station", "Station callsign: \"%1\" is not a callsign."),
                       p.callsign);
    if (!p.operatorCall.isEmpty() &&
        (!matches(p.operatorCall, callPattern) || !hasLetter(p.operatorCall)))
        return problem(QT_TRANSLATE_NOOP("station", "Operator: \"%1\" is not a callsign."),
                       p.operatorCall);
    if (!p.locator.isEmpty() &&
        ((p.locator.size() != 6 && p.locator.size() != 8) || !geo::locatorIsValid(p.locator)))
        return problem(
            QT_TRANSLATE_NOOP("station",
                              "Locator: \"%1\" is not a Maidenhead locator of 6 or 8 characters."),
            p.locator);
    if (!p.iota.isEmpty() && !isIotaReference(p.iota))
        return problem(
            QT_TRANSLATE_NOOP("station", "IOTA: \"%1\" is not an IOTA reference like EU-005."),
            p.iota);
    if (!p.pota.isEmpty() && !isPotaReference(p.pota))
        return problem(
            QT_TRANSLATE_NOOP("station", "POTA: \"%1\" is not a park reference like US-0001."),
            p.pota);
    if (!p.sota.isEmpty() && !isSotaReference(p.sota))
        return problem(
            QT_TRANSLATE_NOOP("station", "SOTA: \"%1\" is not a summit reference like W7W/KG-001."),
            p.sota);
    if (!p.wwff.isEmpty() && !isWwffReference(p.wwff))
        return problem(
            QT_TRANSLATE_NOOP("station", "WWFF: \"%1\" is not a WWFF reference like DLFF-0123."),
            p.wwff);
    if (!p.cqZone.isEmpty() && !isNumberIn(p.cqZone, 1, 40))
        return problem(QT_TRANSLATE_NOOP("station", "CQ zone: \"%1\" is not a zone from 1 to 40."),
                       p.cqZone);
    if (!p.ituZone.isEmpty() && !isNumberIn(p.ituZone, 1, 90))
        return problem(QT_TRANSLATE_NOOP("station", "ITU zone: \"%1\" is not a zone from 1 to 90."),
                       p.ituZone);
    // Free texts go into every new QSO's record and onto terminals: one line, of sane length.
    const std::array<std::pair<const char *, const QString *>, 4> texts{{
        {QT_TRANSLATE_NOOP("station", "State: the text is too long or holds control characters."),
         &p.state},
        {QT_TRANSLATE_NOOP("station", "County: the text is too long or holds control characters."),
         &p.county},
        {QT_TRANSLATE_NOOP("station", "Rig: the text is too long or holds control characters."),
         &p.rig},
        {QT_TRANSLATE_NOOP("station", "Antenna: the text is too long or holds control characters."),
         &p.antenna},
    }};
    for (const auto &[message, text] : texts)
        if (text->size() > kLongestText || hasControl(*text))
            return QCoreApplication::translate("station", message);
    bool powerOk = false;
    if (const double watts = p.power.toDouble(&powerOk);
        !p.power.isEmpty() && (!powerOk || !(watts > 0.0) || watts > 100000.0))
        return problem(QT_TRANSLATE_NOOP("station", "Power: \"%1\" is not a power in watts."),
                       p.power);
    return {};
}

} // namespace station
