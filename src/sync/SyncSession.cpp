#include "sync/SyncSession.h"

#include "sync/ServerAddress.h"
#include "sync/ServerApi.h"

#include <QDateTime>

#include <algorithm>

namespace logsync {

SyncSession::SyncSession(QString copyPath, QString password, std::function<qint64()> nowMs)
    : m_copy(std::move(copyPath)), m_password(std::move(password)), m_nowMs(std::move(nowMs))
{}

bool SyncSession::connect(QString *error)
{
    if (m_connection.isOpen())
        return true;
    const std::optional<QMap<QString, QString>> states = m_copy.states(error);
    if (!states) {
        *error = QStringLiteral("The synced log's copy cannot be read: ") + *error;
        return false;
    }
    const QString server = states->value(QStringLiteral("server"));
    m_logbookId = states->value(QStringLiteral("logbookId")).toLongLong();
    if (server.isEmpty() || m_logbookId <= 0) {
        *error = QStringLiteral("This device has not joined a synced logbook");
        return false;
    }
    const auto text = serveraddress::connectionText(
        serveraddress::password(server).isEmpty() ? serveraddress::withPassword(server, m_password)
                                                  : server,
        error, std::clamp(m_replyTimeoutMs / 1000, 2, 15));
    if (!text || !m_connection.open(*text, error))
        return false;
    m_connection.setReplyTimeout(m_replyTimeoutMs);
    return true;
}

SyncReport SyncSession::run()
{
    SyncReport report;
    // A copy made by an older version gets its bookkeeping brought up to date, once.
    m_upgraded = m_upgraded || m_copy.upgrade(&report.error);
    const bool done = m_upgraded && connect(&report.error) && checkServer(report) &&
                      pushAll(report) && pullAll(report);
    report.ok = done;
    if (done) {
        m_copy.setState(QStringLiteral("lastSync"),
                        QDateTime::fromMSecsSinceEpoch(m_nowMs(), Qt::UTC).toString(Qt::ISODate));
        m_copy.setState(QStringLiteral("lastError"), QString());
    } else {
        // A broken connection is opened again next round.
        m_connection.close();
        m_copy.setState(QStringLiteral("lastError"), report.error);
    }
    return report;
}

bool SyncSession::checkServer(SyncReport &report)
{
    const qint64 cursor = m_copy.state(QStringLiteral("cursor")).toLongLong();
    const std::optional<bool> holds =
        serverapi::holds(m_connection, m_logbookId, cursor,
                         m_copy.state(QStringLiteral("cursorKey")), &report.error);
    if (!holds)
        return false;
    if (*holds)
        return true;
    // Restored from an older backup, most likely: what this copy has and the server lost goes
    // to it again, and everything is pulled anew.
    report.notice = QStringLiteral("The sync server has lost changes it had (restored from a "
                                   "backup?): this device sends its copy again");
    qWarning("%s", qPrintable(report.notice));
    m_copy.setState(QStringLiteral("notice"), report.notice);
    return m_copy.resendAll(&report.error);
}

bool SyncSession::pushAll(SyncReport &report)
{
    for (;;) {
        const auto batch = m_copy.takeOutbox(kPushPage, m_nowMs(), &report.error);
        if (!batch)
            return false;
        if (batch->isEmpty())
            return true;
        const std::optional<PushResult> pushed =
            serverapi::push(m_connection, m_logbookId, *batch, &report.error);
        if (!pushed || !m_copy.confirmPushed(*batch, *pushed, &report.error))
            return false;
        report.pushed += int(batch->qsos.size() + batch->prefs.size());
    }
}

bool SyncSession::pullAll(SyncReport &report)
{
    for (;;) {
        const qint64 cursor = m_copy.state(QStringLiteral("cursor")).toLongLong();
        const auto page =
            serverapi::pull(m_connection, m_logbookId, cursor, kPullPage, &report.error);
        if (!page)
            return false;
        if (page->qsos.isEmpty() && page->prefs.isEmpty())
            return true;
        const auto applied = m_copy.applyPulled(*page, m_nowMs(), &report.error);
        if (!applied)
            return false;
        report.entities.unite(applied->entities);
        report.ids.unite(applied->ids);
        report.pulled += applied->changed;
        if (!page->more)
            return true;
    }
}

} // namespace logsync
