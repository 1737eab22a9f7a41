#pragma once

#include "model/QsoClass.h"
#include "refdata/OneDxSpotClass.h"
#include "trx/CommandSet.h"
#include "trx/RadioModels.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class MyFunctions;

namespace trx {

class ByteLink;

/** The one owner of the radio: it holds the link and the radio's command set, sends commands
 *  spaced by the pauses the radio needs (timers, never sleeping), polls, reads the replies and
 *  tells the entry screens what the radio is tuned to ("TRX_Data_changed"). Tuning requests of
 *  other screens ("Set_TRX_Data") come through it; nothing else writes to the radio. */
class TrxController : public QObject {
    Q_OBJECT
public:
    static constexpr double kShortestPollSeconds = 0.1;
    static constexpr double kFallbackPollSeconds = 1.0;

    TrxController(const MyFunctions &functions, QObject *parent = nullptr);
    ~TrxController() override;

    /** Closes any earlier link, takes this one and the radio's command set and opens the link.
     *  The make decides whether the user's polling choice applies (Icom only). */
    void connectTo(std::unique_ptr<ByteLink> link, std::unique_ptr<CommandSet> commands, Make make);
    /** Closes the link at once; commands not yet sent are dropped. */
    void disconnect();

    [[nodiscard]] bool isConnected() const { return m_connected; }
    /** The link is opening. */
    [[nodiscard]] bool isConnecting() const { return m_connecting; }
    /** "14,074.000 kHz" as the radio's command set writes it; "???" until read or when closed. */
    [[nodiscard]] QString frequencyText() const;
    /** The mode for the display; "???" until read or when closed. */
    [[nodiscard]] QString modeText() const;
    /** What the radio told us over the current (or last) link; nothing when none was made. */
    [[nodiscard]] RadioState radioState() const;
    /** The link's description ("tcp:host:port"); empty without a link. */
    [[nodiscard]] QString linkDescription() const;
    [[nodiscard]] const QString &statusText() const { return m_status; }
    [[nodiscard]] bool statusIsError() const { return m_statusIsError; }

    void setCatOptions(const CatOptions &options) { m_catOptions = options; }
    [[nodiscard]] const CatOptions &catOptions() const { return m_catOptions; }
    /** The user's polling choice ("IcomPollForData", "IcomPollTime"); restarts the timer. */
    void setPolling(bool icomPollForData, double seconds);
    [[nodiscard]] bool isPolling() const { return m_pollTimer.isActive(); }
    [[nodiscard]] int pollIntervalMs() const { return m_pollTimer.interval(); }
    /** Stored poll times below 0.1 s would flood the radio; they mean 1 s. */
    [[nodiscard]] static double usablePollSeconds(double seconds);

    /** Tunes the radio (and sets the mode when xMode > 0). Returns why it was refused (not
     *  connected, no frequency, outside the radio's range), empty when the commands were
     *  queued. */
    QString tune(const TuneRequest &request);
    /** Tunes to a spot's frequency and mode class (a cluster spot, a frequency typed into the
     *  entry form); nothing while no radio is connected. */
    void tuneToSpot(const OneDxSpotClass &spot);
    /** Asks the radio for its frequency and mode now. */
    void refresh();
    /** Queues commands of another screen (a front panel) behind the ones waiting, with their
     *  pauses; nothing is sent while not connected. */
    void send(const Commands &commands);
    /** Whether the command queue is empty (a poll of a panel can wait its turn). */
    [[nodiscard]] bool queueIsEmpty() const { return m_queue.isEmpty(); }

signals:
    /** Connected or connecting changed. */
    void connectionChanged();
    /** The frequency or mode texts may have changed. */
    void readingChanged();
    /** The radio's frequency (with its band) and mode as the log writes them, for the entry
     *  form; only once a frequency was read. */
    void radioRead(const QsoClass &reading);
    void statusChanged();
    /** Bytes from the radio as they arrived, for a panel that reads more than the command set;
     *  the controller has read them already. */
    void bytesArrived(const QByteArray &bytes);

private:
    void linkOpened();
    void linkClosed(const QString &reason);
    void bytesReceived(const QByteArray &bytes);
    void publish(const RadioState &state);
    void pollTick();
    void enqueue(const Commands &commands);
    void sendNext();
    void restartPolling();
    void dropLink();
    void setStatus(const QString &text, bool error);
    const MyFunctions &m_functions;
    std::unique_ptr<ByteLink> m_link;
    std::unique_ptr<CommandSet> m_commands;
    Make m_make = Make::Icom;
    bool m_connecting = false;
    bool m_connected = false;
    CatOptions m_catOptions;
    bool m_icomPollForData = false;
    double m_pollSeconds = kFallbackPollSeconds;
    QTimer m_pollTimer;
    // Commands wait here while the pause after an earlier one runs.
    QList<Command> m_queue;
    QTimer m_gapTimer;
    QString m_status;
    bool m_statusIsError = false;
};

} // namespace trx
