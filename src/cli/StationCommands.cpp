#include "cli/StationCommands.h"

#include "cli/Args.h"
#include "cli/Cli.h"
#include "root/AppDelegate.h"
#include "station/ProfileValidation.h"
#include "station/StationProfiles.h"

#include <QJsonArray>

#include <array>
#include <utility>

namespace cli {
namespace {

using Field = QString StationProfile::*;

const std::array<std::pair<const char *, Field>, 14> kOptions{{
    {"call", &StationProfile::callsign},
    {"operator", &StationProfile::operatorCall},
    {"locator", &StationProfile::locator},
    {"iota", &StationProfile::iota},
    {"pota", &StationProfile::pota},
    {"sota", &StationProfile::sota},
    {"wwff", &StationProfile::wwff},
    {"state", &StationProfile::state},
    {"county", &StationProfile::county},
    {"cq", &StationProfile::cqZone},
    {"itu", &StationProfile::ituZone},
    {"power", &StationProfile::power},
    {"rig", &StationProfile::rig},
    {"antenna", &StationProfile::antenna},
}};

int list(Cli &cli, const StationProfiles &profiles)
{
    QJsonArray results;
    QStringList lines;
    for (const StationProfile &profile : profiles.profiles()) {
        const bool active = profile.name == profiles.activeName();
        QJsonObject object = profile.toJson();
        object.insert(QStringLiteral("active"), active);
        results.append(object);
        QStringList details{profile.callsign, profile.locator, profile.pota, profile.sota,
                            profile.wwff};
        details.removeAll(QString());
        lines << QStringLiteral("%1%2  %3")
                     .arg(active ? QStringLiteral("* ") : QStringLiteral("  "), profile.name,
                          details.join(QLatin1Char(' ')));
    }
    cli.print(results, lines);
    return Cli::Success;
}

int show(Cli &cli, const StationProfiles &profiles, const QString &name)
{
    const std::optional<StationProfile> profile =
        name.isEmpty() ? profiles.active() : profiles.profile(name);
    if (!profile)
        return cli.failed(name.isEmpty()
                              ? QStringLiteral("No station profile is active")
                              : QStringLiteral("No station profile named \"%1\"").arg(name));
    QJsonObject object = profile->toJson();
    object.insert(QStringLiteral("active"), profile->name == profiles.activeName());
    cli.print(object);
    return Cli::Success;
}

int add(Cli &cli, StationProfiles &profiles, const QStringList &words)
{
    Args::Options known;
    for (const auto &[option, field] : kOptions)
        known.valued.insert(QLatin1String(option));
    const Args args(words, known);
    if (!args.error().isEmpty() || args.positional().size() != 1)
        return cli.usage(args.error().isEmpty()
                             ? QStringLiteral("Usage: station add NAME [--call C] [--locator L] "
                                              "[--pota REF] … (see --help)")
                             : args.error());
    StationProfile profile;
    profile.name = args.positional().constFirst();
    for (const auto &[option, field] : kOptions)
        profile.*field = args.option(QLatin1String(option), QString());
    profile.normalise();
    // Bad input is a usage error; a profile that could not be written a failure.
    if (const QString problem = station::profileProblem(profile); !problem.isEmpty())
        return cli.usage(problem);
    const bool exists = profiles.profile(profile.name).has_value();
    if (const QString error = profiles.save(profile, exists ? profile.name : QString());
        !error.isEmpty())
        return cli.failed(error);
    cli.print(QJsonObject{{exists ? QStringLiteral("replaced") : QStringLiteral("added"),
                           profiles.profile(profile.name)->name}});
    return Cli::Success;
}

} // namespace

int stationCommand(Cli &given, const QStringList &arguments)
{
    // "--json" after the command word works as well as before it.
    QStringList words = arguments;
    Cli jsonCli(given.app(), true);
    Cli &cli = words.removeAll(QStringLiteral("--json")) > 0 ? jsonCli : given;
    StationProfiles profiles(cli.app().folder(), cli.app().log());
    const QString action = words.value(0);
    if (action == QLatin1String("list") && words.size() == 1)
        return list(cli, profiles);
    if (action == QLatin1String("show") && words.size() <= 2)
        return show(cli, profiles, words.value(1));
    if (action == QLatin1String("add"))
        return add(cli, profiles, words.mid(1));
    if ((action == QLatin1String("select") || action == QLatin1String("remove")) &&
        words.size() == 2) {
        const QString name = words.at(1);
        const std::optional<StationProfile> profile = profiles.profile(name);
        if (!profile)
            return cli.failed(QStringLiteral("No station profile named \"%1\"").arg(name));
        const bool selecting = action == QLatin1String("select");
        if (const QString error = selecting ? profiles.select(name) : profiles.remove(name);
            !error.isEmpty())
            return cli.failed(error);
        cli.print(QJsonObject{
            {selecting ? QStringLiteral("selected") : QStringLiteral("removed"), profile->name}});
        return Cli::Success;
    }
    return cli.usage(QStringLiteral("Usage: station list | show [NAME] | add NAME [options] | "
                                    "select NAME | remove NAME"));
}

} // namespace cli
