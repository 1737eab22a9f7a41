#include "sync/SyncScreen.h"

#include "app/UserDefaults.h"
#include "model/LogModel.h"
#include "model/LogbookFiles.h"
#include "sync/LocalReplica.h"
#include "sync/ServerAddress.h"
#include "sync/ServerMessage.h"
#include "sync/SyncSetup.h"

#include <QCoreApplication>
#include <QPointer>
#include <QRegularExpression>
#include <QThreadPool>
#include <QUrl>

#include <memory>

namespace {

const QString kServerKey = QStringLiteral("SyncServer");
const QString kLogbookKey = QStringLiteral("SyncLogbook");

} // namespace

SyncScreen::SyncScreen(LogModel &log, UserDefaults &defaults, const DataFolder &folder,
                       logsync::SyncService &service,
                       std::function<void(const QString &, const QString &)> savePassword,
                       QObject *parent)
    : QObject(parent), m_log(log), m_defaults(defaults), m_folder(folder), m_service(service),
      m_savePassword(std::move(savePassword))
{
    readStoredFields();
    refresh();
    connect(&m_service, &logsync::SyncService::statusChanged, this, &SyncScreen::refresh);
    connect(&log, &LogModel::logbookSwitched, this, &SyncScreen::refresh);
}

void SyncScreen::refresh()
{
    m_copy = {};
    if (const auto path = syncsetup::copyPath(m_folder)) {
        const logsync::LocalReplica copy(*path);
        m_copy.joined = true;
        m_copy.values = copy.states(nullptr).value_or(QMap<QString, QString>{});
        m_copy.pending = copy.pendingChanges();
    }
    emit stateChanged();
}

void SyncScreen::readStoredFields()
{
    m_server = m_defaults.string(kServerKey);
    m_logbook = m_defaults.string(kLogbookKey);
    if (const auto path = syncsetup::copyPath(m_folder)) {
        const logsync::LocalReplica copy(*path);
        m_server = copy.state(QStringLiteral("server"));
        m_logbook = copy.state(QStringLiteral("logbook"));
    }
}

void SyncScreen::setServer(const QString &server)
{
    if (server == m_server)
        return;
    // A password typed into the address goes where passwords are kept, not into the settings.
    m_server = serveraddress::withoutPassword(server);
    if (const QString typed = serveraddress::password(server); !typed.isEmpty())
        m_password = typed;
    m_defaults.setValue(kServerKey, m_server);
    emit fieldsChanged();
}

void SyncScreen::setLogbook(const QString &logbook)
{
    if (logbook == m_logbook)
        return;
    m_logbook = logbook;
    m_defaults.setValue(kLogbookKey, m_logbook);
    emit fieldsChanged();
}

void SyncScreen::setPassword(const QString &password)
{
    if (password == m_password)
        return;
    m_password = password;
    emit fieldsChanged();
}

QString SyncScreen::user() const
{
    const QUrl url(m_server);
    if (url.isValid() && !url.scheme().isEmpty())
        return url.userName();
    const auto match =
        QRegularExpression(QStringLiteral("(?:^|\\s)user\\s*=\\s*(\\S+)")).match(m_server);
    return match.hasMatch() ? match.captured(1) : QString();
}

bool SyncScreen::joined() const
{
    return m_copy.joined;
}

bool SyncScreen::current() const
{
    return m_log.isSyncLog();
}

QString SyncScreen::statusText() const
{
    using State = logsync::SyncStatus::State;
    if (!joined())
        return tr("Not joined");
    if (!current())
        return tr("Not in use: another logbook is chosen");
    switch (m_service.status().state) {
    case State::Syncing:
        return tr("Syncing…");
    case State::Synced:
        return tr("Synced");
    case State::Offline:
        return tr("Offline");
    case State::Off:
        break;
    }
    return tr("Starting");
}

QString SyncScreen::lastSync() const
{
    if (!m_copy.joined)
        return {};
    const QDateTime when =
        QDateTime::fromString(m_copy.values.value(QStringLiteral("lastSync")), Qt::ISODate);
    return when.isValid() ? when.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss 'UTC'"))
                          : tr("Never");
}

int SyncScreen::pending() const
{
    return m_copy.pending;
}

QString SyncScreen::error() const
{
    if (!m_service.status().error.isEmpty())
        return logsync::readableServerMessage(m_service.status().error);
    return logsync::readableServerMessage(m_copy.values.value(QStringLiteral("lastError")));
}

QString SyncScreen::notice() const
{
    const QString stored = m_copy.values.value(QStringLiteral("notice"));
    return stored.isEmpty() ? QString() : logsync::readableServerMessage(stored);
}

QString SyncScreen::shellText() const
{
    if (!current())
        return {};
    using State = logsync::SyncStatus::State;
    const logsync::SyncStatus &status = m_service.status();
    if (status.state == State::Offline || status.state == State::Off)
        return status.pending > 0 ? tr("Offline, %1 changes waiting").arg(status.pending)
                                  : tr("Offline");
    if (status.state == State::Syncing)
        return tr("Syncing…");
    return status.pending > 0 ? tr("Synced, %1 changes waiting").arg(status.pending) : tr("Synced");
}

QString SyncScreen::copyWarning()
{
    return tr("All QSOs from this logbook will be imported into the synced logbook!");
}

void SyncScreen::runInBackground(std::function<bool(QString *)> work,
                                 std::function<void(const QString &)> done)
{
    if (m_busy)
        return;
    m_busy = true;
    m_message.clear();
    emit stateChanged();
    QPointer<SyncScreen> self(this);
    QThreadPool::globalInstance()->start([self, work = std::move(work), done = std::move(done)] {
        QString error;
        if (!work(&error) && error.isEmpty())
            error = QStringLiteral("Failed");
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, done, error] {
                if (!self)
                    return;
                self->m_busy = false;
                done(error);
            },
            Qt::QueuedConnection);
    });
}

void SyncScreen::finish(const QString &message)
{
    m_message = message;
    refresh();
}

void SyncScreen::initServer()
{
    const QString address = serveraddress::withPassword(m_server, m_password);
    runInBackground([address](QString *error) { return syncsetup::initServer(address, error); },
                    [this](const QString &error) {
                        finish(error.isEmpty() ? tr("The server is ready")
                                               : logsync::readableServerMessage(error));
                    });
}

void SyncScreen::join()
{
    const QString address = serveraddress::withPassword(m_server, m_password);
    const QString logbook = m_logbook.trimmed();
    const DataFolder *folder = &m_folder;
    runInBackground(
        [folder, address, logbook](QString *error) {
            return syncsetup::join(*folder, address, logbook, error);
        },
        [this, logbook](const QString &error) {
            if (!error.isEmpty()) {
                finish(logsync::readableServerMessage(error));
                return;
            }
            // An empty field keeps the password kept before (or PGPASSWORD, ~/.pgpass).
            if (m_savePassword && !m_password.isEmpty())
                m_savePassword(m_server, m_password);
            m_log.selectLogbook(QString::fromLatin1(logbookfiles::kSyncedLog));
            finish(tr("Joined %1").arg(logbook));
        });
}

void SyncScreen::syncNow()
{
    m_service.syncNow();
}

void SyncScreen::useSyncedLog()
{
    if (joined())
        m_log.selectLogbook(QString::fromLatin1(logbookfiles::kSyncedLog));
}

void SyncScreen::copyCurrentLogbook()
{
    const auto path = syncsetup::copyPath(m_folder);
    if (!path || current() || m_busy)
        return;
    const QString from = m_log.fullLogDatabasePath();
    const formats::DateStyle style = m_defaults.logDateFormaterStyle();
    auto copied = std::make_shared<int>(0);
    runInBackground(
        [from, to = *path, style, copied](QString *error) {
            const std::optional<int> count = syncsetup::copyLogbook(from, to, style, error);
            *copied = count.value_or(0);
            return count.has_value();
        },
        [this, copied](const QString &error) {
            if (!error.isEmpty()) {
                finish(error);
                return;
            }
            // The copied QSOs go out as soon as the synced log is in use: from now on.
            useSyncedLog();
            finish(tr("%1 QSOs copied into the synced log").arg(*copied));
        });
}
