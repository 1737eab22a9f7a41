#pragma once

// Pictures for the scanner's frame path, made with ZXing's writer: a QR code as a camera would
// show it, and pictures that hold none.

#include <QImage>
#include <QPainter>
#include <QString>

#include <ZXing/BitMatrix.h>
#include <ZXing/CharacterSet.h>
#include <ZXing/MultiFormatWriter.h>

namespace qrimages {

/** The text as a QR code (UTF-8), black on white with a quiet zone, in the given format. */
inline QImage qrCode(const QString &text, QImage::Format format = QImage::Format_RGB32,
                     int size = 320)
{
    ZXing::MultiFormatWriter writer(ZXing::BarcodeFormat::QRCode);
    writer.setEncoding(ZXing::CharacterSet::UTF8);
    writer.setMargin(16);
    const ZXing::BitMatrix matrix = writer.encode(text.toUtf8().toStdString(), size, size);
    QImage image(matrix.width(), matrix.height(), QImage::Format_Grayscale8);
    for (int y = 0; y < matrix.height(); ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < matrix.width(); ++x)
            line[x] = matrix.get(x, y) ? 0 : 255;
    }
    return image.convertToFormat(format);
}

/** A camera's view of the card: the code small and off-centre on a grey desk. */
inline QImage onDesk(const QImage &code)
{
    QImage frame(1280, 720, QImage::Format_RGB32);
    frame.fill(QColor(150, 140, 120));
    QPainter painter(&frame);
    painter.drawImage(QPoint(700, 200), code);
    return frame;
}

/** A picture with no code: stripes and writing. */
inline QImage noCode()
{
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int x = 0; x < 400; x += 14)
        painter.fillRect(x, 0, 6, 150, Qt::black);
    painter.drawText(20, 220, QStringLiteral("From: DL1ABC To: G4XYZ"));
    return image;
}

} // namespace qrimages
