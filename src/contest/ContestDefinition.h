#pragma once

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <optional>

namespace contest {

/** When a second QSO with the same station counts again. */
enum class DupeRule { PerBand, PerBandMode, Once };

/** One form an exchange field may take ("14" as a CQ zone, "599" as a report, "CT" from a list).
 *  `as` labels the form so that multipliers and points can ask which one a QSO received. */
struct FieldForm {
    enum Kind { Rst, Serial, CqZone, ItuZone, List, Pattern, Text };
    Kind kind = Text;
    QString as;
    QStringList values;         // List: the accepted values (upper case)
    QRegularExpression pattern; // Pattern: the whole value must match
    QString adif;               // where a received value of this form is kept as well
};

/** One field of the exchange, sent and received alike (a report, a zone, a serial, a section). */
struct ExchangeField {
    QString name;
    QList<FieldForm> forms;
    int maxLength = 6;
    int width = 6; // Cabrillo column width
    [[nodiscard]] bool isRst() const
    {
        return forms.size() == 1 && forms.first().kind == FieldForm::Rst;
    }
    [[nodiscard]] bool isSerial() const
    {
        return forms.size() == 1 && forms.first().kind == FieldForm::Serial;
    }
};

/** What counts as a multiplier: the entity, the WPX prefix or a field's value, once per band,
 *  per band and mode or once in the contest. `field`/`as` narrow it to QSOs whose field took
 *  that form (ARRL DX: the entities of stations that send their power). */
struct Multiplier {
    enum Source { Dxcc, Prefix, Field };
    enum Scope { PerBand, PerBandMode, PerContest };
    QString name;
    Source source = Dxcc;
    Scope per = PerBand;
    QString field;
    QString as;
};

/** Points of a QSO: the first rule whose conditions hold. */
struct PointRule {
    enum When { Any, SameCountry, SameContinent, OtherContinent, SameItuZone };
    When when = Any;
    int points = 1;
    QStringList modes;    // Cabrillo modes (CW, PH, RY, DG); empty: any
    QStringList bands;    // empty: any
    QString ownContinent; // empty: any
    QString field;        // with `as`: only QSOs whose field took that form
    QString as;
};

/** A contest as its definition file describes it. */
struct ContestDefinition {
    QString name; // what the user types ("CQ-WW-CW")
    QString title;
    QString adifContestId; // CONTEST_ID of its QSOs
    QString cabrilloName;  // CONTEST: header
    QStringList bands;     // "20m", …
    QStringList modes;     // Cabrillo modes allowed: CW, PH, RY, DG
    DupeRule dupe = DupeRule::PerBand;
    QList<ExchangeField> exchange;
    QList<Multiplier> multipliers;
    QList<PointRule> points;
    QString file; // where it was read from

    [[nodiscard]] const ExchangeField *field(const QString &fieldName) const;
    [[nodiscard]] int fieldIndex(const QString &fieldName) const;
};

/** Reads a definition file's text; on a refusal, nothing and the reason in `error`, naming the
 *  file and the field ("cq-ww.json: exchange[1].width: must be 1 to 20"). */
[[nodiscard]] std::optional<ContestDefinition>
parseDefinition(const QByteArray &json, const QString &fileName, QString *error);

/** "CW", "PH", "RY" or "DG": the Cabrillo mode of a logged mode. */
[[nodiscard]] QString cabrilloMode(const QString &mode);

} // namespace contest
