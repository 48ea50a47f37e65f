#pragma once
// The scrolling, read-only rich document of every sheet (the view `RV`).
//
// A sheet appends items in reading order (text runs, link runs, anchors,
// live controls, rules) and then calls formatDocument() once. The view keeps
// its own item list beside the QTextDocument so item numbers, link numbers
// and tags are exact; the text itself is laid out, wrapped, selected, copied,
// scrolled and printed by Qt.
//
// Live controls: a text object of the control's size holds the place in the
// text; the control itself is a child of the viewport and is moved over that
// place after layout, on resize and on scroll. All controls share that one
// parent, so all radio buttons of a document form one exclusive group.
#include "sheets/RichDocumentStyles.h"

#include <functional>
#include <memory>
#include <vector>

#include <QColor>
#include <QPixmap>
#include <QRectF>
#include <QString>
#include <QTextBrowser>

class QPainter;
class QPrinter;

namespace tv {

class RichDocumentObjects;

class RichDocument : public QTextBrowser {
    Q_OBJECT
public:
    enum class ItemKind { Text, Control, Rule, Checkpoint };
    // Where a control stands on its line: its bottom on the text baseline,
    // or centred on the line.
    enum class VAlign { Baseline, Middle };
    // How a control prints (see paintControlPicture).
    enum class ControlKind {
        SelfPainting, // radio button, check box, push button: paints itself
        Label,        // fill + caption centred on one line
        EditBox,      // fill + sunken edge + current text
        Picture,      // a still picture control: its picture at the top left
        Other         // empty rectangle inset by 1 px (animated pictures too)
    };
    // Paints the printed picture of `control` in its own 96-dpi pixel
    // coordinates (0, 0, width, height); the painter is already scaled.
    using ControlPicturePainter = std::function<void(QWidget* control, QPainter& painter)>;

    explicit RichDocument(QWidget* parent = nullptr);
    ~RichDocument() override;

    // The style table the numbers of addText refer to; the sheet table by default.
    void setStyleTable(StyleTable table);
    const StyleTable& styleTable() const { return styles_; }

    // --- building: appends at the end; nothing new shows until formatDocument
    // A text run. Throws tv::Error for a style or paragraph style the table lacks.
    void addText(const QString& text, int style, int paraMode);
    // A text run with a tag; in a link style it is a link run keyed by the tag.
    void addTaggedText(const QString& text, int style, int paraMode, const QString& tag);
    // A named position: the start of the next item.
    void addCheckpoint(const QString& name);
    // Takes `control` over as a child and shows it at its place after layout,
    // even if it was stored hidden. The control keeps its own size.
    void addControl(QWidget* control, int paraMode, VAlign align);
    // A horizontal rule across the text width, standing between paragraphs.
    void addLine(int thickness, const QColor& color);
    // Lays out everything appended so far and shows it from the top.
    void formatDocument();
    // Removes every item; the controls in it are deleted.
    void clearDocument();

    // --- querying
    int itemCount() const { return static_cast<int>(items_.size()); }
    int linkCount() const { return static_cast<int>(links_.size()); }
    int checkpointCount() const { return static_cast<int>(checkpoints_.size()); }
    // Item index of link run `linkNo` (links are numbered from 0 in document
    // order); -1 when there is no such link.
    int linkItemNo(int linkNo) const;
    // The item's tag (empty if none, or for an index out of range).
    QString itemTag(int itemNo) const;
    // The item's text as appended (a checkpoint's text is its name).
    QString itemText(int itemNo) const;
    ItemKind itemKind(int itemNo) const;
    int itemStyle(int itemNo) const;     // text style, -1 for other kinds
    int itemParaMode(int itemNo) const;
    QWidget* itemControl(int itemNo) const; // nullptr unless a control item
    QString checkpointName(int number) const;
    // The controls in document order.
    std::vector<QWidget*> controls() const;
    // The next (or previous) enabled, focusable control after `from` in
    // document order; nullptr at the end. `from` null starts at the ends.
    QWidget* nextControl(QWidget* from, bool forward = true) const;
    bool isFormatted() const { return formatted_; }
    // Where the text last painted the place of control item `itemNo`, in
    // document coordinates (empty before it was painted). Lets a check
    // compare the control's position with the text layout's own.
    QRectF paintedPlace(int itemNo) const;

    // --- navigation: puts the anchor at the top edge, as far as the
    // document's length allows. Unknown anchors are ignored.
    void scrollToCheckpoint(const QString& name);
    void scrollToCheckpoint(int number);

    // --- look
    void setBackgroundColor(const QColor& color);
    QColor backgroundColor() const { return background_; }
    // Tiled under the text and scrolling with it; a null pixmap removes it.
    void setBackgroundTile(const QPixmap& tile);

    // --- printing: 20 mm margins, one copy, not collated, background left
    // out, every control printed as a picture of its kind. Laid out at the
    // printer's resolution; 96-dpi sizes are scaled to it.
    // To the default printer; throws tv::Error when there is none.
    void printSheet(const QString& jobTitle);
    void printSheet(const QString& jobTitle, QPrinter& printer);
    // The same path into a PDF file (used by tests and for checking).
    void printSheetToPdf(const QString& jobTitle, const QString& fileName);
    // Replaces the default control pictures (nullptr restores them).
    void setControlPicturePainter(ControlPicturePainter painter);
    static ControlKind controlKind(const QWidget* control);
    // The default printed picture of a control, by its kind.
    static void paintControlPicture(QWidget* control, QPainter& painter);

signals:
    // The student clicked link run number `linkNo`.
    void jump(int linkNo);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool focusNextPrevChild(bool next) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    struct Item {
        ItemKind kind = ItemKind::Text;
        QString text;
        int style = -1;
        int paraMode = kContinueParagraph;
        QString tag;
        QWidget* control = nullptr;
        VAlign align = VAlign::Baseline;
        int thickness = 0;
        QColor color;
        int linkNo = -1;
        int docPos = -1; // position in the laid-out document
        int docEnd = -1;
    };
    friend class RichDocumentObjects;

    void checkParaMode(int paraMode) const;
    void buildDocument();
    void placeControls();
    void applyBackground();
    void onHighlighted(const QUrl& url);
    void onAnchorClicked(const QUrl& url);
    int linkNoFromUrl(const QUrl& url) const;
    int checkpointY(int number);

    StyleTable styles_;
    std::vector<Item> items_;
    std::vector<int> links_;       // item index per link number
    std::vector<int> checkpoints_; // item index per anchor number
    std::unique_ptr<RichDocumentObjects> objects_;
    ControlPicturePainter controlPainter_;
    QColor background_;
    QPixmap tile_;
    bool formatted_ = false;
    bool building_ = false;
    int hoverLink_ = -1;
};

} // namespace tv
