#pragma once

#include "services/EqslInbox.h"
#include "services/QslRow.h"

#include "model/QsoChange.h"

#include <QList>
#include <QString>

class QslSession;
namespace adif {
class ModesList;
}

namespace eqsl {

/** What applying an inbox did. When `ok` is false nothing was kept. */
struct Applied {
    bool ok = false;
    QString error;
    /** The QSOs written, for LogModel to announce. */
    QsoChange change;
    qint64 matched = 0;
    qint64 notFound = 0;
    /** Matched ones by QSO id ascending (those without a QSO first), as the list shows them. */
    QList<QslRow> rows;
    /** The date stored as "eqsllastqsl"; empty when it was not moved. */
    QString lastDownload;
};

/** The "eqsl" letter a QSO gets when its eQSL arrives: "X" after "S" or "X", otherwise "R". */
[[nodiscard]] QString receivedState(const QString &current);
/** The letter after a confirmed upload: "X" after "R" or "X", otherwise "S". */
[[nodiscard]] QString uploadedState(const QString &current);

/** Matches the received eQSLs (band equal, mode through the ADIF mode list or at least its
 *  class, the nearest QSO within an hour, each QSO once), marks them, stores `startedAt` as the
 *  last download when anything was listed (an empty `startedAt`, for a saved file of unknown
 *  age, leaves it), and commits, all or nothing. */
[[nodiscard]] Applied applyInbox(const Inbox &inbox, QslSession &session,
                                 const adif::ModesList &modes, const QString &startedAt);

} // namespace eqsl
