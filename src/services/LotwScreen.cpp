#include "services/LotwScreen.h"

#include "app/SecretStore.h"
#include "app/UserDefaults.h"
#include "formats/Formats.h"
#include "model/LogModel.h"
#include "services/ServicePasswords.h"
#include "services/Tqsl.h"
#include "services/TqslTexts.h"

#include <QTimeZone>

namespace {

constexpr qsizetype kOutputLines = 40;
constexpr qsizetype kOutputLineChars = 300;

} // namespace

LotwScreen::LotwScreen(LogModel &log, DXCCModel &dxcc, UserDefaults &defaults, SecretStore &secrets,
                       const Clock &clock, QNetworkAccessManager &network, QObject *parent)
    : QObject(parent), m_log(log), m_dxcc(dxcc), m_defaults(defaults), m_secrets(secrets),
      m_http(network, defaults), m_download(m_http, defaults, clock), m_upload(defaults, clock)
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
    connect(&m_upload, &LotwUpload::statusChanged, this, [this](const QString &line) {
        m_uploadStatus = line;
        m_uploadStatusIsError = false;
        emit uploadChanged();
    });
    connect(&m_upload, &LotwUpload::output, this, [this](const QString &line) {
        // A chatty TQSL must not grow the screen without end: its last lines are the message.
        m_tqslOutput.append(line.left(kOutputLineChars));
        if (m_tqslOutput.size() > kOutputLines)
            m_tqslOutput.removeFirst();
        emit uploadChanged();
    });
    connect(&m_upload, &LotwUpload::finished, this, &LotwScreen::uploaded);
    connect(&log, &LogModel::logbookSwitched, this, [this] {
        m_uploadCounts.clear();
        emit uploadChanged();
    });
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

QString LotwScreen::tqslPath() const
{
    return m_defaults.string(QLatin1String(tqsl::kPathKey));
}

QString LotwScreen::stationLocation() const
{
    return m_defaults.string(QLatin1String(tqsl::kLocationKey));
}

void LotwScreen::setTqslPath(const QString &path)
{
    m_defaults.setValue(QLatin1String(tqsl::kPathKey), path.trimmed());
    emit uploadSettingsChanged();
}

void LotwScreen::setStationLocation(const QString &location)
{
    m_defaults.setValue(QLatin1String(tqsl::kLocationKey), location.trimmed());
    emit uploadSettingsChanged();
}

bool LotwScreen::tqslFound() const
{
    return !tqsl::findProgram(tqslPath()).isEmpty();
}

QString LotwScreen::tqslHint() const
{
    return tqslFound() ? QString() : tqsltexts::shown(tqsltexts::kNotInstalled).arg(tqslPath());
}

QString LotwScreen::lastUpload() const
{
    return m_defaults.string(QLatin1String(tqsl::kLastUploadKey));
}

void LotwScreen::upload()
{
    if (uploading())
        return;
    m_tqslOutput.clear();
    m_upload.upload(m_log, stationLocation());
    emit uploadChanged();
}

void LotwScreen::refreshUploadCounts()
{
    if (uploading())
        return;
    QString readError;
    const std::optional<int> waiting = m_log.numberOfQsosForLotwUpload(&readError);
    m_uploadCounts = waiting ? tqsltexts::shown(tqsltexts::kWaiting).arg(*waiting)
                             : tqsltexts::shown(tqsltexts::kReadError).arg(readError);
    emit uploadChanged();
    emit uploadSettingsChanged(); // TQSL may have been installed since the screen last showed
}

void LotwScreen::uploaded(const LotwUpload::Outcome &outcome)
{
    m_uploadStatusIsError = !outcome.ok;
    refreshUploadCounts();
}
