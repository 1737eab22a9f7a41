#pragma once

#include <QByteArray>

#include <optional>

namespace refdata {

/** The content of a complete gzip stream; nothing for data that is not gzip, is cut short or
 *  fails its checksum. */
[[nodiscard]] std::optional<QByteArray> gunzip(const QByteArray &compressed);

} // namespace refdata
