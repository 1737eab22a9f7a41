#pragma once

#include "model/QsoClass.h"
#include "refdata/ModesList.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QTemporaryFile>
#include <QTimer>

#include <memory>

class Clock;
class LogModel;
class UserDefaults;

/** Sends the QSOs waiting for LoTW to TQSL: they are written to a temporary ADIF file that `tqsl`
 *  signs with the chosen station location and uploads in batch mode, as a process of its own
 *  (never through a shell) with a time-out. What TQSL prints is passed on line by line; its exit
 *  code decides: only when LoTW took the file are the QSOs that were sent, and are still as
 *  they were sent, marked "S" with the date in LOTW_QSLSDATE. One run at a time; it stays on the
 *  logbook it started on. Used by the LoTW screen and the CLI. */
class LotwUpload : public QObject {
    Q_OBJECT
public:
    struct Outcome {
        bool ok = false;            // LoTW took the file (a dry run: the file was written)
        bool nothingToSend = false; // no QSO was waiting
        int exitCode = -1;          // TQSL's, when it ran to its end
        qint64 qsos = 0;            // in the file
        qint64 marked = 0;
        QString status;       // the last status text
        QList<QsoClass> sent; // the QSOs of the file
    };

    explicit LotwUpload(UserDefaults &defaults, const Clock &clock, QObject *parent = nullptr);
    ~LotwUpload() override;

    /** Starts a run with that station location (the setting's when empty); refused (false)
     *  while one is running. A dry run writes the file and ends: TQSL is not run, nothing is
     *  marked. */
    bool upload(LogModel &log, const QString &location, bool dryRun = false);
    [[nodiscard]] bool isBusy() const { return m_busy; }

signals:
    void statusChanged(const QString &text);
    /** One line TQSL printed (standard output or error). */
    void output(const QString &line);
    void finished(const LotwUpload::Outcome &outcome);

private:
    void prepare();
    void run(const QString &program);
    void readOutput(QProcess::ProcessChannel channel);
    void exited(int exitCode, QProcess::ExitStatus status);
    void failedToStart(QProcess::ProcessError error);
    void timedOut();
    void mark(int exitCode);
    void end(const QString &status, bool ok);
    void setStatus(const QString &text);

    UserDefaults &m_defaults;
    const Clock &m_clock;
    bool m_busy = false;
    // The run.
    bool m_dryRun = false;
    QString m_location;
    std::unique_ptr<LogModel> m_pinned;
    QPointer<LogModel> m_log;
    adif::ModesList m_modes;
    std::unique_ptr<QTemporaryFile> m_file;
    QHash<qint64, QString> m_records; // what was sent of each QSO, by id
    std::unique_ptr<QProcess> m_process;
    QTimer m_timeout;
    QStringList m_lastLines; // of TQSL's output, for the message of a failure
    Outcome m_outcome;
};

Q_DECLARE_METATYPE(LotwUpload::Outcome)
