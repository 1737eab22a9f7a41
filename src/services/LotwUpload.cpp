#include "services/LotwUpload.h"

#include "adif/ClublogRecord.h"
#include "app/Clock.h"
#include "app/UserDefaults.h"
#include "formats/Formats.h"
#include "model/LogModel.h"
#include "services/LotwUploadFile.h"
#include "services/Tqsl.h"
#include "services/TqslTexts.h"

#include <QDir>

#include <chrono>

#ifndef BRINDLEWICK_VERSION
#define BRINDLEWICK_VERSION "0"
#endif

namespace {

// One turn of the event loop for the screen to show the new status before the work starts.
constexpr int kRefreshMs = 50;
constexpr qint64 kDefaultTimeoutSeconds = 600;
// TQSL's last lines are its message; earlier ones are progress.
constexpr int kKeptLines = 6;
const QString kUploaded = QStringLiteral("S");
const QString kSentDate = QStringLiteral("lotw_qslsdate");

QString text(const char *literal)
{
    return tqsltexts::shown(literal);
}

} // namespace

LotwUpload::LotwUpload(UserDefaults &defaults, const Clock &clock, QObject *parent)
    : QObject(parent), m_defaults(defaults), m_clock(clock)
{
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, &LotwUpload::timedOut);
}

LotwUpload::~LotwUpload()
{
    if (m_process) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished(1000);
    }
}

bool LotwUpload::upload(LogModel &log, const QString &location, bool dryRun)
{
    if (m_busy)
        return false;
    m_busy = true;
    m_dryRun = dryRun;
    m_location = location.trimmed().isEmpty() ? m_defaults.string(QLatin1String(tqsl::kLocationKey))
                                              : location.trimmed();
    m_pinned = log.fullLogDatabasePath().isEmpty() ? nullptr : log.pinned();
    m_log = m_pinned ? m_pinned.get() : &log;
    m_modes = log.modesList();
    m_outcome = {};
    m_records.clear();
    m_lastLines.clear();
    setStatus(text(tqsltexts::kPreparing));
    QTimer::singleShot(kRefreshMs, this, &LotwUpload::prepare);
    return true;
}

void LotwUpload::setStatus(const QString &line)
{
    m_outcome.status = line;
    emit statusChanged(line);
}

void LotwUpload::prepare()
{
    if (!m_log) {
        end(text(tqsltexts::kReadError).arg(text(tqsltexts::kLogbookGone)), false);
        return;
    }
    const QString program = tqsl::findProgram(m_defaults.string(QLatin1String(tqsl::kPathKey)));
    if (!m_dryRun && program.isEmpty()) {
        end(text(tqsltexts::kNotInstalled).arg(m_defaults.string(QLatin1String(tqsl::kPathKey))),
            false);
        return;
    }
    if (!m_dryRun && m_location.isEmpty()) {
        end(text(tqsltexts::kNoLocation), false);
        return;
    }
    QString readError;
    m_outcome.sent = m_log->getQsosForLotwUpload(&readError);
    if (!readError.isEmpty()) {
        end(text(tqsltexts::kReadError).arg(readError), false);
        return;
    }
    m_outcome.qsos = m_outcome.sent.size();
    if (m_outcome.sent.isEmpty()) {
        m_outcome.nothingToSend = true;
        end(text(tqsltexts::kNothing), true);
        return;
    }
    m_file =
        std::make_unique<QTemporaryFile>(QDir::temp().filePath(QStringLiteral("lotw-XXXXXX.adi")));
    QString body = adif::makeAdifHead(m_clock.now(), QStringLiteral(BRINDLEWICK_VERSION));
    for (const QsoClass &qso : std::as_const(m_outcome.sent)) {
        const QString record = lotwuploadfile::record(qso, m_modes);
        m_records.insert(qso.id.value_or(0), record);
        body += record;
    }
    const QByteArray bytes = body.toUtf8();
    if (!m_file->open() || m_file->write(bytes) != bytes.size() || !m_file->flush()) {
        end(text(tqsltexts::kFileError).arg(m_file->errorString()), false);
        return;
    }
    m_file->close();
    if (m_dryRun) {
        end(text(tqsltexts::kDryRun).arg(m_outcome.qsos), true);
        return;
    }
    run(program);
}

void LotwUpload::run(const QString &program)
{
    setStatus(text(tqsltexts::kSigning).arg(m_outcome.qsos));
    m_process = std::make_unique<QProcess>();
    connect(m_process.get(), &QProcess::readyReadStandardOutput, this,
            [this] { readOutput(QProcess::StandardOutput); });
    connect(m_process.get(), &QProcess::readyReadStandardError, this,
            [this] { readOutput(QProcess::StandardError); });
    connect(m_process.get(), &QProcess::finished, this, &LotwUpload::exited);
    connect(m_process.get(), &QProcess::errorOccurred, this, &LotwUpload::failedToStart);
    qint64 seconds = m_defaults.integer(QLatin1String(tqsl::kTimeoutKey));
    if (seconds <= 0)
        seconds = kDefaultTimeoutSeconds;
    m_timeout.start(std::chrono::seconds(seconds));
    m_process->start(program, tqsl::arguments(m_location, m_file->fileName()));
}

void LotwUpload::readOutput(QProcess::ProcessChannel channel)
{
    m_process->setReadChannel(channel);
    while (m_process->canReadLine() ||
           (m_process->bytesAvailable() > 0 && m_process->state() != QProcess::Running)) {
        const QString line = QString::fromLocal8Bit(m_process->readLine()).trimmed();
        if (line.isEmpty())
            continue;
        m_lastLines.append(line);
        if (m_lastLines.size() > kKeptLines)
            m_lastLines.removeFirst();
        emit output(line);
    }
}

void LotwUpload::failedToStart(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart || !m_process)
        return;
    m_timeout.stop();
    const QString why = m_process->errorString();
    m_process.release()->deleteLater();
    end(text(tqsltexts::kNotStarted).arg(why), false);
}

void LotwUpload::timedOut()
{
    if (!m_process)
        return;
    m_process->disconnect(this);
    m_process->kill();
    m_process->waitForFinished(1000);
    m_process.release()->deleteLater();
    qint64 seconds = m_defaults.integer(QLatin1String(tqsl::kTimeoutKey));
    end(text(tqsltexts::kTimedOut).arg(seconds > 0 ? seconds : kDefaultTimeoutSeconds), false);
}

void LotwUpload::exited(int exitCode, QProcess::ExitStatus status)
{
    m_timeout.stop();
    // What is left without a line end.
    readOutput(QProcess::StandardOutput);
    readOutput(QProcess::StandardError);
    m_process.release()->deleteLater();
    m_outcome.exitCode = status == QProcess::NormalExit ? exitCode : -1;
    if (status != QProcess::NormalExit) {
        end(text(tqsltexts::kCrashed), false);
        return;
    }
    if (tqsl::verdict(exitCode) == tqsl::Verdict::Failed) {
        QString why = tqsl::meaning(exitCode);
        if (!m_lastLines.isEmpty())
            why += QStringLiteral(": ") + m_lastLines.join(QLatin1Char(' '));
        end(text(tqsltexts::kFailed).arg(exitCode).arg(why), false);
        return;
    }
    setStatus(text(tqsltexts::kUpdating));
    QTimer::singleShot(kRefreshMs, this, [this, exitCode] { mark(exitCode); });
}

void LotwUpload::mark(int exitCode)
{
    if (!m_log) {
        end(text(tqsltexts::kMarkError)
                .arg(text(tqsltexts::kLogbookGone))
                .arg(0)
                .arg(m_outcome.qsos),
            false);
        return;
    }
    // A QSO changed or deleted since it was read is not what LoTW got: it stays waiting. The
    // waiting QSOs are read again in one query and marked in one write.
    QString readError;
    const QList<QsoClass> waiting = m_log->getQsosForLotwUpload(&readError);
    if (!readError.isEmpty()) {
        end(text(tqsltexts::kMarkError).arg(readError).arg(0).arg(m_outcome.qsos), false);
        return;
    }
    const QString today = m_clock.now().toUTC().toString(QStringLiteral("yyyyMMdd"));
    QList<QsoEdit> edits;
    for (const QsoClass &now : waiting) {
        const auto sent = m_records.constFind(now.id.value_or(0));
        if (sent == m_records.cend() || lotwuploadfile::record(now, m_modes) != *sent)
            continue;
        QsoClass edited = now;
        edited.lotwqsl = kUploaded;
        edited.extraFields.set(kSentDate, today);
        edits.append({now, std::move(edited)});
    }
    if (const WriteResult written = m_log->updateQSOs(edits); !written) {
        end(text(tqsltexts::kMarkError).arg(written.error).arg(0).arg(m_outcome.qsos), false);
        return;
    }
    m_outcome.marked = edits.size();
    m_defaults.setValue(QLatin1String(tqsl::kLastUploadKey), formats::sqlDateTime(m_clock.now()));
    if (tqsl::verdict(exitCode) == tqsl::Verdict::AcceptedSkipped)
        end(text(tqsltexts::kDoneSkipped).arg(m_outcome.marked).arg(tqsl::meaning(exitCode)), true);
    else
        end(text(tqsltexts::kDone).arg(m_outcome.marked), true);
}

void LotwUpload::end(const QString &line, bool ok)
{
    m_busy = false;
    m_file.reset();
    m_pinned.reset();
    m_log = nullptr;
    m_records.clear();
    m_outcome.ok = ok;
    setStatus(line);
    emit finished(m_outcome);
}
