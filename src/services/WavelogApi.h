#pragma once

#include "services/RecordUpload.h"

#include <QByteArray>
#include <QString>

class SecretStore;
class UserDefaults;

/** A Wavelog or Cloudlog instance's QSO API (POST /api/qso): where it is, the station profile
 *  the QSOs go to, the API key (kept in the keyring) and how a record is sent and judged. */
namespace wavelog {

/** The instance's address as the user gives it ("https://log.example.org", or with
 *  "/index.php" for an instance without URL rewriting); there is no default host. */
inline constexpr char kHostKey[] = "WavelogHost";
inline constexpr char kStationKey[] = "WavelogStationId";
inline constexpr char kPath[] = "/api/qso";
inline constexpr char kKeyEntry[] = "WavelogApiKey";
inline constexpr char kUploadAsLoggedKey[] = "WavelogUploadAsLogged";
inline constexpr char kLastUploadKey[] = "WavelogLastUpload";

/** The key of the instance configured now (each instance has its own). */
[[nodiscard]] QString apiKey(SecretStore &secrets, UserDefaults &defaults);
bool setApiKey(SecretStore &secrets, UserDefaults &defaults, const QString &key);

/** The JSON body of one record for the station profile. */
[[nodiscard]] QByteArray requestBody(const QString &key, const QString &stationId,
                                     const QString &record);

[[nodiscard]] RecordUpload::Protocol qsoProtocol(const QString &host, const QString &key,
                                                 const QString &stationId);
[[nodiscard]] RecordUpload::Verdict judgeReply(const HttpResult &result);

} // namespace wavelog
