#pragma once

#include "sync/SyncChange.h"

#include <QJsonObject>
#include <QString>

#include <optional>

namespace logsync {

class PgConnection;

/** The server's side of syncing, reached only through the functions of the schema in
 *  ServerSchema.sql (schema "brindlewick"):
 *  - join_logbook(name text) → bigint: the logbook's id; creates it with the caller as owner and
 *    member when there is none; raises "not a member of logbook …" otherwise.
 *  - add_member(logbook text, member text): the owner lets another database user in.
 *  - push(logbook bigint, qsos jsonb, prefs jsonb) → bigint: merges the changes field by field
 *    (highest clock wins, a deletion wins over everything), hands each changed row the next
 *    number of the logbook's sequence in commit order, notifies channel "brindlewick_<id>" and
 *    returns the logbook's highest number.
 *    qsos: [{"uuid":…, "hlc":…, "deleted":bool, "fields":{column: text or null}}]
 *    prefs: [{"entry":…, "value":…, "hlc":…}]
 *  - pull(logbook bigint, after bigint, lim int) → table(seq bigint, kind text, key text,
 *    deleted boolean, data jsonb, hlc text): the rows changed after `after`, in order, at most
 *    `lim`; kind "qso" (key: uuid, data: {column: text or null}) or "pref" (key: entry,
 *    data: {"value": text}). */
namespace serverapi {

/** Creates the schema, or brings an older one up to date; running it again is harmless. */
bool installSchema(PgConnection &connection, QString *error);
[[nodiscard]] std::optional<qint64> joinLogbook(PgConnection &connection, const QString &name,
                                                QString *error);
bool addMember(PgConnection &connection, const QString &logbook, const QString &member,
               QString *error);
/** The logbook's highest sequence number after the push; nothing on failure. */
[[nodiscard]] std::optional<qint64> push(PgConnection &connection, qint64 logbook,
                                         const PushBatch &batch, QString *error);
/** The changes after `after`, at most `limit`; lastSeq stays `after` when nothing is new. A row
 *  that cannot be read fails the whole page (nothing of it is to be applied). */
[[nodiscard]] std::optional<PullPage> pull(PgConnection &connection, qint64 logbook, qint64 after,
                                           int limit, QString *error);
/** The channel the server notifies after each push to the logbook. */
[[nodiscard]] QString notifyChannel(qint64 logbook);

/** One row of pull()'s result read defensively: the server is outside the program. False (and
 *  nothing appended) for a row that is not what pull() returns. */
bool decodePullRow(const QStringList &row, PullPage &page);

} // namespace serverapi
} // namespace logsync
