#include "trx/ElecraftReplies.h"

#include "trx/CatNumbers.h"

#include <QLocale>

#include <cmath>

namespace trx {
namespace {

constexpr int kFrequencyDigits = 11;
constexpr qsizetype kInfoLength = 35;

bool bit(QByteArrayView reply, qsizetype at, int number)
{
    return (quint8(reply[at]) >> number) & 1;
}

/** A toggle reply: `on` or `off` as its first characters. */
bool toggle(QByteArrayView reply, const char *off, const char *on, bool &flag)
{
    if (reply.startsWith(on))
        flag = true;
    else if (reply.startsWith(off))
        flag = false;
    else
        return false;
    return true;
}

} // namespace

bool ElecraftReplies::take(QByteArrayView reply)
{
    const ElecraftStatus before = m_status;
    ElecraftStatus &s = m_status;
    if (reply.startsWith("TB")) {
        return false;
    } else if (reply.startsWith("RA$")) {
        toggle(reply, "RA$00", "RA$01", s.attB);
    } else if (reply.startsWith("DS")) {
        if (reply.size() >= 12 && !s.bSet)
            s.nrMain = bit(reply, 11, 2);
    } else if (reply.startsWith("IC")) {
        takeStatusBits(reply);
    } else if (toggle(reply, "RA00", "RA01", s.attA) || toggle(reply, "PA$0", "PA$1", s.preampB) ||
               toggle(reply, "LK$0", "LK$1", s.lockB) || toggle(reply, "NB$0", "NB$1", s.nbSub) ||
               toggle(reply, "FT0", "FT1", s.split) || toggle(reply, "PA0", "PA1", s.preampA) ||
               toggle(reply, "LK0", "LK1", s.lockA) || toggle(reply, "SB0", "SB1", s.sub) ||
               toggle(reply, "NB0", "NB1", s.nbMain)) {
    } else if (reply.startsWith("MD$")) {
        if (const std::optional<int> digit = digitAt(reply, 3))
            s.modeB = modeName(*digit);
    } else if (reply.startsWith("BW$")) {
        const std::optional<qint64> width = digitsAt(reply, 3, 4);
        if (reply.size() == 7 && width)
            s.subFilter = widthText(double(*width) / 100);
    } else if (reply.startsWith("IF")) {
        takeInfo(reply);
    } else if (reply.startsWith("SP")) {
        s.kx3Seen = true;
    } else if (reply.startsWith("FA") || reply.startsWith("FB")) {
        // Only the full eleven digits: a cut-off reply would read as 0 kHz.
        const std::optional<qint64> hz = digitsAt(reply, 2, kFrequencyDigits);
        if (reply.size() == 2 + kFrequencyDigits && hz && *hz > 0) {
            double &vfo = reply[1] == 'A' ? s.vfoAkHz : s.vfoBkHz;
            if (reply[1] == 'B' || !m_editingVfoA)
                vfo = double(*hz) / 1000;
        }
    } else if (reply.startsWith("MD")) {
        const std::optional<int> digit = digitAt(reply, 2);
        if (reply.size() == 3 && digit) {
            s.modeA = modeName(*digit);
            s.dataMode = *digit == 6 || *digit == 9;
            s.subMode.clear();
        }
    } else if (reply.startsWith("DT")) {
        if (const std::optional<int> digit = digitAt(reply, 2))
            s.subMode = s.dataMode ? subModeName(*digit) : QString();
    } else if (reply.startsWith("BW")) {
        const std::optional<qint64> width = digitsAt(reply, 2, 4);
        if (reply.size() == 6 && width)
            s.mainFilter = widthText(double(*width) / 100);
    } else if (reply.startsWith("IS")) {
        const std::optional<qint64> shift = digitsAt(reply, 3, 4);
        if (reply.size() == 7 && shift)
            s.ifShift = widthText(double(*shift) / 1000);
    }
    return !(before == m_status);
}

bool ElecraftReplies::takeStatusBits(QByteArrayView reply)
{
    if (reply.size() != 7)
        return false;
    ElecraftStatus &s = m_status;
    s.bSet = bit(reply, 2, 6);
    s.txTest = bit(reply, 2, 5);
    s.memBank = bit(reply, 2, 3);
    s.messagePlaying = bit(reply, 2, 2);
    s.linked = bit(reply, 3, 6);
    s.diversity = bit(reply, 3, 4);
    s.subAntennaAux = bit(reply, 3, 3);
    s.subInputNonTx = bit(reply, 3, 2);
    s.nbSub = bit(reply, 3, 1);
    s.sub = bit(reply, 3, 0);
    s.fskReverse = bit(reply, 4, 2);
    s.fskFilter = bit(reply, 4, 3);
    s.cwVox = bit(reply, 4, 4);
    s.apf = bit(reply, 4, 5);
    s.fullQsk = bit(reply, 4, 6);
    s.analogVox = bit(reply, 5, 6);
    s.nrSub = bit(reply, 6, 2);
    return true;
}

bool ElecraftReplies::takeInfo(QByteArrayView reply)
{
    if (reply.size() < kInfoLength)
        return false;
    ElecraftStatus &s = m_status;
    const std::optional<qint64> hz = digitsAt(reply, 2, kFrequencyDigits);
    if (hz && *hz > 0 && !m_editingVfoA)
        s.vfoAkHz = double(*hz) / 1000;
    s.rit = reply[23] == '1';
    s.xit = reply[24] == '1';
    s.offset.clear();
    const std::optional<qint64> offset = digitsAt(reply, 19, 4);
    if ((s.rit || s.xit) && offset) {
        const QChar sign = reply[18] == '-' ? QLatin1Char('-') : QLatin1Char('+');
        s.offset = sign + QString::number(double(*offset) / 1000, 'f', 3);
    }
    s.transmitting = reply[28] == '1';
    if (const std::optional<int> mode = digitAt(reply, 29)) {
        s.modeA = modeName(*mode);
        s.dataMode = *mode == 6 || *mode == 9;
    }
    s.split = reply[32] == '1';
    const std::optional<int> subMode = digitAt(reply, 34);
    s.subMode = s.dataMode && subMode ? subModeName(*subMode) : QString();
    return true;
}

QString ElecraftReplies::widthText(double kHz)
{
    return groupedKHzText(kHz, 3) + QStringLiteral(" kHz");
}

QString ElecraftReplies::splitText(const ElecraftStatus &status)
{
    if (!status.split || status.vfoAkHz <= 0 || status.vfoBkHz <= 0)
        return {};
    const double difference = status.vfoBkHz - status.vfoAkHz;
    // A split this wide is another band; the digits would not fit the label.
    if (std::abs(difference) >= 100)
        return QStringLiteral("Split: >99 kHz");
    return QStringLiteral("Split: %1%2 kHz")
        .arg(difference < 0 ? QStringLiteral("-") : QStringLiteral("+"))
        .arg(QString::number(std::abs(difference), 'f', 1));
}

QString ElecraftReplies::modeName(int number)
{
    switch (number) {
    case 1:
        return QStringLiteral("LSB");
    case 2:
        return QStringLiteral("USB");
    case 3:
        return QStringLiteral("CW");
    case 4:
        return QStringLiteral("FM");
    case 5:
        return QStringLiteral("AM");
    case 6:
        return QStringLiteral("Data");
    case 7:
        return QStringLiteral("CW-R");
    case 9:
        return QStringLiteral("Data-R");
    default:
        return {};
    }
}

QString ElecraftReplies::subModeName(int number)
{
    switch (number) {
    case 0:
        return QStringLiteral("DATA A");
    case 1:
        return QStringLiteral("AFSK A");
    case 2:
        return QStringLiteral("FSK D");
    case 3:
        return QStringLiteral("PSK D");
    default:
        return {};
    }
}

} // namespace trx
