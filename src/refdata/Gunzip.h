#pragma once

#include <QByteArray>

#include <optional>

namespace refdata {

/** The content of a complete gzip stream; nothing for data that is not gzip, is cut short, fails
 *  its checksum or unpacks to more than `maxSize` bytes. Reading stops at that size, so a small
 *  file that unpacks to gigabytes costs no more than the limit. */
[[nodiscard]] std::optional<QByteArray> gunzip(const QByteArray &compressed, qsizetype maxSize);

} // namespace refdata
