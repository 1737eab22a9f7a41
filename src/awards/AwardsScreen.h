#pragma once

#include "awards/AwardEngine.h"

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVariantList>

class LogModel;

namespace awards {

/** The Awards page beside DXCC on both layouts: pick an award and a confirmation kind, see the
 *  band × mode class table (awards with endorsements) and the items worked, confirmed and still
 *  needed; a table cell narrows the items to its band and mode class, an item shows its QSOs.
 *  Counted by one AwardEngine that takes each committed change in; the page reads it again
 *  while it is in front and the logbook changes, and when it comes to the front. */
class AwardsScreen : public QObject {
    Q_OBJECT
    /** Short names of the awards to pick ("WAS", "WAZ" …) and their long titles. */
    Q_PROPERTY(QStringList awardNames READ awardNames CONSTANT)
    Q_PROPERTY(int award READ award WRITE setAward NOTIFY selectionChanged)
    Q_PROPERTY(QString awardTitle READ awardTitle NOTIFY selectionChanged)
    /** 0 any, 1 paper, 2 LoTW, 3 eQSL. */
    Q_PROPERTY(int confirmation READ confirmation WRITE setConfirmation NOTIFY selectionChanged)
    Q_PROPERTY(QStringList confirmationTitles READ confirmationTitles CONSTANT)
    Q_PROPERTY(QString confirmationCaption READ confirmationCaption CONSTANT)
    /** POTA, SOTA, WWFF: 0 the references hunted, 1 those activated. */
    Q_PROPERTY(bool hasSides READ hasSides NOTIFY selectionChanged)
    Q_PROPERTY(int side READ side WRITE setSide NOTIFY selectionChanged)
    Q_PROPERTY(QStringList sideTitles READ sideTitles CONSTANT)
    /** Whether the award is counted per band and mode class (the table is shown). */
    Q_PROPERTY(bool hasTable READ hasTable NOTIFY selectionChanged)
    Q_PROPERTY(QStringList columnTitles READ columnTitles CONSTANT)
    Q_PROPERTY(QStringList pairTitles READ pairTitles CONSTANT)
    /** {band, total, worked: [4], confirmed: [4]} per band with QSOs, then the total; mode
     *  column 0 every mode, 1–3 CW, digital, phone. */
    Q_PROPERTY(QVariantList tableRows READ tableRows NOTIFY countsChanged)
    /** The chosen cell: its row in tableRows (-1 none, every band and mode) and mode column. */
    Q_PROPERTY(int cellRow READ cellRow NOTIFY countsChanged)
    Q_PROPERTY(int cellMode READ cellMode NOTIFY countsChanged)
    /** What the item list shows: "All bands and modes", "20m · CW". */
    Q_PROPERTY(QString filterText READ filterText NOTIFY countsChanged)
    /** "38 worked · 30 confirmed · 20 needed of 50". */
    Q_PROPERTY(QString summary READ summary NOTIFY countsChanged)
    /** Further lines: IOTA per continent, the VUCC total of a band, valid activations. */
    Q_PROPERTY(QStringList notes READ notes NOTIFY countsChanged)
    /** {id, state (0 needed, 1 worked, 2 confirmed), qsos} in the award's order; the needed
     *  items of a finite set are among them. */
    Q_PROPERTY(QVariantList items READ items NOTIFY countsChanged)
    Q_PROPERTY(QString emptyText READ emptyText CONSTANT)
    Q_PROPERTY(QStringList legend READ legend CONSTANT)
    /** The QSOs of the chosen item: {date, time, call, band, mode, qsl}, newest first. */
    Q_PROPERTY(QVariantList qsos READ qsos NOTIFY qsosChanged)
    Q_PROPERTY(QString qsosTitle READ qsosTitle NOTIFY qsosChanged)
    Q_PROPERTY(bool qsosOpen READ qsosOpen WRITE setQsosOpen NOTIFY qsosChanged)
    Q_PROPERTY(QString closeText READ closeText CONSTANT)
    /** The larger screens' choice in the DXCC tab (DXCC or Awards); the phone's page open. */
    Q_PROPERTY(bool open READ isOpen WRITE setOpen NOTIFY openChanged)
    Q_PROPERTY(QStringList panelTitles READ panelTitles CONSTANT)
    Q_PROPERTY(QString buttonText READ buttonText CONSTANT)
public:
    /** At most this many QSOs of an item are listed (the newest). */
    static constexpr int kQsoLimit = 200;

    AwardsScreen(LogModel &log, QObject *parent = nullptr);

    /** The DXCC tab came to the front or went behind another. */
    void setShown(bool shown);
    /** Reads the counts now. */
    Q_INVOKABLE void refresh();
    /** Narrows the items to a table cell; the chosen cell again, or row -1, shows all. */
    Q_INVOKABLE void chooseCell(int row, int mode);
    /** Lists the QSOs of an item (by its place in `items`). */
    Q_INVOKABLE void chooseItem(int index);

    [[nodiscard]] static QStringList awardNames();
    [[nodiscard]] int award() const { return m_award; }
    void setAward(int award);
    [[nodiscard]] QString awardTitle() const;
    [[nodiscard]] int confirmation() const { return m_confirmation; }
    void setConfirmation(int confirmation);
    [[nodiscard]] static QStringList confirmationTitles();
    [[nodiscard]] static QString confirmationCaption();
    [[nodiscard]] bool hasSides() const;
    [[nodiscard]] int side() const { return m_side; }
    void setSide(int side);
    [[nodiscard]] static QStringList sideTitles();
    [[nodiscard]] bool hasTable() const;
    [[nodiscard]] static QStringList columnTitles();
    [[nodiscard]] static QStringList pairTitles();
    [[nodiscard]] const QVariantList &tableRows() const { return m_tableRows; }
    [[nodiscard]] int cellRow() const { return m_cellRow; }
    [[nodiscard]] int cellMode() const { return m_cellMode; }
    [[nodiscard]] QString filterText() const;
    [[nodiscard]] const QString &summary() const { return m_summary; }
    [[nodiscard]] const QStringList &notes() const { return m_notes; }
    [[nodiscard]] const QVariantList &items() const { return m_items; }
    [[nodiscard]] static QString emptyText();
    [[nodiscard]] static QStringList legend();
    [[nodiscard]] const QVariantList &qsos() const { return m_qsos; }
    [[nodiscard]] const QString &qsosTitle() const { return m_qsosTitle; }
    [[nodiscard]] bool qsosOpen() const { return m_qsosOpen; }
    void setQsosOpen(bool open);
    [[nodiscard]] static QString closeText();
    [[nodiscard]] bool isOpen() const { return m_open; }
    void setOpen(bool open);
    [[nodiscard]] static QStringList panelTitles();
    [[nodiscard]] static QString buttonText();

    /** The award counted now: the picked one, or its activator side. */
    [[nodiscard]] Award counted() const;
    [[nodiscard]] AwardFilter filter() const;

signals:
    void selectionChanged();
    void countsChanged();
    void qsosChanged();
    void openChanged();

private:
    void logbookChanged(const QsoChange &change);
    void logbookSwitched();
    [[nodiscard]] bool active() const { return m_shown && m_open; }
    /** Reads again when in front, else when next brought there. */
    void recount();
    [[nodiscard]] int cellBand() const;

    LogModel &m_log;
    AwardEngine m_engine;
    QTimer m_pending;
    bool m_shown = false;
    bool m_open = false;
    bool m_stale = true;
    int m_award = 0;
    int m_confirmation = 0;
    int m_side = 0;
    int m_cellRow = -1;
    int m_cellMode = 0;
    QList<int> m_bands; // band number of each table row but the total
    QVariantList m_tableRows;
    QString m_summary;
    QStringList m_notes;
    QVariantList m_items;
    QVariantList m_qsos;
    QString m_qsosTitle;
    bool m_qsosOpen = false;
};

} // namespace awards
