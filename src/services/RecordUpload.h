#pragma once

#include "model/QsoClass.h"
#include "services/HttpClient.h"
#include "services/UploadMarks.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

class Clock;
class LogModel;

/** Sends QSOs to a logbook service that takes one ADIF record per request (QRZ.com's logbook,
 *  Wavelog/Cloudlog), one after the other, and marks each QSO as soon as the service says it has
 *  it (taken, or there already). A record the service refuses stays waiting and the run goes on;
 *  a refused key, a failed exchange or a reply that cannot be read ends the run there. One run at
 *  a time; it stays on the logbook it started on. */
class RecordUpload : public QObject {
    Q_OBJECT
public:
    /** What the service said to one record. */
    struct Verdict {
        enum class Kind { Accepted, Duplicate, Refused, Stop };
        Kind kind = Kind::Stop;
        QString reason;
        QString logId; // the service's id for the QSO, when it gives one
    };

    /** How to talk to one service. */
    struct Protocol {
        uploadmarks::Service service = uploadmarks::Service::Qrz;
        /** Starts the request for one record; the caller owns the call. */
        std::function<HttpCall *(HttpClient &http, const QString &record)> send;
        std::function<Verdict(const HttpResult &result)> judge;
    };

    struct Outcome {
        bool ok = false;       // every QSO was taken (a dry run: the records were made)
        qint64 qsos = 0;       // waiting when the run started
        qint64 accepted = 0;   // taken now
        qint64 duplicates = 0; // the service had them already
        qint64 marked = 0;     // marked sent in the logbook
        QStringList refusals;  // "CALL yyyy-MM-dd HH:mm: reason" per refused QSO
        QString error;         // why the run ended early; empty when it did not
        QStringList records;   // a dry run's records
    };

    RecordUpload(HttpClient &http, const Clock &clock, QObject *parent = nullptr);
    ~RecordUpload() override;

    /** Starts sending `qsos` (or, with `dryRun`, only makes their records); refused (false) while
     *  a run is going. finished() follows in every case, also for an empty list. */
    bool start(LogModel &log, const Protocol &protocol, const QList<QsoClass> &qsos,
               bool dryRun = false);
    [[nodiscard]] bool isBusy() const { return m_busy; }

signals:
    void progress(int done, int total);
    void finished(const RecordUpload::Outcome &outcome);

private:
    void next();
    void answered(const HttpResult &result);
    void end(const QString &error = {});

    HttpClient &m_http;
    const Clock &m_clock;
    bool m_busy = false;
    Protocol m_protocol;
    std::unique_ptr<LogModel> m_pinned;
    QPointer<LogModel> m_log;
    QList<QsoClass> m_qsos;
    qsizetype m_index = 0;
    std::unique_ptr<HttpCall> m_call;
    Outcome m_outcome;
};

Q_DECLARE_METATYPE(RecordUpload::Outcome)
