#include "cluster/SpotTableModel.h"

#include "formats/Formats.h"

namespace cluster {

SpotTableModel::SpotTableModel(QObject *parent) : QAbstractListModel(parent)
{
    m_list.setObserver(this);
    m_flushTimer.setSingleShot(true);
    m_flushTimer.setInterval(kFlushIntervalMs);
    connect(&m_flushTimer, &QTimer::timeout, this, &SpotTableModel::flush);
}

SpotTableModel::~SpotTableModel()
{
    m_list.setObserver(nullptr);
}

void SpotTableModel::enqueue(OneDxSpotClass spot)
{
    m_pending.push_back(std::move(spot));
    // A feed of hundreds of spots a second is shown a few times a second, not per spot.
    if (!m_flushTimer.isActive())
        m_flushTimer.start();
}

void SpotTableModel::flush()
{
    m_flushTimer.stop();
    if (m_pending.empty())
        return;
    std::vector<OneDxSpotClass> batch;
    batch.swap(m_pending);
    for (OneDxSpotClass &spot : batch)
        m_list.add(std::move(spot));
    emit spotsAdded();
}

void SpotTableModel::age(const QDateTime &now)
{
    m_list.age(now);
}

void SpotTableModel::clear()
{
    m_flushTimer.stop();
    m_pending.clear();
    m_list.clear();
}

void SpotTableModel::setSegment(int segment)
{
    if (segment == m_list.segment() && m_list.search().isEmpty())
        return;
    m_list.setSegment(segment);
    emit filterChanged();
}

void SpotTableModel::setSearch(const QString &text)
{
    if (text == m_list.search())
        return;
    m_list.setSearch(text);
    emit filterChanged();
}

int SpotTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_list.visibleCount();
}

QVariant SpotTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const OneDxSpotClass &spot = m_list.visibleAt(index.row());
    // Distance and heading only where they were measured from a known entity.
    const bool position = spot.hasPosition && spot.dxcc != u"??";
    switch (role) {
    case Qt::DisplayRole:
    case CallRole:
        return spot.dxCall;
    case CallColorRole:
        return spotColorName(spot.callColor);
    case QrgRole:
        return formats::groupedKHz(spot.qrg);
    case QrgColorRole:
        return spotColorName(spot.qrgColor);
    case ModeRole:
        return spot.mode;
    case ModeColorRole:
        return spotColorName(spot.modeColor);
    case NoteRole:
        return spot.note;
    case SpotterRole:
        return spot.spotter();
    case DxccRole:
        return spot.dxcc;
    case DxColorRole:
        return spotColorName(spot.dxColor);
    case IotaRole:
        return spot.iota;
    case IotaColorRole:
        return spotColorName(spot.iotaColor);
    case DistanceRole:
        return position ? formats::groupedInteger(spot.dist) + QStringLiteral(" km") : QString();
    case HeadingRole:
        return position ? QStringLiteral("%1°").arg(spot.hdg) : QString();
    case AgoRole:
        return spot.ago;
    case TimeRole:
        return spot.spotTimeStamp.toUTC().toString(QStringLiteral("HHmm"));
    case SupersededRole:
        return spot.doppelt;
    default:
        return {};
    }
}

QHash<int, QByteArray> SpotTableModel::roleNames() const
{
    return {{CallRole, "call"},
            {CallColorRole, "callColor"},
            {QrgRole, "qrg"},
            {QrgColorRole, "qrgColor"},
            {ModeRole, "mode"},
            {ModeColorRole, "modeColor"},
            {NoteRole, "note"},
            {SpotterRole, "spotter"},
            {DxccRole, "dxcc"},
            {DxColorRole, "dxColor"},
            {IotaRole, "iota"},
            {IotaColorRole, "iotaColor"},
            {DistanceRole, "distance"},
            {HeadingRole, "heading"},
            {AgoRole, "ago"},
            {TimeRole, "time"},
            {SupersededRole, "superseded"}};
}

void SpotTableModel::beginInsertRows(int first, int last)
{
    QAbstractListModel::beginInsertRows({}, first, last);
}

void SpotTableModel::endInsertRows()
{
    QAbstractListModel::endInsertRows();
}

void SpotTableModel::beginRemoveRows(int first, int last)
{
    QAbstractListModel::beginRemoveRows({}, first, last);
}

void SpotTableModel::endRemoveRows()
{
    QAbstractListModel::endRemoveRows();
}

void SpotTableModel::beginReset()
{
    beginResetModel();
}

void SpotTableModel::endReset()
{
    endResetModel();
}

void SpotTableModel::rowChanged(int row)
{
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, {SupersededRole});
}

void SpotTableModel::agesChanged()
{
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1), {AgoRole});
}

} // namespace cluster
