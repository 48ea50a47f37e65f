#pragma once
// Buffon's needles: needles as long as the spacing of the parallel lines are
// dropped at random, and 2 x tosses / crossings estimates pi. Four ways of
// choosing the needle direction show how the method affects the estimate.
#include "numbertools/MapWorldToPixel.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <random>

namespace tv::buffon {

// Method 4's half-circle of 4,096 equal intervals (4,097 points).
inline constexpr int TableIntervals = 4096;
struct DirectionTable {
    std::array<float, TableIntervals + 1> cosines;
    std::array<float, TableIntervals + 1> sines;
};
// Built without pi: halve 90 degrees down to one interval, then rotate (1, 0)
// by that interval step by step.
DirectionTable buildDirectionTable();
const DirectionTable& directionTable();

// Uniform numbers from a 32-bit engine, cheaper than the standard
// distributions (the toss loop draws several per toss).
class Uniform {
public:
    explicit Uniform(std::mt19937& engine) : engine_(engine) {}
    // [0, 1)
    double next() { return static_cast<double>(static_cast<std::uint32_t>(engine_())) * 0x1p-32; }
    // 0 .. n-1
    std::uint32_t below(std::uint32_t n)
    {
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(static_cast<std::uint32_t>(engine_())) * n) >> 32);
    }

private:
    std::mt19937& engine_;
};

// A needle direction theta in [0, pi]: a point (x, y), y >= 0, in that
// direction and its sine and cosine.
struct Direction {
    double x, y, sinTheta, cosTheta;
};
Direction direction1(Uniform& rnd); // naive: a point in a rectangle
Direction direction2(Uniform& rnd); // the same point, redrawn until in the half-disc
Direction direction3(Uniform& rnd); // a random arc length far beyond the half-circle
Direction direction4(Uniform& rnd); // a point of the table
Direction direction(int method, Uniform& rnd);

// A 32-bit RGB bitmap the toss loop draws into directly.
struct Canvas {
    std::uint32_t* bits = nullptr;
    int width = 0, height = 0;
    int stride = 0; // pixels per row

    void plot(int x, int y, std::uint32_t colour)
    {
        if (x >= 0 && y >= 0 && x < width && y < height)
            bits[static_cast<std::ptrdiff_t>(y) * stride + x] = colour;
    }
    void line(int x0, int y0, int x1, int y1, std::uint32_t colour);
};

// What a toss draws into with graphics on.
struct Pictures {
    Canvas tosses;
    Canvas graph;
    const TSimplePantograph* graphMap = nullptr;
    int lineCount = 16;
    int spacing = 20;
    double halfLength = 10;
};

inline constexpr std::uint32_t Red = 0xFFFF0000u;
inline constexpr std::uint32_t Black = 0xFF000000u;

struct Counts {
    // 64-bit: a few clicks of ten million tosses would overflow 32 bits.
    std::int64_t tosses = 0;
    std::int64_t crossings = 0;
};

class Simulation {
public:
    explicit Simulation(std::mt19937& engine) : rnd_(engine) {}

    int method() const { return method_; }
    void setMethod(int method); // 1 to 4
    const Counts& counts() const { return counts_; }
    void resetCounts() { counts_ = {}; }

    bool toss(); // true when the needle crosses a line
    bool toss(Pictures& pictures);

    // Tosses n needles (drawing them when pictures is given). After every
    // toss whose number is a multiple of progressStep(n) it calls
    // progress(percent) and stops when that returns false. Returns the number
    // of tosses made.
    std::int64_t runGroup(std::int64_t n, Pictures* pictures, const std::function<bool(int)>& progress);

private:
    // One needle dropped and counted: its midpoint's offset from the nearest
    // line (in spacings), its direction, and whether it crosses.
    struct Drop {
        double offset;
        Direction dir;
        bool crossed;
    };
    Drop drop();

    Uniform rnd_;
    Counts counts_;
    int method_ = 2;
};

// Tosses between two progress reports: about 100 per group, 500 above a
// million, never fewer than 100 tosses.
std::int64_t progressStep(std::int64_t n);

// 1234567 -> "1,234,567"
QString withThousands(std::int64_t n);
// "1 Toss, 0 Crossings", "1,000 Tosses, 637 Crossings"
QString countsText(const Counts& counts);
// 2 x tosses / crossings with six decimals; blank before the first crossing.
QString estimateText(const Counts& counts);
// "1 time", "10 times", "1,000,000 times"
QString groupSizeText(std::int64_t size);

// The warning beep, injectable so tests can count it.
class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

// Tosses per click: 1, 10, ..., 10,000,000; a refused step beeps.
class GroupSize {
public:
    static constexpr std::int64_t Largest = 10'000'000;
    std::int64_t value() const { return value_; }
    void up(Beeper& beeper);
    void down(Beeper& beeper);

private:
    std::int64_t value_ = 1;
};

// Parallel lines on the toss picture: 4 to 50 in steps of 2.
inline constexpr int FewestLines = 4;
inline constexpr int MostLines = 50;
inline constexpr int LinesStep = 2;
inline constexpr int InitialLines = 16;
inline int lineSpacing(int pictureHeight, int lines) { return pictureHeight / lines; }

} // namespace tv::buffon
