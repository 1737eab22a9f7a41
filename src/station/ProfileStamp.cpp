#include "station/ProfileStamp.h"

#include <array>
#include <utility>

namespace station {
namespace {

void fill(ExtraFields &fields, QStringView name, const QString &value)
{
    if (!value.isEmpty() && !fields.contains(name))
        fields.set(name, value);
}

} // namespace

void stampQso(const StationProfile &profile, QsoClass &qso)
{
    const std::array<std::pair<QStringView, const QString *>, 13> fields{{
        {u"station_callsign", &profile.callsign},
        {u"operator", &profile.operatorCall},
        {u"my_gridsquare", &profile.locator},
        {u"my_iota", &profile.iota},
        {u"my_pota_ref", &profile.pota},
        {u"my_sota_ref", &profile.sota},
        {u"my_wwff_ref", &profile.wwff},
        {u"my_state", &profile.state},
        {u"my_cnty", &profile.county},
        {u"my_cq_zone", &profile.cqZone},
        {u"my_itu_zone", &profile.ituZone},
        {u"my_rig", &profile.rig},
        {u"my_antenna", &profile.antenna},
    }};
    for (const auto &[name, value] : fields)
        fill(qso.extraFields, name, *value);
    // Uploads that read only the generic pair find the park there; a park wins over a WWFF
    // area (MY_WWFF_REF carries that one), and a QSO that names its own pair keeps it.
    if (!qso.extraFields.contains(u"my_sig") && !qso.extraFields.contains(u"my_sig_info")) {
        if (!profile.pota.isEmpty()) {
            qso.extraFields.set(u"my_sig", QStringLiteral("POTA"));
            qso.extraFields.set(u"my_sig_info", profile.pota);
        } else if (!profile.wwff.isEmpty()) {
            qso.extraFields.set(u"my_sig", QStringLiteral("WWFF"));
            qso.extraFields.set(u"my_sig_info", profile.wwff);
        }
    }
    if (qso.power.trimmed().isEmpty())
        qso.power = profile.power;
}

} // namespace station
