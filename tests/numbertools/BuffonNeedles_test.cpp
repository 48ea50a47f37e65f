#include "numbertools/BuffonNeedles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

using namespace tv::buffon;

namespace {

double estimateAfter(int method, std::int64_t n)
{
    std::mt19937 engine(20261209u);
    Simulation sim(engine);
    sim.setMethod(method);
    sim.runGroup(n, nullptr, {});
    return 2.0 * static_cast<double>(sim.counts().tosses) / static_cast<double>(sim.counts().crossings);
}

struct CountingBeeper : Beeper {
    int beeps = 0;
    void beep() override { ++beeps; }
};

} // namespace

TEST(BuffonNeedles, MethodsConvergeToTheirExpectedEstimate)
{
    // Four standard errors of 2 x tosses / crossings for a million tosses
    // (about 2.37 / sqrt(n)). Method 1 favours diagonal directions; its
    // expected estimate is 2 / E[sin theta] for a point in the rectangle.
    const double tolerance = 4 * 2.37 / std::sqrt(1e6);
    struct Case { int method; double expected; };
    // Method 3's arc lengths run to 100, not a whole number of half-turns, so
    // its last partial half-turn weighs in: E|sin a| = (62 + 1 - cos(100 - 31 pi)) / 100.
    const double method3 = 2.0 * 100.0 / (63.0 - std::cos(100.0 - 31.0 * std::numbers::pi));
    const Case cases[] = {{1, 3.0874}, {2, std::numbers::pi}, {3, method3}, {4, std::numbers::pi}};
    for (const Case& c : cases)
        EXPECT_NEAR(estimateAfter(c.method, 1'000'000), c.expected, tolerance) << "method " << c.method;
}

TEST(BuffonNeedles, DirectionsLieOnTheUpperUnitHalfCircle)
{
    std::mt19937 engine(7u);
    Uniform rnd(engine);
    for (int method = 1; method <= 4; ++method) {
        for (int i = 0; i < 10'000; ++i) {
            const Direction d = direction(method, rnd);
            ASSERT_GE(d.sinTheta, 0.0) << method;
            ASSERT_NEAR(d.sinTheta * d.sinTheta + d.cosTheta * d.cosTheta, 1.0, 1e-6) << method;
            ASSERT_NEAR(std::atan2(d.y, d.x), std::atan2(d.sinTheta, d.cosTheta), 1e-6) << method;
        }
    }
}

TEST(BuffonNeedles, MethodTwoKeepsOnlyPointsInsideTheHalfDisc)
{
    std::mt19937 engine(11u);
    Uniform rnd(engine);
    for (int i = 0; i < 10'000; ++i) {
        const Direction d = direction2(rnd);
        ASSERT_LE(static_cast<float>(d.x * d.x + d.y * d.y), 1.0f);
    }
}

TEST(BuffonNeedles, TableRunsFromZeroToPiInSinglePrecision)
{
    const DirectionTable& t = directionTable();
    EXPECT_EQ(t.cosines.front(), 1.0f);
    EXPECT_EQ(t.sines.front(), 0.0f);
    EXPECT_NEAR(t.cosines.back(), -1.0f, 1e-7);
    EXPECT_NEAR(t.sines.back(), 0.0f, 1e-7);
    EXPECT_NEAR(t.sines[TableIntervals / 2], 1.0f, 1e-7);
    for (int k = 0; k <= TableIntervals; ++k) {
        const double angle = k * std::numbers::pi / TableIntervals;
        ASSERT_NEAR(t.cosines[static_cast<std::size_t>(k)], std::cos(angle), 1e-7) << k;
        ASSERT_NEAR(t.sines[static_cast<std::size_t>(k)], std::sin(angle), 1e-7) << k;
    }
}

TEST(BuffonNeedles, GroupReportsProgressAtEachStepAndStopsWhenTold)
{
    std::mt19937 engine(3u);
    Simulation sim(engine);
    std::vector<int> percents;
    EXPECT_EQ(sim.runGroup(1000, nullptr, [&](int p) { percents.push_back(p); return true; }), 1000);
    ASSERT_EQ(percents.size(), 100u); // a step of 10 tosses
    EXPECT_EQ(percents.front(), 1);
    EXPECT_EQ(percents.back(), 100);

    percents.clear();
    EXPECT_EQ(sim.runGroup(1'000'000, nullptr, [&](int p) { percents.push_back(p); return percents.size() < 3; }),
              30'000);
    EXPECT_EQ(sim.counts().tosses, 31'000);
}

TEST(BuffonNeedles, ProgressStep)
{
    struct Case { std::int64_t n, step; };
    const Case cases[] = {{1, 100}, {99, 100}, {100, 1}, {1000, 10}, {1'000'000, 10'000}, {1'000'001, 2000},
                          {10'000'000, 20'000}};
    for (const Case& c : cases)
        EXPECT_EQ(progressStep(c.n), c.step) << c.n;
}

TEST(BuffonNeedles, CountsAndEstimateTexts)
{
    struct Case { std::int64_t tosses, crossings; const char* counts; const char* estimate; };
    const Case cases[] = {
        {0, 0, "0 Tosses, 0 Crossings", ""},
        {1, 0, "1 Toss, 0 Crossings", ""},
        {1, 1, "1 Toss, 1 Crossing", "2.000000"},
        {1000, 637, "1,000 Tosses, 637 Crossings", "3.139717"},
        {12'345'678, 7'859'999, "12,345,678 Tosses, 7,859,999 Crossings", "3.141394"},
    };
    for (const Case& c : cases) {
        const Counts counts{c.tosses, c.crossings};
        EXPECT_EQ(countsText(counts), QString::fromLatin1(c.counts));
        EXPECT_EQ(estimateText(counts), QString::fromLatin1(c.estimate));
    }
}

TEST(BuffonNeedles, GroupSizeStaysWithinOneToTenMillionAndBeepsWhenRefused)
{
    CountingBeeper beeper;
    GroupSize size;
    EXPECT_EQ(groupSizeText(size.value()), QStringLiteral("1 time"));
    size.down(beeper);
    EXPECT_EQ(size.value(), 1);
    EXPECT_EQ(beeper.beeps, 1);
    for (int i = 0; i < 7; ++i)
        size.up(beeper);
    EXPECT_EQ(size.value(), 10'000'000);
    EXPECT_EQ(beeper.beeps, 1);
    EXPECT_EQ(groupSizeText(size.value()), QStringLiteral("10,000,000 times"));
    size.up(beeper);
    EXPECT_EQ(size.value(), 10'000'000);
    EXPECT_EQ(beeper.beeps, 2);
    size.down(beeper);
    EXPECT_EQ(groupSizeText(size.value()), QStringLiteral("1,000,000 times"));
    EXPECT_EQ(beeper.beeps, 2);
}

TEST(BuffonNeedles, TossesDrawIntoThePictures)
{
    std::vector<std::uint32_t> tossBits(100 * 80, 0xFFFFFFFFu), graphBits(50 * 40, 0xFFFFFFFFu);
    const tv::TSimplePantograph map(4, 0, 50, 37, 0.0, 0.5, std::numbers::pi, 0.0);
    Pictures p{{tossBits.data(), 100, 80, 100}, {graphBits.data(), 50, 40, 50}, &map, 4, 20, 10.0};
    std::mt19937 engine(5u);
    Simulation sim(engine);
    sim.runGroup(200, &p, {});
    int red = 0, black = 0, coloured = 0;
    for (std::uint32_t px : graphBits) {
        red += px == Red;
        black += px == Black;
    }
    for (std::uint32_t px : tossBits)
        coloured += px != 0xFFFFFFFFu;
    EXPECT_GT(red, 0);
    EXPECT_GT(black, 0);
    EXPECT_GT(coloured, 200);
    // Each colour channel stays below 250, so no needle pixel is white-ish.
    for (std::uint32_t px : tossBits) {
        if (px != 0xFFFFFFFFu) {
            ASSERT_TRUE((px >> 16 & 0xFF) < 250 && (px >> 8 & 0xFF) < 250 && (px & 0xFF) < 250);
        }
    }
}

TEST(BuffonNeedles, LinesAreDrawnEndToEndAndClipped)
{
    std::vector<std::uint32_t> bits(10 * 10, 0);
    Canvas c{bits.data(), 10, 10, 10};
    c.line(-5, 2, 20, 2, 1);
    c.line(3, 9, 3, -4, 2);
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(bits[static_cast<std::size_t>(20 + x)], x == 3 ? 2u : 1u) << x;
    int set = 0;
    for (std::uint32_t px : bits)
        set += px != 0;
    EXPECT_EQ(set, 19);
}
