// Any bytes as an image file handed to `qsl scan-image`: whatever the image readers make of it
// goes through the QR code search the scanner's camera frames take.

#include "scanner/QrReader.h"

#include <QImage>
#include <QLoggingCategory>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The image readers complain of every broken chunk; millions of lines hide a real finding.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QImage image;
    if (!image.loadFromData(data, int(size)))
        return 0;
    // Huge claimed sizes are the image reader's to refuse; keep each run short.
    if (qint64(image.width()) * image.height() > 4'000'000)
        return 0;
    if (const std::optional<QString> text = scanner::readQrCode(image); text && text->isNull())
        std::abort(); // a found code always has its text, if empty
    return 0;
}
