#include "scanner/QrReader.h"

#include <QImage>

// Text as UTF-8 rather than the older wide-string form.
#define ZX_USE_UTF8
#include <ZXing/ReadBarcode.h>

namespace scanner {

std::optional<QString> readQrCode(const QImage &image)
{
    if (image.isNull() || image.width() < 21 || image.height() < 21)
        return std::nullopt; // smaller than the smallest QR code
    // ZXing reads luminance; the conversion copes with every frame format the camera delivers.
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(),
                                ZXing::ImageFormat::Lum, int(grey.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::QRCode);
    hints.setTryHarder(true);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid())
        return std::nullopt;
    return QString::fromStdString(result.text());
}

} // namespace scanner
