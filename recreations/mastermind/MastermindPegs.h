#pragma once
// The peg pictures and the little strip of peg holes the Answer box and the
// dialogs show.
#include "recreations/mastermind/MastermindLogic.h"

#include <array>
#include <vector>

#include <QColor>
#include <QImage>
#include <QWidget>

namespace tv::mastermind {

constexpr int PegImageSize = 50;
// Index of the score pegs in the picture list (after the six colours).
constexpr int RedScorePeg = 6;
constexpr int WhiteScorePeg = 7;

// Eight 50x50 pictures: colours 1..6 at 0..5, then the red and the white
// score peg.
const std::array<QImage, 8>& pegImages();
// The display colour of colour 1..6.
QColor pegColour(int colour);

// A black hole with a teal rim, centred in `cell`, of the given diameter.
void drawHole(QPainter& painter, const QRectF& cell, qreal diameter);
// A peg picture (0..7) filling `cell`.
void drawPeg(QPainter& painter, const QRectF& cell, int image);

// A row of large peg holes, each showing its colour (0 empty). When
// clickable, a click on a hole emits holeClicked with its index.
class TPegStrip : public QWidget {
    Q_OBJECT
public:
    TPegStrip(int holes, int cellSize, QWidget* parent = nullptr);

    void setColours(const std::vector<int>& colours);
    const std::vector<int>& colours() const { return colours_; }
    void setClickable(bool clickable) { clickable_ = clickable; }
    QRect holeRect(int index) const;

signals:
    void holeClicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::vector<int> colours_;
    int cell_;
    bool clickable_ = false;
};

} // namespace tv::mastermind
