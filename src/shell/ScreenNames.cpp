#include "shell/ScreenNames.h"

#include <algorithm>
#include <iterator>

namespace screens {
namespace {

struct Named {
    Screen screen;
    const char *name;
};

// Scripts and tests name the screens by these texts; they stay as they are.
constexpr Named kNames[] = {
    {Screen::Log, "log"},
    {Screen::Cluster, "cluster"},
    {Screen::Map, "map"},
    {Screen::Dxcc, "dxcc"},
    {Screen::Qsl, "qsl"},
    {Screen::Settings, "settings"},
    {Screen::Logbooks, "settings-logbooks"},
    {Screen::Station, "settings-station"},
    {Screen::UserFields, "settings-userfields"},
    {Screen::DateStyle, "settings-datestyle"},
    {Screen::BandTable, "settings-bands"},
    {Screen::MemberLists, "settings-memberlists"},
    {Screen::CountryFile, "settings-countryfile"},
    {Screen::AdifImport, "settings-adifimport"},
    {Screen::ClusterSettings, "settings-cluster"},
    {Screen::LookupAccounts, "settings-lookupaccounts"},
    {Screen::Transceiver, "settings-transceiver"},
    {Screen::Wsjtx, "settings-wsjtx"},
    {Screen::SyncedLog, "settings-sync"},
    {Screen::Language, "settings-language"},
    {Screen::Scanner, "settings-scanner"},
    {Screen::HandedAdifFile, "adif-import"},
    {Screen::NewQso, "new-qso"},
    {Screen::QsoDetail, "qso-detail"},
    {Screen::PileUp, "pile-up"},
    {Screen::ClusterSpots, "cluster-spots"},
    {Screen::DxList, "dxcc-list"},
    {Screen::Lookup, "lookup"},
    {Screen::Clublog, "qsl-clublog"},
    {Screen::QslServices, "qsl-services"},
    {Screen::Elecraft, "trx-elecraft"},
    {Screen::StationProfiles, "station-profiles"},
    {Screen::Activation, "station-activation"},
    {Screen::Contest, "contest"},
    {Screen::Statistics, "statistics"},
    {Screen::Awards, "awards"},
};

} // namespace

QString name(Screen screen)
{
    const auto *found = std::find_if(std::begin(kNames), std::end(kNames),
                                     [screen](const Named &n) { return n.screen == screen; });
    return found == std::end(kNames) ? QString() : QString::fromLatin1(found->name);
}

std::optional<Screen> fromName(QStringView name)
{
    const auto *found = std::find_if(std::begin(kNames), std::end(kNames), [name](const Named &n) {
        return name == QLatin1String(n.name);
    });
    if (found == std::end(kNames))
        return std::nullopt;
    return found->screen;
}

} // namespace screens
