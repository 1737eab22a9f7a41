#pragma once

#include "trx/CommandSet.h"
#include "trx/ElecraftReplies.h"
#include "trx/ElecraftTerminal.h"
#include "trx/ReplyFramer.h"

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

class UserDefaults;

namespace trx {

class TrxController;

/** The remote front panel of the Elecraft K3, KX2 and KX3 on both layouts. It never opens a link
 *  of its own: its commands go through the transceiver controller's queue and it reads the bytes
 *  the controller receives (the controller tells the entry screens the frequency and mode).
 *  Polls while shown, tunes VFO A by dragging, runs the decode/send terminal and the macros. */
class ElecraftPanel : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString model READ model NOTIFY statusChanged)
    Q_PROPERTY(bool connected READ connected NOTIFY connectionChanged)
    Q_PROPERTY(bool shown READ shown WRITE setShown NOTIFY connectionChanged)
    /** The toggles, labels and texts the panel shows, by name (see statusMap()). */
    Q_PROPERTY(QVariantMap status READ statusMap NOTIFY statusChanged)
    Q_PROPERTY(QString tuningLabel READ tuningLabel NOTIFY tuningChanged)
    Q_PROPERTY(bool decoderOn READ decoderOn WRITE setDecoderOn NOTIFY terminalChanged)
    Q_PROPERTY(bool decoding READ decoding NOTIFY terminalChanged)
    Q_PROPERTY(bool sending READ sending NOTIFY terminalChanged)
    Q_PROPERTY(QString terminalHtml READ terminalHtml NOTIFY terminalChanged)
    Q_PROPERTY(QString sendText READ sendText WRITE setSendText NOTIFY terminalChanged)
    /** 0 CW, 1 RTTY, 2 PSK: which text macros the six macro buttons send. */
    Q_PROPERTY(int digitalMode READ digitalMode WRITE setDigitalMode NOTIFY macrosChanged)
    Q_PROPERTY(QStringList commandTitles READ commandTitles NOTIFY macrosChanged)
    Q_PROPERTY(QStringList commandMacros READ commandMacros NOTIFY macrosChanged)
    Q_PROPERTY(QStringList textTitles READ textTitles NOTIFY macrosChanged)
    Q_PROPERTY(QVariantList textMacroSets READ textMacroSets NOTIFY macrosChanged)
    Q_PROPERTY(int pollIntervalMs READ pollIntervalMs NOTIFY macrosChanged)
public:
    static constexpr int kCommandMacros = 10;
    static constexpr int kTextMacros = 6;
    static constexpr int kTuneRepeatMs = 300;
    static constexpr int kDecodePollMs = 180;
    static constexpr int kBandPauseMs = 500;
    static constexpr int kFallbackPollMs = 1000;
    static constexpr int kMaxTuningStep = 10;

    ElecraftPanel(UserDefaults &defaults, TrxController &controller, QObject *parent = nullptr);

    [[nodiscard]] QString model() const;
    [[nodiscard]] bool connected() const;
    [[nodiscard]] bool shown() const { return m_shown; }
    /** Showing the panel sends its start-up commands and starts polling while connected. */
    void setShown(bool shown);
    [[nodiscard]] QVariantMap statusMap() const;
    [[nodiscard]] const ElecraftStatus &status() const { return m_replies.status(); }
    [[nodiscard]] QString tuningLabel() const { return m_tuningLabel; }
    [[nodiscard]] bool decoderOn() const { return m_decoderOn; }
    void setDecoderOn(bool on);
    /** The "TB" poll runs: decoder on, connected, CW or an FSK D / PSK D data mode. */
    [[nodiscard]] bool decoding() const { return m_tbTimer.isActive(); }
    [[nodiscard]] bool sending() const { return m_terminal.sending(); }
    [[nodiscard]] QString terminalHtml() const { return m_terminal.html(); }
    [[nodiscard]] const ElecraftTerminal &terminal() const { return m_terminal; }
    [[nodiscard]] QString sendText() const { return m_terminal.sendText(); }
    void setSendText(const QString &text);
    [[nodiscard]] int digitalMode() const { return m_digitalMode; }
    void setDigitalMode(int mode);
    [[nodiscard]] const QStringList &commandTitles() const { return m_commandTitles; }
    [[nodiscard]] const QStringList &commandMacros() const { return m_commandMacros; }
    [[nodiscard]] QStringList textTitles() const;
    /** Per digital mode (CW, RTTY, PSK): {"titles": [...], "texts": [...]}. */
    [[nodiscard]] QVariantList textMacroSets() const;
    [[nodiscard]] int pollIntervalMs() const { return m_pollTimer.interval(); }

    /** The commands of a named button: "preampA", "preampB", "attA", "attB", "lockA",
     *  "lockB", "split", "link", "diversity", "nbMain", "nbSub", "sub", "ab", "aToB", "cw",
     *  "fsk", "psk", "ssb", "nrMain", "nrSub", "vox", "qsk", "abort". */
    [[nodiscard]] Commands buttonCommands(const QString &name) const;
    /** A memory button (tags 21–27), tapped or held; nothing when the model has none. */
    [[nodiscard]] Commands memoryCommands(int tag, bool longPress) const;
    /** Band button tag n, with the pause the radio needs after it. */
    [[nodiscard]] static Commands bandCommands(int tag);
    /** The command and label of a tuning step; the step is clamped to ±10, 0 sends nothing. */
    [[nodiscard]] static QPair<QByteArray, QString> tuningStep(int step);
    /** "FA00014074000;" */
    [[nodiscard]] static QByteArray vfoCommand(char vfo, double kHz);

    Q_INVOKABLE void press(const QString &name);
    Q_INVOKABLE void band(int tag);
    Q_INVOKABLE void memory(int tag, bool longPress);
    Q_INVOKABLE void commandMacro(int index);
    Q_INVOKABLE void textMacro(int index);
    Q_INVOKABLE void tuneStart();
    /** The horizontal drag distance in points. */
    Q_INVOKABLE void tuneDrag(double dx);
    Q_INVOKABLE void tuneEnd();
    /** A typed frequency in kHz; false when it is none. */
    Q_INVOKABLE bool setVfo(const QString &vfo, const QString &kHzText);
    Q_INVOKABLE void editingVfoA(bool editing);
    Q_INVOKABLE void leaveVfoB();
    Q_INVOKABLE void transmit();
    Q_INVOKABLE void abortTransmit();
    Q_INVOKABLE void clearTerminal();
    /** The macro editor's Done: stores the poll interval and the eight lists and tells the
     *  panels ("K3PrefsWereChanged"). */
    Q_INVOKABLE void saveMacros(int pollMs, const QStringList &commandTitles,
                                const QStringList &commands, const QVariantList &textSets);
    /** Reads "PollIntervall" and the macros; restarts a running poll timer. */
    void loadPrefs();

signals:
    void connectionChanged();
    void statusChanged();
    void tuningChanged();
    void terminalChanged();
    void macrosChanged();

private:
    void send(const Commands &commands);
    void bytesArrived(const QByteArray &bytes);
    void pollTick();
    void tuneTick();
    void reevaluate();
    [[nodiscard]] bool isKx3() const;
    [[nodiscard]] bool isKx2() const;
    [[nodiscard]] Commands toggleCommands(bool on, const char *off, const char *onCommand) const;

    UserDefaults &m_defaults;
    TrxController &m_controller;
    ReplyFramer m_framer;
    ElecraftReplies m_replies;
    ElecraftTerminal m_terminal;
    bool m_shown = false;
    bool m_decoderOn = false;
    int m_digitalMode = 0;
    int m_tuningStep = 0;
    QString m_tuningLabel = QStringLiteral("0 Hz/sec");
    QStringList m_commandTitles;
    QStringList m_commandMacros;
    QStringList m_textTitles[3];
    QStringList m_textMacros[3];
    QTimer m_pollTimer;
    QTimer m_tbTimer;
    QTimer m_tuneTimer;
};

} // namespace trx
