// brindlewick-cli: the logbook's models for scripts and headless stations.

#include "cli/ActivationCommands.h"
#include "cli/AdifCommands.h"
#include "cli/AwardCommands.h"
#include "cli/Cli.h"
#include "cli/ClublogCommands.h"
#include "cli/ClusterCommands.h"
#include "cli/Command.h"
#include "cli/ContestCommands.h"
#include "cli/DxccCommands.h"
#include "cli/EqslCommands.h"
#include "cli/GeoCommands.h"
#include "cli/GraylineCommand.h"
#include "cli/LogbookCommands.h"
#include "cli/LookupCommands.h"
#include "cli/LotwCommands.h"
#include "cli/MemberCommands.h"
#include "cli/QrzCommands.h"
#include "cli/QslCommands.h"
#include "cli/QsoCommands.h"
#include "cli/RigCommands.h"
#include "cli/SettingsCommands.h"
#include "cli/StationCommands.h"
#include "cli/StatsCommands.h"
#include "cli/SyncCommands.h"
#include "cli/WavelogCommands.h"
#include "cli/WorkedCommands.h"
#include "cli/WsjtxCommands.h"
#include "model/LogModel.h"
#include "root/AppDelegate.h"
#include "root/Startup.h"
#include "station/StationProfiles.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QScopeGuard>

#include <cstdio>
#include <iterator>
#include <memory>
#include <optional>

namespace {

const Command kCommands[] = {
    {"logbooks", cli::kLogbooksSynopsis, cli::logbooksCommand},
    {"qso", cli::kQsoSynopsis, cli::qsoCommand},
    {"prefs", cli::kPrefsSynopsis, cli::prefsCommand},
    {"defaults", cli::kDefaultsSynopsis, cli::defaultsCommand},
    {"band", cli::kBandSynopsis, cli::bandCommand},
    {"locator", cli::kLocatorSynopsis, cli::locatorCommand},
    {"dxcc", cli::kDxccSynopsis, cli::dxccCommand},
    {"countryfile", cli::kCountryFileSynopsis, cli::countryFileCommand},
    {"path", cli::kPathSynopsis, cli::pathCommand},
    {"sun", cli::kSunSynopsis, cli::sunCommand},
    {"grayline", cli::kGraylineSynopsis, cli::graylineCommand},
    {"import", cli::kImportSynopsis, cli::importCommand},
    {"export", cli::kExportSynopsis, cli::exportCommand},
    {"status", cli::kStatusSynopsis, cli::statusCommand},
    {"iota", cli::kIotaSynopsis, cli::iotaCommand},
    {"grid", cli::kGridSynopsis, cli::gridCommand},
    {"stats", cli::kStatisticsSynopsis, cli::statisticsCommand},
    {"dxlist", cli::kDxListSynopsis, cli::dxListCommand},
    {"members", cli::kMembersSynopsis, cli::membersCommand},
    {"cluster", cli::kClusterSynopsis, cli::clusterCommand},
    {"lotw", cli::kLotwSynopsis, cli::lotwCommand},
    {"eqsl", cli::kEqslSynopsis, cli::eqslCommand},
    {"rig", cli::kRigSynopsis, cli::rigCommand},
    {"wsjtx", cli::kWsjtxSynopsis, cli::wsjtxCommand},
    {"lookup", cli::kLookupSynopsis, cli::lookupCommand},
    {"clublog", cli::kClublogSynopsis, cli::clublogCommand},
    {"qrz", cli::kQrzSynopsis, cli::qrzCommand},
    {"wavelog", cli::kWavelogSynopsis, cli::wavelogCommand},
    {"sync", cli::kSyncSynopsis, cli::syncCommand},
    {"qsl", cli::kQslSynopsis, cli::qslCommand},
    {"station", cli::kStationSynopsis, cli::stationCommand},
    {"activation", cli::kActivationSynopsis, cli::activationCommand},
    {"awards", cli::kAwardsSynopsis, cli::awardsCommand},
    {"contest", cli::kContestSynopsis, cli::contestCommand},
};

void printHelp(FILE *to)
{
    std::fputs("Usage: brindlewick-cli [--data-dir DIR] [--json] COMMAND ...\n\n"
               "  --data-dir DIR  use DIR as the data folder (logbooks, settings); also\n"
               "                  BRINDLEWICK_HOME\n"
               "  --json          machine-readable output\n\n"
               "Commands:\n",
               to);
    for (const Command &command : kCommands)
        for (const QString &line : QString::fromUtf8(command.synopsis).split(QLatin1Char('\n')))
            std::fprintf(to, "  %s\n", line.toLocal8Bit().constData());
    std::fputs("\nExit status: 0 done, 1 bad usage, 2 the operation failed.\n", to);
}

/** Commands that read or write the current logbook; they stop before doing anything when the
 *  file is not a logbook (another file, a missing table). Switching or creating logbooks stays
 *  possible. */
bool needsLogbook(const QString &name, const QStringList &words)
{
    static const QStringList always{
        QStringLiteral("prefs"), QStringLiteral("status"), QStringLiteral("iota"),
        QStringLiteral("grid"),  QStringLiteral("stats"),  QStringLiteral("dxlist"),
        QStringLiteral("qso"),   QStringLiteral("export"), QStringLiteral("import")};
    const QString action = words.value(0);
    return always.contains(name) ||
           (name == QLatin1String("logbooks") && action == QLatin1String("list")) ||
           ((name == QLatin1String("eqsl") || name == QLatin1String("clublog")) &&
            action == QLatin1String("upload")) ||
           (name == QLatin1String("wsjtx") && action == QLatin1String("listen"));
}

/** Whether the command is "stats chart". */
bool drawsCharts(int argc, char *argv[])
{
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], "stats") == 0)
            return qstrcmp(argv[i + 1], "chart") == 0;
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    startup::useUtcTimeZone();
    // Charts write text, which takes fonts and so the GUI application (without a display).
    const bool charts = drawsCharts(argc, argv);
    if (charts && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> application;
    if (charts)
        application = std::make_unique<QGuiApplication>(argc, argv);
    else
        application = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Brindlewick"));
    QCoreApplication::setApplicationName(QStringLiteral("Brindlewick"));
    QLocale::setDefault(QLocale(QStringLiteral("en_GB")));

    // Global options come before the command word.
    QStringList words = QCoreApplication::arguments().mid(1);
    bool json = false;
    std::optional<QString> dataDir;
    while (!words.isEmpty() && words.first().startsWith(QLatin1String("--"))) {
        const QString option = words.takeFirst();
        if (option == QLatin1String("--json")) {
            json = true;
        } else if (option == QLatin1String("--help")) {
            printHelp(stdout);
            return Cli::Success;
        } else if (option == QLatin1String("--data-dir") && !words.isEmpty()) {
            dataDir = words.takeFirst();
        } else if (option.startsWith(QLatin1String("--data-dir="))) {
            dataDir = option.section(QLatin1Char('='), 1);
        } else {
            std::fprintf(stderr, "Unknown option %s (see --help)\n", qPrintable(option));
            return Cli::BadUsage;
        }
    }
    if (words.isEmpty()) {
        printHelp(stderr);
        return Cli::BadUsage;
    }
    // An empty folder (an unset shell variable) must not fall back to the user's own data.
    if (dataDir && dataDir->trimmed().isEmpty()) {
        std::fputs("--data-dir needs a folder\n", stderr);
        return Cli::BadUsage;
    }

    AppDelegate app(dataDir ? DataFolder::at(*dataDir) : DataFolder::resolve({}));
    Cli cli(app, json);
    // Every QSO logged from here (qso add, wsjtx listen) records the active station profile.
    StationProfiles profiles(app.folder(), app.log());
    app.log().setNewQsoStamp(&profiles);
    const auto unstamp = qScopeGuard([&app] { app.log().setNewQsoStamp(nullptr); });
    const QString name = words.takeFirst();
    if (needsLogbook(name, words))
        if (const std::optional<QString> problem = app.log().logbookProblem())
            return cli.failed(*problem);
    for (const Command &command : kCommands)
        if (name == QLatin1String(command.name))
            return command.run(cli, words);
    return cli.usage(QStringLiteral("Unknown command %1 (see --help)").arg(name));
}
