#pragma once

#include "refdata/ClublogXml.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

struct DataFolder;
class UserDefaults;
class QThread;

/** Rebuilds ClublogDXCC.db from Club Log's country file: download (or a local gzipped copy),
 *  gunzip, parse, write "ClublogDXCC_temp.db" and put it in place of the live database. The
 *  work runs on a worker thread; status, errors and the file's date arrive as signals on the
 *  thread the object lives on. A start while a rebuild runs does nothing. */
class ClublogDxStuff : public QObject {
    Q_OBJECT
public:
    /** User defaults naming the Club Log host (scheme included) and the application's key. */
    static constexpr char kHostKey[] = "ClublogCountryFileHost";
    static constexpr char kApiKeyKey[] = "ClublogApiKey";
    static constexpr char kDefaultHost[] = "https://cdn.clublog.org";
    static constexpr char kDefaultApiKey[] = "5b0c9e7a2d41f6083ce1a9b7d2f40e6c81a3b5d9";
    static constexpr char kLastDateKey[] = "LastClublogXmlData";

    /** What a country file must be before it may replace the live database. */
    struct Limits {
        // The real file is about 1 MB packed and 5 MB unpacked; reading stops beyond this.
        qsizetype maxBytes = qsizetype(100) * 1024 * 1024;
        refdata::ClublogMinimumCounts minimum;
    };

    ClublogDxStuff(UserDefaults &defaults, const DataFolder &folder, QObject *parent = nullptr);
    ~ClublogDxStuff() override;

    [[nodiscard]] bool isBusy() const { return m_busy; }
    /** For the next start; tests use small country files and small caps. */
    void setLimits(const Limits &limits) { m_limits = limits; }
    /** The country-file address from the user defaults: host + "/cty.php?api=" + key. */
    [[nodiscard]] QUrl countryFileUrl() const;

    /** Downloads the country file from Club Log and rebuilds. */
    void loadAndProccessXMLFile();
    /** The same from another address. */
    void loadAndProccessUrl(const QUrl &url);
    /** The same from a gzipped country file on disk. */
    void loadAndProccessFile(const QString &path);

signals:
    void clublogStatus(const QString &text);
    void clublogError(const QString &text);
    void newUpdateDateSet(const QString &date);
    /** The new database is in place. */
    void clublogProcessingFinished();
    /** The rebuild stopped, finished or not; a new one may start. */
    void idle();

private:
    void start(std::function<QByteArray(qsizetype)> fetch);
    void process(const QByteArray &compressed, const Limits &limits);
    [[nodiscard]] bool copyEmptyClubLogDxccDB();
    void sendStatus(const QString &text);
    void sendError(const QString &text);

    UserDefaults &m_defaults;
    QString m_livePath;
    QString m_tempPath;
    Limits m_limits;
    bool m_busy = false;
    QThread *m_worker = nullptr;
};
