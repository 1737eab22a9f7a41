#pragma once

#include <QList>
#include <QVariantList>

/** The user's band table ("QRGs"): per band 1–12 (160m … 70cm) the lower edge, the end of the
 *  CW segment, the start of the phone segment and the upper edge, all in kHz. */
namespace refdata {

class BandTable {
public:
    /** Row i (0-based) describes band number i + 1. */
    using Row = QList<double>;

    static constexpr qsizetype kRows = 12;
    static constexpr qsizetype kColumns = 4;
    enum Column { LowerEdge = 0, CwEnd = 1, PhoneStart = 2, UpperEdge = 3 };

    BandTable() = default;
    /** Reads the stored form: a list of rows, each a list of numbers (or numeric texts). A row
     *  ends at its first entry that is not a number. */
    [[nodiscard]] static BandTable fromVariant(const QVariantList &rows);

    /** A table with fewer than 12 rows is not used at all. */
    [[nodiscard]] bool isUsable() const { return m_rows.size() >= kRows; }
    [[nodiscard]] qsizetype rowCount() const { return m_rows.size(); }
    /** The row of a band number 1…rowCount(); only rows with four numbers are complete. */
    [[nodiscard]] const Row &row(int xBand) const { return m_rows.at(xBand - 1); }
    [[nodiscard]] static bool isComplete(const Row &row) { return row.size() >= kColumns; }

private:
    QList<Row> m_rows;
};

} // namespace refdata
