#include "refdata/CallsignRules.h"

#include <QStringList>

#include <limits>

namespace refdata {
namespace {

bool isPortableMarker(QStringView part, bool withBeacon)
{
    static const QStringList markers = {QStringLiteral("M"), QStringLiteral("A"),
                                        QStringLiteral("P"), QStringLiteral("QRP"),
                                        QStringLiteral("QRPP")};
    if (markers.contains(part))
        return true;
    return withBeacon && (part == u"B" || part == u"LH");
}

bool isAreaDigit(QStringView part)
{
    return part.size() == 1 && part.at(0) >= u'0' && part.at(0) <= u'9';
}

} // namespace

QString trimCall(const QString &callsign)
{
    qsizetype begin = 0;
    qsizetype end = callsign.size();
    while (begin < end && callsign.at(begin) == u' ')
        ++begin;
    while (end > begin && callsign.at(end - 1) == u' ')
        --end;
    static const QString punctuation = QStringLiteral(".,;:");
    while (begin < end && punctuation.contains(callsign.at(begin)))
        ++begin;
    while (end > begin && punctuation.contains(callsign.at(end - 1)))
        --end;
    return begin == 0 && end == callsign.size() ? callsign : callsign.mid(begin, end - begin);
}

qint64 leadingInteger(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+'))
        negative = text.at(i++) == u'-';
    qint64 value = 0;
    constexpr qint64 limit = std::numeric_limits<qint32>::max();
    for (; i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9'; ++i)
        value = qMin(limit + 1, value * 10 + (text.at(i).unicode() - u'0'));
    return negative ? -value : qMin(value, limit);
}

bool ordersAsDigit(QStringView text)
{
    return text.compare(u"0") >= 0 && text.compare(u"9") <= 0;
}

BaseCall splitBaseCall(const QString &call)
{
    QStringList parts = call.split(u'/');
    BaseCall result;
    if (parts.size() >= 2) {
        const QString &last = parts.last();
        if (isPortableMarker(last, true)) {
            parts.removeLast();
            result.base = parts.first();
        } else if (isAreaDigit(last)) {
            result.area = last.at(0).unicode() - u'0';
            parts.removeLast();
            result.base = parts.first();
        } else if (leadingInteger(last) < 10) {
            result.base = last; // a country prefix after the call
        } else {
            parts.removeLast(); // e.g. a contest number
            result.base = parts.first();
        }
    }
    if (parts.size() >= 2)
        result.base = parts.at(1).size() < parts.at(0).size() ? parts.at(1) : parts.at(0);
    if (result.base.isEmpty())
        result.base = call;
    return result;
}

int getCallArea(const QString &callsign)
{
    QStringList parts = callsign.split(u'/');
    if (parts.size() >= 2) {
        const QString &last = parts.last();
        if (isPortableMarker(last, false))
            parts.removeLast();
        else if (ordersAsDigit(last))
            return int(leadingInteger(last));
    }
    QString text = callsign;
    if (parts.size() >= 2)
        text = parts.at(0).size() < parts.at(1).size() ? parts.at(0) : parts.at(1);
    else
        text = parts.first();
    for (qsizetype i = 1; i < text.size(); ++i)
        if (text.at(i) >= u'0' && text.at(i) <= u'9')
            return text.at(i).unicode() - u'0';
    return 0;
}

QString getFirstSuffix(const QString &callsign)
{
    if (callsign.size() < 3)
        return {};
    if (callsign.at(1).isDigit())
        return callsign.mid(2, 1);
    return callsign.size() >= 4 ? callsign.mid(3, 1) : QString();
}

int correctForCallArea(int adif, int d)
{
    switch (adif) {
    case 6:
    case 110:
        return 291;
    case 236:
    case 45:
    case 40:
        return d == 9 ? 40 : d == 5 ? 45 : 236;
    case 120:
        return d == 8 ? 71 : adif;
    case 71:
        return d != 8 ? 120 : adif;
    case 308:
        return d == 9 ? 37 : adif;
    case 37:
        return d != 9 ? 308 : adif;
    case 299:
    case 46:
        return d == 6 || d == 8 || d == 9 ? 46 : 299;
    case 224:
    case 5:
        return d == 0 ? 5 : 224;
    case 462:
    case 201:
        return d == 8 ? 201 : 462;
    case 54:
    case 126:
    case 15:
        return d == 2 ? 126 : d >= 1 && d <= 7 ? 54 : 15;
    case 4:
    case 165:
    case 207:
        return d == 8 ? 165 : d == 9 ? 207 : d == 6 || d == 7 ? 4 : adif;
    case 170:
    case 34:
    case 133:
    case 16:
        return d == 7 ? 34 : d == 8 ? 133 : d == 9 ? 16 : 170;
    case 281:
    case 21:
    case 29:
    case 32:
        return d == 6 ? 21 : d == 8 ? 29 : d == 9 ? 32 : 281;
    default:
        return adif;
    }
}

} // namespace refdata
