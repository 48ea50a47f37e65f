#include "ui/PageControl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStackedWidget>
#include <QStyleOptionFocusRect>

#include <cmath>

namespace tv {

PageControl::PageControl(int tabWidth, int tabHeight, QWidget* parent)
    : QWidget(parent), tabWidth_(tabWidth), tabHeight_(tabHeight), stack_(new QStackedWidget(this))
{
}

void PageControl::setTabColors(const QColor& fill, const QColor& caption)
{
    fill_ = fill;
    captionColor_ = caption;
    update();
}

int PageControl::addPage(QWidget* page, const QString& caption)
{
    captions_ << caption;
    stack_->addWidget(page);
    if (current_ < 0)
        setCurrentIndex(0);
    layoutPages();
    return captions_.size() - 1;
}

QWidget* PageControl::page(int index) const { return stack_->widget(index); }

void PageControl::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == current_)
        return;
    current_ = index;
    stack_->setCurrentIndex(index);
    layoutPages();
    update();
    emit currentChanged(index);
}

int PageControl::tabsPerRow() const { return std::max(1, width() / tabWidth_); }

int PageControl::tabRowCount() const
{
    const int n = count();
    return n == 0 ? 0 : (n + tabsPerRow() - 1) / tabsPerRow();
}

QRect PageControl::tabRect(int index) const
{
    const int perRow = tabsPerRow();
    const int rows = tabRowCount();
    const int row = index / perRow;
    const int currentRow = current_ < 0 ? 0 : current_ / perRow;
    // Rows turn so that the selected tab's row is the lowest, next to the page.
    const int fromBottom = (row - currentRow + rows) % rows;
    const int y = (rows - 1 - fromBottom) * tabHeight_;
    return {(index % perRow) * tabWidth_, y, tabWidth_, tabHeight_};
}

int PageControl::captionOffset(int tabWidth, int captionWidth)
{
    return static_cast<int>(std::nearbyint(tabWidth / 2.0 - captionWidth / 2.0));
}

void PageControl::layoutPages()
{
    const int top = tabRowCount() * tabHeight_;
    stack_->setGeometry(0, top, width(), std::max(0, height() - top));
}

void PageControl::resizeEvent(QResizeEvent*) { layoutPages(); }

void PageControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    const QFontMetrics fm(bold);
    for (int i = 0; i < count(); ++i) {
        const QRect r = tabRect(i);
        p.fillRect(r, fill_);
        p.setPen(captionColor_);
        const int x = r.left() + captionOffset(tabWidth_, fm.horizontalAdvance(captions_[i]));
        p.drawText(x, r.top() + 4 + fm.ascent(), captions_[i]);
        // The dotted focus rectangle around the whole tab.
        QPen dotted(captionColor_, 1, Qt::DotLine);
        p.setPen(dotted);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void PageControl::mousePressEvent(QMouseEvent* event)
{
    for (int i = 0; i < count(); ++i)
        if (tabRect(i).contains(event->position().toPoint())) {
            setCurrentIndex(i);
            return;
        }
    QWidget::mousePressEvent(event);
}

} // namespace tv
