#include "dxcc/DxListModel.h"

#include "model/DxInfo.h"

#include <algorithm>

namespace dxcc {
namespace {

constexpr int kGroups = 13;

QStringList groupsOf(const QString &status)
{
    QStringList groups;
    for (int group = 0; group < kGroups; ++group)
        groups.append(status.mid(group * 4, 3));
    return groups;
}

} // namespace

DxListModel::DxListModel(QObject *parent) : QAbstractListModel(parent)
{}

void DxListModel::setRows(QList<DxListRow> rows)
{
    // About 400 rows that may all change: a reset is cheaper than working out the moves.
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int DxListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant DxListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const DxListRow &row = m_rows.at(index.row());
    switch (role) {
    case NameRole:
        return row.name;
    case Qt::DisplayRole:
    case EntityRole:
        return row.deleted ? tr("%1 (deleted)").arg(row.name) : row.name;
    case PrefixRole:
        return row.prefix;
    case StatusRole:
        return row.status;
    case GroupsRole:
        return groupsOf(row.status);
    case DeletedRole:
        return row.deleted;
    case SectionRole:
        return row.section;
    case WorkedRole:
        return std::any_of(row.status.cbegin(), row.status.cend(), dxinfo::isWorked);
    case ConfirmedRole:
        return std::any_of(row.status.cbegin(), row.status.cend(), dxinfo::isConfirmed);
    default:
        return {};
    }
}

QHash<int, QByteArray> DxListModel::roleNames() const
{
    return {{PrefixRole, "prefix"}, {NameRole, "name"},           {StatusRole, "status"},
            {GroupsRole, "groups"}, {DeletedRole, "deleted"},     {SectionRole, "section"},
            {WorkedRole, "worked"}, {ConfirmedRole, "confirmed"}, {EntityRole, "entity"}};
}

} // namespace dxcc
