#include "cli/NewQso.h"

#include "cli/Args.h"
#include "entry/FieldRules.h"
#include "formats/Formats.h"
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

std::optional<QsoClass> newQsoFromArgs(AppDelegate &app, const Args &args, QString *error)
{
    QsoClass qso;
    qso.callsign = args.option(QStringLiteral("call"), {}).trimmed().toUpper();
    qso.mode = args.option(QStringLiteral("mode"), {}).trimmed().toUpper();
    const std::optional<double> kHz =
        formats::parseGroupedKHz(args.option(QStringLiteral("freq"), {}).trimmed());
    if (qso.callsign.isEmpty() || qso.callsign.contains(QLatin1Char(' '))) {
        *error = QStringLiteral("--call needs a callsign without spaces");
        return std::nullopt;
    }
    if (!kHz || *kHz <= 0) {
        *error = QStringLiteral("--freq needs a frequency in kHz");
        return std::nullopt;
    }
    if (qso.mode.isEmpty()) {
        *error = QStringLiteral("--mode needs a mode");
        return std::nullopt;
    }

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
    qso.dateTime = time;
    qso.sqlDateTime = formats::sqlDateTime(time);
    qso.dateString = formats::displayDate(time.date(), app.defaults().logDateFormaterStyle());
    qso.timeString = time.toString(QLatin1String(formats::kLogTime));

    qso.qrg = *kHz;
    qso.qrgString = formats::groupedKHz(*kHz);
    qso.band = args.option(QStringLiteral("band"), app.functions().qrg2mBand(*kHz));

    qso.rsttx = args.option(QStringLiteral("rst-sent"), entry::defaultRst(qso.mode));
    qso.rstrx = args.option(QStringLiteral("rst-rcvd"), entry::defaultRst(qso.mode));
    qso.name = args.option(QStringLiteral("name"), {});
    qso.qth = args.option(QStringLiteral("qth"), {});
    qso.note = args.option(QStringLiteral("note"), {});
    qso.locator = args.option(QStringLiteral("locator"), {}).trimmed();
    qso.iota = args.option(QStringLiteral("iota"), {}).trimmed().toUpper();
    qso.state = args.option(QStringLiteral("state"), {});
    qso.county = args.option(QStringLiteral("county"), {});
    qso.manager = args.option(QStringLiteral("manager"), {}).trimmed().toUpper();
    qso.power = args.option(QStringLiteral("power"), {});
    qso.user_1 = args.option(QStringLiteral("user1"), {});
    qso.user_2 = args.option(QStringLiteral("user2"), {});
    qso.user_3 = args.option(QStringLiteral("user3"), {});
    qso.user_4 = args.option(QStringLiteral("user4"), {});
    qso.opIsValid = !args.flag(QStringLiteral("invalid-op"));

    if (!takeLetter(args, QStringLiteral("qsl"), entry::QslField::Qsl, qso.qsl, error) ||
        !takeLetter(args, QStringLiteral("lotw"), entry::QslField::Lotw, qso.lotwqsl, error) ||
        !takeLetter(args, QStringLiteral("eqsl"), entry::QslField::Eqsl, qso.eqsl, error))
        return std::nullopt;

    qint64 adif = 0;
    if (!takeInteger(args, QStringLiteral("color"), qso.colorCode, error) ||
        !takeInteger(args, QStringLiteral("adif"), adif, error))
        return std::nullopt;
    if (qso.colorCode < 0 || qso.colorCode > 9) {
        *error = QStringLiteral("--color takes 0 to 9");
        return std::nullopt;
    }
    if (adif < 0 || adif > 999) {
        *error = QStringLiteral("--adif takes an entity number (0 to 999)");
        return std::nullopt;
    }
    qso.adif = static_cast<qint32>(adif);
    return qso;
}

} // namespace cli
