#pragma once
// The graph control's arithmetic, without any widget: the view and its
// rules, the plot area, normalisation, grid steps and labels, sampling a
// curve into line segments, the value hint's hit test, the zooms, the mouse
// gestures and the zoom animation's frames. Plain C++ on QtCore.
#include <cstdint>
#include <vector>

#include <QChar>
#include <QString>

namespace tv {

class TExprParser;

enum TBorderStyle { bstNone, bstSingle, bstRaised, bstLowered };
enum TGridStyle { gsNone, gsXAxis, gsYAxis, gsAxises, gsXGrid, gsYGrid, gsFull };
enum TMouseAction { maNone, maRight, maShift, maCtrl, maAlt };
enum TBgStyle { bgsSolid, bgsLineHoriz, bgsLineVert, bgsImageStretch, bgsImageTile };

// The visible part of the plane; xmin < xmax and ymin < ymax always.
struct TGraphView {
    long double xmin = -10, xmax = 10, ymin = -10, ymax = 10;
    long double xExtent() const { return xmax - xmin; }
    long double yExtent() const { return ymax - ymin; }
    bool operator==(const TGraphView&) const = default;
};

// Sets `view` from two bound pairs given in either order. An empty range
// (equal bounds) leaves the view as it was and returns false.
bool setGraphView(TGraphView& view, long double x1, long double x2, long double y1, long double y2);

// A pixel rectangle; right and bottom are one past the last pixel.
struct TPixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    TPixelRect shrunk(int by) const { return {left + by, top + by, right - by, bottom - by}; }
    bool operator==(const TPixelRect&) const = default;
};

// Where things go inside a control of the given size.
struct TGraphLayout {
    TPixelRect client;      // inside the outer border
    TPixelRect frame;       // the plot area with its own border ring
    TPixelRect plot;        // where curves are drawn
    TPixelRect leftStrip;   // y labels
    TPixelRect bottomStrip; // x labels
};

// textHeight: height of "Xy"; labelWidth: width of the widest label "88888,888".
TGraphLayout graphLayout(int width, int height, bool outerBorder, bool numbHoriz, bool numbVert,
                         bool graphBorder, int textHeight, int labelWidth);

long double pixelsPerXUnit(const TGraphView& view, const TPixelRect& plot);
long double pixelsPerYUnit(const TGraphView& view, const TPixelRect& plot);

inline constexpr long double MinExtent = 0.01L;
inline constexpr long double MaxExtent = 10000.0L;

// Keeps both extents within [0.01, 10000] (scaling the other one along), then,
// when asked, widens one range so a y unit is `aspectRatio` x units long on screen.
void normaliseView(TGraphView& view, const TPixelRect& plot, bool maintainRatio, long double aspectRatio);

// The grid step for a direction: halved and fifthed down from 10000 while a
// step's spacing on screen still exceeds `spacingLimit` pixels.
long double gridStep(long double pixelsPerUnit, int spacingLimit);

// One grid line: its value and its distance in pixels from the low edge.
struct TGridMark {
    long double value;
    std::int64_t offset;
};
std::vector<TGridMark> gridMarks(long double low, long double high, long double step, long double pixelsPerUnit);

// Grid label: fixed notation, 3 decimals, with the given decimal point.
QString gridLabel(long double value, QChar decimalPoint);
// Hint value: fixed notation, 4 decimals.
QString hintNumber(long double value, QChar decimalPoint);

// What the parser is given for a typed text: only "()*+,-./^", digits and
// letters are kept, so blanks and stray characters do not stop a curve.
QString compileText(const QString& typed);

// ---- Sampling --------------------------------------------------------------

// Rows this far from the plot (and any farther) are all the same: off it.
inline constexpr std::int64_t FarRow = std::int64_t(1) << 62;

struct TSamplePoint {
    bool valid = false;
    std::int64_t row = 0;
};

// The pixel row of a value: plot bottom less the rounded height above ymin.
// A row beyond the 64-bit range is clamped to +-FarRow (off the plot); a
// value that is not a number has none (false).
bool pixelRow(long double value, long double ymin, long double pixelsPerY, int plotBottom, std::int64_t& row);

// Evaluates the parser's compiled text at every column from plot left to plot
// right inclusive, X accumulated from xmin. A failed or throwing evaluation
// is an invalid point.
std::vector<TSamplePoint> sampleCurve(TExprParser& parser, const TGraphView& view, const TPixelRect& plot);

struct TLineSegment {
    int x1, y1, x2, y2;
    bool operator==(const TLineSegment&) const = default;
};

struct TCurvePath {
    std::vector<TLineSegment> segments; // already clipped near the plot
    bool hasLastPixel = false;          // the last column's point
    int lastX = 0, lastY = 0;
};

// Joins neighbouring valid points, skipping pairs both above the control's
// top or both below its height; segments are clipped to `clip` (so rows far
// off the plot never reach the painter as huge coordinates).
TCurvePath curvePath(const std::vector<TSamplePoint>& points, int firstColumn, int controlHeight,
                     const TPixelRect& clip);

// True when the curve passes within 3 pixels of the pointer: rows at the
// columns 2 left to 2 right of it, compared pairwise.
bool curvePassesPointer(TExprParser& parser, const TGraphView& view, const TPixelRect& plot, int x, int y);

// Graph units of a pixel column or row.
long double columnToX(const TGraphView& view, const TPixelRect& plot, int column);
long double rowToY(const TGraphView& view, const TPixelRect& plot, int row);

// ---- Zooms -------------------------------------------------------------------

TGraphView zoomedIn(const TGraphView& view);  // both ranges halved about the centre
TGraphView zoomedOut(const TGraphView& view); // both doubled about the centre
// The ranges covered by a rectangle between two pixel corners.
TGraphView rectangleView(const TGraphView& view, const TPixelRect& plot, int x1, int y1, int x2, int y2);
// The view shifted so the picture follows a pointer travel of (dx, dy) pixels.
TGraphView pannedView(const TGraphView& view, const TPixelRect& plot, int dx, int dy);
// Whether a zoom to `target` (already normalised) makes at least one range smaller.
bool zoomMakesSmaller(const TGraphView& current, const TGraphView& target);

// ---- Mouse gestures ------------------------------------------------------------

enum class TMouseButton { Left, Right, Other };
struct TMouseKeys {
    bool shift = false, ctrl = false, alt = false;
};

enum class TMouseCommand {
    None,
    ZoomIn,      // about the view's centre
    ZoomOut,
    ZoomToRect,  // (x1, y1) - (x2, y2)
    Pan,         // by (x1, y1) pixels
    BandChanged, // the rubber band now runs (x1, y1) - (x2, y2)
    HintAt,      // show the value hint for (x1, y1)
    HintHidden,
};

struct TMouseResult {
    TMouseCommand command = TMouseCommand::None;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The control's mouse states. A press starts a gesture only inside the plot
// area, when idle and when no zoom animation runs; the release of the button
// that started it ends it.
class TGraphMouse {
public:
    // A left press and release whose band stays smaller than this in both
    // directions is a click.
    static constexpr int kClickSlack = 3;

    enum class State { Idle, ZoomOutCandidate, Panning, RubberBand, ValueHint };

    TMouseAction MouseZoom = maRight;
    TMouseAction MousePan = maRight;
    TMouseAction MouseFuncHint = maShift;

    TMouseResult press(TMouseButton button, TMouseKeys keys, int x, int y, const TPixelRect& plot, bool animating);
    TMouseResult move(int x, int y, const TPixelRect& plot);
    TMouseResult release(TMouseButton button, int x, int y);

    State state() const { return state_; }
    int moveCount() const { return moves_; }

private:
    bool takes(TMouseAction action, TMouseButton button, TMouseKeys keys) const;

    State state_ = State::Idle;
    TMouseButton button_ = TMouseButton::Other;
    int anchorX_ = 0, anchorY_ = 0; // rubber band's fixed corner, or the last pan position
    int cornerX_ = 0, cornerY_ = 0;
    int moves_ = 0;
    bool zoomOut_ = false; // this press may end as a zoom out
    bool pan_ = false;     // this press may pan
};

// ---- Zoom animation --------------------------------------------------------------

// The frames of a zoom: each bound moves linearly from the old view to the
// new one. The clock starts at the last redraw's duration and advances by the
// real time each frame took; the frame at the zoom time is the last.
class TZoomAnimation {
public:
    void start(const TGraphView& from, const TGraphView& to, int zoomTimeMs, std::int64_t firstClockMs);
    void stop() { running_ = false; }
    bool running() const { return running_; }
    // The next frame's view after `elapsedMs` more (0 for the first frame).
    TGraphView nextFrame(std::int64_t elapsedMs);
    std::int64_t clock() const { return clock_; }
    const TGraphView& target() const { return to_; }

private:
    TGraphView from_, to_;
    int zoomTime_ = 0;
    std::int64_t clock_ = 0;
    bool running_ = false;
};

} // namespace tv
