#include "services/QrzDownload.h"

#include "app/Clock.h"
#include "app/Diagnostics.h"
#include "model/LogModel.h"
#include "services/QrzFetch.h"
#include "services/QrzLogbook.h"
#include "services/UploadMarks.h"
#include "services/UploadTexts.h"

#include <QSet>

namespace {

// More pages than any logbook fills (250 × 4000 = a million QSOs): a service that keeps
// answering full pages cannot keep the run going for ever.
constexpr int kMaxPages = 4000;

} // namespace

QrzDownload::QrzDownload(HttpClient &http, const Clock &clock, QObject *parent)
    : QObject(parent), m_http(http), m_clock(clock)
{}

QrzDownload::~QrzDownload() = default;

bool QrzDownload::start(LogModel &log, const QString &host, const QString &key)
{
    if (m_busy)
        return false;
    m_busy = true;
    m_host = host;
    m_key = key;
    m_outcome = {};
    m_confirmations.clear();
    m_afterLogId = 0;
    m_pages = 0;
    m_pinned = log.fullLogDatabasePath().isEmpty() ? nullptr : log.pinned();
    m_log = m_pinned ? m_pinned.get() : &log;
    fetch();
    return true;
}

void QrzDownload::fetch()
{
    const QString option = QStringLiteral("STATUS:CONFIRMED,MAX:%1,AFTERLOGID:%2")
                               .arg(qrzlog::kPageSize)
                               .arg(m_afterLogId);
    m_call.reset(qrzlog::post(m_http, m_host,
                              {{QStringLiteral("KEY"), m_key},
                               {QStringLiteral("ACTION"), QStringLiteral("FETCH")},
                               {QStringLiteral("OPTION"), option}}));
    connect(m_call.get(), &HttpCall::finished, this, &QrzDownload::answered);
}

void QrzDownload::answered(const HttpResult &result)
{
    m_call.release()->deleteLater();
    if (result.status == 0) {
        end(result.error);
        return;
    }
    const qrzlog::FetchPage page = qrzlog::parseFetch(result.body, qrzlog::kPageSize);
    const qrzlog::Reply &reply = page.reply;
    if (reply.result == qrzlog::Reply::Result::NotAReply) {
        end(result.status == 200
                ? uploadtexts::shown(uploadtexts::kUnreadable).arg(QStringLiteral("QRZ.com"))
                : result.error);
        return;
    }
    if (reply.isBadKey()) {
        end(uploadtexts::shown(uploadtexts::kKeyRefused)
                .arg(QStringLiteral("QRZ.com"),
                     reply.reason.isEmpty() ? QStringLiteral("AUTH") : reply.reason));
        return;
    }
    // QRZ answers an empty selection with COUNT=0, with RESULT=OK or FAIL.
    if (reply.count == 0 && reply.result != qrzlog::Reply::Result::Auth) {
        apply();
        return;
    }
    if (reply.result != qrzlog::Reply::Result::Ok) {
        end(reply.reason.isEmpty() ? QStringLiteral("FAIL") : reply.reason);
        return;
    }
    if (!page.isComplete()) {
        end(uploadtexts::shown(uploadtexts::kCutOff));
        return;
    }
    m_confirmations += page.qsos;
    const bool more = page.recordCount >= qrzlog::kPageSize && page.lastLogId >= m_afterLogId;
    if (more && ++m_pages < kMaxPages) {
        m_afterLogId = page.lastLogId + 1;
        fetch();
        return;
    }
    apply();
}

void QrzDownload::apply()
{
    if (!m_log) {
        end(QStringLiteral("the logbook is gone"));
        return;
    }
    const QString today = m_clock.now().date().toString(QStringLiteral("yyyyMMdd"));
    // Every confirmation is matched first and the QSOs are marked in one write at the end.
    QList<QsoEdit> edits;
    QSet<qint64> confirmed; // this run's: a QSO QRZ lists twice is counted once
    for (const QsoClass &confirmation : m_confirmations) {
        if (confirmation.extraFields.value(QString::fromLatin1(qrzlog::kStatusField)) !=
            QLatin1String(qrzlog::kConfirmed))
            continue;
        ++m_outcome.received;
        const std::optional<QsoClass> logged = m_log->getQsoFromLotwQso(confirmation);
        if (!logged || !logged->id) {
            ++m_outcome.notInLog;
            continue;
        }
        if (confirmed.contains(*logged->id) ||
            logged->extraFields.value(QString::fromLatin1(uploadmarks::kQrzStatus)) ==
                QLatin1String(qrzlog::kConfirmed))
            continue;
        uploadmarks::Fields fields{
            {QLatin1String(uploadmarks::kQrzStatus), QLatin1String(qrzlog::kConfirmed)},
            {QLatin1String(uploadmarks::kQrzDownloadStatus), QStringLiteral("Y")},
            {QLatin1String(uploadmarks::kQrzDownloadDate), today}};
        if (uploadmarks::isWaiting(*logged, uploadmarks::Service::Qrz))
            fields += uploadmarks::sentFields(uploadmarks::Service::Qrz, m_clock.now().date());
        const QString logId =
            confirmation.extraFields.value(QString::fromLatin1(qrzlog::kLogIdField));
        if (!logId.isEmpty())
            fields.append({QLatin1String(uploadmarks::kQrzLogId), logId});
        if (std::optional<QsoClass> edited = uploadmarks::withFields(*logged, fields))
            edits.append({*logged, std::move(*edited)});
        confirmed.insert(*logged->id);
    }
    if (const WriteResult written = m_log->updateQSOs(edits); !written) {
        end(written.error);
        return;
    }
    m_outcome.newlyConfirmed = confirmed.size();
    end();
}

void QrzDownload::end(const QString &error)
{
    m_busy = false;
    m_pinned.reset();
    m_log = nullptr;
    m_confirmations.clear();
    m_outcome.ok = error.isEmpty();
    m_outcome.error = error;
    if (!error.isEmpty())
        diag(QStringLiteral("QRZ.com download stopped: %1").arg(error));
    emit finished(m_outcome);
}
