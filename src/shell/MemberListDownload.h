#pragma once

#include "refdata/MemberListFile.h"
#include "services/HttpClient.h"

#include <QObject>
#include <QPointer>
#include <QString>

class UserDefaults;
class LogModel;
struct DataFolder;
class QNetworkAccessManager;
class HttpCall;
struct HttpResult;

/** Downloads one of the two member lists (LoTW users or eQSL members) into the data folder and
 *  tells how many callsigns the list holds. The lists are a few MB; a reply past kMaxBytes, or
 *  one that stalls or drags on, is refused and the stored list stays. */
class MemberListDownload : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool busy READ busy NOTIFY stateChanged)
    Q_PROPERTY(double progress READ progress NOTIFY stateChanged)
    Q_PROPERTY(QString label READ label NOTIFY stateChanged)
    Q_PROPERTY(int count READ count NOTIFY stateChanged)
    Q_PROPERTY(QString title READ title CONSTANT)
public:
    using Kind = memberlist::Kind;
    static constexpr qint64 kMaxBytes = qint64(64) << 20;

    MemberListDownload(UserDefaults &defaults, LogModel &log, const DataFolder &folder, Kind kind,
                       QObject *parent = nullptr);

    /** Starts the download unless one is running. */
    Q_INVOKABLE void download();

    [[nodiscard]] bool busy() const { return m_call != nullptr; }
    /** Received ÷ expected length, 0 while the length is unknown. */
    [[nodiscard]] double progress() const { return m_progress; }
    [[nodiscard]] const QString &label() const { return m_label; }
    /** Callsigns in the stored list. */
    [[nodiscard]] int count() const { return m_count; }
    [[nodiscard]] QString title() const;

signals:
    void stateChanged();
    /** A notice for the user: title, message and an "Okay" button. */
    void alertRequested(const QString &title, const QString &message);
    /** A download ended: stored, or refused with the reason shown in the label or alert. */
    void done(bool stored);

private:
    void received(qint64 done, qint64 total);
    void finished(const HttpResult &result);
    void fail(const QString &alert);
    /** Writes the list atomically; a write failure is only logged and leaves the old file. */
    void store(const QByteArray &contents);
    void readCount();
    /** The list's server (a user default) and its path there. */
    [[nodiscard]] std::pair<QString, QString> address() const;

    UserDefaults &m_defaults;
    LogModel &m_log;
    const DataFolder &m_folder;
    const Kind m_kind;
    QNetworkAccessManager *m_network = nullptr;
    HttpClient m_http;
    QPointer<HttpCall> m_call;
    double m_progress = 0.0;
    QString m_label;
    int m_count = 0;
};
