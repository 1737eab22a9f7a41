// Saving a QSO and starting the form over: the checks, the record and what stays for the next one.

#include "entry/QsoEntryForm.h"

#include "app/Clock.h"
#include "app/UserDefaults.h"
#include "entry/EntryTexts.h"
#include "entry/EntryValidation.h"
#include "entry/FieldRules.h"
#include "entry/PowerPresets.h"
#include "entry/QsoRecordBuilder.h"
#include "model/LogModel.h"
#include "refdata/DXCCModel.h"
#include "refdata/MyFunctions.h"

namespace {

constexpr int kUserFields = 4;

} // namespace

void QsoEntryForm::finishEditing()
{
    if (m_values.callsign != m_lookedUpCallsign || m_values.callsign.isEmpty())
        callsignFieldDidEndEditing();
    m_values.qrgString = entry::reformatFrequency(m_values.qrgString);
    recomputeBand();
    m_values.locator = m_values.locator.toUpper();
}

QString QsoEntryForm::ownPositionForNote() const
{
    return m_saveCurrentLocation ? m_positionNote : QString();
}

bool QsoEntryForm::tuneFromCallsignField()
{
    if (!entry::tuningCommand(m_values.callsign))
        return false;
    callsignFieldDidEndEditing();
    return true;
}

QString QsoEntryForm::save()
{
    // A frequency in the callsign field tunes the radio; there is no QSO to log, nor to complain
    // about.
    if (tuneFromCallsignField())
        return {};
    finishEditing();
    emit fieldsChanged();
    emit infoChanged();

    // Both layouts check the locator and a hand-entered date: storing either unreadable would
    // spoil the log without anyone noticing.
    const formats::DateStyle style = m_defaults.logDateFormaterStyle();
    const entry::EntryCheck check{m_values.callsign,
                                  m_values.qrgString,
                                  m_values.mode,
                                  m_values.locator,
                                  m_values.dateString,
                                  m_values.timeString,
                                  !m_realTime && (!m_stored || m_dateTouched)};
    if (const QString error = entry::firstEntryError(check, style); !error.isEmpty())
        return error;

    RecordContext context;
    context.page = onPage();
    context.realTime = m_realTime;
    context.now = m_now.now();
    context.dateStyle = style;
    context.entity = m_entity;
    context.opIsValid = onPage() ? m_validOperation : m_currentQsoIsValidOps;
    context.power = entry::power::powerText(m_powerIndex, m_values.power);
    context.colorCode = m_colorCode;
    context.ownPosition = ownPositionForNote();
    context.countyAsked = m_countyAsked;
    context.countyLine = m_countyLine;
    context.stored = m_stored;
    context.dateTouched = m_dateTouched;
    QsoClass record = buildQsoRecord(m_values, context);

    // On failure the form keeps everything, so nothing typed is lost.
    const WriteResult stored =
        m_stored ? m_log.updateQSO(*m_stored, record) : m_log.saveNewQSOtoLog(record);
    if (!stored)
        return entry::texts::shown(entry::texts::kNotStored);
    emit qsoSaved(m_stored ? m_stored->id.value_or(0) : stored.rowid);
    if (!onPage()) {
        clearAfterSave();
        emit callsignFocusRequested();
    }
    return {};
}

void QsoEntryForm::clearAfterSave()
{
    setValue(QStringLiteral("callsign"), {});
    clearStationFields();
    m_stored.reset();
    m_dateTouched = false;
    emit fieldsChanged();
    emit infoChanged();
}

void QsoEntryForm::clearStationFields()
{
    // What the operator set for the session stays: band, frequency, mode, reports, power, date
    // and time off the clock, and the user fields kept from QSO to QSO.
    for (const char *field :
         {"cq", "itu", "state", "county", "iota", "manager", "name", "qth", "locator", "note"})
        setValue(QString::fromLatin1(field), {});
    for (int n = 1; n <= kUserFields; ++n)
        if (!m_userFieldRemember[n - 1])
            m_values.userField(n).clear();
    resetInfo();
}

void QsoEntryForm::leaveEdit()
{
    if (m_stored)
        newQso();
}

void QsoEntryForm::resetInfo()
{
    m_entity = CountryClass();
    m_currentQsoIsValidOps = true;
    m_lookedUpCallsign.clear();
    m_entityLine.clear();
    m_countyAsked = false;
    m_countyLine.clear();
    m_dxInfo.clear();
    m_dxModeSummary.clear();
    m_zoneLine.clear();
    m_bearingKnown = false;
    m_bearing = 0;
    m_lookupVisible = false;
    m_values.dxcc.clear();
    clearStationLines();
}

void QsoEntryForm::newQso()
{
    m_stored.reset();
    m_dateTouched = false;
    m_values = EntryValues();
    m_tones.clear();
    resetInfo();

    m_values.mode = m_log.getLastLoggedMode();
    m_values.qrgString = m_log.getLastLoggedFrequency();
    m_values.band = m_log.getLastLoggedBand();
    // Both layouts start with the mode's usual report; a QSO logged without one would be
    // incomplete on export.
    m_values.rsttx = m_values.rstrx = entry::defaultRst(m_values.mode);
    m_values.qsl = m_values.lotwqsl = m_values.eqsl = QStringLiteral("W");
    for (int n = 1; n <= kUserFields; ++n)
        if (onPage() && m_userFieldRemember[n - 1])
            m_values.userField(n) = m_defaults.string(QStringLiteral("Default_User_%1").arg(n));
    m_powerIndex = int(m_defaults.integer(QStringLiteral("LastUsedPowerIndex")));
    m_values.power = m_defaults.string(QStringLiteral("LastUsedPowerString"));
    m_validOperation = true;
    setRealTime(m_defaults.boolean(QStringLiteral("UseRealTime")));
    refreshClock();
    emit editingChanged();
    emit fieldsChanged();
    emit infoChanged();
}

bool QsoEntryForm::editQsoWithId(qint64 rowid)
{
    const std::optional<QsoClass> found = m_log.qsoById(rowid);
    if (!found)
        return false;
    editQso(*found);
    return true;
}

void QsoEntryForm::editQso(const QsoClass &stored)
{
    newQso();
    m_stored = stored;
    setRealTime(false);
    EntryValues &v = m_values;
    v.callsign = stored.callsign;
    v.dateString = stored.dateText(m_defaults.logDateFormaterStyle());
    v.timeString = stored.timeText();
    v.qrgString = stored.qrgText();
    v.band = stored.band;
    v.mode = stored.mode;
    v.rsttx = stored.rsttx;
    v.rstrx = stored.rstrx;
    v.qsl = stored.qsl;
    v.lotwqsl = stored.lotwqsl;
    v.eqsl = stored.eqsl;
    v.manager = stored.manager;
    v.name = stored.name;
    v.qth = stored.qth;
    v.locator = stored.locator;
    v.note = stored.note;
    v.user_1 = stored.user_1;
    v.user_2 = stored.user_2;
    v.user_3 = stored.user_3;
    v.user_4 = stored.user_4;
    m_powerIndex = entry::power::indexOf(stored.power);
    v.power = m_powerIndex == entry::power::kFreeTextIndex ? stored.power : QString();
    m_colorCode = int(stored.colorCode);

    resolveEntity();
    // The stored zones, island and county win over the entity's defaults.
    v.cq = stored.cq;
    v.itu = stored.itu;
    v.iota = stored.iota;
    v.state = stored.state;
    const qsizetype comma = stored.county.indexOf(u',');
    v.county = comma >= 0 ? stored.county.mid(comma + 1) : stored.county;
    m_validOperation = stored.opIsValid;
    m_lookedUpCallsign = v.callsign;
    emit editingChanged();
    emit fieldsChanged();
    emit infoChanged();
}
