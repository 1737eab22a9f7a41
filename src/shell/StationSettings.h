#pragma once

#include <QObject>
#include <QString>

class LogModel;

/** Own callsign and locator, kept in the current logbook. */
class StationSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString myCallsign READ myCallsign WRITE setMyCallsign NOTIFY changed)
    Q_PROPERTY(QString myLocator READ myLocator WRITE setMyLocator NOTIFY changed)
    Q_PROPERTY(bool locatorValid READ locatorValid NOTIFY changed)
    Q_PROPERTY(QString logbookName READ logbookName NOTIFY changed)
public:
    explicit StationSettings(LogModel &log, QObject *parent = nullptr);

    [[nodiscard]] const QString &myCallsign() const { return m_myCallsign; }
    [[nodiscard]] const QString &myLocator() const { return m_myLocator; }
    /** Empty counts as valid: no locator is given yet. */
    [[nodiscard]] bool locatorValid() const;
    [[nodiscard]] const QString &logbookName() const { return m_logbookName; }

    /** Callsigns and locators are stored in capitals without surrounding blanks. */
    void setMyCallsign(const QString &callsign);
    void setMyLocator(const QString &locator);

signals:
    void changed();

private:
    void read();
    LogModel &m_log;
    QString m_myCallsign;
    QString m_myLocator;
    QString m_logbookName;
};
