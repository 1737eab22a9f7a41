#include "trx/Ftdx1200.h"

#include "trx/CatNumbers.h"

namespace trx {
namespace {

struct YaesuMode {
    const char *code;
    const char *display;
    const char *log;
};

constexpr YaesuMode kModes[] = {
    {"01", "LSB", "SSB"}, {"02", "USB", "SSB"},        {"03", "CW", "CW"},
    {"04", "FM", "FM"},   {"05", "AM", "AM"},          {"06", "RTTY-LSB", "RTTY"},
    {"07", "CW-R", "CW"}, {"08", "Data-LSB", "PSK31"}, {"09", "RTTY-USB", "RTTY"},
    {"0B", "FM-N", "FM"}, {"0C", "Data-USB", "PSK31"},
};

// Positions in an "IF" reply with eight frequency digits; a ninth moves what follows by one.
constexpr qsizetype kInfoMinLength = 23;
constexpr qsizetype kInfoFrequencyAt = 5;
constexpr qsizetype kInfoModeAt = 20;

} // namespace

Ftdx1200::Ftdx1200(TuningRange range, int frequencyDigits)
    : BasicCommandSet(range), m_digits(frequencyDigits == 9 ? 9 : 8)
{}

Commands Ftdx1200::startup() const
{
    return {{";", kPauseMs}, {"AI1;", kPauseMs}, {"MD0;", kPauseMs}, {"FA;", 0}};
}

Commands Ftdx1200::tune(const TuneRequest &request, const CatOptions &options) const
{
    if (!canTune(request))
        return {};
    Commands commands;
    if (setsMode(request)) {
        QByteArray mode;
        if (request.xMode == kCw) {
            mode = "MD03;";
        } else if (request.xMode == kDigital) {
            constexpr const char *kDigitalModes[] = {"MD06;", "MD09;", "MD08;", "MD0C;"};
            mode = kDigitalModes[subModeIndex(options)];
        } else {
            mode = isLowerSideband(request.kHz) ? "MD01;" : "MD02;";
        }
        commands += Command{mode, 0};
    }
    const QByteArray hz =
        QByteArray::number(qRound64(request.kHz * 1000)).rightJustified(m_digits, '0');
    commands += Command{"FA" + hz + ';', 0};
    return commands;
}

bool Ftdx1200::feed(const QByteArray &bytes)
{
    bool read = false;
    for (const QByteArray &reply : m_framer.push(bytes))
        read = takeReply(reply) || read;
    return read;
}

bool Ftdx1200::takeReply(QByteArrayView reply)
{
    const qsizetype extra = m_digits - 8;
    if (reply.startsWith("IF") && reply.size() >= kInfoMinLength + extra) {
        const std::optional<qint64> hz = digitsAt(reply, kInfoFrequencyAt, m_digits);
        if (!hz || !takeKHz(double(*hz) / 1000))
            return false;
        const char code[] = {'0', reply[kInfoModeAt + extra]};
        applyMode(QByteArrayView(code, 2));
        return true;
    }
    if (reply.startsWith("FA")) {
        // Only all the digits: an echoed "FA;", a cut-off reply or another model's longer
        // reply is no frequency.
        const std::optional<qint64> hz = digitsAt(reply, 2, m_digits);
        if (!hz || reply.size() != 2 + m_digits || !takeKHz(double(*hz) / 1000))
            return false;
        return true;
    }
    if (reply.startsWith("MD") && reply.size() >= 4) {
        applyMode(reply.sliced(2, 2));
        return true;
    }
    return false;
}

void Ftdx1200::applyMode(QByteArrayView code)
{
    m_state.mode = QStringLiteral("???");
    for (const YaesuMode &mode : kModes) {
        if (code == mode.code) {
            m_state.mode = QString::fromLatin1(mode.display);
            m_state.logMode = QString::fromLatin1(mode.log);
        }
    }
}

void Ftdx1200::reset()
{
    m_framer.reset();
}

QStringList Ftdx1200::dataModeLabels() const
{
    return {"RTTY-LSB", "RTTY-USB", "Data LSB", "Data USB"};
}

} // namespace trx
