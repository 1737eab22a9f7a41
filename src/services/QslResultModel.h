#pragma once

#include "services/QslRow.h"

#include <QAbstractListModel>

/** The result list of a LoTW or eQSL download: one row per received QSL with date, time,
 *  callsign, band, mode, the credit text and the row's background ("red" not in the log,
 *  "yellow" corrected, "" otherwise). */
class QslResultModel : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)
public:
    enum Role {
        DateRole = Qt::UserRole + 1,
        TimeRole,
        CallsignRole,
        BandRole,
        ModeRole,
        NoteRole,
        BackgroundRole,
    };

    using QAbstractListModel::QAbstractListModel;

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

    void setRows(const QList<QslRow> &rows);
    [[nodiscard]] const QList<QslRow> &rows() const { return m_rows; }

signals:
    void countChanged();

private:
    QList<QslRow> m_rows;
};
