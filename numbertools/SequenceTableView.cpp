#include "numbertools/SequenceTableView.h"

#include <algorithm>
#include <climits>

#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace tv {

SequenceTableView::SequenceTableView(const QString& keyTitle, const QString& valueTitle, QWidget* parent)
    : QAbstractScrollArea(parent), keyTitle_(keyTitle), valueTitle_(valueTitle)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    verticalScrollBar()->setSingleStep(1);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
}

void SequenceTableView::setColumnWidths(int keyWidth, int valueWidth)
{
    keyWidth_ = keyWidth;
    valueWidth_ = valueWidth;
    viewport()->update();
}

void SequenceTableView::setCellColors(const QColor& background, const QColor& text)
{
    cellBackground_ = background;
    cellText_ = text;
    viewport()->update();
}

void SequenceTableView::setRowSource(std::int64_t count, RowSource source)
{
    stored_.clear();
    count_ = std::max<std::int64_t>(count, 0);
    source_ = std::move(source);
    current_ = -1;
    verticalScrollBar()->setValue(0);
    updateScrollRange();
    viewport()->update();
}

void SequenceTableView::appendRow(const QString& key, const QString& value)
{
    if (source_) {
        // Keep what the source showed, then continue with stored rows.
        std::vector<std::pair<QString, QString>> rows;
        for (std::int64_t i = 0; i < count_; ++i)
            rows.push_back(source_(i));
        source_ = nullptr;
        stored_ = std::move(rows);
    }
    stored_.emplace_back(key, value);
    count_ = static_cast<std::int64_t>(stored_.size());
    updateScrollRange();
    viewport()->update();
}

void SequenceTableView::clearRows() { setRowSource(0, nullptr); }

std::int64_t SequenceTableView::rowCount() const { return count_; }

std::pair<QString, QString> SequenceTableView::row(std::int64_t index) const
{
    if (index < 0 || index >= count_)
        return {};
    if (source_)
        return source_(index);
    return stored_[static_cast<std::size_t>(index)];
}

QString SequenceTableView::keyAt(std::int64_t index) const { return row(index).first; }
QString SequenceTableView::valueAt(std::int64_t index) const { return row(index).second; }

std::int64_t SequenceTableView::topRow() const { return verticalScrollBar()->value(); }

int SequenceTableView::rowHeight() const { return fontMetrics().height() + 4; }

int SequenceTableView::visibleRows() const
{
    // The title row takes the first line of the viewport.
    return std::max(1, viewport()->height() / rowHeight() - 1);
}

void SequenceTableView::updateScrollRange()
{
    const std::int64_t last = std::max<std::int64_t>(0, count_ - visibleRows());
    verticalScrollBar()->setRange(0, static_cast<int>(std::min<std::int64_t>(last, INT_MAX)));
    verticalScrollBar()->setPageStep(visibleRows());
}

void SequenceTableView::setCurrentRow(std::int64_t index)
{
    if (count_ == 0) {
        current_ = -1;
        return;
    }
    current_ = std::clamp<std::int64_t>(index, 0, count_ - 1);
    const std::int64_t top = topRow();
    if (current_ < top)
        verticalScrollBar()->setValue(static_cast<int>(current_));
    else if (current_ >= top + visibleRows())
        verticalScrollBar()->setValue(static_cast<int>(current_ - visibleRows() + 1));
    viewport()->update();
}

QRect SequenceTableView::titleRect(int column) const
{
    const int valueRight = std::max(keyWidth_ + valueWidth_, viewport()->width());
    if (column == 0)
        return QRect(3, 0, keyWidth_ - 5, rowHeight());
    return QRect(keyWidth_ + 3, 0, valueRight - keyWidth_ - 5, rowHeight());
}

QFont SequenceTableView::titleFont() const
{
    QFont f = font();
    const auto fits = [&] {
        const QFontMetrics fm(f);
        return fm.horizontalAdvance(keyTitle_) <= titleRect(0).width()
               && fm.horizontalAdvance(valueTitle_) <= titleRect(1).width();
    };
    // Pixel by pixel down to a size still legible; a title is never cut mid-word.
    int pixels = QFontInfo(f).pixelSize();
    while (!fits() && pixels > 7)
        f.setPixelSize(--pixels);
    return f;
}

void SequenceTableView::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    const int h = rowHeight();
    const int w = viewport()->width();
    const int valueRight = std::max(keyWidth_ + valueWidth_, w);
    p.fillRect(viewport()->rect(), cellBackground_);

    // Title row in the button face, like a grid's fixed row.
    const QRect titleRow(0, 0, valueRight, h);
    p.fillRect(titleRow, palette().color(QPalette::Button));
    p.setPen(palette().color(QPalette::ButtonText));
    p.setFont(titleFont());
    p.drawText(titleRect(0), Qt::AlignLeft | Qt::AlignVCenter, keyTitle_);
    p.drawText(titleRect(1), Qt::AlignLeft | Qt::AlignVCenter, valueTitle_);
    p.setFont(font());

    const std::int64_t top = topRow();
    const int rows = viewport()->height() / h + 1;
    for (int i = 0; i < rows && top + i < count_; ++i) {
        const std::int64_t index = top + i;
        const int y = (i + 1) * h;
        const auto [key, value] = row(index);
        if (index == current_) {
            p.fillRect(QRect(0, y, valueRight, h), palette().color(QPalette::Highlight));
            p.setPen(palette().color(QPalette::HighlightedText));
        } else {
            p.setPen(cellText_);
        }
        p.drawText(QRect(3, y, keyWidth_ - 5, h), Qt::AlignLeft | Qt::AlignVCenter, key);
        p.drawText(QRect(keyWidth_ + 3, y, valueRight - keyWidth_ - 5, h), Qt::AlignLeft | Qt::AlignVCenter, value);
    }

    // Grid lines.
    p.setPen(QColor(0xA0, 0xA0, 0xA0));
    const int filled = static_cast<int>(std::min<std::int64_t>(count_ - top, rows)) + 1;
    for (int i = 1; i <= filled; ++i)
        p.drawLine(0, i * h - 1, valueRight, i * h - 1);
    p.drawLine(keyWidth_ - 1, 0, keyWidth_ - 1, filled * h - 1);
}

void SequenceTableView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void SequenceTableView::keyPressEvent(QKeyEvent* event)
{
    const std::int64_t page = visibleRows();
    const std::int64_t at = current_ < 0 ? topRow() - 1 : current_;
    switch (event->key()) {
    case Qt::Key_Down: setCurrentRow(at + 1); break;
    case Qt::Key_Up: setCurrentRow(at - 1); break;
    case Qt::Key_PageDown: setCurrentRow(at + page); break;
    case Qt::Key_PageUp: setCurrentRow(at - page); break;
    case Qt::Key_Home: setCurrentRow(0); break;
    case Qt::Key_End: setCurrentRow(count_ - 1); break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
    }
    event->accept();
}

void SequenceTableView::mousePressEvent(QMouseEvent* event)
{
    const int line = static_cast<int>(event->position().y()) / rowHeight();
    if (line >= 1 && topRow() + line - 1 < count_)
        setCurrentRow(topRow() + line - 1);
    QAbstractScrollArea::mousePressEvent(event);
}

void SequenceTableView::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateScrollRange();
}

} // namespace tv
