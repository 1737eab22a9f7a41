#pragma once

#include "model/LogStore.h"
#include "model/QsoClass.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

class LogModel;

/** The "waiting / sent" marks of the logbook services that take one QSO per request (QRZ.com's
 *  logbook, Wavelog/Cloudlog). They are kept ADIF fields of the QSO, written through LogModel,
 *  so they travel with an export and the synced logbook:
 *  - QRZ.com: QRZCOM_QSO_UPLOAD_STATUS "Y" and QRZCOM_QSO_UPLOAD_DATE, and QRZ's APP_QRZLOG_LOGID;
 *    a confirmation fetched from QRZ sets APP_QRZLOG_STATUS "C" and QRZCOM_QSO_DOWNLOAD_STATUS
 *    "Y" with QRZCOM_QSO_DOWNLOAD_DATE.
 *  - Wavelog: APP_BRINDLEWICK_WAVELOG_SENT with the date it was taken.
 *  A QSO without its service's mark ("Y" for QRZ, any date for Wavelog) is waiting. */
namespace uploadmarks {

enum class Service { Qrz, Wavelog };

inline constexpr char kQrzUploadStatus[] = "qrzcom_qso_upload_status";
inline constexpr char kQrzUploadDate[] = "qrzcom_qso_upload_date";
inline constexpr char kQrzLogId[] = "app_qrzlog_logid";
inline constexpr char kQrzStatus[] = "app_qrzlog_status";
inline constexpr char kQrzDownloadStatus[] = "qrzcom_qso_download_status";
inline constexpr char kQrzDownloadDate[] = "qrzcom_qso_download_date";
inline constexpr char kWavelogSent[] = "app_brindlewick_wavelog_sent";

using Fields = QList<std::pair<QString, QString>>;

[[nodiscard]] bool isWaiting(const QsoClass &qso, Service service);
/** The service's waiting QSOs, oldest first; none (and the message in `error`) when the logbook
 *  could not be read. */
[[nodiscard]] QList<QsoClass> waiting(LogModel &log, Service service, QString *error = nullptr);
/** How many QSOs wait, counted without reading them; none when the logbook could not be read. */
[[nodiscard]] std::optional<int> numberWaiting(LogModel &log, Service service);
/** The marks of a QSO the service took on `day` (`logId`: QRZ's id for it, may be empty). */
[[nodiscard]] Fields sentFields(Service service, const QDate &day, const QString &logId = {});
/** The QSO with the fields set; none when it has them all already. */
[[nodiscard]] std::optional<QsoClass> withFields(const QsoClass &qso, const Fields &fields);
/** Sets the fields on the QSO as the logbook holds it now (read again by its id), through
 *  LogModel, which announces the change. Fails for a QSO that is gone. */
WriteResult setFields(LogModel &log, qint64 id, const Fields &fields);

} // namespace uploadmarks
