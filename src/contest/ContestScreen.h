#pragma once

#include "contest/ContestCatalog.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

class Clock;
class ContestSession;
class LogModel;

/** The contest screen: call and exchange typed, Enter logs, Esc clears. While the call is typed
 *  it is checked for a dupe ("Dupe 20m CW 1412z"); the screen shows what is sent next (the serial
 *  counting up), the last QSOs, the rate and the score. Frequency and mode start from the last
 *  QSO logged and are the user's to change. */
class ContestScreen : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList contestNames READ contestNames CONSTANT)
    Q_PROPERTY(bool active READ active NOTIFY changed)
    Q_PROPERTY(QString title READ title NOTIFY changed)
    Q_PROPERTY(QString call READ call WRITE setCall NOTIFY entryChanged)
    Q_PROPERTY(QString exchange READ exchange WRITE setExchange NOTIFY entryChanged)
    Q_PROPERTY(QString qrgString READ qrgString WRITE setQrgString NOTIFY entryChanged)
    Q_PROPERTY(QString mode READ mode WRITE setMode NOTIFY entryChanged)
    Q_PROPERTY(QString dupeText READ dupeText NOTIFY entryChanged)
    Q_PROPERTY(QString message READ message NOTIFY entryChanged)
    Q_PROPERTY(QString sentText READ sentText NOTIFY changed)
    Q_PROPERTY(QString scoreText READ scoreText NOTIFY changed)
    Q_PROPERTY(QString rateText READ rateText NOTIFY changed)
    Q_PROPERTY(QStringList lastQsos READ lastQsos NOTIFY changed)
public:
    ContestScreen(ContestSession &session, const ContestCatalog &catalog, LogModel &log,
                  const Clock &clock, QObject *parent = nullptr);

    [[nodiscard]] QStringList contestNames() const;
    [[nodiscard]] bool active() const;
    [[nodiscard]] QString title() const;
    [[nodiscard]] const QString &call() const { return m_call; }
    void setCall(const QString &call);
    [[nodiscard]] const QString &exchange() const { return m_exchange; }
    void setExchange(const QString &exchange);
    [[nodiscard]] const QString &qrgString() const { return m_qrgString; }
    void setQrgString(const QString &text);
    [[nodiscard]] const QString &mode() const { return m_mode; }
    void setMode(const QString &mode);
    [[nodiscard]] const QString &dupeText() const { return m_dupeText; }
    [[nodiscard]] const QString &message() const { return m_message; }
    [[nodiscard]] QString sentText() const;
    [[nodiscard]] QString scoreText() const;
    [[nodiscard]] QString rateText() const;
    [[nodiscard]] QStringList lastQsos() const;

    /** Logs what is typed; on success the fields are cleared for the next station, otherwise
     *  the message says why and the fields stay. */
    Q_INVOKABLE bool logQso();
    /** Esc: empties call, exchange and message. */
    Q_INVOKABLE void clear();
    /** Starts a session with the logbook's own call. */
    Q_INVOKABLE bool startContest(const QString &name, const QString &sentExchange);

signals:
    void changed();
    void entryChanged();

private:
    void checkDupe();

    ContestSession &m_session;
    const ContestCatalog &m_catalog;
    LogModel &m_log;
    const Clock &m_clock;
    QString m_call;
    QString m_exchange;
    QString m_qrgString;
    QString m_mode;
    QString m_dupeText;
    QString m_message;
    QTimer m_minute; // the rate goes down with time
};
