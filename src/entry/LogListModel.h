#pragma once

#include "model/LogListQuery.h"
#include "model/QsoClass.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>
#include <QUrl>
#include <QVariantList>

#include <optional>
#include <utility>

class UserDefaults;
class Clock;
class LogModel;

/** The log list: the current logbook's QSOs in the chosen range and order, one row per QSO with
 *  its tint and marks, the row menu, deletion, and the export of the marked QSOs.
 *
 *  Rows of a logbook file are read a page at a time as they are shown, so the list opens at once
 *  whatever the range. Marks are the ids of the QSOs the user chose, so they stay with those QSOs
 *  while the list is reloaded, reordered or grows, for as long as the QSOs exist. The phone keeps
 *  its order in "QsoSortIndex", the larger screens in "LogSortIndes". */
class LogListModel : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(int rangeIndex READ rangeIndex WRITE setRangeIndex NOTIFY selectionChanged)
    Q_PROPERTY(int sortIndex READ sortIndex WRITE setSortIndex NOTIFY selectionChanged)
    Q_PROPERTY(QStringList rangeNames READ rangeNames CONSTANT)
    Q_PROPERTY(QStringList sortNames READ sortNames CONSTANT)
    Q_PROPERTY(int markedCount READ markedCount NOTIFY marksChanged)
    Q_PROPERTY(bool exportEnabled READ exportEnabled NOTIFY marksChanged)
    Q_PROPERTY(int scrollTarget READ scrollTarget NOTIFY reloaded)
    Q_PROPERTY(int newestRow READ newestRow NOTIFY reloaded)
    Q_PROPERTY(bool noticeDue READ noticeDue NOTIFY noticeDueChanged)
    Q_PROPERTY(QString menuTitle READ menuTitle CONSTANT)
    Q_PROPERTY(QString deleteQuestion READ deleteQuestion CONSTANT)
    Q_PROPERTY(QString deleteActionText READ deleteActionText CONSTANT)
    Q_PROPERTY(QString cancelText READ cancelText CONSTANT)
    Q_PROPERTY(QString okayText READ okayText CONSTANT)
    Q_PROPERTY(QString noticeTitle READ noticeTitle CONSTANT)
    Q_PROPERTY(QString noticeText READ noticeText CONSTANT)
    Q_PROPERTY(QString dontShowAgainText READ dontShowAgainText CONSTANT)
public:
    enum Role {
        DateRole = Qt::UserRole + 1,
        TimeRole,
        CallsignRole,
        BandRole,
        FrequencyRole,
        ModeRole,
        PrefixRole,
        TintRole,
        InvalidOperationRole,
        MarkedRole,
        SentRole,
        ReceivedRole,
        NameRole,
        QslRole,
        LotwRole,
        EqslRole,
    };
    Q_ENUM(Role)

    static constexpr int kPageSize = 200;

    /** `sortKey` is the user default that holds the order. */
    LogListModel(UserDefaults &defaults, const Clock &clock, LogModel &log, QString sortKey,
                 QObject *parent = nullptr);
    ~LogListModel() override;

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

    /** Builds the list again from the logbook; the marks stay with their QSOs (the screen
     *  appeared again, or a QSO was saved or changed elsewhere), those of deleted QSOs go. */
    Q_INVOKABLE void loadData();
    /** Another logbook was chosen: marks cleared, list rebuilt. */
    void newLogSelected();

    /** Toggles the mark of one row. */
    Q_INVOKABLE void markQso(int row);
    /** Marks the row and those below it (as the list stands now), up to the first row already
     *  marked. */
    Q_INVOKABLE void markAllQsos(int row);
    Q_INVOKABLE void clearMarks();
    [[nodiscard]] Q_INVOKABLE bool isMarked(int row) const;

    /** The row menu: maps with "action", "text" and "destructive", in the order shown. */
    [[nodiscard]] Q_INVOKABLE QVariantList menuActions(int row) const;
    /** Runs a menu action ("showInfo", "showQso", "editQso", "deleteQso", "markQso",
     *  "markAllQsos", "clearMarks", "lookupHamQth", "lookupQrz") on a row. */
    Q_INVOKABLE void trigger(int row, const QString &action);
    /** Deletes the row's QSO from the logbook (the user has confirmed). A delete the logbook
     *  refuses keeps the row and raises `alertRequested` with the store's message. */
    Q_INVOKABLE void deleteQso(int row);

    /** Writes the marked QSOs to an ADIF file (oldest first), clears the marks and reloads;
     *  `exportReady` hands the file on. Nothing happens without marks. */
    Q_INVOKABLE void exportMarked();
    /** Copies the exported file to where the user chose (replacing a file there) and reports. */
    Q_INVOKABLE void saveExport(const QUrl &target);

    /** The notice after an update was shown; with `forGood` it is never shown again. */
    Q_INVOKABLE void noticeShown(bool forGood);

    /** The QSO of a row (empty for a row outside the list). */
    [[nodiscard]] QsoClass qsoAt(int row) const;
    /** The QSO of a row as the logbook holds it, with every field (a row holds what the list
     *  shows): what an editor must start from, or saving would drop the rest. */
    [[nodiscard]] QsoClass storedQsoAt(int row) const;

    [[nodiscard]] int count() const { return m_count; }
    [[nodiscard]] int rangeIndex() const;
    void setRangeIndex(int index);
    [[nodiscard]] int sortIndex() const;
    void setSortIndex(int index);
    [[nodiscard]] static QStringList rangeNames();
    [[nodiscard]] static QStringList sortNames();
    [[nodiscard]] int markedCount() const { return int(m_marks.size()); }
    [[nodiscard]] bool exportEnabled() const { return !m_marks.isEmpty(); }
    /** The row to scroll to after the last rebuild, -1 to keep the place: the newest QSO when the
     *  list is ordered by date and was first shown, reordered or grew (a QSO logged); an edit, a
     *  QSL mark or a deletion keeps the rows the operator was looking at. */
    [[nodiscard]] int scrollTarget() const { return m_scrollTarget; }
    /** The newest QSO's row when the list is ordered by date, else -1: where a view that shows
     *  the list for the first time starts. */
    [[nodiscard]] int newestRow() const { return m_newestRow; }
    [[nodiscard]] bool noticeDue() const;
    [[nodiscard]] QString exportedFile() const { return m_exportedFile; }
    /** Pages of a logbook file read on a worker thread, so the window keeps turning while a
     *  large list is sorted; rows show as soon as their page arrives. Off: read when asked. */
    void setPagesInBackground(bool on) { m_pagesInBackground = on; }
    /** Whether the rows a view asked for are all there: a list with rows has read a page and
     *  waits for none. */
    [[nodiscard]] bool rowsShown() const
    {
        return m_count == 0 || !m_query || (!m_pages.isEmpty() && m_pagesLoading.isEmpty());
    }
    /** Where export files are written before they are handed on (the temporary folder). */
    void setExportFolder(const QString &folder) { m_exportFolder = folder; }

    [[nodiscard]] static QString menuTitle();
    [[nodiscard]] static QString deleteQuestion();
    [[nodiscard]] static QString deleteActionText();
    [[nodiscard]] static QString cancelText();
    [[nodiscard]] static QString okayText();
    [[nodiscard]] static QString noticeTitle();
    [[nodiscard]] static QString noticeText();
    [[nodiscard]] static QString dontShowAgainText();

signals:
    void countChanged();
    void selectionChanged();
    void marksChanged();
    void noticeDueChanged();
    /** The list was rebuilt; the screen scrolls to `scrollTarget` when it is not -1. */
    void reloaded();
    /** Open the read-only information screen of the row's QSO. */
    void infoRequested(int row);
    /** Open the row's QSO: to look at it, or straight in editing. */
    void qsoRequested(int row, bool edit);
    /** Ask "Delete this QSO?" for the row. */
    void deleteQuestionRequested(int row);
    /** Look the callsign up with a service ("HamQTH" or "QRZ"). */
    void lookupRequested(const QString &callsign, const QString &service);
    /** The export file is written; the screen offers to save or share it. */
    void exportReady(const QUrl &file, const QString &fileName);
    void alertRequested(const QString &title, const QString &message);

private:
    void rebuild();
    void setMarks(QSet<qint64> marks);
    /** The row's QSO id when its page is at hand (always with `wait`). */
    [[nodiscard]] std::optional<qint64> idAt(int row, bool wait) const;
    void redrawRows(int first, int last);
    /** The page when it is at hand; read now, or asked for in the background. */
    const QList<QsoClass> *page(int number, bool wait) const;
    void requestPage(int number) const;
    void pageArrived(int generation, int number, const QList<QsoClass> &rows);
    void dropPages();

    UserDefaults &m_defaults;
    const Clock &m_clock;
    LogModel &m_log;
    const QString m_sortKey;
    int m_count = 0;
    int m_scrollTarget = -1;
    int m_newestRow = -1;
    // Range and order of the last rebuild, none before the first.
    std::optional<std::pair<int, int>> m_built;
    QSet<qint64> m_marks;                                       // QSO ids
    formats::DateStyle m_dateStyle = formats::DateStyle::Short; // the dates' style at the rebuild
    bool m_deleting = false; // deleteQso is writing: its row goes without a reload
    bool m_noticeShown = false;
    QString m_exportedFile;
    QString m_exportFolder;
    // A logbook file is read page by page; the synced logbook comes whole.
    std::optional<LogListQuery> m_query;
    QList<QsoClass> m_syncedRows;
    mutable QHash<int, QList<QsoClass>> m_pages;
    mutable QSet<int> m_pagesLoading;
    int m_generation = 0;
    bool m_pagesInBackground = false;
};
