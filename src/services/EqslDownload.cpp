#include "services/EqslDownload.h"

#include "app/Clock.h"
#include "app/UserDefaults.h"
#include "model/LogModel.h"
#include "model/QslSession.h"
#include "services/QslTexts.h"

namespace {

const QString kEqslHost = QStringLiteral("EqslHost");

QString text(const char *literal)
{
    return qsltexts::shown(literal);
}

} // namespace

EqslDownload::EqslDownload(HttpClient &http, UserDefaults &defaults, const Clock &clock,
                           QObject *parent)
    : QObject(parent), m_http(http), m_defaults(defaults), m_clock(clock)
{}

EqslDownload::~EqslDownload()
{
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
}

HttpClient::Query EqslDownload::query(const Account &account)
{
    HttpClient::Query query = {{QStringLiteral("UserName"), account.user},
                               {QStringLiteral("Password"), account.password}};
    if (!account.qth.isEmpty())
        query.append({QStringLiteral("QTHNickname"), account.qth});
    if (const QString since = eqsl::sinceValue(account.lastDownload); !since.isEmpty())
        query.append({QStringLiteral("RcvdSince"), since});
    return query;
}

bool EqslDownload::prepare(LogModel &log)
{
    if (m_busy)
        return false;
    m_busy = true;
    m_log = &log;
    m_path = log.fullLogDatabasePath();
    m_style = m_defaults.logDateFormaterStyle();
    m_modes = log.modesList();
    m_startedAt = formats::sqlDateTime(m_clock.now());
    return true;
}

HttpCall *EqslDownload::track(HttpCall *call)
{
    m_call.reset(call);
    connect(call, &HttpCall::responseStarted, this,
            [this] { emit statusChanged(text(qsltexts::kConnected), false); });
    connect(call, &HttpCall::progress, this, [this](qint64 done, qint64 total) {
        emit statusChanged(text(qsltexts::kDownloading), false);
        emit progress(done, total);
    });
    return call;
}

bool EqslDownload::download(const Account &account, LogModel &log)
{
    if (!prepare(log))
        return false;
    emit statusChanged(text(qsltexts::kRequesting), false);
    HttpCall *call =
        track(m_http.get(m_defaults.string(kEqslHost), QStringLiteral("/qslcard/DownloadInBox.cfm"),
                         query(account)));
    connect(call, &HttpCall::finished, this, &EqslDownload::firstStepDone);
    return true;
}

bool EqslDownload::applyInbox(const QByteArray &inbox, LogModel &log)
{
    if (!prepare(log))
        return false;
    // A saved file may be days old: it says nothing about what arrived since.
    m_startedAt.clear();
    startWorker(inbox);
    return true;
}

void EqslDownload::networkFailed(const HttpResult &result)
{
    emit alertRequested(text(qsltexts::kDownloadAlertTitle), result.error, text(qsltexts::kOkay));
    // The status line keeps the reason: a bare "Error" tells the operator nothing to act on.
    fail(text(qsltexts::kError) + QStringLiteral(": ") + result.error);
}

void EqslDownload::fail(const QString &status)
{
    eqsl::Applied failed;
    failed.error = status;
    emit statusChanged(status, true);
    end(failed);
}

void EqslDownload::firstStepDone(const HttpResult &result)
{
    m_call.release()->deleteLater();
    if (result.status == 0) {
        networkFailed(result);
        return;
    }
    const eqsl::InboxPage page = eqsl::parseInboxPage(result.body);
    switch (page.kind) {
    case eqsl::InboxPage::Kind::Link: {
        HttpCall *call = track(
            m_http.get(m_defaults.string(kEqslHost), QStringLiteral("/qslcard/") + page.link, {}));
        connect(call, &HttpCall::finished, this, [this](const HttpResult &file) {
            m_call.release()->deleteLater();
            if (file.status == 0) {
                networkFailed(file);
                return;
            }
            emit statusChanged(text(qsltexts::kSearching), false);
            startWorker(file.body);
        });
        return;
    }
    case eqsl::InboxPage::Kind::NoEntries: {
        // Nothing new is an answer, not a failure; the last download stays as it was.
        m_busy = false;
        emit statusChanged(text(qsltexts::kNoLogEntries), false);
        eqsl::Applied nothing;
        nothing.ok = true;
        emit finished(nothing);
        return;
    }
    case eqsl::InboxPage::Kind::Error:
        fail(page.error);
        return;
    case eqsl::InboxPage::Kind::Unknown:
        emit pageReceived(QString::fromLatin1(result.body));
        fail(text(qsltexts::kUnknownError));
        return;
    }
}

void EqslDownload::startWorker(QByteArray bytes)
{
    m_result = std::make_shared<eqsl::Applied>();
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
    m_worker = QThread::create([bytes = std::move(bytes), path = m_path, style = m_style,
                                modes = m_modes, startedAt = m_startedAt, result = m_result] {
        const eqsl::Inbox inbox = eqsl::parseInbox(bytes);
        if (!inbox.isAdif || !inbox.complete) {
            result->error = text(qsltexts::kNotAnInbox);
            return;
        }
        if (path.isEmpty()) {
            result->error = text(qsltexts::kNoSyncedLog);
            return;
        }
        QslSession session(path, style);
        *result = eqsl::applyInbox(inbox, session, modes, startedAt);
        if (result->ok)
            result->change = session.change();
        if (!result->ok)
            result->error = text(qsltexts::kNotWritten).arg(result->error);
    });
    connect(m_worker, &QThread::finished, this, [this] {
        if (!m_result->ok)
            emit statusChanged(m_result->error, true);
        end(*m_result);
    });
    m_worker->start();
}

void EqslDownload::end(const eqsl::Applied &applied)
{
    m_busy = false;
    if (applied.ok) {
        if (m_log)
            m_log->takeCommitted(m_path, applied.change);
        emit statusChanged(text(qsltexts::kQslsRead).arg(applied.rows.size()), false);
    }
    emit finished(applied);
}
