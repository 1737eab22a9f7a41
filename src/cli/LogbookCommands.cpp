#include "cli/LogbookCommands.h"

#include "cli/Cli.h"
#include "model/LogModel.h"
#include "model/LogbookChoice.h"
#include "model/LogbookFiles.h"
#include "root/AppDelegate.h"

#include <QJsonArray>

namespace cli {
namespace {

int list(Cli &cli)
{
    LogModel &log = cli.app().log();
    QJsonArray results;
    QStringList lines;
    for (const QString &name : log.getAllLogNames()) {
        const bool current = name == log.logDbName();
        results.append(
            QJsonObject{{QStringLiteral("name"), name}, {QStringLiteral("current"), current}});
        lines << (current ? QStringLiteral("* ") : QStringLiteral("  ")) + name;
    }
    cli.print(results, lines);
    return Cli::Success;
}

int create(Cli &cli, const QString &name)
{
    if (const QString error = logbookfiles::logbookNameError(name); !error.isEmpty())
        return cli.usage(error);
    QString fileName;
    switch (logbookchoice::createLogbook(cli.app().folder(), name, &fileName)) {
    case logbookchoice::CreateResult::Created:
        cli.print(QJsonObject{{QStringLiteral("created"), fileName}});
        return Cli::Success;
    case logbookchoice::CreateResult::NameTooShort:
        return cli.usage(QStringLiteral("A logbook name needs at least 2 characters"));
    case logbookchoice::CreateResult::NameGivenBefore:
        return cli.failed(QStringLiteral("This name was given before!"));
    case logbookchoice::CreateResult::CopyFailed:
        break;
    }
    return cli.failed(QStringLiteral("Could not create the logbook %1").arg(fileName));
}

/** The logbook file a name means: as given, or with ".rlog" added. Logbooks kept in a subfolder
 *  are listed with their folder, so a listed name is taken as it is. */
QString existingLogbook(Cli &cli, const QString &name)
{
    const QStringList names = cli.app().log().getAllLogNames();
    const QString withSuffix = logbookfiles::withLogbookSuffix(name);
    if (names.contains(name))
        return name;
    return names.contains(withSuffix) ? withSuffix : QString();
}

int select(Cli &cli, const QString &name)
{
    const QString fileName = existingLogbook(cli, name);
    if (fileName.isEmpty()) {
        const QString error = logbookfiles::logbookNameError(name);
        return error.isEmpty() ? cli.failed(QStringLiteral("No logbook named %1").arg(name))
                               : cli.usage(error);
    }
    cli.app().log().selectLogbook(fileName);
    cli.print(QJsonObject{{QStringLiteral("selected"), fileName}});
    return Cli::Success;
}

int remove(Cli &cli, const QString &name)
{
    const QString fileName = existingLogbook(cli, name);
    if (const QString error = logbookfiles::logbookNameError(name);
        fileName.isEmpty() && !error.isEmpty())
        return cli.usage(error);
    switch (logbookchoice::deleteLogbook(cli.app().folder(), cli.app().defaults(), cli.app().log(),
                                         fileName.isEmpty() ? name : fileName)) {
    case logbookchoice::DeleteResult::Deleted:
        cli.print(QJsonObject{{QStringLiteral("deleted"), fileName}});
        return Cli::Success;
    case logbookchoice::DeleteResult::NotFound:
        return cli.failed(QStringLiteral("No logbook named %1").arg(name));
    case logbookchoice::DeleteResult::LastLogbook:
        return cli.failed(QStringLiteral("The last logbook cannot be deleted"));
    case logbookchoice::DeleteResult::Failed:
        break;
    }
    return cli.failed(QStringLiteral("Could not delete the logbook %1").arg(fileName));
}

} // namespace

int logbooksCommand(Cli &cli, const QStringList &words)
{
    const QString action = words.value(0);
    if (action == QLatin1String("list") && words.size() == 1)
        return list(cli);
    if (words.size() != 2)
        return cli.usage(QStringLiteral("Usage: logbooks list | create NAME | select NAME | "
                                        "delete NAME"));
    if (action == QLatin1String("create"))
        return create(cli, words.at(1));
    if (action == QLatin1String("select"))
        return select(cli, words.at(1));
    if (action == QLatin1String("delete"))
        return remove(cli, words.at(1));
    return cli.usage(QStringLiteral("Unknown logbooks action: %1").arg(action));
}

} // namespace cli
