#pragma once

#include "db/FileStamp.h"
#include "formats/Formats.h"
#include "model/QsoChange.h"
#include "refdata/ModesList.h"
#include "services/ClublogFile.h"

#include <QList>
#include <QString>

#include <optional>

class LogModel;

/** After Club Log took a file: "clublog" becomes "X" for the QSOs that were sent and are still as
 *  they were sent. A QSO saved during the upload was not sent; one changed or queued again
 *  meanwhile (a LoTW confirmation) carries something Club Log has not seen: both stay "W". */
namespace clublogmarks {

struct Marked {
    bool ok = false;
    qint64 marked = 0;
    QString error;
    /** What a write on the file changed, for LogModel to announce. */
    QsoChange change;
};

/** In one write on the logbook file, on any thread. `readFrom` is the file's stamp taken before
 *  the QSOs were read for sending: when no write came after it, every QSO sent is as it was sent
 *  and is marked without being read again. */
[[nodiscard]] Marked markInFile(const QString &path, formats::DateStyle style,
                                const adif::ModesList &modes, const QList<ClublogSent> &sent,
                                const std::optional<db::FileStamp> &readFrom = std::nullopt);
/** One QSO at a time through the logbook model (the synced logbook), on its thread. */
[[nodiscard]] Marked markThroughLog(LogModel &log, const adif::ModesList &modes,
                                    const QList<ClublogSent> &sent);

} // namespace clublogmarks
