// The shell's part of the log: the list, the QSO screens opened from it and the pile-up.

#include "shell/AppShell.h"

#include "entry/LogListModel.h"
#include "entry/PileUp.h"
#include "entry/QsoEditor.h"
#include "entry/QsoEntryForm.h"
#include "model/LogModel.h"
#include "root/AppDelegate.h"

namespace {

const QString kQsoDetail = QStringLiteral("qsodetail");
const QString kQsoInfo = QStringLiteral("qsoinfo");
const QString kEditQso = QStringLiteral("editqso");
const QString kNewQso = QStringLiteral("newqso");
const QString kPileUp = QStringLiteral("pileup");

} // namespace

void AppShell::setUpLog()
{
    // The phone and the larger screens keep their own order of the log.
    m_logList = new LogListModel(
        m_app.defaults(), m_app.notifications(), m_app.clock(), m_app.log(),
        m_phone ? QStringLiteral("QsoSortIndex") : QStringLiteral("LogSortIndes"), this);
    m_logList->setPagesInBackground(true);
    m_qsoEditor =
        new QsoEditor(m_app.defaults(), m_app.log(), m_app.dxcc(), m_app.functions(), this);
    m_pileUp = new PileUp(m_app.defaults(), m_app.clock(), m_app.log(), m_app.dxcc(), this);

    connect(m_logList, &LogListModel::qsoRequested, this, [this](int row, bool edit) {
        QsoClass qso = m_logList->qsoAt(row);
        if (m_phone) {
            // The phone changes a QSO in the entry form.
            m_entryForm->editQso(qso);
            emit screenRequested(LogTab, kEditQso);
            return;
        }
        m_qsoEditor->setQso(qso, edit);
        emit screenRequested(LogTab, kQsoDetail);
    });
    connect(m_logList, &LogListModel::infoRequested, this, [this](int row) {
        m_qsoEditor->setQso(m_logList->qsoAt(row));
        emit screenRequested(LogTab, m_phone ? kQsoInfo : kQsoDetail);
    });
    // The home-screen shortcut; a cluster spot reaches the phone's form by itself.
    connect(m_logList, &LogListModel::newQsoRequested, this, [this] {
        if (m_phone)
            emit screenRequested(LogTab, kNewQso);
    });
    const auto reload = [this] { m_logList->loadData(); };
    connect(m_qsoEditor, &QsoEditor::qsoChanged, this, reload);
    connect(m_entryForm, &QsoEntryForm::qsoSaved, this, reload);
    connect(m_pileUp, &PileUp::qsoLogged, this, reload);
}

bool AppShell::showLogScreen(const QString &name)
{
    if (name == QLatin1String("qso-detail")) {
        emit rootRequested(LogTab);
        setCurrentTab(LogTab);
        if (m_logList->count() > 0)
            m_logList->trigger(std::max(0, m_logList->newestRow()),
                               m_phone ? QStringLiteral("showInfo") : QStringLiteral("showQso"));
        return true;
    }
    if (name == QLatin1String("pile-up") && m_phone) {
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
            emit screenRequested(LogTab, kPileUp);
        return true;
    }
    return false;
}

QStringList AppShell::logScreenNames() const
{
    QStringList names{QStringLiteral("qso-detail")};
    if (m_phone)
        names << QStringLiteral("pile-up");
    return names;
}
