#include "dxcc/DxList.h"

#include "model/LogModel.h"

namespace dxcc {
namespace {

// The three compact segments as filters of the six.
constexpr int kCompactTableModes[] = {0, 1, 4};

} // namespace

DxList::DxList(LogModel &log, QObject *parent)
    : QObject(parent), m_log(log), m_rows(new DxListModel(this))
{}

void DxList::makeDxData()
{
    m_entriesByName = m_sortIndex != 0;
    m_entries = m_log.getAllDxInfoStrings(m_entriesByName);
    showRows();
}

void DxList::showRows()
{
    m_rows->setRows(sectionedRows(m_entries, m_entriesByName, tableMode()));
    m_sectionTitles = dxcc::sectionTitles(m_rows->rows());
    emit rowsChanged();
}

void DxList::setSortIndex(int index)
{
    if (index < 0 || index >= sortTitles().size() || index == m_sortIndex)
        return;
    m_sortIndex = index;
    emit sortIndexChanged();
    makeDxData();
}

QStringList DxList::sortTitles()
{
    return {tr("Prefix"), tr("Name")};
}

void DxList::setFilterIndex(int index)
{
    if (index < 0 || index >= filterTitles().size() || index == m_filterIndex)
        return;
    m_filterIndex = index;
    emit filterIndexChanged();
    showRows();
}

void DxList::setCompact(bool compact)
{
    if (compact == m_compact)
        return;
    m_compact = compact;
    emit filterTitlesChanged();
    // The segment keeps its place where it can; its filter may be another now.
    if (m_filterIndex >= filterTitles().size()) {
        m_filterIndex = 0;
        emit filterIndexChanged();
    }
    showRows();
}

QStringList DxList::filterTitles() const
{
    if (m_compact)
        return {tr("All"), tr("Worked"), tr("Not cfd")};
    return {tr("All"),        tr("Worked"),        tr("Confirmed"),
            tr("Not worked"), tr("Not confirmed"), tr("Worked, not cfd")};
}

int DxList::tableMode() const
{
    return m_compact ? kCompactTableModes[m_filterIndex] : m_filterIndex;
}

QString DxList::countText() const
{
    const qsizetype count = m_rows->rowCount();
    return count == 1 ? tr("1 entity") : tr("%1 entities").arg(count);
}

QStringList DxList::columnTitles()
{
    return {tr("Prefix"), tr("Entity")};
}

QStringList DxList::bandTitles()
{
    return {QStringLiteral("160m"), QStringLiteral("80m"), QStringLiteral("60m"),
            QStringLiteral("40m"),  QStringLiteral("30m"), QStringLiteral("20m"),
            QStringLiteral("17m"),  QStringLiteral("15m"), QStringLiteral("12m"),
            QStringLiteral("10m"),  QStringLiteral("6m"),  QStringLiteral("2m"),
            QStringLiteral("70cm")};
}

QStringList DxList::modeTitles()
{
    return {tr("CW"), tr("Data"), tr("Phone")};
}

QString DxList::legend()
{
    return tr("Per band: CW, Data, Phone.  W worked, P paper QSL, L LoTW, X both.");
}

QString DxList::emptyText()
{
    return tr("No entity matches the filter.");
}

int DxList::rowOfSection(int section) const
{
    if (section < 0 || section >= m_sectionTitles.size())
        return -1;
    const QString &title = m_sectionTitles.at(section);
    const QList<DxListRow> &rows = m_rows->rows();
    for (int row = 0; row < rows.size(); ++row)
        if (rows.at(row).section == title)
            return row;
    return -1;
}

} // namespace dxcc
