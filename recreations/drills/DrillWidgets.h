#pragma once
// Pieces the drill windows share (and the factor games borrow): the score
// meter, the raised multi-line title, coloured number panels and the right
// and wrong pictures.
#include "recreations/drills/DrillGames.h"

#include <QColor>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace tv::drills {

// A vertical bar filled from the bottom, labelled from "Genius" at the top
// down to "Are You Alive?". A value outside 0..maximum is ignored.
class ScoreMeter : public QWidget {
    Q_OBJECT
public:
    ScoreMeter(int maximum, int start, QWidget* parent = nullptr);

    void setValue(int value);
    int value() const { return value_.value(); }
    int maximum() const { return value_.maximum(); }

    static constexpr int BarHeight = 200;
    static constexpr int BarWidth = 26;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    MeterValue value_;
};

// The labels beside the meter, top to bottom.
const QStringList& meterLabels();

// Several lines of text drawn with a raised edge.
class RaisedTitle : public QWidget {
    Q_OBJECT
public:
    RaisedTitle(const QString& text, const QFont& font, const QColor& colour, QWidget* parent = nullptr);
    QString text() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QColor colour_;
};

// A sunken panel with centred text in the given colours.
QLabel* numberPanel(QWidget* parent, const QString& name, const QColor& face, const QColor& text,
                    int pixelSize);
// A bold Arial label at (x, y), as large as its text.
QLabel* textLabel(QWidget* parent, const QString& name, const QString& text, int x, int y, int pt = 11);
void setBackground(QWidget* w, const QColor& colour);
void setTextColour(QWidget* w, const QColor& colour);

// The shared right and wrong pictures, in a label each, hidden.
QLabel* rightPicture(QWidget* parent);
QLabel* wrongPicture(QWidget* parent);
QPixmap magicFactorsPicture();

} // namespace tv::drills
