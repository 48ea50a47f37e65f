#include "numbertools/MapWorldToPixel.h"

#include <cmath>

namespace tv {

TSimplePantograph::TSimplePantograph(int pixelLeft_, int pixelTop_, int pixelRight_, int pixelBottom_,
                                     double worldLeft_, double worldTop_, double worldRight_, double worldBottom_)
    : pixelLeft(pixelLeft_), pixelTop(pixelTop_), pixelRight(pixelRight_), pixelBottom(pixelBottom_),
      pixelWidth(pixelRight_ - pixelLeft_), pixelHeight(pixelBottom_ - pixelTop_),
      worldLeft(worldLeft_), worldTop(worldTop_), worldRight(worldRight_), worldBottom(worldBottom_),
      worldWidth(worldRight_ - worldLeft_), worldHeight(worldTop_ - worldBottom_)
{
    if (pixelWidth == 0 || pixelHeight == 0)
        throw ESimplePantographError(QStringLiteral("Invalid Rectangle"));
    if (worldWidth == 0.0 || worldHeight == 0.0)
        throw ESimplePantographError(QStringLiteral("Invalid Real Rectangle"));
    xPixelsPerUnit = pixelWidth / worldWidth;
    yPixelsPerUnit = pixelHeight / worldHeight;
    xUnitsPerPixel = worldWidth / pixelWidth;
    yUnitsPerPixel = worldHeight / pixelHeight;
}

QPoint TSimplePantograph::map(double x, double y) const
{
    return {static_cast<int>(std::lround((x - worldLeft) * xPixelsPerUnit + pixelLeft)),
            static_cast<int>(std::lround(pixelTop - (y - worldTop) * yPixelsPerUnit))};
}

} // namespace tv
