#pragma once

#include <QString>

#include <optional>

class UserDefaults;

/** The scanner's user defaults and the rule for its port. */
namespace scanner {

inline constexpr char kHostKey[] = "ScanHost";
inline constexpr char kPortKey[] = "ScanPort";
inline constexpr char kAutoKey[] = "ScanAuto";
/** The desktop listens for cards only where the user chose it. */
inline constexpr char kReceiveKey[] = "ScanReceive";
inline constexpr int kDefaultPort = 7700;
/** Ports below this (and no port at all) stand for kDefaultPort. */
inline constexpr int kLowestPort = 512;

/** The port a stored or typed value stands for: 7700 below 512, the value up to 65535, none
 *  above (refused; see portProblem). */
[[nodiscard]] std::optional<quint16> scanPort(qint64 value);
/** Why a value cannot be a port, empty when it can be used (values below 512 can). */
[[nodiscard]] QString portProblem(qint64 value);
/** The same in the user's language, for screens; the CLI takes the one above. */
[[nodiscard]] QString shownPortProblem(qint64 value);
/** The stored "ScanPort" as scanPort() reads it; none for a stored value above 65535. */
[[nodiscard]] std::optional<quint16> configuredPort(const UserDefaults &defaults);
/** The stored "ScanPort" as the settings show it: 7700 below 512, else the stored number. */
[[nodiscard]] qint64 shownPort(const UserDefaults &defaults);

} // namespace scanner
