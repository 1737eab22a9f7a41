#include "cli/ContestCommands.h"

#include "cli/Args.h"
#include "cli/Cli.h"
#include "contest/Cabrillo.h"
#include "contest/ContestCatalog.h"
#include "contest/ContestSession.h"
#include "formats/Formats.h"
#include "model/LogModel.h"
#include "root/AppDelegate.h"

#include <QFile>
#include <QJsonArray>
#include <QSaveFile>

#include <algorithm>

namespace cli {
namespace {

QJsonObject qsoJson(const ContestQso &qso)
{
    return QJsonObject{{QStringLiteral("id"), qso.id},
                       {QStringLiteral("call"), qso.call},
                       {QStringLiteral("band"), qso.band},
                       {QStringLiteral("mode"), qso.cabMode},
                       {QStringLiteral("time"), formats::sqlDateTime(qso.time)},
                       {QStringLiteral("sent"), qso.sent.join(u' ')},
                       {QStringLiteral("received"), qso.received.join(u' ')},
                       {QStringLiteral("points"), qso.points},
                       {QStringLiteral("dupe"), qso.dupe}};
}

/** What each action needs: the catalog and the session of the current logbook. */
struct Context {
    explicit Context(AppDelegate &app)
        : catalog(app.folder().filePath(QLatin1String(ContestCatalog::kFolderName))),
          session(app.log(), app.dxcc(), app.functions(), app.clock(), catalog)
    {}
    ContestCatalog catalog;
    ContestSession session;
};

int list(Cli &cli, Context &context)
{
    QJsonArray results;
    QStringList lines;
    for (const contest::ContestDefinition &def : context.catalog.contests()) {
        results.append(QJsonObject{{QStringLiteral("name"), def.name},
                                   {QStringLiteral("title"), def.title},
                                   {QStringLiteral("contestId"), def.adifContestId},
                                   {QStringLiteral("bands"), QJsonArray::fromStringList(def.bands)},
                                   {QStringLiteral("modes"), QJsonArray::fromStringList(def.modes)},
                                   {QStringLiteral("file"), def.file}});
        lines << QStringLiteral("%1  %2").arg(def.name, -14).arg(def.title);
    }
    for (const QString &problem : context.catalog.problems())
        cli.status(problem);
    cli.print(results, lines);
    return Cli::Success;
}

int start(Cli &cli, Context &context, const QStringList &words)
{
    Args args(words, {{QStringLiteral("sent-exchange"), QStringLiteral("category"),
                       QStringLiteral("call")},
                      {}});
    if (!args.error().isEmpty() || args.positional().size() != 1)
        return cli.usage(args.error().isEmpty()
                             ? QStringLiteral("Usage: contest start NAME [--sent-exchange T] "
                                              "[--category KEY=VALUE,…] [--call C]")
                             : args.error());
    ContestSettings settings;
    settings.contest = args.positional().first();
    settings.sentExchange = args.option(QStringLiteral("sent-exchange"), {});
    settings.myCall =
        args.option(QStringLiteral("call"), cli.app().log().getMyCallsign()).trimmed();
    for (const QString &pair :
         args.option(QStringLiteral("category"), {}).split(u',', Qt::SkipEmptyParts)) {
        const qsizetype equals = pair.indexOf(u'=');
        QString key = pair.left(equals).trimmed().toUpper();
        if (key.startsWith(QLatin1String("CATEGORY-")))
            key = key.mid(9);
        if (equals <= 0 || key.isEmpty() || pair.mid(equals + 1).trimmed().isEmpty())
            return cli.usage(QStringLiteral("--category needs KEY=VALUE: \"%1\"").arg(pair));
        settings.category.insert(key, pair.mid(equals + 1).trimmed().toUpper());
    }
    if (settings.myCall.isEmpty())
        return cli.usage(QStringLiteral("contest start needs the own callsign: --call C (or the "
                                        "logbook's own callsign)"));
    if (const std::optional<QString> refused = context.session.start(settings))
        return cli.failed(*refused);
    const ContestSettings &started = context.session.settings();
    QString error;
    const QString cabMode = context.session.log()->definition().modes.first();
    cli.print(QJsonObject{
        {QStringLiteral("contest"), started.contest},
        {QStringLiteral("call"), started.myCall},
        {QStringLiteral("start"), formats::sqlDateTime(started.start)},
        {QStringLiteral("sent"),
         context.session.sentValues(cabMode, &error).value_or(QStringList()).join(u' ')}});
    return Cli::Success;
}

/** The mode of a contest of one mode class when none is given. */
QString defaultMode(const contest::ContestDefinition &def)
{
    if (def.modes.size() != 1)
        return {};
    const QString &only = def.modes.first();
    return only == QLatin1String("PH")   ? QStringLiteral("SSB")
           : only == QLatin1String("RY") ? QStringLiteral("RTTY")
           : only == QLatin1String("DG") ? QString()
                                         : only;
}

int logQso(Cli &cli, Context &context, const QStringList &words)
{
    Args args(words, {{QStringLiteral("freq"), QStringLiteral("mode"), QStringLiteral("time")},
                      {QStringLiteral("allow-dupe")}});
    if (!args.error().isEmpty() || args.positional().size() < 2)
        return cli.usage(args.error().isEmpty()
                             ? QStringLiteral("Usage: contest log CALL EXCHANGE… --freq KHZ "
                                              "[--mode M] [--time T] [--allow-dupe]")
                             : args.error());
    ContestSession::Request request;
    request.call = args.positional().first();
    request.exchange = args.positional().mid(1).join(u' ');
    const std::optional<double> kHz =
        formats::parseGroupedKHz(args.option(QStringLiteral("freq"), {}));
    if (!kHz)
        return cli.usage(QStringLiteral("contest log needs --freq KHZ"));
    request.kHz = *kHz;
    request.mode =
        args.option(QStringLiteral("mode"), defaultMode(context.session.log()->definition()));
    if (request.mode.isEmpty())
        return cli.usage(QStringLiteral("contest log needs --mode in a contest of several modes"));
    if (const std::optional<QString> time = args.option(QStringLiteral("time"))) {
        request.time = formats::parseSqlDateTime(*time);
        if (!request.time)
            return cli.usage(QStringLiteral("--time needs \"yyyy-MM-dd HH:mm:ss\" (UTC)"));
    }
    request.allowDupe = args.flag(QStringLiteral("allow-dupe"));
    const ContestSession::Result result = context.session.logQso(request);
    if (result.dupe && !result.stored) {
        cli.printLine(QJsonObject{{QStringLiteral("dupe"), true},
                                  {QStringLiteral("earlier"), qsoJson(*result.dupe)}},
                      QStringLiteral("dupe"));
        cli.status(result.dupe->dupeText() + QStringLiteral(" (--allow-dupe logs it)"));
        return kDupeExitCode;
    }
    if (!result.stored)
        return result.error.startsWith(QLatin1String("The QSO was not stored"))
                   ? cli.failed(result.error)
                   : cli.usage(result.error);
    QJsonObject printed = qsoJson(*result.qso);
    if (std::any_of(context.session.log()->definition().exchange.cbegin(),
                    context.session.log()->definition().exchange.cend(),
                    [](const contest::ExchangeField &field) { return field.isSerial(); }))
        printed.insert(QStringLiteral("next serial"), context.session.log()->nextSerial());
    cli.print(printed);
    return Cli::Success;
}

int score(Cli &cli, Context &context)
{
    const ContestLog &log = *context.session.log();
    const ContestScore s = log.score();
    const auto [last10, last60] = log.rate(cli.app().clock().now());
    QJsonObject multipliers;
    for (const auto &[name, count] : s.multipliers)
        multipliers.insert(name, count);
    cli.print(QJsonObject{{QStringLiteral("contest"), log.definition().name},
                          {QStringLiteral("qsos"), s.qsos},
                          {QStringLiteral("dupes"), s.dupes},
                          {QStringLiteral("points"), s.points},
                          {QStringLiteral("multipliers"), multipliers},
                          {QStringLiteral("score"), s.total},
                          {QStringLiteral("last 10 min"), last10},
                          {QStringLiteral("last 60 min"), last60}});
    return Cli::Success;
}

int writeCabrillo(Cli &cli, Context &context, const QStringList &words)
{
    const Args args(words, {{QStringLiteral("output")}, {}});
    const QString file = args.option(QStringLiteral("output"), {});
    if (!args.error().isEmpty() || !args.positional().isEmpty() || file.isEmpty())
        return cli.usage(QStringLiteral("Usage: contest cabrillo -o FILE"));
    const QString text = cabrillo::write(*context.session.log(), context.session.settings());
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(text.toUtf8()) < 0 || !out.commit())
        return cli.failed(QStringLiteral("Could not write %1: %2").arg(file, out.errorString()));
    cli.print(QJsonObject{{QStringLiteral("file"), file},
                          {QStringLiteral("qsos"), context.session.log()->qsos().size()},
                          {QStringLiteral("claimed score"), context.session.log()->score().total}});
    return Cli::Success;
}

} // namespace

int contestCommand(Cli &cli, const QStringList &words)
{
    const QString action = words.value(0);
    LogModel &log = cli.app().log();
    if (const std::optional<QString> problem = log.logbookProblem())
        return cli.failed(*problem);
    Context context(cli.app());
    if (action == QLatin1String("list"))
        return list(cli, context);
    if (action == QLatin1String("start"))
        return start(cli, context, words.mid(1));
    if (action != QLatin1String("log") && action != QLatin1String("score") &&
        action != QLatin1String("cabrillo"))
        return cli.usage(QStringLiteral("Usage: contest list|start|log|score|cabrillo"));
    QString error;
    if (!context.session.restore(&error))
        return cli.failed(error.isEmpty() ? QStringLiteral("No contest session: contest start NAME")
                                          : error);
    if (action == QLatin1String("log"))
        return logQso(cli, context, words.mid(1));
    if (action == QLatin1String("score"))
        return score(cli, context);
    return writeCabrillo(cli, context, words.mid(1));
}

} // namespace cli
