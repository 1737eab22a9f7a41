#pragma once

#include "model/QsoClass.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <QVariantMap>

#include <memory>

class UserDefaults;
class Clock;
class LogModel;
class DXCCModel;
class DXCCModel;
class LogModel;
class QTimer;

/** The phone's pile-up screen: one frequency and mode for many stations; the operator types a
 *  callsign and presses return, and each return logs one complete QSO at that second. The
 *  newest calls stand at the top of the log text. */
class PileUp : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool running READ running NOTIFY runningChanged)
    Q_PROPERTY(QString dateText READ dateText NOTIFY clockChanged)
    Q_PROPERTY(QString timeText READ timeText NOTIFY clockChanged)
    Q_PROPERTY(QString callsign READ callsign WRITE setCallsign NOTIFY callsignChanged)
    Q_PROPERTY(QString rstrx READ rstrx WRITE setRstrx NOTIFY reportsChanged)
    Q_PROPERTY(QString rsttx READ rsttx WRITE setRsttx NOTIFY reportsChanged)
    Q_PROPERTY(QString band READ band NOTIFY runningChanged)
    Q_PROPERTY(QString qrgString READ qrgString NOTIFY runningChanged)
    Q_PROPERTY(QString mode READ mode NOTIFY runningChanged)
    Q_PROPERTY(QString note READ note NOTIFY runningChanged)
    Q_PROPERTY(QString qsl READ qsl NOTIFY runningChanged)
    Q_PROPERTY(QString lotwqsl READ lotwqsl NOTIFY runningChanged)
    Q_PROPERTY(QString eqsl READ eqsl NOTIFY runningChanged)
    Q_PROPERTY(QString logText READ logText NOTIFY logTextChanged)
    /** A warning while the callsign is one this pile-up has logged already; empty otherwise. */
    Q_PROPERTY(QString duplicateText READ duplicateText NOTIFY callsignChanged)
    Q_PROPERTY(QString alertTitle READ alertTitle CONSTANT)
public:
    explicit PileUp(UserDefaults &defaults, const Clock &clock, LogModel &log, DXCCModel &dxcc,
                    QObject *parent = nullptr);
    ~PileUp() override;

    /** Checks the new-QSO form's values and, when they do, starts the pile-up with them: `fields`
     *  are the form's texts by record field name. Returns the message that stops the start
     *  ("Frequency invalid", "No Mode given"), empty when it runs. */
    Q_INVOKABLE QString start(const QVariantMap &fields, int powerIndex, const QString &powerText,
                              int colorCode);
    /** Starts with a prepared default record. */
    void setDefaultQSO(const QsoClass &defaultQso);
    /** Return in the callsign field: logs one QSO; false when nothing was logged (a QSO the
     *  logbook refused keeps its callsign in the field and raises `alertRequested`). */
    Q_INVOKABLE bool logQso();
    /** Empties the callsign field and ends editing. */
    Q_INVOKABLE void cancel();
    /** The screen was left: the clock stops. */
    Q_INVOKABLE void finish();
    /** The clock's tick: date and time labels show now. */
    void updateLogTime();

    [[nodiscard]] bool running() const { return m_running; }
    [[nodiscard]] const QString &dateText() const { return m_dateText; }
    [[nodiscard]] const QString &timeText() const { return m_timeText; }
    [[nodiscard]] const QString &callsign() const { return m_callsign; }
    void setCallsign(const QString &text);
    [[nodiscard]] const QString &rstrx() const { return m_rstrx; }
    void setRstrx(const QString &text);
    [[nodiscard]] const QString &rsttx() const { return m_rsttx; }
    void setRsttx(const QString &text);
    [[nodiscard]] const QString &band() const { return m_default.band; }
    [[nodiscard]] QString qrgString() const { return m_default.qrgText(); }
    [[nodiscard]] const QString &mode() const { return m_default.mode; }
    [[nodiscard]] const QString &note() const { return m_default.note; }
    [[nodiscard]] const QString &qsl() const { return m_default.qsl; }
    [[nodiscard]] const QString &lotwqsl() const { return m_default.lotwqsl; }
    [[nodiscard]] const QString &eqsl() const { return m_default.eqsl; }
    [[nodiscard]] const QString &logText() const { return m_logText; }
    [[nodiscard]] QString duplicateText() const;
    [[nodiscard]] static QString alertTitle();
    [[nodiscard]] const QsoClass &defaultQSO() const { return m_default; }

signals:
    void runningChanged();
    void clockChanged();
    void callsignChanged();
    void reportsChanged();
    void logTextChanged();
    /** The keyboard goes away (editing ends). */
    void keyboardCloseRequested();
    /** The callsign field keeps the focus for the next station. */
    void callsignFocusRequested();
    /** A QSO was stored under this row id. */
    void qsoLogged(qint64 rowid);
    /** The logbook did not store the QSO ("The logbook could not store the QSO."). */
    void alertRequested(const QString &title, const QString &message);

private:
    UserDefaults &m_defaults;
    const Clock &m_now;
    LogModel &m_current; // the logbook chosen when a pile-up starts
    DXCCModel &m_dxcc;
    std::unique_ptr<LogModel> m_log;
    QTimer *m_clock;
    bool m_running = false;
    QsoClass m_default;
    QString m_dateText;
    QString m_timeText;
    QString m_callsign;
    QString m_rstrx;
    QString m_rsttx;
    QString m_logText;
    QSet<QString> m_logged; // the calls of this pile-up's QSOs
};
