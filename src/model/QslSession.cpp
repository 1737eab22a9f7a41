#include "model/QslSession.h"

#include "app/Diagnostics.h"
#include "model/DxInfo.h"
#include "model/QsoRow.h"

#include <QFileInfo>

#include <cstdlib>

namespace {

// The columns a QSL download may write; a column name cannot be a parameter.
const QStringList kWritableColumns = {
    QStringLiteral("lotwqsl"), QStringLiteral("eqsl"),     QStringLiteral("clublog"),
    QStringLiteral("cq"),      QStringLiteral("itu"),      QStringLiteral("cnt"),
    QStringLiteral("dxcc"),    QStringLiteral("dxccadif"), QStringLiteral("iota"),
    QStringLiteral("state"),   QStringLiteral("county"),   QStringLiteral("locator"),
};

const QString kPaper = QStringLiteral(" and (qsl='R' or qsl='X' or qsl='G')");
const QString kLotw = QStringLiteral(" and lotwqsl='X'");

QString startsWithPattern(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('%'), QLatin1String("\\%"));
    text.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return text + QLatin1Char('%');
}

} // namespace

QslSession::QslSession(const QString &path, formats::DateStyle style) : m_style(style)
{
    const int rc = m_database.open(path, db::Database::Mode::ReadWrite);
    if (rc != 0) {
        diag(QStringLiteral("Failed to open logbook database: %1").arg(rc));
        m_error = QStringLiteral("%1 could not be opened: %2")
                      .arg(QFileInfo(path).fileName(), db::Database::describe(rc));
        return;
    }
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

QList<QsoClass> QslSession::qsosBetween(const QDateTime &after, const QDateTime &before,
                                        const QString &band)
{
    // "+band" keeps SQLite on the time index: a band holds a large share of the logbook, the
    // window a handful of QSOs.
    db::Statement &select = statement(QStringLiteral(
        "select * from logbook where datetime>? and datetime<? and +band=? order by id"));
    select.bind(1, formats::sqlDateTime(after)).bind(2, formats::sqlDateTime(before)).bind(3, band);
    QList<QsoClass> qsos;
    while (select.step())
        qsos.append(qsorow::readRow(select, m_style));
    if (select.failed())
        diag(QStringLiteral("Error reading logbook: ") + m_database.errorMessage());
    return qsos;
}

WriteResult QslSession::setField(const QsoClass &qso, const QString &column, const QString &value)
{
    if (!kWritableColumns.contains(column))
        return WriteResult::failed(QStringLiteral("No such column: ") + column);
    db::Statement &update =
        statement(QStringLiteral("update logbook set %1=? where id=?").arg(column));
    update.bind(1, value).bind(2, qso.rowid);
    if (!update.run())
        return failed(QStringLiteral("Error while updating logbook: "));
    if (m_database.changes() == 0)
        return WriteResult::failed(QStringLiteral("No QSO with id %1").arg(qso.rowid));
    return WriteResult::stored();
}

WriteResult QslSession::markLotwConfirmed(const QsoClass &qso)
{
    db::Statement &update =
        statement(QStringLiteral("update logbook set lotwqsl='X', clublog='W' where id=?"));
    update.bind(1, qso.rowid);
    if (!update.run())
        return failed(QStringLiteral("Error while updating logbook: "));
    if (m_database.changes() == 0)
        return WriteResult::failed(QStringLiteral("No QSO with id %1").arg(qso.rowid));
    return WriteResult::stored();
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

bool QslSession::exists(const QString &sql, std::initializer_list<QVariant> values)
{
    db::Statement &select = statement(sql + QStringLiteral(" limit 1"));
    select.bindAll(values);
    return select.step();
}

QString QslSession::summary(const QString &sql, std::initializer_list<QVariant> values)
{
    if (!exists(sql, values))
        return QStringLiteral("-");
    const bool paper = exists(sql + kPaper, values);
    const bool lotw = exists(sql + kLotw, values);
    return paper && lotw ? QStringLiteral("X")
           : lotw        ? QStringLiteral("L")
           : paper       ? QStringLiteral("P")
                         : QStringLiteral("W");
}

QString QslSession::iotaStatus(const QString &reference)
{
    if (reference.size() != 6)
        return {};
    return summary(QStringLiteral("select id from logbook where iota=?"), {reference});
}

QString QslSession::locatorStatus(const QString &locator, const QString &band)
{
    if (locator.size() < 4)
        return {};
    return summary(
        QStringLiteral("select id from logbook where locator like ? escape '\\' and band=?"),
        {startsWithPattern(locator.left(4)), band});
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
    QList<QsoClass> rows;
    while (select.step()) {
        QsoClass qso;
        qso.band = select.text(0);
        qso.mode = select.text(1);
        qso.qsl = select.text(2);
        qso.lotwqsl = select.text(3);
        rows.append(qso);
    }
    const QString info = rows.isEmpty() ? QString() : dxinfo::infoFromQsos(rows);
    db::Statement &replace =
        statement(QStringLiteral("REPLACE INTO dxlist (dxcc,info,dxccadif) VALUES (?,?,?)"));
    replace.bind(1, dxcc).bind(2, info).bind(3, adif);
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
