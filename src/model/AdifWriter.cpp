#include "model/AdifWriter.h"

#include "model/AdifField.h"
#include "model/Banner.h"

#include <QVarLengthArray>

#include <algorithm>
#include <cstdlib>

namespace adif {
namespace {

/** A QSL date as the QSO shows it (the user's style), or as an import stored it (SQL form). */
QString adifQslDate(const QString &shown, formats::DateStyle style)
{
    std::optional<QDate> date = formats::parseDisplayDate(shown, style);
    if (!date)
        date = formats::parseSqlDate(shown.left(10));
    return date ? date->toString(QLatin1String(formats::kAdifDate)) : QString();
}

QString paperQslReceived(const QString &qsl)
{
    return qsl == QLatin1String("X") || qsl == QLatin1String("R") || qsl == QLatin1String("G")
               ? QStringLiteral("Y")
               : QStringLiteral("N");
}

QString paperQslSent(const QString &qsl)
{
    if (qsl == QLatin1String("X") || qsl == QLatin1String("S"))
        return QStringLiteral("Y");
    if (qsl == QLatin1String("W"))
        return QStringLiteral("R");
    if (qsl == QLatin1String("-"))
        return QStringLiteral("I");
    return QStringLiteral("N");
}

/** A number of 0 or more in exactly `width` digits, zeros in front. */
void appendDigits(QString &record, int value, int width)
{
    char digits[8];
    for (int i = width - 1; i >= 0; --i, value /= 10)
        digits[i] = char('0' + value % 10);
    record += QLatin1String(digits, width);
}

QString yesWhen(bool condition)
{
    return condition ? QStringLiteral("Y") : QStringLiteral("N");
}

void appendWhenNotEmpty(QString &record, QLatin1String name, const QString &value)
{
    if (!value.isEmpty())
        appendField(record, name, value);
}

void appendWhenTwoOrMore(QString &record, QLatin1String name, const QString &value)
{
    if (value.size() >= 2)
        appendField(record, name, value);
}

void appendQslFields(QString &record, const QsoClass &qso, formats::DateStyle style)
{
    if (!qso.qsl.isEmpty()) {
        appendField(record, QLatin1String("app_tarvex_qsl"), qso.qsl);
        appendField(record, QLatin1String("qsl_rcvd"), paperQslReceived(qso.qsl));
        appendField(record, QLatin1String("qsl_sent"), paperQslSent(qso.qsl));
    }
    if (qso.qslOutDate.size() >= 4)
        appendWhenNotEmpty(record, QLatin1String("qslsdate"), adifQslDate(qso.qslOutDate, style));
    if (qso.qslInDate.size() >= 3)
        appendWhenNotEmpty(record, QLatin1String("qslrdate"), adifQslDate(qso.qslInDate, style));
}

void appendSatellite(QString &record, const QsoClass &qso)
{
    record += QLatin1String("<prop_mode:3>SAT ");
    appendField(record, QLatin1String("sat_name"), qso.satName);
    appendField(record, QLatin1String("sat_mode"), qso.satMode);
    appendField(record, QLatin1String("band_rx"), qso.satRxband);
}

void appendServiceStatus(QString &record, const QsoClass &qso)
{
    appendField(record, QLatin1String("eqsl_qsl_rcvd"),
                yesWhen(qso.eqsl == QLatin1String("X") || qso.eqsl == QLatin1String("R")));
    appendField(record, QLatin1String("eqsl_qsl_sent"),
                yesWhen(qso.eqsl == QLatin1String("X") || qso.eqsl == QLatin1String("S")));
    appendField(record, QLatin1String("lotw_qsl_rcvd"), yesWhen(qso.lotwqsl == QLatin1String("X")));
    appendField(record, QLatin1String("lotw_qsl_sent"),
                yesWhen(qso.lotwqsl == QLatin1String("X") || qso.lotwqsl == QLatin1String("S")));
}

/** The extra fields, after the columns' ones; a field the columns wrote already is not
 *  repeated (a SUBMODE or PROP_MODE kept from an import before the QSO was edited to carry
 *  one). */
void appendExtraFields(QString &record, qsizetype start, const QsoClass &qso)
{
    if (qso.extraFields.isEmpty())
        return;
    // All chosen before any is written: the names are views into the record.
    const QList<QStringView> written = writtenFieldNames(QStringView(record).sliced(start));
    QVarLengthArray<const ExtraField *, 16> unwritten;
    for (const ExtraField &field : qso.extraFields)
        if (std::none_of(written.cbegin(), written.cend(), [&field](QStringView name) {
                return name.compare(field.name, Qt::CaseInsensitive) == 0;
            }))
            unwritten.append(&field);
    for (const ExtraField *field : unwritten)
        appendField(record, field->name, field->value, field->type);
}

} // namespace

QString txPower(const QString &power)
{
    // An ADIF number: digits with at most one decimal point, no sign or exponent.
    const QString text = power.trimmed();
    const bool plain = !text.isEmpty() && text.count(QLatin1Char('.')) <= 1 &&
                       std::all_of(text.begin(), text.end(), [](QChar c) {
                           return c == QLatin1Char('.') || (c >= u'0' && c <= u'9');
                       });
    if (plain && text.toDouble() > 0)
        return text;
    const qint64 whole = leadingInteger(power);
    return whole > 0 ? QString::number(whole) : QString();
}

QString adifDate(const QString &sqlDateTime)
{
    if (sqlDateTime.size() < 10)
        return {};
    return sqlDateTime.mid(0, 4) + sqlDateTime.mid(5, 2) + sqlDateTime.mid(8, 2);
}

QString adifTime(const QString &sqlDateTime)
{
    if (sqlDateTime.size() < 19)
        return {};
    return sqlDateTime.mid(11, 2) + sqlDateTime.mid(14, 2) + sqlDateTime.mid(17, 2);
}

qint64 leadingInteger(const QString &text)
{
    const QStringView trimmed = QStringView(text).trimmed();
    qsizetype end = 0;
    if (end < trimmed.size() &&
        (trimmed.at(0) == QLatin1Char('-') || trimmed.at(0) == QLatin1Char('+')))
        ++end;
    while (end < trimmed.size() && trimmed.at(end).isDigit() && trimmed.at(end).unicode() < 128)
        ++end;
    return trimmed.first(end).toLongLong();
}

void appendDateAndTime(QString &record, const QsoClass &qso)
{
    if (!qso.dateTime.isValid())
        return;
    // What adifDate() and adifTime() take from sqlDateTime(), without formatting that first.
    const QDateTime utc = qso.dateTime.timeSpec() == Qt::UTC ? qso.dateTime : qso.dateTime.toUTC();
    const QDate date = utc.date();
    const QTime time = utc.time();
    if (date.year() < 0 || date.year() > 9999) {
        const QString instant = qso.sqlDateTime();
        if (instant.size() >= 10)
            appendField(record, QLatin1String("qso_date"), adifDate(instant));
        if (instant.size() >= 19)
            appendField(record, QLatin1String("time_on"), adifTime(instant));
        return;
    }
    record += QLatin1String("<qso_date:8>");
    appendDigits(record, date.year(), 4);
    appendDigits(record, date.month(), 2);
    appendDigits(record, date.day(), 2);
    record += QLatin1String(" <time_on:6>");
    appendDigits(record, time.hour(), 2);
    appendDigits(record, time.minute(), 2);
    appendDigits(record, time.second(), 2);
    record += QLatin1Char(' ');
}

void appendBand(QString &record, const QsoClass &qso)
{
    if (!qso.band.isEmpty() && qso.band != QLatin1String("??"))
        appendField(record, QLatin1String("band"), qso.band);
}

void appendFrequency(QString &record, const QsoClass &qso)
{
    // "%f" without printf's formatting pass: six decimals, no exponent, no locale.
    if (qso.qrg > 0)
        appendField(record, QLatin1String("freq"), QString::number(qso.qrg / 1000.0, 'f', 6));
}

void appendModeFields(QString &record, const QString &mode, const ModesList &modes)
{
    const std::optional<QString> adifMode = modes.logModeToAdifMode(mode);
    if (adifMode) {
        record += QLatin1Char(' ');
        appendField(record, QLatin1String("mode"), *adifMode);
    }
    if (!adifMode || adifMode->compare(mode, Qt::CaseInsensitive) != 0) {
        record += QLatin1Char(' ');
        appendField(record, QLatin1String("submode"), mode);
    }
}

void appendAdifRecord(QString &record, const QsoClass &qso, const RecordContext &context)
{
    const qsizetype start = record.size();
    appendField(record, QLatin1String("call"), qso.callsign);
    appendDateAndTime(record, qso);
    appendBand(record, qso);
    appendFrequency(record, qso);
    if (qso.mode.size() >= 2 && !context.modes.logModeToAdifMode(qso.mode) &&
        qso.extraFields.contains(u"submode")) {
        // A mode the list does not know, with the SUBMODE its record came with: written as MODE,
        // so that the SUBMODE is not lost for it.
        record += QLatin1Char(' ');
        appendField(record, QLatin1String("mode"), qso.mode);
    } else if (qso.mode.size() >= 2) {
        appendModeFields(record, qso.mode, context.modes);
    }
    appendWhenTwoOrMore(record, QLatin1String("rst_sent"), qso.rsttx);
    appendWhenTwoOrMore(record, QLatin1String("rst_rcvd"), qso.rstrx);
    appendQslFields(record, qso, context.dateStyle);
    appendWhenTwoOrMore(record, QLatin1String("state"), qso.state);
    if (qso.adif != 0)
        appendField(record, QLatin1String("dxcc"), QString::number(std::abs(qso.adif)));
    if (leadingInteger(qso.cq) > 0)
        appendField(record, QLatin1String("cqz"), qso.cq);
    if (leadingInteger(qso.itu) > 0)
        appendField(record, QLatin1String("ituz"), qso.itu);
    appendWhenNotEmpty(record, QLatin1String("name"), qso.name);
    appendWhenNotEmpty(record, QLatin1String("qth"), qso.qth);
    appendWhenNotEmpty(record, QLatin1String("comment"), qso.note);
    appendWhenNotEmpty(record, QLatin1String("qsl_via"), qso.manager);
    // Eight characters are as much locator as ADIF's gridsquare takes.
    appendWhenNotEmpty(record, QLatin1String("gridsquare"), qso.locator.left(8));
    appendWhenNotEmpty(record, QLatin1String("iota"), qso.iota);
    appendWhenNotEmpty(record, QLatin1String("cnty"), qso.county);
    if (const QString watts = txPower(qso.power); !watts.isEmpty())
        appendField(record, QLatin1String("tx_pwr"), watts);
    appendWhenNotEmpty(record, QLatin1String("app_tarvex_power"), qso.power);
    if (!qso.satName.isEmpty())
        appendSatellite(record, qso);
    appendServiceStatus(record, qso);
    appendWhenNotEmpty(record, QLatin1String("pfx"), qso.prefix);
    if (qso.clublog == QLatin1String("X"))
        appendField(record, QLatin1String("clublog_qso_upload_status"), QStringLiteral("Y"));
    else if (qso.clublog == QLatin1String("W") || qso.clublog == QLatin1String("Q"))
        appendField(record, QLatin1String("clublog_qso_upload_status"), QStringLiteral("M"));
    const QString userFields[] = {qso.user_1, qso.user_2, qso.user_3, qso.user_4};
    for (int i = 0; i < 4; ++i)
        if (!userFields[i].isEmpty())
            appendField(record, context.userFieldNames.value(i), userFields[i]);
    if (qso.colorCode >= 0 && qso.colorCode <= 9)
        appendField(record, QLatin1String("app_tarvex_colorcode"), QString::number(qso.colorCode));
    appendExtraFields(record, start, qso);
    record += QLatin1String("<eor>\n");
}

QString makeAdifRecord(const QsoClass &qso, const RecordContext &context)
{
    QString record;
    record.reserve(600);
    appendAdifRecord(record, qso, context);
    return record;
}

QString makeADIF4eQSLfromQSO(const QsoClass &qso)
{
    QString record;
    appendField(record, QLatin1String("call"), qso.callsign);
    appendDateAndTime(record, qso);
    appendBand(record, qso);
    appendWhenTwoOrMore(record, QLatin1String("mode"), qso.mode);
    appendWhenTwoOrMore(record, QLatin1String("rst_sent"), qso.rsttx);
    appendWhenTwoOrMore(record, QLatin1String("qslmsg"), qso.note);
    record += QLatin1String("  <eor>");
    return record;
}

QString exportHeader()
{
    return QStringLiteral("%1\n%2\n<adif_ver:5>3.0.7\n<programid:%3>%4\n<eoh>\n\n")
        .arg(QLatin1String(kBannerLine), QLatin1String(kWebSiteLine))
        .arg(qstrlen(kProgramId))
        .arg(QLatin1String(kProgramId));
}

QString exportText(const QList<QsoClass> &qsos, const RecordContext &context)
{
    QString text = exportHeader();
    for (const QsoClass &qso : qsos)
        appendAdifRecord(text, qso, context);
    return text;
}

} // namespace adif
