#include "shell/LogbookSelection.h"

#include "app/DataFolder.h"
#include "app/UserDefaults.h"
#include "model/LogModel.h"
#include "model/LogbookChoice.h"
#include "model/LogbookFiles.h"
#include "shell/ShellTexts.h"

#include <QFileInfo>

namespace {

const QString kLogDbName = QStringLiteral("LogDbName");

} // namespace

LogbookSelection::LogbookSelection(UserDefaults &defaults, LogModel &log, const DataFolder &folder,
                                   QObject *parent)
    : QObject(parent), m_defaults(defaults), m_log(log), m_folder(folder)
{
    reload();
    readStation();
    // Other screens (the synced log, the command line's settings) choose logbooks too.
    connect(&log, &LogModel::logbookSwitched, this, [this] {
        if (!m_changed)
            reload();
        readStation();
    });
    connect(&log, &LogModel::settingsChanged, this, [this](const QString &entry) {
        if (entry == QLatin1String("mycall") || entry == QLatin1String("mylocator"))
            readStation();
    });
}

void LogbookSelection::setChoiceOnLeave(bool onLeave)
{
    if (onLeave == m_choiceOnLeave)
        return;
    m_choiceOnLeave = onLeave;
    emit choiceOnLeaveChanged();
}

void LogbookSelection::reload()
{
    m_names = m_log.getAllLogNames();
    emit listChanged();
    const int current = int(m_names.indexOf(m_defaults.string(kLogDbName)));
    setSelected(current >= 0 ? current : (m_names.isEmpty() ? -1 : 0));
}

void LogbookSelection::choose(int row)
{
    if (row < 0 || row >= m_names.size())
        return;
    setSelected(row);
    if (m_choiceOnLeave)
        m_changed = true;
    else
        makeCurrent(m_names.at(row));
}

void LogbookSelection::leave()
{
    if (!m_choiceOnLeave || !m_changed)
        return;
    m_changed = false;
    if (m_selected >= 0)
        makeCurrent(m_names.at(m_selected));
}

void LogbookSelection::createLogbook(const QString &name)
{
    // Shorter names do nothing, as they always did; longer ones must be a plain file name.
    if (const QString error = logbookfiles::shownLogbookNameError(name);
        name.size() >= 2 && !error.isEmpty()) {
        emit alertRequested(error, name);
        return;
    }
    QString fileName;
    const auto result = logbookchoice::createLogbook(m_folder, name, &fileName);
    if (result == logbookchoice::CreateResult::NameGivenBefore) {
        emit alertRequested(shelltexts::shown(shelltexts::kNameGivenBefore), fileName);
        return;
    }
    if (result != logbookchoice::CreateResult::Created)
        return;
    const QString previous = selectedName();
    m_names = m_log.getAllLogNames();
    emit listChanged();
    if (m_choiceOnLeave) {
        setSelected(int(m_names.indexOf(previous)));
        return;
    }
    setSelected(int(m_names.indexOf(fileName)));
    m_log.selectLogbook(fileName);
}

void LogbookSelection::deleteSelected()
{
    const QString name = selectedName();
    if (name.isEmpty() || !deleteEnabled())
        return;
    // The synced log is not a file of this device: it is emptied, on every device sharing it.
    if (name == QLatin1String(logbookfiles::kSyncedLog)) {
        if (!m_log.isSyncLog())
            makeCurrent(name);
        if (const WriteResult emptied = m_log.deleteAllEntries(); !emptied)
            emit alertRequested(shelltexts::shown(shelltexts::kDeleteAllQsos), emptied.error);
        return;
    }
    if (logbookchoice::deleteLogbook(m_folder, m_defaults, m_log, name) !=
        logbookchoice::DeleteResult::Deleted)
        return;
    m_names = m_log.getAllLogNames();
    emit listChanged();
    choose(0);
}

void LogbookSelection::newLogImported()
{
    const QString previous = selectedName();
    m_names = m_log.getAllLogNames();
    emit listChanged();
    const int row = int(m_names.indexOf(previous));
    setSelected(row >= 0 ? row : 0);
    if (m_choiceOnLeave)
        m_changed = true;
}

QUrl LogbookSelection::currentLogbookFolder() const
{
    const QString name = m_defaults.string(kLogDbName);
    return QUrl::fromLocalFile(QFileInfo(m_folder.filePath(name)).absolutePath());
}

QString LogbookSelection::selectedName() const
{
    return m_selected >= 0 && m_selected < m_names.size() ? m_names.at(m_selected) : QString();
}

QString LogbookSelection::deleteButtonText() const
{
    return shelltexts::shown(selectedName() == QLatin1String(logbookfiles::kSyncedLog)
                                 ? shelltexts::kDeleteAllQsos
                                 : shelltexts::kDeleteLogFile);
}

QString LogbookSelection::newLogbookPrompt() const
{
    return shelltexts::shown(m_choiceOnLeave ? shelltexts::kNewLogbookPhone
                                             : shelltexts::kNewLogbookTablet);
}

QString LogbookSelection::deleteQuestion() const
{
    return shelltexts::shown(selectedName() == QLatin1String(logbookfiles::kSyncedLog)
                                 ? shelltexts::kDeleteSyncedQuestion
                                 : shelltexts::kDeleteQuestion);
}

QString LogbookSelection::deleteActionText()
{
    return shelltexts::shown(shelltexts::kDeleteLogbook);
}

QString LogbookSelection::okayText()
{
    return shelltexts::shown(shelltexts::kOkay);
}

QString LogbookSelection::cancelText()
{
    return shelltexts::shown(shelltexts::kCancel);
}

void LogbookSelection::setSelected(int row)
{
    if (row == m_selected)
        return;
    m_selected = row;
    emit selectionChanged();
}

void LogbookSelection::makeCurrent(const QString &name)
{
    m_log.selectLogbook(name);
    readStation();
}

void LogbookSelection::readStation()
{
    m_myCallsign = m_log.getMyCallsign();
    m_myLocator = m_log.getMyLocator();
    emit stationChanged();
}
