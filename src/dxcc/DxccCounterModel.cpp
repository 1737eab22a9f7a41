#include "dxcc/DxccCounterModel.h"

#include "dxcc/DxccTexts.h"

namespace dxcc {
namespace {

// The bands first, the total last: the rows' columns of the counts.
int columnOfRow(int row)
{
    return row < DxccCounterModel::kRows - 1 ? row + 1 : 0;
}

} // namespace

DxccCounterModel::DxccCounterModel(QObject *parent) : QAbstractListModel(parent)
{}

void DxccCounterModel::setCounts(const dxstats::Counts &counts)
{
    if (counts == m_counts)
        return;
    m_counts = counts;
    allChanged();
}

void DxccCounterModel::setShowConfirmed(bool show)
{
    if (show == m_showConfirmed)
        return;
    m_showConfirmed = show;
    allChanged();
}

void DxccCounterModel::allChanged()
{
    // The rows stay; only their numbers change.
    emit dataChanged(index(0), index(kRows - 1));
}

int DxccCounterModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kRows;
}

QVariant DxccCounterModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int column = columnOfRow(index.row());
    if (role == BandRole || role == Qt::DisplayRole)
        return column == 0 ? texts::shown(texts::kTotalLabel)
                           : QString::fromLatin1(texts::kBandLabels[column - 1]);
    if (role == TotalRowRole)
        return column == 0;
    if (role >= WorkedRole && role <= PhoneConfirmedRole)
        return m_counts[role - WorkedRole][column];
    if (role >= TotalShownRole && role <= PhoneShownRole)
        return m_counts[(role - TotalShownRole) * 2 + (m_showConfirmed ? 1 : 0)][column];
    return {};
}

QHash<int, QByteArray> DxccCounterModel::roleNames() const
{
    return {{BandRole, "band"},
            {TotalRowRole, "totalRow"},
            {WorkedRole, "worked"},
            {ConfirmedRole, "confirmed"},
            {CwWorkedRole, "cwWorked"},
            {CwConfirmedRole, "cwConfirmed"},
            {DigiWorkedRole, "digiWorked"},
            {DigiConfirmedRole, "digiConfirmed"},
            {PhoneWorkedRole, "phoneWorked"},
            {PhoneConfirmedRole, "phoneConfirmed"},
            {TotalShownRole, "total"},
            {CwShownRole, "cw"},
            {DigiShownRole, "digi"},
            {PhoneShownRole, "phone"}};
}

} // namespace dxcc
