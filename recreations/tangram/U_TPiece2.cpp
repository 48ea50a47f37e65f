#include "recreations/tangram/U_TPiece2.h"

#include <QFile>
#include <QFileInfo>
#include <QPointF>
#include <QRect>
#include <QtCore/qnamespace.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

namespace tv::tangram {

namespace {

constexpr std::array<Rgb, ColourCount> kColours = {
        0x0000FF, // blue
        0xFF0000, // red
        0xFFFF00, // yellow
        0x008000, // green
        0x800080, // purple
        0x00FF00, // lime
        0xFF00FF, // fuchsia
        0x00FFFF, // aqua
        0x008080, // teal
        0x000080, // navy
        0x800000, // maroon
        0x808000, // olive
};

std::int64_t cross(QPoint u, QPoint v)
{
    return std::int64_t(u.x()) * v.y() - std::int64_t(u.y()) * v.x();
}

// |v| without the overflow of std::abs on the most negative int.
std::int64_t magnitude(std::int64_t v) { return v < 0 ? -v : v; }

int signOf(std::int64_t v) { return (v > 0) - (v < 0); }

// Sign of side(L, p, q): negative or zero when p and q are not strictly on
// one side of L's line. Signs are multiplied rather than the crosses, which
// could overflow 64 bits.
int sideSign(QPoint l1, QPoint l2, QPoint p, QPoint q)
{
    const QPoint d = l2 - l1;
    return signOf(cross(d, q - l2)) * signOf(cross(d, p - l1));
}

bool onSegment(QPoint a, QPoint b, QPoint p)
{
    if (cross(b - a, p - a) != 0)
        return false;
    return std::min(a.x(), b.x()) <= p.x() && p.x() <= std::max(a.x(), b.x()) && std::min(a.y(), b.y()) <= p.y()
        && p.y() <= std::max(a.y(), b.y());
}

// ---- Reading the files ----------------------------------------------------

// A name from a file or the disk as it may appear in a message: control
// characters (a NUL would cut the message short) shown as "?", and short.
QString shownName(const QString& name)
{
    QString shown;
    for (QChar c : name.left(40))
        shown += (c.unicode() < 0x20 || c.unicode() == 0x7F) ? QChar(u'?') : c;
    if (name.size() > 40)
        shown += QStringLiteral("...");
    return shown;
}

QString quoted(const QString& name) { return QLatin1Char('"') + shownName(name) + QLatin1Char('"'); }

// A word from the file as it may appear in a message: short, printable.
QString shownToken(const QByteArray& token)
{
    QString shown;
    for (char c : token.left(20)) {
        const auto u = static_cast<unsigned char>(c);
        shown += (u >= 0x20 && u < 0x7F) ? QChar(u) : QChar(u'?');
    }
    if (token.size() > 20)
        shown += QStringLiteral("...");
    return shown;
}

// Free-format whitespace-separated integers with line skipping, counting
// lines for the messages. Every failure names the file and the line.
class Reader {
public:
    Reader(const QByteArray& text, QString kind, QString name, qsizetype start = 0, int line = 1)
        : text_(text), kind_(std::move(kind)), name_(std::move(name)), pos_(start), line_(line)
    {
    }

    void skipLine()
    {
        while (pos_ < text_.size() && text_[pos_] != '\n')
            ++pos_;
        if (pos_ < text_.size()) {
            ++pos_;
            ++line_;
        }
    }

    QString restOfLine()
    {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_] != '\n')
            ++pos_;
        const QByteArray raw = text_.mid(start, std::min<qsizetype>(pos_ - start, 260));
        skipLine();
        return QString::fromLatin1(raw).trimmed();
    }

    // The next integer; anything that is not a 32-bit whole number fails.
    std::int64_t readInt()
    {
        while (pos_ < text_.size() && isSpace(text_[pos_])) {
            if (text_[pos_] == '\n')
                ++line_;
            ++pos_;
        }
        lastLine_ = line_;
        if (pos_ >= text_.size())
            fail(QStringLiteral("ends too soon: a number was expected on line %1").arg(line_));
        const qsizetype start = pos_;
        while (pos_ < text_.size() && !isSpace(text_[pos_]))
            ++pos_;
        const QByteArray token = text_.mid(start, pos_ - start);
        qsizetype i = (token[0] == '+' || token[0] == '-') ? 1 : 0;
        const bool digits = i < token.size()
            && std::all_of(token.begin() + i, token.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!digits)
            failAt(QStringLiteral("holds %1 where a whole number should be").arg(quoted(shownToken(token))));
        // Leading zeros aside, more than ten digits is out of any range we take.
        while (i < token.size() - 1 && token[i] == '0')
            ++i;
        // "far too large" would be wrong for a number far below zero.
        const QString tooFar = token[0] == '-' ? QStringLiteral("holds the number %1, which is far too small")
                                               : QStringLiteral("holds the number %1, which is far too large");
        if (token.size() - i > 10)
            failAt(tooFar.arg(shownToken(token)));
        const std::int64_t value = std::strtoll(token.constData(), nullptr, 10);
        if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
            failAt(tooFar.arg(value));
        return value;
    }

    int lastLine() const { return lastLine_; }
    qsizetype position() const { return pos_; }
    int line() const { return line_; }

    [[noreturn]] void fail(const QString& what) const
    {
        throw TangramFileError(QStringLiteral("The %1 file %2 %3.").arg(kind_, quoted(name_), what));
    }
    // "Line 7 of the pieces file "set.txt" holds ..."
    [[noreturn]] void failAt(const QString& what) const { failOn(lastLine_, what); }
    [[noreturn]] void failOn(int line, const QString& what) const
    {
        throw TangramFileError(
                QStringLiteral("Line %1 of the %2 file %3 %4.").arg(line).arg(kind_, quoted(name_), what));
    }

private:
    static bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

    const QByteArray& text_;
    QString kind_;
    QString name_;
    qsizetype pos_;
    int line_;
    int lastLine_ = 1;
};

QByteArray readSmallFile(const QString& path, const QString& kind, const QString& fileName,
                         const QString& missingNote = QString())
{
    const QFileInfo info(path);
    auto fail = [&](const QString& what) {
        throw TangramFileError(QStringLiteral("The %1 file %2%3 %4.").arg(kind, quoted(fileName), missingNote, what));
    };
    if (!info.exists())
        fail(QStringLiteral("could not be found"));
    // Folders, devices and pipes are refused before opening: a pipe would
    // wait for a writer forever.
    if (info.isDir())
        fail(QStringLiteral("is a folder, not a file"));
    if (!info.isFile())
        fail(QStringLiteral("is not an ordinary file"));
    if (info.size() > MaxFileBytes)
        fail(QStringLiteral("is too large to be a Tangram file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("could not be opened"));
    QByteArray bytes = file.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes)
        fail(QStringLiteral("is too large to be a Tangram file"));
    return bytes;
}

int unitsAcross(int pixels, int unit) { return pixels / unit; }

bool withinBox(QPoint p, const QRect& box)
{
    return p.x() >= box.left() && p.x() <= box.left() + box.width() && p.y() >= box.top()
        && p.y() <= box.top() + box.height();
}

} // namespace

Rgb colourOfIndex(int index)
{
    return index >= 0 && index < ColourCount ? kColours[std::size_t(index)] : White;
}

BoardGeometry boardGeometryFor(int width, int height)
{
    BoardGeometry g;
    g.width = std::max(width, 0);
    g.height = std::max(height, 0);
    const int t = 2 * g.width / 3;
    // A board narrower than 54 pixels would give a unit of 0 and divide by it.
    g.Unit = std::max((g.width - t) / 18, 1);
    g.divider = g.Unit * (t / g.Unit);
    return g;
}

// ---- tpiece ---------------------------------------------------------------

void tpiece::recompute()
{
    for (int i = 0; i < vertexCount; ++i)
        screen[std::size_t(i)] = model[std::size_t(i)] * unit + origin;
    screenCenter = center * unit + origin;
}

void tpiece::moveBy(int dx, int dy)
{
    const QPoint d(dx, dy);
    for (int i = 0; i < vertexCount; ++i)
        model[std::size_t(i)] += d;
    center += d;
    recompute();
}

void tpiece::moveCenterTo(int x, int y) { moveBy(x - center.x(), y - center.y()); }

void tpiece::turnStep()
{
    static const double c = std::sqrt(0.5); // cos 45 = sin 45
    turn = (turn + 1) % 8;
    for (int i = 0; i < vertexCount; ++i) {
        QPoint& v = model[std::size_t(i)];
        const double a = v.x() - center.x();
        const double b = v.y() - center.y();
        v = center + QPoint(int(std::lround(a * c - b * c)), int(std::lround(a * c + b * c)));
    }
    recompute();
}

int stepsForFileTurn(int value)
{
    const int r = value % 8; // takes the sign of the value
    return (8 - r) % 8;
}

void tpiece::turnFromFile(int value)
{
    for (int s = stepsForFileTurn(value); s > 0; --s)
        turnStep();
}

void tpiece::flip()
{
    for (int i = 0; i < vertexCount; ++i) {
        QPoint& v = model[std::size_t(i)];
        v.setX(2 * center.x() - v.x());
    }
    recompute();
}

// ---- Geometry -------------------------------------------------------------

std::int64_t slopeValue(QPoint p1, QPoint p2)
{
    const std::int64_t dx = std::int64_t(p2.x()) - p1.x();
    const std::int64_t dy = std::int64_t(p2.y()) - p1.y();
    if (dx == 0)
        return 10'000'000'000LL;
    return std::llround(10.0 * double(dy) / double(dx));
}

SegmentContact SegmentsMeet(QPoint a1, QPoint a2, QPoint b1, QPoint b2)
{
    SegmentContact c;
    const int sideA = sideSign(a1, a2, b1, b2);
    const int sideB = sideSign(b1, b2, a1, a2);
    c.meet = sideA <= 0 && sideB <= 0;
    if (!c.meet)
        return c;
    c.touching = (sideA == 0 && a1 != a2) || (sideB == 0 && b1 != b2);
    c.parallel = slopeValue(a1, a2) == slopeValue(b1, b2);
    return c;
}

bool EdgesOverlap(QPoint a1, QPoint a2, QPoint b1, QPoint b2)
{
    const bool byX = a1.y() == a2.y();
    auto key = [byX](QPoint p) { return byX ? p.x() : p.y(); };
    int aLo = key(a1), aHi = key(a2), bLo = key(b1), bHi = key(b2);
    if (aLo > aHi)
        std::swap(aLo, aHi);
    if (bLo > bHi)
        std::swap(bLo, bHi);
    if (bLo < aLo) {
        std::swap(aLo, bLo);
        std::swap(aHi, bHi);
    }
    return aHi > bLo;
}

PointPlace PointInPiece(std::span<const QPoint> polygon, QPoint p)
{
    PointPlace place;
    const std::size_t n = polygon.size();
    if (n == 0)
        return place;
    for (QPoint v : polygon)
        if (v == p) {
            place.inside = place.onVertex = true;
            return place;
        }
    for (std::size_t i = 0, j = n - 1; i < n; j = i++)
        if (onSegment(polygon[j], polygon[i], p)) {
            place.inside = true;
            return place;
        }
    // A ray to the right; an edge counts when its ends lie on different
    // sides of the ray's line (one end strictly above, the other not), so a
    // ray through a vertex counts the two edges there once or twice as the
    // boundary really crosses or only touches.
    bool odd = false;
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const QPoint a = polygon[j], b = polygon[i];
        if ((a.y() > p.y()) == (b.y() > p.y()))
            continue;
        // Crossing x lies right of p: (X - ax)(by - ay) < (Y - ay)(bx - ax), sign-adjusted.
        const std::int64_t lhs = (std::int64_t(p.x()) - a.x()) * (std::int64_t(b.y()) - a.y());
        const std::int64_t rhs = (std::int64_t(p.y()) - a.y()) * (std::int64_t(b.x()) - a.x());
        const bool right = b.y() > a.y() ? lhs < rhs : lhs > rhs;
        if (right)
            odd = !odd;
    }
    place.inside = odd;
    return place;
}

namespace {

using Triangle = std::array<QPointF, 3>;

double crossF(QPointF u, QPointF v) { return u.x() * v.y() - u.y() * v.x(); }

double shoelace(const std::vector<QPointF>& poly)
{
    double twice = 0;
    for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++)
        twice += crossF(poly[j], poly[i]);
    return std::abs(twice) / 2;
}

// A polygon of three or four corners as triangles; a four-cornered one is cut
// along the diagonal that lies inside it, so a dart shape is split correctly.
std::vector<Triangle> triangles(std::span<const QPoint> p)
{
    auto twiceArea = [](QPoint a, QPoint b, QPoint c) { return magnitude(cross(b - a, c - a)); };
    std::vector<Triangle> out;
    if (p.size() < 3)
        return out;
    std::size_t first = 0;
    if (p.size() == 4) {
        const std::int64_t whole = magnitude(cross(p[1] - p[0], p[2] - p[0]) + cross(p[2] - p[0], p[3] - p[0]));
        if (twiceArea(p[0], p[1], p[2]) + twiceArea(p[0], p[2], p[3]) != whole)
            first = 1;
    }
    for (std::size_t k = 1; k + 1 < p.size(); ++k)
        out.push_back({QPointF(p[first]), QPointF(p[(first + k) % p.size()]), QPointF(p[(first + k + 1) % p.size()])});
    return out;
}

// The part of `subject` inside the triangle `clip`, one clip edge at a time.
double clippedArea(const Triangle& subject, const Triangle& clip)
{
    const double turn = crossF(clip[1] - clip[0], clip[2] - clip[0]);
    if (turn == 0)
        return 0;
    std::vector<QPointF> poly(subject.begin(), subject.end());
    for (std::size_t e = 0; e < 3 && !poly.empty(); ++e) {
        const QPointF a = clip[e], b = clip[(e + 1) % 3];
        auto side = [&](QPointF p) { return turn > 0 ? crossF(b - a, p - a) : -crossF(b - a, p - a); };
        std::vector<QPointF> kept;
        for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
            const QPointF from = poly[j], to = poly[i];
            const double sf = side(from), st = side(to);
            if ((sf >= 0) != (st >= 0))
                kept.push_back(from + (to - from) * (sf / (sf - st)));
            if (st >= 0)
                kept.push_back(to);
        }
        poly = std::move(kept);
    }
    return poly.size() < 3 ? 0 : shoelace(poly);
}

} // namespace

double overlapArea(std::span<const QPoint> a, std::span<const QPoint> b)
{
    double area = 0;
    for (const Triangle& s : triangles(a))
        for (const Triangle& c : triangles(b))
            area += clippedArea(s, c);
    return area;
}

// ---- Files ----------------------------------------------------------------

namespace {

QRect trayBox(const BoardGeometry& b)
{
    return QRect(0, 0, unitsAcross(b.width - b.divider, b.Unit), unitsAcross(b.height, b.Unit));
}

} // namespace

PieceSet parsePiecesText(const QByteArray& text, const QString& fileName, const BoardGeometry& board)
{
    Reader r(text, QStringLiteral("pieces"), fileName);
    PieceSet set;
    r.skipLine();
    const std::int64_t count = r.readInt();
    if (count < 1 || count > MaxPieces)
        r.failAt(QStringLiteral("gives %1 pieces, but a set holds 1 to %2 pieces").arg(count).arg(MaxPieces));
    r.skipLine();
    const QRect tray = trayBox(board);
    set.pieces.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        const QString name = r.restOfLine();
        // Names from the file are put in with one-pass substitution, so a
        // "%2" in a name stays as written.
        const QString which = name.isEmpty() ? QStringLiteral("piece %1").arg(i + 1)
                                             : QStringLiteral("piece %1 (%2)").arg(QString::number(i + 1), shownName(name));
        const int homeX = int(r.readInt());
        const int homeLine = r.lastLine();
        const int homeY = int(r.readInt());
        const int turn = int(r.readInt());
        const int flip = int(r.readInt());
        r.skipLine();
        if (!withinBox(QPoint(homeX, homeY), tray))
            r.failOn(homeLine, QStringLiteral("puts %1 at %2, %3, which is outside the tray of %4 by %5 units")
                                       .arg(which, QString::number(homeX), QString::number(homeY),
                                            QString::number(tray.width()), QString::number(tray.height())));
        const std::int64_t vertices = r.readInt();
        if (vertices < MinVertices || vertices > MaxVertices)
            r.failAt(QStringLiteral("says %1 has %2 corners, but a piece has %3 or %4")
                             .arg(which, QString::number(vertices), QString::number(MinVertices),
                                  QString::number(MaxVertices)));
        r.skipLine();
        tpiece p;
        p.vertexCount = int(vertices);
        for (int v = 0; v < vertices; ++v) {
            const int x = int(r.readInt());
            const int y = int(r.readInt());
            if (magnitude(x) > MaxCornerReach || magnitude(y) > MaxCornerReach)
                r.failAt(QStringLiteral("puts a corner of %1 more than %2 units from its centre")
                                 .arg(which, QString::number(MaxCornerReach)));
            p.model[std::size_t(v)] = QPoint(x, y);
            r.skipLine();
        }
        p.unit = board.Unit;
        p.origin = QPoint(board.divider + homeX * board.Unit, homeY * board.Unit);
        p.center = QPoint(0, 0);
        p.colour = White;
        p.movable = true;
        p.visible = true;
        p.recompute();
        p.turnFromFile(turn);
        if (flip > 0)
            p.flip();
        set.pieces.push_back(p);
        set.names.push_back(name);
    }
    return set;
}

FiguresHead readFiguresHead(const QByteArray& text, const QString& fileName)
{
    Reader r(text, QStringLiteral("figures"), fileName);
    r.skipLine();
    FiguresHead head;
    head.piecesName = r.restOfLine();
    if (head.piecesName.isEmpty())
        r.failOn(2, QStringLiteral("does not name a pieces file"));
    head.bodyOffset = r.position();
    head.bodyLine = r.line();
    return head;
}

std::vector<Tfigpieces> parseFiguresBody(const QByteArray& text, const FiguresHead& head, const QString& fileName,
                                         const PieceSet& pieces, const BoardGeometry& board)
{
    Reader r(text, QStringLiteral("figures"), fileName, head.bodyOffset, head.bodyLine);
    const std::int64_t count = r.readInt();
    if (count < 1 || count > MaxFigures)
        r.failAt(QStringLiteral("gives %1 figures, but a file holds 1 to %2 figures").arg(count).arg(MaxFigures));
    r.skipLine();
    const QRect play(0, 0, board.divider, board.height);
    std::vector<Tfigpieces> figures;
    figures.reserve(std::size_t(count));
    for (int f = 0; f < count; ++f) {
        Tfigpieces figure;
        figure.title = r.restOfLine();
        figure.entries.reserve(pieces.pieces.size());
        const QString figureName = figure.title.isEmpty()
                ? QStringLiteral("figure %1").arg(f + 1)
                : QStringLiteral("figure %1 (%2)").arg(QString::number(f + 1), shownName(figure.title));
        for (std::size_t i = 0; i < pieces.pieces.size(); ++i) {
            Tfigpiece e;
            e.present = r.readInt() > 0;
            const int line = r.lastLine();
            const std::int64_t colour = r.readInt();
            e.x = int(r.readInt());
            e.y = int(r.readInt());
            e.turn = int(r.readInt());
            e.flip = int(r.readInt());
            r.skipLine();
            if (colour < 0 || colour >= ColourCount)
                r.failOn(line, QStringLiteral("gives the colour %1, but colours are numbered 0 to %2")
                                       .arg(colour)
                                       .arg(ColourCount - 1));
            e.colour = colourOfIndex(int(colour));
            if (e.present) {
                // The silhouette exactly as the board will make it must lie
                // on the play area, where a piece set on it can count.
                tpiece t = pieces.pieces[i];
                const QPoint at(e.x, e.y);
                if (magnitude(e.x) > 100'000 || magnitude(e.y) > 100'000)
                    r.failOn(line, QStringLiteral("puts piece %1 of %2 far off the board").arg(QString::number(i + 1), figureName));
                t.moveCenterTo(e.x - t.origin.x() / t.unit, e.y - t.origin.y() / t.unit);
                t.turnFromFile(e.turn);
                if (e.flip > 0)
                    t.flip();
                // The centre strictly left of the divider: a piece set down
                // there must count as placed when it is picked up again.
                bool onBoard = withinBox(at * board.Unit, play) && at.x() * board.Unit < board.divider;
                for (QPoint v : t.screenVertices())
                    onBoard = onBoard && withinBox(v, play);
                if (!onBoard)
                    r.failOn(line, QStringLiteral("puts piece %1 of %2 outside the play area").arg(QString::number(i + 1), figureName));
            }
            figure.entries.push_back(e);
        }
        figures.push_back(std::move(figure));
    }
    return figures;
}

FigureSet parseFigureSet(const QByteArray& figuresText, const QString& figuresName, const QByteArray& piecesText,
                         const BoardGeometry& board)
{
    FigureSet set;
    const FiguresHead head = readFiguresHead(figuresText, figuresName);
    set.piecesFileName = head.piecesName;
    set.pieceSet = parsePiecesText(piecesText, QFileInfo(head.piecesName).fileName(), board);
    set.figures = parseFiguresBody(figuresText, head, figuresName, set.pieceSet, board);
    return set;
}

FigureSet loadFigureSet(const QString& figuresPath, const BoardGeometry& board)
{
    const QFileInfo figuresInfo(figuresPath);
    const QString figuresName = figuresInfo.fileName();
    const QByteArray figuresText = readSmallFile(figuresPath, QStringLiteral("figures"), figuresName);
    const FiguresHead head = readFiguresHead(figuresText, figuresName);
    // The name is appended to the figures file's folder as it stands, so
    // an absolute name does not reach outside that folder.
    const QString piecesPath = figuresInfo.absolutePath() + QLatin1Char('/') + head.piecesName;
    const QByteArray piecesText = readSmallFile(piecesPath, QStringLiteral("pieces"),
                                                QFileInfo(head.piecesName).fileName(),
                                                QStringLiteral(" named in %1").arg(quoted(figuresName)));
    return parseFigureSet(figuresText, figuresName, piecesText, board);
}

// ---- Keys -----------------------------------------------------------------

bool isFlipKey(int keyCode) { return keyCode == KeyF || keyCode == KeyNumpad6; }

int keyCodeOf(int qtKey, bool keypad)
{
    if (keypad && qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return 96 + (qtKey - Qt::Key_0); // the keypad's own codes
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey; // letters (either case) and digits share their upper-case codes
    return 0;
}

// ---- tTangram -------------------------------------------------------------

tTangram::tTangram(int width, int height) : board_(boardGeometryFor(width, height)) {}

void tTangram::LoadFigures(const QString& figuresPath)
{
    adopt(loadFigureSet(figuresPath, board_), figuresPath);
}

void tTangram::adopt(FigureSet set, const QString& figuresPath)
{
    Pieces = std::move(set.pieceSet.pieces);
    pieceNames_ = std::move(set.pieceSet.names);
    HomePieces = Pieces;
    Targets.clear();
    Figures = std::move(set.figures);
    figuresPath_ = figuresPath;
    piecesFileName_ = set.piecesFileName;
    CurrentFigure_ = 0;
    Selected_ = -1;
    PlacedCount_ = 0;
}

void tTangram::Restart()
{
    Pieces = HomePieces;
    for (tpiece& p : Pieces)
        p.selected = false;
    Selected_ = -1;
    PlacedCount_ = 0;
}

void tTangram::SelectFigure(int n)
{
    const int count = figureCount();
    if (count == 0)
        return;
    if (n <= 0)
        n = count;
    else if (n > count)
        n = 1;
    CurrentFigure_ = n;
    Restart();
    Targets.clear();
    const Tfigpieces& figure = Figures[std::size_t(n - 1)];
    for (std::size_t i = 0; i < HomePieces.size(); ++i) {
        // The loaders give one entry per piece; a set built by hand may not.
        const Tfigpiece e = i < figure.entries.size() ? figure.entries[i] : Tfigpiece{};
        tpiece& home = HomePieces[i];
        home.colour = e.colour;
        home.visible = e.present;
        if (!e.present)
            continue;
        tpiece t = home;
        // Its centre lands on (x, y) units of the board: the origin is a
        // whole number of units from the board's corner.
        t.moveCenterTo(e.x - t.origin.x() / t.unit, e.y - t.origin.y() / t.unit);
        t.turnFromFile(e.turn);
        if (e.flip > 0)
            t.flip();
        t.colour = White;
        t.movable = false;
        t.selected = false;
        Targets.push_back(t);
    }
    Restart();
}

namespace {
// Square pixels; far above the rounding of the clipping, far below any
// real overlap of pieces whose corners lie on the unit grid.
constexpr double MinOverlap = 1e-3;
} // namespace

bool tTangram::FitsTargets(const tpiece& s, int self) const
{
    for (QPoint v : s.screenVertices()) {
        const bool covered = std::any_of(Targets.begin(), Targets.end(), [v](const tpiece& t) {
            return PointInPiece(t.screenVertices(), v).inside;
        });
        if (!covered)
            return false;
    }
    const auto sv = s.screenVertices();
    for (std::size_t k = 0; k < Pieces.size(); ++k) {
        const tpiece& o = Pieces[k];
        if (int(k) == self || &o == &s || !leftOfDivider(o))
            continue;
        const auto ov = o.screenVertices();
        int shared = 0;
        for (std::size_t i = 0, pi = sv.size() - 1; i < sv.size(); pi = i++)
            for (std::size_t j = 0, pj = ov.size() - 1; j < ov.size(); pj = j++) {
                const SegmentContact c = SegmentsMeet(sv[pi], sv[i], ov[pj], ov[j]);
                if (!c.meet)
                    continue;
                if (!c.touching)
                    return false;
                if (c.parallel && EdgesOverlap(sv[pi], sv[i], ov[pj], ov[j]) && ++shared >= 2)
                    return false;
            }
        // Edges that only touch still let a piece lie inside a placed one
        // (a small triangle on a large one), which would count towards the
        // figure while its own silhouette stays bare.
        if (overlapArea(sv, ov) > MinOverlap)
            return false;
    }
    return true;
}

Reaction tTangram::pickUp(QPoint p, Button button)
{
    Reaction r;
    for (std::size_t i = 0; i < Pieces.size(); ++i) {
        tpiece& piece = Pieces[i];
        if (!piece.movable || !PointInPiece(piece.screenVertices(), p).inside)
            continue;
        Selected_ = int(i);
        piece.selected = true;
        if (leftOfDivider(piece))
            --PlacedCount_;
        if (button == Button::Right)
            piece.turnStep();
        r.pointerTo = piece.screenCenter;
        r.repaint = true;
        return r;
    }
    return r;
}

Reaction tTangram::setDown()
{
    Reaction r;
    tpiece& s = Pieces[std::size_t(Selected_)];
    // A piece the figure does not use can be picked up but never set down on
    // the play area: it would count towards the figure without covering it.
    // Only a piece whose centre is on the play area counts as placed, the same
    // test that lowers the count when it is picked up again; otherwise one
    // piece could be counted twice.
    if (s.visible && leftOfDivider(s) && FitsTargets(s, Selected_)) {
        s.selected = false;
        Selected_ = -1;
        ++PlacedCount_;
        r.repaint = true;
        r.solved = PlacedCount_ == int(Targets.size());
    } else if (s.screenCenter.x() <= board_.divider) {
        r.beep = true;
    } else {
        s = HomePieces[std::size_t(Selected_)];
        s.selected = false;
        Selected_ = -1;
        r.repaint = true;
    }
    return r;
}

Reaction tTangram::MouseDown(QPoint p, Button button)
{
    if (Selected_ < 0)
        return pickUp(p, button);
    if (button == Button::Right) {
        Pieces[std::size_t(Selected_)].turnStep();
        Reaction r;
        r.repaint = true;
        return r;
    }
    return setDown();
}

Reaction tTangram::MouseMove(QPoint p)
{
    Reaction r;
    if (Selected_ < 0)
        return r;
    tpiece& s = Pieces[std::size_t(Selected_)];
    const std::int64_t dx = std::int64_t(p.x()) - s.screenCenter.x();
    const std::int64_t dy = std::int64_t(p.y()) - s.screenCenter.y();
    const int u = board_.Unit;
    if (magnitude(dx) <= u && magnitude(dy) <= u)
        return r;
    s.moveBy(int(dx / u), int(dy / u));
    r.repaint = true;
    return r;
}

Reaction tTangram::KeyDown(int keyCode)
{
    Reaction r;
    if (!isFlipKey(keyCode) || Selected_ < 0)
        return r;
    Pieces[std::size_t(Selected_)].flip();
    r.repaint = true;
    return r;
}

std::vector<DrawItem> tTangram::paintList() const
{
    std::vector<DrawItem> items;
    auto add = [&items](const tpiece& p, Rgb fill, Rgb outline, int width) {
        const auto v = p.screenVertices();
        items.push_back(DrawItem{std::vector<QPoint>(v.begin(), v.end()), fill, outline, width});
    };
    if (CurrentFigure_ > 0)
        for (const tpiece& t : Targets)
            add(t, White, White, 1);
    for (int i = pieceCount() - 1; i >= 0; --i) {
        const tpiece& p = Pieces[std::size_t(i)];
        if (p.visible && i != Selected_)
            add(p, p.colour, 0x000000, 1);
    }
    // The carried piece on top, even one the figure does not use, so the
    // student always sees what is in hand.
    if (Selected_ >= 0)
        add(Pieces[std::size_t(Selected_)], Pieces[std::size_t(Selected_)].colour, 0x000000, 2);
    return items;
}

} // namespace tv::tangram
