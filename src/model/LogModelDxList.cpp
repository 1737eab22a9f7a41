// LogModel: the DX info of all entities at once, for the statistics and the DX list.

#include "model/LogModel.h"

#include "app/Diagnostics.h"
#include "model/DxInfo.h"
#include "refdata/DXCCModel.h"

#include <QCollator>

#include <algorithm>

namespace {

const QString kDxUpdateMarker = QStringLiteral("DxUpdate_2020_1");

} // namespace

void LogModel::updateDxTable()
{
    if (!readPrefsForEntry(kDxUpdateMarker).isEmpty())
        return;
    diag(QStringLiteral("Updating dx list 2020_1"));
    QList<WorkedStore::DxListEntry> entries;
    for (const int adif : getDistinctDxccAdifsfromLog()) {
        const int number = std::abs(adif);
        if (number == 0 || std::any_of(entries.cbegin(), entries.cend(),
                                       [number](const auto &e) { return e.adif == number; }))
            continue;
        entries.append({m_dxcc.adifToCountry(number).dxcc, makeDxInfoString(number), number});
    }
    diag(QStringLiteral("Saving dx list 2020_1"));
    saveAllDxInfoStrings(entries);
    storePref(kDxUpdateMarker, QStringLiteral("Okay"));
}

dxstats::Counts LogModel::getNumbersOfDXCCs(int qslMode, bool withDeleted)
{
    QList<QString> infos;
    for (const CountryClass &country : m_dxcc.getAllDXCCs()) {
        if (country.adif < 1 || (country.deleted && !withDeleted))
            continue;
        infos.append(getDxInfoString60m(country.adif));
    }
    return dxstats::countDxccs(infos, qslMode);
}

QStringList LogModel::getAllDxInfoStrings(bool byName)
{
    QStringList rows;
    for (const CountryClass &country : m_dxcc.getAllDXCCs()) {
        if (country.adif < 1)
            continue;
        // The status always starts at the same column, so long names are cut.
        QString row = byName ? country.cntry.leftJustified(35, u' ', true) +
                                   (country.dxcc + u':').leftJustified(8, u' ', true)
                             : country.dxcc.leftJustified(7, u' ', true) +
                                   (country.cntry + u':').leftJustified(36, u' ', true);
        row += getDxInfoString60m(country.adif);
        if (country.deleted)
            row += QLatin1String("xyz");
        rows.append(row);
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(rows.begin(), rows.end(), collator);
    return rows;
}
