#pragma once

/** The texts the entry form shows, each defined once. */
namespace entry::texts {

inline constexpr char kAlertTitle[] = "Can't log the QSO:";
inline constexpr char kAlertButton[] = "Okay";
inline constexpr char kNoCallsign[] = "No Callsign given";
inline constexpr char kFrequencyInvalid[] = "Frequency invalid";
inline constexpr char kNoMode[] = "No Mode given";
inline constexpr char kLocatorInvalid[] = "Locator is invalid";
inline constexpr char kDateInvalid[] = "Date or time is invalid";

inline constexpr char kNewQso[] = "New QSO";
inline constexpr char kEditQso[] = "Edit QSO";
inline constexpr char kSelectInDetails[] = "Select in Details";

inline constexpr char kOneQso[] = "1 QSO";
inline constexpr char kManyQsos[] = "%1 QSOs";
inline constexpr char kNoQsos[] = "No QSOs";

inline constexpr char kQrzTitle[] = "QRZ";
inline constexpr char kHamQthTitle[] = "HamQTH";

} // namespace entry::texts
