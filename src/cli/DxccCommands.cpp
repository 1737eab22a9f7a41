#include "cli/DxccCommands.h"

#include "cli/Args.h"
#include "cli/Cli.h"
#include "formats/Formats.h"
#include "refdata/ClublogDbInfo.h"
#include "refdata/ClublogDxStuff.h"
#include "refdata/DXCCModel.h"
#include "refdata/WpxPrefix.h"
#include "root/AppDelegate.h"

#include <QEventLoop>
#include <QTextStream>

#include <cstdio>

namespace cli {
namespace {

QJsonObject entityOf(DXCCModel &model, const QString &call, const std::optional<QDateTime> &at)
{
    const CountryClass country = model.getDXCC(call, at);
    return {{QStringLiteral("call"), call},
            {QStringLiteral("adif"), country.adif},
            {QStringLiteral("dxcc"), country.dxcc},
            {QStringLiteral("cntry"), country.cntry},
            {QStringLiteral("cnt"), country.cnt},
            {QStringLiteral("cq"), country.cq},
            {QStringLiteral("itu"), country.itu},
            {QStringLiteral("locator"), country.locator},
            {QStringLiteral("iota"), country.iota},
            {QStringLiteral("deleted"), country.deleted},
            {QStringLiteral("validOp"), model.checkIfOperationIsValid(call, at)},
            {QStringLiteral("prefix"), refdata::getPrefix(call)}};
}

/** One tab-separated line per call when several are resolved. */
QString textLine(const QJsonObject &entity)
{
    QStringList fields;
    for (const char *key : {"call", "adif", "dxcc", "cntry", "cnt", "cq", "itu", "locator", "iota",
                            "deleted", "validOp", "prefix"}) {
        const QJsonValue value = entity.value(QLatin1String(key));
        fields << (value.isBool() ? (value.toBool() ? QStringLiteral("yes") : QStringLiteral("no"))
                                  : value.toVariant().toString());
    }
    return fields.join(QLatin1Char('\t'));
}

int update(Cli &cli, const QStringList &words)
{
    Args args(words, {{QStringLiteral("file"), QStringLiteral("url")}, {}});
    if (!args.error().isEmpty() || !args.positional().isEmpty())
        return cli.usage(args.error().isEmpty()
                             ? QStringLiteral("Usage: countryfile update [--file PATH] [--url URL]")
                             : args.error());
    ClublogDxStuff stuff(cli.app().defaults(), cli.app().folder());
    QString failure;
    QObject::connect(&stuff, &ClublogDxStuff::clublogStatus, &stuff,
                     [&cli](const QString &text) { cli.text(text); });
    QObject::connect(&stuff, &ClublogDxStuff::clublogError, &stuff,
                     [&failure](const QString &text) {
                         if (failure.isEmpty())
                             failure = text;
                     });
    QEventLoop loop;
    QObject::connect(&stuff, &ClublogDxStuff::idle, &loop, &QEventLoop::quit);
    if (const std::optional<QString> file = args.option(QStringLiteral("file")))
        stuff.loadAndProccessFile(*file);
    else if (const std::optional<QString> url = args.option(QStringLiteral("url")))
        stuff.loadAndProccessUrl(QUrl(*url));
    else
        stuff.loadAndProccessXMLFile();
    loop.exec();
    return failure.isEmpty() ? Cli::Success : cli.failed(failure);
}

int info(Cli &cli)
{
    QJsonObject result{{QStringLiteral("date"),
                        cli.app().defaults().string(QLatin1String(ClublogDxStuff::kLastDateKey))}};
    DXCCModel &model = cli.app().dxcc(); // copies the shipped database when there is none
    const auto counts = refdata::clublogRowCounts(model.fullClDatabasePath());
    if (counts.isEmpty())
        return cli.failed(QStringLiteral("Cannot read %1").arg(model.fullClDatabasePath()));
    for (const auto &[table, count] : counts)
        result.insert(table, count);
    cli.print(result);
    return Cli::Success;
}

} // namespace

int dxccCommand(Cli &cli, const QStringList &words)
{
    Args args(words, {{QStringLiteral("date")}, {}});
    if (!args.error().isEmpty())
        return cli.usage(args.error());
    QStringList calls = args.positional();
    if (calls.isEmpty())
        return cli.usage(QStringLiteral("Usage: dxcc CALL... | dxcc - [--date \"yyyy-MM-dd "
                                        "HH:mm:ss\"]"));
    std::optional<QDateTime> at;
    if (const std::optional<QString> date = args.option(QStringLiteral("date"))) {
        at = formats::parseSqlDateTime(*date);
        if (!at)
            return cli.usage(QStringLiteral("--date needs \"yyyy-MM-dd HH:mm:ss\" (UTC)"));
    }
    DXCCModel &model = cli.app().dxcc();
    if (calls == QStringList{QStringLiteral("-")}) {
        QTextStream in(stdin);
        QString line;
        while (in.readLineInto(&line)) {
            const QString call = line.trimmed();
            if (!call.isEmpty()) {
                const QJsonObject entity = entityOf(model, call, at);
                cli.printLine(entity, textLine(entity));
            }
        }
        return Cli::Success;
    }
    if (calls.size() == 1) {
        cli.print(entityOf(model, calls.first(), at));
        return Cli::Success;
    }
    for (const QString &call : calls) {
        const QJsonObject entity = entityOf(model, call, at);
        cli.printLine(entity, textLine(entity));
    }
    return Cli::Success;
}

int countryFileCommand(Cli &cli, const QStringList &words)
{
    const QString action = words.value(0);
    if (action == u"update")
        return update(cli, words.mid(1));
    if (action == u"info" && words.size() == 1)
        return info(cli);
    return cli.usage(QStringLiteral("Usage: countryfile update [--file PATH] [--url URL] | "
                                    "countryfile info"));
}

} // namespace cli
