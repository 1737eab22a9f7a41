#pragma once

#include "services/UploadScreen.h"

/** The Wavelog/Cloudlog section of the QSL tab: the instance's address and station profile id,
 *  and the shared upload part. */
class WavelogScreen : public UploadScreen {
    Q_OBJECT
    Q_PROPERTY(QString host READ host WRITE setHost NOTIFY accountChanged)
    Q_PROPERTY(QString stationId READ stationId WRITE setStationId NOTIFY accountChanged)
public:
    WavelogScreen(LogModel &log, UserDefaults &defaults, SecretStore &secrets, const Clock &clock,
                  QNetworkAccessManager &network, QObject *parent = nullptr);

    [[nodiscard]] QString host() const;
    void setHost(const QString &host);
    [[nodiscard]] QString stationId() const;
    void setStationId(const QString &id);

protected:
    std::optional<RecordUpload::Protocol> protocol() override;
    QString readKey() override;
    bool storeKey(const QString &key) override;
};
