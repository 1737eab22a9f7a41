#include "refdata/OneDxSpotClass.h"

QString spotColorName(SpotColor color)
{
    switch (color) {
    case SpotColor::Red:
        return QStringLiteral("red");
    case SpotColor::Orange:
        return QStringLiteral("orange");
    case SpotColor::Blue:
        return QStringLiteral("blue");
    case SpotColor::Green:
        return QStringLiteral("green");
    case SpotColor::Magenta:
        return QStringLiteral("magenta");
    case SpotColor::Label:
        break;
    }
    return QStringLiteral("label");
}
