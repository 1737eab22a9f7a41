#include "model/LogListQuery.h"

#include "app/Diagnostics.h"
#include "db/Database.h"
#include "model/ExtraFieldStore.h"
#include "model/QsoRow.h"

namespace {

constexpr int kLast500 = 500;
constexpr int kLast2500 = 2500;

} // namespace

LogListQuery::LogListQuery(QString path, formats::DateStyle style, int rangeCode, int order,
                           int year)
    : m_path(std::move(path)), m_style(style), m_range(effectiveRange(rangeCode)), m_order(order)
{
    if (m_range == ThisYear)
        m_since = QStringLiteral("%1-01-01 00:00:00").arg(year);
    else if (m_range == ThisAndLastYear)
        m_since = QStringLiteral("%1-01-01 00:00:00").arg(year - 1);
}

int LogListQuery::effectiveRange(int rangeCode)
{
    return rangeCode >= Last500 && rangeCode <= All ? rangeCode : Last500;
}

int LogListQuery::rangeLimit() const
{
    if (m_range == Last500)
        return kLast500;
    if (m_range == Last2500)
        return kLast2500;
    return -1;
}

QString LogListQuery::source() const
{
    // The last-n ranges are cut newest first and only then put in the list's order.
    if (rangeLimit() > 0)
        return QStringLiteral("(select * from logbook order by datetime desc limit %1)")
            .arg(rangeLimit());
    return QStringLiteral("logbook");
}

QString LogListQuery::orderBy() const
{
    // Equal keys keep the newest first, as a stable sort of the newest-first list would.
    switch (m_order) {
    case DateAscending:
        return QStringLiteral("datetime, id");
    case ByFrequency:
        // qrg is stored as text ("%.1f"); 7000.0 must come before 14000.0.
        return QStringLiteral("cast(qrg as real), datetime desc, id desc");
    case ByMode:
        return QStringLiteral("mode, datetime desc, id desc");
    case ByCallsign:
        return QStringLiteral("callsign, datetime desc, id desc");
    default:
        return QStringLiteral("datetime desc, id desc");
    }
}

int LogListQuery::count() const
{
    db::Database database;
    if (database.open(m_path, db::Database::Mode::ReadOnly) != 0)
        return 0;
    QString sql = QStringLiteral("select count(*) from ") + source();
    if (!m_since.isEmpty())
        sql += QStringLiteral(" where datetime>=?");
    db::Statement select = database.prepare(sql);
    if (!m_since.isEmpty())
        select.bind(1, m_since);
    if (!select.step()) {
        diag(QStringLiteral("Error while fetching: %1").arg(database.errorMessage()));
        return 0;
    }
    return static_cast<int>(select.int64(0));
}

bool LogListQuery::readAll(qsizetype pageSize, const std::function<bool(QList<QsoClass> &&)> &take,
                           QString *readError) const
{
    db::Database database;
    if (const int rc = database.open(m_path, db::Database::Mode::ReadOnly); rc != 0) {
        *readError = db::Database::describe(rc);
        return false;
    }
    // One read transaction over every page: an edit saved meanwhile is in all of them or none.
    if (!database.exec(QStringLiteral("begin"))) {
        *readError = database.errorMessage();
        return false;
    }
    db::Statement select = database.prepare(this->select(QStringLiteral("*")));
    bindPage(select, 0, -1); // SQLite reads a negative limit as none
    QList<QsoClass> page;
    bool stopped = false;
    bool unread = false;
    // The extra fields come on the same connection, inside the same transaction.
    const auto handOver = [&] {
        unread = !extrafieldstore::load(database, page);
        stopped = unread || !take(std::exchange(page, {}));
    };
    while (!stopped && select.step()) {
        if (page.isEmpty())
            page.reserve(pageSize);
        page.append(qsorow::readRow(select, m_style));
        if (page.size() >= pageSize)
            handOver();
    }
    if (!stopped && !select.failed() && !page.isEmpty())
        handOver();
    if (!unread && !select.failed())
        return true;
    *readError = database.errorMessage();
    diag(QStringLiteral("Error while fetching: %1").arg(*readError));
    return false;
}

QString LogListQuery::select(const QString &columns) const
{
    QString sql = QStringLiteral("select ") + columns + QStringLiteral(" from ") + source();
    if (!m_since.isEmpty())
        sql += QStringLiteral(" where datetime>=?");
    return sql + QStringLiteral(" order by ") + orderBy() + QStringLiteral(" limit ? offset ?");
}

void LogListQuery::bindPage(db::Statement &statement, int offset, int limit) const
{
    int next = 1;
    if (!m_since.isEmpty())
        statement.bind(next++, m_since);
    statement.bind(next, limit);
    statement.bind(next + 1, offset);
}

QList<QsoClass> LogListQuery::rows(int offset, int limit) const
{
    db::Database database;
    if (limit <= 0 || database.open(m_path, db::Database::Mode::ReadOnly) != 0)
        return {};
    db::Statement select = database.prepare(this->select(QStringLiteral("*")));
    bindPage(select, offset, limit);
    QList<QsoClass> qsos;
    qsos.reserve(limit);
    while (select.step())
        qsos.append(qsorow::readRow(select, m_style));
    if (select.failed())
        diag(QStringLiteral("Error while fetching: %1").arg(database.errorMessage()));
    return qsos;
}

bool LogListQuery::ids(int offset, int limit, const std::function<bool(qint64)> &take) const
{
    db::Database database;
    if (limit <= 0)
        return true;
    if (database.open(m_path, db::Database::Mode::ReadOnly) != 0)
        return false;
    // The same statement as the pages', so the ids come in exactly the rows' order.
    db::Statement select = database.prepare(this->select(QStringLiteral("id")));
    bindPage(select, offset, limit);
    while (select.step())
        if (!take(select.int64(0)))
            return true;
    if (select.failed()) {
        diag(QStringLiteral("Error while fetching: %1").arg(database.errorMessage()));
        return false;
    }
    return true;
}
