#pragma once

#include "services/RecordUpload.h"

#include <QByteArray>
#include <QString>

class SecretStore;
class UserDefaults;

/** QRZ.com's logbook API: where it is, the user's logbook key and how a record is sent and
 *  judged. The key (one per QRZ logbook, from the logbook's settings page on QRZ.com) is kept in
 *  the keyring. */
namespace qrzlog {

inline constexpr char kHostKey[] = "QrzLogbookHost";
inline constexpr char kPath[] = "/api";
inline constexpr char kKeyEntry[] = "QrzLogbookKey";
inline constexpr char kUploadAsLoggedKey[] = "QrzLogbookUploadAsLogged";
inline constexpr char kLastUploadKey[] = "QrzLogbookLastUpload";
inline constexpr char kLastDownloadKey[] = "QrzLogbookLastDownload";
/** Records per FETCH page: QRZ's advice for large logbooks. */
inline constexpr qint64 kPageSize = 250;

[[nodiscard]] QString apiKey(SecretStore &secrets, UserDefaults &defaults);
bool setApiKey(SecretStore &secrets, UserDefaults &defaults, const QString &key);

/** "NAME=value&…", each value percent-encoded by itself. */
[[nodiscard]] QByteArray formBody(const HttpClient::Query &fields);
/** Starts a POST of the form to the API. */
[[nodiscard]] HttpCall *post(HttpClient &http, const QString &host,
                             const HttpClient::Query &fields);

/** ACTION=INSERT of one record with the key. */
[[nodiscard]] RecordUpload::Protocol insertProtocol(const QString &host, const QString &key);
/** What an INSERT reply means for its record. */
[[nodiscard]] RecordUpload::Verdict judgeInsert(const HttpResult &result);

} // namespace qrzlog
