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
 *  - push(logbook bigint, qsos jsonb, prefs jsonb) → table(before, after, last_key): merges the
 *    changes field by field (highest clock wins, a deletion wins over everything), hands each
 *    changed row the next number of the logbook's sequence in commit order, notifies the
 *    logbook's channel and returns the logbook's highest number before and after, with the key
 *    of the row numbered last. Refuses a reading that is not well formed or lies more than five
 *    minutes ahead of the server's clock.
 *    qsos: [{"uuid":…, "hlc":…, "deleted":bool, "fields":{column: text or null},
 *            "clocks":{column: hlc} (optional: fields changed at another time than hlc)}]
 *    prefs: [{"entry":…, "value":…, "hlc":…}]
 *  - pull(logbook bigint, after bigint, lim int) → table(seq bigint, kind text, key text,
 *    deleted boolean, data jsonb, hlc text, base text, clocks jsonb): the rows changed after
 *    `after`, in order, at most `lim`; kind "qso" (key: uuid, data: {column: text or null}, each
 *    field's reading in clocks, else base) or "pref" (key: entry, data: {"value": text}).
 *  - holds(logbook bigint, after bigint, last_key text) → boolean: whether the server still has
 *    the row a device pulled last; false after it was restored from an older backup.
 *  - channel(logbook bigint) → text: the channel push notifies, for members only. */
namespace serverapi {

/** Creates the schema, or brings an older one up to date; running it again is harmless. */
bool installSchema(PgConnection &connection, QString *error);
[[nodiscard]] std::optional<qint64> joinLogbook(PgConnection &connection, const QString &name,
                                                QString *error);
bool addMember(PgConnection &connection, const QString &logbook, const QString &member,
               QString *error);
/** The logbook's numbers around the push; nothing on failure. */
[[nodiscard]] std::optional<PushResult> push(PgConnection &connection, qint64 logbook,
                                             const PushBatch &batch, QString *error);
/** Whether the server still holds the row numbered `after` (key `lastKey`) a device pulled last;
 *  false when it went back in time. */
[[nodiscard]] std::optional<bool> holds(PgConnection &connection, qint64 logbook, qint64 after,
                                        const QString &lastKey, QString *error);
/** The channel the server notifies after each push to the logbook (members only). */
[[nodiscard]] std::optional<QString> channel(PgConnection &connection, qint64 logbook,
                                             QString *error);
/** The changes after `after`, at most `limit`; lastSeq stays `after` when nothing is new. A row
 *  that cannot be read fails the whole page (nothing of it is to be applied). */
[[nodiscard]] std::optional<PullPage> pull(PgConnection &connection, qint64 logbook, qint64 after,
                                           int limit, QString *error);

/** One row of pull()'s result read defensively: the server is outside the program. False (and
 *  nothing appended) for a row that is not what pull() returns. */
bool decodePullRow(const QStringList &row, PullPage &page);

} // namespace serverapi
} // namespace logsync
