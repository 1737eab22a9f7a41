#pragma once

#include "db/Database.h"
#include "sync/Hlc.h"
#include "sync/SyncChange.h"

#include <QMap>
#include <QString>

#include <optional>

namespace logsync {

/** Reads the waiting changes of a copy into what is pushed: the oldest QSOs of the outbox with
 *  their values as plain text (kept ADIF fields as ExtraFieldWire.h says), and the waiting
 *  settings. Runs inside the caller's transaction. */
class OutboxReader {
public:
    explicit OutboxReader(db::Database &database) : m_database(database) {}

    /** A change stamped further than this ahead of now was made under a wrong clock. */
    static constexpr qint64 kFutureMs = 24 * 3600 * 1000;

    /** At most `limit` QSOs and all waiting settings, each field stamped with the time of its
     *  own change; `clock` moves past every reading handed out. */
    [[nodiscard]] std::optional<PushBatch> read(int limit, qint64 nowMs, Hlc &clock,
                                                QString *error);

    /** The milliseconds of the reading a change made at `editedMs` goes out with. */
    [[nodiscard]] static qint64 readingMs(qint64 editedMs, qint64 nowMs);

    /** A stored column value as it travels: NULL stays null, free text is decoded. */
    [[nodiscard]] static QString wireValue(const db::Statement &row, int column, bool encoded);

private:
    /** The reading of a change made at `editedMs`; `clock` moves past it. */
    static Hlc stamp(Hlc &clock, qint64 editedMs, qint64 nowMs);
    bool readQsos(int limit, qint64 nowMs, Hlc &clock, PushBatch &batch);
    /** Adds the QSO's kept ADIF fields that go out: all of them for a new QSO (`whole` is its
     *  reading), else those with a reading of their own in `stamps` (null when removed). */
    static bool addExtras(db::Statement &extrasOf, const QString &uuid, const QString &whole,
                          const QMap<QString, QString> &stamps, QsoChange &change);
    bool readPrefs(qint64 nowMs, Hlc &clock, PushBatch &batch);
    bool failed();

    db::Database &m_database;
    QString m_error;
};

} // namespace logsync
