#include "entry/QsoEntryForm.h"

#include "app/Clock.h"
#include "app/UserDefaults.h"
#include "entry/CallsignLookup.h"
#include "entry/EntryTexts.h"
#include "entry/FieldRules.h"
#include "entry/OwnPosition.h"
#include "entry/PowerPresets.h"
#include "entry/QsoColors.h"
#include "formats/Formats.h"
#include "model/LogModel.h"
#include "refdata/DXCCModel.h"
#include "refdata/MyFunctions.h"
#include "refdata/OneDxSpotClass.h"

#include <QTimer>

namespace {

constexpr int kClockIntervalMs = 5000;
constexpr int kMyGridAdifIndex = 1; // "my_gridsquare" in the user-field mapping
constexpr int kUserFields = 4;

entry::TextField ruleOf(const QString &field)
{
    if (field == QLatin1String("callsign"))
        return entry::TextField::Callsign;
    if (field == QLatin1String("qrgString"))
        return entry::TextField::Frequency;
    if (field == QLatin1String("rsttx") || field == QLatin1String("rstrx"))
        return entry::TextField::Rst;
    if (field == QLatin1String("locator"))
        return entry::TextField::Locator;
    return entry::TextField::Plain;
}

std::optional<entry::QslField> qslFieldOf(const QString &field)
{
    if (field == QLatin1String("qsl"))
        return entry::QslField::Qsl;
    if (field == QLatin1String("lotwqsl"))
        return entry::QslField::Lotw;
    if (field == QLatin1String("eqsl"))
        return entry::QslField::Eqsl;
    return std::nullopt;
}

} // namespace

QsoEntryForm::QsoEntryForm(UserDefaults &defaults, const Clock &clock, LogModel &log,
                           DXCCModel &dxcc, MyFunctions &functions, QObject *parent)
    : QObject(parent), m_defaults(defaults), m_now(clock), m_log(log), m_functions(functions),
      m_dxcc(dxcc), m_position(new OwnPosition(this)), m_clock(new QTimer(this))
{
    m_clock->setInterval(kClockIntervalMs);
    connect(m_clock, &QTimer::timeout, this, &QsoEntryForm::refreshClock);
    connect(m_position, &OwnPosition::positionChanged, this, &QsoEntryForm::ownPositionChanged);

    connect(&log, &LogModel::logbookSwitched, this, [this] {
        loadPrefs();
        loadUserFieldPrefs();
    });
    connect(&log, &LogModel::settingsChanged, this, [this](const QString &entry) {
        if (entry.startsWith(QLatin1String("UserField")))
            loadUserFieldPrefs();
        else if (entry == QLatin1String("mycall") || entry == QLatin1String("mylocator"))
            loadPrefs();
    });

    loadPrefs();
    loadUserFieldPrefs();
    newQso();
}

void QsoEntryForm::setUse(Use use)
{
    if (use == m_use)
        return;
    m_use = use;
    m_colorCode = 0;
    if (!onPage()) {
        m_log.updateDxTable();
        m_colorCode = int(m_defaults.integer(QStringLiteral("SelectedColorCode")));
    }
    newQso();
}

QsoEntryForm::~QsoEntryForm() = default;

void QsoEntryForm::readLookupChoice()
{
    const LookupServiceChoice lookup = LookupServiceChoice::read(m_defaults, m_secrets);
    m_lookupTitle = lookup.title;
    m_lookupConfigured = lookup.configured();
    m_lookupVisible = m_lookupConfigured && m_values.callsign.size() >= 2;
}

void QsoEntryForm::setSecretStore(SecretStore &secrets)
{
    m_secrets = &secrets;
    readLookupChoice();
    emit settingsChanged();
}

void QsoEntryForm::loadPrefs()
{
    readLookupChoice();
    if (!m_position->isActive() || m_positionLine.isEmpty())
        m_myLocator = m_log.getMyLocator();
    setSaveCurrentLocation(m_defaults.boolean(QStringLiteral("SaveCurrentLocation")));
    emit settingsChanged();
    emit infoChanged();
    refreshClock();
}

void QsoEntryForm::loadUserFieldPrefs()
{
    m_userFieldCaptions.clear();
    m_myGridField = 0;
    for (int n = 1; n <= kUserFields; ++n) {
        m_userFieldCaptions << m_log.getUserFieldNameForNumber(n);
        m_userFieldRemember[n - 1] = m_log.getUserFieldRememberForNumber(n);
        if (m_myGridField == 0 && m_log.getUserFieldAdifIdxForNumber(n) == kMyGridAdifIndex)
            m_myGridField = n;
    }
    emit settingsChanged();
}

QString QsoEntryForm::title() const
{
    return entry::texts::shown(m_stored ? entry::texts::kEditQso : entry::texts::kNewQso);
}

QVariantMap QsoEntryForm::fields() const
{
    QVariantMap map;
    for (const QString &name : EntryValues::keys())
        map.insert(name, m_values.value(name));
    return map;
}

QString QsoEntryForm::tone(const QString &field) const
{
    const QString value = m_tones.value(field).toString();
    return value.isEmpty() ? QStringLiteral("normal") : value;
}

QString QsoEntryForm::countyLine() const
{
    // The prompt stays English inside, where saving tells it from a county.
    if (m_countyLine == QLatin1String(entry::texts::kSelectInDetails))
        return entry::texts::shown(entry::texts::kSelectInDetails);
    return m_countyLine;
}

QString QsoEntryForm::alertTitle()
{
    return entry::texts::shown(entry::texts::kAlertTitle);
}

void QsoEntryForm::setValue(const QString &field, const QString &text, const QString &tone)
{
    m_values.set(field, text);
    setTone(field, tone);
}

void QsoEntryForm::setTone(const QString &field, const QString &tone)
{
    if (tone.isEmpty() || tone == QLatin1String("normal"))
        m_tones.remove(field);
    else
        m_tones.insert(field, tone);
}

void QsoEntryForm::setField(const QString &field, const QString &text)
{
    if (field == QLatin1String("mode")) {
        typeModeKey(text.right(1));
        return;
    }
    if (qslFieldOf(field)) {
        typeQslKey(field, text.right(1));
        return;
    }
    if (field == QLatin1String("band") || field == QLatin1String("dxcc"))
        return; // shown, never typed
    if (field == QLatin1String("dateString") || field == QLatin1String("timeString")) {
        if (m_realTime)
            return;
        m_dateTouched = true;
        setValue(field, text.trimmed());
        emit fieldsChanged();
        return;
    }
    const QString shown = entry::typedText(ruleOf(field), text);
    if (field == QLatin1String("callsign")) {
        callChanged(shown);
        return;
    }
    if (field == QLatin1String("qrgString")) {
        frequencyTyped(shown);
        return;
    }
    if (field == QLatin1String("locator")) {
        locatorTyped(shown);
        return;
    }
    if (field == QLatin1String("power")) {
        setPowerText(shown);
        return;
    }
    if (!m_values.set(field, shown))
        return;
    setTone(field, {});
    emit fieldsChanged();
}

void QsoEntryForm::leaveField(const QString &field)
{
    if (field == QLatin1String("callsign")) {
        callsignFieldDidEndEditing();
    } else if (field == QLatin1String("qrgString")) {
        m_values.qrgString = entry::reformatFrequency(m_values.qrgString);
        recomputeBand();
    } else if (field == QLatin1String("locator")) {
        m_values.locator = m_values.locator.toUpper();
        useStationLocator();
    } else if (onPage() && field.startsWith(QLatin1String("user_"))) {
        const int n = field.mid(5).toInt();
        if (n >= 1 && n <= kUserFields)
            m_defaults.setValue(QStringLiteral("Default_User_%1").arg(n), m_values.userField(n));
        return;
    } else {
        return;
    }
    emit fieldsChanged();
    emit infoChanged();
}

bool QsoEntryForm::typeModeKey(const QString &pressed)
{
    const QString mode = entry::expandModeKey(pressed);
    if (mode.isEmpty())
        return false;
    setMode(mode);
    emit fieldsChanged();
    return true;
}

void QsoEntryForm::setMode(const QString &mode)
{
    m_values.mode = mode;
    m_values.rsttx = m_values.rstrx = entry::defaultRst(mode);
}

bool QsoEntryForm::typeQslKey(const QString &field, const QString &letter)
{
    const std::optional<entry::QslField> which = qslFieldOf(field);
    if (!which)
        return false;
    const QString accepted = entry::qslLetter(*which, letter);
    if (accepted.isEmpty())
        return false;
    m_values.set(field, accepted);
    emit fieldsChanged();
    return true;
}

void QsoEntryForm::frequencyTyped(const QString &text)
{
    m_values.qrgString = text;
    recomputeBand();
    emit fieldsChanged();
}

void QsoEntryForm::recomputeBand()
{
    const entry::FrequencyReading reading =
        entry::readFrequency(m_functions.allQRGs(), m_values.qrgString);
    m_values.band = reading.band;
    setTone(QStringLiteral("qrgString"), reading.hasBand() ? QString() : QStringLiteral("error"));
}

void QsoEntryForm::locatorTyped(const QString &text)
{
    m_values.locator = text;
    const bool bad = !text.isEmpty() && !MyFunctions::locatorIsValid(text);
    setTone(QStringLiteral("locator"), bad ? QStringLiteral("error") : QString());
    emit fieldsChanged();
}

void QsoEntryForm::takeTrxData(const QsoClass &radio)
{
    if (!radio.mode.isEmpty() && radio.mode != m_values.mode)
        setMode(radio.mode);
    if (!radio.band.isEmpty())
        m_values.band = radio.band;
    if (radio.qrg > 0) {
        m_values.qrgString = radio.qrgText();
        setTone(QStringLiteral("qrgString"), {});
    }
    emit fieldsChanged();
}

void QsoEntryForm::takeOverRecord(const QsoClass &record)
{
    takeOver(record, false);
}

void QsoEntryForm::takeSpot(const OneDxSpotClass &spot)
{
    QsoClass record;
    record.callsign = spot.plainCall();
    record.qrg = spot.qrg;
    // The log's mode for the spot's mode class.
    if (spot.mode == QLatin1String("Phone"))
        record.mode = QStringLiteral("SSB");
    else if (spot.mode == QLatin1String("PSK"))
        record.mode = QStringLiteral("PSK31");
    else
        record.mode = spot.mode;
    takeOver(record, true);
}

void QsoEntryForm::preferencesChanged()
{
    loadPrefs();
}

void QsoEntryForm::takeOver(const QsoClass &record, bool fromCluster)
{
    // A spot or another station starts a new QSO: a stored QSO being edited is left alone and
    // nothing of the station before stays. A lookup of the call in the form adds to it.
    const QString callsign = record.callsign.trimmed().toUpper();
    if (m_stored)
        newQso();
    else if (fromCluster || callsign != m_values.callsign)
        clearStationFields();
    // A lookup's fields win over what the entity and earlier QSOs suggest; they are put in again
    // after the lookups, so an island or zone the lookup knows is not replaced by a default.
    const QList<std::pair<QString, QString>> taken = {
        {QStringLiteral("name"), record.name},       {QStringLiteral("qth"), record.qth},
        {QStringLiteral("cq"), record.cq},           {QStringLiteral("itu"), record.itu},
        {QStringLiteral("locator"), record.locator}, {QStringLiteral("manager"), record.manager},
        {QStringLiteral("state"), record.state},     {QStringLiteral("county"), record.county},
        {QStringLiteral("iota"), record.iota}};
    m_values.callsign = callsign;
    for (const auto &[field, text] : taken)
        setValue(field, text);
    callsignFieldDidEndEditing();
    const QString tone = fromCluster ? QString() : QStringLiteral("lookup");
    for (const auto &[field, text] : taken) {
        if (text.isEmpty())
            continue;
        setValue(field, text);
        if (field != QLatin1String("county"))
            setTone(field, tone);
    }
    if (fromCluster) {
        m_values.qrgString = record.qrgText();
        if (!record.mode.isEmpty() && record.mode != QLatin1String("??"))
            m_values.mode = record.mode;
        recomputeBand();
        m_values.rsttx = m_values.rstrx = entry::defaultRst(m_values.mode);
    }
    useStationLocator();
    emit fieldsChanged();
    emit infoChanged();
    emit frontRequested();
}

void QsoEntryForm::lookUpCallsign()
{
    if (m_lookupService && m_lookupConfigured && m_values.callsign.size() >= 2)
        m_lookupService->lookUp(m_values.callsign);
}

void QsoEntryForm::newDetailsSelected(const QVariant &mode, const QVariant &power,
                                      const QVariant &state, const QVariant &county,
                                      const QVariant &country, const QVariant &opIsValid,
                                      const QVariant &colorCode)
{
    if (mode.isValid() && !mode.toString().isEmpty())
        setMode(mode.toString());
    if (power.isValid())
        setPowerText(power.toString());
    if (state.isValid())
        m_values.state = state.toString();
    if (county.isValid() && !county.toString().isEmpty()) {
        m_values.county = county.toString();
        m_countyLine = m_values.state + u',' + m_values.county;
    }
    if (country.isValid() && country.toInt() != 0) {
        const CountryClass chosen = m_dxcc.adifToCountry(country.toInt());
        showEntity(chosen);
    }
    if (opIsValid.isValid()) {
        m_currentQsoIsValidOps = opIsValid.toBool();
        m_validOperation = m_currentQsoIsValidOps;
        if (!m_stationLine.isEmpty())
            m_stationTone = m_currentQsoIsValidOps ? QString() : QStringLiteral("invalid");
    }
    if (colorCode.isValid())
        setColorCode(colorCode.toInt());
    emit fieldsChanged();
    emit infoChanged();
}

void QsoEntryForm::setPowerIndex(int index)
{
    m_powerIndex = index;
    const bool preset = index >= 0 && index < entry::power::presets().size();
    if (preset)
        m_values.power.clear();
    if (onPage()) {
        m_defaults.setValue(QStringLiteral("LastUsedPowerIndex"), index);
        if (preset)
            m_defaults.setValue(QStringLiteral("LastUsedPowerString"), QString());
    }
    emit fieldsChanged();
}

void QsoEntryForm::setPowerText(const QString &text)
{
    if (onPage()) {
        // The phone's segment decides; the text counts when "other" is chosen.
        m_values.power = text;
        m_defaults.setValue(QStringLiteral("LastUsedPowerString"), text);
    } else {
        // The tablet gets a power text from the details screen: a preset or a free text.
        m_powerIndex = entry::power::indexOf(text);
        m_values.power = m_powerIndex == entry::power::kFreeTextIndex ? text : QString();
    }
    emit fieldsChanged();
}

void QsoEntryForm::setColorCode(int code)
{
    m_colorCode = qBound(0, code, 9);
    if (!onPage())
        m_defaults.setValue(QStringLiteral("SelectedColorCode"), m_colorCode);
    emit fieldsChanged();
}

void QsoEntryForm::setValidOperation(bool valid)
{
    m_validOperation = valid;
    emit fieldsChanged();
}

QStringList QsoEntryForm::modes() const
{
    return {QStringLiteral("CW"),    QStringLiteral("SSB"), QStringLiteral("RTTY"),
            QStringLiteral("PSK31"), QStringLiteral("FM"),  QStringLiteral("AM"),
            QStringLiteral("FT8"),   QStringLiteral("FT4")};
}

QStringList QsoEntryForm::powerPresets() const
{
    return entry::power::presets();
}

QStringList QsoEntryForm::powerPresetTitles() const
{
    return entry::power::presetTitles();
}

QStringList QsoEntryForm::colorNames() const
{
    return qsocolors::colorNames();
}

QStringList QsoEntryForm::states()
{
    return m_dxcc.getAllStates();
}

QStringList QsoEntryForm::counties(const QString &state)
{
    return m_dxcc.getAllCountiesForState(state);
}

QVariantList QsoEntryForm::entities()
{
    QVariantList list;
    for (const CountryClass &c : m_dxcc.getAllDXCCs()) {
        if (c.deleted)
            continue;
        list << QVariantMap{{QStringLiteral("adif"), c.adif},
                            {QStringLiteral("prefix"), c.dxcc},
                            {QStringLiteral("name"), c.cntry}};
    }
    return list;
}
