#pragma once

#include <QString>

/** What a LoTW confirmation is worth, told from the entity's DX info as it stands before the
 *  confirmation is written: the credit text of the result list ("DXCC", "Band-L", "Slot", …). */
namespace lotwcredits {

/** An entity's status texts: the stored DX info (47 characters, see model/DxInfo.h) and its
 *  60 m group. */
struct EntityTexts {
    QString info;
    QString group60m;
};

/** The credits, each followed by ", " (the caller drops the last one): "DXCC" for a new entity
 *  and nothing else then; "DXCC-L", "Mode"/"Mode-L", "Band"/"Band-L", "Slot", "Slot-L". */
[[nodiscard]] QString credits(const EntityTexts &texts, int xBand, int xMode);

/** The texts after one more QSO on the band and mode class became LoTW-confirmed, so that a
 *  second confirmation of the same run is judged on the first one's credit. */
void addLotwConfirmation(EntityTexts &texts, int xBand, int xMode, bool paperConfirmed);

/** The IOTA or grid credit of a status letter (see LogModel::getIotaStatus): nothing for "X" and
 *  "L", "NAME-L, " for "P", "NAME, " for anything else. */
[[nodiscard]] QString statusCredit(const QString &name, const QString &status);

} // namespace lotwcredits
