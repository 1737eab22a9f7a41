#pragma once

#include "services/RecordUpload.h"

#include <QString>

class SecretStore;
class UserDefaults;

class Cli;

namespace cli {

/** Runs an upload of the service's waiting QSOs to its end and prints the result; the exit code
 *  is 2 when anything was refused or the run stopped (the message says why). */
int runUpload(Cli &cli, const RecordUpload::Protocol &protocol, const QString &serviceName,
              const QString &lastUploadKey, bool dryRun);

/** Reads the key from standard input (one line; empty removes it) and keeps it. */
int storeKey(Cli &cli, const QString &serviceName,
             bool (*store)(SecretStore &, UserDefaults &, const QString &));

} // namespace cli
