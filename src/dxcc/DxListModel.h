#pragma once

#include "dxcc/DxListRows.h"

#include <QAbstractListModel>

namespace dxcc {

/** The DX list's rows: one entity each, with its per-band status and its section. */
class DxListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        PrefixRole = Qt::UserRole + 1,
        NameRole,
        StatusRole, // the 13 groups as one text, for a fixed-width font
        GroupsRole, // the 13 groups of 3 cells, 160m … 70cm
        DeletedRole,
        SectionRole,
        WorkedRole,    // any cell worked
        ConfirmedRole, // any cell confirmed
        EntityRole,    // the name as shown, with a mark for a deleted entity
    };
    Q_ENUM(Role)

    explicit DxListModel(QObject *parent = nullptr);

    void setRows(QList<DxListRow> rows);
    [[nodiscard]] const QList<DxListRow> &rows() const { return m_rows; }

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

private:
    QList<DxListRow> m_rows;
};

} // namespace dxcc
