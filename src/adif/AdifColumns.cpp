#include "adif/AdifColumns.h"

#include <algorithm>
#include <array>

namespace adif {
namespace {

struct Column {
    const char *field;  // ADIF name, lower case
    const char *column; // QsoClass field
    bool always;        // in every record; otherwise only where the value fits the column
};

constexpr std::array kColumns{
    Column{"call", "callsign", true},
    Column{"qso_date", "date", true},
    Column{"time_on", "time", true},
    Column{"band", "band", true},
    Column{"freq", "qrg", true},
    Column{"mode", "mode", true},
    Column{"submode", "mode", false},
    Column{"rst_sent", "rsttx", false},
    Column{"rst_rcvd", "rstrx", false},
    Column{"qsl_sent", "qsl", true},
    Column{"qsl_rcvd", "qsl", true},
    Column{"app_tarvex_qsl", "qsl", true},
    Column{"qslsdate", "qslOutDate", false},
    Column{"qslrdate", "qslInDate", false},
    Column{"lotw_qsl_sent", "lotwqsl", true},
    Column{"lotw_qsl_rcvd", "lotwqsl", true},
    Column{"eqsl_qsl_sent", "eqsl", true},
    Column{"eqsl_qsl_rcvd", "eqsl", true},
    Column{"clublog_qso_upload_status", "clublog", true},
    Column{"state", "state", false},
    Column{"cnty", "county", true},
    Column{"dxcc", "adif", false},
    Column{"pfx", "prefix", true},
    Column{"cqz", "cq", false},
    Column{"ituz", "itu", false},
    Column{"name", "name", true},
    Column{"qth", "qth", true},
    Column{"comment", "note", true},
    Column{"qsl_via", "manager", true},
    Column{"gridsquare", "locator", true},
    Column{"iota", "iota", true},
    Column{"tx_pwr", "power", false},
    Column{"app_tarvex_power", "power", true},
    Column{"sat_name", "satName", true},
    Column{"sat_mode", "satMode", false},
    Column{"band_rx", "satRxband", false},
    Column{"app_tarvex_colorcode", "colorCode", true},
};

const Column *find(QStringView name)
{
    // The table is in lower case ASCII: a name in lower case ASCII matches exactly or not at all.
    if (std::all_of(name.begin(), name.end(),
                    [](QChar c) { return c.unicode() < 128 && !(c >= u'A' && c <= u'Z'); })) {
        for (const Column &column : kColumns)
            if (name == QLatin1String(column.field))
                return &column;
        return nullptr;
    }
    for (const Column &column : kColumns)
        if (name.compare(QLatin1String(column.field), Qt::CaseInsensitive) == 0)
            return &column;
    return nullptr;
}

} // namespace

QString columnOf(QStringView name)
{
    const Column *column = find(name);
    return column ? QString::fromLatin1(column->column) : QString();
}

bool hasColumn(QStringView name)
{
    const Column *column = find(name);
    return column && column->always;
}

} // namespace adif
