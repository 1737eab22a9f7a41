#include "model/QsoRow.h"

#include "db/Database.h"
#include "formats/TextCoding.h"

#include <QStringList>

#include <charconv>

namespace qsorow {
namespace {

enum Column {
    Id = 0,
    Date,
    Time,
    Callsign,
    Band,
    Qrg,
    Mode,
    RstTx,
    RstRx,
    Qsl,
    LotwQsl,
    Eqsl,
    Dxcc,
    Cq,
    Itu,
    Cnt,
    State,
    Note,
    Locator,
    Manager,
    QslInDate,
    QslOutDate,
    DateTime,
    Iota,
    SatName,
    SatMode,
    SatRxBand,
    Power,
    DxccAdif,
    Name,
    Qth,
    Prefix,
    County,
    Clublog,
    ArrlCredit,
    User1,
    User2,
    User3,
    User4
};

/** A text column; NULL and the text "(null)" (written by older versions) both read as empty. */
QString textAt(const db::Statement &row, int column)
{
    if (column >= row.columnCount() || row.isNull(column))
        return {};
    QString value = row.text(column);
    if (value == QLatin1String("(null)"))
        return {};
    return value;
}

QString encodedTextAt(const db::Statement &row, int column)
{
    return formats::percentDecode(textAt(row, column));
}

/** A "yyyy-MM-dd" QSL date is shown in the user's style; anything else is kept. */
QString qslDate(const QString &stored, formats::DateStyle style)
{
    if (stored.size() != 10)
        return stored;
    const auto date = formats::parseSqlDate(stored);
    return date ? formats::displayDate(*date, style) : stored;
}

/** The C "%.1f" of the kHz: exact halves round to even (7045.25 → "7045.2") as the C library
 *  does, and the decimal point never follows the process locale. */
QString kHzText(double kHz)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, kHz, std::chars_format::fixed, 1);
    return result.ec == std::errc() ? QString::fromLatin1(buffer, result.ptr - buffer) : QString();
}

/** The 37 columns an update assigns, in order; `clublog` is left as it was. */
const QStringList &updateColumns()
{
    static const QStringList columns = [] {
        QStringList list = QString::fromLatin1(kInsertColumns).split(QLatin1Char(','));
        list.removeAll(QStringLiteral("clublog"));
        return list;
    }();
    return columns;
}

/** The date columns of an update keep their stored texts when the record has no date (a row
 *  whose `datetime` text could not be read): the editor never loses what it could not show. */
bool keepsStoredText(const QString &column)
{
    return column == QLatin1String("date") || column == QLatin1String("time") ||
           column == QLatin1String("datetime");
}

/** Binds one of the date texts. Without a date a new row gets empty texts, and an update binds
 *  NULL, which keeps the stored text. */
void bindDateText(db::Statement &s, int i, const QsoClass &q, const QString &text, bool update)
{
    if (q.dateTime.isValid())
        s.bind(i, text);
    else if (update)
        s.bindNull(i);
    else
        s.bind(i, QString());
}

/** Binds the common values; returns the next free position. */
int bindCommon(db::Statement &s, const QsoClass &q, formats::DateStyle style, bool update)
{
    using formats::percentEncode;
    bindDateText(s, 1, q, q.dateText(style), update);
    bindDateText(s, 2, q, q.timeText(), update);
    int i = 3;
    for (const QString &text :
         {q.callsign, q.band, kHzText(q.qrg), q.mode, q.rsttx, q.rstrx, q.qsl, q.lotwqsl, q.eqsl,
          q.dxcc, q.cq, q.itu, q.cnt, q.state, percentEncode(q.note), q.locator,
          percentEncode(q.manager), q.qslInDate, q.qslOutDate})
        s.bind(i++, text);
    bindDateText(s, i++, q, q.sqlDateTime(), update);
    for (const QString &text : {q.iota, q.satName, q.satMode, q.satRxband, q.power})
        s.bind(i++, text);
    s.bind(i++, q.storedAdif());
    for (const QString &text :
         {percentEncode(q.name), percentEncode(q.qth), q.prefix, percentEncode(q.county),
          percentEncode(q.user_1), percentEncode(q.user_2), percentEncode(q.user_3),
          percentEncode(q.user_4)})
        s.bind(i++, text);
    if (!update)
        s.bind(i++, q.clublog);
    s.bind(i++, q.colorCode);
    return i;
}

} // namespace

QsoClass readRow(const db::Statement &row, formats::DateStyle style)
{
    QsoClass q;
    q.id = row.int64(Id);
    // The instant is the `datetime` column's; the `date` and `time` texts are derived from it.
    if (const auto parsed = formats::parseSqlDateTime(textAt(row, DateTime)))
        q.dateTime = *parsed;

    q.callsign = textAt(row, Callsign);
    q.band = textAt(row, Band);
    q.qrg = row.real(Qrg);
    q.mode = textAt(row, Mode);
    q.rsttx = textAt(row, RstTx);
    q.rstrx = textAt(row, RstRx);
    q.qsl = textAt(row, Qsl);
    q.lotwqsl = textAt(row, LotwQsl);
    q.eqsl = textAt(row, Eqsl);
    q.dxcc = textAt(row, Dxcc);
    q.cq = textAt(row, Cq);
    q.itu = textAt(row, Itu);
    q.cnt = textAt(row, Cnt);
    q.state = textAt(row, State);
    q.note = encodedTextAt(row, Note);
    q.locator = textAt(row, Locator);
    q.manager = encodedTextAt(row, Manager);
    q.qslInDate = qslDate(textAt(row, QslInDate), style);
    q.qslOutDate = qslDate(textAt(row, QslOutDate), style);
    q.iota = textAt(row, Iota);
    q.satName = textAt(row, SatName);
    q.satMode = textAt(row, SatMode);
    q.satRxband = textAt(row, SatRxBand);
    q.power = textAt(row, Power);
    q.setStoredAdif(row.int64(DxccAdif));
    q.name = encodedTextAt(row, Name);
    q.qth = encodedTextAt(row, Qth);
    q.prefix = textAt(row, Prefix);
    q.county = encodedTextAt(row, County);
    q.clublog = textAt(row, Clublog);
    const qint64 color = ArrlCredit < row.columnCount() ? row.int64(ArrlCredit) : 0;
    q.colorCode = (color < 0 || color >= 10) ? 0 : color;
    q.user_1 = encodedTextAt(row, User1);
    q.user_2 = encodedTextAt(row, User2);
    q.user_3 = encodedTextAt(row, User3);
    q.user_4 = encodedTextAt(row, User4);
    return q;
}

QString onlyColumns(const QStringList &wanted)
{
    // Every column of `logbook` in file order (see Column).
    static const QStringList all =
        QStringLiteral(
            "id,date,time,callsign,band,qrg,mode,rsttx,rstrx,qsl,lotwqsl,eqsl,dxcc,cq,itu,cnt,"
            "state,"
            "note,locator,manager,qslindate,qsloutdate,datetime,iota,satname,satmode,satrxband,"
            "power,"
            "dxccadif,name,qth,prefix,county,clublog,arrlcredit,user_1,user_2,user_3,user_4")
            .split(QLatin1Char(','));
    QStringList columns;
    for (const QString &column : all)
        columns << (column == QLatin1String("id") || wanted.contains(column)
                        ? column
                        : QStringLiteral("null"));
    return columns.join(QLatin1Char(','));
}

void bindInsertValues(db::Statement &statement, const QsoClass &qso, formats::DateStyle style)
{
    bindCommon(statement, qso, style, false);
}

QString updateStatement()
{
    QStringList assignments;
    for (const QString &column : updateColumns())
        assignments << (keepsStoredText(column) ? QStringLiteral("%1=coalesce(?,%1)").arg(column)
                                                : column + QStringLiteral("=?"));
    return QStringLiteral("update logbook set ") + assignments.join(QLatin1Char(',')) +
           QStringLiteral(" where id=?");
}

void bindUpdateValues(db::Statement &statement, const QsoClass &edited, qint64 storedId,
                      formats::DateStyle style)
{
    const int next = bindCommon(statement, edited, style, true);
    statement.bind(next, storedId);
}

QList<QsoClass> readSlots(db::Statement &select)
{
    QList<QsoClass> qsos;
    while (select.step()) {
        QsoClass qso;
        qso.band = select.text(0);
        qso.mode = select.text(1);
        qso.qsl = select.text(2);
        qso.lotwqsl = select.text(3);
        qsos.append(qso);
    }
    return qsos;
}

} // namespace qsorow
