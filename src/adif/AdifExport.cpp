#include "adif/AdifExport.h"

#include "adif/QsoBatchQueue.h"
#include "app/Diagnostics.h"
#include "db/SafeWrite.h"
#include "model/LogModel.h"

#include <QDir>
#include <QIODevice>
#include <QMutex>
#include <QThread>

#include <algorithm>
#include <memory>

namespace adif {
namespace {

// Pages small enough to keep both threads busy from the start, large enough that handing them
// over costs nothing worth counting.
constexpr qsizetype kPageSize = 1000;
constexpr qsizetype kQueuedPages = 4;

/** Pages the writer is done with, destroyed on the reader's thread: their texts were allocated
 *  there, and the allocator frees them much faster on the thread that made them. */
class SpentPages {
public:
    void add(QList<QsoClass> &&page)
    {
        QMutexLocker lock(&m_mutex);
        m_pages.append(std::move(page));
    }
    void drop()
    {
        QList<QList<QsoClass>> spent;
        QMutexLocker lock(&m_mutex);
        spent.swap(m_pages);
        lock.unlock(); // destroyed without holding the lock
    }

private:
    QMutex m_mutex;
    QList<QList<QsoClass>> m_pages;
};

/** Appends the records of a page to `text` (emptied first) and writes them; the device's
 *  error, or nothing. */
std::optional<QString> writeRecords(QIODevice &out, QString &text, const QList<QsoClass> &qsos,
                                    const RecordContext &context)
{
    text.resize(0); // keeps the capacity for the next page
    for (const QsoClass &qso : qsos)
        appendAdifRecord(text, qso, context);
    const QByteArray bytes = text.toUtf8();
    if (out.write(bytes) != bytes.size())
        return out.errorString();
    return std::nullopt;
}

} // namespace

std::optional<QString> writeExportFile(const QString &text, const QString &folder,
                                       const QDateTime &now)
{
    const QString path = QDir(folder).filePath(now.toUTC().toString(QStringLiteral("yyyy-MM-dd")) +
                                               QStringLiteral(".adif"));
    if (QString error; !safewrite::writeFile(path, text.toUtf8(), &error)) {
        diag(QStringLiteral("Error writing temp file: %1").arg(error));
        return std::nullopt;
    }
    return path;
}

ExportOutcome exportQsos(LogModel &log, const QList<QsoClass> &qsos, QIODevice &out)
{
    ExportOutcome outcome;
    const QByteArray bytes = exportText(qsos, log.adifRecordContext()).toUtf8();
    if (out.write(bytes) != bytes.size())
        outcome.writeError = out.errorString();
    else
        outcome.records = qsos.size();
    return outcome;
}

ExportOutcome exportRange(LogModel &log, int rangeCode, QIODevice &out)
{
    const std::optional<LogListQuery> query = log.pagedQSOs(rangeCode, LogListQuery::DateAscending);
    if (!query) { // a logbook held in memory
        QList<QsoClass> qsos = log.getlastQSOs(rangeCode);
        std::reverse(qsos.begin(), qsos.end());
        return exportQsos(log, qsos, out);
    }
    const RecordContext context = log.adifRecordContext();
    ExportOutcome outcome;
    const QByteArray header = exportHeader().toUtf8();
    if (out.write(header) != header.size()) {
        outcome.writeError = out.errorString();
        return outcome;
    }
    QsoBatchQueue pages(kQueuedPages);
    SpentPages spent;
    std::unique_ptr<QThread> reader(QThread::create([&query, &pages, &spent, &outcome] {
        query->readAll(
            kPageSize,
            [&](QList<QsoClass> &&page) {
                spent.drop();
                return pages.push(std::move(page), 0);
            },
            &outcome.readError);
        pages.close({});
        spent.drop();
    }));
    reader->start();
    QString text;
    for (QList<QsoClass> page = pages.next(); !page.isEmpty(); page = pages.next()) {
        if (std::optional<QString> why = writeRecords(out, text, page, context)) {
            outcome.writeError = *why;
            break;
        }
        outcome.records += page.size();
        spent.add(std::move(page));
    }
    pages.abandon();
    reader->wait();
    return outcome;
}

} // namespace adif
