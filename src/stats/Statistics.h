#pragma once

#include "db/FileStamp.h"
#include "model/QsoChange.h"
#include "stats/QsoStatistics.h"
#include "stats/StatisticsTally.h"

#include <QObject>
#include <QPointer>
#include <QThread>

#include <memory>
#include <optional>
#include <vector>

class LogModel;

namespace stats {

/** The statistics of the current logbook, kept for the screens. The whole logbook is read on a
 *  worker thread with its own connection (the window goes on meanwhile): when first asked, after
 *  a logbook switch, a change of many rows, or a write by another program (see db::FileStamp).
 *  Each other committed write (`LogModel::qsosChanged`) reads only the QSOs it names again (see
 *  StatisticsTally); one that comes while the worker reads is taken in after it. While nobody
 *  watches (`setLive` off) nothing is read whole, and changes are still taken in while they are
 *  cheap to. */
class Statistics : public QObject {
    Q_OBJECT
public:
    explicit Statistics(LogModel &log, QObject *parent = nullptr);
    ~Statistics() override;

    /** The numbers as they stand: empty before the first reading ends. */
    [[nodiscard]] const QsoStatistics &current() const { return m_current; }
    /** The message of the last reading that failed; empty after one that worked. */
    [[nodiscard]] const QString &error() const { return m_error; }
    /** Whether someone shows the numbers: then what is stale is read again at once. */
    void setLive(bool live);
    /** Nothing counted, or counted from another state of the file. */
    [[nodiscard]] bool isStale() const;
    /** The worker reads the whole logbook. */
    [[nodiscard]] bool isReading() const { return m_worker != nullptr; }
    /** Reads the whole logbook again (on the worker). */
    void reread();

signals:
    /** The numbers changed. */
    void changed();
    /** The worker started or ended a reading. */
    void readingChanged();

private:
    /** What the worker hands back. */
    struct Reading {
        QString path;
        std::optional<db::FileStamp> stamp;
        StatisticsTally tally;
        bool ok = false;
        QString error;
    };

    void takeChange(const QsoChange &change);
    void logbookSwitched();
    void forget();
    void startReading();
    void readingDone();
    void publish();

    LogModel &m_log;
    /** Nothing before the first reading and after one that failed. */
    std::unique_ptr<StatisticsTally> m_tally;
    /** Counts thrown away, freed on the next reading's worker. */
    std::vector<std::unique_ptr<StatisticsTally>> m_discarded;
    QString m_path;
    /** The file as it was when m_tally was last brought up to date. */
    std::optional<db::FileStamp> m_stamp;
    QsoStatistics m_current;
    QString m_error;
    QThread *m_worker = nullptr;
    std::shared_ptr<Reading> m_reading;
    /** Changes that came while the worker read. */
    QSet<qint64> m_queued;
    /** The reading under way is to be thrown away and started again. */
    bool m_restart = false;
    /** A reading of m_path ended (also one that failed) and nothing made it stale since. */
    bool m_counted = false;
    /** m_current is behind m_tally. */
    bool m_unpublished = false;
    bool m_live = false;
};

} // namespace stats
