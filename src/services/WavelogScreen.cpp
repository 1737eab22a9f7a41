#include "services/WavelogScreen.h"

#include "app/UserDefaults.h"
#include "services/UploadTexts.h"
#include "services/WavelogApi.h"

WavelogScreen::WavelogScreen(LogModel &log, UserDefaults &defaults, SecretStore &secrets,
                             const Clock &clock, QNetworkAccessManager &network, QObject *parent)
    : UploadScreen(uploadmarks::Service::Wavelog,
                   {wavelog::kUploadAsLoggedKey, wavelog::kLastUploadKey}, log, defaults, secrets,
                   clock, network, parent)
{}

QString WavelogScreen::host() const
{
    return m_defaults.string(QLatin1String(wavelog::kHostKey));
}

void WavelogScreen::setHost(const QString &host)
{
    if (host.trimmed() == this->host())
        return;
    m_defaults.setValue(QLatin1String(wavelog::kHostKey), host.trimmed());
    emit accountChanged();
}

QString WavelogScreen::stationId() const
{
    return m_defaults.string(QLatin1String(wavelog::kStationKey));
}

void WavelogScreen::setStationId(const QString &id)
{
    if (id.trimmed() == stationId())
        return;
    m_defaults.setValue(QLatin1String(wavelog::kStationKey), id.trimmed());
    emit accountChanged();
}

std::optional<RecordUpload::Protocol> WavelogScreen::protocol()
{
    if (host().isEmpty() || stationId().isEmpty()) {
        setStatus(uploadtexts::shown(uploadtexts::kNoInstance), true);
        return std::nullopt;
    }
    if (apiKey().isEmpty()) {
        setStatus(uploadtexts::shown(uploadtexts::kNoKey).arg(QStringLiteral("Wavelog")), true);
        return std::nullopt;
    }
    return wavelog::qsoProtocol(host(), apiKey(), stationId());
}

QString WavelogScreen::readKey()
{
    return wavelog::apiKey(m_secrets, m_defaults);
}

bool WavelogScreen::storeKey(const QString &key)
{
    return wavelog::setApiKey(m_secrets, m_defaults, key);
}
