#pragma once

#include <QString>

namespace logsync {

/** What the synced-log page shows for a failure: a sentence an operator can act on for the
 *  usual ones (server not running, wrong name or password, no TLS, a clock ahead …), in the
 *  screen's language; anything else as the server or libpq said it, first line only. The
 *  command line and the stored last error keep the exact words. */
[[nodiscard]] QString readableServerMessage(const QString &raw);

} // namespace logsync
