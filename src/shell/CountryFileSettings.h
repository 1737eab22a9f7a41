#pragma once

#include <QObject>
#include <QString>

class AppDelegate;

/** The country-file section: rebuilding the DXCC database from Club Log's country file, its
 *  progress and error lines and the date of the loaded file. The rebuild reports through the
 *  four delegate slots. */
class CountryFileSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool available READ available CONSTANT)
    Q_PROPERTY(bool busy READ busy NOTIFY changed)
    Q_PROPERTY(QString fileDate READ fileDate NOTIFY changed)
    Q_PROPERTY(QString statusLine READ statusLine NOTIFY changed)
    Q_PROPERTY(QString errorLine READ errorLine NOTIFY changed)
public:
    explicit CountryFileSettings(AppDelegate &app, QObject *parent = nullptr);

    /** False while this build has no country-file rebuild. */
    [[nodiscard]] static bool available() { return false; }
    [[nodiscard]] bool busy() const { return m_busy; }
    [[nodiscard]] const QString &fileDate() const { return m_fileDate; }
    [[nodiscard]] const QString &statusLine() const { return m_statusLine; }
    [[nodiscard]] const QString &errorLine() const { return m_errorLine; }

    /** Starts the rebuild. */
    Q_INVOKABLE void load();

public slots:
    void clublogStatus(const QString &status);
    void clublogError(const QString &error);
    void newUpdateDateSet(const QString &date);
    void clublogProcessingFinished();

signals:
    void changed();

private:
    AppDelegate &m_app;
    bool m_busy = false;
    QString m_fileDate;
    QString m_statusLine;
    QString m_errorLine;
};
