#pragma once

// The words of the DXCC screens, shared by both screen sets.

namespace dxcc::texts {

inline constexpr const char *kBandLabels[] = {
    "160m:", "80m:", "60m:", "40m:", "30m:", "20m:", "17m:",
    "15m:",  "12m:", "10m:", "6m:",  "2m:",  "70cm:"};
inline constexpr char kTotalLabel[] = "Total:";

inline constexpr char kWorkedTitle[] = "Worked DXCCs";
inline constexpr const char *kConfirmedTitles[] = {"All cfd DXCCs", "Paper cfd DXCCs",
                                                   "LoTW cfd DXCCs"};

} // namespace dxcc::texts
