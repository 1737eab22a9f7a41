#include "cli/LookupCommands.h"

#include "cli/Args.h"
#include "cli/Cli.h"
#include "services/HttpClient.h"
#include "services/LookupResult.h"
#include "services/LookupSession.h"

#include <QEventLoop>
#include <QNetworkAccessManager>

namespace cli {
namespace {

int printResult(Cli &cli, const lookup::LookupOutcome &outcome)
{
    const lookup::LookupResult result = lookup::resultFrom(outcome.service, outcome.items);
    QJsonArray fields;
    QStringList lines;
    for (const lookup::LookupRow &row : result.rows) {
        fields.append(
            QJsonObject{{QStringLiteral("name"), row.name}, {QStringLiteral("value"), row.value}});
        lines << (row.value.isEmpty() ? row.name
                                      : QStringLiteral("%1: %2").arg(row.name, row.value));
    }
    if (!cli.json()) {
        cli.print(QJsonArray(), lines);
        return Cli::Success;
    }
    const QsoClass qso = lookup::qsoFrom(outcome.service, outcome.items, outcome.callsign);
    cli.print(QJsonObject{
        {QStringLiteral("service"), lookup::serviceName(outcome.service)},
        {QStringLiteral("call"), result.callsign.isEmpty() ? qso.callsign : result.callsign},
        {QStringLiteral("locator"), result.locator},
        {QStringLiteral("picture"), result.pictureUrl},
        {QStringLiteral("fields"), fields},
        // What "Use for new QSO" hands to the entry form.
        {QStringLiteral("qso"), QJsonObject{{QStringLiteral("callsign"), qso.callsign},
                                            {QStringLiteral("name"), qso.name},
                                            {QStringLiteral("qth"), qso.qth},
                                            {QStringLiteral("itu"), qso.itu},
                                            {QStringLiteral("cq"), qso.cq},
                                            {QStringLiteral("locator"), qso.locator},
                                            {QStringLiteral("state"), qso.state},
                                            {QStringLiteral("county"), qso.county},
                                            {QStringLiteral("iota"), qso.iota},
                                            {QStringLiteral("manager"), qso.manager}}}});
    return Cli::Success;
}

int run(Cli &cli, const QString &callsign, lookup::Service service)
{
    AppDelegate &app = cli.app();
    QNetworkAccessManager network;
    HttpClient http(network, app.defaults());
    lookup::LookupSession session(http, app.defaults());
    lookup::LookupOutcome outcome;
    QEventLoop loop;
    bool done = false;
    QObject::connect(&session, &lookup::LookupSession::finished, &loop,
                     [&](const lookup::LookupOutcome &result) {
                         outcome = result;
                         done = true;
                         loop.quit();
                     });
    session.lookUp(lookup::LookupAccount::read(app.defaults(), app.secrets(), service), callsign);
    if (!done)
        loop.exec();
    // The cached session key is kept for the next run.
    app.defaults().sync();
    if (!outcome.ok)
        return cli.failed(QStringLiteral("%1 %2").arg(outcome.alertTitle, outcome.alertText));
    return printResult(cli, outcome);
}

} // namespace

int lookupCommand(Cli &cli, const QStringList &words)
{
    const Args args(words, {{QStringLiteral("service")}, {QStringLiteral("json")}});
    const QString usage = QStringLiteral("Usage: ") + QLatin1String(kLookupSynopsis);
    if (!args.error().isEmpty() || args.positional().size() != 1 ||
        args.positional().first().trimmed().isEmpty())
        return cli.usage(usage);
    lookup::Service service = lookup::LookupAccount::chosen(cli.app().defaults());
    if (const auto named = args.option(QStringLiteral("service"));
        named && !lookup::serviceFromName(*named, service))
        return cli.usage(usage);
    const QString callsign = args.positional().first();
    if (args.flag(QStringLiteral("json")) && !cli.json()) {
        Cli json(cli.app(), true);
        return run(json, callsign, service);
    }
    return run(cli, callsign, service);
}

} // namespace cli
