#include "services/ClublogMarks.h"

#include "adif/ClublogRecord.h"
#include "model/LogModel.h"
#include "model/QslSession.h"

#include <QMultiHash>
#include <QSet>

#include <algorithm>

namespace clublogmarks {
namespace {

const QString kColumn = QStringLiteral("clublog");
// What a Club Log record is made of (adif::makeOneClublogRecord), and the letter itself: the
// only columns the check needs read.
const QStringList kRecordColumns = {
    QStringLiteral("callsign"),
    QStringLiteral("datetime"),
    QStringLiteral("band"),
    QStringLiteral("qrg"),
    QStringLiteral("mode"),
    QStringLiteral("dxccadif"),
    QStringLiteral("qsl"),
    QStringLiteral("lotwqsl"),
    QStringLiteral("satname"),
    QStringLiteral("satrxband"),
    kColumn,
};
const QString kUploaded = QStringLiteral("X");

/** Whether the QSO as stored now is the one that was sent and is not marked yet. */
bool stillAsSent(const QsoClass &now, size_t digest, const adif::ModesList &modes)
{
    return now.clublog != kUploaded &&
           clublogfile::digest(adif::makeOneClublogRecord(now, modes)) == digest;
}

/** The QSOs read again in one pass: those still as sent are to be marked. */
bool checkEach(QslSession &session, const adif::ModesList &modes, const QList<ClublogSent> &sent,
               QList<QslSession::Mark> &marks)
{
    // One that was marked already and is "W" now was queued again during the upload.
    QMultiHash<qint64, size_t> digests;
    digests.reserve(sent.size());
    QList<qint64> ids;
    ids.reserve(sent.size());
    for (const ClublogSent &one : sent) {
        if (one.wasUploaded)
            continue;
        if (!digests.contains(one.rowid))
            ids.append(one.rowid);
        digests.insert(one.rowid, one.digest);
    }
    marks.reserve(ids.size());
    return session.forEachQso(ids, kRecordColumns, [&](const QsoClass &now) {
        const qint64 id = now.id.value_or(0);
        for (auto it = digests.constFind(id); it != digests.constEnd() && it.key() == id; ++it) {
            if (stillAsSent(now, it.value(), modes)) {
                marks.append({id, now.adif, kUploaded});
                break;
            }
        }
    });
}

} // namespace

Marked markInFile(const QString &path, formats::DateStyle style, const adif::ModesList &modes,
                  const QList<ClublogSent> &sent, const std::optional<db::FileStamp> &readFrom)
{
    Marked result;
    // The write lock first: nothing can change between the look and the mark.
    QslSession session(path, style);
    if (!session.isOpen()) {
        result.error = session.error();
        return result;
    }
    QList<QslSession::Mark> marks;
    if (readFrom && session.unchangedSince(*readFrom)) {
        // Nothing was written since the QSOs were read: each is as it was sent.
        QSet<qint64> seen;
        seen.reserve(sent.size());
        marks.reserve(sent.size());
        for (const ClublogSent &one : sent)
            if (!one.wasUploaded && !seen.contains(one.rowid)) {
                seen.insert(one.rowid);
                marks.append({one.rowid, one.adif, kUploaded});
            }
        // In the file's order: the temporary table fills fastest so.
        std::sort(marks.begin(), marks.end(),
                  [](const QslSession::Mark &a, const QslSession::Mark &b) { return a.id < b.id; });
    } else if (!checkEach(session, modes, sent, marks)) {
        result.error = QStringLiteral("the logbook could not be read");
        return result;
    }
    if (const WriteResult written = session.setMarks(kColumn, marks); !written) {
        result.error = written.error;
        return result;
    }
    if (const WriteResult committed = session.commit(); !committed) {
        result.error = committed.error;
        return result;
    }
    result.ok = true;
    result.marked = marks.size();
    result.change = session.change();
    return result;
}

Marked markThroughLog(LogModel &log, const adif::ModesList &modes, const QList<ClublogSent> &sent)
{
    Marked result;
    for (const ClublogSent &one : sent) {
        if (one.wasUploaded)
            continue;
        const std::optional<QsoClass> now = log.qsoById(one.rowid);
        if (!now || !stillAsSent(*now, one.digest, modes))
            continue;
        if (const WriteResult written = log.updateLogbookField(kColumn, *now, kUploaded);
            !written) {
            result.error = written.error;
            return result;
        }
        ++result.marked;
    }
    result.ok = true;
    return result;
}

} // namespace clublogmarks
