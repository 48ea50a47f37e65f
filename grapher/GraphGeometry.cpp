#include "grapher/GraphGeometry.h"

#include "grapher/ExprParser.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <exception>
#include <limits>

namespace tv {

namespace {

// Rounds halves to even, like the plotter's rounding of rows and of the grid
// step's spacing count (the default floating-point rounding mode).
long double roundEven(long double v) { return std::nearbyint(v); }

// trunc() into 64 bits, saturating where the value does not fit.
std::int64_t truncTo64(long double v)
{
    constexpr long double limit = 9.2e18L;
    if (std::isnan(v))
        return 0;
    if (v >= limit)
        return std::numeric_limits<std::int64_t>::max();
    if (v <= -limit)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(std::trunc(v));
}

// Brings one extent within the limits about its centre and scales the other
// extent by the same factor about its own centre.
void limitExtent(long double& lo, long double& hi, long double& otherLo, long double& otherHi)
{
    const long double extent = hi - lo;
    if (!(extent > 0))
        return;
    long double wanted;
    if (extent < MinExtent)
        wanted = MinExtent;
    else if (extent > MaxExtent)
        wanted = MaxExtent;
    else
        return;
    const long double factor = wanted / extent;
    const long double centre = (lo + hi) / 2;
    lo = centre - wanted / 2;
    hi = centre + wanted / 2;
    const long double otherCentre = (otherLo + otherHi) / 2;
    const long double otherExtent = (otherHi - otherLo) * factor;
    otherLo = otherCentre - otherExtent / 2;
    otherHi = otherCentre + otherExtent / 2;
}

void widenAbout(long double& lo, long double& hi, long double extent)
{
    const long double centre = (lo + hi) / 2;
    lo = centre - extent / 2;
    hi = centre + extent / 2;
}

QString fixed(long double value, int decimals, QChar decimalPoint)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, static_cast<double>(value));
    QString text = QString::fromLatin1(buffer);
    // A value that rounds to zero is shown without a minus sign.
    if (text.startsWith(QLatin1Char('-'))) {
        bool allZero = true;
        for (QChar c : text)
            if (c.isDigit() && c != QLatin1Char('0'))
                allZero = false;
        if (allZero)
            text.remove(0, 1);
    }
    text.replace(QLatin1Char('.'), decimalPoint);
    return text;
}

// Liang-Barsky: clips the segment to the rectangle [xl, xr] x [yt, yb];
// false when nothing of it is inside.
bool clipSegment(long double& x1, long double& y1, long double& x2, long double& y2, long double xl,
                 long double yt, long double xr, long double yb)
{
    const long double dx = x2 - x1, dy = y2 - y1;
    long double t0 = 0, t1 = 1;
    const long double p[4] = {-dx, dx, -dy, dy};
    const long double q[4] = {x1 - xl, xr - x1, y1 - yt, yb - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const long double t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t1)
                return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0)
                return false;
            t1 = std::min(t1, t);
        }
    }
    const long double ox = x1, oy = y1;
    x1 = ox + t0 * dx;
    y1 = oy + t0 * dy;
    x2 = ox + t1 * dx;
    y2 = oy + t1 * dy;
    return true;
}

// Evaluates the parser once; false when the point has no value.
bool evaluate(TExprParser& parser, long double& value)
{
    try {
        value = parser.Value();
        return !parser.CalcError();
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

bool setGraphView(TGraphView& view, long double x1, long double x2, long double y1, long double y2)
{
    if (x1 == x2 || y1 == y2 || std::isnan(x1) || std::isnan(x2) || std::isnan(y1) || std::isnan(y2))
        return false;
    view.xmin = std::min(x1, x2);
    view.xmax = std::max(x1, x2);
    view.ymin = std::min(y1, y2);
    view.ymax = std::max(y1, y2);
    return true;
}

TGraphLayout graphLayout(int width, int height, bool outerBorder, bool numbHoriz, bool numbVert,
                         bool graphBorder, int textHeight, int labelWidth)
{
    TGraphLayout layout;
    layout.client = {0, 0, width, height};
    if (outerBorder)
        layout.client = layout.client.shrunk(1);
    layout.frame = layout.client;
    if (numbHoriz)
        layout.frame.bottom -= textHeight + 4;
    if (numbVert)
        layout.frame.left += labelWidth + 4;
    layout.plot = graphBorder ? layout.frame.shrunk(1) : layout.frame;
    layout.leftStrip = {layout.client.left, layout.client.top, layout.frame.left, layout.frame.bottom};
    layout.bottomStrip = {layout.frame.left, layout.frame.bottom, layout.client.right, layout.client.bottom};
    return layout;
}

long double pixelsPerXUnit(const TGraphView& view, const TPixelRect& plot)
{
    return (plot.right - plot.left) / view.xExtent();
}

long double pixelsPerYUnit(const TGraphView& view, const TPixelRect& plot)
{
    return (plot.bottom - plot.top) / view.yExtent();
}

void normaliseView(TGraphView& view, const TPixelRect& plot, bool maintainRatio, long double aspectRatio)
{
    limitExtent(view.xmin, view.xmax, view.ymin, view.ymax);
    limitExtent(view.ymin, view.ymax, view.xmin, view.xmax);
    if (!maintainRatio || plot.width() <= 0 || plot.height() <= 0 || !(aspectRatio > 0))
        return;
    const long double r = static_cast<long double>(plot.width()) / plot.height() * aspectRatio;
    const long double ratio = view.xExtent() / view.yExtent();
    if (ratio > r)
        widenAbout(view.ymin, view.ymax, view.xExtent() / r);
    else if (ratio < r)
        widenAbout(view.xmin, view.xmax, r * view.yExtent());
}

long double gridStep(long double pixelsPerUnit, int spacingLimit)
{
    const int limit = std::max(spacingLimit, 1);
    const std::int64_t f = truncTo64(roundEven(pixelsPerUnit * 10000.0L / limit));
    long double step = 10000.0L;
    std::int64_t k = 1;
    bool byTwo = true;
    while (k <= std::numeric_limits<std::int64_t>::max() / 5) {
        const int factor = byTwo ? 2 : 5;
        k *= factor;
        if (k >= f)
            break;
        step /= factor;
        byTwo = !byTwo;
    }
    return step;
}

std::vector<TGridMark> gridMarks(long double low, long double high, long double step, long double pixelsPerUnit)
{
    std::vector<TGridMark> marks;
    if (!(step > 0))
        return marks;
    const long double q = low / step;
    long double m = q > 0 ? step * (std::trunc(q) + 1) : step * (std::trunc(q) - 1);
    // A step too small to move m any more would never end the walk.
    for (int guard = 0; m <= high && guard < 100000; ++guard, m += step) {
        const std::int64_t offset = truncTo64((m - low) * pixelsPerUnit);
        if (offset >= 0)
            marks.push_back({m, offset});
    }
    return marks;
}

QString gridLabel(long double value, QChar decimalPoint) { return fixed(value, 3, decimalPoint); }

QString hintNumber(long double value, QChar decimalPoint) { return fixed(value, 4, decimalPoint); }

QString compileText(const QString& typed)
{
    QString kept;
    kept.reserve(typed.size());
    for (QChar c : typed) {
        const char16_t u = c.unicode();
        const bool keep = (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z')
                          || u == u'(' || u == u')' || u == u'*' || u == u'+' || u == u',' || u == u'-'
                          || u == u'.' || u == u'/' || u == u'^';
        if (keep)
            kept += c;
    }
    return kept;
}

bool pixelRow(long double value, long double ymin, long double pixelsPerY, int plotBottom, std::int64_t& row)
{
    const long double height = roundEven((value - ymin) * pixelsPerY);
    if (std::isnan(height))
        return false;
    // Far beyond the plot every row looks the same; clamping keeps a value
    // such as 1e30 from overflowing the 64-bit row.
    const long double clamped = std::clamp(height, static_cast<long double>(-FarRow), static_cast<long double>(FarRow));
    row = plotBottom - static_cast<std::int64_t>(clamped);
    return true;
}

std::vector<TSamplePoint> sampleCurve(TExprParser& parser, const TGraphView& view, const TPixelRect& plot)
{
    std::vector<TSamplePoint> points;
    if (plot.width() <= 0 || plot.height() <= 0)
        return points;
    points.resize(static_cast<std::size_t>(plot.right - plot.left + 1));
    const long double ppy = pixelsPerYUnit(view, plot);
    const long double dx = view.xExtent() / (plot.right - plot.left);
    long double x = view.xmin;
    for (TSamplePoint& point : points) {
        parser.X = x;
        long double value = 0;
        if (evaluate(parser, value))
            point.valid = pixelRow(value, view.ymin, ppy, plot.bottom, point.row);
        x += dx;
    }
    return points;
}

TCurvePath curvePath(const std::vector<TSamplePoint>& points, int firstColumn, int controlHeight,
                     const TPixelRect& clip)
{
    TCurvePath path;
    // One pixel of slack around the clip so the painter's own clip decides
    // the edge pixels.
    const long double xl = clip.left - 1, xr = clip.right, yt = clip.top - 1, yb = clip.bottom;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const TSamplePoint& a = points[i - 1];
        const TSamplePoint& b = points[i];
        if (!a.valid || !b.valid)
            continue;
        if ((a.row < 0 && b.row < 0) || (a.row >= controlHeight && b.row >= controlHeight))
            continue;
        long double x1 = firstColumn + static_cast<long double>(i - 1), y1 = a.row;
        long double x2 = firstColumn + static_cast<long double>(i), y2 = b.row;
        if (!clipSegment(x1, y1, x2, y2, xl, yt, xr, yb))
            continue;
        path.segments.push_back({static_cast<int>(std::lround(x1)), static_cast<int>(std::lround(y1)),
                                 static_cast<int>(std::lround(x2)), static_cast<int>(std::lround(y2))});
    }
    if (!points.empty() && points.back().valid) {
        const std::int64_t row = points.back().row;
        if (row >= clip.top - 1 && row <= clip.bottom) {
            path.hasLastPixel = true;
            path.lastX = firstColumn + static_cast<int>(points.size()) - 1;
            path.lastY = static_cast<int>(row);
        }
    }
    return path;
}

bool curvePassesPointer(TExprParser& parser, const TGraphView& view, const TPixelRect& plot, int x, int y)
{
    if (plot.width() <= 0 || plot.height() <= 0)
        return false;
    const long double ppy = pixelsPerYUnit(view, plot);
    const long double dx = view.xExtent() / (plot.right - plot.left);
    TSamplePoint rows[5];
    for (int i = 0; i < 5; ++i) {
        parser.X = view.xmin + (x - 2 + i - plot.left) * dx;
        long double value = 0;
        if (evaluate(parser, value))
            rows[i].valid = pixelRow(value, view.ymin, ppy, plot.bottom, rows[i].row);
    }
    for (int i = 1; i < 5; ++i) {
        if (!rows[i - 1].valid || !rows[i].valid)
            continue;
        const std::int64_t lo = std::min(rows[i - 1].row, rows[i].row);
        const std::int64_t hi = std::max(rows[i - 1].row, rows[i].row);
        if (y >= lo - 3 && y <= hi + 3)
            return true;
    }
    return false;
}

long double columnToX(const TGraphView& view, const TPixelRect& plot, int column)
{
    return view.xmin + (column - plot.left) / pixelsPerXUnit(view, plot);
}

long double rowToY(const TGraphView& view, const TPixelRect& plot, int row)
{
    return view.ymin + (plot.bottom - row) / pixelsPerYUnit(view, plot);
}

TGraphView zoomedIn(const TGraphView& view)
{
    TGraphView v = view;
    widenAbout(v.xmin, v.xmax, view.xExtent() / 2);
    widenAbout(v.ymin, v.ymax, view.yExtent() / 2);
    return v;
}

TGraphView zoomedOut(const TGraphView& view)
{
    TGraphView v = view;
    widenAbout(v.xmin, v.xmax, view.xExtent() * 2);
    widenAbout(v.ymin, v.ymax, view.yExtent() * 2);
    return v;
}

TGraphView rectangleView(const TGraphView& view, const TPixelRect& plot, int x1, int y1, int x2, int y2)
{
    TGraphView v;
    v.xmin = columnToX(view, plot, std::min(x1, x2));
    v.xmax = columnToX(view, plot, std::max(x1, x2));
    v.ymin = rowToY(view, plot, std::max(y1, y2));
    v.ymax = rowToY(view, plot, std::min(y1, y2));
    return v;
}

TGraphView pannedView(const TGraphView& view, const TPixelRect& plot, int dx, int dy)
{
    TGraphView v = view;
    const long double ux = dx / pixelsPerXUnit(view, plot);
    const long double uy = dy / pixelsPerYUnit(view, plot);
    v.xmin -= ux;
    v.xmax -= ux;
    v.ymin += uy;
    v.ymax += uy;
    return v;
}

bool zoomMakesSmaller(const TGraphView& current, const TGraphView& target)
{
    // Rounding about a centre can shave the last bit off an extent already
    // at its limit; that is no zoom.
    constexpr long double tolerance = 1 - 1e-9L;
    return target.xExtent() < current.xExtent() * tolerance || target.yExtent() < current.yExtent() * tolerance;
}

// ---- TGraphMouse ---------------------------------------------------------------

bool TGraphMouse::takes(TMouseAction action, TMouseButton button, TMouseKeys keys) const
{
    switch (action) {
    case maNone: return false;
    case maRight: return button == TMouseButton::Right;
    case maShift: return button == TMouseButton::Left && keys.shift;
    case maCtrl: return button == TMouseButton::Left && keys.ctrl;
    case maAlt: return button == TMouseButton::Left && keys.alt;
    }
    return false;
}

TMouseResult TGraphMouse::press(TMouseButton button, TMouseKeys keys, int x, int y, const TPixelRect& plot,
                                bool animating)
{
    if (state_ != State::Idle || animating || !plot.contains(x, y))
        return {};
    button_ = button;
    anchorX_ = cornerX_ = x;
    anchorY_ = cornerY_ = y;
    moves_ = 0;
    zoomOut_ = pan_ = false;
    if (takes(MouseFuncHint, button, keys)) {
        state_ = State::ValueHint;
        return {TMouseCommand::HintAt, x, y};
    }
    zoomOut_ = takes(MouseZoom, button, keys);
    pan_ = takes(MousePan, button, keys);
    if (zoomOut_ || pan_) {
        state_ = State::ZoomOutCandidate;
        return {};
    }
    if (button == TMouseButton::Left) {
        state_ = State::RubberBand;
        return {TMouseCommand::BandChanged, x, y, x, y};
    }
    return {};
}

TMouseResult TGraphMouse::move(int x, int y, const TPixelRect& plot)
{
    switch (state_) {
    case State::Idle:
        return {};
    case State::RubberBand:
        cornerX_ = std::clamp(x, plot.left, std::max(plot.left, plot.right - 1));
        cornerY_ = std::clamp(y, plot.top, std::max(plot.top, plot.bottom - 1));
        return {TMouseCommand::BandChanged, anchorX_, anchorY_, cornerX_, cornerY_};
    case State::ZoomOutCandidate:
    case State::Panning: {
        ++moves_;
        if (moves_ < 3 || !pan_)
            return {};
        // The travel since the press (then since the last move), so the
        // picture stays under the pointer.
        state_ = State::Panning;
        const TMouseResult pan{TMouseCommand::Pan, x - anchorX_, y - anchorY_};
        anchorX_ = x;
        anchorY_ = y;
        return pan;
    }
    case State::ValueHint:
        if (plot.contains(x, y))
            return {TMouseCommand::HintAt, x, y};
        return {TMouseCommand::HintHidden};
    }
    return {};
}

TMouseResult TGraphMouse::release(TMouseButton button, int, int)
{
    if (state_ == State::Idle || button != button_)
        return {};
    const State ended = state_;
    state_ = State::Idle;
    switch (ended) {
    case State::RubberBand:
        // A hand that shakes a pixel or two while clicking means a click, not
        // a zoom onto a rectangle a few pixels wide.
        if (std::abs(cornerX_ - anchorX_) < kClickSlack && std::abs(cornerY_ - anchorY_) < kClickSlack)
            return {TMouseCommand::ZoomIn};
        return {TMouseCommand::ZoomToRect, anchorX_, anchorY_, cornerX_, cornerY_};
    case State::ZoomOutCandidate:
        if (moves_ < 3 && zoomOut_)
            return {TMouseCommand::ZoomOut};
        return {};
    case State::ValueHint:
        return {TMouseCommand::HintHidden};
    default:
        return {};
    }
}

// ---- TZoomAnimation --------------------------------------------------------------

void TZoomAnimation::start(const TGraphView& from, const TGraphView& to, int zoomTimeMs, std::int64_t firstClockMs)
{
    from_ = from;
    to_ = to;
    zoomTime_ = zoomTimeMs;
    clock_ = std::max<std::int64_t>(firstClockMs, 0);
    running_ = zoomTimeMs > 0;
}

TGraphView TZoomAnimation::nextFrame(std::int64_t elapsedMs)
{
    clock_ += std::max<std::int64_t>(elapsedMs, 0);
    if (!running_ || clock_ >= zoomTime_) {
        clock_ = zoomTime_;
        running_ = false;
        return to_;
    }
    const long double t = static_cast<long double>(clock_) / zoomTime_;
    TGraphView v;
    v.xmin = from_.xmin + (to_.xmin - from_.xmin) * t;
    v.xmax = from_.xmax + (to_.xmax - from_.xmax) * t;
    v.ymin = from_.ymin + (to_.ymin - from_.ymin) * t;
    v.ymax = from_.ymax + (to_.ymax - from_.ymax) * t;
    return v;
}

} // namespace tv
