#pragma once

#include "db/FileStamp.h"
#include "stats/QsoStatistics.h"

#include <QObject>
#include <QTimer>

#include <optional>

class LogModel;

namespace stats {

/** The statistics of the current logbook, kept for the screens: read when first asked, and
 *  read again after each committed write (`LogModel::qsosChanged`) or logbook switch, or when
 *  the file changed behind the program's back (another program, the command line; see
 *  db::FileStamp). A burst of writes (an import, a download) comes to one reading; while nobody
 *  watches (`setLive` off), a change only marks what is kept as stale until it is asked for. */
class Statistics : public QObject {
    Q_OBJECT
public:
    explicit Statistics(LogModel &log, QObject *parent = nullptr);

    /** The numbers as of the last reading; reads now when they are stale. */
    [[nodiscard]] const QsoStatistics &current();
    /** The message of the last reading that failed; empty after one that worked. */
    [[nodiscard]] const QString &error() const { return m_error; }
    /** Whether someone shows the numbers: then a change is read again at once. */
    void setLive(bool live);
    /** Nothing kept, or kept from another state of the file. */
    [[nodiscard]] bool isStale() const;

signals:
    /** The numbers were read again. */
    void changed();

private:
    void logbookChanged();
    void read();

    LogModel &m_log;
    std::optional<QsoStatistics> m_current;
    /** The file as it was when m_current was read. */
    std::optional<db::FileStamp> m_stamp;
    QsoStatistics m_empty;
    QString m_error;
    QTimer m_pending;
    bool m_live = false;
};

} // namespace stats
