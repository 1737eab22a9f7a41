#include "entry/ExtraFieldsModel.h"

#include "adif/AdifColumns.h"

#include <utility>

namespace {

/** The QSO field that keeps an ADIF field; "" when it has none. */
QString columnOf(const QString &name, const QStringList &userFieldNames)
{
    if (QString column = adif::columnOf(name); !column.isEmpty())
        return column;
    for (qsizetype i = 0; i < userFieldNames.size(); ++i)
        if (name.compare(userFieldNames.at(i), Qt::CaseInsensitive) == 0)
            return QStringLiteral("user_%1").arg(i + 1);
    return {};
}

bool isBlank(const QString &value)
{
    return value.trimmed().isEmpty();
}

} // namespace

ExtraFieldsModel::ExtraFieldsModel(QObject *parent) : QAbstractListModel(parent)
{}

QString ExtraFieldsModel::refusal(const QString &name, const QStringList &userFieldNames)
{
    if (!adif::isAdifFieldName(name))
        return tr("Not an ADIF field name: \"%1\"").arg(name);
    if (const QString column = columnOf(name, userFieldNames); !column.isEmpty())
        return tr("%1 is kept in the QSO's own field \"%2\", not as an extra field")
            .arg(name.toUpper(), column);
    return {};
}

void ExtraFieldsModel::setFields(const ExtraFields &fields, const QStringList &userFieldNames)
{
    const int before = count();
    beginResetModel();
    m_fields = fields;
    m_userFieldNames = userFieldNames;
    endResetModel();
    if (count() != before)
        emit countChanged();
    setMessage({});
}

void ExtraFieldsModel::setEditable(bool editable)
{
    if (editable == m_editable)
        return;
    m_editable = editable;
    emit editableChanged();
    setMessage({});
}

bool ExtraFieldsModel::setValue(int row, const QString &value)
{
    if (!m_editable || !isRow(row))
        return false;
    if (isBlank(value))
        return remove(row);
    const ExtraField &field = m_fields.list().at(row);
    if (field.value == value)
        return true;
    m_fields.set(field.name, value);
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, {ValueRole});
    setMessage({});
    emit fieldsEdited();
    return true;
}

bool ExtraFieldsModel::remove(int row)
{
    if (!m_editable || !isRow(row))
        return false;
    beginRemoveRows({}, row, row);
    m_fields.remove(m_fields.list().at(row).name);
    endRemoveRows();
    emit countChanged();
    setMessage({});
    emit fieldsEdited();
    return true;
}

bool ExtraFieldsModel::add(const QString &name, const QString &value)
{
    if (!m_editable)
        return false;
    const QString trimmed = name.trimmed();
    QString refused = refusal(trimmed, m_userFieldNames);
    if (refused.isEmpty() && m_fields.contains(trimmed))
        refused = tr("%1 is there already: change its value in its row").arg(trimmed.toUpper());
    if (refused.isEmpty() && isBlank(value))
        refused = tr("%1 needs a value").arg(trimmed.toUpper());
    if (!refused.isEmpty()) {
        setMessage(refused);
        return false;
    }
    beginInsertRows({}, count(), count());
    m_fields.set(trimmed, value);
    endInsertRows();
    emit countChanged();
    setMessage({});
    emit fieldsEdited();
    return true;
}

int ExtraFieldsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant ExtraFieldsModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const ExtraField &field = m_fields.list().at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case NameRole:
        return field.name.toUpper();
    case ValueRole:
        return field.value;
    case TypeRole:
        return field.type;
    default:
        return {};
    }
}

QHash<int, QByteArray> ExtraFieldsModel::roleNames() const
{
    return {{NameRole, "name"}, {ValueRole, "value"}, {TypeRole, "type"}};
}

void ExtraFieldsModel::setMessage(const QString &message)
{
    if (message == m_message)
        return;
    m_message = message;
    emit messageChanged();
}
