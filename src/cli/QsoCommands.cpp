#include "cli/QsoCommands.h"

#include "app/UserDefaults.h"
#include "cli/Args.h"
#include "cli/Cli.h"
#include "cli/NewQso.h"
#include "cli/QsoJson.h"
#include "entry/ExtraFieldsModel.h"
#include "formats/TextCoding.h"
#include "model/LogModel.h"
#include "model/QsoRow.h"
#include "refdata/DXCCModel.h"
#include "root/AppDelegate.h"

#include <QJsonArray>

namespace cli {
namespace {

int add(Cli &cli, const QStringList &words)
{
    LogModel &log = cli.app().log();
    const FieldOptions fields = takeFieldOptions(words, log.makeMappingInfo());
    if (!fields.error.isEmpty())
        return cli.usage(fields.error);
    Args args(fields.otherWords, {newQsoOptions(), {QStringLiteral("invalid-op")}});
    if (!args.error().isEmpty() || !args.positional().isEmpty())
        return cli.usage(args.error().isEmpty() ? QStringLiteral("Usage: qso add --call C --freq "
                                                                 "KHZ --mode M [options]")
                                                : args.error());
    QString error;
    std::optional<QsoClass> qso = newQsoFromArgs(cli.app(), args, &error);
    if (!qso)
        return cli.usage(error);
    for (const ExtraField &field : fields.fields)
        qso->extraFields.set(field.name, field.value);
    const WriteResult stored = log.saveNewQSOtoLog(*qso);
    if (!stored)
        return cli.failed(
            QStringLiteral("The QSO was not stored in %1: %2").arg(log.logDbName(), stored.error));
    cli.print(QJsonObject{{QStringLiteral("id"), stored.rowid}});
    return Cli::Success;
}

QString listLine(const QsoClass &q)
{
    return QStringLiteral("%1  %2  %3 %4 %5 %6 %7")
        .arg(q.id.value_or(0), 6)
        .arg(q.sqlDateTime(), -19)
        .arg(q.callsign, -12)
        .arg(q.band, -6)
        .arg(q.mode, -6)
        .arg(q.qrgText(), 12)
        .arg(q.name)
        .trimmed();
}

int list(Cli &cli, const QStringList &words)
{
    Args args(words, {{QStringLiteral("range")}, {}});
    bool ok = true;
    const int range = args.option(QStringLiteral("range"), QStringLiteral("0")).toInt(&ok);
    if (!args.error().isEmpty() || !args.positional().isEmpty() || !ok)
        return cli.usage(QStringLiteral("Usage: qso list [--range CODE]"));

    LogModel &log = cli.app().log();
    if (const std::optional<QString> problem = log.logbookProblem())
        return cli.failed(*problem);
    QString readError;
    const QList<QsoClass> qsos = log.getlastQSOs(range, &readError);
    if (!readError.isEmpty())
        return cli.failed(QStringLiteral("Could not read %1: %2").arg(log.logDbName(), readError));
    QJsonArray results;
    QStringList lines;
    const formats::DateStyle style = cli.app().defaults().logDateFormaterStyle();
    for (const QsoClass &qso : qsos) {
        results.append(qsoToJson(qso, style));
        lines << listLine(qso);
    }
    cli.print(results, lines);
    return Cli::Success;
}

/** The stored QSO with that id, read in full so that deleting it can tidy up after it. */
std::optional<QsoClass> storedQso(LogModel &log, const QString &idText, QString *error)
{
    bool ok = false;
    const qint64 id = idText.toLongLong(&ok);
    if (!ok || id <= 0) {
        *error = QStringLiteral("A QSO id is a positive whole number: %1").arg(idText);
        return std::nullopt;
    }
    if (const std::optional<QString> problem = log.logbookProblem()) {
        *error = *problem;
        return std::nullopt;
    }
    QString readError;
    std::optional<QsoClass> found = log.qsoById(id, &readError);
    if (!readError.isEmpty())
        *error = QStringLiteral("Could not read %1: %2").arg(log.logDbName(), readError);
    else if (!found)
        *error = QStringLiteral("No QSO with id %1 in %2").arg(id).arg(log.logDbName());
    return found;
}

bool isFreeTextColumn(const QString &column)
{
    static const QStringList freeText = {
        QStringLiteral("note"),   QStringLiteral("manager"), QStringLiteral("name"),
        QStringLiteral("qth"),    QStringLiteral("county"),  QStringLiteral("user_1"),
        QStringLiteral("user_2"), QStringLiteral("user_3"),  QStringLiteral("user_4")};
    return freeText.contains(column);
}

/** Sets (or, with an empty value, removes) an ADIF field the logbook has no column for. */
int setExtraField(Cli &cli, const QString &idText, const QString &name, const QString &value)
{
    LogModel &log = cli.app().log();
    if (const QString refused = ExtraFieldsModel::refusal(name, log.makeMappingInfo());
        !refused.isEmpty())
        return cli.failed(refused);
    QString error;
    const std::optional<QsoClass> qso = storedQso(log, idText, &error);
    if (!qso)
        return cli.failed(error);
    QsoClass edited = *qso;
    edited.extraFields.set(name, value);
    if (const WriteResult stored = log.updateQSO(*qso, edited); !stored)
        return cli.failed(QStringLiteral("QSO %1 was not changed in %2: %3")
                              .arg(*qso->id)
                              .arg(log.logDbName(), stored.error));
    cli.print(QJsonObject{{QStringLiteral("id"), *qso->id},
                          {QStringLiteral("fields"), QJsonObject{{name.toLower(), value}}}});
    return Cli::Success;
}

int set(Cli &cli, const QStringList &words)
{
    if (words.size() != 3)
        return cli.usage(QStringLiteral("Usage: qso set ID FIELD VALUE"));
    const QString column = words.at(1).toLower();
    if (!QString::fromLatin1(qsorow::kInsertColumns).split(QLatin1Char(',')).contains(column)) {
        // The other names "qso list" shows ("colorCode", "uuid", …) would only make a stray
        // ADIF field.
        if (qsoToJson(QsoClass(), formats::DateStyle::Short)
                .keys()
                .contains(words.at(1), Qt::CaseInsensitive))
            return cli.usage(QStringLiteral("Not a logbook column: %1").arg(words.at(1)));
        return setExtraField(cli, words.at(0), words.at(1).trimmed(), words.at(2));
    }

    LogModel &log = cli.app().log();
    QString error;
    const std::optional<QsoClass> qso = storedQso(log, words.at(0), &error);
    if (!qso)
        return cli.failed(error);
    const QString value =
        isFreeTextColumn(column) ? formats::percentEncode(words.at(2)) : words.at(2);
    if (const WriteResult stored = log.updateLogbookField(column, *qso, value); !stored)
        return cli.failed(QStringLiteral("QSO %1 was not changed in %2: %3")
                              .arg(*qso->id)
                              .arg(log.logDbName(), stored.error));
    cli.print(QJsonObject{{QStringLiteral("id"), *qso->id}, {column, words.at(2)}});
    return Cli::Success;
}

int remove(Cli &cli, const QStringList &words)
{
    if (words.size() != 1)
        return cli.usage(QStringLiteral("Usage: qso delete ID"));
    LogModel &log = cli.app().log();
    QString error;
    const std::optional<QsoClass> qso = storedQso(log, words.at(0), &error);
    if (!qso)
        return cli.failed(error);
    if (const WriteResult deleted = log.deleteQSO(*qso); !deleted)
        return cli.failed(QStringLiteral("QSO %1 was not deleted from %2: %3")
                              .arg(*qso->id)
                              .arg(log.logDbName(), deleted.error));
    cli.print(QJsonObject{{QStringLiteral("deleted"), *qso->id}});
    return Cli::Success;
}

} // namespace

int qsoCommand(Cli &cli, const QStringList &words)
{
    const QString action = words.value(0);
    const QStringList rest = words.mid(1);
    if (action == QLatin1String("add"))
        return add(cli, rest);
    if (action == QLatin1String("list"))
        return list(cli, rest);
    if (action == QLatin1String("set"))
        return set(cli, rest);
    if (action == QLatin1String("delete"))
        return remove(cli, rest);
    return cli.usage(QStringLiteral("Usage: qso add | list | set | delete"));
}

} // namespace cli
