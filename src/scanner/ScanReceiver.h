#pragma once

#include "net/UdpListener.h"
#include "scanner/CardMatcher.h"
#include "scanner/ReceivedCards.h"

#include <QObject>
#include <QString>

class Clock;
class LogModel;
class UserDefaults;

namespace scanner {

/** The desktop's side of the scanner: listens on "ScanPort" while "ScanReceive" is on (off
 *  unless the user chose it), lists every text received with what the logbook says to it, and
 *  marks a card's QSO as paper QSL received with the clock's date. A datagram that is not a
 *  card text is listed, never acted on. */
class ScanReceiver : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool on READ on WRITE setOn NOTIFY stateChanged)
    Q_PROPERTY(int port READ shownPort NOTIFY stateChanged)
    Q_PROPERTY(QString status READ status NOTIFY stateChanged)
    Q_PROPERTY(bool failed READ failed NOTIFY stateChanged)
    Q_PROPERTY(scanner::ReceivedCards *cards READ cards CONSTANT)
public:
    /** With `follow` the port opens and closes with the user defaults; without, the
     *  caller uses listen() and stop() (the CLI). */
    ScanReceiver(UserDefaults &defaults, const Clock &clock, LogModel &log, bool follow = true,
                 QObject *parent = nullptr);
    ~ScanReceiver() override;

    [[nodiscard]] bool on() const;
    void setOn(bool on);
    [[nodiscard]] int shownPort() const;
    /** Takes a port typed by the user; the reason it is refused, empty when taken. */
    Q_INVOKABLE QString setPort(const QString &text);
    /** "Off", "Listening for QSL cards on UDP port 7700", or why the port did not open. */
    [[nodiscard]] QString status() const;
    [[nodiscard]] bool failed() const { return !m_error.isEmpty(); }
    [[nodiscard]] ReceivedCards *cards() const { return m_cards; }

    /** Opens the port; the error text, empty when listening. */
    QString listen(quint16 port);
    void stop();
    [[nodiscard]] bool isListening() const { return m_socket.isListening(); }
    [[nodiscard]] quint16 port() const { return m_socket.port(); }

    /** One datagram as it came off the network. */
    void receive(const QByteArray &datagram, const QString &sender);
    /** Marks the paper QSL of a received card's QSO (`candidate` among the fitting ones) as
     *  received today; the reason when it was not, empty when marked. */
    Q_INVOKABLE QString markReceived(int row, int candidate = 0);

signals:
    void stateChanged();
    /** A text came in; `match` says what the logbook holds for it. */
    void received(const QString &text, const scanner::CardMatch &match);
    /** A QSO's paper QSL is now marked received. */
    void qsoMarked(const QsoClass &qso);

private:
    void followDefaults();

    UserDefaults &m_defaults;
    const Clock &m_clock;
    CardMatcher m_matcher;
    bool m_follow;
    net::UdpListener m_socket{QStringLiteral("QSL cards")};
    QString m_error;
    ReceivedCards *m_cards;
};

} // namespace scanner
