#pragma once

#include <QString>

#include <optional>

/** The sync server's address as the user gives it: a libpq URL
 *  ("postgresql://user@host:5432/db") or key=value text ("host=… dbname=…"). */
namespace serveraddress {

/** What libpq is given. TLS is required ("sslmode=require") unless the text names an sslmode
 *  itself or the server is on a local socket or a loopback address; limits for connecting (unless
 *  the text names one), for each statement on the server, and keep-alives are added. Nothing,
 *  with libpq's message in `error`, when the text is not an address. */
[[nodiscard]] std::optional<QString> connectionText(const QString &address, QString *error,
                                                    int connectTimeoutSeconds = 15);
/** The address without its password, for storing and showing. */
[[nodiscard]] QString withoutPassword(const QString &address);
/** The password in the address, if it has one. */
[[nodiscard]] QString password(const QString &address);
/** The address with this password (when not empty) put in. */
[[nodiscard]] QString withPassword(const QString &address, const QString &password);

} // namespace serveraddress
