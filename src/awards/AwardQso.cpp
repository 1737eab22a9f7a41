#include "awards/AwardQso.h"

#include <QStringList>

namespace awards {

const QStringList &AwardQso::fieldNames()
{
    static const QStringList names = {
        QStringLiteral("vucc_grids"),  QStringLiteral("sig"),
        QStringLiteral("sig_info"),    QStringLiteral("pota_ref"),
        QStringLiteral("sota_ref"),    QStringLiteral("wwff_ref"),
        QStringLiteral("my_sig"),      QStringLiteral("my_sig_info"),
        QStringLiteral("my_pota_ref"), QStringLiteral("my_sota_ref"),
        QStringLiteral("my_wwff_ref"), QStringLiteral("station_callsign"),
        QStringLiteral("operator")};
    return names;
}

void AwardQso::setField(QStringView name, const QString &value)
{
    QString *const members[] = {
        &vuccGrids, &sig,       &sigInfo,   &potaRef,   &sotaRef,         &wwffRef,     &mySig,
        &mySigInfo, &myPotaRef, &mySotaRef, &myWwffRef, &stationCallsign, &operatorCall};
    const QStringList &names = fieldNames();
    for (qsizetype i = 0; i < names.size(); ++i)
        if (name == names.at(i)) {
            *members[i] = value;
            return;
        }
}

} // namespace awards
