#pragma once

#include "model/ExtraFields.h"

#include <QAbstractListModel>
#include <QStringList>

/** The ADIF fields of a QSO that have no field of their own in the logbook (MY_GRIDSQUARE,
 *  SIG_INFO, other programs' APP_ fields, …), as the QSO screens list them: one row per field with
 *  its name in upper case, its value and its type indicator. While the QSO is edited a value can
 *  be changed or removed and a field added; a name that cannot be an extra field is refused with
 *  `message` naming it, and nothing changes. */
class ExtraFieldsModel : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(bool editable READ editable NOTIFY editableChanged)
    Q_PROPERTY(QString message READ message NOTIFY messageChanged)
public:
    enum Role { NameRole = Qt::UserRole + 1, ValueRole, TypeRole };

    explicit ExtraFieldsModel(QObject *parent = nullptr);

    /** Shows a QSO's fields. `userFieldNames` are the ADIF names the four user fields are kept
     *  under: those have a field of their own, as the logbook's other columns do. */
    void setFields(const ExtraFields &fields, const QStringList &userFieldNames);
    [[nodiscard]] const ExtraFields &fields() const { return m_fields; }
    void setEditable(bool editable);

    /** A row's new value; an empty (or blank) value removes the field. False when not editable. */
    Q_INVOKABLE bool setValue(int row, const QString &value);
    Q_INVOKABLE bool remove(int row);
    /** Adds a field; false, with `message` saying why, for a name that is no ADIF field name,
     *  one the QSO keeps in a field of its own, one that is there already, or an empty value. */
    Q_INVOKABLE bool add(const QString &name, const QString &value);

    /** Why a name cannot be an extra field ("" when it can): not ADIF-shaped, or the logbook
     *  keeps it in a field of its own (CALL, QSO_DATE, MODE, … and the user fields' names). */
    [[nodiscard]] static QString refusal(const QString &name, const QStringList &userFieldNames);

    [[nodiscard]] int count() const { return int(m_fields.size()); }
    [[nodiscard]] bool editable() const { return m_editable; }
    [[nodiscard]] const QString &message() const { return m_message; }

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

signals:
    /** A value was changed, a field removed or added: the QSO's working copy takes `fields()`. */
    void fieldsEdited();
    void countChanged();
    void editableChanged();
    void messageChanged();

private:
    void setMessage(const QString &message);
    [[nodiscard]] bool isRow(int row) const { return row >= 0 && row < count(); }

    ExtraFields m_fields;
    QStringList m_userFieldNames;
    QString m_message;
    bool m_editable = false;
};
