#include "services/LotwDownload.h"

#include "app/Clock.h"
#include "app/UserDefaults.h"
#include "model/LogModel.h"
#include "model/QslSession.h"
#include "services/QslTexts.h"

#include <QTimeZone>

namespace {

const QString kLotwHost = QStringLiteral("LotwHost");
const QString kReportPath = QStringLiteral("/lotwuser/lotwreport.adi");

QString text(const char *literal)
{
    return qsltexts::shown(literal);
}

} // namespace

LotwDownload::LotwDownload(HttpClient &http, UserDefaults &defaults, const Clock &clock,
                           QObject *parent)
    : QObject(parent), m_http(http), m_defaults(defaults), m_clock(clock)
{}

LotwDownload::~LotwDownload()
{
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
}

HttpClient::Query LotwDownload::query(const Account &account)
{
    HttpClient::Query query = {{QStringLiteral("login"), account.user},
                               {QStringLiteral("password"), account.password},
                               {QStringLiteral("qso_query"), QStringLiteral("1")},
                               {QStringLiteral("qso_qsl"), QStringLiteral("yes")}};
    const QString format = QString::fromLatin1(formats::kSqlDateTime);
    QDateTime last = QDateTime::fromString(account.lastQsl, format);
    // A logbook that never received a QSL holds the open end "2099-12-31 23:59:59": asking for
    // QSLs since then would never bring the first one.
    if (account.lastQsl.size() == 19 && last.isValid() && last.date().year() < 2099) {
        last.setTimeZone(QTimeZone::utc());
        query.append({QStringLiteral("qso_qslsince"), last.addSecs(1).toString(format)});
    }
    if (account.useDetails)
        query.append({QStringLiteral("qso_qsldetail"), QStringLiteral("yes")});
    if (!account.ownCall.isEmpty())
        query.append({QStringLiteral("qso_owncall"), account.ownCall});
    return query;
}

bool LotwDownload::prepare(LogModel &log, const lotw::EntityTable &entities, bool useDetails)
{
    if (m_busy)
        return false;
    m_busy = true;
    m_log = &log;
    // The logbook is fixed now: a switch during the download does not move the QSLs elsewhere.
    m_job = {{},
             log.fullLogDatabasePath(),
             m_defaults.logDateFormaterStyle(),
             useDetails,
             entities,
             m_clock.now()};
    return true;
}

bool LotwDownload::download(const Account &account, LogModel &log,
                            const lotw::EntityTable &entities)
{
    // LoTW answers a request without an account with a login page, not with an error.
    if (!m_busy && (account.user.trimmed().isEmpty() || account.password.isEmpty())) {
        emit statusChanged(text(qsltexts::kMissingAccount), true);
        return false;
    }
    if (!prepare(log, entities, account.useDetails))
        return false;
    emit statusChanged(text(qsltexts::kConnecting), false);
    m_call.reset(m_http.get(m_defaults.string(kLotwHost), kReportPath, query(account)));
    connect(m_call.get(), &HttpCall::responseStarted, this, [this](int status) {
        if (status == 200)
            emit statusChanged(text(qsltexts::kConnected), false);
        else // the body still tells what went wrong
            emit statusChanged(text(qsltexts::kHttpError).arg(status), true);
    });
    connect(m_call.get(), &HttpCall::progress, this, [this](qint64 done, qint64 total) {
        emit statusChanged(text(qsltexts::kDownloading), false);
        emit progress(done, total);
    });
    connect(m_call.get(), &HttpCall::finished, this, [this](const HttpResult &result) {
        m_call.release()->deleteLater();
        if (result.status == 0) {
            lotw::Applied failed;
            failed.error = result.error;
            emit statusChanged(result.error, true);
            end(failed);
            return;
        }
        startWorker(result.body);
    });
    return true;
}

bool LotwDownload::applyReport(const QByteArray &report, bool useDetails, LogModel &log,
                               const lotw::EntityTable &entities)
{
    if (!prepare(log, entities, useDetails))
        return false;
    startWorker(report);
    return true;
}

void LotwDownload::startWorker(QByteArray bytes)
{
    m_job.bytes = std::move(bytes);
    m_result = std::make_shared<lotw::Applied>();
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
    m_worker = QThread::create(
        [this, job = m_job, result = m_result, host = m_defaults.string(kLotwHost)] {
            const lotw::Report report = lotw::parseReport(job.bytes, job.now);
            if (!report.isReport) {
                result->error = text(qsltexts::kDownloadError);
                emit pageReceived(QString::fromLatin1(job.bytes), host);
                emit statusChanged(result->error, true);
                return;
            }
            if (!report.isComplete()) {
                result->error =
                    text(qsltexts::kIncompleteReport)
                        .arg(report.recordCount)
                        .arg(report.declaredCount < 0 ? QStringLiteral("?")
                                                      : QString::number(report.declaredCount));
                emit statusChanged(result->error, true);
                return;
            }
            if (job.path.isEmpty()) {
                result->error = text(qsltexts::kNoSyncedLog);
                emit statusChanged(result->error, true);
                return;
            }
            emit statusChanged(text(qsltexts::kGetting).arg(report.declaredCount), false);
            emit statusChanged(text(qsltexts::kProcessing).arg(report.declaredCount), false);
            QslSession session(job.path, job.style);
            *result = lotw::applyReport(
                report, session, job.entities, job.useDetails,
                [this](qsizetype done, qsizetype total) { emit progress(done, total); });
            if (result->ok)
                result->change = session.change();
            if (!result->ok) {
                result->error = text(qsltexts::kNotWritten).arg(result->error);
                emit statusChanged(result->error, true);
            }
        });
    connect(m_worker, &QThread::finished, this, [this] { end(*m_result); });
    m_worker->start();
}

void LotwDownload::end(const lotw::Applied &applied)
{
    m_busy = false;
    m_job.bytes.clear();
    if (applied.ok) {
        if (m_log)
            m_log->takeCommitted(m_job.path, applied.change);
        emit statusChanged(lotw::summary(applied), false);
    }
    emit finished(applied);
}
