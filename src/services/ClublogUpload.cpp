#include "services/ClublogUpload.h"

#include "adif/ClublogRecord.h"
#include "app/Clock.h"
#include "app/Diagnostics.h"
#include "app/UserDefaults.h"
#include "model/LogListQuery.h"
#include "model/LogModel.h"
#include "services/ClublogTexts.h"
#include "services/ServicePasswords.h"

#include <QDir>
#include <QTimer>

#include <algorithm>
#include <deque>
#include <future>
#include <memory>

#ifndef BRINDLEWICK_VERSION
#define BRINDLEWICK_VERSION "0"
#endif

namespace {

// One turn of the event loop for the screen to show the new status before the work starts.
constexpr int kRefreshMs = 50;
// Rows per read of a full logbook, and reads at a time: reading and making records keep two
// cores busy, with little memory.
constexpr int kPageRows = 10000;
constexpr std::size_t kPagesAtOnce = 2;

QString text(const char *literal)
{
    return clublogtexts::shown(literal);
}

/** The whole logbook newest first, read and made into records a page at a time, two pages at
 *  once on their own threads (each drops its rows where it made them). A page that comes back
 *  empty before the count is reached means the logbook could not be read to its end. */
clublogfile::Chunks pagesOf(const LogListQuery &query, const adif::ModesList &modes, bool *cut)
{
    struct Pages {
        int total = 0;
        int next = 0; // offset of the next page to read
        std::deque<std::future<clublogfile::Chunk>> running;
    };
    auto pages = std::make_shared<Pages>();
    pages->total = query.count();
    return [pages, query, modes, cut]() -> std::optional<clublogfile::Chunk> {
        while (pages->running.size() < kPagesAtOnce && pages->next < pages->total) {
            pages->running.push_back(
                std::async(std::launch::async, [query, modes, offset = pages->next] {
                    return clublogfile::chunkOf(query.rows(offset, kPageRows), modes);
                }));
            pages->next += kPageRows;
        }
        if (pages->running.empty())
            return std::nullopt;
        clublogfile::Chunk chunk = pages->running.front().get();
        pages->running.pop_front();
        if (chunk.sent.isEmpty()) {
            *cut = true;
            return std::nullopt;
        }
        return chunk;
    };
}

} // namespace

ClublogUpload::ClublogUpload(HttpClient &http, UserDefaults &defaults, const Clock &clock,
                             QObject *parent)
    : QObject(parent), m_http(http), m_defaults(defaults), m_clock(clock)
{}

ClublogUpload::~ClublogUpload()
{
    if (m_worker) {
        m_worker->disconnect(this);
        m_worker->wait();
        delete m_worker;
    }
}

ClublogUpload::Account ClublogUpload::loadPrefs(LogModel &log, SecretStore &secrets)
{
    const QVariantMap prefs = log.getClublogPrefs();
    return {prefs.value(QStringLiteral("Username")).toString(),
            servicepasswords::password(secrets, log, servicepasswords::Service::Clublog),
            prefs.value(QStringLiteral("Callsign")).toString()};
}

QString ClublogUpload::programVersion()
{
    return QStringLiteral(BRINDLEWICK_VERSION);
}

bool ClublogUpload::performFullLogUpload(LogModel &log, const Account &account)
{
    return start(Kind::FullLog, log, account, false);
}

bool ClublogUpload::performNewQsosUpload(LogModel &log, const Account &account)
{
    return start(Kind::NewQsos, log, account, false);
}

bool ClublogUpload::dryRun(Kind kind, LogModel &log, const Account &account)
{
    return start(kind, log, account, true);
}

void ClublogUpload::status(const QString &line)
{
    m_outcome.status = line;
    emit clublogCurrentStatus(line);
}

void ClublogUpload::value(int number)
{
    m_percent = number;
    emit clublogCurrentValue(number);
}

bool ClublogUpload::start(Kind kind, LogModel &log, const Account &account, bool dryRun)
{
    if (m_busy)
        return false;
    m_busy = true;
    m_kind = kind;
    m_dryRun = dryRun;
    m_account = account;
    m_path = log.fullLogDatabasePath();
    // A logbook file is pinned; the synced logbook is the one of the model handed in.
    m_pinned = m_path.isEmpty() ? nullptr : log.pinned();
    m_log = m_pinned ? m_pinned.get() : &log;
    m_style = m_defaults.logDateFormaterStyle();
    m_modes = log.modesList();
    m_outcome = {};
    m_written = {};
    m_marked = {};
    value(kBusy);
    status(text(clublogtexts::kPreparing));
    QTimer::singleShot(kRefreshMs, this, &ClublogUpload::prepare);
    return true;
}

void ClublogUpload::onWorker(std::function<void()> job, void (ClublogUpload::*then)())
{
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
    m_worker = QThread::create(std::move(job));
    connect(m_worker, &QThread::finished, this, then);
    m_worker->start();
}

void ClublogUpload::prepare()
{
    if (!m_log) {
        end(text(clublogtexts::kUploadError).arg(text(clublogtexts::kLogbookGone)), false);
        return;
    }
    m_file = std::make_unique<QTemporaryFile>(QDir::temp().filePath(QStringLiteral("clublog")));
    if (!m_file->open()) {
        end(text(clublogtexts::kUploadError).arg(m_file->errorString()), false);
        return;
    }
    const ClublogForm::Fields fields{m_account.user, m_account.password, m_account.callsign,
                                     m_kind == Kind::FullLog, text(kApiKey)};
    const QString head = adif::makeAdifHead(m_clock.now(), programVersion());
    // The file logbook is read page by page on the worker; the waiting QSOs are few, and the
    // synced logbook has its QSOs in memory anyway.
    std::optional<LogListQuery> pages;
    clublogfile::Chunks chunks;
    // Taken before the QSOs are read: if no write comes after it, none needs reading again to
    // be marked.
    m_readFrom = m_path.isEmpty() ? std::nullopt : db::FileStamp::of(m_path);
    if (m_kind == Kind::NewQsos)
        chunks = clublogfile::fromList(m_log->getNewQSOsForClublog(), m_modes);
    else if (m_path.isEmpty())
        chunks = clublogfile::fromList(m_log->getlastQSOs(LogListQuery::All), m_modes);
    else
        pages = m_log->pagedQSOs(LogListQuery::All, LogListQuery::DateDescending);
    onWorker(
        [this, fields, head, modes = m_modes, chunks = std::move(chunks), pages,
         file = m_file.get()] {
            bool cut = false;
            m_written = clublogfile::write(*file, fields, head,
                                           pages ? pagesOf(*pages, modes, &cut) : chunks);
            if (cut && m_written.error.isEmpty()) {
                m_written.error = text(clublogtexts::kIncompleteRead);
                m_written.sent.clear();
            }
        },
        &ClublogUpload::prepared);
}

void ClublogUpload::prepared()
{
    m_outcome.qsos = m_written.qsos;
    m_outcome.bytes = m_written.bytes;
    if (!m_written.error.isEmpty()) {
        end(text(clublogtexts::kUploadError).arg(m_written.error), false);
        return;
    }
    if (m_written.qsos == 0) {
        m_outcome.nothingToSend = true;
        end(text(m_kind == Kind::FullLog ? clublogtexts::kNoQsos : clublogtexts::kNoNewQsos),
            false);
        return;
    }
    if (m_dryRun) {
        end({}, true);
        return;
    }
    send();
}

void ClublogUpload::send()
{
    m_file->seek(0);
    status(text(clublogtexts::kUploading));
    value(0);
    m_call.reset(m_http.postStream(m_defaults.string(text(kHostKey)), text(kPath),
                                   ClublogForm::contentType(), m_file.get()));
    connect(m_call.get(), &HttpCall::sent, this, [this](qint64 done, qint64 total) {
        const int percent = int(std::clamp<qint64>(done * 100 / total, 0, 100));
        if (percent != m_percent)
            value(percent);
    });
    connect(m_call.get(), &HttpCall::finished, this, &ClublogUpload::answered);
}

void ClublogUpload::answered(const HttpResult &result)
{
    m_call.release()->deleteLater();
    if (result.status == 0) {
        end(text(clublogtexts::kUploadError).arg(result.error), false);
        return;
    }
    if (result.status != 200) {
        end(text(clublogtexts::kError).arg(QString::fromLatin1(result.body).trimmed()), false);
        return;
    }
    m_reply = QString::fromUtf8(result.body).trimmed();
    value(kBusy);
    status(text(clublogtexts::kUpdating));
    QTimer::singleShot(kRefreshMs, this, &ClublogUpload::mark);
}

void ClublogUpload::mark()
{
    if (m_path.isEmpty()) {
        if (m_log)
            m_marked = clublogmarks::markThroughLog(*m_log, m_modes, m_written.sent);
        else
            m_marked.error = QStringLiteral("the logbook is gone");
        marked();
        return;
    }
    onWorker(
        [this, path = m_path, style = m_style, modes = m_modes, readFrom = m_readFrom] {
            m_marked = clublogmarks::markInFile(path, style, modes, m_written.sent, readFrom);
        },
        &ClublogUpload::marked);
}

void ClublogUpload::marked()
{
    // Club Log has the QSOs whatever happened here: unmarked ones are simply sent again.
    if (!m_marked.ok)
        diag(QStringLiteral("Error: %1").arg(m_marked.error));
    m_outcome.marked = m_marked.marked;
    if (m_log && !m_path.isEmpty())
        m_log->takeCommitted(m_path, m_marked.change);
    end(text(clublogtexts::kFinished).arg(m_reply), true);
}

void ClublogUpload::end(const QString &line, bool ok)
{
    m_busy = false;
    m_file.reset();
    m_pinned.reset();
    m_log = nullptr;
    m_written.sent.clear();
    m_outcome.ok = ok;
    if (!line.isEmpty())
        status(line);
    value(kEnded);
    emit finished(m_outcome);
}
