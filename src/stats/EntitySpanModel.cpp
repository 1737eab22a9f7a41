#include "stats/EntitySpanModel.h"

namespace stats {
namespace {

QString momentText(const QsoMoment &qso)
{
    return QStringList{qso.dateTime.left(16), qso.callsign, qso.band, qso.mode}.join(u' ');
}

} // namespace

void EntitySpanModel::setSpans(const QList<EntitySpan> &spans, const QHash<int, QString> &names)
{
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(spans.size());
    for (const EntitySpan &span : spans) {
        const QString name = names.value(span.adif);
        m_rows << Row{name.isEmpty() ? span.prefix : span.prefix + u' ' + name, span.qsos,
                      momentText(span.first), momentText(span.last)};
    }
    endResetModel();
}

int EntitySpanModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant EntitySpanModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row &row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case EntityRole:
        return row.entity;
    case QsosRole:
        return row.qsos;
    case FirstRole:
        return row.first;
    case LastRole:
        return row.last;
    default:
        return {};
    }
}

QHash<int, QByteArray> EntitySpanModel::roleNames() const
{
    return {{EntityRole, "entity"}, {QsosRole, "qsos"}, {FirstRole, "first"}, {LastRole, "last"}};
}

} // namespace stats
