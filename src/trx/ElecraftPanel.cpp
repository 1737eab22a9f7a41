#include "trx/ElecraftPanel.h"

#include "app/UserDefaults.h"
#include "trx/CatNumbers.h"
#include "trx/TrxController.h"

#include <cmath>

namespace trx {
namespace {

const char *const kTextMacroKeys[3][2] = {
    {"CW_Macro_Text", "CW_Macro"},
    {"RTTY_Macro_Text", "RTTY_Macro"},
    {"PSK_Macro_Text", "PSK_Macro"},
};
const char *const kTextMacroTitles[3] = {"CW Macro %1", "RTTY Macro %1", "PSK Macro %1"};

Commands one(const QByteArray &bytes)
{
    return {{bytes, 0}};
}

/** Each command of a string like "SWT11;SWT19;IC;" on its own, as the radio takes them. */
Commands split(const QByteArray &text)
{
    Commands commands;
    for (const QByteArray &part : text.split(';'))
        if (!part.trimmed().isEmpty())
            commands += Command{part.trimmed() + ';', 0};
    return commands;
}

QStringList strings(const QVariant &value)
{
    QStringList list;
    for (const QVariant &item : value.toList())
        list += item.toString();
    return list;
}

} // namespace

ElecraftPanel::ElecraftPanel(UserDefaults &defaults, TrxController &controller, QObject *parent)
    : QObject(parent), m_defaults(defaults), m_controller(controller)
{
    connect(&m_pollTimer, &QTimer::timeout, this, &ElecraftPanel::pollTick);
    m_tbTimer.setInterval(kDecodePollMs);
    connect(&m_tbTimer, &QTimer::timeout, this, [this] {
        // Waiting commands go first; a "TB;" behind them would only pile up.
        if (m_controller.queueIsEmpty())
            send(one("TB;"));
    });
    m_tuneTimer.setInterval(kTuneRepeatMs);
    connect(&m_tuneTimer, &QTimer::timeout, this, &ElecraftPanel::tuneTick);
    connect(&controller, &TrxController::bytesArrived, this, &ElecraftPanel::bytesArrived);
    connect(&controller, &TrxController::connectionChanged, this, [this] {
        m_framer.reset();
        m_pollTimer.stop();
        // A transmission cannot be followed over a lost link; a new one starts in receive.
        if (!m_controller.isConnected() && m_terminal.sending())
            (void)m_terminal.abort();
        if (m_controller.isConnected() && m_shown)
            setShown(true); // start-up commands and polling for the new link
        reevaluate();
        emit connectionChanged();
    });
    connect(&defaults, &UserDefaults::changed, this, [this](const QString &key) {
        if (key == QLatin1String("Trx_Type"))
            emit statusChanged(); // the model's key strings and titles
    });
    loadPrefs();
}

QString ElecraftPanel::model() const
{
    const QString type = m_defaults.string(QStringLiteral("Trx_Type"));
    return type == QLatin1String("KX2") || type == QLatin1String("KX3") ? type
                                                                        : QStringLiteral("K3");
}

bool ElecraftPanel::isKx3() const
{
    return model() == QLatin1String("KX3") || m_replies.status().kx3Seen;
}

bool ElecraftPanel::isKx2() const
{
    return !m_replies.status().kx3Seen && model() == QLatin1String("KX2");
}

bool ElecraftPanel::connected() const
{
    return m_controller.isConnected();
}

void ElecraftPanel::setShown(bool shown)
{
    const bool was = m_shown;
    m_shown = shown;
    if (shown && connected()) {
        if (!was || !m_pollTimer.isActive())
            // The lone ";" ends whatever the radio was given before.
            send({{";", 0},
                  {"K30;AI1;K31;", 0},
                  {"AI2;TT0;", 0},
                  {"RA;PA;", 0},
                  {"FB;", 0},
                  {"RA$;PA$;", 0}});
        m_pollTimer.start();
    } else {
        m_pollTimer.stop();
        m_tuneTimer.stop();
    }
    reevaluate();
    if (was != shown)
        emit connectionChanged();
}

QVariantMap ElecraftPanel::statusMap() const
{
    const ElecraftStatus &s = m_replies.status();
    auto khz = [](double kHz) { return kHz > 0 ? groupedKHzText(kHz, 3) : QString(); };
    const bool kx3 = isKx3();
    return {
        {QStringLiteral("preampA"), s.preampA},
        {QStringLiteral("preampB"), s.preampB},
        {QStringLiteral("attA"), s.attA},
        {QStringLiteral("attB"), s.attB},
        {QStringLiteral("lockA"), s.lockA},
        {QStringLiteral("lockB"), s.lockB},
        {QStringLiteral("split"), s.split},
        {QStringLiteral("sub"), s.sub},
        {QStringLiteral("nbMain"), s.nbMain},
        {QStringLiteral("nbSub"), s.nbSub},
        {QStringLiteral("nrMain"), s.nrMain},
        {QStringLiteral("nrSub"), s.nrSub},
        {QStringLiteral("link"), s.linked},
        {QStringLiteral("diversity"), s.diversity},
        {QStringLiteral("rit"), s.rit},
        {QStringLiteral("xit"), s.xit},
        {QStringLiteral("bSet"), s.bSet},
        {QStringLiteral("transmitting"), s.transmitting},
        {QStringLiteral("txTest"), s.txTest},
        {QStringLiteral("memBank"), s.memBank},
        {QStringLiteral("messagePlaying"), s.messagePlaying},
        {QStringLiteral("vfoA"), khz(s.vfoAkHz)},
        {QStringLiteral("vfoB"), khz(s.vfoBkHz)},
        {QStringLiteral("modeA"), s.subMode.isEmpty() ? s.modeA : s.subMode},
        {QStringLiteral("modeB"), s.modeB},
        {QStringLiteral("mainFilter"), s.mainFilter},
        {QStringLiteral("subFilter"), s.subFilter},
        {QStringLiteral("ifShift"), s.ifShift},
        {QStringLiteral("offset"), s.offset},
        {QStringLiteral("splitText"), ElecraftReplies::splitText(s)},
        {QStringLiteral("subAntenna"),
         s.subAntennaAux ? QStringLiteral("AUX") : QStringLiteral("MAIN")},
        {QStringLiteral("subInput"),
         s.subInputNonTx ? QStringLiteral("non TX") : QStringLiteral("BNC")},
        {QStringLiteral("fskTones"),
         s.fskReverse ? QStringLiteral("Reverse") : QStringLiteral("Normal")},
        {QStringLiteral("fskFilter"), s.fskFilter ? QStringLiteral("ON") : QStringLiteral("OFF")},
        {QStringLiteral("apf"), s.apf ? QStringLiteral("ON") : QStringLiteral("OFF")},
        {QStringLiteral("cwKeying"),
         s.cwVox ? (s.fullQsk ? QStringLiteral("Full QSK") : QStringLiteral("Semi QSK"))
                 : QStringLiteral("PTT")},
        {QStringLiteral("analogVox"), s.analogVox},
        {QStringLiteral("bank1"), kx3 ? QStringLiteral("Mem 5") : QStringLiteral("M1/M2")},
        {QStringLiteral("bank2"), kx3 ? QStringLiteral("Mem 6") : QStringLiteral("M3/M4")},
        // The KX2 has no third memory button in the voice modes.
        {QStringLiteral("thirdMemory"),
         !(isKx2() && (s.modeA.endsWith(QLatin1String("SB")) || s.modeA == QLatin1String("FM") ||
                       s.modeA == QLatin1String("AM")))},
    };
}

void ElecraftPanel::setDecoderOn(bool on)
{
    if (m_decoderOn == on)
        return;
    m_decoderOn = on;
    reevaluate();
    emit terminalChanged();
}

void ElecraftPanel::setSendText(const QString &text)
{
    if (text == m_terminal.sendText())
        return;
    m_terminal.setSendText(text);
    emit terminalChanged();
}

void ElecraftPanel::setDigitalMode(int mode)
{
    if (mode < 0 || mode > 2 || mode == m_digitalMode)
        return;
    m_digitalMode = mode;
    emit macrosChanged();
}

QStringList ElecraftPanel::textTitles() const
{
    return m_textTitles[m_digitalMode];
}

QVariantList ElecraftPanel::textMacroSets() const
{
    QVariantList sets;
    for (int i = 0; i < 3; ++i)
        sets += QVariantMap{{QStringLiteral("titles"), m_textTitles[i]},
                            {QStringLiteral("texts"), m_textMacros[i]}};
    return sets;
}

Commands ElecraftPanel::toggleCommands(bool on, const char *off, const char *onCommand) const
{
    // A toggle shown on is switched off, anything else on.
    return one(on ? QByteArray(off) : QByteArray(onCommand));
}

Commands ElecraftPanel::buttonCommands(const QString &name) const
{
    const ElecraftStatus &s = m_replies.status();
    const bool kx3 = isKx3();
    const bool kx2 = isKx2();
    if (name == QLatin1String("preampA"))
        return toggleCommands(s.preampA, "PA0;", "PA1;");
    if (name == QLatin1String("preampB"))
        return toggleCommands(s.preampB, "PA$0;", "PA$1;");
    if (name == QLatin1String("attA"))
        return toggleCommands(s.attA, "RA00;", "RA01;");
    if (name == QLatin1String("attB"))
        return toggleCommands(s.attB, "RA$00;", "RA$01;");
    if (name == QLatin1String("lockA"))
        return toggleCommands(s.lockA, "LK0;", "LK1;");
    if (name == QLatin1String("lockB"))
        return toggleCommands(s.lockB, "LK$0;", "LK$1;");
    if (name == QLatin1String("split"))
        return toggleCommands(s.split, "FT0;", "FT1;");
    if (name == QLatin1String("link"))
        return toggleCommands(s.linked, "LN0;", "LN1;");
    if (name == QLatin1String("diversity"))
        return toggleCommands(s.diversity, "DV0;", "DV1;");
    if (name == QLatin1String("nbMain"))
        return toggleCommands(s.nbMain, "NB0;", "NB1;");
    if (name == QLatin1String("nbSub"))
        return toggleCommands(s.nbSub, "NB$0;", "NB$1;");
    if (name == QLatin1String("sub"))
        return toggleCommands(s.sub, "SB0;", "SB1;");
    if (name == QLatin1String("ab"))
        return one(kx3 ? "SWT24;" : kx2 ? "SWT44;" : "SWT11;");
    if (name == QLatin1String("aToB"))
        return {{kx3 ? "SWT25;" : kx2 ? "SWH44;" : "SWT13;", 0}, {"FB;", 0}};
    if (name == QLatin1String("cw"))
        return one("MD3;");
    if (name == QLatin1String("fsk"))
        return {{"MD6;", 0}, {"DT2;", 0}};
    if (name == QLatin1String("psk"))
        return {{"MD6;", 0}, {"DT3;", 0}};
    if (name == QLatin1String("ssb"))
        return one(s.vfoAkHz < 10000 ? "MD1;" : "MD2;");
    const Commands subNr = s.bSet ? split("SWH11;SWT34;SWH11;") : one("SWT34;");
    if (name == QLatin1String("nrMain"))
        return kx3 || kx2 ? one("SWH19;") : subNr;
    if (name == QLatin1String("nrSub"))
        return subNr;
    if (name == QLatin1String("vox"))
        return kx3 ? one("SWH29;") : kx2 ? Commands{} : one("SWH09;");
    if (name == QLatin1String("qsk"))
        return kx3 ? one("SWH29;") : kx2 ? Commands{} : one("SWH10;");
    if (name == QLatin1String("abort"))
        return one("RX;");
    return {};
}

Commands ElecraftPanel::memoryCommands(int tag, bool longPress) const
{
    static const char *const kx3Tap[] = {"SWT11;SWT19;IC;",
                                         "SWT11;SWT27;IC;",
                                         "SWT11;SWT20;IC;",
                                         "SWT11;SWT28;IC;",
                                         "SWT11;SWT21;IC;",
                                         "SWT11;SWT29;IC;",
                                         "RX;"};
    static const char *const kx3Hold[] = {"SWT11;SWH19;IC;",
                                          "SWT11;SWH27;IC;",
                                          "SWT11;SWH20;IC;",
                                          "SWT11;SWH28;IC;",
                                          "SWT11;SWH21;IC;",
                                          "SWT11;SWH29;IC;",
                                          nullptr};
    static const char *const k3Tap[] = {"SWT21;IC;", "SWT31;IC;", "SWT35;IC;", "SWT39;IC;",
                                        "SWH37;",    "SWH37;",    "RX;"};
    static const char *const k3Hold[] = {"SWH21;IC;", "SWH31;IC;", "SWH35;IC;", "SWH39;IC;",
                                         nullptr,     nullptr,     nullptr};
    if (tag < 21 || tag > 27)
        return {};
    const int index = tag - 21;
    // The KX2 has only the first three memories and the abort button.
    if (isKx2() && tag >= 24 && tag <= 26)
        return {};
    const bool kx = isKx3() || isKx2();
    const char *text =
        kx ? (longPress ? kx3Hold : kx3Tap)[index] : (longPress ? k3Hold : k3Tap)[index];
    return text ? split(text) : Commands{};
}

Commands ElecraftPanel::bandCommands(int tag)
{
    if (tag < 0 || tag > 99)
        return {};
    return {{QByteArrayLiteral("BN") + QByteArray::number(tag).rightJustified(2, '0') + ';',
             kBandPauseMs}};
}

QPair<QByteArray, QString> ElecraftPanel::tuningStep(int step)
{
    static const char *const commands[] = {"1;", "2;", "3;", "8;", "9;",
                                           "9;", "4;", "5;", "6;", "7;"};
    static const char *const rates[] = {"30 Hz/sec",  "60 Hz/sec",   "150 Hz/sec", "300 Hz/sec",
                                        "600 Hz/sec", "1.2 kHz/sec", "3 kHz/sec",  "6 kHz/sec",
                                        "9 kHz/sec",  "15 kHz/sec"};
    step = qBound(-kMaxTuningStep, step, kMaxTuningStep);
    if (step == 0)
        return {{}, QStringLiteral("0 Hz/sec")};
    const int index = std::abs(step) - 1;
    const QByteArray direction = step > 0 ? "UP" : "DN";
    QByteArray command = direction + commands[index];
    if (std::abs(step) == 6)
        command += command; // no single command moves this fast
    return {command,
            (step > 0 ? QStringLiteral("+ ") : QStringLiteral("- ")) + QLatin1String(rates[index])};
}

QByteArray ElecraftPanel::vfoCommand(char vfo, double kHz)
{
    return QByteArrayLiteral("F") + vfo +
           QByteArray::number(qRound64(kHz * 1000)).rightJustified(11, '0') + ';';
}

void ElecraftPanel::press(const QString &name)
{
    if (name == QLatin1String("abort")) {
        abortTransmit();
        return;
    }
    send(buttonCommands(name));
}

void ElecraftPanel::band(int tag)
{
    send(bandCommands(tag));
}

void ElecraftPanel::memory(int tag, bool longPress)
{
    if (tag == 27) {
        abortTransmit();
        return;
    }
    send(memoryCommands(tag, longPress));
}

void ElecraftPanel::commandMacro(int index)
{
    if (index < 0 || index >= m_commandMacros.size())
        return;
    send(split(m_commandMacros[index].toLatin1()));
}

void ElecraftPanel::textMacro(int index)
{
    const QStringList &texts = m_textMacros[m_digitalMode];
    if (index < 0 || index >= texts.size())
        return;
    const bool wasSending = m_terminal.sending();
    m_terminal.appendMacro(texts[index]);
    if (!wasSending && m_terminal.sending()) {
        m_decoderOn = true;
        reevaluate();
    }
    emit terminalChanged();
}

void ElecraftPanel::tuneStart()
{
    m_tuningStep = 0;
    m_tuneTimer.start();
}

void ElecraftPanel::tuneDrag(double dx)
{
    m_tuningStep = int(std::lround(dx / 10));
    const QString label = tuningStep(m_tuningStep).second;
    if (label != m_tuningLabel) {
        m_tuningLabel = label;
        emit tuningChanged();
    }
}

void ElecraftPanel::tuneEnd()
{
    m_tuneTimer.stop();
    m_tuningStep = 0;
    m_tuningLabel = QStringLiteral("0 Hz/sec");
    emit tuningChanged();
}

void ElecraftPanel::tuneTick()
{
    m_tuningStep = qBound(-kMaxTuningStep, m_tuningStep, kMaxTuningStep);
    const auto [command, label] = tuningStep(m_tuningStep);
    if (label != m_tuningLabel) {
        m_tuningLabel = label;
        emit tuningChanged();
    }
    if (!command.isEmpty())
        send(split(command));
}

bool ElecraftPanel::setVfo(const QString &vfo, const QString &kHzText)
{
    bool ok = false;
    const double kHz = QString(kHzText).remove(QLatin1Char(',')).trimmed().toDouble(&ok);
    if (!ok || !(kHz > 0) || kHz >= 1e8)
        return false;
    send(one(vfoCommand(vfo == QLatin1String("B") ? 'B' : 'A', kHz)));
    return true;
}

void ElecraftPanel::editingVfoA(bool editing)
{
    m_replies.setEditingVfoA(editing);
}

void ElecraftPanel::leaveVfoB()
{
    send(one("FB;"));
}

void ElecraftPanel::transmit()
{
    m_terminal.transmit();
    // The decoder's replies tell when the radio has room for more.
    m_decoderOn = true;
    reevaluate();
    emit terminalChanged();
}

void ElecraftPanel::abortTransmit()
{
    m_controller.send(m_terminal.abort());
    emit terminalChanged();
}

void ElecraftPanel::clearTerminal()
{
    m_terminal.clear();
    emit terminalChanged();
}

void ElecraftPanel::saveMacros(int pollMs, const QStringList &commandTitles,
                               const QStringList &commands, const QVariantList &textSets)
{
    m_defaults.setValue(QStringLiteral("PollIntervall"), double(pollMs));
    if (commandTitles.size() == kCommandMacros && commands.size() == kCommandMacros) {
        m_defaults.setValue(QStringLiteral("K3_Macro_Text"), commandTitles);
        m_defaults.setValue(QStringLiteral("K3_Macro_Command"), commands);
    }
    for (int i = 0; i < 3 && i < textSets.size(); ++i) {
        const QVariantMap set = textSets[i].toMap();
        const QStringList titles = strings(set.value(QStringLiteral("titles")));
        const QStringList texts = strings(set.value(QStringLiteral("texts")));
        if (titles.size() != kTextMacros || texts.size() != kTextMacros)
            continue;
        m_defaults.setValue(QLatin1String(kTextMacroKeys[i][0]), titles);
        m_defaults.setValue(QLatin1String(kTextMacroKeys[i][1]), texts);
    }
    loadPrefs();
}

void ElecraftPanel::loadPrefs()
{
    const double poll = m_defaults.real(QStringLiteral("PollIntervall"));
    // Faster polling would flood the radio.
    m_pollTimer.setInterval(poll < 500 ? kFallbackPollMs : int(std::min(poll, 60000.0)));
    if (m_pollTimer.isActive())
        m_pollTimer.start();

    m_commandTitles.clear();
    m_commandMacros.clear();
    for (int i = 1; i <= kCommandMacros; ++i) {
        m_commandTitles += QStringLiteral("Macro %1").arg(i);
        m_commandMacros += QString();
    }
    // A pair of lists is taken only whole: titles that do not match their commands would
    // send the wrong command.
    const QStringList titles = strings(m_defaults.value(QStringLiteral("K3_Macro_Text")));
    const QStringList commands = strings(m_defaults.value(QStringLiteral("K3_Macro_Command")));
    if (titles.size() == kCommandMacros && commands.size() == kCommandMacros) {
        m_commandTitles = titles;
        m_commandMacros = commands;
    }
    for (int set = 0; set < 3; ++set) {
        m_textTitles[set].clear();
        m_textMacros[set].clear();
        for (int i = 1; i <= kTextMacros; ++i) {
            m_textTitles[set] += QString::fromLatin1(kTextMacroTitles[set]).arg(i);
            m_textMacros[set] += QString();
        }
        const QStringList t = strings(m_defaults.value(QLatin1String(kTextMacroKeys[set][0])));
        const QStringList m = strings(m_defaults.value(QLatin1String(kTextMacroKeys[set][1])));
        if (t.size() == kTextMacros && m.size() == kTextMacros) {
            m_textTitles[set] = t;
            m_textMacros[set] = m;
        }
    }
    emit macrosChanged();
}

void ElecraftPanel::send(const Commands &commands)
{
    if (!commands.isEmpty())
        m_controller.send(commands);
}

void ElecraftPanel::bytesArrived(const QByteArray &bytes)
{
    bool statusChanged = false;
    bool terminalChanged = false;
    m_terminal.beginBlock();
    const ElecraftStatus &s = m_replies.status();
    for (const QByteArray &reply : m_framer.push(bytes)) {
        if (m_terminal.takeContinuation(reply)) {
            terminalChanged = true;
        } else if (reply.startsWith("TB")) {
            const bool upper =
                s.modeA.startsWith(QLatin1String("CW")) || s.subMode == QLatin1String("FSK D");
            const bool wasSending = m_terminal.sending();
            send(m_terminal.takeTb(reply, upper));
            terminalChanged = true;
            if (wasSending != m_terminal.sending())
                reevaluate();
        } else if (m_replies.take(reply)) {
            statusChanged = true;
        }
    }
    if (statusChanged) {
        reevaluate();
        emit this->statusChanged();
    }
    if (terminalChanged)
        emit this->terminalChanged();
}

void ElecraftPanel::pollTick()
{
    if (!connected()) {
        m_pollTimer.stop();
        return;
    }
    // A radio slower than the interval would otherwise make the queue grow without end.
    if (!m_controller.queueIsEmpty())
        return;
    send({{"IC;", 0}, {"MD$;IF;", 0}, {"DS;", 0}, {"BW;BW$;IS;", 0}, {"LK;LK$;", 0}});
}

void ElecraftPanel::reevaluate()
{
    const ElecraftStatus &s = m_replies.status();
    const bool decodable = s.modeA.startsWith(QLatin1String("CW")) ||
                           (s.dataMode && (s.subMode == QLatin1String("PSK D") ||
                                           s.subMode == QLatin1String("FSK D")));
    // A hidden panel stops reading unless text is still going out: its "%RX" must come.
    const bool run = m_decoderOn && connected() && decodable && (m_shown || m_terminal.sending());
    if (run == m_tbTimer.isActive())
        return;
    if (run)
        m_tbTimer.start();
    else
        m_tbTimer.stop();
    emit terminalChanged();
}

} // namespace trx
