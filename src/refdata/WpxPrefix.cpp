#include "refdata/WpxPrefix.h"

#include "refdata/CallsignRules.h"

#include <QStringList>

namespace refdata {

QString getPrefix(const QString &callsign)
{
    static const QStringList portable = {
        QStringLiteral("M"),    QStringLiteral("A"), QStringLiteral("P"),  QStringLiteral("QRP"),
        QStringLiteral("QRPP"), QStringLiteral("B"), QStringLiteral("AM"), QStringLiteral("MM")};
    QStringList parts = callsign.split(u'/');
    QString call = callsign;
    int area = kNoArea;
    if (parts.size() >= 2 && portable.contains(parts.last()))
        parts.removeLast();
    if (parts.size() >= 2 && ordersAsDigit(parts.last())) {
        area = int(leadingInteger(parts.last()));
        parts.removeLast();
        call = parts.first();
    }
    if (parts.size() >= 2)
        call = parts.at(1).size() < parts.at(0).size() ? parts.at(1) : parts.at(0);
    else if (parts.size() == 1)
        call = parts.first();
    if (call.size() < 2)
        return call + QLatin1Char('0');

    qsizetype digit = 1;
    while (digit < call.size() && !call.at(digit).isDigit())
        ++digit;
    if (digit < call.size()) {
        if (area != kNoArea)
            return call.left(digit) + QString::number(area);
        qsizetype end = digit;
        while (end < call.size() && call.at(end).isDigit())
            ++end;
        return call.left(end);
    }
    return call.left(2) + (area != kNoArea ? QString::number(area) : QStringLiteral("0"));
}

} // namespace refdata
