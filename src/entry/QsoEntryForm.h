#pragma once

#include "entry/EntryValues.h"
#include "geo/LatLon.h"
#include "model/QsoClass.h"
#include "refdata/CountryClass.h"
#include "refdata/OneDxSpotClass.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

#include <memory>
#include <optional>

class UserDefaults;
class Clock;
class LogModel;
class DXCCModel;
class MyFunctions;
class CallsignLookup;
class DXCCModel;
class LogModel;
class MyFunctions;
class OwnPosition;
class QTimer;
class SecretStore;

/** The entry form where a QSO is logged while it happens: one view-model for the tablet form above
 *  the log and the phone's new-QSO screen (which also edits a stored QSO). It holds every rule:
 *  what a key does, what the callsign tells, what is checked and what is stored.
 *
 *  Field texts are addressed by the record's field names (see EntryValues). Each field has a tone
 *  for its text colour: "normal", "error", "log" (taken from earlier QSOs), "lookup" (from a
 *  callsign lookup) or "invalid" (an operation that does not count for DXCC). */
class QsoEntryForm : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString title READ title NOTIFY editingChanged)
    Q_PROPERTY(bool editing READ editing NOTIFY editingChanged)
    Q_PROPERTY(QVariantMap fields READ fields NOTIFY fieldsChanged)
    Q_PROPERTY(QVariantMap tones READ tones NOTIFY fieldsChanged)
    Q_PROPERTY(QString entityLine READ entityLine NOTIFY infoChanged)
    Q_PROPERTY(bool countyAsked READ countyAsked NOTIFY infoChanged)
    Q_PROPERTY(QString countyLine READ countyLine NOTIFY infoChanged)
    Q_PROPERTY(QString dxInfo READ dxInfo NOTIFY infoChanged)
    Q_PROPERTY(QString dxModeSummary READ dxModeSummary NOTIFY infoChanged)
    Q_PROPERTY(QString zoneLine READ zoneLine NOTIFY infoChanged)
    Q_PROPERTY(int bearing READ bearing NOTIFY infoChanged)
    Q_PROPERTY(bool bearingKnown READ bearingKnown NOTIFY infoChanged)
    Q_PROPERTY(QString stationLine READ stationLine NOTIFY infoChanged)
    Q_PROPERTY(QString stationTone READ stationTone NOTIFY infoChanged)
    Q_PROPERTY(QString workedInfo READ workedInfo NOTIFY infoChanged)
    Q_PROPERTY(QString workedModeSummary READ workedModeSummary NOTIFY infoChanged)
    Q_PROPERTY(QString qsoCountLine READ qsoCountLine NOTIFY infoChanged)
    Q_PROPERTY(QString locatorLine READ locatorLine NOTIFY infoChanged)
    Q_PROPERTY(QString memberLine READ memberLine NOTIFY infoChanged)
    Q_PROPERTY(bool lookupVisible READ lookupVisible NOTIFY infoChanged)
    Q_PROPERTY(QString lookupTitle READ lookupTitle NOTIFY settingsChanged)
    Q_PROPERTY(QString positionLine READ positionLine NOTIFY infoChanged)
    Q_PROPERTY(bool realTime READ realTime WRITE setRealTime NOTIFY clockChanged)
    Q_PROPERTY(QString ownSunLine READ ownSunLine NOTIFY clockChanged)
    Q_PROPERTY(bool ownSunTwilight READ ownSunTwilight NOTIFY clockChanged)
    Q_PROPERTY(int powerIndex READ powerIndex WRITE setPowerIndex NOTIFY fieldsChanged)
    Q_PROPERTY(QString powerText READ powerText WRITE setPowerText NOTIFY fieldsChanged)
    Q_PROPERTY(int colorCode READ colorCode WRITE setColorCode NOTIFY fieldsChanged)
    Q_PROPERTY(bool validOperation READ validOperation WRITE setValidOperation NOTIFY fieldsChanged)
    Q_PROPERTY(bool saveCurrentLocation READ saveCurrentLocation WRITE setSaveCurrentLocation NOTIFY
                   settingsChanged)
    Q_PROPERTY(QStringList userFieldCaptions READ userFieldCaptions NOTIFY settingsChanged)
    Q_PROPERTY(QString myLocator READ myLocator NOTIFY settingsChanged)
    Q_PROPERTY(QString alertTitle READ alertTitle CONSTANT)
public:
    /** How the screens use the form. A page is opened for one QSO (the phone's new-QSO and
     *  edit screens): it keeps the power and the remembered user fields for the next QSO. A
     *  panel stays above the log (the larger screens): it is cleared after each save, keeps its
     *  colour and takes its power from the details screen. */
    enum class Use { Page, Panel };

    QsoEntryForm(UserDefaults &defaults, const Clock &clock, LogModel &log, DXCCModel &dxcc,
                 MyFunctions &functions, QObject *parent = nullptr);
    ~QsoEntryForm() override;

    /** The shell's choice (a page until told otherwise); the form starts a new QSO. */
    void setUse(Use use);
    [[nodiscard]] Use use() const { return m_use; }

    // Typing.
    /** A field's text after an edit; the field's typing rule applies ("callsign" resolves the
     *  entity, "qrgString" the band, "locator" its check). Unknown keys are ignored. */
    Q_INVOKABLE void setField(const QString &key, const QString &text);
    /** The field lost the focus: "callsign" runs the station lookups (or tunes, for a number
     *  above 1800), "qrgString" is rewritten "#,##0.0", "locator" shows its sun line, a user
     *  field is kept for the next QSO on the phone. */
    Q_INVOKABLE void leaveField(const QString &key);
    /** One key in the mode field; false when refused. */
    Q_INVOKABLE bool typeModeKey(const QString &key);
    /** One key in the "qsl", "lotwqsl" or "eqsl" field; true when accepted (the focus moves on). */
    Q_INVOKABLE bool typeQslKey(const QString &key, const QString &letter);

    // Saving.
    /** Checks and logs the QSO; returns the alert message, empty when the QSO was logged (the
     *  tablet form is then cleared for the next one, the phone form is done). */
    Q_INVOKABLE QString save();
    /** The phone's form for a new QSO, with the last logged mode and frequency. */
    Q_INVOKABLE void newQso();
    /** The phone's edit screen was left without saving: the form is for a new QSO again. */
    Q_INVOKABLE void leaveEdit();
    /** The phone's form for a stored QSO ("Edit QSO"); false when the row does not exist. */
    Q_INVOKABLE bool editQsoWithId(qint64 rowid);
    void editQso(const QsoClass &stored);

    // Details (tablet) and other inputs.
    /** Each valid argument replaces the form's value: mode, power text, state, county, entity
     *  number chosen by hand, operation validity, colour code. */
    Q_INVOKABLE void newDetailsSelected(const QVariant &mode, const QVariant &power,
                                        const QVariant &state, const QVariant &county,
                                        const QVariant &country, const QVariant &opIsValid,
                                        const QVariant &colorCode);
    /** Asks the configured lookup service about the callsign. */
    Q_INVOKABLE void lookUpCallsign();
    /** Starts a new QSO with a station a callsign lookup found. */
    void takeOverRecord(const QsoClass &record);
    /** Starts a new QSO with a cluster spot's call, frequency and mode. */
    void takeSpot(const OneDxSpotClass &spot);
    /** What the transceiver reads: mode, band and frequency. */
    void takeTrxData(const QsoClass &radio);
    /** Settings the form shows were changed elsewhere (the lookup service, the date style). */
    void preferencesChanged();
    /** A new own position (with "SaveCurrentLocation" on). */
    void ownPositionChanged(geo::LatLon position, double altitude);
    void setLookupService(CallsignLookup *service) { m_lookupService = service; }
    /** Where the lookup password is kept; without one the settings' copy alone counts. */
    void setSecretStore(SecretStore &secrets);

    // Choices for the details screen and the pickers.
    [[nodiscard]] Q_INVOKABLE QStringList modes() const;
    [[nodiscard]] Q_INVOKABLE QStringList powerPresets() const;
    /** The presets in the user's language, for buttons and lists. */
    [[nodiscard]] Q_INVOKABLE QStringList powerPresetTitles() const;
    [[nodiscard]] Q_INVOKABLE QStringList colorNames() const;
    [[nodiscard]] Q_INVOKABLE QStringList states();
    [[nodiscard]] Q_INVOKABLE QStringList counties(const QString &state);
    /** {adif, prefix, name} of every entity, by name. */
    [[nodiscard]] Q_INVOKABLE QVariantList entities();

    // Read by screens and tests.
    [[nodiscard]] QString title() const;
    [[nodiscard]] bool editing() const { return m_stored.has_value(); }
    [[nodiscard]] QVariantMap fields() const;
    [[nodiscard]] QVariantMap tones() const { return m_tones; }
    [[nodiscard]] QString field(const QString &key) const { return m_values.value(key); }
    [[nodiscard]] QString tone(const QString &key) const;
    [[nodiscard]] const EntryValues &values() const { return m_values; }
    [[nodiscard]] const CountryClass &entity() const { return m_entity; }
    [[nodiscard]] bool currentQsoIsValidOps() const { return m_currentQsoIsValidOps; }
    [[nodiscard]] const QString &entityLine() const { return m_entityLine; }
    [[nodiscard]] bool countyAsked() const { return m_countyAsked; }
    [[nodiscard]] QString countyLine() const;
    [[nodiscard]] const QString &dxInfo() const { return m_dxInfo; }
    [[nodiscard]] const QString &dxModeSummary() const { return m_dxModeSummary; }
    [[nodiscard]] const QString &zoneLine() const { return m_zoneLine; }
    [[nodiscard]] int bearing() const { return m_bearing; }
    [[nodiscard]] bool bearingKnown() const { return m_bearingKnown; }
    [[nodiscard]] const QString &stationLine() const { return m_stationLine; }
    [[nodiscard]] const QString &stationTone() const { return m_stationTone; }
    [[nodiscard]] const QString &workedInfo() const { return m_workedInfo; }
    [[nodiscard]] const QString &workedModeSummary() const { return m_workedModeSummary; }
    [[nodiscard]] const QString &qsoCountLine() const { return m_qsoCountLine; }
    [[nodiscard]] const QString &locatorLine() const { return m_locatorLine; }
    [[nodiscard]] const QString &memberLine() const { return m_memberLine; }
    [[nodiscard]] bool lookupVisible() const { return m_lookupVisible; }
    [[nodiscard]] const QString &lookupTitle() const { return m_lookupTitle; }
    [[nodiscard]] const QString &positionLine() const { return m_positionLine; }
    [[nodiscard]] bool realTime() const { return m_realTime; }
    void setRealTime(bool on);
    [[nodiscard]] const QString &ownSunLine() const { return m_ownSunLine; }
    [[nodiscard]] bool ownSunTwilight() const { return m_ownSunTwilight; }
    [[nodiscard]] int powerIndex() const { return m_powerIndex; }
    void setPowerIndex(int index);
    [[nodiscard]] const QString &powerText() const { return m_values.power; }
    void setPowerText(const QString &text);
    [[nodiscard]] int colorCode() const { return m_colorCode; }
    void setColorCode(int code);
    [[nodiscard]] bool validOperation() const { return m_validOperation; }
    void setValidOperation(bool valid);
    [[nodiscard]] bool saveCurrentLocation() const { return m_saveCurrentLocation; }
    void setSaveCurrentLocation(bool on);
    [[nodiscard]] const QStringList &userFieldCaptions() const { return m_userFieldCaptions; }
    [[nodiscard]] const QString &myLocator() const { return m_myLocator; }
    [[nodiscard]] static QString alertTitle();

    /** Refreshes date, time and the own sun line now (the clock timer does it every 5 s). */
    void refreshClock();

signals:
    void fieldsChanged();
    void infoChanged();
    void clockChanged();
    void settingsChanged();
    void editingChanged();
    /** A QSO was stored; the tablet's log below reloads, the phone closes its form. */
    void qsoSaved(qint64 rowid);
    /** A record was taken over: show the entry form. */
    void frontRequested();
    /** Give the callsign field the focus (after a save on the tablet). */
    void callsignFocusRequested();
    /** A frequency typed into the callsign field: the radio is to tune there. */
    void tuneRequested(const OneDxSpotClass &spot);
    /** The other station's locator (its own, or its entity's centre), for the map's path. */
    void endLocatorChanged(const QString &locator);

private:
    // QsoEntryForm.cpp: settings, typing, outside inputs.
    [[nodiscard]] bool onPage() const { return m_use == Use::Page; }
    void loadPrefs();
    void takeOver(const QsoClass &record, bool fromCluster);
    void readLookupChoice();
    void loadUserFieldPrefs();
    void setValue(const QString &key, const QString &text, const QString &tone = {});
    void setTone(const QString &key, const QString &tone);
    void setMode(const QString &mode);
    void frequencyTyped(const QString &text);
    void recomputeBand();
    void locatorTyped(const QString &text);
    // QsoEntryFormLookup.cpp: what the callsign and locators tell.
    void callChanged(const QString &callsign);
    void callsignFieldDidEndEditing();
    void resolveEntity();
    void showEntity(const CountryClass &entity);
    void stationLookups(const QString &callsign);
    void showLocatorLine(const QString &locator);
    void useStationLocator();
    void clearStationLines();
    [[nodiscard]] std::optional<QDateTime> qsoDate() const;
    // QsoEntryFormSave.cpp: saving and starting over.
    [[nodiscard]] bool tuneFromCallsignField();
    void finishEditing();
    void clearAfterSave();
    void clearStationFields();
    void resetInfo();
    [[nodiscard]] QString ownPositionForNote() const;

    UserDefaults &m_defaults;
    const Clock &m_now; // "now" for the entry clock and the checks
    Use m_use = Use::Page;
    LogModel &m_log;
    MyFunctions &m_functions;
    DXCCModel &m_dxcc;
    OwnPosition *m_position;
    QTimer *m_clock;
    CallsignLookup *m_lookupService = nullptr;
    SecretStore *m_secrets = nullptr;

    EntryValues m_values;
    QVariantMap m_tones;
    CountryClass m_entity;
    bool m_currentQsoIsValidOps = true;
    std::optional<QsoClass> m_stored;
    bool m_dateTouched = false;
    QString m_lookedUpCallsign; // the callsign the station lookups last ran for

    QString m_entityLine;
    bool m_countyAsked = false;
    QString m_countyLine;
    QString m_dxInfo;
    QString m_dxModeSummary;
    QString m_zoneLine;
    int m_bearing = 0;
    bool m_bearingKnown = false;
    QString m_stationLine;
    QString m_stationTone;
    QString m_workedInfo;
    QString m_workedModeSummary;
    QString m_qsoCountLine;
    QString m_locatorLine;
    QString m_memberLine;
    bool m_lookupVisible = false;
    QString m_lookupTitle;
    bool m_lookupConfigured = false;
    QString m_positionLine;
    QString m_positionNote;

    bool m_realTime = true;
    QString m_ownSunLine;
    bool m_ownSunTwilight = false;
    int m_powerIndex = 0;
    int m_colorCode = 0;
    bool m_validOperation = true;
    bool m_saveCurrentLocation = false;
    QString m_myLocator;
    QStringList m_userFieldCaptions;
    bool m_userFieldRemember[4] = {false, false, false, false};
    int m_myGridField = 0; // user field (1–4) exported as my_gridsquare, 0 none
};
