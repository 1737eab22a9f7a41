#include "trx/TextCat.h"

#include "trx/CatNumbers.h"

namespace trx {

struct TextCat::Profile {
    QList<QByteArray> startup;
    const char *digitalModes[4]; // by the data-mode selector's index
    bool kenwoodDataFlag;        // "DA1;"/"DA0;" after each mode command
    bool tuneAgainAfterMode;     // a mode change can move the VFO
    QStringList labels;
};

namespace {

struct NamedMode {
    int number;
    const char *display;
    const char *log; // null: left to the data sub-mode
};

constexpr NamedMode kModes[] = {
    {1, "LSB", "SSB"}, {2, "USB", "SSB"},    {3, "CW", "CW"},   {4, "FM", "FM"},
    {5, "AM", "AM"},   {6, "Data", nullptr}, {7, "CW-R", "CW"}, {9, "Data-R", nullptr},
};

constexpr NamedMode kSubModes[] = {
    {0, "DATA A", "PSK31"},
    {1, "AFSK A", "RTTY"},
    {2, "FSK D", "RTTY"},
    {3, "PSK D", "PSK31"},
};

// Positions in an "IF" reply.
constexpr qsizetype kInfoMinLength = 33;
constexpr qsizetype kInfoModeAt = 29;
constexpr qsizetype kInfoSubModeAt = 34;
constexpr int kFrequencyDigits = 11;

QByteArray frequencyCommand(double kHz)
{
    return "FA" + QByteArray::number(qRound64(kHz * 1000)).rightJustified(kFrequencyDigits, '0') +
           ';';
}

} // namespace

TextCat::TextCat(Model model, TuningRange range)
    : BasicCommandSet(range), m_profile(profileOf(model))
{}

Commands TextCat::startup() const
{
    Commands commands;
    for (const QByteArray &bytes : m_profile.startup)
        commands += Command{bytes, 0};
    return commands;
}

QByteArray TextCat::modeCommand(const TuneRequest &request, const CatOptions &options) const
{
    QByteArray command;
    switch (request.xMode) {
    case kCw:
        command = "MD3;";
        break;
    case kDigital:
        command = m_profile.digitalModes[subModeIndex(options)];
        break;
    default:
        command = isLowerSideband(request.kHz) ? "MD1;" : "MD2;";
    }
    if (m_profile.kenwoodDataFlag)
        command += request.xMode == kDigital && options.useDataMode ? "DA1;" : "DA0;";
    return command;
}

Commands TextCat::tune(const TuneRequest &request, const CatOptions &options) const
{
    if (!canTune(request))
        return {};
    const Command frequency{frequencyCommand(request.kHz), 0};
    Commands commands{frequency};
    if (setsMode(request)) {
        commands += Command{modeCommand(request, options), 0};
        if (m_profile.tuneAgainAfterMode)
            commands += frequency;
    }
    return commands;
}

bool TextCat::feed(const QByteArray &bytes)
{
    bool read = false;
    for (const QByteArray &reply : m_framer.push(bytes))
        read = takeReply(reply) || read;
    return read;
}

bool TextCat::takeReply(QByteArrayView reply)
{
    if (reply.startsWith("IF"))
        return takeInfo(reply);
    if (reply.startsWith("FA")) {
        // Only the full eleven digits: an echoed "FA;" or a cut-off reply is no frequency.
        const std::optional<qint64> hz = digitsAt(reply, 2, kFrequencyDigits);
        return hz && takeKHz(double(*hz) / 1000);
    }
    if (reply.startsWith("MD") && reply.size() == 3) {
        const std::optional<int> number = digitAt(reply, 2);
        if (!number)
            return false;
        applyMode(*number);
        showMode();
        return true;
    }
    if (reply.startsWith("DT") && reply.size() >= 3) {
        const std::optional<int> number = digitAt(reply, 2);
        return number && applySubMode(*number);
    }
    return false;
}

bool TextCat::takeInfo(QByteArrayView reply)
{
    if (reply.size() < kInfoMinLength)
        return false;
    const std::optional<qint64> hz = digitsAt(reply, 2, kFrequencyDigits);
    const std::optional<int> mode = digitAt(reply, kInfoModeAt);
    if (!hz || !mode || !takeKHz(double(*hz) / 1000))
        return false;
    applyMode(*mode);
    if (const std::optional<int> subMode = digitAt(reply, kInfoSubModeAt))
        applySubMode(*subMode);
    showMode();
    return true;
}

void TextCat::applyMode(int number)
{
    m_state.dataMode = false;
    m_modeText.clear();
    for (const NamedMode &mode : kModes) {
        if (mode.number != number)
            continue;
        m_modeText = QString::fromLatin1(mode.display);
        if (mode.log)
            m_state.logMode = QString::fromLatin1(mode.log);
        else
            m_state.dataMode = true;
    }
}

bool TextCat::applySubMode(int number)
{
    if (!m_state.dataMode)
        return false;
    m_subModeText.clear();
    m_subModeLog.clear();
    for (const NamedMode &subMode : kSubModes) {
        if (subMode.number == number) {
            m_subModeText = QString::fromLatin1(subMode.display);
            m_subModeLog = QString::fromLatin1(subMode.log);
        }
    }
    showMode();
    return true;
}

void TextCat::showMode()
{
    // In a data mode the sub-mode says more (and gives the log mode); until one was read the
    // mode itself is shown.
    if (!m_state.dataMode || m_subModeText.isEmpty()) {
        m_state.mode = m_modeText;
        return;
    }
    m_state.mode = m_subModeText;
    m_state.logMode = m_subModeLog;
}

void TextCat::reset()
{
    m_framer.reset();
}

QStringList TextCat::dataModeLabels() const
{
    return m_profile.labels;
}

const TextCat::Profile &TextCat::profileOf(Model model)
{
    // With auto-information on, the K2 and Kenwood-style radios report only what changes: they
    // are asked once ("IF;") so the frequency and mode show before the dial is turned.
    static const TextCat::Profile k2{
        {";", "K20;AI1;IF;"}, {"MD1;", "MD2;", "MD6;", "MD1;"}, false, true, {"LSB", "USB", "FSK"}};
    static const TextCat::Profile k3{{";", "K31;AI2;IF;"},
                                     {"MD6;DT2;", "MD6;DT1;", "MD6;DT3;", "MD6;DT0;"},
                                     false,
                                     true,
                                     {"FSK D", "AFSK A", "PSK D", "DATA A"}};
    static const TextCat::Profile kenwood{
        {";", "AI1;IF;"}, {"MD1;", "MD2;", "MD6;", "MD1;"}, true, false, {"LSB", "USB", "FSK"}};
    switch (model) {
    case TextCat::Model::K2:
        return k2;
    case TextCat::Model::K3:
        return k3;
    case TextCat::Model::Kenwood:
        break;
    }
    return kenwood;
}

} // namespace trx
