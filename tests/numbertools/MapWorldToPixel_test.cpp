#include "numbertools/MapWorldToPixel.h"

#include <gtest/gtest.h>

#include <numbers>

using tv::ESimplePantographError;
using tv::TSimplePantograph;

TEST(SimplePantograph, MapsCornersAndMiddleOfTheGraph)
{
    // The needle graph: x from 0 to pi, y from 0.5 (top) down to 0.
    const TSimplePantograph p(39, 0, 482, 207, 0.0, 0.5, std::numbers::pi, 0.0);
    EXPECT_EQ(p.pixelWidth, 443);
    EXPECT_EQ(p.pixelHeight, 207);
    EXPECT_DOUBLE_EQ(p.worldHeight, 0.5);
    EXPECT_DOUBLE_EQ(p.yPixelsPerUnit * p.yUnitsPerPixel, 1.0);
    struct Case { double x, y; QPoint pixel; };
    const Case cases[] = {
        {0.0, 0.5, {39, 0}},
        {0.0, 0.0, {39, 207}},
        {std::numbers::pi, 0.0, {482, 207}},
        {std::numbers::pi / 2, 0.25, {261, 104}}, // 260.5 and 103.5 round away from zero
    };
    for (const Case& c : cases)
        EXPECT_EQ(p.map(c.x, c.y), c.pixel) << c.x << ", " << c.y;
}

TEST(SimplePantograph, RefusesEmptyRectangles)
{
    struct Case { int l, t, r, b; double wl, wt, wr, wb; const char* message; };
    const Case cases[] = {
        {10, 0, 10, 100, 0, 1, 1, 0, "Invalid Rectangle"},
        {0, 5, 100, 5, 0, 1, 1, 0, "Invalid Rectangle"},
        {0, 0, 100, 100, 2, 1, 2, 0, "Invalid Real Rectangle"},
        {0, 0, 100, 100, 0, 1, 1, 1, "Invalid Real Rectangle"},
    };
    for (const Case& c : cases) {
        try {
            TSimplePantograph(c.l, c.t, c.r, c.b, c.wl, c.wt, c.wr, c.wb);
            ADD_FAILURE() << "no error for " << c.message;
        } catch (const ESimplePantographError& e) {
            EXPECT_EQ(e.message(), QString::fromLatin1(c.message));
        }
    }
}
