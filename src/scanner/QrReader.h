#pragma once

#include <QString>

#include <optional>

class QImage;

namespace scanner {

/** The text of the first QR code in an image (a camera frame or a file), exactly as encoded
 *  (UTF-8 read as such); none when the image holds no readable QR code. Other barcode kinds are
 *  not looked for. */
[[nodiscard]] std::optional<QString> readQrCode(const QImage &image);

} // namespace scanner
