#include "entry/LogListModel.h"

#include "adif/AdifExport.h"
#include "app/Clock.h"
#include "app/UserDefaults.h"
#include "entry/LogListTexts.h"
#include "entry/QsoColors.h"
#include "model/AdifWriter.h"
#include "model/LogModel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>

#include <algorithm>
#include <memory>

namespace {

using namespace loglisttexts;

const QString kRangeKey = QStringLiteral("xQSOsIndex");
// Pages kept in memory; scrolling further reads them again.
constexpr int kMaxPages = 50;

QVariantMap menuEntry(const char *action, const char *text, bool destructive = false)
{
    return {{QStringLiteral("action"), QString::fromLatin1(action)},
            {QStringLiteral("text"), shown(text)},
            {QStringLiteral("destructive"), destructive}};
}

/** The synced logbook's sort keys: date, or the key and then a second one. */
void sortSynced(QList<QsoClass> &qsos, int order)
{
    const auto by = [&](auto key) {
        std::stable_sort(qsos.begin(), qsos.end(),
                         [&](const QsoClass &a, const QsoClass &b) { return key(a) < key(b); });
    };
    switch (order) {
    case LogListQuery::DateAscending:
        by([](const QsoClass &q) { return q.sqlDateTime(); });
        break;
    case LogListQuery::DateDescending:
        std::stable_sort(qsos.begin(), qsos.end(), [](const QsoClass &a, const QsoClass &b) {
            return a.sqlDateTime() > b.sqlDateTime();
        });
        break;
    case LogListQuery::ByFrequency:
        by([](const QsoClass &q) { return std::pair(q.qrg, q.callsign); });
        break;
    case LogListQuery::ByMode:
        by([](const QsoClass &q) { return std::pair(q.mode, q.callsign); });
        break;
    case LogListQuery::ByCallsign:
        by([](const QsoClass &q) { return std::pair(q.callsign, q.qrg); });
        break;
    default:
        break;
    }
}

} // namespace

LogListModel::LogListModel(UserDefaults &defaults, const Clock &clock, LogModel &log,
                           QString sortKey, QObject *parent)
    : QAbstractListModel(parent), m_defaults(defaults), m_clock(clock), m_log(log),
      m_sortKey(std::move(sortKey)), m_exportFolder(QDir::tempPath())
{
    connect(&log, &LogModel::logbookSwitched, this, &LogListModel::newLogSelected);
    // Whoever wrote them (the form, the editor, an import, a QSL download, the synced log);
    // a row this list deleted itself it has taken out already.
    connect(&log, &LogModel::qsosChanged, this, [this] {
        if (!m_deleting)
            loadData();
    });
    rebuild();
}

LogListModel::~LogListModel() = default;

int LogListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_count;
}

const QList<QsoClass> *LogListModel::page(int number, bool wait) const
{
    if (!m_query)
        return nullptr;
    auto found = m_pages.constFind(number);
    if (found != m_pages.constEnd())
        return &found.value();
    if (!wait && m_pagesInBackground) {
        requestPage(number);
        return nullptr;
    }
    if (m_pages.size() >= kMaxPages)
        m_pages.clear();
    return &m_pages.insert(number, m_query->rows(number * kPageSize, kPageSize)).value();
}

void LogListModel::requestPage(int number) const
{
    if (m_pagesLoading.contains(number))
        return;
    m_pagesLoading.insert(number);
    // The worker owns its copy of the query and hands the rows over through the promise; a
    // list rebuilt meanwhile ignores them by the generation.
    auto promise = std::make_shared<QPromise<QList<QsoClass>>>();
    auto *watcher = new QFutureWatcher<QList<QsoClass>>(const_cast<LogListModel *>(this));
    const int generation = m_generation;
    connect(watcher, &QFutureWatcherBase::finished, this, [=, this] {
        if (watcher->future().resultCount() > 0)
            const_cast<LogListModel *>(this)->pageArrived(generation, number, watcher->result());
        watcher->deleteLater();
    });
    watcher->setFuture(promise->future());
    QThreadPool::globalInstance()->start([promise, query = *m_query, number] {
        promise->start();
        promise->addResult(query.rows(number * kPageSize, kPageSize));
        promise->finish();
    });
}

void LogListModel::pageArrived(int generation, int number, const QList<QsoClass> &rows)
{
    if (generation != m_generation)
        return;
    m_pagesLoading.remove(number);
    if (m_pages.size() >= kMaxPages)
        m_pages.clear();
    m_pages.insert(number, rows);
    const int first = number * kPageSize;
    const int last = std::min(m_count, first + int(rows.size())) - 1;
    if (first <= last)
        emit dataChanged(index(first), index(last));
}

void LogListModel::dropPages()
{
    ++m_generation;
    m_pages.clear();
    m_pagesLoading.clear();
}

QsoClass LogListModel::qsoAt(int row) const
{
    if (row < 0 || row >= m_count)
        return {};
    if (!m_query)
        return m_syncedRows.value(row);
    const QList<QsoClass> *rows = page(row / kPageSize, true);
    return rows ? rows->value(row % kPageSize) : QsoClass();
}

QsoClass LogListModel::storedQsoAt(int row) const
{
    const QsoClass shown = qsoAt(row);
    if (!shown.id)
        return shown;
    return m_log.qsoById(*shown.id).value_or(shown);
}

QVariant LogListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int row = index.row();
    const QsoClass *qso = nullptr;
    if (m_query) {
        const QList<QsoClass> *rows = page(row / kPageSize, false);
        if (rows && row % kPageSize < rows->size())
            qso = &rows->at(row % kPageSize);
    } else {
        qso = &m_syncedRows.at(row);
    }
    if (!qso)
        return {};
    switch (role) {
    case MarkedRole:
        return qso->id && m_marks.contains(*qso->id);
    case Qt::DisplayRole:
    case CallsignRole:
        return qso->callsign;
    case DateRole:
        return qso->dateText(m_dateStyle);
    case TimeRole:
        return qso->timeText();
    case BandRole:
        return qso->band;
    case FrequencyRole:
        return qso->qrgText();
    case ModeRole:
        return qso->mode;
    case PrefixRole:
        return qso->dxcc;
    case TintRole:
        return qsocolors::tint(qso->colorCode);
    case InvalidOperationRole:
        return !qso->opIsValid;
    case SentRole:
        return qso->rsttx;
    case ReceivedRole:
        return qso->rstrx;
    case NameRole:
        return qso->name;
    case QslRole:
        return qso->qsl;
    case LotwRole:
        return qso->lotwqsl;
    case EqslRole:
        return qso->eqsl;
    default:
        return {};
    }
}

QHash<int, QByteArray> LogListModel::roleNames() const
{
    return {{DateRole, "dateString"},
            {TimeRole, "timeString"},
            {CallsignRole, "callsign"},
            {BandRole, "band"},
            {FrequencyRole, "qrgString"},
            {ModeRole, "mode"},
            {PrefixRole, "dxcc"},
            {TintRole, "tint"},
            {InvalidOperationRole, "invalidOperation"},
            {MarkedRole, "marked"},
            {SentRole, "rsttx"},
            {ReceivedRole, "rstrx"},
            {NameRole, "name"},
            {QslRole, "qsl"},
            {LotwRole, "lotwqsl"},
            {EqslRole, "eqsl"}};
}

int LogListModel::rangeIndex() const
{
    return int(m_defaults.integer(kRangeKey));
}

void LogListModel::setRangeIndex(int index)
{
    if (index == rangeIndex())
        return;
    m_defaults.setValue(kRangeKey, index);
    emit selectionChanged();
    rebuild();
}

int LogListModel::sortIndex() const
{
    return int(m_defaults.integer(m_sortKey));
}

void LogListModel::setSortIndex(int index)
{
    if (index == sortIndex())
        return;
    m_defaults.setValue(m_sortKey, index);
    emit selectionChanged();
    rebuild();
}

QStringList LogListModel::rangeNames()
{
    return {tr("Last 500 QSOs"), tr("Last 2500 QSOs"), tr("This year"), tr("This and last year"),
            tr("All QSOs")};
}

QStringList LogListModel::sortNames()
{
    return {tr("Oldest first"), tr("Newest first"), tr("By frequency"), tr("By mode"),
            tr("By callsign")};
}

void LogListModel::loadData()
{
    rebuild();
}

void LogListModel::newLogSelected()
{
    setMarks({});
    rebuild();
}

void LogListModel::rebuild()
{
    const int countBefore = m_count;
    beginResetModel();
    dropPages();
    m_syncedRows.clear();
    m_query.reset();
    m_dateStyle = m_defaults.logDateFormaterStyle();
    m_log.updateDxTable();
    const int range = LogListQuery::effectiveRange(rangeIndex());
    const int order = sortIndex();
    m_query = m_log.pagedQSOs(range, order);
    if (m_query) {
        m_count = m_query->count();
    } else {
        m_syncedRows = m_log.getlastQSOs(range);
        sortSynced(m_syncedRows, order);
        m_count = int(m_syncedRows.size());
    }
    endResetModel();
    emit countChanged();

    // Marks of QSOs deleted elsewhere go, before a new QSO could take over a freed id. When the
    // logbook cannot be read now, they stay.
    if (!m_marks.isEmpty())
        if (std::optional<QSet<qint64>> kept = m_log.existingQsoIds(m_marks))
            setMarks(std::move(*kept));

    const bool sameRows = m_built == std::pair(range, order) && m_count <= countBefore;
    m_built = std::pair(range, order);
    m_newestRow = -1;
    if (m_count > 0 && order == LogListQuery::DateDescending)
        m_newestRow = 0;
    else if (m_count > 0 && order == LogListQuery::DateAscending)
        m_newestRow = m_count - 1;
    m_scrollTarget = sameRows ? -1 : m_newestRow;
    emit reloaded();
}

void LogListModel::setMarks(QSet<qint64> marks)
{
    if (marks == m_marks)
        return;
    m_marks = std::move(marks);
    emit marksChanged();
}

void LogListModel::redrawRows(int first, int last)
{
    if (first <= last && first >= 0 && last < m_count)
        emit dataChanged(index(first), index(last), {MarkedRole});
}

std::optional<qint64> LogListModel::idAt(int row, bool wait) const
{
    if (row < 0 || row >= m_count)
        return std::nullopt;
    if (!m_query)
        return m_syncedRows.at(row).id;
    const QList<QsoClass> *rows = page(row / kPageSize, wait);
    if (!rows || row % kPageSize >= rows->size())
        return std::nullopt;
    return rows->at(row % kPageSize).id;
}

bool LogListModel::isMarked(int row) const
{
    const std::optional<qint64> id = idAt(row, true);
    return id && m_marks.contains(*id);
}

void LogListModel::markQso(int row)
{
    const std::optional<qint64> id = idAt(row, true);
    if (!id)
        return;
    QSet<qint64> marks = m_marks;
    if (!marks.remove(*id))
        marks.insert(*id);
    setMarks(std::move(marks));
    redrawRows(row, row);
}

void LogListModel::markAllQsos(int row)
{
    if (row < 0 || row >= m_count)
        return;
    // By position as the list stands now; from then on the marks follow their QSOs.
    QSet<qint64> marks = m_marks;
    int added = 0;
    const auto take = [&](qint64 id) {
        if (marks.contains(id))
            return false;
        marks.insert(id);
        ++added;
        return true;
    };
    if (m_query) {
        // The ids alone, in one read from the row on, instead of every page of whole rows.
        m_query->ids(row, m_count - row, take);
    } else {
        for (int next = row; next < m_count; ++next) {
            const std::optional<qint64> id = m_syncedRows.at(next).id;
            if (!id || !take(*id))
                break;
        }
    }
    setMarks(std::move(marks));
    redrawRows(row, row + added - 1);
}

void LogListModel::clearMarks()
{
    if (m_marks.isEmpty())
        return;
    setMarks({});
    redrawRows(0, m_count - 1);
}

QVariantList LogListModel::menuActions(int row) const
{
    QVariantList actions = {
        menuEntry("showInfo", kShowInfo),
        menuEntry("showQso", kShowQso),
        menuEntry("editQso", kEditQso),
        menuEntry("deleteQso", kDeleteQso, true),
        menuEntry("markQso", isMarked(row) ? kDeselectQso : kSelectQso),
        menuEntry("markAllQsos", kSelectAllDown),
    };
    if (!m_marks.isEmpty())
        actions << menuEntry("clearMarks", kDeselectAll);
    actions << menuEntry("lookupHamQth", kHamQth) << menuEntry("lookupQrz", kQrz);
    return actions;
}

void LogListModel::trigger(int row, const QString &action)
{
    if (row < 0 || row >= m_count)
        return;
    if (action == QLatin1String("showInfo"))
        emit infoRequested(row);
    else if (action == QLatin1String("showQso"))
        emit qsoRequested(row, false);
    else if (action == QLatin1String("editQso"))
        emit qsoRequested(row, true);
    else if (action == QLatin1String("deleteQso"))
        emit deleteQuestionRequested(row);
    else if (action == QLatin1String("markQso"))
        markQso(row);
    else if (action == QLatin1String("markAllQsos"))
        markAllQsos(row);
    else if (action == QLatin1String("clearMarks"))
        clearMarks();
    else if (action == QLatin1String("lookupHamQth"))
        emit lookupRequested(qsoAt(row).callsign, QString::fromLatin1(kHamQth));
    else if (action == QLatin1String("lookupQrz"))
        emit lookupRequested(qsoAt(row).callsign, QString::fromLatin1(kQrz));
}

void LogListModel::deleteQso(int row)
{
    if (row < 0 || row >= m_count)
        return;
    const QsoClass qso = qsoAt(row);
    m_deleting = true;
    const WriteResult deleted = m_log.deleteQSO(qso);
    m_deleting = false;
    if (!deleted) {
        // The QSO is still in the logbook, so its row stays.
        emit alertRequested(QString::fromLatin1(kExportTitle),
                            shown(kNotDeleted).arg(deleted.error));
        return;
    }
    beginRemoveRows({}, row, row);
    dropPages();
    if (!m_query)
        m_syncedRows.removeAt(row);
    --m_count;
    const bool wasMarked = qso.id && m_marks.remove(*qso.id);
    endRemoveRows();
    emit countChanged();
    if (wasMarked)
        emit marksChanged();
}

void LogListModel::exportMarked()
{
    if (m_marks.isEmpty())
        return;
    QList<QsoClass> qsos;
    for (const qint64 id : std::as_const(m_marks)) {
        QString readError;
        if (std::optional<QsoClass> qso = m_log.qsoById(id, &readError)) {
            qsos.append(std::move(*qso));
        } else if (!readError.isEmpty()) {
            // The marks stay, so the export can be tried again.
            emit alertRequested(QString::fromLatin1(kExportTitle), shown(kNotRead).arg(readError));
            return;
        }
    }
    std::sort(qsos.begin(), qsos.end(), [](const QsoClass &a, const QsoClass &b) {
        return std::pair(a.dateTime, a.id) < std::pair(b.dateTime, b.id);
    });
    const std::optional<QString> path = adif::writeExportFile(
        adif::exportText(qsos, m_log.adifRecordContext()), m_exportFolder, m_clock.now());
    if (!path) {
        // The marks stay, so the export can be tried again.
        emit alertRequested(QString::fromLatin1(kExportTitle),
                            shown(kExportNotWritten).arg(QDir::toNativeSeparators(m_exportFolder)));
        return;
    }
    clearMarks();
    rebuild();
    m_exportedFile = *path;
    emit exportReady(QUrl::fromLocalFile(*path), QFileInfo(*path).fileName());
}

void LogListModel::saveExport(const QUrl &target)
{
    const QString to = target.isLocalFile() ? target.toLocalFile() : target.toString();
    if (m_exportedFile.isEmpty() || to.isEmpty())
        return;
    if (QFileInfo(to).absoluteFilePath() != QFileInfo(m_exportedFile).absoluteFilePath()) {
        QFile::remove(to);
        QFile source(m_exportedFile);
        if (!source.copy(to)) {
            emit alertRequested(
                QString::fromLatin1(kExportTitle),
                shown(kExportNotSaved).arg(QFileInfo(to).fileName(), source.errorString()));
            return;
        }
    }
    emit alertRequested(QString::fromLatin1(kExportTitle),
                        shown(kExportSaved).arg(QFileInfo(to).fileName()));
}

bool LogListModel::noticeDue() const
{
    return !m_noticeShown && !m_defaults.boolean(QString::fromLatin1(kNoticeKey));
}

void LogListModel::noticeShown(bool forGood)
{
    m_noticeShown = true;
    if (forGood)
        m_defaults.setValue(QString::fromLatin1(kNoticeKey), true);
    emit noticeDueChanged();
}

QString LogListModel::menuTitle()
{
    return shown(kMenuTitle);
}
QString LogListModel::deleteQuestion()
{
    return shown(kDeleteQuestion);
}
QString LogListModel::deleteActionText()
{
    return shown(kDeleteQso);
}
QString LogListModel::cancelText()
{
    return shown(kCancel);
}
QString LogListModel::okayText()
{
    return shown(kOkay);
}
QString LogListModel::noticeTitle()
{
    return shown(kNoticeTitle);
}
QString LogListModel::noticeText()
{
    return shown(kNoticeText);
}
QString LogListModel::dontShowAgainText()
{
    return shown(kDontShowAgain);
}
