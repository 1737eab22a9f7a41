#pragma once

#include <QString>

#include <compare>
#include <optional>

namespace logsync {

/** A hybrid logical clock reading: wall-clock milliseconds, a counter for readings within the
 *  same millisecond, and the device that made it. A change made after a device has seen another
 *  change always reads later, even when the device's clock is behind; readings from different
 *  devices never tie. Its text sorts as the readings do, so the server compares texts. */
struct Hlc {
    qint64 ms = 0;
    int counter = 0;
    QString device;

    /** "000001733558400000.00000.DEVICE": zero-padded so that text order is clock order. */
    [[nodiscard]] QString toText() const;
    [[nodiscard]] static std::optional<Hlc> fromText(const QString &text);

    /** The reading for a change made at `nowMs` by `device` after `last`. */
    [[nodiscard]] static Hlc tick(const Hlc &last, qint64 nowMs, const QString &device);
    /** `last` moved past a reading seen from another device (so later local changes win). */
    [[nodiscard]] static Hlc receive(const Hlc &last, const Hlc &seen);

    friend std::strong_ordering operator<=>(const Hlc &a, const Hlc &b);
    friend bool operator==(const Hlc &a, const Hlc &b) = default;
};

} // namespace logsync
