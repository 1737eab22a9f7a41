#include "services/RecordUpload.h"

#include "app/Clock.h"
#include "app/Diagnostics.h"
#include "formats/Formats.h"
#include "model/LogModel.h"

#include <QTimer>

RecordUpload::RecordUpload(HttpClient &http, const Clock &clock, QObject *parent)
    : QObject(parent), m_http(http), m_clock(clock)
{}

RecordUpload::~RecordUpload() = default;

bool RecordUpload::start(LogModel &log, const Protocol &protocol, const QList<QsoClass> &qsos,
                         bool dryRun)
{
    if (m_busy)
        return false;
    m_busy = true;
    m_protocol = protocol;
    m_outcome = {};
    m_outcome.qsos = qsos.size();
    m_qsos = qsos;
    m_index = 0;
    // A logbook file is pinned, so that a switch meanwhile leaves the marks where the QSOs are.
    m_pinned = log.fullLogDatabasePath().isEmpty() ? nullptr : log.pinned();
    m_log = m_pinned ? m_pinned.get() : &log;
    if (dryRun) {
        for (const QsoClass &qso : m_qsos)
            m_outcome.records << m_log->makeAdifRecord(qso);
        QTimer::singleShot(0, this, [this] { end(); });
        return true;
    }
    QTimer::singleShot(0, this, &RecordUpload::next);
    return true;
}

void RecordUpload::next()
{
    emit progress(int(m_index), int(m_qsos.size()));
    if (m_index >= m_qsos.size()) {
        end();
        return;
    }
    if (!m_log) {
        end(QStringLiteral("the logbook is gone"));
        return;
    }
    // As the logbook holds it now: an edit since the list was read is sent too.
    const QString record = m_log->makeAdifQSOfromID(m_qsos.at(m_index));
    if (record.isEmpty()) {
        ++m_index; // deleted meanwhile
        next();
        return;
    }
    m_call.reset(m_protocol.send(m_http, record));
    connect(m_call.get(), &HttpCall::finished, this, &RecordUpload::answered);
}

void RecordUpload::answered(const HttpResult &result)
{
    m_call.release()->deleteLater();
    const Verdict verdict = m_protocol.judge(result);
    const QsoClass &qso = m_qsos.at(m_index);
    switch (verdict.kind) {
    case Verdict::Kind::Stop:
        end(verdict.reason);
        return;
    case Verdict::Kind::Refused:
        m_outcome.refusals << QStringLiteral("%1 %2: %3")
                                  .arg(qso.callsign,
                                       qso.dateTime.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                                       verdict.reason);
        break;
    case Verdict::Kind::Accepted:
    case Verdict::Kind::Duplicate:
        ++(verdict.kind == Verdict::Kind::Accepted ? m_outcome.accepted : m_outcome.duplicates);
        if (!m_log) {
            end(QStringLiteral("the logbook is gone"));
            return;
        }
        if (const WriteResult written = uploadmarks::setFields(
                *m_log, qso.id.value_or(0),
                uploadmarks::sentFields(m_protocol.service, m_clock.now().date(), verdict.logId));
            !written) {
            // The service has the QSO; unmarked it is simply sent again (and found there).
            end(written.error);
            return;
        }
        ++m_outcome.marked;
        break;
    }
    ++m_index;
    next();
}

void RecordUpload::end(const QString &error)
{
    m_busy = false;
    m_pinned.reset();
    m_log = nullptr;
    m_outcome.error = error;
    m_outcome.ok = error.isEmpty() && m_outcome.refusals.isEmpty();
    if (!error.isEmpty())
        diag(QStringLiteral("Upload stopped: %1").arg(error));
    emit finished(m_outcome);
}
