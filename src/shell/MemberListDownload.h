#pragma once

#include "refdata/MemberListFile.h"

#include <QByteArray>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>

class UserDefaults;
class NotificationCenter;
class LogModel;
struct DataFolder;
class QNetworkAccessManager;

/** Downloads one of the two member lists (LoTW users or eQSL members) into the data folder and
 *  tells how many callsigns the list holds. */
class MemberListDownload : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool busy READ busy NOTIFY stateChanged)
    Q_PROPERTY(double progress READ progress NOTIFY stateChanged)
    Q_PROPERTY(QString label READ label NOTIFY stateChanged)
    Q_PROPERTY(int count READ count NOTIFY stateChanged)
    Q_PROPERTY(QString title READ title CONSTANT)
public:
    using Kind = memberlist::Kind;

    MemberListDownload(UserDefaults &defaults, NotificationCenter &centre, LogModel &log,
                       const DataFolder &folder, Kind kind, QObject *parent = nullptr);

    /** Starts the download unless one is running. */
    Q_INVOKABLE void download();

    [[nodiscard]] bool busy() const { return m_reply != nullptr; }
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
    void received();
    void finished();
    void fail(const QString &alert);
    /** Writes the list atomically; a write failure is only logged and leaves the old file. */
    void store(const QByteArray &contents);
    void readCount();
    [[nodiscard]] QString url() const;

    UserDefaults &m_defaults;
    NotificationCenter &m_notifications;
    LogModel &m_log;
    const DataFolder &m_folder;
    const Kind m_kind;
    QNetworkAccessManager *m_network = nullptr;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_data;
    double m_progress = 0.0;
    QString m_label;
    int m_count = 0;
};
