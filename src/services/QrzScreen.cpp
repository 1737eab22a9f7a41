#include "services/QrzScreen.h"

#include "app/Clock.h"
#include "app/UserDefaults.h"
#include "formats/Formats.h"
#include "services/QrzLogbook.h"
#include "services/UploadTexts.h"

QrzScreen::QrzScreen(LogModel &log, UserDefaults &defaults, SecretStore &secrets,
                     const Clock &clock, QNetworkAccessManager &network, QObject *parent)
    : UploadScreen(uploadmarks::Service::Qrz, {qrzlog::kUploadAsLoggedKey, qrzlog::kLastUploadKey},
                   log, defaults, secrets, clock, network, parent),
      m_download(m_http, clock)
{
    connect(&m_download, &QrzDownload::finished, this, [this](const QrzDownload::Outcome &done) {
        if (!done.ok) {
            setStatus(uploadtexts::shown(uploadtexts::kDownloadError).arg(done.error), true);
            return;
        }
        m_defaults.setValue(QLatin1String(qrzlog::kLastDownloadKey),
                            formats::sqlDateTime(m_clock.now()));
        setStatus(uploadtexts::shown(uploadtexts::kDownloaded)
                      .arg(done.received)
                      .arg(done.newlyConfirmed)
                      .arg(done.notInLog),
                  false);
    });
}

QString QrzScreen::lastDownloadText() const
{
    const QString last = m_defaults.string(QLatin1String(qrzlog::kLastDownloadKey));
    return last.isEmpty() ? uploadtexts::shown(uploadtexts::kNever) : last;
}

bool QrzScreen::busy() const
{
    return UploadScreen::busy() || m_download.isBusy();
}

std::optional<RecordUpload::Protocol> QrzScreen::protocol()
{
    if (apiKey().isEmpty()) {
        setStatus(uploadtexts::shown(uploadtexts::kNoKey).arg(QStringLiteral("QRZ.com")), true);
        return std::nullopt;
    }
    return qrzlog::insertProtocol(m_defaults.string(QLatin1String(qrzlog::kHostKey)), apiKey());
}

QString QrzScreen::readKey()
{
    return qrzlog::apiKey(m_secrets, m_defaults);
}

bool QrzScreen::storeKey(const QString &key)
{
    return qrzlog::setApiKey(m_secrets, m_defaults, key);
}

void QrzScreen::download()
{
    if (busy())
        return;
    setShown(true);
    if (apiKey().isEmpty()) {
        setStatus(uploadtexts::shown(uploadtexts::kNoKey).arg(QStringLiteral("QRZ.com")), true);
        return;
    }
    setStatus(uploadtexts::shown(uploadtexts::kDownloading), false);
    m_download.start(m_log, m_defaults.string(QLatin1String(qrzlog::kHostKey)), apiKey());
    emit stateChanged();
}
