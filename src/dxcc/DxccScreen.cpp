#include "dxcc/DxccScreen.h"

#include "model/LogModel.h"

namespace dxcc {

DxccScreen::DxccScreen(LogModel &log, QObject *parent)
    : QObject(parent), m_log(log), m_counter(new DxccCounter(log, this)),
      m_list(new DxList(log, this))
{
    m_pending.setSingleShot(true);
    m_pending.setInterval(0);
    connect(&m_pending, &QTimer::timeout, this, &DxccScreen::refresh);
    connect(&log, &LogModel::qsosChanged, this, &DxccScreen::logbookChanged);
    connect(&log, &LogModel::logbookSwitched, this, &DxccScreen::logbookChanged);
}

void DxccScreen::setShown(bool shown)
{
    if (shown == m_shown)
        return;
    m_shown = shown;
    // Worked out afresh each time: another program may have written the logbook meanwhile, and
    // the counts come from one status text per entity, so this is quick.
    if (shown)
        refresh();
    else
        m_pending.stop();
}

void DxccScreen::refresh()
{
    m_pending.stop();
    // A logbook that never had its entity texts built gets them once.
    m_log.updateDxTable();
    m_counter->makeData();
    m_list->makeDxData();
    emit refreshed();
}

void DxccScreen::logbookChanged()
{
    if (m_shown)
        m_pending.start();
}

void DxccScreen::setPage(int page)
{
    if (page < 0 || page >= pageTitles().size() || page == m_page)
        return;
    m_page = page;
    emit pageChanged();
}

QStringList DxccScreen::pageTitles()
{
    return {tr("Counter"), tr("DX list")};
}

QString DxccScreen::listButtonText()
{
    return tr("DX list");
}

} // namespace dxcc
