#include "stats/EntitySpanModel.h"

#include <algorithm>

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
    // As the DX list: by prefix, whatever the entity numbers.
    std::sort(m_rows.begin(), m_rows.end(), [](const Row &a, const Row &b) {
        return a.entity.compare(b.entity, Qt::CaseInsensitive) < 0;
    });
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
    case QsosTextRole:
        return row.qsos == 1 ? tr("1 QSO") : tr("%1 QSOs").arg(row.qsos);
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
    return {{EntityRole, "entity"},
            {QsosRole, "qsos"},
            {QsosTextRole, "qsosText"},
            {FirstRole, "first"},
            {LastRole, "last"}};
}

} // namespace stats
