#pragma once

#include "contest/ContestLog.h"

#include <QDateTime>
#include <QJsonObject>
#include <QMap>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class Clock;
class ContestCatalog;
class DXCCModel;
class LogModel;
class MyFunctions;
struct QsoChange;

/** What a session is: the contest, the own call, the exchange sent (the serial number counts by
 *  itself), the Cabrillo categories and the start. Kept in the logbook's settings
 *  ("ContestSession") so that it outlives the program. */
struct ContestSettings {
    QString contest;
    QString myCall;
    QString sentExchange;
    QMap<QString, QString> category; // "OPERATOR" → "SINGLE-OP", …
    QDateTime start;

    [[nodiscard]] QJsonObject toJson() const;
    [[nodiscard]] static std::optional<ContestSettings> fromJson(const QByteArray &text);
};

/** The current contest session over the logbook: checks and logs QSOs through LogModel (the
 *  contest's ADIF fields set), reads its QSOs back from the logbook at start-up and after
 *  changes made elsewhere, and answers dupes, the next serial, the score and the rate. */
class ContestSession : public QObject {
    Q_OBJECT
public:
    static constexpr char kPrefsEntry[] = "ContestSession";

    ContestSession(LogModel &log, DXCCModel &dxcc, const MyFunctions &functions, const Clock &clock,
                   const ContestCatalog &catalog, QObject *parent = nullptr);
    ~ContestSession() override;

    /** Takes up the session kept in the logbook; false when there is none (or its contest is
     *  no longer known, said in `error`). */
    bool restore(QString *error = nullptr);
    /** Starts a new session now; the reason when refused (unknown contest, a sent exchange that
     *  does not fit, no own call, a failed write). */
    [[nodiscard]] std::optional<QString> start(ContestSettings settings);

    [[nodiscard]] bool isActive() const { return m_log != nullptr; }
    [[nodiscard]] const ContestSettings &settings() const { return m_settings; }
    [[nodiscard]] const ContestLog *log() const { return m_log.get(); }

    /** The exchange values sent with the next QSO in that Cabrillo mode, or the reason the
     *  session's sent exchange does not fit. */
    [[nodiscard]] std::optional<QStringList> sentValues(const QString &cabMode,
                                                        QString *error) const;

    /** The band of a frequency, as the logbook names it. */
    [[nodiscard]] QString bandOf(double kHz) const;
    /** The earlier QSO that makes this one a dupe. */
    [[nodiscard]] std::optional<ContestQso> dupeOf(const QString &call, double kHz,
                                                   const QString &mode) const;

    struct Request {
        QString call;
        QString exchange;
        double kHz = 0.0;
        QString mode;
        std::optional<QDateTime> time; // now when not given
        bool allowDupe = false;
    };
    struct Result {
        bool stored = false;
        QString error; // naming the field when the QSO was refused
        std::optional<ContestQso> dupe;
        std::optional<ContestQso> qso;
    };
    /** Checks and logs one QSO. A dupe is refused unless allowed (then logged for no points). */
    Result logQso(const Request &request);

    /** Reads the session's QSOs from the logbook again. */
    void reload();

signals:
    /** The session or its QSOs changed (a QSO logged, edited or deleted, a new session). */
    void changed();

private:
    void takeChange(const QsoChange &change);
    [[nodiscard]] OwnStation ownStation(const QString &call) const;

    LogModel &m_logModel;
    DXCCModel &m_dxcc;
    const MyFunctions &m_functions;
    const Clock &m_clock;
    const ContestCatalog &m_catalog;
    ContestSettings m_settings;
    std::unique_ptr<ContestLog> m_log;
    bool m_writing = false;
};
