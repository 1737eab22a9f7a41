#include "services/LotwScreen.h"

#include "app/SecretStore.h"
#include "model/LogModel.h"
#include "services/ServicePasswords.h"

#include <QTimeZone>

LotwScreen::LotwScreen(LogModel &log, DXCCModel &dxcc, UserDefaults &defaults, SecretStore &secrets,
                       const Clock &clock, QNetworkAccessManager &network, QObject *parent)
    : QObject(parent), m_log(log), m_dxcc(dxcc), m_secrets(secrets), m_http(network, defaults),
      m_download(m_http, defaults, clock)
{
    connect(&secrets, &SecretStore::warningChanged, this, &LotwScreen::keyringWarningChanged);
    readAccount();
    // The account is kept per logbook.
    connect(&log, &LogModel::logbookSwitched, this, [this] {
        if (!busy())
            readAccount();
    });
    connect(&m_download, &LotwDownload::statusChanged, this, &LotwScreen::setStatus);
    connect(&m_download, &LotwDownload::progress, this, [this](qint64 done, qint64 total) {
        m_progress = total > 0 ? double(done) / double(total) : -1.0;
        emit stateChanged();
    });
    connect(&m_download, &LotwDownload::pageReceived, this,
            [this](const QString &html, const QString &base) {
                m_page = html;
                m_pageBaseUrl = base;
                emit stateChanged();
            });
    connect(&m_download, &LotwDownload::finished, this, &LotwScreen::finished);
}

void LotwScreen::readAccount()
{
    const QVariantMap prefs = m_log.getLotwPrefs();
    m_account.user = prefs.value(QStringLiteral("lotwuser")).toString();
    m_account.password =
        servicepasswords::password(m_secrets, m_log, servicepasswords::Service::Lotw);
    m_account.ownCall = prefs.value(QStringLiteral("lotwmycall")).toString();
    m_account.lastQsl = prefs.value(QStringLiteral("lotwlastqsl")).toString();
    m_account.useDetails = prefs.value(QStringLiteral("lotwqsodetails")).toInt() == 1;
    emit accountChanged();
}

void LotwScreen::setUser(const QString &user)
{
    m_account.user = user;
    emit accountChanged();
}

void LotwScreen::setPassword(const QString &password)
{
    m_account.password = password;
    emit accountChanged();
}

void LotwScreen::setOwnCall(const QString &call)
{
    m_account.ownCall = call;
    emit accountChanged();
}

void LotwScreen::setLastQsl(const QString &lastQsl)
{
    m_account.lastQsl = lastQsl;
    emit accountChanged();
}

void LotwScreen::setUseDetails(bool use)
{
    m_account.useDetails = use;
    m_log.saveLotwPrefs({{QStringLiteral("lotwqsodetails"), use}});
    emit accountChanged();
}

void LotwScreen::saveAccount()
{
    m_log.saveLotwPrefs({{QStringLiteral("lotwuser"), m_account.user},
                         {QStringLiteral("lotwmycall"), m_account.ownCall}});
    servicepasswords::setPassword(m_secrets, m_log, servicepasswords::Service::Lotw,
                                  m_account.password);
}

void LotwScreen::normaliseLastQsl()
{
    const QString format = QString::fromLatin1(formats::kSqlDateTime);
    QDateTime typed = QDateTime::fromString(m_account.lastQsl, format);
    if (typed.isValid()) {
        typed.setTimeZone(QTimeZone::utc());
        m_account.lastQsl = typed.toString(format);
    } else {
        m_account.lastQsl = m_log.getLotwPrefs().value(QStringLiteral("lotwlastqsl")).toString();
    }
    emit accountChanged();
}

void LotwScreen::setStatus(const QString &text, bool error)
{
    m_status = text;
    m_statusIsError = error;
    emit stateChanged();
}

void LotwScreen::load()
{
    if (busy())
        return;
    m_page.clear();
    m_progress = 0.0;
    if (m_download.download(m_account, m_log, lotw::entityTable(m_dxcc)))
        emit stateChanged();
}

void LotwScreen::finished(const lotw::Applied &applied)
{
    m_progress = 0.0;
    if (applied.ok) {
        m_results.setRows(applied.rows);
        if (!applied.lastQsl.isEmpty()) {
            m_account.lastQsl = applied.lastQsl;
            emit accountChanged();
        }
    }
    emit stateChanged();
}

QString LotwScreen::keyringWarning() const
{
    return m_secrets.warning();
}
