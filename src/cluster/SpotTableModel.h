#pragma once

#include "cluster/SpotList.h"

#include <QAbstractListModel>
#include <QTimer>

#include <vector>

namespace cluster {

/** The spot table: one row per visible spot of a SpotList, newest last. Spots handed in are
 *  added in batches a few times a second, with row inserts and removals rather than resets.
 *  Roles give each column's text and colour name. */
class SpotTableModel : public QAbstractListModel, private SpotListObserver {
    Q_OBJECT
    Q_PROPERTY(int segment READ segment WRITE setSegment NOTIFY filterChanged)
    Q_PROPERTY(QString search READ search WRITE setSearch NOTIFY filterChanged)
public:
    enum Role {
        CallRole = Qt::UserRole + 1, // callsign as shown, with the LoTW mark
        CallColorRole,               // colour names: "label", "red", …
        QrgRole,                     // "#,##0.0"
        QrgColorRole,
        ModeRole,
        ModeColorRole,
        NoteRole,
        SpotterRole,
        DxccRole,
        DxColorRole,
        IotaRole,
        IotaColorRole,
        DistanceRole, // "##,### km", empty without an entity or own locator
        HeadingRole,  // "%i°", likewise
        AgoRole,
        TimeRole, // "HHmm" UTC
        SupersededRole,
    };
    Q_ENUM(Role)

    static constexpr int kFlushIntervalMs = 250;

    explicit SpotTableModel(QObject *parent = nullptr);
    ~SpotTableModel() override;

    /** Queues a spot; it shows at the next flush, at most kFlushIntervalMs later. */
    void enqueue(OneDxSpotClass spot);
    /** Adds every queued spot now. */
    void flush();
    /** Ages the listed spots (see SpotList::age); queued ones wait for their flush. */
    void age(const QDateTime &now);
    /** Forgets the listed and the queued spots. */
    void clear();

    [[nodiscard]] const SpotList &spots() const { return m_list; }
    [[nodiscard]] int segment() const { return m_list.segment(); }
    void setSegment(int segment);
    [[nodiscard]] QString search() const { return m_list.search(); }
    void setSearch(const QString &text);
    [[nodiscard]] const OneDxSpotClass &spotAt(int row) const { return m_list.visibleAt(row); }

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

signals:
    void filterChanged();
    /** Rows were added (after a flush); the view scrolls to the last unless the user scrolls. */
    void spotsAdded();

private:
    void beginInsertRows(int first, int last) override;
    void endInsertRows() override;
    void beginRemoveRows(int first, int last) override;
    void endRemoveRows() override;
    void beginReset() override;
    void endReset() override;
    void rowChanged(int row) override;
    void agesChanged() override;

    SpotList m_list;
    std::vector<OneDxSpotClass> m_pending;
    QTimer m_flushTimer;
};

} // namespace cluster
