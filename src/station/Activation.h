#pragma once

#include "model/QsoClass.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

/** Portable activations of parks (POTA), summits (SOTA) and WWFF areas: which QSOs make one
 *  and whether there are enough. Pure: the QSOs are handed in. */
namespace station {

enum class Programme { Pota, Sota, Wwff };

/** The programme a reference belongs to, by its format; none for another text. */
[[nodiscard]] std::optional<Programme> programmeOf(const QString &reference);
/** "POTA", "SOTA", "WWFF": also the value of MY_SIG/SIG for it. */
[[nodiscard]] QString programmeName(Programme programme);
/** The own reference's ADIF field: "my_pota_ref", "my_sota_ref", "my_wwff_ref". */
[[nodiscard]] QString ownReferenceField(Programme programme);
/** QSOs a valid activation needs: POTA 10, SOTA 4 (for the summit's points), WWFF 44. */
[[nodiscard]] int activationTarget(Programme programme);

struct ActivationQso {
    QsoClass qso;
    /** False for a repeat of a contact that counted already (see makeActivation). */
    bool counted = true;
    /** The other station's own reference in the same programme (park to park, summit to
     *  summit, WWFF to WWFF); empty when it was not at one. */
    QString otherReference;
};

struct Activation {
    Programme programme = Programme::Pota;
    QString reference;
    QDate date;                // UTC
    QList<ActivationQso> qsos; // oldest first
    int counted = 0;
    int target = 0;

    [[nodiscard]] bool isValid() const { return counted >= target; }
};

/** Whether the QSO was made from the reference: its MY_POTA_REF / MY_SOTA_REF / MY_WWFF_REF, or
 *  MY_SIG naming the programme with MY_SIG_INFO. A field may list several references
 *  ("US-0001,US-0002": a two-fer counts for each park). */
[[nodiscard]] bool isFromReference(const QsoClass &qso, Programme programme,
                                   const QString &reference);
/** The other station's reference in the programme (POTA_REF, SOTA_REF, WWFF_REF, or SIG with
 *  SIG_INFO); empty when none. */
[[nodiscard]] QString otherReference(const QsoClass &qso, Programme programme);

/** The activation of a reference on a UTC date from the QSOs given (any order; those of other
 *  dates or references are left out, a QSO given twice is taken once). Counting as the
 *  programmes do: for SOTA each station once; for POTA and WWFF each station once per band
 *  and mode, so a repeat on the same band and mode does not count again. Callsigns are
 *  compared in capitals as logged ("DL1ABC/P" is another station than "DL1ABC"). */
[[nodiscard]] Activation makeActivation(Programme programme, const QString &reference,
                                        const QDate &date, const QList<QsoClass> &qsos);

} // namespace station
