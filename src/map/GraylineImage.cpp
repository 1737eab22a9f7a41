#include "map/GraylineImage.h"

#include "geo/GraylineShading.h"
#include "geo/SolarPosition.h"

#include <cstdint>

namespace map {

QImage worldMap()
{
    const QImage image(QStringLiteral(":/map/worldmap.png"));
    if (image.isNull())
        qWarning("The world map resource is missing");
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage shadedMap(const QImage &map, const QDateTime &moment)
{
    QImage shaded = map.convertToFormat(QImage::Format_RGB32);
    if (shaded.isNull())
        return shaded;
    geo::shadeGrayline(reinterpret_cast<std::uint32_t *>(shaded.bits()), shaded.width(),
                       shaded.height(), shaded.bytesPerLine() / 4, projectionOf(shaded),
                       geo::solarPositionAt(moment));
    return shaded;
}

} // namespace map
