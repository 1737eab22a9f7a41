#pragma once

#include <QString>
#include <QStringList>

#include <optional>

/** The awards the logbook tracks beyond DXCC, what each counts, and how it is endorsed. */
namespace awards {

/** Each award, plus the activator side of the three portable programmes (counted like an award
 *  of its own, shown with the hunter side). */
enum class Award {
    Was,
    Waz,
    Itu,
    Wac,
    Wpx,
    Iota,
    Grids,
    Pota,
    Sota,
    Wwff,
    PotaActivated,
    SotaActivated,
    WwffActivated,
};
inline constexpr int kAwardCount = 13;
/** The awards a user picks (the activator sides come with their programme). */
inline constexpr int kListedCount = 10;

/** Which confirmation counts: paper QSL ("R", "X", "G"), LoTW ("X"), eQSL ("R", "X"), or any
 *  of them. */
enum class Confirmation { Any, Paper, Lotw, Eqsl };

struct AwardDefinition {
    Award award;
    const char *name;  // "was", as the command line takes it
    const char *title; // "Worked All States"
    /** Counted per band and mode class (a table), not only as a flat list. */
    bool endorsements;
    /** The items there are to get; empty when the set is open (prefixes, islands, grids,
     *  references). */
    QStringList (*fullSet)();
};

[[nodiscard]] const AwardDefinition &definition(Award award);
/** The listed award of a name in any case ("WAS", "pota"); none for another text. */
[[nodiscard]] std::optional<Award> awardNamed(const QString &name);
/** The activator side of a portable programme; none for the other awards. */
[[nodiscard]] std::optional<Award> activatedSide(Award award);
[[nodiscard]] std::optional<Confirmation> confirmationNamed(const QString &name);

/** The 50 states by their two-letter codes (DC counts as Maryland, so is not one). */
[[nodiscard]] QStringList usStates();
/** "1" … "40". */
[[nodiscard]] QStringList cqZones();
/** "1" … "90". */
[[nodiscard]] QStringList ituZones();
/** AF, AS, EU, NA, OC, SA: Antarctica does not count for WAC. */
[[nodiscard]] QStringList continents();

/** The VUCC grid total of a band ("6m" 100, "2m" 100, "70cm" 50, …); none for bands the award
 *  does not cover. */
[[nodiscard]] std::optional<int> vuccThreshold(const QString &band);

} // namespace awards
