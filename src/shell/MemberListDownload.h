#pragma once

#include <QByteArray>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>

class AppDelegate;
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
    enum class Kind { Lotw, Eqsl };

    MemberListDownload(AppDelegate &app, Kind kind, QObject *parent = nullptr);

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

private:
    void received();
    void finished();
    /** Stores the list; returns the number of callsigns downloaded. The stored file keeps the
     *  empty line after a final line end, but the user is told only of real callsigns. */
    int store(const QByteArray &data);
    void readCount();
    [[nodiscard]] QString url() const;

    AppDelegate &m_app;
    const Kind m_kind;
    QNetworkAccessManager *m_network = nullptr;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_data;
    double m_progress = 0.0;
    QString m_label;
    int m_count = 0;
};
