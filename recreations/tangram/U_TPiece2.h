#pragma once
// The Tangram board without its widget: pieces and silhouettes on a grid of
// whole units, turning and flipping, hit testing, the fit test that decides
// whether a carried piece may be set down, the mouse and key rules, what to
// paint in which order, and the two file loaders. The window only turns
// events into calls and paints the list it is given.
#include "ui/Errors.h"

#include <QByteArray>
#include <QPoint>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tv::tangram {

// 0xRRGGBB; the logic needs no colour class of the widget toolkit.
using Rgb = std::uint32_t;
constexpr Rgb White = 0xFFFFFF;

// The figures file's colour index (0 to 11) to its colour.
constexpr int ColourCount = 12;
Rgb colourOfIndex(int index);

// Limits that keep a broken or hostile file from costing unbounded memory or
// time, and keep every screen coordinate far inside 32 bits.
constexpr int MaxPieces = 64;
constexpr int MaxFigures = 1000;
constexpr int MaxVertices = 4;
constexpr int MinVertices = 3;
constexpr int MaxCornerReach = 100;     // units from a piece's centre
constexpr qint64 MaxFileBytes = 1 << 20; // both files

// A file that cannot be used; the message is one sentence naming the file.
class TangramFileError : public Error { using Error::Error; };

// Where the board splits into play area and tray, fixed when it is created.
struct BoardGeometry {
    int width = 0;
    int height = 0;
    int Unit = 1;
    int divider = 0;
};
// t = 2W/3 (whole), Unit = (W - t) div 18, divider = Unit * (t div Unit).
BoardGeometry boardGeometryFor(int width, int height);

class tpiece {
public:
    std::array<QPoint, MaxVertices> model{};  // units, relative to the model origin
    std::array<QPoint, MaxVertices> screen{}; // board pixels
    QPoint center;       // units
    QPoint screenCenter; // pixels
    QPoint origin;       // pixels: where model (0, 0) sits on the board
    int vertexCount = 0;
    Rgb colour = White;
    int unit = 1;
    int turn = 0; // 45-degree steps applied, modulo 8
    bool selected = false;
    bool movable = true;
    bool visible = true;

    std::span<const QPoint> screenVertices() const { return {screen.data(), std::size_t(vertexCount)}; }

    // screen = model * unit + origin, vertices and centre alike.
    void recompute();
    void moveBy(int dx, int dy);
    void moveCenterTo(int x, int y);
    // One clockwise step on screen (y grows downwards), each coordinate
    // rounded to the nearest whole unit, starting from the last rounding.
    void turnStep();
    // Turns as the files ask: (8 - r) mod 8 steps, r the value's remainder
    // by 8, so a value of 0 leaves the piece exactly as drawn.
    void turnFromFile(int value);
    // Mirror across the vertical line through the centre.
    void flip();
};

// The number of steps turnFromFile applies for a value.
int stepsForFileTurn(int value);

// One piece's entry in one figure.
struct Tfigpiece {
    bool present = false;
    int x = 0; // units from the board's top-left corner
    int y = 0;
    int turn = 0;
    int flip = 0;
    Rgb colour = White;
};

// One figure: one entry per piece of the pieces file, in that order.
struct Tfigpieces {
    QString title;
    std::vector<Tfigpiece> entries;
};

// ---- Geometry -------------------------------------------------------------

struct SegmentContact {
    bool meet = false;
    bool touching = false; // an end lies on the other segment's line
    bool parallel = false; // meeting, with equal slope values
};
// Exact integer test whether segments a1a2 and b1b2 meet.
SegmentContact SegmentsMeet(QPoint a1, QPoint a2, QPoint b1, QPoint b2);
// round(10 dy/dx), or 10^10 for a vertical segment.
std::int64_t slopeValue(QPoint p1, QPoint p2);
// Two parallel touching segments share more than a point along their line.
bool EdgesOverlap(QPoint a1, QPoint a2, QPoint b1, QPoint b2);

struct PointPlace {
    bool inside = false;   // interior, on an edge or on a vertex
    bool onVertex = false; // exactly on a vertex
};
// Exact for every point and every polygon (even-odd rule); points on the
// boundary count as inside.
PointPlace PointInPiece(std::span<const QPoint> polygon, QPoint p);

// The area (square pixels) two polygons of up to four corners have in
// common; 0 for polygons that only touch along edges or at corners.
double overlapArea(std::span<const QPoint> a, std::span<const QPoint> b);

// ---- Files ----------------------------------------------------------------

// A pieces file read into pieces in their home state on the given board.
struct PieceSet {
    std::vector<tpiece> pieces;
    std::vector<QString> names;
};
struct FigureSet {
    PieceSet pieceSet;
    std::vector<Tfigpieces> figures;
    QString piecesFileName; // as the figures file names it
};

// The pieces file's text; `fileName` only names it in messages. Throws
// TangramFileError.
PieceSet parsePiecesText(const QByteArray& text, const QString& fileName, const BoardGeometry& board);

// The two lines that open a figures file: a title, then the pieces file name.
struct FiguresHead {
    QString piecesName;
    qsizetype bodyOffset = 0; // where line 3 starts
    int bodyLine = 3;
};
FiguresHead readFiguresHead(const QByteArray& text, const QString& fileName);
// The figure count and the figures, one entry per piece of `pieces`.
std::vector<Tfigpieces> parseFiguresBody(const QByteArray& text, const FiguresHead& head, const QString& fileName,
                                         const PieceSet& pieces, const BoardGeometry& board);
// Both files' texts, without touching the disk.
FigureSet parseFigureSet(const QByteArray& figuresText, const QString& figuresName, const QByteArray& piecesText,
                         const BoardGeometry& board);
// Reads a figures file and the pieces file it names beside it. Throws
// TangramFileError; never changes anything outside its result.
FigureSet loadFigureSet(const QString& figuresPath, const BoardGeometry& board);

// ---- The board ------------------------------------------------------------

enum class Button { Left, Right };

// What the widget must do after an event.
struct Reaction {
    bool repaint = false;
    std::optional<QPoint> pointerTo; // move the mouse pointer (board pixels)
    bool beep = false;
    bool solved = false; // show "You did it!"
};

// One polygon to paint, in painting order.
struct DrawItem {
    std::vector<QPoint> points;
    Rgb fill = White;
    Rgb outline = 0;
    int outlineWidth = 1;
};

// The Windows key codes the flip accepts: "F" (either case) and keypad 6.
constexpr int KeyF = 70;
constexpr int KeyNumpad6 = 102;
bool isFlipKey(int keyCode);
// The Windows key code of a key from the widget toolkit; 0 for others.
int keyCodeOf(int qtKey, bool keypad);

class tTangram {
public:
    tTangram(int width, int height);

    const BoardGeometry& geometry() const { return board_; }
    int Unit() const { return board_.Unit; }
    int divider() const { return board_.divider; }

    // Replaces every piece, home copy and figure with the file's; on any
    // failure throws TangramFileError and the board stays exactly as it was.
    void LoadFigures(const QString& figuresPath);
    // Takes an already loaded set (the loaders' tests and the fuzzer).
    void adopt(FigureSet set, const QString& figuresPath);

    // 0 is the last figure, above the count is figure 1. Nothing without figures.
    void SelectFigure(int n);
    void Restart();

    Reaction MouseDown(QPoint p, Button button);
    Reaction MouseMove(QPoint p);
    Reaction KeyDown(int keyCode);

    // Whether `s` may be set down where it is (screen coordinates); `self`
    // is its index among the pieces, left out of the overlap test.
    bool FitsTargets(const tpiece& s, int self = -1) const;

    std::vector<DrawItem> paintList() const;

    bool hasFigures() const { return !Figures.empty(); }
    int pieceCount() const { return int(Pieces.size()); }
    int figureCount() const { return int(Figures.size()); }
    int CurrentFigure() const { return CurrentFigure_; }
    int Selected() const { return Selected_; }
    int PlacedCount() const { return PlacedCount_; }
    const QString& figuresPath() const { return figuresPath_; }
    const QString& piecesFileName() const { return piecesFileName_; }
    const std::vector<tpiece>& pieces() const { return Pieces; }
    const std::vector<tpiece>& homePieces() const { return HomePieces; }
    const std::vector<tpiece>& targets() const { return Targets; }
    const std::vector<Tfigpieces>& figures() const { return Figures; }
    const std::vector<QString>& pieceNames() const { return pieceNames_; }

private:
    bool leftOfDivider(const tpiece& p) const { return p.screenCenter.x() < board_.divider; }
    Reaction pickUp(QPoint p, Button button);
    Reaction setDown();

    BoardGeometry board_;
    QString figuresPath_;
    QString piecesFileName_;
    std::vector<tpiece> Pieces;
    std::vector<tpiece> HomePieces;
    std::vector<tpiece> Targets;
    std::vector<Tfigpieces> Figures;
    std::vector<QString> pieceNames_;
    int CurrentFigure_ = 0; // 1-based; 0 before any figure is shown
    int Selected_ = -1;
    int PlacedCount_ = 0;
};

} // namespace tv::tangram
