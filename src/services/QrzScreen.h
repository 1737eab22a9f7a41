#pragma once

#include "services/QrzDownload.h"
#include "services/UploadScreen.h"

/** The QRZ.com logbook section of the QSL tab: the shared upload part, and "Download" of the
 *  confirmations with the date of the last one. */
class QrzScreen : public UploadScreen {
    Q_OBJECT
    Q_PROPERTY(QString lastDownloadText READ lastDownloadText NOTIFY stateChanged)
public:
    QrzScreen(LogModel &log, UserDefaults &defaults, SecretStore &secrets, const Clock &clock,
              QNetworkAccessManager &network, QObject *parent = nullptr);

    [[nodiscard]] QString lastDownloadText() const;
    [[nodiscard]] bool busy() const override;
    /** Fetches the confirmations from the QRZ logbook and marks the QSOs they belong to. */
    Q_INVOKABLE void download();

protected:
    std::optional<RecordUpload::Protocol> protocol() override;
    QString readKey() override;
    bool storeKey(const QString &key) override;

private:
    QrzDownload m_download;
};
