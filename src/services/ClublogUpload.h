#pragma once

#include "formats/Formats.h"
#include "refdata/ModesList.h"
#include "services/ClublogFile.h"
#include "services/ClublogMarks.h"
#include "services/HttpClient.h"

#include <QObject>
#include <QPointer>
#include <QTemporaryFile>
#include <QThread>

#include <functional>
#include <memory>

class Clock;
class LogModel;
class SecretStore;
class UserDefaults;

/** Sends the logbook to Club Log: the whole log (replacing what Club Log holds for the callsign)
 *  or the QSOs waiting for it ("clublog" = "W"). The file is written to a temporary file on a
 *  worker as the QSOs are read and streamed from there; once Club Log accepts it, the QSOs that
 *  were sent are marked "X". Progress comes as the two delegate callbacks: a status text and a
 *  value (-1 busy, 0–100 percent of the body sent, -2 ended, whatever the end). One run at a
 *  time; it stays on the logbook it started on. Used by the Club Log screen and the CLI. */
class ClublogUpload : public QObject {
    Q_OBJECT
public:
    enum class Kind { FullLog, NewQsos };

    struct Account {
        QString user; // the Club Log account's e-mail
        QString password;
        QString callsign;
    };

    /** How a run ended. */
    struct Outcome {
        bool ok = false; // Club Log took the file (a dry run: the file was written)
        qint64 qsos = 0;
        qint64 bytes = 0; // of the form body
        qint64 marked = 0;
        bool nothingToSend = false; // "No QSOs found!", "No new QSOs found!"
        QString status;             // the last status text
    };

    static constexpr char kApiKey[] = "5b0c9e7a2d41f6083ce1a9b7d2f40e6c81a3b5d9";
    static constexpr char kHostKey[] = "ClublogHost";
    static constexpr char kPath[] = "/putlogs.php";
    static constexpr int kBusy = -1;
    static constexpr int kEnded = -2;

    ClublogUpload(HttpClient &http, UserDefaults &defaults, const Clock &clock,
                  QObject *parent = nullptr);
    ~ClublogUpload() override;

    /** The account from the logbook's settings, the password through the keyring. */
    [[nodiscard]] static Account loadPrefs(LogModel &log, SecretStore &secrets);
    [[nodiscard]] static QString programVersion();

    /** Start a run; refused (false) while one is running. */
    bool performFullLogUpload(LogModel &log, const Account &account);
    bool performNewQsosUpload(LogModel &log, const Account &account);
    /** Writes the file as that upload would and ends: nothing is sent, nothing is marked. */
    bool dryRun(Kind kind, LogModel &log, const Account &account);
    [[nodiscard]] bool isBusy() const { return m_busy; }

signals:
    void clublogCurrentStatus(const QString &text);
    void clublogCurrentValue(int value);
    void finished(const ClublogUpload::Outcome &outcome);

private:
    bool start(Kind kind, LogModel &log, const Account &account, bool dryRun);
    void prepare();
    void prepared();
    void send();
    void answered(const HttpResult &result);
    void mark();
    void marked();
    void end(const QString &status, bool ok);
    void status(const QString &text);
    void value(int value);
    /** Runs the job on a worker; `then` follows on this thread. */
    void onWorker(std::function<void()> job, void (ClublogUpload::*then)());

    HttpClient &m_http;
    UserDefaults &m_defaults;
    const Clock &m_clock;
    bool m_busy = false;
    // The run.
    Kind m_kind = Kind::NewQsos;
    bool m_dryRun = false;
    Account m_account;
    std::unique_ptr<LogModel> m_pinned;      // on the logbook file the run started on
    QPointer<LogModel> m_log;                // the pinned one or the synced logbook's
    QString m_path;                          // that logbook's file; empty for the synced logbook
    std::optional<db::FileStamp> m_readFrom; // the file before its QSOs were read
    formats::DateStyle m_style = formats::DateStyle::Short;
    adif::ModesList m_modes;
    std::unique_ptr<QTemporaryFile> m_file;
    clublogfile::Written m_written;
    clublogmarks::Marked m_marked;
    QString m_reply;
    std::unique_ptr<HttpCall> m_call;
    QThread *m_worker = nullptr;
    int m_percent = kEnded;
    Outcome m_outcome;
};

Q_DECLARE_METATYPE(ClublogUpload::Outcome)
