#include "grapher/EGHintForm.h"

#include "ui/Components.h"

#include <QPainter>

namespace tv {

namespace {
const QColor HintBackground(0xFF, 0xFF, 0xE1);
constexpr int LineHeight = 15;
constexpr int NumberRight = 75; // numbers are right-aligned here
} // namespace

TEGHintForm::TEGHintForm(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setFixedSize(HintWidth, HintHeight);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(pointFont(QStringLiteral("MS Sans Serif"), 8));
}

void TEGHintForm::setValues(const QString& x, const QString& y)
{
    x_ = x;
    y_ = y;
    update();
}

void TEGHintForm::setCurve(bool hasCurve, const QColor& colour, const QString& text)
{
    hasCurve_ = hasCurve;
    colour_ = colour;
    text_ = text;
    update();
}

void TEGHintForm::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), HintBackground);
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setFont(font());
    const int left = 4;
    const QRect xLine(left, 2, NumberRight - left, LineHeight);
    const QRect yLine(left, 2 + LineHeight, NumberRight - left, LineHeight);
    p.drawText(xLine, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("X:"));
    p.drawText(xLine, Qt::AlignRight | Qt::AlignVCenter, x_);
    p.drawText(yLine, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Y:"));
    p.drawText(yLine, Qt::AlignRight | Qt::AlignVCenter, y_);
    if (!hasCurve_)
        return;
    const int top = 2 + 2 * LineHeight;
    const QRect swatch(left, top + 3, 10, LineHeight - 6);
    p.fillRect(swatch, colour_);
    p.drawRect(swatch.adjusted(0, 0, -1, -1));
    p.drawText(QRect(swatch.right() + 4, top, width() - swatch.right() - 6, LineHeight),
               Qt::AlignLeft | Qt::AlignVCenter, text_);
}

} // namespace tv
