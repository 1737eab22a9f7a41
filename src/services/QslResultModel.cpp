#include "services/QslResultModel.h"

int QslResultModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant QslResultModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const QslRow &row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case CallsignRole:
        return row.callsign;
    case DateRole:
        return row.date;
    case TimeRole:
        return row.time;
    case BandRole:
        return row.band;
    case ModeRole:
        return row.mode;
    case NoteRole:
        return row.note;
    case BackgroundRole:
        return row.mark == QslRow::Mark::NotFound    ? QStringLiteral("red")
               : row.mark == QslRow::Mark::Corrected ? QStringLiteral("yellow")
                                                     : QString();
    default:
        return {};
    }
}

QHash<int, QByteArray> QslResultModel::roleNames() const
{
    return {
        {DateRole, "date"}, {TimeRole, "time"}, {CallsignRole, "callsign"},    {BandRole, "band"},
        {ModeRole, "mode"}, {NoteRole, "note"}, {BackgroundRole, "background"}};
}

void QslResultModel::setRows(const QList<QslRow> &rows)
{
    beginResetModel();
    m_rows = rows;
    endResetModel();
    emit countChanged();
}
