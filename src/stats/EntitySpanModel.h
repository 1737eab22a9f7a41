#pragma once

#include "stats/QsoStatistics.h"

#include <QAbstractListModel>

namespace stats {

/** The first and the last QSO per entity, one row each, for the statistics screen. */
class EntitySpanModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        EntityRole = Qt::UserRole + 1, // "DL Germany"
        QsosRole,
        QsosTextRole, // "1 QSO", "12 QSOs"
        FirstRole,    // "2019-03-02 14:05 DL1ABC 20m CW"
        LastRole,
    };

    using QAbstractListModel::QAbstractListModel;

    /** names: the entity's name by number; an entity without one shows its prefix alone. Rows
     *  are sorted by prefix. */
    void setSpans(const QList<EntitySpan> &spans, const QHash<int, QString> &names);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

private:
    struct Row {
        QString entity;
        qint64 qsos = 0;
        QString first;
        QString last;
    };
    QList<Row> m_rows;
};

} // namespace stats
