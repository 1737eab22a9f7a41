#include "entry/QsoEditor.h"

#include "app/UserDefaults.h"
#include "entry/EntryTexts.h"
#include "entry/FieldRules.h"
#include "entry/PowerPresets.h"
#include "entry/QsoColors.h"
#include "formats/Formats.h"
#include "model/LogModel.h"
#include "refdata/DXCCModel.h"
#include "refdata/MyFunctions.h"
#include "refdata/WpxPrefix.h"

#include <QHash>
#include <QTimeZone>

#include <cstdlib>

namespace {

using TextMember = QString QsoClass::*;

/** The fields that open for editing, by their record names, and where each is kept. */
const QList<std::pair<QString, TextMember>> &editableFields()
{
    static const QList<std::pair<QString, TextMember>> fields = {
        {QStringLiteral("callsign"), &QsoClass::callsign},
        {QStringLiteral("mode"), &QsoClass::mode},
        {QStringLiteral("rsttx"), &QsoClass::rsttx},
        {QStringLiteral("rstrx"), &QsoClass::rstrx},
        {QStringLiteral("name"), &QsoClass::name},
        {QStringLiteral("qth"), &QsoClass::qth},
        {QStringLiteral("qsl"), &QsoClass::qsl},
        {QStringLiteral("lotwqsl"), &QsoClass::lotwqsl},
        {QStringLiteral("eqsl"), &QsoClass::eqsl},
        {QStringLiteral("cq"), &QsoClass::cq},
        {QStringLiteral("itu"), &QsoClass::itu},
        {QStringLiteral("state"), &QsoClass::state},
        {QStringLiteral("locator"), &QsoClass::locator},
        {QStringLiteral("iota"), &QsoClass::iota},
        {QStringLiteral("note"), &QsoClass::note},
        {QStringLiteral("manager"), &QsoClass::manager},
        {QStringLiteral("satName"), &QsoClass::satName},
        {QStringLiteral("satMode"), &QsoClass::satMode},
        {QStringLiteral("satRxband"), &QsoClass::satRxband},
        {QStringLiteral("user_1"), &QsoClass::user_1},
        {QStringLiteral("user_2"), &QsoClass::user_2},
        {QStringLiteral("user_3"), &QsoClass::user_3},
        {QStringLiteral("user_4"), &QsoClass::user_4},
    };
    return fields;
}

TextMember editableMember(const QString &key)
{
    for (const auto &[name, member] : editableFields())
        if (name == key)
            return member;
    return nullptr;
}

entry::TextField typingRule(const QString &key)
{
    static const QHash<QString, entry::TextField> rules = {
        {QStringLiteral("callsign"), entry::TextField::Callsign},
        {QStringLiteral("qrgString"), entry::TextField::Frequency},
        {QStringLiteral("rsttx"), entry::TextField::Rst},
        {QStringLiteral("rstrx"), entry::TextField::Rst},
        {QStringLiteral("locator"), entry::TextField::Locator},
    };
    return rules.value(key, entry::TextField::Plain);
}

// Free texts keep the case they were typed in; codes and callsigns are upper case.
bool keepsCase(const QString &key)
{
    static const QStringList texts = {QStringLiteral("name"),   QStringLiteral("qth"),
                                      QStringLiteral("note"),   QStringLiteral("manager"),
                                      QStringLiteral("user_1"), QStringLiteral("user_2"),
                                      QStringLiteral("user_3"), QStringLiteral("user_4")};
    return texts.contains(key);
}

std::optional<entry::QslField> qslField(const QString &key)
{
    if (key == QLatin1String("qsl"))
        return entry::QslField::Qsl;
    if (key == QLatin1String("lotwqsl"))
        return entry::QslField::Lotw;
    if (key == QLatin1String("eqsl"))
        return entry::QslField::Eqsl;
    return std::nullopt;
}

// An IOTA reference has at least this many characters; shorter entity texts are no reference.
constexpr int kShortestIota = 2;

} // namespace

QsoEditor::QsoEditor(UserDefaults &defaults, LogModel &log, DXCCModel &dxcc, MyFunctions &functions,
                     QObject *parent)
    : QObject(parent), m_defaults(defaults), m_log(log), m_dxcc(dxcc), m_functions(functions),
      m_extraFields(new ExtraFieldsModel(this))
{
    connect(m_extraFields, &ExtraFieldsModel::fieldsEdited, this,
            [this] { m_qso.extraFields = m_extraFields->fields(); });
}

QsoEditor::~QsoEditor() = default;

void QsoEditor::setQso(const QsoClass &shown, bool editing)
{
    // The log list's pages hold the columns only. Saved back without its other ADIF fields, a QSO
    // would lose them, so the stored record is read whole.
    const std::optional<QsoClass> whole = shown.id ? m_log.qsoById(*shown.id) : std::nullopt;
    const QsoClass &stored = whole ? *whole : shown;
    m_orgQSO = stored;
    m_qso = m_orgQSO;
    m_qrgText = m_qso.qrgText();
    m_entity = m_dxcc.adifToCountry(stored.adif);
    m_loaded = true;
    showExtraFields();
    emit qsoLoaded();
    setEditing(editing);
    emit editingChanged();
    emit fieldsChanged();
}

void QsoEditor::showExtraFields()
{
    // The user fields' ADIF names follow the settings, so they are asked for each QSO shown.
    m_extraFields->setFields(m_qso.extraFields, m_log.makeMappingInfo());
}

void QsoEditor::setEditing(bool editing)
{
    m_editing = editing;
    m_extraFields->setEditable(editing);
}

bool QsoEditor::countyAsked() const
{
    return entry::hasCounties(std::abs(m_qso.adif));
}

QString QsoEditor::countyName() const
{
    const qsizetype comma = m_qso.county.indexOf(QLatin1Char(','));
    return comma >= 0 ? m_qso.county.mid(comma + 1) : m_qso.county;
}

int QsoEditor::powerIndex() const
{
    if (m_qso.power.isEmpty())
        return int(entry::power::presets().size()) - 1;
    return entry::power::indexOf(m_qso.power);
}

QString QsoEditor::powerText() const
{
    return powerIndex() == entry::power::kFreeTextIndex ? m_qso.power : QString();
}

QString QsoEditor::buttonText() const
{
    return entry::texts::shown(m_editing ? entry::texts::kSaveQso : entry::texts::kEditQso);
}

QString QsoEditor::tint() const
{
    return m_editing ? qsocolors::tint(9) : QString::fromLatin1(qsocolors::kClear);
}

QStringList QsoEditor::editableFieldTags()
{
    QStringList tags;
    for (const auto &field : editableFields())
        tags << field.first;
    return tags;
}

QStringList QsoEditor::colorNames()
{
    return qsocolors::colorNames();
}

QVariantMap QsoEditor::fields() const
{
    QVariantMap map;
    for (const auto &[name, member] : editableFields())
        map.insert(name, m_qso.*member);
    map.insert(QStringLiteral("qrgString"), m_qrgText);
    map.insert(QStringLiteral("dateString"), m_qso.dateText(m_defaults.logDateFormaterStyle()));
    map.insert(QStringLiteral("timeString"), m_qso.timeText());
    map.insert(QStringLiteral("sqlDateTime"), m_qso.sqlDateTime());
    map.insert(QStringLiteral("band"), m_qso.band);
    map.insert(QStringLiteral("dxcc"), m_qso.dxcc);
    map.insert(QStringLiteral("cnt"), m_qso.cnt);
    map.insert(QStringLiteral("county"), m_qso.county);
    map.insert(QStringLiteral("power"), m_qso.power);
    map.insert(QStringLiteral("prefix"), m_qso.prefix);
    map.insert(QStringLiteral("qslInDate"), m_qso.qslInDate);
    map.insert(QStringLiteral("qslOutDate"), m_qso.qslOutDate);
    map.insert(QStringLiteral("clublog"), m_qso.clublog);
    map.insert(QStringLiteral("adif"), m_qso.storedAdif());
    return map;
}

QString QsoEditor::entityLine() const
{
    return QStringLiteral("%1  %2  %3").arg(m_qso.dxcc, m_entity.cntry, m_qso.cnt);
}

void QsoEditor::butonEdirQsoPushed()
{
    if (!m_loaded)
        return;
    if (!m_editing) {
        setEditing(true);
        emit editingChanged();
        return;
    }
    save();
}

void QsoEditor::save()
{
    if (const WriteResult stored = m_log.updateQSO(m_orgQSO, m_qso); !stored) {
        emit alertRequested(entry::texts::shown(entry::texts::kAlertTitle),
                            entry::texts::shown(entry::texts::kNotStoredBecause).arg(stored.error));
        return;
    }
    m_orgQSO = m_qso;
    setEditing(false);
    emit editingChanged();
    emit qsoChanged();
    emit closeRequested();
}

void QsoEditor::cancel()
{
    m_qso = m_orgQSO;
    m_qrgText = m_qso.qrgText();
    showExtraFields();
    setEditing(false);
    emit editingChanged();
    emit fieldsChanged();
    emit closeRequested();
}

void QsoEditor::setField(const QString &key, const QString &text)
{
    if (key == QLatin1String("qrgString") && m_editing) {
        m_qrgText = entry::typedText(typingRule(key), text);
        emit fieldsChanged();
        return;
    }
    const TextMember member = editableMember(key);
    if (!member || !m_editing)
        return;
    m_qso.*member = keepsCase(key) ? text : entry::typedText(typingRule(key), text);
    emit fieldsChanged();
}

void QsoEditor::leaveField(const QString &key)
{
    if (!m_editing)
        return;
    if (key == QLatin1String("callsign")) {
        m_qso.callsign = m_qso.callsign.trimmed().toUpper();
        resolveEntity();
    } else if (key == QLatin1String("qrgString")) {
        const double kHz = entry::frequencyValue(m_qrgText);
        if (kHz > 0.0) {
            m_qso.qrg = kHz;
            m_qso.band = m_functions.qrg2mBand(kHz);
        }
        // The field shows the frequency kept: a text that is no number changes nothing.
        m_qrgText = m_qso.qrgText();
    }
    emit fieldsChanged();
}

bool QsoEditor::typeModeKey(const QString &key)
{
    if (!m_editing)
        return false;
    const QString mode = entry::expandModeKey(key);
    if (mode.isEmpty())
        return false;
    m_qso.mode = mode;
    emit fieldsChanged();
    return true;
}

bool QsoEditor::typeQslKey(const QString &field, const QString &key)
{
    const std::optional<entry::QslField> which = qslField(field);
    if (!which || !m_editing)
        return false;
    const QString letter = entry::qslLetter(*which, key);
    if (letter.isEmpty())
        return false;
    m_qso.*editableMember(field) = letter;
    emit fieldsChanged();
    emit fieldEditingEnded(field);
    return true;
}

void QsoEditor::resolveEntity()
{
    // The QSO's own instant; a QSO without a readable date is looked up as of now.
    const std::optional<QDateTime> at =
        m_qso.dateTime.isValid() ? std::optional(m_qso.dateTime) : std::nullopt;
    takeEntity(m_dxcc.getDXCC(m_qso.callsign, at));
    m_qso.prefix = refdata::getPrefix(m_qso.callsign);
}

void QsoEditor::takeEntity(const CountryClass &entity)
{
    const bool otherEntity = std::abs(m_qso.adif) != std::abs(entity.adif);
    m_entity = entity;
    m_qso.adif = std::abs(entity.adif);
    m_qso.dxcc = entity.dxcc;
    m_qso.cnt = entity.cnt;
    if (entity.iota.size() >= kShortestIota)
        m_qso.iota = entity.iota;
    // Zones of the old entity would be wrong for the new one.
    if (otherEntity) {
        m_qso.cq = QString::number(entity.cq);
        m_qso.itu = QString::number(entity.itu);
    }
}

void QsoEditor::newDateTimeSelected(const QDateTime &instant)
{
    if (!m_loaded || !instant.isValid())
        return;
    const QDateTime utc = instant.toUTC();
    m_qso.dateTime = utc;
    resolveEntity();
    emit fieldsChanged();
}

bool QsoEditor::newDateTimeText(const QString &text)
{
    QDateTime instant = QDateTime::fromString(text.trimmed(), QStringLiteral("yyyy-MM-dd HH:mm"));
    if (!instant.isValid())
        return false;
    instant.setTimeZone(QTimeZone::utc());
    newDateTimeSelected(instant);
    return true;
}

void QsoEditor::newDetailsSelected(const QVariant &mode, const QVariant &power,
                                   const QVariant &state, const QVariant &county,
                                   const QVariant &country, const QVariant &opIsValid,
                                   const QVariant &colorCode)
{
    if (!m_loaded)
        return;
    if (mode.isValid() && !mode.toString().isEmpty()) {
        m_qso.mode = mode.toString();
        m_qso.rsttx = m_qso.rstrx = entry::defaultRst(m_qso.mode);
    }
    if (power.isValid())
        m_qso.power = power.toString();
    if (state.isValid())
        m_qso.state = state.toString();
    if (county.isValid() && !county.toString().isEmpty())
        m_qso.county = QStringLiteral("%1,%2").arg(m_qso.state, county.toString());
    if (country.isValid() && country.toInt() != 0)
        takeEntity(m_dxcc.adifToCountry(std::abs(country.toInt())));
    if (opIsValid.isValid()) {
        m_qso.opIsValid = opIsValid.toBool();
    }
    if (colorCode.isValid())
        m_qso.colorCode = colorCode.toInt();
    emit fieldsChanged();
}
