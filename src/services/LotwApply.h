#pragma once

#include "refdata/CountryClass.h"
#include "services/LotwReport.h"
#include "services/QslRow.h"

#include "model/QsoChange.h"

#include <QHash>
#include <QList>
#include <QString>

#include <functional>

class DXCCModel;
class QslSession;

namespace lotw {

/** The entities by number, for corrections: prefix, zones and continent. */
using EntityTable = QHash<int, CountryClass>;

/** Every entity of the DXCC model with its zones (made on the main thread, where the model
 *  lives, before a run starts). */
[[nodiscard]] EntityTable entityTable(DXCCModel &dxcc);

/** What applying a report did. When `ok` is false nothing was kept (the session rolled back). */
struct Applied {
    bool ok = false;
    QString error;
    /** The QSOs written, for LogModel to announce. */
    QsoChange change;
    qint64 received = 0; // the header's record count
    qint64 notInLog = 0;
    qint64 corrected = 0;
    QList<QslRow> rows; // one per confirmation, in file order
    /** The date of the newest QSL stored as "lotwlastqsl"; empty when it was not moved. */
    QString lastQsl;
};

/** Matches, marks and (with `useDetails`) corrects the logbook QSOs of a complete report in the
 *  session, refreshes the DX info of every entity touched, stores the report's last-QSL date and
 *  commits, all or nothing. Runs on any thread. `progress` (may be empty) is told how many
 *  confirmations are done. */
[[nodiscard]] Applied applyReport(const Report &report, QslSession &session,
                                  const EntityTable &entities, bool useDetails,
                                  const std::function<void(qsizetype, qsizetype)> &progress = {});

/** The status line after a run: the counts, or "No new QSLs!  :-(" for an empty report. */
[[nodiscard]] QString summary(const Applied &applied);

} // namespace lotw
