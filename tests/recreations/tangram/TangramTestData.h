#pragma once
// Our own puzzle files (tests/recreations/tangram/data, not shipped) and a
// scripted student who solves a figure with the mouse and the F key, through
// whatever drives the board: the logic directly or the window's events.
#include "recreations/tangram/U_TPiece2.h"

#include <gtest/gtest.h>

#include <QString>

#include <cstdlib>
#include <vector>

namespace tv::tangram::test {

inline QString dataPath(const char* name)
{
    return QStringLiteral(TANGRAM_TEST_DATA "/") + QString::fromLatin1(name);
}

// The board size used by the logic suites: an 800 x 600 screen less the
// panel and the status line.
constexpr int BoardWidth = 666;
constexpr int BoardHeight = 578;

// A point inside piece `index` that no piece before it contains, so a press
// there picks this piece up: the closest such pixel to its centre.
inline QPoint grabPoint(const tTangram& board, int index)
{
    const tpiece& p = board.pieces()[std::size_t(index)];
    int left = p.screen[0].x(), right = left, top = p.screen[0].y(), bottom = top;
    for (QPoint v : p.screenVertices()) {
        left = std::min(left, v.x());
        right = std::max(right, v.x());
        top = std::min(top, v.y());
        bottom = std::max(bottom, v.y());
    }
    QPoint best(-1, -1);
    long bestDistance = -1;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            const QPoint q(x, y);
            if (!PointInPiece(p.screenVertices(), q).inside)
                continue;
            bool taken = false;
            for (int k = 0; k < index && !taken; ++k)
                taken = board.pieces()[std::size_t(k)].movable
                     && PointInPiece(board.pieces()[std::size_t(k)].screenVertices(), q).inside;
            if (taken)
                continue;
            const long d = long(x - p.screenCenter.x()) * (x - p.screenCenter.x())
                         + long(y - p.screenCenter.y()) * (y - p.screenCenter.y());
            if (bestDistance < 0 || d < bestDistance) {
                best = q;
                bestDistance = d;
            }
        }
    return best;
}

// Where to put the pointer so a carried piece centred at `from` jumps by
// whole units to `to`: half a unit past the target, away from `from`.
inline QPoint pointerFor(QPoint from, QPoint to, int unit)
{
    auto axis = [unit](int a, int b) { return b == a ? b : b + (b > a ? unit / 2 : -unit / 2); };
    return QPoint(axis(from.x(), to.x()), axis(from.y(), to.y()));
}

// Solves the current figure piece by piece: press on the piece, turn it with
// the right button as often as its silhouette was turned, flip it with the
// F key (or keypad 6) if the silhouette is flipped, move it onto the
// silhouette's centre and press again. `Driver` offers press(QPoint,
// Button), move(QPoint), key(int), pointer() and board().
template <class Driver>
void solveCurrentFigure(Driver& driver)
{
    const tTangram& board = driver.board();
    const Tfigpieces& figure = board.figures()[std::size_t(board.CurrentFigure() - 1)];
    const int unit = board.Unit();
    bool useKeypad = false;
    for (int i = 0; i < board.pieceCount(); ++i) {
        const Tfigpiece& e = figure.entries[std::size_t(i)];
        if (!e.present)
            continue;
        const QPoint at = grabPoint(board, i);
        ASSERT_NE(at, QPoint(-1, -1)) << "piece " << i << " cannot be reached";
        driver.press(at, Button::Left);
        ASSERT_EQ(board.Selected(), i);
        for (int s = stepsForFileTurn(e.turn); s > 0; --s)
            driver.press(board.pieces()[std::size_t(i)].screenCenter, Button::Right);
        if (e.flip > 0) {
            driver.key(useKeypad ? KeyNumpad6 : KeyF);
            useKeypad = !useKeypad;
        }
        const QPoint from = board.pieces()[std::size_t(i)].screenCenter;
        const QPoint to(e.x * unit, e.y * unit);
        driver.move(pointerFor(from, to, unit));
        ASSERT_EQ(board.pieces()[std::size_t(i)].screenCenter, to) << "piece " << i;
        driver.press(driver.pointer(), Button::Left);
        ASSERT_EQ(board.Selected(), -1) << "piece " << i << " was not accepted";
    }
}

} // namespace tv::tangram::test
