#include "cli/NewQso.h"

#include "app/Clock.h"
#include "app/UserDefaults.h"
#include "cli/Args.h"
#include "entry/ExtraFieldsModel.h"
#include "entry/FieldRules.h"
#include "entry/QsoRecordBuilder.h"
#include "formats/Formats.h"
#include "refdata/DXCCModel.h"
#include "refdata/MyFunctions.h"
#include "root/AppDelegate.h"

#include <QSet>

namespace cli {
namespace {

/** One of the letters the entry form accepts in that QSL field. */
bool takeLetter(const Args &args, const QString &option, entry::QslField kind, QString &field,
                QString *error)
{
    const QString text = args.option(option, {});
    const QString letter = entry::qslLetter(kind, text);
    if (!text.isEmpty() && letter.isEmpty()) {
        QStringList accepted;
        for (const QChar c : entry::acceptedLetters(kind))
            accepted << QString(c);
        *error =
            QStringLiteral("--%1 takes one of %2").arg(option, accepted.join(QLatin1Char(' ')));
        return false;
    }
    field = letter;
    return true;
}

bool takeInteger(const Args &args, const QString &option, qint64 &field, QString *error)
{
    const std::optional<QString> text = args.option(option);
    if (!text)
        return true;
    bool ok = false;
    field = text->toLongLong(&ok);
    if (!ok)
        *error = QStringLiteral("--%1 needs a whole number").arg(option);
    return ok;
}

/** The QSO's moment: --time, else the clock's now to the second. */
std::optional<QDateTime> timeOf(AppDelegate &app, const Args &args, QString *error)
{
    QDateTime time = app.clock().now();
    time.setTime(QTime(time.time().hour(), time.time().minute(), time.time().second()));
    if (const std::optional<QString> text = args.option(QStringLiteral("time"))) {
        const std::optional<QDateTime> given = formats::parseSqlDateTime(*text);
        if (!given) {
            *error = QStringLiteral("--time needs \"yyyy-MM-dd HH:mm:ss\" (UTC)");
            return std::nullopt;
        }
        time = *given;
    }
    return time;
}

/** The texts the entry form's fields would hold; RST defaults by mode. */
bool takeTexts(const Args &args, EntryValues &values, QString *error)
{
    values.rsttx = args.option(QStringLiteral("rst-sent"), entry::defaultRst(values.mode));
    values.rstrx = args.option(QStringLiteral("rst-rcvd"), entry::defaultRst(values.mode));
    values.name = args.option(QStringLiteral("name"), {});
    values.qth = args.option(QStringLiteral("qth"), {});
    values.note = args.option(QStringLiteral("note"), {});
    values.locator = args.option(QStringLiteral("locator"), {}).trimmed();
    values.iota = args.option(QStringLiteral("iota"), {}).trimmed().toUpper();
    values.state = args.option(QStringLiteral("state"), {});
    values.manager = args.option(QStringLiteral("manager"), {}).trimmed().toUpper();
    for (int n = 1; n <= 4; ++n)
        values.userField(n) = args.option(QStringLiteral("user%1").arg(n), {});
    return takeLetter(args, QStringLiteral("qsl"), entry::QslField::Qsl, values.qsl, error) &&
           takeLetter(args, QStringLiteral("lotw"), entry::QslField::Lotw, values.lotwqsl, error) &&
           takeLetter(args, QStringLiteral("eqsl"), entry::QslField::Eqsl, values.eqsl, error);
}

/** What the form adds to its fields: the entity, its zones and island, colour, power, county. */
std::optional<RecordContext> contextOf(AppDelegate &app, const Args &args, const QDateTime &time,
                                       EntryValues &values, QString *error)
{
    RecordContext context;
    qint64 adif = 0;
    if (!takeInteger(args, QStringLiteral("color"), context.colorCode, error) ||
        !takeInteger(args, QStringLiteral("adif"), adif, error))
        return std::nullopt;
    if (context.colorCode < 0 || context.colorCode > 9) {
        *error = QStringLiteral("--color takes 0 to 9");
        return std::nullopt;
    }
    if (adif < 0 || adif > 999) {
        *error = QStringLiteral("--adif takes an entity number (0 to 999)");
        return std::nullopt;
    }
    // The entity of the call at the QSO's date unless one is chosen by number; the date decides
    // whether the operation counts.
    DXCCModel &dxcc = app.dxcc();
    context.entity = adif != 0 ? dxcc.adifToCountry(adif) : dxcc.getDXCC(values.callsign, time);
    context.opIsValid = !args.flag(QStringLiteral("invalid-op")) &&
                        dxcc.checkIfOperationIsValid(values.callsign, time);
    values.cq = QString::number(context.entity.cq);
    values.itu = QString::number(context.entity.itu);
    if (values.iota.isEmpty())
        values.iota = context.entity.iota;
    // The moment given (or now) is logged the way the form's real-time clock logs it.
    context.realTime = true;
    context.now = time;
    context.dateStyle = app.defaults().logDateFormaterStyle();
    context.power = args.option(QStringLiteral("power"), {});
    // The county as the tablet's county line gives it.
    const QString county = args.option(QStringLiteral("county"), {});
    context.countyAsked = !county.isEmpty();
    context.countyLine = county;
    return context;
}

constexpr QLatin1String kFieldOption("--field");

/** Adds one "NAME=VALUE" of --field; false, with the reason in error, when it is refused. */
bool takeField(const QString &text, const QStringList &userFieldNames, ExtraFields &fields,
               QString *error)
{
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals < 0) {
        *error = QStringLiteral("--field needs NAME=VALUE: \"%1\"").arg(text);
        return false;
    }
    const QString name = text.left(equals).trimmed();
    if (const QString refused = ExtraFieldsModel::refusal(name, userFieldNames);
        !refused.isEmpty()) {
        *error = QStringLiteral("--field %1").arg(refused);
        return false;
    }
    if (fields.contains(name)) {
        *error = QStringLiteral("--field %1 is given twice").arg(name.toUpper());
        return false;
    }
    fields.set(name, text.mid(equals + 1));
    return true;
}

} // namespace

const QSet<QString> &newQsoOptions()
{
    static const QSet<QString> options = {
        QStringLiteral("call"),     QStringLiteral("freq"),    QStringLiteral("mode"),
        QStringLiteral("time"),     QStringLiteral("band"),    QStringLiteral("rst-sent"),
        QStringLiteral("rst-rcvd"), QStringLiteral("name"),    QStringLiteral("qth"),
        QStringLiteral("note"),     QStringLiteral("locator"), QStringLiteral("qsl"),
        QStringLiteral("lotw"),     QStringLiteral("eqsl"),    QStringLiteral("color"),
        QStringLiteral("adif"),     QStringLiteral("iota"),    QStringLiteral("state"),
        QStringLiteral("county"),   QStringLiteral("manager"), QStringLiteral("power"),
        QStringLiteral("user1"),    QStringLiteral("user2"),   QStringLiteral("user3"),
        QStringLiteral("user4")};
    return options;
}

FieldOptions takeFieldOptions(const QStringList &words, const QStringList &userFieldNames)
{
    FieldOptions taken;
    for (qsizetype i = 0; i < words.size() && taken.error.isEmpty(); ++i) {
        const QString &word = words.at(i);
        if (word == kFieldOption) {
            if (i + 1 >= words.size())
                taken.error = QStringLiteral("Option --field needs a value");
            else
                takeField(words.at(++i), userFieldNames, taken.fields, &taken.error);
            continue;
        }
        if (word.startsWith(kFieldOption + QLatin1Char('='))) {
            takeField(word.mid(kFieldOption.size() + 1), userFieldNames, taken.fields,
                      &taken.error);
            continue;
        }
        taken.otherWords << word;
        // Another option's value stays with it, even one that reads "--field".
        const bool valued = word.startsWith(QLatin1String("--")) &&
                            !word.contains(QLatin1Char('=')) &&
                            newQsoOptions().contains(word.mid(2));
        if (valued && i + 1 < words.size())
            taken.otherWords << words.at(++i);
    }
    return taken;
}

std::optional<QsoClass> newQsoFromArgs(AppDelegate &app, const Args &args, QString *error)
{
    EntryValues values;
    values.callsign = args.option(QStringLiteral("call"), {}).trimmed().toUpper();
    values.mode = args.option(QStringLiteral("mode"), {}).trimmed().toUpper();
    values.qrgString = args.option(QStringLiteral("freq"), {}).trimmed();
    const std::optional<double> kHz = formats::parseGroupedKHz(values.qrgString);
    if (values.callsign.isEmpty() || values.callsign.contains(QLatin1Char(' '))) {
        *error = QStringLiteral("--call needs a callsign without spaces");
        return std::nullopt;
    }
    if (!kHz || *kHz <= 0) {
        *error = QStringLiteral("--freq needs a frequency in kHz");
        return std::nullopt;
    }
    if (values.mode.isEmpty()) {
        *error = QStringLiteral("--mode needs a mode");
        return std::nullopt;
    }
    const std::optional<QDateTime> time = timeOf(app, args, error);
    if (!time)
        return std::nullopt;
    values.band = args.option(QStringLiteral("band"), app.functions().qrg2mBand(*kHz));
    if (!takeTexts(args, values, error))
        return std::nullopt;
    const std::optional<RecordContext> context = contextOf(app, args, *time, values, error);
    if (!context)
        return std::nullopt;
    return buildQsoRecord(values, *context);
}

} // namespace cli
