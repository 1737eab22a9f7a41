#pragma once

#include <QList>
#include <QString>

#include <array>

/** How many DXCC entities are worked and confirmed, in total, per band and per mode class,
 *  counted from the entities' extended DX info texts (51 characters, 13 band groups). */
namespace dxstats {

inline constexpr int kSeries = 8;
inline constexpr int kColumns = 14; // 0 total, 1–13 the band groups 160m … 70cm
inline constexpr int k60mColumn = 3;

/** Which confirmation counts: 0 any, 1 paper ("P", "X"), 2 LoTW ("L", "X"). */
enum QslMode { AnyQsl = 0, PaperQsl = 1, LotwQsl = 2 };

/** Series 0/1 entities worked/confirmed, 2/3 in CW, 4/5 in digital, 6/7 in phone; index 0 of
 *  each the total over bands, 1–13 per band. */
using Counts = std::array<std::array<int, kColumns>, kSeries>;

/** Texts shorter than 51 characters are left out. */
[[nodiscard]] Counts countDxccs(const QList<QString> &extendedInfos, int qslMode);

struct Pair {
    int worked = 0;
    int confirmed = 0;
};
/** 160, 80, 40, 20, 15 and 10 m. */
[[nodiscard]] Pair sixBandSummary(const Counts &counts);
/** The nine bands 160 m to 10 m without 60 m. */
[[nodiscard]] Pair nineBandSummary(const Counts &counts);
/** Band-mode slots over all bands but 60 m. */
[[nodiscard]] Pair slotCount(const Counts &counts);

/** Whether a DX list row passes the filter 0 all, 1 worked, 2 confirmed, 3 not worked, 4 not
 *  confirmed, 5 worked but not confirmed; the status part starts at the row's 44th character. */
[[nodiscard]] bool keepDxListRow(const QString &row, int tableMode);

} // namespace dxstats
