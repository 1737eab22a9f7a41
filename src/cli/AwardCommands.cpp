#include "cli/AwardCommands.h"

#include "awards/AwardEngine.h"
#include "cli/Args.h"
#include "cli/Cli.h"
#include "model/LogModel.h"
#include "refdata/Bands.h"
#include "refdata/ModeClasses.h"
#include "root/AppDelegate.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

namespace cli {
namespace {

const QString kShowUsage = QStringLiteral(
    "Usage: awards show NAME [--band B] [--mode M] [--confirmed-by any|paper|lotw|eqsl] "
    "[--call OWNCALL] [--needed] [--json]");

QString names()
{
    QStringList list;
    for (int i = 0; i < awards::kListedCount; ++i)
        list << QLatin1String(awards::definition(awards::Award(i)).name);
    return list.join(u", ");
}

/** A mode class from "CW", "DIGI"/"DATA", "PHONE" or a mode as logged ("SSB", "FT8"); 0 (and
 *  false) for a text that is neither. */
bool modeClassOf(const QString &text, int &modeClass)
{
    const QString upper = text.trimmed().toUpper();
    if (upper == u"DIGI" || upper == u"DIGITAL" || upper == u"DATA") {
        modeClass = refdata::Digi;
        return true;
    }
    if (upper == u"PHONE") {
        modeClass = refdata::Phone;
        return true;
    }
    static const QRegularExpression mode(QStringLiteral("^[A-Z0-9][A-Z0-9-]{0,19}$"));
    if (!mode.match(upper).hasMatch())
        return false;
    modeClass = refdata::mode2xMode(upper);
    return true;
}

QJsonArray itemsJson(const QList<awards::AwardItem> &items, bool activated)
{
    QJsonArray array;
    for (const awards::AwardItem &item : items) {
        QJsonObject object{{QStringLiteral("id"), item.id}, {QStringLiteral("qsos"), item.qsos}};
        if (activated) {
            object.insert(QStringLiteral("validActivations"), item.validActivations);
        } else {
            object.insert(QStringLiteral("worked"), item.worked);
            object.insert(QStringLiteral("confirmed"), item.confirmed);
        }
        array.append(object);
    }
    return array;
}

int list(Cli &cli, awards::AwardEngine &engine)
{
    QJsonArray results;
    QStringList lines;
    for (int i = 0; i < awards::kListedCount; ++i) {
        const awards::AwardDefinition &award = awards::definition(awards::Award(i));
        const awards::AwardResult result = engine.result(award.award, {});
        const int of = int(award.fullSet().size());
        results.append(QJsonObject{{QStringLiteral("award"), QLatin1String(award.name)},
                                   {QStringLiteral("title"), QLatin1String(award.title)},
                                   {QStringLiteral("worked"), result.worked},
                                   {QStringLiteral("confirmed"), result.confirmed},
                                   {QStringLiteral("of"), of > 0 ? QJsonValue(of) : QJsonValue()}});
        lines << QStringLiteral("%1\t%2\t%3 worked, %4 confirmed%5")
                     .arg(QLatin1String(award.name), QLatin1String(award.title))
                     .arg(result.worked)
                     .arg(result.confirmed)
                     .arg(of > 0 ? QStringLiteral(" of %1").arg(of) : QString());
    }
    cli.print(results, lines);
    return Cli::Success;
}

int show(Cli &cli, awards::AwardEngine &engine, const QStringList &words)
{
    Args args(words, {{QStringLiteral("band"), QStringLiteral("mode"),
                       QStringLiteral("confirmed-by"), QStringLiteral("call")},
                      {QStringLiteral("needed"), QStringLiteral("json")}});
    if (!args.error().isEmpty())
        return cli.usage(args.error() + QStringLiteral(" (") + kShowUsage + u')');
    if (args.positional().size() != 1)
        return cli.usage(kShowUsage);
    const std::optional<awards::Award> award = awards::awardNamed(args.positional().first());
    if (!award)
        return cli.usage(
            QStringLiteral("Unknown award %1 (one of %2)").arg(args.positional().first(), names()));
    const awards::AwardDefinition &definition = awards::definition(*award);

    awards::AwardFilter filter;
    const QString band = args.option(QStringLiteral("band"), {});
    if (!band.isEmpty()) {
        filter.xBand = refdata::band2xBand(band.trimmed().toLower());
        if (filter.xBand == 0)
            return cli.usage(QStringLiteral("Unknown band %1 (e.g. 20m, 2m, 70cm)").arg(band));
    }
    const QString mode = args.option(QStringLiteral("mode"), {});
    if (!mode.isEmpty() && !modeClassOf(mode, filter.modeClass))
        return cli.usage(QStringLiteral("Unknown mode %1 (a mode such as SSB or FT8, or CW, "
                                        "DIGI, PHONE)")
                             .arg(mode));
    const QString confirmedBy = args.option(QStringLiteral("confirmed-by"), QStringLiteral("any"));
    const std::optional<awards::Confirmation> confirmation = awards::confirmationNamed(confirmedBy);
    if (!confirmation)
        return cli.usage(QStringLiteral("--confirmed-by takes any, paper, lotw or eqsl, not %1")
                             .arg(confirmedBy));
    filter.confirmation = *confirmation;
    filter.ownCall = args.option(QStringLiteral("call"), {}).trimmed().toUpper();
    const bool needed = args.flag(QStringLiteral("needed"));
    if (needed && definition.fullSet().isEmpty())
        return cli.usage(QStringLiteral("%1 has no fixed list, so nothing is needed from it "
                                        "(--needed works for was, waz, itu, wac)")
                             .arg(QLatin1String(definition.name)));

    if (!engine.ensureBuilt())
        return cli.failed(QStringLiteral("Cannot read the logbook"));
    const awards::AwardResult result = engine.result(*award, filter);

    QList<awards::AwardItem> items = result.items;
    if (needed) {
        QHash<QString, awards::AwardItem> worked;
        for (const awards::AwardItem &item : std::as_const(result.items))
            worked.insert(item.id, item);
        items.clear();
        for (const QString &id : result.needed) {
            awards::AwardItem item = worked.value(id);
            item.id = id;
            items << item;
        }
    }
    QJsonObject object{{QStringLiteral("award"), QLatin1String(definition.name)},
                       {QStringLiteral("worked"), result.worked},
                       {QStringLiteral("confirmed"), result.confirmed},
                       {QStringLiteral("items"), itemsJson(items, false)}};
    if (result.finite)
        object.insert(QStringLiteral("of"), int(definition.fullSet().size()));
    if (result.threshold)
        object.insert(QStringLiteral("threshold"), *result.threshold);
    if (!result.byContinent.isEmpty()) {
        QJsonObject continents;
        for (auto it = result.byContinent.cbegin(); it != result.byContinent.cend(); ++it)
            continents.insert(it.key(), QJsonObject{{QStringLiteral("worked"), it->worked},
                                                    {QStringLiteral("confirmed"), it->confirmed}});
        object.insert(QStringLiteral("continents"), continents);
    }
    if (awards::activatedSide(*award)) {
        object.insert(QStringLiteral("activated"), int(result.activated.size()));
        object.insert(QStringLiteral("validActivated"), result.validActivated);
        object.insert(QStringLiteral("activations"), itemsJson(result.activated, true));
    }
    object.insert(QStringLiteral("ownCalls"), QJsonArray::fromStringList(result.ownCalls));

    if (cli.json() || args.flag(QStringLiteral("json"))) {
        cli.text(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
        return Cli::Success;
    }
    cli.text(QStringLiteral("%1: %2 worked, %3 confirmed%4")
                 .arg(QLatin1String(definition.title))
                 .arg(result.worked)
                 .arg(result.confirmed)
                 .arg(result.finite      ? QStringLiteral(" of %1").arg(definition.fullSet().size())
                      : result.threshold ? QStringLiteral(" (VUCC: %1)").arg(*result.threshold)
                                         : QString()));
    if (needed)
        cli.text(QStringLiteral("Needed:"));
    for (const awards::AwardItem &item : std::as_const(items))
        cli.text(QStringLiteral("%1\t%2\t%3 QSOs")
                     .arg(item.id, item.confirmed ? QStringLiteral("confirmed")
                                   : item.worked  ? QStringLiteral("worked")
                                                  : QStringLiteral("-"))
                     .arg(item.qsos));
    for (auto it = result.byContinent.cbegin(); it != result.byContinent.cend(); ++it)
        cli.text(QStringLiteral("%1: %2 worked, %3 confirmed")
                     .arg(it.key())
                     .arg(it->worked)
                     .arg(it->confirmed));
    if (awards::activatedSide(*award)) {
        cli.text(QStringLiteral("Activated: %1 (%2 with a valid activation)")
                     .arg(result.activated.size())
                     .arg(result.validActivated));
        for (const awards::AwardItem &item : std::as_const(result.activated))
            cli.text(QStringLiteral("%1\t%2 QSOs\t%3 valid activations")
                         .arg(item.id)
                         .arg(item.qsos)
                         .arg(item.validActivations));
    }
    return Cli::Success;
}

} // namespace

int awardsCommand(Cli &cli, const QStringList &words)
{
    const QString action = words.value(0);
    if (action != u"list" && action != u"show")
        return cli.usage(QStringLiteral("Usage: awards list | ") + kShowUsage.mid(7));
    if (action == u"list" && words.size() != 1)
        return cli.usage(QStringLiteral("Usage: awards list"));
    if (const std::optional<QString> problem = cli.app().log().logbookProblem())
        return cli.failed(*problem);
    awards::AwardEngine engine;
    engine.setPath(cli.app().log().fullLogDatabasePath());
    return action == u"list" ? list(cli, engine) : show(cli, engine, words.mid(1));
}

} // namespace cli
