#include "grapher/EGLegendList.h"

#include "grapher/EasyGraph.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace tv {

namespace {

const QColor NoTextColour(0xC0, 0xC0, 0xC0);
const QString NoText = QStringLiteral("----");
constexpr int CheckSize = 11;
constexpr int SwatchWidth = 20;

class LegendDelegate final : public QStyledItemDelegate {
public:
    explicit LegendDelegate(TEGLegendList* list) : QStyledItemDelegate(list), list_(list) {}

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return QSize(list_->viewport()->width(), list_->ItemHeight());
    }

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        TEasyGraph* graph = list_->EasyGraph();
        if (!graph || index.row() >= graph->Series().Count())
            return;
        const TPoints& curve = *graph->Series().Items(index.row());
        const QRect r = option.rect;
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        p->save();
        p->fillRect(r, selected ? option.palette.color(QPalette::Highlight) : option.palette.color(QPalette::Base));
        int x = r.left() + 2;
        if (list_->CheckBoxes()) {
            const QRect box = list_->checkBoxRect(index.row()).adjusted(0, 0, -1, -1);
            p->fillRect(box, Qt::white);
            p->setPen(Qt::black);
            p->drawRect(box);
            if (curve.Visible()) {
                p->drawLine(box.topLeft() + QPoint(2, 2), box.bottomRight() - QPoint(2, 2));
                p->drawLine(box.bottomLeft() + QPoint(2, -2), box.topRight() + QPoint(-2, 2));
            }
            x = box.right() + 4;
        }
        const int swatchHeight = std::max(4, r.height() - 6);
        const QRect swatch(x, r.top() + (r.height() - swatchHeight) / 2, SwatchWidth, swatchHeight);
        p->fillRect(swatch, curve.Color());
        p->setPen(Qt::black);
        p->drawRect(swatch.adjusted(0, 0, -1, -1));
        const QRect textBox(swatch.right() + 5, r.top(), r.right() - swatch.right() - 5, r.height());
        if (curve.Text().isEmpty()) {
            p->setPen(NoTextColour);
            p->drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, NoText);
        } else {
            p->setPen(selected ? option.palette.color(QPalette::HighlightedText)
                               : option.palette.color(QPalette::Text));
            p->drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, curve.Text());
        }
        p->restore();
    }

private:
    TEGLegendList* list_;
};

} // namespace

TEGLegendList::TEGLegendList(QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new LegendDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TEGLegendList::setEasyGraph(TEasyGraph* graph)
{
    if (link_)
        disconnect(link_);
    graph_ = graph;
    if (graph)
        link_ = connect(graph, &TEasyGraph::seriesChanged, this, &TEGLegendList::rebuild);
    rebuild();
}

void TEGLegendList::setCheckBoxes(bool on)
{
    checkBoxes_ = on;
    viewport()->update();
}

void TEGLegendList::setItemHeight(int height)
{
    itemHeight_ = height;
    for (int i = 0; i < count(); ++i)
        item(i)->setSizeHint(QSize(0, itemHeight_));
    doItemsLayout();
}

int TEGLegendList::ItemIndex() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void TEGLegendList::setItemIndex(int index)
{
    if (index < 0 || index >= count()) {
        clearSelection();
        setCurrentRow(-1);
        return;
    }
    setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
}

QRect TEGLegendList::checkBoxRect(int index) const
{
    const QRect r = visualItemRect(item(index));
    return QRect(r.left() + 2, r.top() + (r.height() - CheckSize) / 2, CheckSize, CheckSize);
}

void TEGLegendList::rebuild()
{
    const int rows = graph_ ? graph_->Series().Count() : 0;
    const int selected = ItemIndex();
    const bool sameRows = rows == count();
    if (!sameRows) {
        clear();
        for (int i = 0; i < rows; ++i) {
            auto* row = new QListWidgetItem(this);
            row->setSizeHint(QSize(0, itemHeight_));
        }
        setItemIndex(-1);
    }
    // The rows' texts, for accessibility and tests; the delegate paints.
    for (int i = 0; i < rows; ++i) {
        const QString text = graph_->Series().Items(i)->Text();
        item(i)->setText(text.isEmpty() ? NoText : text);
    }
    viewport()->update();
    if (sameRows && selected >= 0)
        emit clicked();
}

void TEGLegendList::mousePressEvent(QMouseEvent* event)
{
    QListWidget::mousePressEvent(event);
    const QPoint pos = event->position().toPoint();
    const QModelIndex index = indexAt(pos);
    if (!index.isValid() || event->button() != Qt::LeftButton)
        return;
    if (checkBoxes_ && graph_ && checkBoxRect(index.row()).contains(pos)) {
        TPoints* curve = graph_->Series().Items(index.row());
        curve->setVisible(!curve->Visible());
    }
    emit clicked();
}

void TEGLegendList::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second click of a quick pair toggles a check box again.
    mousePressEvent(event);
}

void TEGLegendList::keyPressEvent(QKeyEvent* event)
{
    const int before = ItemIndex();
    QListWidget::keyPressEvent(event);
    if (ItemIndex() != before && ItemIndex() >= 0)
        emit clicked();
}

} // namespace tv
