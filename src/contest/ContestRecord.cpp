#include "contest/ContestRecord.h"

#include "contest/Exchange.h"
#include "refdata/WpxPrefix.h"

#include <QRegularExpression>

namespace contest {
namespace {

/** The values other than reports and serials, joined for the _STRING fields. */
QString otherValues(const ContestDefinition &def, const QStringList &values)
{
    QStringList others;
    for (qsizetype i = 0; i < def.exchange.size(); ++i)
        if (!def.exchange.at(i).isRst() && !def.exchange.at(i).isSerial())
            others << values.value(i);
    return others.join(QLatin1Char(' '));
}

/** Puts a value where its form keeps it: a logbook column or a kept ADIF field. */
void keepAs(const QString &adif, const QString &value, QsoClass &record)
{
    if (adif.isEmpty())
        return;
    if (adif == QLatin1String("CQZ"))
        record.cq = value;
    else if (adif == QLatin1String("ITUZ"))
        record.itu = value;
    else if (adif == QLatin1String("STATE"))
        record.state = value;
    else
        record.extraFields.set(adif, value);
}

} // namespace

void writeContestFields(const ContestDefinition &def, const ContestQso &qso, QsoClass &record)
{
    record.extraFields.set(QStringLiteral("CONTEST_ID"), def.adifContestId);
    for (qsizetype i = 0; i < def.exchange.size(); ++i) {
        const ExchangeField &field = def.exchange.at(i);
        const QString sent = qso.sent.value(i);
        const QString received = qso.received.value(i);
        if (field.isRst()) {
            record.rsttx = sent;
            record.rstrx = received;
            continue;
        }
        if (field.isSerial()) {
            record.extraFields.set(QStringLiteral("STX"), sent);
            record.extraFields.set(QStringLiteral("SRX"), received);
            continue;
        }
        const int form = qso.receivedForms.value(i, -1);
        if (form >= 0 && form < field.forms.size())
            keepAs(field.forms.at(form).adif, received, record);
    }
    record.extraFields.set(QStringLiteral("STX_STRING"), otherValues(def, qso.sent));
    record.extraFields.set(QStringLiteral("SRX_STRING"), otherValues(def, qso.received));
}

ContestQso readContestQso(const ContestDefinition &def, const QsoClass &record)
{
    ContestQso qso;
    qso.id = record.id.value_or(0);
    qso.call = record.callsign.toUpper();
    qso.band = record.band;
    qso.mode = record.mode;
    qso.cabMode = cabrilloMode(record.mode);
    qso.kHz = record.qrg;
    qso.time = record.dateTime;
    qso.adif = record.opIsValid ? record.adif : 0;
    qso.continent = record.cnt.toUpper();
    qso.cqZone = record.cq.toInt();
    qso.ituZone = record.itu.toInt();
    qso.wpx = refdata::getPrefix(qso.call);
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList sentOthers =
        record.extraFields.value(u"STX_STRING").split(blanks, Qt::SkipEmptyParts);
    const QStringList receivedOthers =
        record.extraFields.value(u"SRX_STRING").split(blanks, Qt::SkipEmptyParts);
    qsizetype other = 0;
    for (const ExchangeField &field : def.exchange) {
        QString sent;
        QString received;
        if (field.isRst()) {
            sent = record.rsttx;
            received = record.rstrx;
        } else if (field.isSerial()) {
            sent = record.extraFields.value(u"STX");
            received = record.extraFields.value(u"SRX");
        } else {
            sent = sentOthers.value(other);
            received = receivedOthers.value(other);
            ++other;
        }
        QString ignored;
        const auto checked = checkField(field, received, &ignored);
        qso.sent << sent;
        qso.received << (checked ? checked->first : received);
        qso.receivedForms << (checked ? checked->second : -1);
    }
    return qso;
}

} // namespace contest
