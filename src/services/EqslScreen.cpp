#include "services/EqslScreen.h"

#include "app/SecretStore.h"
#include "model/LogModel.h"
#include "services/QslTexts.h"
#include "services/ServicePasswords.h"

namespace {

QString text(const char *literal)
{
    return qsltexts::shown(literal);
}

} // namespace

EqslScreen::EqslScreen(LogModel &log, UserDefaults &defaults, SecretStore &secrets,
                       const Clock &clock, QNetworkAccessManager &network, QObject *parent)
    : QObject(parent), m_log(log), m_secrets(secrets), m_http(network, defaults),
      m_download(m_http, defaults, clock), m_upload(m_http, defaults)
{
    connect(&secrets, &SecretStore::warningChanged, this, &EqslScreen::keyringWarningChanged);
    readAccount();
    showReadiness();
    // The account is kept per logbook.
    connect(&log, &LogModel::logbookSwitched, this, [this] {
        if (!busy())
            readAccount();
    });
    connect(&m_download, &EqslDownload::statusChanged, this, &EqslScreen::setStatus);
    connect(&m_upload, &EqslUpload::statusChanged, this, &EqslScreen::setStatus);
    const auto progress = [this](qint64 done, qint64 total) {
        m_progress = total > 0 ? double(done) / double(total) : -1.0;
        emit stateChanged();
    };
    connect(&m_download, &EqslDownload::progress, this, progress);
    connect(&m_upload, &EqslUpload::progress, this, progress);
    connect(&m_download, &EqslDownload::pageReceived, this, [this](const QString &html) {
        m_page = html;
        emit stateChanged();
    });
    connect(&m_download, &EqslDownload::alertRequested, this, &EqslScreen::alertRequested);
    connect(&m_download, &EqslDownload::finished, this, [this](const eqsl::Applied &applied) {
        m_progress = 0.0;
        if (applied.ok && !applied.rows.isEmpty()) {
            m_results.setRows(applied.rows);
            m_account.lastDownload = applied.lastDownload;
            emit accountChanged();
        }
        emit stateChanged();
    });
    connect(&m_upload, &EqslUpload::finished, this, [this](bool ok, const QString &page) {
        m_progress = 0.0;
        m_page = page;
        m_confirmVisible = ok;
        emit stateChanged();
    });
}

void EqslScreen::readAccount()
{
    const QVariantMap prefs = m_log.getAllEqslData();
    m_account.user = prefs.value(QStringLiteral("eqsluser")).toString();
    m_account.password =
        servicepasswords::password(m_secrets, m_log, servicepasswords::Service::Eqsl);
    m_account.qth = prefs.value(QStringLiteral("eqslqth")).toString();
    m_account.lastDownload = prefs.value(QStringLiteral("eqsllastqsl")).toString();
    m_comment = prefs.value(QStringLiteral("eqslcomment")).toString();
    emit accountChanged();
}

void EqslScreen::showReadiness()
{
    const bool missing = m_account.user.isEmpty() || m_account.password.isEmpty();
    setStatus(text(missing ? qsltexts::kMissingAccount : qsltexts::kReady), false);
}

void EqslScreen::setUser(const QString &user)
{
    m_account.user = user;
    emit accountChanged();
}

void EqslScreen::setPassword(const QString &password)
{
    m_account.password = password;
    emit accountChanged();
}

void EqslScreen::setQth(const QString &qth)
{
    m_account.qth = qth;
    emit accountChanged();
}

void EqslScreen::setLastDownload(const QString &last)
{
    m_account.lastDownload = last;
    emit accountChanged();
}

void EqslScreen::setComment(const QString &comment)
{
    m_comment = comment;
    emit accountChanged();
}

QString EqslScreen::uploadQuestion()
{
    return text(qsltexts::kUploadQuestion);
}

QString EqslScreen::yesText()
{
    return text(qsltexts::kYes);
}

QString EqslScreen::cancelText()
{
    return text(qsltexts::kCancel);
}

void EqslScreen::setStatus(const QString &line, bool error)
{
    m_status = line;
    m_statusIsError = error;
    emit stateChanged();
}

void EqslScreen::saveAccount()
{
    static_cast<void>(m_log.updatePrefs(QStringLiteral("eqsluser"), m_account.user));
    static_cast<void>(m_log.updatePrefs(QStringLiteral("eqslqth"), m_account.qth));
    servicepasswords::setPassword(m_secrets, m_log, servicepasswords::Service::Eqsl,
                                  m_account.password);
    if (!busy())
        showReadiness();
}

void EqslScreen::close()
{
    static_cast<void>(m_log.updatePrefs(QStringLiteral("eqslcomment"), m_comment));
}

void EqslScreen::download()
{
    if (busy())
        return;
    m_page.clear();
    m_confirmVisible = false;
    m_progress = 0.0;
    if (m_download.download(m_account, m_log))
        emit stateChanged();
}

void EqslScreen::upload(const QVariantList &ids)
{
    if (busy())
        return;
    QList<QsoClass> selected;
    for (const QVariant &id : ids)
        if (const std::optional<QsoClass> qso = m_log.qsoById(id.toLongLong()))
            selected << *qso;
    const QString count = m_upload.prepare(m_log, selected, m_comment);
    if (count.isEmpty())
        return; // nothing to send
    setStatus(count, false);
    m_page.clear();
    m_confirmVisible = false;
    m_progress = 0.0;
    m_upload.upload(m_account.user, m_account.password);
    emit stateChanged();
}

void EqslScreen::confirmUpload()
{
    if (!m_confirmVisible)
        return;
    m_confirmVisible = false;
    if (const WriteResult result = m_upload.confirm(); !result)
        setStatus(text(qsltexts::kNotWritten).arg(result.error), true);
    emit stateChanged();
}

void EqslScreen::cancelUpload()
{
    m_upload.cancel();
    m_confirmVisible = false;
    emit stateChanged();
}

QString EqslScreen::keyringWarning() const
{
    return m_secrets.warning();
}
