#include "cli/SettingsCommands.h"

#include "cli/Cli.h"
#include "model/LogModel.h"
#include "model/LogbookFiles.h"
#include "root/AppDelegate.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

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

/** The keys of an INI file as written there ("[section]key"), to compare two files. */
QSet<QByteArray> iniKeys(const QString &path)
{
    QFile file(path);
    QSet<QByteArray> keys;
    if (!file.open(QIODevice::ReadOnly))
        return keys;
    QByteArray section;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('['))
            section = line;
        else if (const qsizetype equals = line.indexOf('='); equals > 0)
            keys.insert(section + line.left(equals).trimmed());
    }
    return keys;
}

ino_t inodeOf(const QByteArray &path)
{
    struct stat info {};
    return ::stat(path.constData(), &info) == 0 ? info.st_ino : 0;
}

/** Applies `change` and writes the settings file. QSettings reports a full disk as success and
 *  may leave an empty file behind, so the old file is kept under a second name (a hard link
 *  costs no space) until the new one is in place with every key the change did not remove. */
bool storeDefaults(UserDefaults &defaults, const std::function<void()> &change,
                   const QString &removedKey, QString *error)
{
    const QString path = defaults.fileName();
    const QByteArray native = QFile::encodeName(path);
    const QByteArray kept = native + ".keep";
    ::unlink(kept.constData());
    const bool haveOld =
        QFileInfo::exists(path) && ::link(native.constData(), kept.constData()) == 0;
    const ino_t before = inodeOf(native);
    change();
    defaults.sync();

    bool stored = inodeOf(native) != before && inodeOf(native) != 0;
    if (stored && haveOld) {
        // Only the removed key (in whatever form the file spells it) may be gone.
        const QSet<QByteArray> lost = iniKeys(QString::fromLocal8Bit(kept)).subtract(iniKeys(path));
        stored = lost.size() <= (removedKey.isEmpty() ? 0 : 1);
    }
    if (!stored) {
        if (haveOld) {
            ::rename(kept.constData(), native.constData());
            // Two names of one file (nothing was written) stay both after a rename.
            ::unlink(kept.constData());
        }
        *error = QStringLiteral("Could not write the settings file %1").arg(path);
        return false;
    }
    if (haveOld)
        ::unlink(kept.constData());
    return true;
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
        QString failure;
        if (!storeDefaults(
                defaults, [&] { defaults.setValue(words.at(1), valueFromText(words.at(2))); }, {},
                &failure))
            return cli.failed(failure);
        cli.print(QJsonObject{{words.at(1), QJsonValue::fromVariant(defaults.value(words.at(1)))}});
        return Cli::Success;
    }
    if (action == QLatin1String("remove") && words.size() == 2) {
        QString error;
        if (!storeDefaults(
                defaults, [&] { defaults.remove(words.at(1)); }, words.at(1), &error))
            return cli.failed(error);
        cli.print(QJsonObject{{words.at(1), QJsonValue::fromVariant(defaults.value(words.at(1)))}});
        return Cli::Success;
    }
    return cli.usage(QStringLiteral("Usage: defaults get KEY | set KEY VALUE | remove KEY"));
}

} // namespace cli
