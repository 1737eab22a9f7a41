#include "entry/ExtraFieldsModel.h"

#include <utility>

namespace {

/** The ADIF fields the logbook reads into its own columns and writes from them, with the QSO
 *  field that keeps each. Stored a second time as extra fields they would be written twice. */
const QList<std::pair<QLatin1String, QLatin1String>> &fieldsWithColumns()
{
    static const QList<std::pair<QLatin1String, QLatin1String>> fields = {
        {QLatin1String("call"), QLatin1String("callsign")},
        {QLatin1String("qso_date"), QLatin1String("date")},
        {QLatin1String("time_on"), QLatin1String("time")},
        {QLatin1String("band"), QLatin1String("band")},
        {QLatin1String("freq"), QLatin1String("qrg")},
        {QLatin1String("mode"), QLatin1String("mode")},
        {QLatin1String("submode"), QLatin1String("mode")},
        {QLatin1String("rst_sent"), QLatin1String("rsttx")},
        {QLatin1String("rst_rcvd"), QLatin1String("rstrx")},
        {QLatin1String("qsl_sent"), QLatin1String("qsl")},
        {QLatin1String("qsl_rcvd"), QLatin1String("qsl")},
        {QLatin1String("app_tarvex_qsl"), QLatin1String("qsl")},
        {QLatin1String("qslsdate"), QLatin1String("qslOutDate")},
        {QLatin1String("qslrdate"), QLatin1String("qslInDate")},
        {QLatin1String("lotw_qsl_sent"), QLatin1String("lotwqsl")},
        {QLatin1String("lotw_qsl_rcvd"), QLatin1String("lotwqsl")},
        {QLatin1String("eqsl_qsl_sent"), QLatin1String("eqsl")},
        {QLatin1String("eqsl_qsl_rcvd"), QLatin1String("eqsl")},
        {QLatin1String("clublog_qso_upload_status"), QLatin1String("clublog")},
        {QLatin1String("state"), QLatin1String("state")},
        {QLatin1String("cnty"), QLatin1String("county")},
        {QLatin1String("dxcc"), QLatin1String("adif")},
        {QLatin1String("pfx"), QLatin1String("prefix")},
        {QLatin1String("cqz"), QLatin1String("cq")},
        {QLatin1String("ituz"), QLatin1String("itu")},
        {QLatin1String("name"), QLatin1String("name")},
        {QLatin1String("qth"), QLatin1String("qth")},
        {QLatin1String("comment"), QLatin1String("note")},
        {QLatin1String("qsl_via"), QLatin1String("manager")},
        {QLatin1String("gridsquare"), QLatin1String("locator")},
        {QLatin1String("iota"), QLatin1String("iota")},
        {QLatin1String("tx_pwr"), QLatin1String("power")},
        {QLatin1String("app_tarvex_power"), QLatin1String("power")},
        {QLatin1String("sat_name"), QLatin1String("satName")},
        {QLatin1String("sat_mode"), QLatin1String("satMode")},
        {QLatin1String("band_rx"), QLatin1String("satRxband")},
        {QLatin1String("app_tarvex_colorcode"), QLatin1String("colorCode")},
    };
    return fields;
}

/** The QSO field that keeps an ADIF field; "" when it has none. */
QString columnOf(const QString &name, const QStringList &userFieldNames)
{
    for (const auto &[adifName, column] : fieldsWithColumns())
        if (name.compare(adifName, Qt::CaseInsensitive) == 0)
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
