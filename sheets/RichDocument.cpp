#include "sheets/RichDocument.h"

#include "sheets/RichDocumentObjects.h"
#include "sheets/SheetPicture.h"
#include "ui/Errors.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextDocumentFragment>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

namespace tv {

namespace {

const QString kLinkScheme = QStringLiteral("tvlink");
constexpr int kDocumentMargin = 5;
// Greek styles show Unicode Greek in a face that has it, whatever Symbol
// font the system may or may not have.
const QString kGreekFace = QStringLiteral("Times New Roman");

QTextCharFormat charFormatFor(const TextStyle& s)
{
    QTextCharFormat f;
    f.setFontFamilies({s.greek ? kGreekFace : s.fontName});
    f.setFontPointSize(s.sizePt);
    f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(s.italic);
    f.setFontUnderline(s.underline);
    f.setForeground(s.color);
    if (s.raised)
        f.setBaselineOffset(60);
    return f;
}

QTextBlockFormat blockFormatFor(const ParaStyle& p)
{
    QTextBlockFormat f;
    switch (p.align) {
    case ParaStyle::Align::Left: f.setAlignment(Qt::AlignLeft); break;
    case ParaStyle::Align::Centre: f.setAlignment(Qt::AlignHCenter); break;
    case ParaStyle::Align::Justify: f.setAlignment(Qt::AlignJustify); break;
    }
    f.setLeftMargin(p.leftIndent);
    f.setTextIndent(p.firstLineIndent);
    f.setTopMargin(0);
    f.setBottomMargin(0);
    f.setLineHeight(100, QTextBlockFormat::ProportionalHeight);
    return f;
}

// Top of the line holding document position `pos`, and that line (layout is
// forced up to the block first).
QTextLine lineAt(QTextDocument* doc, int pos, QPointF* layoutOrigin)
{
    QTextBlock block = doc->findBlock(pos);
    if (!block.isValid())
        return QTextLine();
    doc->documentLayout()->blockBoundingRect(block);
    QTextLayout* layout = block.layout();
    if (!layout)
        return QTextLine();
    *layoutOrigin = layout->position();
    return layout->lineForTextPosition(pos - block.position());
}

} // namespace

RichDocumentObjects::RichDocumentObjects(RichDocument* view, qreal printScale)
    : view_(view), scale_(printScale)
{
}

void RichDocumentObjects::registerOn(QAbstractTextDocumentLayout* layout)
{
    layout->registerHandler(ControlObject, this);
    layout->registerHandler(RuleObject, this);
}

QSizeF RichDocumentObjects::intrinsicSize(QTextDocument* doc, int, const QTextFormat& format)
{
    const int index = format.intProperty(ItemProperty);
    if (index < 0 || index >= view_->itemCount())
        return {};
    const auto& item = view_->items_[index];
    const qreal s = scale_ > 0 ? scale_ : 1.0;
    if (format.objectType() == RuleObject) {
        const qreal width = doc->textWidth() - 2 * doc->documentMargin();
        return {std::max<qreal>(1, std::floor(width)), item.thickness * s};
    }
    if (!item.control)
        return {};
    return QSizeF(item.control->size()) * s;
}

void RichDocumentObjects::drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                                     const QTextFormat& format)
{
    const int index = format.intProperty(ItemProperty);
    if (index < 0 || index >= view_->itemCount())
        return;
    const auto& item = view_->items_[index];
    if (format.objectType() == RuleObject) {
        painter->fillRect(rect, item.color);
        return;
    }
    if (!item.control)
        return;
    if (scale_ <= 0) {
        painted.insert(index, rect); // the live control covers its place
        return;
    }
    painter->save();
    painter->translate(rect.topLeft());
    painter->scale(scale_, scale_);
    painter->setClipRect(QRectF(QPointF(0, 0), QSizeF(item.control->size())), Qt::IntersectClip);
    if (view_->controlPainter_)
        view_->controlPainter_(item.control, *painter);
    else
        RichDocument::paintControlPicture(item.control, *painter);
    painter->restore();
}

RichDocument::RichDocument(QWidget* parent)
    : QTextBrowser(parent), styles_(StyleTable::sheet()),
      objects_(std::make_unique<RichDocumentObjects>(this, 0.0))
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard |
                            Qt::LinksAccessibleByMouse);
    setUndoRedoEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    document()->setDocumentMargin(kDocumentMargin);
    objects_->registerOn(document()->documentLayout());
    connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            [this] { placeControls(); });
    connect(this, &QTextBrowser::highlighted, this, &RichDocument::onHighlighted);
    connect(this, &QTextBrowser::anchorClicked, this, &RichDocument::onAnchorClicked);

    setBackgroundColor(QColor(0xE3, 0xD5, 0xA6));
    setBackgroundTile(QPixmap::fromImage(SheetPicture::loadImage(QStringLiteral(":/sheets/document-tile.svg"))));
}

RichDocument::~RichDocument()
{
    // The document outlives this part of the object: no more placing.
    building_ = true;
    disconnect(document()->documentLayout(), nullptr, this, nullptr);
}

QMimeData* RichDocument::createMimeDataFromSelection() const
{
    // Copied text leaves out the places of controls and rules.
    auto* data = new QMimeData;
    QString text = textCursor().selection().toPlainText();
    text.remove(QChar::ObjectReplacementCharacter);
    data->setText(text);
    return data;
}

void RichDocument::setStyleTable(StyleTable table) { styles_ = std::move(table); }

void RichDocument::checkParaMode(int paraMode) const
{
    if (paraMode != kContinueParagraph && !styles_.hasParaStyle(paraMode))
        throw Error(QStringLiteral("Paragraph style %1 does not exist").arg(paraMode));
}

void RichDocument::addText(const QString& text, int style, int paraMode)
{
    addTaggedText(text, style, paraMode, QString());
}

void RichDocument::addTaggedText(const QString& text, int style, int paraMode, const QString& tag)
{
    if (!styles_.hasTextStyle(style))
        throw Error(QStringLiteral("Text style %1 does not exist").arg(style));
    checkParaMode(paraMode);
    Item item;
    item.text = text;
    item.style = style;
    item.paraMode = paraMode;
    item.tag = tag;
    if (styles_.text[style].link) {
        item.linkNo = linkCount();
        links_.push_back(itemCount());
    }
    items_.push_back(std::move(item));
}

void RichDocument::addCheckpoint(const QString& name)
{
    Item item;
    item.kind = ItemKind::Checkpoint;
    item.text = name;
    checkpoints_.push_back(itemCount());
    items_.push_back(std::move(item));
}

void RichDocument::addControl(QWidget* control, int paraMode, VAlign align)
{
    if (!control)
        throw Error(QStringLiteral("No control to add"));
    checkParaMode(paraMode);
    // A control never sized by its maker takes its natural size.
    if (!control->testAttribute(Qt::WA_Resized))
        control->resize(control->sizeHint());
    control->setParent(viewport());
    control->hide(); // until it is placed, even while the view is shown
    // The document's colour is the viewport's base colour; a control keeps
    // its own (white entry fields and radio circles) unless it set one.
    if (!control->palette().isBrushSet(QPalette::Active, QPalette::Base)) {
        QPalette p = control->palette();
        p.setBrush(QPalette::Base, QApplication::palette(control).brush(QPalette::Base));
        control->setPalette(p);
    }
    Item item;
    item.kind = ItemKind::Control;
    item.control = control;
    item.paraMode = paraMode;
    item.align = align;
    items_.push_back(std::move(item));
}

void RichDocument::addLine(int thickness, const QColor& color)
{
    Item item;
    item.kind = ItemKind::Rule;
    item.thickness = std::max(1, thickness);
    item.color = color;
    items_.push_back(std::move(item));
}

void RichDocument::formatDocument()
{
    buildDocument();
    formatted_ = true;
    QTextCursor start(document());
    setTextCursor(start);
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    placeControls();
}

void RichDocument::buildDocument()
{
    building_ = true;
    hoverLink_ = -1;
    setExtraSelections({});
    objects_->painted.clear();
    QTextDocument* doc = document();
    doc->clear();
    doc->setDocumentMargin(kDocumentMargin);
    objects_->registerOn(doc->documentLayout());

    QTextCursor c(doc);
    c.beginEditBlock();
    bool firstBlock = true;
    bool afterRule = false;
    std::vector<Item*> pendingAnchors;
    const auto startParagraph = [&](int paraStyle, const QTextCharFormat& charFormat) {
        const QTextBlockFormat bf = blockFormatFor(styles_.paragraphs.at(paraStyle));
        if (firstBlock) {
            c.setBlockFormat(bf);
            c.setBlockCharFormat(charFormat);
        } else {
            c.insertBlock(bf, charFormat);
        }
        firstBlock = false;
    };
    const auto enterItem = [&](int paraMode, const QTextCharFormat& charFormat) {
        if (paraMode != kContinueParagraph)
            startParagraph(paraMode, charFormat);
        else if (afterRule || firstBlock)
            startParagraph(0, charFormat);
        afterRule = false;
        for (Item* anchor : pendingAnchors)
            anchor->docPos = anchor->docEnd = c.position();
        pendingAnchors.clear();
    };

    const QTextCharFormat plain = charFormatFor(styles_.text.front());
    for (int i = 0; i < itemCount(); ++i) {
        Item& item = items_[i];
        switch (item.kind) {
        case ItemKind::Checkpoint:
            pendingAnchors.push_back(&item);
            break;
        case ItemKind::Text: {
            const TextStyle& style = styles_.text.at(item.style);
            QTextCharFormat f = charFormatFor(style);
            enterItem(item.paraMode, f);
            if (item.linkNo >= 0) {
                f.setAnchor(true);
                f.setAnchorHref(kLinkScheme + QLatin1Char(':') + QString::number(item.linkNo));
            }
            item.docPos = c.position();
            QString shown = style.greek ? symbolToGreek(item.text) : item.text;
            shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
            c.insertText(shown, f);
            item.docEnd = c.position();
            break;
        }
        case ItemKind::Control: {
            enterItem(item.paraMode, plain);
            QTextCharFormat f = plain;
            f.setObjectType(RichDocumentObjects::ControlObject);
            f.setProperty(RichDocumentObjects::ItemProperty, i);
            f.setVerticalAlignment(item.align == VAlign::Middle ? QTextCharFormat::AlignMiddle
                                                                 : QTextCharFormat::AlignBaseline);
            item.docPos = c.position();
            c.insertText(QString(QChar::ObjectReplacementCharacter), f);
            item.docEnd = c.position();
            break;
        }
        case ItemKind::Rule: {
            startParagraph(0, plain);
            for (Item* anchor : pendingAnchors)
                anchor->docPos = anchor->docEnd = c.position();
            pendingAnchors.clear();
            QTextCharFormat f = plain;
            f.setObjectType(RichDocumentObjects::RuleObject);
            f.setProperty(RichDocumentObjects::ItemProperty, i);
            item.docPos = c.position();
            c.insertText(QString(QChar::ObjectReplacementCharacter), f);
            item.docEnd = c.position();
            afterRule = true;
            break;
        }
        }
    }
    for (Item* anchor : pendingAnchors)
        anchor->docPos = anchor->docEnd = c.position();
    c.endEditBlock();
    applyBackground();
    building_ = false;
}

void RichDocument::placeControls()
{
    if (building_ || !formatted_)
        return;
    QTextDocument* doc = document();
    const QPoint offset(horizontalScrollBar()->value(), verticalScrollBar()->value());
    for (const Item& item : items_) {
        if (!item.control)
            continue;
        QPointF origin;
        const QTextLine line = lineAt(doc, item.docPos, &origin);
        if (!line.isValid()) {
            item.control->hide();
            continue;
        }
        const int rel = item.docPos - doc->findBlock(item.docPos).position();
        const qreal x = origin.x() + line.cursorToX(rel);
        const qreal h = item.control->height();
        qreal y = origin.y() + line.y();
        if (item.align == VAlign::Middle) {
            // The text paints a middle-aligned object centred in the line box.
            const qreal lineHeight = line.ascent() + line.descent() + std::max<qreal>(0, line.leading());
            y += (lineHeight - h) / 2;
        } else {
            y += line.ascent() - h;
        }
        const QPoint at = QPointF(x, y).toPoint() - offset;
        if (item.control->pos() != at)
            item.control->move(at);
        if (item.control->isHidden())
            item.control->show();
    }
}

void RichDocument::clearDocument()
{
    for (Item& item : items_) {
        if (item.control) {
            // Deleted later: clearing may be asked from a control's own handler.
            item.control->hide();
            item.control->deleteLater();
        }
    }
    items_.clear();
    links_.clear();
    checkpoints_.clear();
    building_ = true;
    setExtraSelections({});
    objects_->painted.clear();
    document()->clear();
    applyBackground();
    building_ = false;
    hoverLink_ = -1;
    formatted_ = false;
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
QWidget* RichDocument::itemControl(int itemNo) const
{
    return itemNo >= 0 && itemNo < itemCount() ? items_[itemNo].control : nullptr;
}

QString RichDocument::checkpointName(int number) const
{
    return number >= 0 && number < checkpointCount() ? items_[checkpoints_[number]].text : QString();
}

QRectF RichDocument::paintedPlace(int itemNo) const { return objects_->painted.value(itemNo); }

std::vector<QWidget*> RichDocument::controls() const
{
    std::vector<QWidget*> result;
    for (const auto& item : items_)
        if (item.control)
            result.push_back(item.control);
    return result;
}

QWidget* RichDocument::nextControl(QWidget* from, bool forward) const
{
    const std::vector<QWidget*> all = controls();
    const int n = static_cast<int>(all.size());
    int at = forward ? -1 : n;
    if (from) {
        for (int i = 0; i < n; ++i)
            if (all[i] == from || all[i]->isAncestorOf(from))
                at = i;
    }
    for (int i = at + (forward ? 1 : -1); i >= 0 && i < n; i += forward ? 1 : -1) {
        QWidget* w = all[i];
        // Not TabFocus: Qt takes it from every radio button of an exclusive
        // group but the checked one.
        if (w->isEnabled() && !w->isHidden() && w->focusPolicy() != Qt::NoFocus)
            return w;
    }
    return nullptr;
}

bool RichDocument::focusNextPrevChild(bool next)
{
    // Tab walks the document's controls in reading order: not the links (the
    // browser's own use of Tab) and not only the checked radio button of the
    // one exclusive group (the focus chain's rule).
    QWidget* focus = QApplication::focusWidget();
    QWidget* from = (focus && viewport()->isAncestorOf(focus)) ? focus : nullptr;
    if (QWidget* to = nextControl(from, next)) {
        to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    // Past the last control: on to the window's next widget outside the view.
    QWidget* w = this;
    for (;;) {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == this)
            return false;
        if (isAncestorOf(w) || w == this)
            continue;
        if (w->isEnabled() && w->isVisibleTo(window()) && (w->focusPolicy() & Qt::TabFocus) &&
            w->window() == window()) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
}

void RichDocument::scrollToCheckpoint(const QString& name)
{
    for (int i = 0; i < checkpointCount(); ++i) {
        if (items_[checkpoints_[i]].text == name) {
            scrollToCheckpoint(i);
            return;
        }
    }
}

void RichDocument::scrollToCheckpoint(int number)
{
    if (number < 0 || number >= checkpointCount() || !formatted_)
        return;
    verticalScrollBar()->setValue(checkpointY(number)); // clamps at the end
}

int RichDocument::checkpointY(int number)
{
    const Item& anchor = items_[checkpoints_[number]];
    QPointF origin;
    const QTextLine line = lineAt(document(), anchor.docPos, &origin);
    return line.isValid() ? qRound(origin.y() + line.y()) : 0;
}

void RichDocument::setBackgroundColor(const QColor& color)
{
    background_ = color;
    QPalette p = palette();
    p.setColor(QPalette::Base, color);
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

void RichDocument::setBackgroundTile(const QPixmap& tile)
{
    tile_ = tile;
    applyBackground();
}

void RichDocument::applyBackground()
{
    QTextFrame* root = document()->rootFrame();
    QTextFrameFormat f = root->frameFormat();
    if (tile_.isNull())
        f.clearBackground();
    else
        f.setBackground(QBrush(tile_));
    root->setFrameFormat(f);
}

int RichDocument::linkNoFromUrl(const QUrl& url) const
{
    if (url.scheme() != kLinkScheme)
        return -1;
    bool ok = false;
    const int n = url.path().toInt(&ok);
    return ok && n >= 0 && n < linkCount() ? n : -1;
}

void RichDocument::onHighlighted(const QUrl& url)
{
    const int link = linkNoFromUrl(url);
    if (link == hoverLink_)
        return;
    hoverLink_ = link;
    QList<QTextEdit::ExtraSelection> selections;
    if (link >= 0) {
        const Item& item = items_[links_[link]];
        const QColor hover = styles_.text.at(item.style).hoverColor;
        if (hover.isValid() && item.docPos >= 0) {
            QTextEdit::ExtraSelection sel;
            sel.cursor = QTextCursor(document());
            sel.cursor.setPosition(item.docPos);
            sel.cursor.setPosition(item.docEnd, QTextCursor::KeepAnchor);
            sel.format.setForeground(hover);
            selections << sel;
        }
    }
    setExtraSelections(selections);
}

void RichDocument::onAnchorClicked(const QUrl& url)
{
    const int link = linkNoFromUrl(url);
    if (link >= 0)
        emit jump(link);
}

void RichDocument::resizeEvent(QResizeEvent* event)
{
    QTextBrowser::resizeEvent(event);
    placeControls();
}

void RichDocument::scrollContentsBy(int dx, int dy)
{
    QTextBrowser::scrollContentsBy(dx, dy);
    placeControls();
}

void RichDocument::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        QTextCursor c = textCursor();
        c.clearSelection();
        setTextCursor(c);
        event->accept();
        return;
    }
    QTextBrowser::mousePressEvent(event);
}

void RichDocument::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QTextBrowser::mouseDoubleClickEvent(event);
        return;
    }
    // Words end at the sheet's own delimiters, not at Unicode word breaks.
    const QTextCursor at = cursorForPosition(event->position().toPoint());
    const QTextBlock block = at.block();
    const auto [begin, end] = wordBoundsAt(block.text(), at.positionInBlock());
    if (begin < end) {
        QTextCursor c(document());
        c.setPosition(block.position() + begin);
        c.setPosition(block.position() + end, QTextCursor::KeepAnchor);
        setTextCursor(c);
    }
    event->accept();
}

void RichDocument::contextMenuEvent(QContextMenuEvent* event)
{
    // A right click only clears the selection (see mousePressEvent).
    event->accept();
}

} // namespace tv
