#pragma once
// Maps real plot coordinates (y growing upwards) to the pixels of a bitmap
// (y growing downwards).
#include "ui/Errors.h"

#include <QPoint>

namespace tv {

// "Invalid Rectangle" for a pixel rectangle of no width or height,
// "Invalid Real Rectangle" for a world rectangle of no width or height.
class ESimplePantographError : public Error { using Error::Error; };

class TSimplePantograph {
public:
    // World top lies above world bottom.
    TSimplePantograph(int pixelLeft, int pixelTop, int pixelRight, int pixelBottom,
                      double worldLeft, double worldTop, double worldRight, double worldBottom);

    QPoint map(double x, double y) const;

    int pixelLeft, pixelTop, pixelRight, pixelBottom;
    int pixelWidth, pixelHeight;
    double worldLeft, worldTop, worldRight, worldBottom;
    double worldWidth, worldHeight;
    double xPixelsPerUnit, yPixelsPerUnit;
    double xUnitsPerPixel, yUnitsPerPixel;
};

} // namespace tv
