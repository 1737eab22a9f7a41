#include "contest/ContestDefinition.h"

#include "model/ExtraFields.h"
#include "refdata/Bands.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cmath>

namespace contest {
namespace {

constexpr qsizetype kMaxFileSize = 256 * 1024;
constexpr qsizetype kMaxItems = 64;
constexpr qsizetype kMaxValues = 1000;
constexpr qsizetype kMaxText = 80;

/** Reads one definition, remembering the first refusal with the path of the field. */
class Reader {
public:
    explicit Reader(QString fileName) : m_file(std::move(fileName)) {}

    bool fail(const QString &path, const QString &why)
    {
        if (m_error.isEmpty())
            m_error = QStringLiteral("%1: %2: %3").arg(m_file, path, why);
        return false;
    }
    [[nodiscard]] const QString &error() const { return m_error; }

    /** A text member; `required` refuses a missing or empty one. */
    bool text(const QJsonObject &object, const QString &path, const QString &key, QString &out,
              bool required)
    {
        const QJsonValue value = object.value(key);
        const QString at = path.isEmpty() ? key : path + QLatin1Char('.') + key;
        if (value.isUndefined()) {
            if (required)
                return fail(at, QStringLiteral("is missing"));
            return true;
        }
        if (!value.isString())
            return fail(at, QStringLiteral("must be a text"));
        out = value.toString().trimmed();
        if (required && out.isEmpty())
            return fail(at, QStringLiteral("must not be empty"));
        if (out.size() > kMaxText)
            return fail(at, QStringLiteral("is longer than %1 characters").arg(kMaxText));
        for (const QChar c : out)
            if (c.unicode() < 0x20)
                return fail(at, QStringLiteral("holds a control character"));
        return true;
    }

    bool texts(const QJsonObject &object, const QString &path, const QString &key, QStringList &out,
               qsizetype limit = kMaxItems)
    {
        const QJsonValue value = object.value(key);
        const QString at = path.isEmpty() ? key : path + QLatin1Char('.') + key;
        if (value.isUndefined())
            return true;
        if (!value.isArray())
            return fail(at, QStringLiteral("must be a list of texts"));
        const QJsonArray array = value.toArray();
        if (array.size() > limit)
            return fail(at, QStringLiteral("has more than %1 entries").arg(limit));
        for (qsizetype i = 0; i < array.size(); ++i) {
            const QString item = array.at(i).toString().trimmed();
            if (!array.at(i).isString() || item.isEmpty() || item.size() > kMaxText)
                return fail(QStringLiteral("%1[%2]").arg(at).arg(i),
                            QStringLiteral("must be a text of 1 to %1 characters").arg(kMaxText));
            out << item;
        }
        return true;
    }

    bool integer(const QJsonObject &object, const QString &path, const QString &key, int &out,
                 int low, int high)
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined())
            return true;
        const double number = value.toDouble(-1e9);
        // The range first: a number beyond int cannot be converted to one to see if it is whole.
        if (!value.isDouble() || !(number >= low && number <= high) || number != std::trunc(number))
            return fail(path + QLatin1Char('.') + key,
                        QStringLiteral("must be a whole number from %1 to %2").arg(low).arg(high));
        out = int(number);
        return true;
    }

    /** One of the named choices; the default stays when the member is missing. */
    template <typename T>
    bool choice(const QJsonObject &object, const QString &path, const QString &key,
                const QList<std::pair<const char *, T>> &choices, T &out)
    {
        QString name;
        if (!text(object, path, key, name, false))
            return false;
        if (name.isEmpty())
            return true;
        QStringList names;
        for (const auto &[choiceName, choiceValue] : choices) {
            if (name == QLatin1String(choiceName)) {
                out = choiceValue;
                return true;
            }
            names << QString::fromLatin1(choiceName);
        }
        const QString at = path.isEmpty() ? key : path + QLatin1Char('.') + key;
        return fail(at, QStringLiteral("\"%1\" is not one of %2").arg(name, names.join(u", ")));
    }

    bool form(const QJsonValue &value, const QString &path, FieldForm &out)
    {
        if (!value.isObject())
            return fail(path, QStringLiteral("must be an object"));
        const QJsonObject object = value.toObject();
        const QList<std::pair<const char *, FieldForm::Kind>> kinds = {
            {"rst", FieldForm::Rst},       {"serial", FieldForm::Serial},
            {"cqZone", FieldForm::CqZone}, {"ituZone", FieldForm::ItuZone},
            {"list", FieldForm::List},     {"pattern", FieldForm::Pattern},
            {"text", FieldForm::Text}};
        if (!object.contains(QStringLiteral("kind")))
            return fail(path + QStringLiteral(".kind"), QStringLiteral("is missing"));
        if (!choice(object, path, QStringLiteral("kind"), kinds, out.kind) ||
            !text(object, path, QStringLiteral("as"), out.as, false) ||
            !text(object, path, QStringLiteral("adif"), out.adif, false))
            return false;
        if (!out.adif.isEmpty() && !adif::isAdifFieldName(out.adif))
            return fail(path + QStringLiteral(".adif"), QStringLiteral("is no ADIF field name"));
        out.adif = out.adif.toUpper();
        if (out.kind == FieldForm::List) {
            if (!texts(object, path, QStringLiteral("values"), out.values, kMaxValues))
                return false;
            if (out.values.isEmpty())
                return fail(path + QStringLiteral(".values"),
                            QStringLiteral("a list needs its values"));
            for (QString &v : out.values)
                v = v.toUpper();
        }
        if (out.kind == FieldForm::Pattern) {
            QString pattern;
            if (!text(object, path, QStringLiteral("pattern"), pattern, true))
                return false;
            out.pattern = QRegularExpression(QRegularExpression::anchoredPattern(pattern));
            if (!out.pattern.isValid())
                return fail(
                    path + QStringLiteral(".pattern"),
                    QStringLiteral("is no regular expression: %1").arg(out.pattern.errorString()));
        }
        return true;
    }

    bool field(const QJsonValue &value, const QString &path, ExchangeField &out)
    {
        if (!value.isObject())
            return fail(path, QStringLiteral("must be an object"));
        const QJsonObject object = value.toObject();
        if (!text(object, path, QStringLiteral("name"), out.name, true) ||
            !integer(object, path, QStringLiteral("maxLength"), out.maxLength, 1, 20) ||
            !integer(object, path, QStringLiteral("width"), out.width, 1, 20))
            return false;
        const QJsonArray forms = object.value(QStringLiteral("accept")).toArray();
        if (forms.isEmpty() || forms.size() > 8)
            return fail(path + QStringLiteral(".accept"),
                        QStringLiteral("must list 1 to 8 forms of the field"));
        for (qsizetype i = 0; i < forms.size(); ++i) {
            FieldForm f;
            if (!form(forms.at(i), QStringLiteral("%1.accept[%2]").arg(path).arg(i), f))
                return false;
            out.forms << f;
        }
        return true;
    }

    bool multiplier(const QJsonValue &value, const QString &path, const ContestDefinition &def,
                    Multiplier &out)
    {
        if (!value.isObject())
            return fail(path, QStringLiteral("must be an object"));
        const QJsonObject object = value.toObject();
        if (!text(object, path, QStringLiteral("name"), out.name, true) ||
            !choice(
                object, path, QStringLiteral("source"),
                QList<std::pair<const char *, Multiplier::Source>>{{"dxcc", Multiplier::Dxcc},
                                                                   {"prefix", Multiplier::Prefix},
                                                                   {"field", Multiplier::Field}},
                out.source) ||
            !choice(object, path, QStringLiteral("per"),
                    QList<std::pair<const char *, Multiplier::Scope>>{
                        {"band", Multiplier::PerBand},
                        {"bandMode", Multiplier::PerBandMode},
                        {"contest", Multiplier::PerContest}},
                    out.per) ||
            !text(object, path, QStringLiteral("field"), out.field,
                  out.source == Multiplier::Field) ||
            !text(object, path, QStringLiteral("as"), out.as, false))
            return false;
        if (!out.field.isEmpty() && def.fieldIndex(out.field) < 0)
            return fail(path + QStringLiteral(".field"),
                        QStringLiteral("\"%1\" is no exchange field").arg(out.field));
        return true;
    }

    bool rule(const QJsonValue &value, const QString &path, const ContestDefinition &def,
              PointRule &out)
    {
        if (!value.isObject())
            return fail(path, QStringLiteral("must be an object"));
        const QJsonObject object = value.toObject();
        if (!choice(object, path, QStringLiteral("when"),
                    QList<std::pair<const char *, PointRule::When>>{
                        {"any", PointRule::Any},
                        {"sameCountry", PointRule::SameCountry},
                        {"sameContinent", PointRule::SameContinent},
                        {"otherContinent", PointRule::OtherContinent},
                        {"sameItuZone", PointRule::SameItuZone}},
                    out.when) ||
            !integer(object, path, QStringLiteral("points"), out.points, 0, 100) ||
            !texts(object, path, QStringLiteral("modes"), out.modes) ||
            !texts(object, path, QStringLiteral("bands"), out.bands) ||
            !text(object, path, QStringLiteral("ownContinent"), out.ownContinent, false) ||
            !text(object, path, QStringLiteral("field"), out.field, false) ||
            !text(object, path, QStringLiteral("as"), out.as, false))
            return false;
        if (!out.field.isEmpty() && def.fieldIndex(out.field) < 0)
            return fail(path + QStringLiteral(".field"),
                        QStringLiteral("\"%1\" is no exchange field").arg(out.field));
        return modesKnown(out.modes, path + QStringLiteral(".modes")) &&
               bandsKnown(out.bands, path + QStringLiteral(".bands"));
    }

    bool modesKnown(const QStringList &modes, const QString &path)
    {
        static const QStringList known = {QStringLiteral("CW"), QStringLiteral("PH"),
                                          QStringLiteral("RY"), QStringLiteral("DG")};
        for (const QString &mode : modes)
            if (!known.contains(mode))
                return fail(path, QStringLiteral("\"%1\" is not one of CW, PH, RY, DG").arg(mode));
        return true;
    }

    bool bandsKnown(const QStringList &bands, const QString &path)
    {
        for (const QString &band : bands)
            if (refdata::band2xBand(band) == 0)
                return fail(path, QStringLiteral("\"%1\" is no band").arg(band));
        return true;
    }

    bool list(const QJsonObject &root, const QString &key, bool required,
              const std::function<bool(const QJsonValue &, const QString &)> &each)
    {
        const QJsonValue value = root.value(key);
        if (value.isUndefined() && !required)
            return true;
        const QJsonArray array = value.toArray();
        if (!value.isArray() || (required && array.isEmpty()) || array.size() > kMaxItems)
            return fail(key, QStringLiteral("must be a list of 1 to %1 entries").arg(kMaxItems));
        for (qsizetype i = 0; i < array.size(); ++i)
            if (!each(array.at(i), QStringLiteral("%1[%2]").arg(key).arg(i)))
                return false;
        return true;
    }

private:
    QString m_file;
    QString m_error;
};

} // namespace

const ExchangeField *ContestDefinition::field(const QString &fieldName) const
{
    const int index = fieldIndex(fieldName);
    return index < 0 ? nullptr : &exchange.at(index);
}

int ContestDefinition::fieldIndex(const QString &fieldName) const
{
    for (qsizetype i = 0; i < exchange.size(); ++i)
        if (exchange.at(i).name == fieldName)
            return int(i);
    return -1;
}

std::optional<ContestDefinition> parseDefinition(const QByteArray &json, const QString &fileName,
                                                 QString *error)
{
    Reader reader(fileName);
    const auto refused = [&]() -> std::optional<ContestDefinition> {
        *error = reader.error();
        return std::nullopt;
    };
    if (json.size() > kMaxFileSize) {
        reader.fail(QStringLiteral("file"), QStringLiteral("is larger than 256 KiB"));
        return refused();
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        reader.fail(QStringLiteral("file"), parseError.error != QJsonParseError::NoError
                                                ? QStringLiteral("no JSON at offset %1: %2")
                                                      .arg(parseError.offset)
                                                      .arg(parseError.errorString())
                                                : QStringLiteral("must hold one JSON object"));
        return refused();
    }
    const QJsonObject root = document.object();
    ContestDefinition def;
    def.file = fileName;
    const bool ok =
        reader.text(root, {}, QStringLiteral("name"), def.name, true) &&
        reader.text(root, {}, QStringLiteral("title"), def.title, false) &&
        reader.text(root, {}, QStringLiteral("adifContestId"), def.adifContestId, true) &&
        reader.text(root, {}, QStringLiteral("cabrilloContest"), def.cabrilloName, false) &&
        reader.texts(root, {}, QStringLiteral("bands"), def.bands) &&
        reader.bandsKnown(def.bands, QStringLiteral("bands")) &&
        reader.texts(root, {}, QStringLiteral("modes"), def.modes) &&
        reader.modesKnown(def.modes, QStringLiteral("modes")) &&
        reader.choice(root, {}, QStringLiteral("dupe"),
                      QList<std::pair<const char *, DupeRule>>{{"band", DupeRule::PerBand},
                                                               {"bandMode", DupeRule::PerBandMode},
                                                               {"once", DupeRule::Once}},
                      def.dupe) &&
        reader.list(root, QStringLiteral("exchange"), true,
                    [&](const QJsonValue &value, const QString &path) {
                        ExchangeField f;
                        if (!reader.field(value, path, f))
                            return false;
                        if (def.fieldIndex(f.name) >= 0)
                            return reader.fail(path + QStringLiteral(".name"),
                                               QStringLiteral("\"%1\" is named twice").arg(f.name));
                        def.exchange << f;
                        return true;
                    }) &&
        reader.list(root, QStringLiteral("multipliers"), false,
                    [&](const QJsonValue &value, const QString &path) {
                        Multiplier m;
                        if (!reader.multiplier(value, path, def, m))
                            return false;
                        def.multipliers << m;
                        return true;
                    }) &&
        reader.list(root, QStringLiteral("points"), false,
                    [&](const QJsonValue &value, const QString &path) {
                        PointRule r;
                        if (!reader.rule(value, path, def, r))
                            return false;
                        def.points << r;
                        return true;
                    });
    if (!ok)
        return refused();
    def.name = def.name.toUpper();
    if (def.name.contains(QLatin1Char(' '))) {
        reader.fail(QStringLiteral("name"), QStringLiteral("must be one word"));
        return refused();
    }
    if (def.cabrilloName.isEmpty())
        def.cabrilloName = def.adifContestId;
    if (def.modes.isEmpty())
        def.modes = QStringList{QStringLiteral("CW"), QStringLiteral("PH"), QStringLiteral("RY"),
                                QStringLiteral("DG")};
    return def;
}

QString cabrilloMode(const QString &mode)
{
    const QString m = mode.toUpper();
    if (m == QLatin1String("CW"))
        return QStringLiteral("CW");
    if (m == QLatin1String("SSB") || m == QLatin1String("USB") || m == QLatin1String("LSB") ||
        m == QLatin1String("AM") || m == QLatin1String("FM") || m == QLatin1String("PH") ||
        m == QLatin1String("DIGITALVOICE"))
        return QStringLiteral("PH");
    if (m == QLatin1String("RTTY") || m == QLatin1String("RY"))
        return QStringLiteral("RY");
    return QStringLiteral("DG");
}

} // namespace contest
