#include "adif/AdifRecordReader.h"

#include "adif/AdifColumns.h"
#include "adif/AdifText.h"
#include "model/AdifWriter.h"
#include "refdata/Bands.h"

#include <QLocale>
#include <QSet>
#include <QTimeZone>

#include <algorithm>
#include <cstdlib>

namespace adif {
namespace {

bool isLowerAscii(QStringView name)
{
    return std::all_of(name.begin(), name.end(),
                       [](QChar c) { return c.unicode() < 128 && !(c >= u'A' && c <= u'Z'); });
}

class Fields {
public:
    explicit Fields(const QList<AdifFieldValue> &fields) : m_fields(fields) {}
    [[nodiscard]] QString operator()(QStringView name) const
    {
        // Names as read are in lower case: a name asked in lower case is found by comparing
        // exactly, which is much cheaper than without case for the dozens asked per record.
        if (!isLowerAscii(name))
            return fieldValue(m_fields, name);
        for (const AdifFieldValue &field : m_fields)
            if (field.name == name)
                return field.value;
        return {};
    }
    [[nodiscard]] QString upper(QStringView name) const { return (*this)(name).toUpper(); }

private:
    QList<AdifFieldValue> m_fields;
};

bool isYes(const QString &value, bool verifiedCounts)
{
    return value == QLatin1String("Y") || (verifiedCounts && value == QLatin1String("V"));
}

/** Date and time; false when they are missing or not a real instant. */
bool readDateTime(const Fields &field, QsoClass &qso)
{
    const QString date = field(u"qso_date");
    QString time = field(u"time_on");
    if (time.size() < 4)
        time = field(u"time_off");
    if (time.size() == 4)
        time += QLatin1String("00");
    if (date.size() < 4 || time.size() < 6)
        return false;
    // A text of the right length may still be no instant ("20230231", "2561"): refuse it too.
    const QDate day = QDate::fromString(date, QLatin1String(formats::kAdifDate));
    const QTime clock = QTime::fromString(time, QLatin1String(formats::kAdifTime));
    if (!day.isValid() || !clock.isValid())
        return false;
    const QDateTime instant(day, clock, QTimeZone::utc());
    qso.dateTime = instant;
    return true;
}

void readBandAndFrequency(const Fields &field, QsoClass &qso, const refdata::BandTable &bands)
{
    qso.band = field(u"band").toLower();
    bool ok = false;
    const double mhz = QLocale::c().toDouble(field(u"freq").trimmed(), &ok);
    qso.qrg = ok && mhz > 0 ? mhz * 1000.0 : 0.0;
    if (qso.band.isEmpty() && qso.qrg > 0)
        qso.band = refdata::qrg2mBand(bands, qso.qrg);
    else if (!qso.band.isEmpty() && qso.qrg == 0)
        qso.qrg = refdata::mBand2qrg(qso.band);
}

/** QSL dates to SQL date-times; true when the date was there. */
bool readQslDate(const QString &adifDate, QString &stored)
{
    if (adifDate.size() < 2)
        return false;
    const QDate date = QDate::fromString(adifDate, QLatin1String(formats::kAdifDate));
    if (!date.isValid())
        return false;
    stored = formats::sqlDateTime(date.startOfDay(QTimeZone::utc()));
    return true;
}

void readEntity(const Fields &field, QsoClass &qso, EntityLookup &entities)
{
    qso.adif = static_cast<qint32>(leadingInteger(field(u"dxcc")));
    qso.cq = field(u"cqz");
    qso.itu = field(u"ituz");
    AdifEntity entity;
    if (qso.adif < 1) {
        entity = entities.resolve(qso.callsign, qso.dateTime);
        qso.adif = entity.adif;
    } else {
        entity = entities.byNumber(qso.adif);
    }
    // The lookup answers a negative number for an operation that does not count.
    qso.opIsValid = qso.adif >= 0;
    qso.adif = std::abs(qso.adif);
    qso.cnt = entity.cnt;
    if (qso.cq.isEmpty())
        qso.cq = QString::number(entity.cq);
    if (qso.itu.isEmpty())
        qso.itu = QString::number(entity.itu);
    qso.dxcc = entity.dxcc;
    if (qso.iota.size() < 6)
        qso.iota = entity.iota;
}

void readPaperQsl(const Fields &field, QsoClass &qso, bool dateReceived, bool dateSent)
{
    qso.qsl = field(u"app_tarvex_qsl");
    if (!qso.qsl.isEmpty())
        return;
    const QString sentField = field.upper(u"qsl_sent");
    const bool received = dateReceived || isYes(field.upper(u"qsl_rcvd"), true);
    const bool sent = dateSent || sentField == QLatin1String("Y");
    if (received && sent)
        qso.qsl = QStringLiteral("X");
    else if (received)
        qso.qsl = QStringLiteral("R");
    else if (sent)
        qso.qsl = QStringLiteral("S");
    else
        qso.qsl = sentField == QLatin1String("R") ? QStringLiteral("W") : QStringLiteral("-");
}

void readServices(const Fields &field, QsoClass &qso)
{
    if (isYes(field.upper(u"lotw_qsl_rcvd"), true))
        qso.lotwqsl = QStringLiteral("X");
    else if (isYes(field.upper(u"lotw_qsl_sent"), false))
        qso.lotwqsl = QStringLiteral("S");
    else
        qso.lotwqsl = QStringLiteral("W");

    const bool sent = isYes(field.upper(u"eqsl_qsl_sent"), false);
    const bool received = isYes(field.upper(u"eqsl_qsl_rcvd"), false);
    qso.eqsl = sent && received ? QStringLiteral("X")
               : sent           ? QStringLiteral("S")
               : received       ? QStringLiteral("R")
                                : QStringLiteral("W");

    qso.clublog = field(u"clublog_qso_upload_status") == QLatin1String("Y") ? QStringLiteral("X")
                                                                            : QStringLiteral("W");
}

/** The stored mode from MODE and SUBMODE (see AdifRecordReader.h); true when the SUBMODE is in
 *  it, so that an export writes it again. */
bool readMode(const Fields &field, const ModesList *modes, QsoClass &qso)
{
    const QString mode = field(u"mode");
    const QString submode = field(u"submode");
    // Our own export writes only SUBMODE for a mode the modes list does not know; reading it
    // back must not refuse those QSOs.
    if (mode.isEmpty()) {
        qso.mode = submode;
        return !submode.isEmpty();
    }
    const std::optional<QString> modeOfSubmode =
        modes && !submode.isEmpty() ? modes->logModeToAdifMode(submode) : std::nullopt;
    const bool belongs = modeOfSubmode && modeOfSubmode->compare(mode, Qt::CaseInsensitive) == 0;
    qso.mode = belongs ? submode : mode;
    return belongs;
}

/** What the record's QSO holds in the logbook's columns beyond the fields always taken: which of
 *  the fields taken only in some records were taken in this one. */
struct Taken {
    bool submode = false;
    bool qslSentDate = false;
    bool qslReceivedDate = false;
};

/** Whether an export writes this field of the record from the QSO's columns. */
bool isTaken(const AdifFieldValue &field, const QsoClass &qso, const Taken &taken,
             const QStringList &userFieldNames)
{
    const QString &name = field.name;
    if (hasColumn(name))
        return true;
    if (name == u"submode")
        return taken.submode;
    if (name == u"qslsdate")
        return taken.qslSentDate;
    if (name == u"qslrdate")
        return taken.qslReceivedDate;
    if (name == u"state" || name == u"rst_sent" || name == u"rst_rcvd")
        return field.value.size() >= 2;
    if (name == u"cqz" || name == u"ituz")
        return leadingInteger(field.value) > 0;
    if (name == u"dxcc")
        return qso.adif != 0;
    if (name == u"tx_pwr")
        return !txPower(qso.power).isEmpty();
    if (name == u"sat_mode" || name == u"band_rx")
        return !qso.satName.isEmpty();
    if (name == u"prop_mode")
        return !qso.satName.isEmpty() && field.value.compare(u"SAT", Qt::CaseInsensitive) == 0;
    return userFieldNames.contains(name, Qt::CaseInsensitive);
}

/** A type indicator is one letter ("S", "N", "D", …); anything else is not kept. */
QString typeIndicator(const QString &written)
{
    return written.size() == 1 && written.at(0).isLetter() && written.at(0).unicode() < 128
               ? written
               : QString();
}

/** Every field the columns do not hold goes into the QSO's extra fields; the first of a name
 *  counts, as for the columns. */
void keepOtherFields(const AdifRecord &record, const Taken &taken,
                     const QStringList &userFieldNames, QsoClass &qso)
{
    // A later field of a name given before with a value is no field (even when the earlier one
    // went into a column): kept, it would be written beside the column's and read back as nothing.
    QSet<QString> given;
    for (const AdifFieldValue &field : record.fields) {
        if (field.value.isEmpty())
            continue;
        if (given.contains(field.name))
            continue;
        given.insert(field.name);
        if (isTaken(field, qso, taken, userFieldNames) || qso.extraFields.contains(field.name))
            continue;
        qso.extraFields.set(field.name, field.value, typeIndicator(field.type));
    }
}

} // namespace

ReadRecord readAdifRecord(const QString &record, ReaderContext &context)
{
    return readAdifRecord(AdifRecord{record, parseFields(record), {}}, context);
}

ReadRecord readAdifRecord(const AdifRecord &record, ReaderContext &context)
{
    const Fields field(record.fields);
    ReadRecord result;
    QsoClass &qso = result.qso;

    qso.callsign = field(u"call");
    qso.prefix = field(u"pfx");
    if (qso.prefix.isEmpty())
        qso.prefix = context.entities.prefix(qso.callsign);
    const bool dateTimeFound = readDateTime(field, qso);
    readBandAndFrequency(field, qso, context.bands);

    Taken taken;
    taken.submode = readMode(field, context.modes, qso);
    qso.rstrx = field(u"rst_rcvd");
    qso.rsttx = field(u"rst_sent");
    qso.locator = field(u"gridsquare");
    qso.state = field(u"state");
    qso.manager = field(u"qsl_via");
    qso.iota = field(u"iota");
    qso.name = field(u"name");
    qso.qth = field(u"qth");
    qso.county = field(u"cnty");
    qso.colorCode = leadingInteger(field(u"app_tarvex_colorcode"));
    qso.power = field(u"app_tarvex_power");
    if (qso.power.isEmpty())
        qso.power = field(u"tx_pwr");
    qso.note = field(u"comment");
    qso.satName = field(u"sat_name");
    qso.satMode = field(u"sat_mode");
    qso.satRxband = field(u"band_rx");

    taken.qslSentDate = readQslDate(field(u"qslsdate"), qso.qslOutDate);
    taken.qslReceivedDate = readQslDate(field(u"qslrdate"), qso.qslInDate);
    if (dateTimeFound)
        readEntity(field, qso, context.entities);
    readPaperQsl(field, qso, taken.qslReceivedDate, taken.qslSentDate);
    readServices(field, qso);

    QString *userFields[] = {&qso.user_1, &qso.user_2, &qso.user_3, &qso.user_4};
    for (int i = 0; i < 4; ++i)
        *userFields[i] = field(context.userFieldNames.value(i));
    keepOtherFields(record, taken, context.userFieldNames, qso);

    if (!dateTimeFound)
        result.errors << QStringLiteral("Date or time not found: ");
    if (qso.callsign.size() < 3)
        result.errors << QStringLiteral("Callsign not found: ");
    if (qso.mode.size() < 2)
        result.errors << QStringLiteral("Operating Mode not found: ");
    if (result.errors.isEmpty() && qso.band.size() <= 2 && qso.qrg == 0)
        result.errors << QStringLiteral("Frequency not found: ");
    // A field that could not be read would be lost or changed: the record is refused for it.
    result.errors = record.problems + result.errors;
    return result;
}

} // namespace adif
