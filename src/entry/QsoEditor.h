#pragma once

#include "entry/ExtraFieldsModel.h"
#include "model/QsoClass.h"
#include "refdata/CountryClass.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <memory>

class UserDefaults;
class LogModel;
class DXCCModel;
class MyFunctions;

/** Looking at a stored QSO and changing it (the larger screens' QSO screen). It opens read-only
 *  ("Edit QSO"); in editing ("Save QSO", the screen tinted red) every field writes into a
 *  working copy, and saving ends in one `updateQSO:newQSO:` with the stored record and the copy.
 *  Nothing reaches the logbook before that, the QSO's extra ADIF fields (`extraFields`) included.
 */
class QsoEditor : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool loaded READ loaded NOTIFY qsoLoaded)
    Q_PROPERTY(bool editing READ editing NOTIFY editingChanged)
    Q_PROPERTY(QString buttonText READ buttonText NOTIFY editingChanged)
    Q_PROPERTY(QString tint READ tint NOTIFY editingChanged)
    Q_PROPERTY(QStringList editableFieldTags READ editableFieldTags CONSTANT)
    Q_PROPERTY(QVariantMap fields READ fields NOTIFY fieldsChanged)
    Q_PROPERTY(QString entityLine READ entityLine NOTIFY fieldsChanged)
    Q_PROPERTY(QString country READ country NOTIFY fieldsChanged)
    Q_PROPERTY(bool opIsValid READ opIsValid NOTIFY fieldsChanged)
    Q_PROPERTY(bool countyAsked READ countyAsked NOTIFY fieldsChanged)
    Q_PROPERTY(QString countyName READ countyName NOTIFY fieldsChanged)
    Q_PROPERTY(int powerIndex READ powerIndex NOTIFY fieldsChanged)
    Q_PROPERTY(QString powerText READ powerText NOTIFY fieldsChanged)
    Q_PROPERTY(int colorCode READ colorCode NOTIFY fieldsChanged)
    Q_PROPERTY(QStringList colorNames READ colorNames CONSTANT)
    Q_PROPERTY(ExtraFieldsModel *extraFields READ extraFields CONSTANT)
public:
    explicit QsoEditor(UserDefaults &defaults, LogModel &log, DXCCModel &dxcc,
                       MyFunctions &functions, QObject *parent = nullptr);
    ~QsoEditor() override;

    /** Shows a stored QSO, as the logbook holds it now (with every ADIF field); with `editing`
     *  it opens straight in editing. */
    void setQso(const QsoClass &shown, bool editing = false);

    /** "Edit QSO" switches to editing; "Save QSO" stores the copy, tells `qsoChanged` and closes
     *  (or, when the logbook refuses it, keeps the copy in editing and raises `alertRequested`). */
    Q_INVOKABLE void butonEdirQsoPushed();
    /** Leaves the screen without saving. */
    Q_INVOKABLE void cancel();

    /** A field's text while it is edited (upper case; no spaces where refused). */
    Q_INVOKABLE void setField(const QString &key, const QString &text);
    /** The field was left: its value goes into the working copy ("callsign" resolves the entity
     *  at the shown date, "qrgString" gives frequency and band). */
    Q_INVOKABLE void leaveField(const QString &key);
    /** One key in the mode field; false when refused. */
    Q_INVOKABLE bool typeModeKey(const QString &key);
    /** One key in "qsl", "lotwqsl" or "eqsl"; false when refused. An accepted letter ends the
     *  field's editing. */
    Q_INVOKABLE bool typeQslKey(const QString &field, const QString &key);

    /** A new QSO instant from the date picker: date fields and the entity follow it. */
    Q_INVOKABLE void newDateTimeSelected(const QDateTime &instant);
    /** The same from a typed "yyyy-MM-dd HH:mm" text (UTC); false when it is no such instant. */
    Q_INVOKABLE bool newDateTimeText(const QString &text);
    /** Each valid argument replaces the copy's value: mode (with its RST defaults), power text,
     *  state, county, entity number chosen by hand, operation validity, colour code. */
    Q_INVOKABLE void newDetailsSelected(const QVariant &mode, const QVariant &power,
                                        const QVariant &state, const QVariant &county,
                                        const QVariant &country, const QVariant &opIsValid,
                                        const QVariant &colorCode);

    [[nodiscard]] bool loaded() const { return m_loaded; }
    [[nodiscard]] bool editing() const { return m_editing; }
    [[nodiscard]] QString buttonText() const;
    /** Red while editing, clear otherwise ("#AARRGGBB"). */
    [[nodiscard]] QString tint() const;
    [[nodiscard]] static QStringList editableFieldTags();
    [[nodiscard]] QVariantMap fields() const;
    [[nodiscard]] QString entityLine() const;
    [[nodiscard]] const QString &country() const { return m_entity.cntry; }
    [[nodiscard]] bool opIsValid() const { return m_qso.opIsValid; }
    /** The copy's entity takes a state and a county. */
    [[nodiscard]] bool countyAsked() const;
    /** The county without its state: the stored text reads "state,county". */
    [[nodiscard]] QString countyName() const;
    /** The copy's power as the details offer it: a preset's index ("Unknown" when none is
     *  stored), or the free-text index with `powerText`. */
    [[nodiscard]] int powerIndex() const;
    [[nodiscard]] QString powerText() const;
    [[nodiscard]] int colorCode() const { return int(m_qso.colorCode); }
    [[nodiscard]] static QStringList colorNames();
    /** The working copy's ADIF fields without a column of their own, editable while editing. */
    [[nodiscard]] ExtraFieldsModel *extraFields() const { return m_extraFields; }

    [[nodiscard]] const QsoClass &orgQSO() const { return m_orgQSO; }
    /** The working copy. */
    [[nodiscard]] const QsoClass &qso() const { return m_qso; }

signals:
    void qsoLoaded();
    void editingChanged();
    void fieldsChanged();
    /** The QSO was stored changed; lists reload. */
    void qsoChanged();
    /** The logbook did not store the change: the screen stays in editing with the working copy,
     *  and shows the store's message. */
    void alertRequested(const QString &title, const QString &message);
    /** The screen closes. */
    void closeRequested();
    /** A letter field's editing ended. */
    void fieldEditingEnded(const QString &field);

private:
    void resolveEntity();
    void takeEntity(const CountryClass &entity);
    void save();
    void setEditing(bool editing);
    void showExtraFields();

    UserDefaults &m_defaults;
    LogModel &m_log;
    DXCCModel &m_dxcc;
    MyFunctions &m_functions;
    ExtraFieldsModel *m_extraFields; // child
    QsoClass m_orgQSO;
    QsoClass m_qso;
    QString m_qrgText; // the frequency field as typed; `m_qso.qrg` takes it when it is left
    CountryClass m_entity;
    bool m_loaded = false;
    bool m_editing = false;
};
