#pragma once

#include <QObject>
#include <QString>

class UserDefaults;
struct DataFolder;
class ClublogDxStuff;

/** The country-file section: rebuilding the DXCC database from Club Log's country file (downloaded,
 *  or a gzipped copy picked by the user), its progress and error lines and the date of the loaded
 *  file. The rebuild reports through the four delegate slots. */
class CountryFileSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool busy READ busy NOTIFY changed)
    Q_PROPERTY(QString fileDate READ fileDate NOTIFY changed)
    Q_PROPERTY(QString statusLine READ statusLine NOTIFY changed)
    Q_PROPERTY(QString errorLine READ errorLine NOTIFY changed)
public:
    explicit CountryFileSettings(UserDefaults &defaults, const DataFolder &folder,
                                 QObject *parent = nullptr);

    [[nodiscard]] bool busy() const { return m_busy; }
    [[nodiscard]] const QString &fileDate() const { return m_fileDate; }
    [[nodiscard]] const QString &statusLine() const { return m_statusLine; }
    [[nodiscard]] const QString &errorLine() const { return m_errorLine; }

    /** Downloads the country file from Club Log and rebuilds. */
    Q_INVOKABLE void load();
    /** Rebuilds from a gzipped country file on disk (a path or a "file:" URL). */
    Q_INVOKABLE void loadFile(const QString &pathOrUrl);

public slots:
    void clublogStatus(const QString &status);
    void clublogError(const QString &error);
    void newUpdateDateSet(const QString &date);
    void clublogProcessingFinished();

signals:
    void changed();

private:
    /** Starts a rebuild unless one runs; false when it does. */
    bool begin();

    ClublogDxStuff *m_rebuild;
    bool m_busy = false;
    QString m_fileDate;
    QString m_statusLine;
    QString m_errorLine;
};
