#include "cli/SettingsCommands.h"

#include "cli/Cli.h"
#include "model/LogModel.h"
#include "model/LogbookFiles.h"
#include "root/AppDelegate.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace cli {
namespace {

/** A value given on the command line: JSON when it reads as JSON (numbers, true/false, lists,
 *  objects), otherwise the text itself. */
QVariant valueFromText(const QString &text)
{
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QStringLiteral("[%1]").arg(text).toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || document.array().size() != 1)
        return text;
    return document.array().first().toVariant();
}

} // namespace

int prefsCommand(Cli &cli, const QStringList &words)
{
    const QString action = words.value(0);
    LogModel &log = cli.app().log();
    if (action == QLatin1String("get") && words.size() == 2) {
        cli.print(QJsonObject{{words.at(1), log.readPrefsForEntry(words.at(1))}});
        return Cli::Success;
    }
    if (action == QLatin1String("set") && words.size() == 3) {
        if (logbookfiles::identifiesLogbook(words.at(1)))
            return cli.usage(QStringLiteral("%1 identifies the logbook file and cannot be changed")
                                 .arg(words.at(1)));
        if (const WriteResult stored = log.updatePrefs(words.at(1), words.at(2)); !stored)
            return cli.failed(QStringLiteral("Could not store %1 in %2: %3")
                                  .arg(words.at(1), log.logDbName(), stored.error));
        if (log.readPrefsForEntry(words.at(1)) != words.at(2))
            return cli.failed(
                QStringLiteral("Could not store %1 in %2").arg(words.at(1), log.logDbName()));
        cli.print(QJsonObject{{words.at(1), words.at(2)}});
        return Cli::Success;
    }
    return cli.usage(QStringLiteral("Usage: prefs get ENTRY | prefs set ENTRY VALUE"));
}

int defaultsCommand(Cli &cli, const QStringList &words)
{
    const QString action = words.value(0);
    UserDefaults &defaults = cli.app().defaults();
    if (action == QLatin1String("get") && words.size() == 2) {
        cli.print(QJsonObject{{words.at(1), QJsonValue::fromVariant(defaults.value(words.at(1)))}});
        return Cli::Success;
    }
    if (action == QLatin1String("set") && words.size() == 3) {
        // The current logbook is opened under this name, so it must stay inside the data folder.
        const QString error = logbookfiles::logbookNameError(words.at(2));
        if (words.at(1) == QLatin1String("LogDbName") && !error.isEmpty() &&
            !cli.app().log().getAllLogNames().contains(words.at(2)))
            return cli.usage(error);
        defaults.setValue(words.at(1), valueFromText(words.at(2)));
        defaults.sync();
        cli.print(QJsonObject{{words.at(1), QJsonValue::fromVariant(defaults.value(words.at(1)))}});
        return Cli::Success;
    }
    if (action == QLatin1String("remove") && words.size() == 2) {
        defaults.remove(words.at(1));
        defaults.sync();
        cli.print(QJsonObject{{words.at(1), QJsonValue::fromVariant(defaults.value(words.at(1)))}});
        return Cli::Success;
    }
    return cli.usage(QStringLiteral("Usage: defaults get KEY | set KEY VALUE | remove KEY"));
}

} // namespace cli
