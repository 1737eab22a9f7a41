#include "model/QslSession.h"

#include "app/Diagnostics.h"
#include "model/DxInfo.h"
#include "model/QsoRow.h"

#include <QFileInfo>

#include <algorithm>
#include <cstdlib>

namespace {

// The columns a QSL download may write; a column name cannot be a parameter.
const QStringList kWritableColumns = {
    QStringLiteral("lotwqsl"), QStringLiteral("eqsl"),     QStringLiteral("clublog"),
    QStringLiteral("cq"),      QStringLiteral("itu"),      QStringLiteral("cnt"),
    QStringLiteral("dxcc"),    QStringLiteral("dxccadif"), QStringLiteral("iota"),
    QStringLiteral("state"),   QStringLiteral("county"),   QStringLiteral("locator"),
};

} // namespace

QslSession::QslSession(const QString &path, formats::DateStyle style) : m_path(path), m_style(style)
{
    const int rc = m_database.open(path, db::Database::Mode::ReadWrite);
    if (rc != 0) {
        diag(QStringLiteral("Failed to open logbook database: %1").arg(rc));
        m_error = QStringLiteral("%1 could not be opened: %2")
                      .arg(QFileInfo(path).fileName(), db::Database::describe(rc));
        return;
    }
    // A report touches QSOs all over the file: with SQLite's small default cache every match
    // and mark would read its pages again, and changed pages would be written out mid-run.
    m_database.exec(QStringLiteral("pragma cache_size=-131072"));
    // The write lock at the start: another program writing meanwhile waits for us or we for it,
    // and nothing read for matching changes under the run.
    if (!m_database.exec(QStringLiteral("begin immediate transaction"))) {
        m_error = m_database.errorMessage();
        return;
    }
    m_open = true;
}

QslSession::~QslSession()
{
    m_statements.clear();
    if (m_open)
        m_database.exec(QStringLiteral("rollback transaction"));
}

db::Statement &QslSession::statement(const QString &sql)
{
    auto it = m_statements.find(sql);
    if (it == m_statements.end())
        it = m_statements.emplace(sql, m_database.prepare(sql)).first;
    it->second.reset();
    return it->second;
}

WriteResult QslSession::failed(const QString &what)
{
    const QString error = m_database.errorMessage();
    diag(what + error);
    return WriteResult::failed(error);
}

std::optional<qint64> QslSession::secondsOf(QStringView text)
{
    if (text.size() != 19 || text.at(4) != u'-' || text.at(7) != u'-' || text.at(10) != u' ' ||
        text.at(13) != u':' || text.at(16) != u':')
        return std::nullopt;
    const auto number = [text](qsizetype from, qsizetype length) {
        bool ok = false;
        const int value = text.mid(from, length).toInt(&ok);
        return ok ? value : -1;
    };
    const QDate day(number(0, 4), number(5, 2), number(8, 2));
    const int h = number(11, 2);
    const int m = number(14, 2);
    const int s = number(17, 2);
    if (!day.isValid() || h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59)
        return std::nullopt;
    return (day.toJulianDay() - QDate(1970, 1, 1).toJulianDay()) * 86400 + h * 3600 + m * 60 + s;
}

QList<QslSession::Near> QslSession::qsosBetween(const QDateTime &after, const QDateTime &before,
                                                const QString &band)
{
    // "+band" keeps SQLite on the time index: a band holds a large share of the logbook, the
    // window a handful of QSOs.
    db::Statement &select =
        statement(QStringLiteral("select id, callsign, datetime, lotwqsl, eqsl, mode from logbook "
                                 "where datetime>? and datetime<? and +band=?"));
    select.bind(1, formats::sqlDateTime(after)).bind(2, formats::sqlDateTime(before)).bind(3, band);
    QList<Near> qsos;
    while (select.step()) {
        const std::optional<qint64> seconds = secondsOf(select.text(2));
        if (!seconds)
            continue;
        qsos.append({select.int64(0), select.text(1), *seconds, select.text(3), select.text(4),
                     select.text(5)});
    }
    if (select.failed())
        diag(QStringLiteral("Error reading logbook: ") + m_database.errorMessage());
    return qsos;
}

std::optional<QsoClass> QslSession::qsoById(qint64 id)
{
    db::Statement &select = statement(QStringLiteral("select * from logbook where id=?"));
    select.bind(1, id);
    if (!select.step())
        return std::nullopt;
    return qsorow::readRow(select, m_style);
}

WriteResult QslSession::setField(const QsoClass &qso, const QString &column, const QString &value)
{
    if (!kWritableColumns.contains(column))
        return WriteResult::failed(QStringLiteral("No such column: ") + column);
    db::Statement &update =
        statement(QStringLiteral("update logbook set %1=? where id=?").arg(column));
    if (!qso.isStored())
        return WriteResult::notStored();
    update.bind(1, value).bind(2, *qso.id);
    if (!update.run())
        return failed(QStringLiteral("Error while updating logbook: "));
    if (m_database.changes() == 0)
        return WriteResult::failed(QStringLiteral("No QSO with id %1").arg(*qso.id));
    m_change.add(*qso.id, qso.adif);
    if (m_talliesLoaded &&
        (column == QLatin1String("locator") || column == QLatin1String("iota"))) {
        tally(qso, -1);
        QsoClass moved = qso;
        (column == QLatin1String("locator") ? moved.locator : moved.iota) = value;
        tally(moved, 1);
    }
    return WriteResult::stored();
}

WriteResult QslSession::markLotwConfirmed(const QsoClass &qso)
{
    db::Statement &update =
        statement(QStringLiteral("update logbook set lotwqsl='X', clublog='W' where id=?"));
    if (!qso.isStored())
        return WriteResult::notStored();
    update.bind(1, *qso.id);
    if (!update.run())
        return failed(QStringLiteral("Error while updating logbook: "));
    if (m_database.changes() == 0)
        return WriteResult::failed(QStringLiteral("No QSO with id %1").arg(*qso.id));
    m_change.add(*qso.id, qso.adif);
    if (m_talliesLoaded && !dxinfo::lotwConfirmed(qso)) {
        tally(qso, -1);
        QsoClass confirmed = qso;
        confirmed.lotwqsl = QStringLiteral("X");
        tally(confirmed, 1);
    }
    return WriteResult::stored();
}

bool QslSession::fillTemporary(const QString &table, const QString &columns, qsizetype count,
                               const std::function<void(db::Statement &, qsizetype)> &row)
{
    // Made inside the transaction: a rollback takes it away again.
    if (!m_database.exec(
            QStringLiteral("create temp table if not exists %1 (%2)").arg(table, columns)) ||
        !m_database.exec(QStringLiteral("delete from temp.%1").arg(table)))
        return false;
    const qsizetype values = columns.count(QLatin1Char(',')) + 1;
    QStringList marks(values, QStringLiteral("?"));
    db::Statement &insert = statement(QStringLiteral("insert or replace into temp.%1 values (%2)")
                                          .arg(table, marks.join(QLatin1Char(','))));
    for (qsizetype i = 0; i < count; ++i) {
        insert.reset();
        row(insert, i);
        if (!insert.run())
            return false;
    }
    return true;
}

WriteResult QslSession::setMarks(const QString &column, const QList<Mark> &marks)
{
    if (column != QLatin1String("eqsl") && column != QLatin1String("clublog"))
        return WriteResult::failed(QStringLiteral("No such column: ") + column);
    if (marks.isEmpty())
        return WriteResult::stored();
    if (!fillTemporary(QStringLiteral("qsl_marks"), QStringLiteral("id INTEGER PRIMARY KEY, value"),
                       marks.size(), [&marks](db::Statement &insert, qsizetype i) {
                           insert.bind(1, marks.at(i).id).bind(2, marks.at(i).value);
                       }))
        return failed(QStringLiteral("Error while updating logbook: "));
    // One letter for all (a Club Log upload) needs no look-up per row.
    const QString &first = marks.constFirst().value;
    const bool same = std::all_of(marks.cbegin(), marks.cend(),
                                  [&first](const Mark &mark) { return mark.value == first; });
    const QString value =
        same ? QStringLiteral("?")
             : QStringLiteral("(select value from temp.qsl_marks m where m.id=logbook.id)");
    db::Statement &update = statement(
        QStringLiteral("update logbook set %1=%2 where id in (select id from temp.qsl_marks)")
            .arg(column, value));
    if (same)
        update.bind(1, first);
    if (!update.run())
        return failed(QStringLiteral("Error while updating logbook: "));
    const int changed = m_database.changes();
    db::Statement &count = statement(QStringLiteral("select count(*) from temp.qsl_marks"));
    if (!count.step())
        return failed(QStringLiteral("Error while updating logbook: "));
    if (changed != count.int64(0)) {
        db::Statement &missing = statement(QStringLiteral(
            "select id from temp.qsl_marks where id not in (select id from logbook) limit 1"));
        const qint64 id = missing.step() ? missing.int64(0) : 0;
        return WriteResult::failed(QStringLiteral("No QSO with id %1").arg(id));
    }
    for (const Mark &mark : marks)
        m_change.add(mark.id, mark.adif);
    return WriteResult::stored();
}

bool QslSession::forEachQso(const QList<qint64> &ids, const QStringList &columns,
                            const std::function<void(const QsoClass &)> &visit)
{
    if (ids.isEmpty())
        return true;
    if (!fillTemporary(QStringLiteral("qsl_ids"), QStringLiteral("id INTEGER PRIMARY KEY"),
                       ids.size(),
                       [&ids](db::Statement &insert, qsizetype i) { insert.bind(1, ids.at(i)); })) {
        diag(QStringLiteral("Error reading logbook: ") + m_database.errorMessage());
        return false;
    }
    db::Statement &select =
        statement(QStringLiteral("select %1 from logbook where id in (select id from temp.qsl_ids)")
                      .arg(qsorow::onlyColumns(columns)));
    while (select.step())
        visit(qsorow::readRow(select, m_style));
    if (select.failed()) {
        diag(QStringLiteral("Error reading logbook: ") + m_database.errorMessage());
        return false;
    }
    return true;
}

bool QslSession::unchangedSince(const db::FileStamp &stamp)
{
    db::Statement &mode = statement(QStringLiteral("pragma journal_mode"));
    if (!mode.step() || mode.text(0).compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0)
        return false;
    // Under the write lock: no other program can commit between this look and the marks.
    return db::FileStamp::of(m_path) == stamp;
}

std::optional<QString> QslSession::storedDxInfo(int adif)
{
    db::Statement &select =
        statement(QStringLiteral("select info from dxlist where dxccadif=? limit 1"));
    select.bind(1, std::abs(adif));
    if (!select.step())
        return std::nullopt;
    return select.text(0);
}

QString QslSession::group60m(int adif)
{
    db::Statement &select = statement(
        QStringLiteral("select mode, qsl, lotwqsl from logbook where band='60m' and dxccadif=? "
                       "group by qsl, mode, lotwqsl"));
    select.bind(1, adif);
    QList<QsoClass> qsos;
    while (select.step()) {
        QsoClass qso;
        qso.band = QStringLiteral("60m");
        qso.mode = select.text(0);
        qso.qsl = select.text(1);
        qso.lotwqsl = select.text(2);
        qsos.append(qso);
    }
    return dxinfo::group60mFromQsos(qsos);
}

QString QslSession::squareKey(const QString &locator, const QString &band)
{
    return locator.left(4).toUpper() + QLatin1Char('|') + band;
}

void QslSession::loadTallies()
{
    if (m_talliesLoaded)
        return;
    m_talliesLoaded = true;
    // One pass instead of a walk through a popular square's or island's QSOs for every QSL.
    db::Statement select = m_database.prepare(
        QStringLiteral("select locator, band, iota, qsl in ('R','X','G'), lotwqsl='X' from logbook "
                       "where length(locator)>=4 or length(iota)=6"));
    while (select.step()) {
        QsoClass qso;
        qso.locator = select.text(0);
        qso.band = select.text(1);
        qso.iota = select.text(2);
        qso.qsl = select.int64(3) ? QStringLiteral("R") : QString();
        qso.lotwqsl = select.int64(4) ? QStringLiteral("X") : QString();
        tally(qso, 1);
    }
}

void QslSession::tally(const QsoClass &qso, int step)
{
    const auto count = [&](Tally &t) {
        t.any += step;
        t.paper += dxinfo::paperConfirmed(qso) ? step : 0;
        t.lotw += dxinfo::lotwConfirmed(qso) ? step : 0;
    };
    // "like 'JO31%'" ignores ASCII case; "iota =" does not.
    if (qso.locator.size() >= 4)
        count(m_squares[squareKey(qso.locator, qso.band)]);
    if (qso.iota.size() == 6)
        count(m_islands[qso.iota]);
}

QString QslSession::statusOf(const Tally &t)
{
    if (t.any <= 0)
        return QStringLiteral("-");
    const bool paper = t.paper > 0;
    const bool lotw = t.lotw > 0;
    return paper && lotw ? QStringLiteral("X")
           : lotw        ? QStringLiteral("L")
           : paper       ? QStringLiteral("P")
                         : QStringLiteral("W");
}

QString QslSession::iotaStatus(const QString &reference)
{
    if (reference.size() != 6)
        return {};
    loadTallies();
    return statusOf(m_islands.value(reference));
}

QString QslSession::locatorStatus(const QString &locator, const QString &band)
{
    if (locator.size() < 4)
        return {};
    loadTallies();
    return statusOf(m_squares.value(squareKey(locator, band)));
}

WriteResult QslSession::refreshDxInfo(int adif, const QString &dxcc)
{
    adif = std::abs(adif);
    if (adif == 0)
        return WriteResult::stored();
    db::Statement &select = statement(
        QStringLiteral("select band, mode, qsl, lotwqsl from logbook where abs(dxccadif)=? "
                       "group by band, mode, qsl, lotwqsl"));
    select.bind(1, adif);
    const QList<QsoClass> rows = qsorow::readSlots(select);
    const QString info = rows.isEmpty() ? QString() : dxinfo::infoFromQsos(rows);
    QString prefix = dxcc;
    if (prefix.isEmpty()) {
        // An entity the caller does not know: its QSOs say which prefix it goes by.
        db::Statement &known = statement(
            QStringLiteral("select dxcc from logbook where abs(dxccadif)=? and dxcc<>'' limit 1"));
        known.bind(1, adif);
        if (known.step())
            prefix = known.text(0);
    }
    db::Statement &replace =
        statement(QStringLiteral("REPLACE INTO dxlist (dxcc,info,dxccadif) VALUES (?,?,?)"));
    replace.bind(1, prefix).bind(2, info).bind(3, adif);
    if (!replace.run())
        return failed(QStringLiteral("Error saving DX Info String: "));
    return WriteResult::stored();
}

WriteResult QslSession::setPref(const QString &entry, const QString &value)
{
    db::Statement &replace =
        statement(QStringLiteral("replace into prefs (value, entry) VALUES (?,?)"));
    replace.bind(1, value).bind(2, entry);
    if (!replace.run())
        return failed(QStringLiteral("Error while updating field in logbook: "));
    return WriteResult::stored();
}

WriteResult QslSession::commit()
{
    if (!m_open)
        return WriteResult::failed(m_error);
    m_statements.clear();
    if (!m_database.exec(QStringLiteral("commit transaction")))
        return failed(QStringLiteral("Error while updating logbook: "));
    m_open = false;
    return WriteResult::stored();
}
