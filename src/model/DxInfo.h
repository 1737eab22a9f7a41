#pragma once

#include "model/QsoClass.h"

#include <QList>
#include <QString>

/** The DX info text: per entity (or callsign) one status letter per band and mode class.
 *
 *  Twelve groups of three cells, "... ... … ...", one group per band 160m … 70cm, the cells of a
 *  group being CW, digital and phone. A cell is "." (not worked), "W" (worked), "P" (paper QSL),
 *  "L" (LoTW) or "X" (both). The 60 m band came later and is kept apart as its own group of
 *  three; the extended text has it after the 80 m group (51 characters). */
namespace dxinfo {

inline constexpr int kLength = 47;
inline constexpr int kExtendedLength = 51;
inline constexpr int kTrackedBands = 12;
inline constexpr int k60mBand = 19;
inline constexpr char kEmpty[] = "... ... ... ... ... ... ... ... ... ... ... ...";
inline constexpr char kEmpty60m[] = "...";

/** Index of the cell of band number 1–12 and mode class 1–3. */
[[nodiscard]] constexpr int cellIndex(int xBand, int xMode)
{
    return xBand * 4 + xMode - 5;
}

/** A paper confirmation: "R", "X" or "G" in `qsl`; LoTW: "X" in `lotwqsl`. */
[[nodiscard]] bool paperConfirmed(const QsoClass &qso);
[[nodiscard]] bool lotwConfirmed(const QsoClass &qso);

/** The cell after one more QSO with the given confirmations. */
[[nodiscard]] QChar updatedCell(QChar cell, bool paper, bool lotw);

/** The text of a set of QSOs; QSOs on untracked bands or without a mode class are skipped. */
[[nodiscard]] QString infoFromQsos(const QList<QsoClass> &qsos);
/** The 60 m group of a set of (60 m) QSOs. */
[[nodiscard]] QString group60mFromQsos(const QList<QsoClass> &qsos);

/** A stored text as it is used: the empty pattern for anything shorter than 47 characters. */
[[nodiscard]] QString usable(const QString &stored);
/** The 51-character text with the 60 m group after the 80 m group. */
[[nodiscard]] QString extended(const QString &info, const QString &group60m);

[[nodiscard]] bool isWorked(QChar cell);        // W, P, L or X
[[nodiscard]] bool isConfirmed(QChar cell);     // P, L or X
[[nodiscard]] bool isLotwConfirmed(QChar cell); // L or X

/** The status texts of one entity as the worked/confirmed questions read them: the usable stored
 *  text, its 60 m group and both together. */
struct EntityStatus {
    QString info;
    QString group60m;
    QString extended;

    [[nodiscard]] static EntityStatus of(const QString &info, const QString &group60m);
};

/** A question asked of one cell: isWorked, isConfirmed or isLotwConfirmed. */
using CellTest = bool (*)(QChar);

/** The entity on any band and mode. */
[[nodiscard]] bool entityAnswer(const EntityStatus &status, CellTest test);
/** The three cells of a band; bands that are not tracked count as done (never shown as new). */
[[nodiscard]] bool bandAnswer(const EntityStatus &status, int xBand, CellTest test);
/** A mode class in all thirteen groups; an unknown class counts as done. */
[[nodiscard]] bool modeAnswer(const EntityStatus &status, int xMode, CellTest test);
/** The one cell of a band and mode class (the slot); untracked ones count as done. */
[[nodiscard]] bool slotAnswer(const EntityStatus &status, int xBand, int xMode, CellTest test);

/** Per mode class one letter for the first twelve groups of an extended text (160 m … 2 m):
 *  X, P, L, W or "."; empty for a shorter text. */
[[nodiscard]] QString makeModeInfoText(const QString &extendedInfo);

} // namespace dxinfo
