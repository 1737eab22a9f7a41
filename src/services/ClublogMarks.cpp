#include "services/ClublogMarks.h"

#include "adif/ClublogRecord.h"
#include "model/LogModel.h"
#include "model/QslSession.h"

namespace clublogmarks {
namespace {

const QString kColumn = QStringLiteral("clublog");
const QString kUploaded = QStringLiteral("X");

/** Whether the QSO as stored now is the one that was sent and is not marked yet. */
bool stillAsSent(const QsoClass &now, size_t digest, const adif::ModesList &modes)
{
    return now.clublog != kUploaded &&
           clublogfile::digest(adif::makeOneClublogRecord(now, modes)) == digest;
}

} // namespace

Marked markInFile(const QString &path, formats::DateStyle style, const adif::ModesList &modes,
                  const QList<ClublogSent> &sent)
{
    Marked result;
    // The write lock first: nothing can change between the look and the mark.
    QslSession session(path, style);
    if (!session.isOpen()) {
        result.error = session.error();
        return result;
    }
    for (const ClublogSent &one : sent) {
        // One that was marked already and is "W" now was queued again during the upload.
        if (one.wasUploaded)
            continue;
        const std::optional<QsoClass> now = session.qsoById(one.rowid);
        if (!now || !stillAsSent(*now, one.digest, modes))
            continue;
        if (const WriteResult written = session.setField(*now, kColumn, kUploaded); !written) {
            result.error = written.error;
            return result;
        }
        ++result.marked;
    }
    if (const WriteResult committed = session.commit(); !committed) {
        result.error = committed.error;
        result.marked = 0;
        return result;
    }
    result.ok = true;
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
