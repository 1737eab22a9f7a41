#include "refdata/BandTable.h"

namespace refdata {

BandTable BandTable::fromVariant(const QVariantList &rows)
{
    BandTable table;
    table.m_rows.reserve(rows.size());
    for (const QVariant &stored : rows) {
        Row row;
        for (const QVariant &value : stored.toList()) {
            bool ok = false;
            const double kHz = value.toDouble(&ok);
            if (!ok)
                break;
            row.append(kHz);
        }
        table.m_rows.append(row);
    }
    return table;
}

} // namespace refdata
