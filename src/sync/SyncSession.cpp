#include "sync/SyncSession.h"

#include "sync/ServerAddress.h"
#include "sync/ServerApi.h"

#include <QDateTime>

namespace logsync {

SyncSession::SyncSession(QString copyPath, QString password, std::function<qint64()> nowMs)
    : m_copy(std::move(copyPath)), m_password(std::move(password)), m_nowMs(std::move(nowMs))
{}

bool SyncSession::connect(QString *error)
{
    if (m_connection.isOpen())
        return true;
    const QString server = m_copy.state(QStringLiteral("server"));
    m_logbookId = m_copy.state(QStringLiteral("logbookId")).toLongLong();
    if (server.isEmpty() || m_logbookId <= 0) {
        *error = QStringLiteral("This device has not joined a synced logbook");
        return false;
    }
    const auto text = serveraddress::connectionText(
        serveraddress::password(server).isEmpty() ? serveraddress::withPassword(server, m_password)
                                                  : server,
        error);
    return text && m_connection.open(*text, error);
}

SyncReport SyncSession::run()
{
    SyncReport report;
    const bool done = connect(&report.error) && pushAll(report) && pullAll(report);
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

bool SyncSession::pushAll(SyncReport &report)
{
    for (;;) {
        const auto batch = m_copy.takeOutbox(kPageSize, m_nowMs(), &report.error);
        if (!batch)
            return false;
        if (batch->isEmpty())
            return true;
        if (!serverapi::push(m_connection, m_logbookId, *batch, &report.error))
            return false;
        if (!m_copy.confirmPushed(*batch, &report.error))
            return false;
        report.pushed += int(batch->qsos.size() + batch->prefs.size());
    }
}

bool SyncSession::pullAll(SyncReport &report)
{
    for (;;) {
        const qint64 cursor = m_copy.state(QStringLiteral("cursor")).toLongLong();
        const auto page =
            serverapi::pull(m_connection, m_logbookId, cursor, kPageSize, &report.error);
        if (!page)
            return false;
        if (page->qsos.isEmpty() && page->prefs.isEmpty())
            return true;
        const auto touched = m_copy.applyPulled(*page, &report.error);
        if (!touched)
            return false;
        report.entities.unite(*touched);
        report.pulled += int(page->qsos.size() + page->prefs.size());
        if (!page->more)
            return true;
    }
}

} // namespace logsync
