// Printing of the document view: a copy of the document laid out at the
// printer's resolution, with every control drawn as a picture of its kind.
#include "sheets/RichDocument.h"

#include "sheets/RichDocumentObjects.h"
#include "sheets/SheetPicture.h"
#include "ui/Errors.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <qdrawutil.h>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>

namespace tv {

namespace {

// The control's font for drawing in 96-dpi units on any device: a point size
// is resolved against the device's resolution, then the painter's scale
// applies once more, so the size is taken back to 96 dpi first.
QFont fontFor96Dpi(const QWidget* control, const QPainter& painter)
{
    QFont f = control->font();
    const int dpi = painter.device() ? painter.device()->logicalDpiY() : 96;
    if (f.pixelSize() <= 0 && dpi > 0)
        f.setPointSizeF(f.pointSizeF() * 96.0 / dpi);
    return f;
}

// How many device pixels one 96-dpi unit is under the painter's transform.
qreal deviceScale(const QPainter& painter)
{
    const qreal s = painter.deviceTransform().m11();
    return s > 0 ? s : 1.0;
}

} // namespace

RichDocument::ControlKind RichDocument::controlKind(const QWidget* control)
{
    if (const auto* picture = qobject_cast<const SheetPicture*>(control))
        return picture->kind() == PictureKind::Still ? ControlKind::Picture : ControlKind::Other;
    if (qobject_cast<const QAbstractButton*>(control))
        return ControlKind::SelfPainting;
    if (qobject_cast<const QLineEdit*>(control))
        return ControlKind::EditBox;
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->pixmap().isNull() ? ControlKind::Label : ControlKind::Picture;
    return ControlKind::Other;
}

void RichDocument::paintControlPicture(QWidget* control, QPainter& painter)
{
    const QRectF r(QPointF(0, 0), QSizeF(control->size()));
    const QPalette pal = control->palette();
    painter.save();
    switch (controlKind(control)) {
    case ControlKind::SelfPainting: {
        // Painted into an image at the device's scale, so its text is sharp.
        const qreal s = deviceScale(painter);
        QImage image((QSizeF(control->size()) * s).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(s);
        image.fill(Qt::transparent);
        control->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        painter.drawImage(r, image);
        break;
    }
    case ControlKind::Label: {
        const auto* label = static_cast<const QLabel*>(control);
        // A label that does not fill its background shows the document's,
        // which is not printed.
        if (control->autoFillBackground())
            painter.fillRect(r, pal.color(control->backgroundRole()));
        painter.setFont(fontFor96Dpi(control, painter));
        painter.setPen(pal.color(control->foregroundRole()));
        painter.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, label->text());
        break;
    }
    case ControlKind::EditBox: {
        const auto* edit = static_cast<const QLineEdit*>(control);
        painter.fillRect(r, pal.color(QPalette::Base));
        QRectF inner = r;
        if (edit->hasFrame()) {
            qDrawWinPanel(&painter, r.toRect(), pal, true, nullptr);
            inner = r.adjusted(2, 2, -2, -2);
        }
        painter.setFont(fontFor96Dpi(control, painter));
        painter.setPen(pal.color(QPalette::Text));
        painter.drawText(inner.adjusted(1, 0, -1, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         edit->displayText());
        break;
    }
    case ControlKind::Picture: {
        const qreal s = deviceScale(painter);
        if (const auto* picture = qobject_cast<const SheetPicture*>(control)) {
            // Drawn again at the device's scale: SVG stays sharp on paper.
            const QImage image = SheetPicture::loadImage(picture->resource(), (QSizeF(r.size()) * s).toSize());
            painter.drawImage(r, image);
        } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
            const QPixmap pm = label->pixmap();
            painter.drawPixmap(QPointF(0, 0), pm);
        }
        break;
    }
    case ControlKind::Other:
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.adjusted(1, 1, -1, -1));
        break;
    }
    painter.restore();
}

void RichDocument::setControlPicturePainter(ControlPicturePainter painter)
{
    controlPainter_ = std::move(painter);
}

void RichDocument::printSheet(const QString& jobTitle)
{
    if (QPrinterInfo::defaultPrinter().isNull())
        throw Error(QStringLiteral("There is no default printer to print on."));
    QPrinter printer(QPrinter::HighResolution);
    printSheet(jobTitle, printer);
}

void RichDocument::printSheetToPdf(const QString& jobTitle, const QString& fileName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    printSheet(jobTitle, printer);
}

void RichDocument::printSheet(const QString& jobTitle, QPrinter& printer)
{
    if (!formatted_)
        formatDocument();
    printer.setDocName(jobTitle);
    printer.setCopyCount(1);
    printer.setCollateCopies(false);
    printer.setFullPage(false);
    printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);

    const qreal scale = printer.resolution() / 96.0;
    std::unique_ptr<QTextDocument> copy(document()->clone());
    RichDocumentObjects printObjects(this, scale);
    copy->documentLayout()->setPaintDevice(&printer);
    printObjects.registerOn(copy->documentLayout());
    copy->setDocumentMargin(0);

    // Qt scales fonts and vertical block margins to the device itself, but
    // takes horizontal margins and indents as device pixels.
    {
        QTextCursor c(copy.get());
        c.beginEditBlock();
        for (QTextBlock b = copy->begin(); b.isValid(); b = b.next()) {
            QTextBlockFormat f = b.blockFormat();
            if (f.leftMargin() == 0 && f.textIndent() == 0 && f.rightMargin() == 0)
                continue;
            f.setLeftMargin(f.leftMargin() * scale);
            f.setRightMargin(f.rightMargin() * scale);
            f.setTextIndent(f.textIndent() * scale);
            QTextCursor(b).setBlockFormat(f);
        }
        QTextFrameFormat root = copy->rootFrame()->frameFormat();
        root.clearBackground();
        copy->rootFrame()->setFrameFormat(root);
        c.endEditBlock();
    }

    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    copy->setPageSize(page.size());

    QPainter painter;
    if (!painter.begin(&printer))
        throw InOutError(QStringLiteral("The sheet could not be printed."));
    const int pages = copy->pageCount();
    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            printer.newPage();
        painter.save();
        const QRectF view(0, p * page.height(), page.width(), page.height());
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        copy->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    painter.end();
}

} // namespace tv
