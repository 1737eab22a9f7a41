#include "contest/Cabrillo.h"

#include "contest/ContestLog.h"
#include "contest/ContestSession.h"

#include <QStringList>

#include <cmath>

namespace cabrillo {
namespace {

/** A header value on one line, whatever the user typed. */
QString oneLine(QString text)
{
    for (QChar &c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = u' ';
    return text.simplified();
}

QString padded(const QString &text, int width)
{
    return text.leftJustified(width, u' ', false);
}

} // namespace

QString frequency(double kHz, const QString &band)
{
    if (kHz < 30000.0)
        return QString::number(std::lround(kHz)).rightJustified(5);
    static const QMap<QString, QString> bands = {{QStringLiteral("6m"), QStringLiteral("50")},
                                                 {QStringLiteral("4m"), QStringLiteral("70")},
                                                 {QStringLiteral("2m"), QStringLiteral("144")},
                                                 {QStringLiteral("1.25m"), QStringLiteral("222")},
                                                 {QStringLiteral("70cm"), QStringLiteral("432")},
                                                 {QStringLiteral("33cm"), QStringLiteral("902")},
                                                 {QStringLiteral("23cm"), QStringLiteral("1.2G")},
                                                 {QStringLiteral("13cm"), QStringLiteral("2.3G")}};
    return bands.value(band, QString::number(std::lround(kHz / 1000.0))).rightJustified(5);
}

QMap<QString, QString> categories(const ContestLog &log, const ContestSettings &settings)
{
    const QStringList &modes = log.definition().modes;
    QString mode = QStringLiteral("MIXED");
    if (modes.size() == 1) {
        const QString only = modes.first();
        mode = only == QLatin1String("PH")   ? QStringLiteral("SSB")
               : only == QLatin1String("RY") ? QStringLiteral("RTTY")
               : only == QLatin1String("DG") ? QStringLiteral("DIGI")
                                             : only;
    }
    QMap<QString, QString> headers = {{QStringLiteral("OPERATOR"), QStringLiteral("SINGLE-OP")},
                                      {QStringLiteral("ASSISTED"), QStringLiteral("NON-ASSISTED")},
                                      {QStringLiteral("BAND"), QStringLiteral("ALL")},
                                      {QStringLiteral("MODE"), mode},
                                      {QStringLiteral("POWER"), QStringLiteral("HIGH")},
                                      {QStringLiteral("STATION"), QStringLiteral("FIXED")},
                                      {QStringLiteral("TRANSMITTER"), QStringLiteral("ONE")}};
    for (auto it = settings.category.cbegin(); it != settings.category.cend(); ++it)
        headers.insert(oneLine(it.key()).toUpper(), oneLine(it.value()).toUpper());
    return headers;
}

QString write(const ContestLog &log, const ContestSettings &settings)
{
    const contest::ContestDefinition &def = log.definition();
    QString out;
    out.reserve(64 * (log.qsos().size() + 20));
    const auto line = [&out](const QString &text) {
        out += text;
        out += QLatin1String("\r\n");
    };
    line(QStringLiteral("START-OF-LOG: 3.0"));
    line(QStringLiteral("CREATED-BY: Brindlewick"));
    line(QStringLiteral("CONTEST: %1").arg(oneLine(def.cabrilloName)));
    line(QStringLiteral("CALLSIGN: %1").arg(oneLine(settings.myCall)));
    const QMap<QString, QString> headers = categories(log, settings);
    for (auto it = headers.cbegin(); it != headers.cend(); ++it)
        line(QStringLiteral("CATEGORY-%1: %2").arg(it.key(), it.value()));
    line(QStringLiteral("CLAIMED-SCORE: %1").arg(log.score().total));
    const QString myCall = padded(settings.myCall, 13);
    for (const ContestQso &qso : log.qsos()) {
        QString row = QStringLiteral("QSO: ") + frequency(qso.kHz, qso.band) + u' ' +
                      padded(qso.cabMode, 2) + u' ' +
                      qso.time.toUTC().toString(QStringLiteral("yyyy-MM-dd HHmm")) + u' ' + myCall;
        for (qsizetype i = 0; i < def.exchange.size(); ++i)
            row += u' ' + padded(qso.sent.value(i), def.exchange.at(i).width);
        row += u' ' + padded(qso.call, 13);
        for (qsizetype i = 0; i < def.exchange.size(); ++i)
            row += u' ' + padded(qso.received.value(i), def.exchange.at(i).width);
        while (row.endsWith(u' '))
            row.chop(1);
        line(row);
    }
    line(QStringLiteral("END-OF-LOG:"));
    return out;
}

} // namespace cabrillo
