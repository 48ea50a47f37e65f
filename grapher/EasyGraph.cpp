#include "grapher/EasyGraph.h"

#include "grapher/EGHintForm.h"
#include "ui/Components.h"
#include "ui/Errors.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <exception>

namespace tv {

// ---- TPoints / TSeries ------------------------------------------------------------

void TPoints::setColor(const QColor& colour)
{
    FColor = colour;
    changed();
}

void TPoints::setText(const QString& text)
{
    FText = text;
    FCompileText = compileText(text);
    changed();
}

void TPoints::setVisible(bool visible)
{
    FVisible = visible;
    changed();
}

void TPoints::setStyle(int style)
{
    FStyle = style;
    changed();
}

void TPoints::changed()
{
    if (owner_)
        owner_->changed();
}

void TSeries::checkIndex(int index) const
{
    if (index < 0 || index >= Count())
        throw Error(QStringLiteral("List index out of bounds (%1)").arg(index));
}

TPoints* TSeries::Items(int index) const
{
    checkIndex(index);
    return items_[static_cast<std::size_t>(index)].get();
}

TPoints* TSeries::Add()
{
    items_.push_back(std::unique_ptr<TPoints>(new TPoints(this)));
    changed();
    return items_.back().get();
}

void TSeries::Delete(int index)
{
    checkIndex(index);
    items_.erase(items_.begin() + index);
    changed();
}

void TSeries::changed()
{
    if (onChange)
        onChange();
}

// ---- Rendering ----------------------------------------------------------------------

TGraphSettings::TGraphSettings() : LabelFont(pointFont(QStringLiteral("MS Sans Serif"), 8))
{
    // Labels and hint numbers are written the user's way.
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1)
        DecimalPoint = point.at(0);
}

namespace {

// The widest label the left strip must hold.
const QString SampleLabel = QStringLiteral("88888,888");

void fillRow(QPainter& p, int left, int right, int row, const QColor& c) { p.fillRect(left, row, right - left, 1, c); }
void fillColumn(QPainter& p, int top, int bottom, int column, const QColor& c)
{
    p.fillRect(column, top, 1, bottom - top, c);
}

void drawBorder(QPainter& p, const TPixelRect& r, TBorderStyle style, const TGraphSettings& s)
{
    if (style == bstNone || r.width() <= 0 || r.height() <= 0)
        return;
    QColor topLeft = s.ColorBorder, bottomRight = s.ColorBorder;
    if (style == bstRaised) {
        topLeft = s.BevelHighlight;
        bottomRight = s.BevelShadow;
    } else if (style == bstLowered) {
        topLeft = s.BevelShadow;
        bottomRight = s.BevelHighlight;
    }
    fillRow(p, r.left, r.right, r.top, topLeft);
    fillColumn(p, r.top, r.bottom, r.left, topLeft);
    fillRow(p, r.left, r.right, r.bottom - 1, bottomRight);
    fillColumn(p, r.top, r.bottom, r.right - 1, bottomRight);
}

QRect qRect(const TPixelRect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

bool horizontalAxisLines(TGridStyle g) { return g == gsXAxis || g == gsAxises || g == gsXGrid || g == gsFull; }
bool horizontalGridLines(TGridStyle g) { return g == gsXGrid || g == gsFull; }
bool verticalAxisLines(TGridStyle g) { return g == gsYAxis || g == gsAxises || g == gsYGrid || g == gsFull; }
bool verticalGridLines(TGridStyle g) { return g == gsYGrid || g == gsFull; }

void drawGrid(QPainter& p, const TGraphSettings& s, const TGraphLayout& l, const TGraphView& v, const QFontMetrics& fm)
{
    const TPixelRect& plot = l.plot;
    const long double ppx = pixelsPerXUnit(v, plot);
    const long double ppy = pixelsPerYUnit(v, plot);
    const int textHeight = fm.height();
    p.setFont(s.LabelFont);
    p.setPen(s.LabelColor);

    // Horizontal lines, then the y labels clipped to their strip.
    const auto rowsMarks = gridMarks(v.ymin, v.ymax, gridStep(ppy, textHeight), ppy);
    for (const TGridMark& m : rowsMarks) {
        const std::int64_t row = plot.bottom - m.offset;
        if (row < plot.top || row >= plot.bottom)
            continue;
        if (horizontalAxisLines(s.GridStyle) && std::fabs(static_cast<double>(m.value)) < 0.00001)
            fillRow(p, plot.left, plot.right, int(row), s.ColorAxis);
        else if (horizontalGridLines(s.GridStyle))
            fillRow(p, plot.left, plot.right, int(row), s.ColorGrid);
    }
    if (s.NumbVert) {
        p.save();
        p.setClipRect(qRect(l.leftStrip));
        for (const TGridMark& m : rowsMarks) {
            const std::int64_t row = plot.bottom - m.offset;
            if (row <= -textHeight || row >= l.client.bottom + textHeight)
                continue;
            const QRect box(l.leftStrip.left, int(row) - textHeight / 2, plot.left - 3 - l.leftStrip.left, textHeight);
            p.drawText(box, Qt::AlignRight | Qt::AlignVCenter, gridLabel(m.value, s.DecimalPoint));
        }
        p.restore();
    }

    // Vertical lines, then the x labels clipped to theirs.
    const int labelWidth = fm.horizontalAdvance(SampleLabel);
    const auto columnMarks = gridMarks(v.xmin, v.xmax, gridStep(ppx, labelWidth), ppx);
    for (const TGridMark& m : columnMarks) {
        const std::int64_t column = plot.left + m.offset;
        if (column < plot.left || column >= plot.right)
            continue;
        if (verticalAxisLines(s.GridStyle) && std::fabs(static_cast<double>(m.value)) < 0.00001)
            fillColumn(p, plot.top, plot.bottom, int(column), s.ColorAxis);
        else if (verticalGridLines(s.GridStyle))
            fillColumn(p, plot.top, plot.bottom, int(column), s.ColorGrid);
    }
    if (s.NumbHoriz) {
        p.save();
        p.setClipRect(qRect(l.bottomStrip));
        for (const TGridMark& m : columnMarks) {
            const std::int64_t column = plot.left + m.offset;
            if (column <= -labelWidth || column >= l.client.right + labelWidth)
                continue;
            const QString text = gridLabel(m.value, s.DecimalPoint);
            const int w = fm.horizontalAdvance(text);
            p.drawText(QRect(int(column) - w / 2 - 1, plot.bottom + 3, w + 2, textHeight), Qt::AlignCenter, text);
        }
        p.restore();
    }
}

void drawCurve(QPainter& p, const TPoints& curve, const TGraphLayout& l, int height, const TGraphView& v,
               TExprParser& parser)
{
    const auto points = sampleCurve(parser, v, l.plot);
    p.save();
    p.setClipRect(qRect(l.plot));
    p.setPen(QPen(curve.Color(), 1, Qt::SolidLine));
    if (curve.Style() == 1) {
        for (std::size_t i = 0; i < points.size(); ++i)
            if (points[i].valid && points[i].row >= l.plot.top && points[i].row < l.plot.bottom)
                p.drawPoint(l.plot.left + int(i), int(points[i].row));
    } else {
        const TCurvePath path = curvePath(points, l.plot.left, height, l.plot);
        for (const TLineSegment& s : path.segments)
            p.drawLine(s.x1, s.y1, s.x2, s.y2);
        if (path.hasLastPixel)
            p.drawPoint(path.lastX, path.lastY);
    }
    p.restore();
}

} // namespace

TGraphLayout graphLayoutFor(const TGraphSettings& s, int width, int height, const QPaintDevice* device)
{
    const QFontMetrics fm(s.LabelFont, device);
    return graphLayout(width, height, s.BorderStyle != bstNone, s.NumbHoriz, s.NumbVert, s.GraphBorder != bstNone,
                       fm.height(), fm.horizontalAdvance(SampleLabel));
}

void renderGraph(QPainter& painter, int width, int height, const TGraphSettings& s, TGraphView& view,
                 const TSeries& curves, TExprParser& parser)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(0, 0, width, height, s.ColorBg);
    drawBorder(painter, {0, 0, width, height}, s.BorderStyle, s);
    const TGraphLayout l = graphLayoutFor(s, width, height, painter.device());
    if (l.plot.width() <= 0 || l.plot.height() <= 0) {
        painter.restore();
        return;
    }
    normaliseView(view, l.plot, s.MaintainRatio, s.AspectRatio);
    drawGrid(painter, s, l, view, QFontMetrics(s.LabelFont, painter.device()));
    drawBorder(painter, l.frame, s.GraphBorder, s);

    for (int i = 0; i < curves.Count(); ++i) {
        const TPoints& curve = *curves.Items(i);
        if (!curve.Visible() || curve.CompileText().isEmpty())
            continue;
        // A text that does not compile is simply not drawn.
        parser.OnParserError = nullptr;
        try {
            parser.setExpression(curve.CompileText());
        } catch (const std::exception&) {
            continue;
        }
        if (parser.parseFailed())
            continue;
        drawCurve(painter, curve, l, height, view, parser);
    }
    painter.restore();
}

// ---- TEasyGraph -------------------------------------------------------------------

namespace {
qint64 steadyMilliseconds()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.elapsed();
}

TMouseButton buttonOf(Qt::MouseButton b)
{
    return b == Qt::LeftButton ? TMouseButton::Left : b == Qt::RightButton ? TMouseButton::Right : TMouseButton::Other;
}

// What the pointer image's height is taken to be when placing the hint.
constexpr int PointerHeight = 20;
} // namespace

TEasyGraph::TEasyGraph(QWidget* parent) : QWidget(parent), clock_(steadyMilliseconds)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    series_.onChange = [this] { curvesChanged(); };
    animationTimer_.setInterval(1);
    connect(&animationTimer_, &QTimer::timeout, this, &TEasyGraph::animationFrame);
}

TEasyGraph::~TEasyGraph()
{
    // Nothing may touch the control once it is going away.
    animationTimer_.stop();
    animation_.stop();
    series_.onChange = nullptr;
}

void TEasyGraph::setSettings(const TGraphSettings& settings)
{
    settings_ = settings;
    mouse_.MouseZoom = settings.MouseZoom;
    mouse_.MousePan = settings.MousePan;
    mouse_.MouseFuncHint = settings.MouseFuncHint;
    needsRedraw_ = true;
    update();
}

void TEasyGraph::setView(long double xmin, long double xmax, long double ymin, long double ymax)
{
    TGraphView v = view_;
    if (!setGraphView(v, xmin, xmax, ymin, ymax))
        return;
    changeView(v);
}

void TEasyGraph::changeView(const TGraphView& view)
{
    view_ = view;
    needsRedraw_ = true;
    update();
    emit OnChange();
}

TGraphLayout TEasyGraph::layout() const { return graphLayoutFor(settings_, width(), height(), this); }

void TEasyGraph::curvesChanged()
{
    needsRedraw_ = true;
    update();
    emit seriesChanged();
    emit OnChange();
}

bool TEasyGraph::pictureIsStale() const
{
    const int depth = screen() ? screen()->depth() : 0;
    return needsRedraw_ || bitmap_.size() != size() || depth != bitmapDepth_;
}

const QImage& TEasyGraph::picture()
{
    if (pictureIsStale())
        redraw();
    return bitmap_;
}

void TEasyGraph::redraw()
{
    const qint64 start = clock_();
    if (bitmap_.size() != size())
        bitmap_ = QImage(size(), QImage::Format_RGB32);
    bitmapDepth_ = screen() ? screen()->depth() : 0;
    // Cleared first: a failure while drawing a curve is not repeated until
    // the view or the curves change.
    needsRedraw_ = false;
    if (!bitmap_.isNull()) {
        QPainter p(&bitmap_);
        renderGraph(p, width(), height(), settings_, view_, series_, parser_);
    }
    lastRedrawMs_ = clock_() - start;
    ++redrawCount_;
}

void TEasyGraph::paintEvent(QPaintEvent* event)
{
    const QImage& image = picture();
    QPainter p(this);
    p.drawImage(event->rect().topLeft(), image, event->rect());
    if (!band_.isNull()) {
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(band_.adjusted(0, 0, -1, -1));
    }
}

void TEasyGraph::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const Qt::KeyboardModifiers mods = event->modifiers();
    handle(mouse_.press(buttonOf(event->button()),
                        {mods.testFlag(Qt::ShiftModifier), mods.testFlag(Qt::ControlModifier), mods.testFlag(Qt::AltModifier)},
                        pos.x(), pos.y(), layout().plot, animating()));
}

void TEasyGraph::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    handle(mouse_.move(pos.x(), pos.y(), layout().plot));
}

void TEasyGraph::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    handle(mouse_.release(buttonOf(event->button()), pos.x(), pos.y()));
}

void TEasyGraph::handle(const TMouseResult& r)
{
    const TPixelRect plot = layout().plot;
    switch (r.command) {
    case TMouseCommand::None:
        break;
    case TMouseCommand::ZoomIn:
        zoomTo(zoomedIn(view_), true);
        break;
    case TMouseCommand::ZoomOut:
        zoomTo(zoomedOut(view_), false);
        break;
    case TMouseCommand::ZoomToRect:
        // A band with no width or no height gives an empty range: no zoom.
        if (r.x1 != r.x2 && r.y1 != r.y2)
            zoomTo(rectangleView(view_, plot, r.x1, r.y1, r.x2, r.y2), true);
        break;
    case TMouseCommand::Pan:
        changeView(pannedView(view_, plot, r.x1, r.y1));
        break;
    case TMouseCommand::BandChanged:
        band_ = QRect(QPoint(std::min(r.x1, r.x2), std::min(r.y1, r.y2)), QPoint(std::max(r.x1, r.x2), std::max(r.y1, r.y2)));
        update();
        break;
    case TMouseCommand::HintAt:
        showHint(r.x1, r.y1);
        break;
    case TMouseCommand::HintHidden:
        hideHint();
        break;
    }
    if (mouse_.state() != TGraphMouse::State::RubberBand && !band_.isNull()) {
        band_ = QRect();
        update();
    }
}

void TEasyGraph::zoomTo(TGraphView target, bool onlyIfSmaller)
{
    if (onlyIfSmaller) {
        normaliseView(target, layout().plot, settings_.MaintainRatio, settings_.AspectRatio);
        if (!zoomMakesSmaller(view_, target))
            return;
    }
    if (settings_.ZoomTime <= 0) {
        changeView(target);
        return;
    }
    animation_.start(view_, target, settings_.ZoomTime, lastRedrawMs_);
    lastFrameAt_ = clock_();
    animationTimer_.start();
}

void TEasyGraph::animationFrame()
{
    const qint64 now = clock_();
    const TGraphView frame = animation_.nextFrame(now - lastFrameAt_);
    lastFrameAt_ = now;
    if (!animation_.running())
        animationTimer_.stop();
    changeView(frame);
    // Each frame is shown before the next is worked out.
    repaint();
}

void TEasyGraph::showHint(int x, int y)
{
    const TPixelRect plot = layout().plot;
    if (!hint_)
        hint_ = new TEGHintForm(this);
    hint_->setValues(hintNumber(columnToX(view_, plot, x), settings_.DecimalPoint),
                     hintNumber(rowToY(view_, plot, y), settings_.DecimalPoint));
    hint_->setCurve(false);
    for (int i = 0; i < series_.Count(); ++i) {
        const TPoints& curve = *series_.Items(i);
        if (!curve.Visible() || curve.CompileText().isEmpty())
            continue;
        try {
            parser_.setExpression(curve.CompileText());
        } catch (const std::exception&) {
            continue;
        }
        if (!parser_.parseFailed() && curvePassesPointer(parser_, view_, plot, x, y)) {
            hint_->setCurve(true, curve.Color(), curve.Text());
            break;
        }
    }
    hint_->move(mapToGlobal(QPoint(x, y + PointerHeight + 5)));
    hint_->show();
}

void TEasyGraph::hideHint()
{
    if (hint_)
        hint_->hide();
}

} // namespace tv
