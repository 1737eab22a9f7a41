#include "adif/ClublogRecord.h"

#include "model/AdifField.h"
#include "model/AdifWriter.h"
#include "model/Banner.h"

namespace adif {

QString makeOneClublogRecord(const QsoClass &qso, const ModesList &modes)
{
    QString record;
    appendField(record, QLatin1String("call"), qso.callsign);
    appendDateAndTime(record, qso);
    appendBand(record, qso);
    appendFrequency(record, qso);
    if (qso.mode.size() >= 2)
        appendModeFields(record, qso.mode, modes);
    // Club Log counts an operation that does not count for DXCC as entity 0.
    if (!qso.opIsValid || qso.adif < 1)
        record += QLatin1String("<dxcc:1>0 ");
    else
        appendField(record, QLatin1String("dxcc"), QString::number(qso.adif));
    const bool paperReceived = qso.qsl == QLatin1String("X") || qso.qsl == QLatin1String("R") ||
                               qso.qsl == QLatin1String("G");
    record += paperReceived ? QLatin1String("<qsl_rcvd:1>Y ") : QLatin1String("<qsl_rcvd:1>N ");
    record += qso.lotwqsl == QLatin1String("X") ? QLatin1String("<lotw_qsl_rcvd:1>Y ")
                                                : QLatin1String("<lotw_qsl_rcvd:1>N ");
    if (qso.satName.size() >= 2) {
        record += QLatin1String("<prop_mode:3>SAT ");
        appendField(record, QLatin1String("sat_name"), qso.satName);
        appendField(record, QLatin1String("band_rx"), qso.satRxband);
    }
    record += QLatin1String("<eor>\r\n");
    return record;
}

QString makeAdifHead(const QDateTime &now, const QString &programVersion)
{
    const QString stamp =
        QLocale(QStringLiteral("en_GB")).toString(now.toUTC(), QStringLiteral("yyyyMMdd HHmmss"));
    QString head;
    head += QLatin1String(kBannerLine) + QLatin1String("\r\n");
    head += QLatin1String(kWebSiteLine) + QLatin1String("\r\n\r\n");
    head += QLatin1String("<ADIF_VER:5>3.0.6\r\n");
    head += QStringLiteral("<CREATED_TIMESTAMP:15>%1\r\n").arg(stamp);
    head += QStringLiteral("<PROGRAMID:%1>%2\r\n")
                .arg(qstrlen(kProgramId))
                .arg(QLatin1String(kProgramId));
    head +=
        QStringLiteral("<PROGRAMVERSION:%1>%2\r\n").arg(programVersion.size()).arg(programVersion);
    head += QLatin1String("<EOH>\r\n\r\n\r\n");
    return head;
}

} // namespace adif
