#include "contest/ContactMessage.h"

#include "formats/TextCoding.h"
#include "refdata/WpxPrefix.h"

#include <QMap>
#include <QXmlStreamWriter>

#include <cmath>

namespace contactmessage {

QString bandMHz(const QString &band, double kHz)
{
    static const QMap<QString, QString> bands = {{QStringLiteral("160m"), QStringLiteral("1.8")},
                                                 {QStringLiteral("80m"), QStringLiteral("3.5")},
                                                 {QStringLiteral("60m"), QStringLiteral("5")},
                                                 {QStringLiteral("40m"), QStringLiteral("7")},
                                                 {QStringLiteral("30m"), QStringLiteral("10")},
                                                 {QStringLiteral("20m"), QStringLiteral("14")},
                                                 {QStringLiteral("17m"), QStringLiteral("18")},
                                                 {QStringLiteral("15m"), QStringLiteral("21")},
                                                 {QStringLiteral("12m"), QStringLiteral("24")},
                                                 {QStringLiteral("10m"), QStringLiteral("28")},
                                                 {QStringLiteral("6m"), QStringLiteral("50")},
                                                 {QStringLiteral("4m"), QStringLiteral("70")},
                                                 {QStringLiteral("2m"), QStringLiteral("144")},
                                                 {QStringLiteral("1.25m"), QStringLiteral("222")},
                                                 {QStringLiteral("70cm"), QStringLiteral("420")}};
    return bands.value(band, QString::number(std::floor(kHz / 1000.0)));
}

QByteArray make(Kind kind, const QsoClass &qso, const QString &id, const Station &station)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    const auto text = [&xml](const char *name, const QString &value) {
        xml.writeTextElement(QLatin1String(name), value);
    };
    const QString timestamp = qso.dateTime.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const QString contest = qso.extraFields.value(u"CONTEST_ID");
    if (kind == Kind::Delete) {
        xml.writeStartElement(QStringLiteral("contactdelete"));
        text("app", station.app);
        text("timestamp", timestamp);
        text("call", qso.callsign);
        text("contestnr", QStringLiteral("0"));
        text("StationName", station.stationName);
        text("ID", id);
        xml.writeEndElement();
        xml.writeEndDocument();
        return out;
    }
    xml.writeStartElement(kind == Kind::Info ? QStringLiteral("contactinfo")
                                             : QStringLiteral("contactreplace"));
    const QString myCall = qso.extraFields.value(u"STATION_CALLSIGN").isEmpty()
                               ? station.myCall
                               : qso.extraFields.value(u"STATION_CALLSIGN");
    const QString tensOfHz = QString::number(std::llround(qso.qrg * 100.0));
    text("app", station.app);
    text("contestname", contest.isEmpty() ? QStringLiteral("DX") : contest);
    text("contestnr", QStringLiteral("0"));
    text("timestamp", timestamp);
    text("mycall", myCall);
    text("band", bandMHz(qso.band, qso.qrg));
    text("rxfreq", tensOfHz);
    text("txfreq", tensOfHz);
    text("operator", qso.extraFields.value(u"OPERATOR"));
    text("mode", qso.mode);
    text("call", qso.callsign);
    text("countryprefix", qso.dxcc);
    text("wpxprefix", refdata::getPrefix(qso.callsign));
    text("stationprefix", myCall);
    text("continent", qso.cnt.toUpper());
    text("snt", qso.rsttx);
    text("sntnr", qso.extraFields.value(u"STX").isEmpty() ? QStringLiteral("0")
                                                          : qso.extraFields.value(u"STX"));
    text("rcv", qso.rstrx);
    text("rcvnr", qso.extraFields.value(u"SRX").isEmpty() ? QStringLiteral("0")
                                                          : qso.extraFields.value(u"SRX"));
    text("gridsquare", qso.locator);
    text("exchange1", qso.extraFields.value(u"SRX_STRING"));
    text("section", qso.extraFields.value(u"ARRL_SECT"));
    text("comment", formats::percentDecode(qso.note));
    text("qth", formats::percentDecode(qso.qth));
    text("name", formats::percentDecode(qso.name));
    text("power", qso.extraFields.value(u"RX_PWR"));
    text("misctext", QString());
    text("zone", qso.cq.isEmpty() ? QStringLiteral("0") : qso.cq);
    text("prec", qso.extraFields.value(u"PRECEDENCE"));
    text("ck", qso.extraFields.value(u"CHECK").isEmpty() ? QStringLiteral("0")
                                                         : qso.extraFields.value(u"CHECK"));
    text("ismultiplier1", QStringLiteral("0"));
    text("ismultiplier2", QStringLiteral("0"));
    text("ismultiplier3", QStringLiteral("0"));
    text("points", QStringLiteral("0"));
    text("radionr", QStringLiteral("1"));
    text("RoverLocation", QString());
    text("RadioInterfaced", QStringLiteral("0"));
    text("NetworkedCompNr", QStringLiteral("0"));
    text("IsOriginal", QStringLiteral("True"));
    text("NetBiosName", station.stationName);
    text("IsRunQSO", QStringLiteral("0"));
    text("StationName", station.stationName);
    text("ID", id);
    text("IsClaimedQso", QStringLiteral("1"));
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

} // namespace contactmessage
