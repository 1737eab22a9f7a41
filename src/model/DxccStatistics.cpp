#include "model/DxccStatistics.h"

#include "model/DxInfo.h"

namespace dxstats {
namespace {

bool confirmedIn(QChar cell, int qslMode)
{
    switch (qslMode) {
    case PaperQsl:
        return cell == u'P' || cell == u'X';
    case LotwQsl:
        return cell == u'L' || cell == u'X';
    default:
        return dxinfo::isConfirmed(cell);
    }
}

Pair sumOver(const Counts &counts, std::initializer_list<int> columns, int workedSeries,
             int confirmedSeries)
{
    Pair pair;
    for (const int column : columns) {
        pair.worked += counts[workedSeries][column];
        pair.confirmed += counts[confirmedSeries][column];
    }
    return pair;
}

} // namespace

Counts countDxccs(const QList<QString> &extendedInfos, int qslMode)
{
    Counts counts{};
    for (const QString &info : extendedInfos) {
        if (info.size() < dxinfo::kExtendedLength)
            continue;
        bool worked = false;
        bool confirmed = false;
        std::array<bool, 3> workedIn{};
        std::array<bool, 3> confirmedIn{};
        for (int group = 0; group < 13; ++group) {
            bool groupWorked = false;
            bool groupConfirmed = false;
            for (int mode = 0; mode < 3; ++mode) {
                const QChar cell = info.at(group * 4 + mode);
                if (dxinfo::isWorked(cell)) {
                    groupWorked = true;
                    workedIn[mode] = true;
                    ++counts[2 + mode * 2][group + 1];
                }
                if (dxstats::confirmedIn(cell, qslMode)) {
                    groupConfirmed = true;
                    confirmedIn[mode] = true;
                    ++counts[3 + mode * 2][group + 1];
                }
            }
            counts[0][group + 1] += groupWorked ? 1 : 0;
            counts[1][group + 1] += groupConfirmed ? 1 : 0;
            worked = worked || groupWorked;
            confirmed = confirmed || groupConfirmed;
        }
        counts[0][0] += worked ? 1 : 0;
        counts[1][0] += confirmed ? 1 : 0;
        for (int mode = 0; mode < 3; ++mode) {
            counts[2 + mode * 2][0] += workedIn[mode] ? 1 : 0;
            counts[3 + mode * 2][0] += confirmedIn[mode] ? 1 : 0;
        }
    }
    return counts;
}

Pair sixBandSummary(const Counts &counts)
{
    return sumOver(counts, {1, 2, 4, 6, 8, 10}, 0, 1);
}

Pair nineBandSummary(const Counts &counts)
{
    return sumOver(counts, {1, 2, 4, 5, 6, 7, 8, 9, 10}, 0, 1);
}

Pair slotCount(const Counts &counts)
{
    Pair pair;
    for (int column = 1; column < kColumns; ++column) {
        if (column == k60mColumn)
            continue;
        for (int mode = 0; mode < 3; ++mode) {
            pair.worked += counts[2 + mode * 2][column];
            pair.confirmed += counts[3 + mode * 2][column];
        }
    }
    return pair;
}

bool keepDxListRow(const QString &row, int tableMode)
{
    const QStringView status = QStringView(row).mid(43);
    const bool worked = status.contains(u'W') || status.contains(u'P') || status.contains(u'L') ||
                        status.contains(u'X');
    const bool confirmed = status.contains(u'P') || status.contains(u'L') || status.contains(u'X');
    switch (tableMode) {
    case 1:
        return worked;
    case 2:
        return confirmed;
    case 3:
        return !worked;
    case 4:
        return !confirmed;
    case 5:
        return status.contains(u'W') && !confirmed;
    default:
        return true;
    }
}

} // namespace dxstats
