#pragma once

#include "adif/DxccEntityLookup.h"

#include <QObject>
#include <QString>
#include <QVariantList>

class Clock;
class DXCCModel;
class LogModel;
class UserDefaults;
struct QsoClass;

namespace wsjtx {
class WsjtxListener;
class WsjtxLogger;
} // namespace wsjtx

/** The "WSJT-X" settings: logging what WSJT-X and JTDX log on or off, the UDP port and address, and
 * the last QSOs that came in with what became of each. It owns the listener and the logger, so
 * logging goes on while other screens are shown. */
class WsjtxSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool on READ on WRITE setOn NOTIFY changed)
    Q_PROPERTY(int port READ port NOTIFY changed)
    Q_PROPERTY(QString address READ address NOTIFY changed)
    Q_PROPERTY(QString status READ status NOTIFY changed)
    Q_PROPERTY(bool failed READ failed NOTIFY changed)
    Q_PROPERTY(QVariantList received READ received NOTIFY receivedChanged)
public:
    static constexpr int kReceivedShown = 20;

    WsjtxSettings(UserDefaults &defaults, const Clock &clock, LogModel &log, DXCCModel &dxcc,
                  QObject *parent = nullptr);
    ~WsjtxSettings() override;

    [[nodiscard]] bool on() const;
    void setOn(bool on);
    [[nodiscard]] int port() const;
    /** Takes a port typed by the user; the reason it is refused, empty when taken. */
    Q_INVOKABLE QString setPort(const QString &text);
    /** The address listened on: 127.0.0.1 (this computer's programs only) unless set. */
    [[nodiscard]] QString address() const;
    /** Takes an address typed by the user (empty: 127.0.0.1); the reason it is refused, empty
     *  when taken. */
    Q_INVOKABLE QString setAddress(const QString &text);
    /** "Off", "Listening on UDP port 2237" or why the port could not be opened. */
    [[nodiscard]] QString status() const;
    [[nodiscard]] bool failed() const;
    /** Newest first, each {"time", "text", "stored"}: stored QSOs and those skipped for a reason
     *  the user should see. */
    [[nodiscard]] const QVariantList &received() const { return m_received; }

    [[nodiscard]] wsjtx::WsjtxLogger &logger() { return *m_logger; }
    [[nodiscard]] wsjtx::WsjtxListener &listener() { return *m_listener; }

signals:
    void changed();
    void receivedChanged();

private:
    void note(const QString &text, bool stored);
    void noteStored(const QsoClass &qso);

    UserDefaults &m_defaults;
    const Clock &m_clock;
    DxccEntityLookup m_entities;
    wsjtx::WsjtxLogger *m_logger;
    wsjtx::WsjtxListener *m_listener;
    QVariantList m_received;
};
