#include "cli/MemberCommands.h"

#include "cli/Cli.h"
#include "cli/ProgressBar.h"
#include "model/LogModel.h"
#include "refdata/MemberListFile.h"
#include "shell/MemberListDownload.h"

#include <QEventLoop>

namespace cli {
namespace {

int download(Cli &cli, const QString &which)
{
    if (which != QLatin1String("lotw") && which != QLatin1String("eqsl"))
        return cli.usage(QStringLiteral("Usage: members download lotw|eqsl"));
    MemberListDownload download(cli.app().defaults(), cli.app().log(), cli.app().folder(),
                                which == QLatin1String("lotw") ? MemberListDownload::Kind::Lotw
                                                               : MemberListDownload::Kind::Eqsl);
    ProgressBar bar;
    QString alert;
    bool stored = false;
    QObject::connect(&download, &MemberListDownload::stateChanged, &download, [&] {
        if (download.busy())
            bar.show(qsizetype(download.progress() * 1000), 1000);
    });
    QObject::connect(&download, &MemberListDownload::alertRequested, &download,
                     [&alert](const QString &title, const QString &message) {
                         alert = title + QLatin1Char(' ') + message;
                     });
    QEventLoop loop;
    QObject::connect(&download, &MemberListDownload::done, &loop, [&](bool ok) {
        stored = ok;
        loop.quit();
    });
    download.download();
    loop.exec();
    bar.finish();
    if (!stored)
        return cli.failed(alert.isEmpty() ? download.label() : alert);
    cli.printLine({{QStringLiteral("list"), which},
                   {QStringLiteral("message"), download.label()},
                   {QStringLiteral("count"), download.count()}},
                  download.label());
    return Cli::Success;
}

int check(Cli &cli, const QString &call)
{
    LogModel &log = cli.app().log();
    const bool lotw = log.isLotwUser(call);
    const bool eqsl = log.isEqslUser(call);
    const QString text = memberlist::membershipText(lotw, eqsl);
    if (text.isEmpty() && !cli.json())
        return Cli::Success; // neither list has the call: nothing to print
    cli.printLine({{QStringLiteral("call"), call},
                   {QStringLiteral("lotw"), lotw},
                   {QStringLiteral("eqsl"), eqsl},
                   {QStringLiteral("text"), text}},
                  text);
    return Cli::Success;
}

int count(Cli &cli)
{
    LogModel &log = cli.app().log();
    cli.print(QJsonObject{{QStringLiteral("lotw"), log.numberofLotwUser()},
                          {QStringLiteral("eqsl"), log.numberOfEqslUser()}});
    return Cli::Success;
}

} // namespace

int membersCommand(Cli &cli, const QStringList &words)
{
    const QString verb = words.value(0);
    if (verb == QLatin1String("download") && words.size() == 2)
        return download(cli, words.at(1));
    if (verb == QLatin1String("check") && words.size() == 2)
        return check(cli, words.at(1));
    if (verb == QLatin1String("count") && words.size() == 1)
        return count(cli);
    return cli.usage(QStringLiteral("Usage: ") + QLatin1String(kMembersSynopsis));
}

} // namespace cli
