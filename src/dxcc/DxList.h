#pragma once

#include "dxcc/DxListModel.h"

#include <QObject>
#include <QStringList>

class LogModel;

namespace dxcc {

/** The DX list screen: every entity with its status per band and mode class, sorted by prefix or
 *  name, filtered by worked / confirmed, in sections by first character with an index. The larger
 *  screens offer six filters, a compact control (the phone) three: all, worked, not confirmed. */
class DxList : public QObject {
    Q_OBJECT
    Q_PROPERTY(dxcc::DxListModel *rows READ rows CONSTANT)
    /** 0 by prefix, 1 by name. */
    Q_PROPERTY(int sortIndex READ sortIndex WRITE setSortIndex NOTIFY sortIndexChanged)
    Q_PROPERTY(QStringList sortTitles READ sortTitles CONSTANT)
    /** The selected segment of the filter control. */
    Q_PROPERTY(int filterIndex READ filterIndex WRITE setFilterIndex NOTIFY filterIndexChanged)
    Q_PROPERTY(QStringList filterTitles READ filterTitles NOTIFY filterTitlesChanged)
    /** Three short filters (all, worked, not confirmed) for a narrow control instead of six. */
    Q_PROPERTY(bool compact READ compact WRITE setCompact NOTIFY filterTitlesChanged)
    Q_PROPERTY(QStringList sectionTitles READ sectionTitles NOTIFY rowsChanged)
    Q_PROPERTY(QString countText READ countText NOTIFY rowsChanged)
    /** The header of the prefix and name columns. */
    Q_PROPERTY(QStringList columnTitles READ columnTitles CONSTANT)
    /** The band columns, 160m … 70cm, and the mode classes within each. */
    Q_PROPERTY(QStringList bandTitles READ bandTitles CONSTANT)
    Q_PROPERTY(QStringList modeTitles READ modeTitles CONSTANT)
    /** Shown instead of rows when the filter keeps none. */
    Q_PROPERTY(QString emptyText READ emptyText CONSTANT)
    /** What the letters of a cell mean. */
    Q_PROPERTY(QString legend READ legend CONSTANT)
public:
    DxList(LogModel &log, QObject *parent = nullptr);

    /** Reads every entity's status again and shows it. */
    void makeDxData();

    [[nodiscard]] DxListModel *rows() const { return m_rows; }
    [[nodiscard]] int sortIndex() const { return m_sortIndex; }
    void setSortIndex(int index);
    [[nodiscard]] static QStringList sortTitles();
    [[nodiscard]] int filterIndex() const { return m_filterIndex; }
    void setFilterIndex(int index);
    [[nodiscard]] QStringList filterTitles() const;
    [[nodiscard]] bool compact() const { return m_compact; }
    void setCompact(bool compact);
    /** The filter of the segment (0 all … 5 worked but not confirmed, see DxListRows.h). */
    [[nodiscard]] int tableMode() const;
    [[nodiscard]] const QStringList &sectionTitles() const { return m_sectionTitles; }
    [[nodiscard]] QString countText() const;
    [[nodiscard]] static QStringList columnTitles();
    [[nodiscard]] static QStringList bandTitles();
    [[nodiscard]] static QStringList modeTitles();
    [[nodiscard]] static QString legend();
    [[nodiscard]] static QString emptyText();

    /** The first row of a section (by its place in sectionTitles), -1 for none. */
    Q_INVOKABLE int rowOfSection(int section) const;

signals:
    void sortIndexChanged();
    void filterIndexChanged();
    void filterTitlesChanged();
    void rowsChanged();

private:
    void showRows();

    LogModel &m_log;
    bool m_compact = false;
    DxListModel *m_rows;
    int m_sortIndex = 0;
    int m_filterIndex = 0;
    /** The entries as last read, for filtering without reading again. */
    QStringList m_entries;
    bool m_entriesByName = false;
    QStringList m_sectionTitles;
};

} // namespace dxcc
