#include "sheets/RichDocument.h"

#include "ui/Errors.h"

#include <QPainter>
#include <QPrinter>

namespace tv {

class RichDocumentObjects {};

RichDocument::RichDocument(QWidget* parent) : QTextBrowser(parent), styles_(StyleTable::sheet()) {}
RichDocument::~RichDocument() = default;

void RichDocument::setStyleTable(StyleTable table) { styles_ = std::move(table); }

void RichDocument::addText(const QString& text, int style, int paraMode)
{
    addTaggedText(text, style, paraMode, QString());
}

void RichDocument::addTaggedText(const QString& text, int style, int paraMode, const QString& tag)
{
    Item item;
    item.text = text;
    item.style = style;
    item.paraMode = paraMode;
    item.tag = tag;
    if (styles_.hasTextStyle(style) && styles_.text[style].link) {
        item.linkNo = linkCount();
        links_.push_back(itemCount());
    }
    items_.push_back(item);
}

void RichDocument::addCheckpoint(const QString& name)
{
    Item item;
    item.kind = ItemKind::Checkpoint;
    item.text = name;
    checkpoints_.push_back(itemCount());
    items_.push_back(item);
}

void RichDocument::addControl(QWidget* control, int paraMode, VAlign align)
{
    Item item;
    item.kind = ItemKind::Control;
    item.control = control;
    item.paraMode = paraMode;
    item.align = align;
    control->setParent(viewport());
    items_.push_back(item);
}

void RichDocument::addLine(int thickness, const QColor& color)
{
    Item item;
    item.kind = ItemKind::Rule;
    item.thickness = thickness;
    item.color = color;
    items_.push_back(item);
}

void RichDocument::formatDocument() { formatted_ = true; }

void RichDocument::clearDocument()
{
    for (auto& item : items_)
        delete item.control;
    items_.clear();
    links_.clear();
    checkpoints_.clear();
}

int RichDocument::linkItemNo(int linkNo) const
{
    return linkNo >= 0 && linkNo < linkCount() ? links_[linkNo] : -1;
}

QString RichDocument::itemTag(int itemNo) const
{
    return itemNo >= 0 && itemNo < itemCount() ? items_[itemNo].tag : QString();
}

QString RichDocument::itemText(int itemNo) const
{
    return itemNo >= 0 && itemNo < itemCount() ? items_[itemNo].text : QString();
}

RichDocument::ItemKind RichDocument::itemKind(int itemNo) const { return items_.at(itemNo).kind; }
int RichDocument::itemStyle(int itemNo) const { return items_.at(itemNo).style; }
int RichDocument::itemParaMode(int itemNo) const { return items_.at(itemNo).paraMode; }
QWidget* RichDocument::itemControl(int itemNo) const { return items_.at(itemNo).control; }
QString RichDocument::checkpointName(int number) const { return itemText(checkpoints_.at(number)); }

std::vector<QWidget*> RichDocument::controls() const
{
    std::vector<QWidget*> result;
    for (const auto& item : items_)
        if (item.control)
            result.push_back(item.control);
    return result;
}

QWidget* RichDocument::nextControl(QWidget*, bool) const { return nullptr; }
void RichDocument::scrollToCheckpoint(const QString&) {}
void RichDocument::scrollToCheckpoint(int) {}
void RichDocument::setBackgroundColor(const QColor& color) { background_ = color; }
void RichDocument::setBackgroundTile(const QPixmap& tile) { tile_ = tile; }
void RichDocument::printSheet(const QString&) {}
void RichDocument::printSheet(const QString&, QPrinter&) {}
void RichDocument::printSheetToPdf(const QString&, const QString&) {}
void RichDocument::setControlPicturePainter(ControlPicturePainter painter) { controlPainter_ = std::move(painter); }
RichDocument::ControlKind RichDocument::controlKind(const QWidget*) { return ControlKind::Other; }
void RichDocument::paintControlPicture(QWidget*, QPainter&) {}

void RichDocument::resizeEvent(QResizeEvent* event) { QTextBrowser::resizeEvent(event); }
void RichDocument::scrollContentsBy(int dx, int dy) { QTextBrowser::scrollContentsBy(dx, dy); }
bool RichDocument::focusNextPrevChild(bool next) { return QTextBrowser::focusNextPrevChild(next); }
void RichDocument::mousePressEvent(QMouseEvent* event) { QTextBrowser::mousePressEvent(event); }
void RichDocument::mouseDoubleClickEvent(QMouseEvent* event) { QTextBrowser::mouseDoubleClickEvent(event); }
void RichDocument::contextMenuEvent(QContextMenuEvent* event) { QTextBrowser::contextMenuEvent(event); }

void RichDocument::checkParaMode(int) const {}
void RichDocument::buildDocument() {}
void RichDocument::placeControls() {}
void RichDocument::applyBackground() {}
void RichDocument::onHighlighted(const QUrl&) {}
void RichDocument::onAnchorClicked(const QUrl&) {}
int RichDocument::linkNoFromUrl(const QUrl&) const { return -1; }
int RichDocument::checkpointY(int) { return 0; }

} // namespace tv
