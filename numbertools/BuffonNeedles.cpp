#include "numbertools/BuffonNeedles.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tv::buffon {

DirectionTable buildDirectionTable()
{
    // cos and sin of 90 degrees, halved 11 times: the angle of one interval.
    double c = 0.0;
    double s = 1.0;
    const int halvings = static_cast<int>(std::lround(std::log2(static_cast<double>(TableIntervals)))) - 1;
    for (int i = 0; i < halvings; ++i) {
        s = std::sqrt((1.0 - c) / 2.0);
        c = std::sqrt((1.0 + c) / 2.0);
    }
    DirectionTable table{};
    double x = 1.0;
    double y = 0.0;
    table.cosines[0] = 1.0f;
    table.sines[0] = 0.0f;
    for (int k = 1; k <= TableIntervals; ++k) {
        const double nx = c * x - s * y;
        const double ny = s * x + c * y;
        x = nx;
        y = ny;
        table.cosines[static_cast<std::size_t>(k)] = static_cast<float>(x);
        // The last rotation lands a hair below the axis: keep every direction
        // on the upper half-circle.
        table.sines[static_cast<std::size_t>(k)] = static_cast<float>(std::max(y, 0.0));
    }
    return table;
}

const DirectionTable& directionTable()
{
    static const DirectionTable table = buildDirectionTable();
    return table;
}

namespace {

// The point's direction, its length taken in single precision.
Direction fromPoint(double x, double y, float r)
{
    if (x == 0.0)
        return {x, y, 1.0, 0.0};
    return {x, y, y / r, x / r};
}

float length(double x, double y) { return std::sqrt(static_cast<float>(x * x + y * y)); }

} // namespace

Direction direction1(Uniform& rnd)
{
    const double x = 2.0 * (rnd.next() - 0.5);
    const double y = rnd.next();
    return fromPoint(x, y, length(x, y));
}

Direction direction2(Uniform& rnd)
{
    for (;;) {
        const double x = 2.0 * (rnd.next() - 0.5);
        const double y = rnd.next();
        const float r = length(x, y);
        if (r <= 1.0f)
            return fromPoint(x, y, r);
    }
}

Direction direction3(Uniform& rnd)
{
    const float a = static_cast<float>(rnd.next() * 100.0);
    const double c = std::cos(a);
    const double s = std::fabs(std::sin(a));
    return {c, s, s, c};
}

Direction direction4(Uniform& rnd)
{
    const DirectionTable& t = directionTable();
    const std::size_t i = rnd.below(TableIntervals + 1);
    const double c = t.cosines[i];
    const double s = t.sines[i];
    return {c, s, s, c};
}

Direction direction(int method, Uniform& rnd)
{
    switch (method) {
    case 1: return direction1(rnd);
    case 3: return direction3(rnd);
    case 4: return direction4(rnd);
    default: return direction2(rnd);
    }
}

void Canvas::line(int x0, int y0, int x1, int y1, std::uint32_t colour)
{
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        plot(x0, y0, colour);
        if (x0 == x1 && y0 == y1)
            return;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Simulation::setMethod(int method)
{
    if (method >= 1 && method <= 4)
        method_ = method;
}

Simulation::Drop Simulation::drop()
{
    const double d = rnd_.next() - 0.5;
    const Direction dir = direction(method_, rnd_);
    ++counts_.tosses;
    const bool crossed = 0.5 * dir.sinTheta >= std::fabs(d);
    if (crossed)
        ++counts_.crossings;
    return {d, dir, crossed};
}

bool Simulation::toss()
{
    return drop().crossed;
}

bool Simulation::toss(Pictures& p)
{
    const auto [d, dir, crossed] = drop();

    if (p.graphMap) {
        const QPoint at = p.graphMap->map(std::atan2(dir.y, dir.x), std::fabs(d));
        p.graph.plot(at.x(), at.y(), crossed ? Red : Black);
    }
    const int column = static_cast<int>(rnd_.below(static_cast<std::uint32_t>(p.tosses.width)));
    const int line = static_cast<int>(rnd_.below(static_cast<std::uint32_t>(p.lineCount)));
    const int row = line * p.spacing + static_cast<int>(std::lround(p.spacing * d));
    const int hx = static_cast<int>(std::lround(p.halfLength * dir.cosTheta));
    const int hy = static_cast<int>(std::lround(p.halfLength * dir.sinTheta));
    const std::uint32_t red = rnd_.below(250);
    const std::uint32_t green = rnd_.below(250);
    const std::uint32_t blue = rnd_.below(250);
    p.tosses.line(column - hx, row - hy, column + hx, row + hy, 0xFF000000u | red << 16 | green << 8 | blue);
    return crossed;
}

std::int64_t Simulation::runGroup(std::int64_t n, Pictures* pictures, const std::function<bool(int)>& progress)
{
    const std::int64_t step = progressStep(n);
    std::int64_t done = 0;
    while (done < n) {
        const std::int64_t end = std::min(n, (done / step + 1) * step);
        // The tight part: no call out of the loop but the toss itself.
        if (pictures) {
            for (; done < end; ++done)
                toss(*pictures);
        } else {
            for (; done < end; ++done)
                toss();
        }
        if (done % step == 0 && progress && !progress(static_cast<int>(100 * done / n)))
            break;
    }
    return done;
}

std::int64_t progressStep(std::int64_t n)
{
    const std::int64_t step = n <= 1'000'000 ? n / 100 : n / 500;
    return step == 0 ? 100 : step;
}

QString withThousands(std::int64_t n)
{
    QString digits = QString::number(n < 0 ? -static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n));
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(','));
    return n < 0 ? QLatin1Char('-') + digits : digits;
}

QString countsText(const Counts& c)
{
    return withThousands(c.tosses) + (c.tosses == 1 ? QStringLiteral(" Toss") : QStringLiteral(" Tosses")) +
           QStringLiteral(", ") + withThousands(c.crossings) +
           (c.crossings == 1 ? QStringLiteral(" Crossing") : QStringLiteral(" Crossings"));
}

QString estimateText(const Counts& c)
{
    if (c.crossings == 0)
        return {};
    return QString::asprintf("%.6f", 2.0 * static_cast<double>(c.tosses) / static_cast<double>(c.crossings));
}

QString groupSizeText(std::int64_t size)
{
    return size == 1 ? QStringLiteral("1 time") : withThousands(size) + QStringLiteral(" times");
}

void GroupSize::up(Beeper& beeper)
{
    if (value_ > 1'000'000)
        beeper.beep();
    else
        value_ *= 10;
}

void GroupSize::down(Beeper& beeper)
{
    if (value_ < 10)
        beeper.beep();
    else
        value_ /= 10;
}

} // namespace tv::buffon
