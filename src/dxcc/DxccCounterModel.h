#pragma once

#include "model/DxccStatistics.h"

#include <QAbstractListModel>

namespace dxcc {

/** The counter table: one row per band group, "160m:" … "70cm:", then "Total:". Each row has the
 *  entities worked and confirmed in total and per mode class, and the four numbers the phone
 *  shows: worked ones, or confirmed ones while confirmations are shown. */
class DxccCounterModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        BandRole = Qt::UserRole + 1,
        TotalRowRole,
        // The eight series in their order.
        WorkedRole,
        ConfirmedRole,
        CwWorkedRole,
        CwConfirmedRole,
        DigiWorkedRole,
        DigiConfirmedRole,
        PhoneWorkedRole,
        PhoneConfirmedRole,
        // Worked or confirmed, as chosen.
        TotalShownRole,
        CwShownRole,
        DigiShownRole,
        PhoneShownRole,
    };
    Q_ENUM(Role)

    static constexpr int kRows = dxstats::kColumns;

    explicit DxccCounterModel(QObject *parent = nullptr);

    void setCounts(const dxstats::Counts &counts);
    void setShowConfirmed(bool show);
    [[nodiscard]] const dxstats::Counts &counts() const { return m_counts; }

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

private:
    void allChanged();

    dxstats::Counts m_counts{};
    bool m_showConfirmed = false;
};

} // namespace dxcc
