// Any bytes as a node's feed, cut into reads by the first byte, through the line framing, the
// spot parser and a small spot list with its ageing: the tail stays capped, a parsed spot has a
// call without blanks, a note without runs of blanks, a real time, and the list never holds more
// than it may.

#include "cluster/LineFramer.h"
#include "cluster/SpotList.h"
#include "cluster/SpotParser.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

bool hasBlank(const QString &text)
{
    for (const QChar c : text)
        if (c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\a')
            return true;
    return false;
}

void check(const cluster::SpotLine &spot)
{
    if (spot.dxCall.isEmpty() || hasBlank(spot.dxCall) || hasBlank(spot.dxDe))
        std::abort();
    // Words are joined by single spaces.
    if (spot.note.contains(QLatin1String("  ")) || spot.note.startsWith(u' ') ||
        spot.note.endsWith(u' ') || spot.note.contains(u'\r') || spot.note.contains(u'\a'))
        std::abort();
    if (spot.time && !spot.time->isValid())
        std::abort();
    if (!(spot.kHz >= 0.0))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QDateTime now(QDate(2024, 5, 1), QTime(0, 30, 12), Qt::UTC);
    constexpr int kCapacity = 8;
    cluster::SpotList list(kCapacity);
    if (size == 0)
        return 0;
    const std::size_t readSize = 1 + data[0] % 64;
    cluster::LineFramer framer;
    QStringList lines;
    for (std::size_t at = 1; at < size; at += readSize) {
        const auto bytes = QByteArrayView(data + at, qsizetype(std::min(readSize, size - at)));
        lines += framer.push(bytes).lines;
        if (framer.tail().size() > cluster::LineFramer::kMaxTail || framer.tail().contains(u'\n'))
            std::abort();
    }
    for (const QString &line : lines) {
        const std::optional<cluster::SpotLine> spot = cluster::parseSpotLine(line);
        if (!spot)
            continue;
        check(*spot);
        // At most 15 digits: fits.
        const auto whole = qint64(spot->kHz);
        OneDxSpotClass listed;
        listed.dxCall = spot->dxCall;
        listed.qrg = spot->kHz;
        listed.band = QString::number(whole / 1000);
        listed.xBand = int(whole % 25);
        listed.spotTimeStamp = spot->time ? cluster::spotInstant(*spot->time, now) : now;
        if (listed.spotTimeStamp > now.addSecs(3600))
            std::abort();
        listed.timeSince1970 = double(listed.spotTimeStamp.toSecsSinceEpoch());
        list.add(listed);
        list.setSegment(int(whole % 25));
        if (list.size() > kCapacity || list.visibleCount() > list.size())
            std::abort();
    }
    list.age(now);
    return 0;
}
