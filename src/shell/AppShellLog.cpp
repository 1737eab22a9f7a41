// The shell's part of the log: the list, the QSO screens opened from it and the pile-up.

#include "shell/AppShell.h"

#include "entry/LogListModel.h"
#include "entry/PileUp.h"
#include "entry/QsoEditor.h"
#include "entry/QsoEntryForm.h"
#include "model/LogModel.h"
#include "root/AppDelegate.h"

using screens::Screen;

void AppShell::setUpLog()
{
    // The phone and the larger screens keep their own order of the log.
    m_logList = new LogListModel(
        m_app.defaults(), m_app.clock(), m_app.log(),
        onPhone() ? QStringLiteral("QsoSortIndex") : QStringLiteral("LogSortIndes"), this);
    m_logList->setPagesInBackground(true);
    m_qsoEditor =
        new QsoEditor(m_app.defaults(), m_app.log(), m_app.dxcc(), m_app.functions(), this);
    m_pileUp = new PileUp(m_app.defaults(), m_app.clock(), m_app.log(), m_app.dxcc(), this);

    connect(m_logList, &LogListModel::qsoRequested, this, [this](int row, bool edit) {
        if (onPhone()) {
            // The phone changes a QSO in the entry form.
            m_entryForm->editQso(m_logList->storedQsoAt(row));
            emit screenRequested(LogTab, Screen::EditQso);
            return;
        }
        m_qsoEditor->setQso(m_logList->qsoAt(row), edit); // read whole by the editor
        emit screenRequested(LogTab, Screen::QsoDetail);
    });
    connect(m_logList, &LogListModel::infoRequested, this, [this](int row) {
        m_qsoEditor->setQso(m_logList->qsoAt(row));
        emit screenRequested(LogTab, onPhone() ? Screen::QsoInfo : Screen::QsoDetail);
    });
}

bool AppShell::showLogScreen(Screen screen)
{
    if (screen == Screen::QsoDetail) {
        emit rootRequested(LogTab);
        setCurrentTab(LogTab);
        if (m_logList->count() > 0)
            m_logList->trigger(std::max(0, m_logList->newestRow()),
                               onPhone() ? QStringLiteral("showInfo") : QStringLiteral("showQso"));
        return true;
    }
    if (screen == Screen::PileUp && onPhone()) {
        // A pile-up on the last logged frequency and mode, as the form would start it.
        emit rootRequested(LogTab);
        setCurrentTab(LogTab);
        LogModel &log = m_app.log();
        const QString mode = log.getLastLoggedMode();
        m_pileUp->start({{QStringLiteral("qrgString"), log.getLastLoggedFrequency()},
                         {QStringLiteral("band"), log.getLastLoggedBand()},
                         {QStringLiteral("mode"), mode.isEmpty() ? QStringLiteral("CW") : mode},
                         {QStringLiteral("rstrx"), QStringLiteral("599")},
                         {QStringLiteral("rsttx"), QStringLiteral("599")},
                         {QStringLiteral("qsl"), QStringLiteral("W")},
                         {QStringLiteral("lotwqsl"), QStringLiteral("W")},
                         {QStringLiteral("eqsl"), QStringLiteral("W")}},
                        0, {}, 0);
        if (m_pileUp->running())
            emit screenRequested(LogTab, Screen::PileUp);
        return true;
    }
    return false;
}
