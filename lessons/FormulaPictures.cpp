#include "lessons/FormulaPictures.h"

#include "ui/Errors.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace tv::lessons {

namespace {

const QColor kInk(0x1B, 0x23, 0x33);
const QColor kAccent(0xC6, 0x28, 0x28); // the trapezoid's measures
const QString kSerif = QStringLiteral("Liberation Serif");
const QString kMinus = QStringLiteral("\u2212");

// A typeset piece: its width and its extent above and below the baseline;
// painted with its baseline's left end at the given point.
struct Box {
    qreal width = 0;
    qreal ascent = 0;
    qreal descent = 0;
    // Room left after a leaning letter; a subscript tucks in under it.
    qreal italicCorrection = 0;
    std::function<void(QPainter&, QPointF)> paint;
};

class Typesetter {
public:
    explicit Typesetter(int px) : px_(px) {}

    int px() const { return px_; }

    QFont font(bool italic, qreal scale = 1.0) const
    {
        QFont f(kSerif);
        f.setPixelSize(std::max(1, qRound(px_ * scale)));
        f.setItalic(italic);
        return f;
    }

    // The ink of `text` (not the font's full line height), so stacked
    // pieces sit close as in print.
    Box text(const QString& s, bool italic, qreal scale = 1.0) const
    {
        const QFont f = font(italic, scale);
        const QFontMetricsF fm(f);
        const QRectF ink = fm.tightBoundingRect(s);
        Box b;
        // Italic letters lean past their advance; keep them clear of what follows.
        b.italicCorrection = italic ? px_ * 0.08 * scale : 0;
        b.width = fm.horizontalAdvance(s) + b.italicCorrection;
        b.ascent = std::max<qreal>(-ink.top(), fm.capHeight() * 0.5) + 1;
        b.descent = std::max<qreal>(ink.bottom(), 0) + 1;
        b.paint = [f, s](QPainter& p, QPointF at) {
            p.setFont(f);
            p.drawText(at, s);
        };
        return b;
    }
    Box var(const QString& s) const { return text(s, true); }
    Box num(const QString& s) const { return text(s, false); }
    Box word(const QString& s) const { return text(s, false); }

    // A sign with its spacing: a relation (=) a little wider than + and −.
    Box sign(const QString& s, bool relation = false) const
    {
        Box b = text(s, false);
        const qreal gap = px_ * (relation ? 0.28 : 0.2);
        auto inner = b.paint;
        b.paint = [inner, gap](QPainter& p, QPointF at) { inner(p, at + QPointF(gap, 0)); };
        b.width += 2 * gap;
        return b;
    }

    Box space(qreal em) const
    {
        Box b;
        b.width = px_ * em;
        b.paint = [](QPainter&, QPointF) {};
        return b;
    }

    static Box row(std::vector<Box> parts)
    {
        Box b;
        for (const Box& part : parts) {
            b.width += part.width;
            b.ascent = std::max(b.ascent, part.ascent);
            b.descent = std::max(b.descent, part.descent);
        }
        b.paint = [parts = std::move(parts)](QPainter& p, QPointF at) {
            for (const Box& part : parts) {
                part.paint(p, at);
                at.rx() += part.width;
            }
        };
        return b;
    }

    // Height of the fraction bar and of the middle of + and −.
    qreal axis() const
    {
        const QFontMetricsF fm(font(false));
        return -fm.tightBoundingRect(QStringLiteral("+")).center().y();
    }
    qreal rule() const { return std::max(1.5, px_ / 14.0); }

    // Numerator over denominator, the bar as long as the longer of them
    // plus a little overhang, centred on the signs' axis.
    Box frac(const Box& top, const Box& bottom) const
    {
        const qreal t = rule(), gap = std::max(2.0, px_ * 0.14), over = std::max(2.0, px_ * 0.12);
        const qreal a = axis();
        Box b;
        b.width = std::max(top.width, bottom.width) + 2 * over;
        const qreal topBaseline = -(a + t / 2 + gap + top.descent);
        const qreal bottomBaseline = -a + t / 2 + gap + bottom.ascent;
        b.ascent = -topBaseline + top.ascent;
        b.descent = bottomBaseline + bottom.descent;
        const qreal w = b.width;
        b.paint = [=](QPainter& p, QPointF at) {
            top.paint(p, at + QPointF((w - top.width) / 2, topBaseline));
            bottom.paint(p, at + QPointF((w - bottom.width) / 2, bottomBaseline));
            p.fillRect(QRectF(at.x() + 1, at.y() - a - t / 2, w - 2, t), p.pen().color());
        };
        b.width += 2; // clear of its neighbours
        return b;
    }

    // The square root sign, its bar over the whole of `inside`.
    Box sqrt(const Box& inside) const
    {
        const qreal s = rule(), gap = std::max(2.0, px_ * 0.12), sign = px_ * 0.62, pad = px_ * 0.08;
        Box b;
        b.width = sign + inside.width + pad;
        b.ascent = inside.ascent + gap + s;
        b.descent = inside.descent + 1;
        const qreal top = -(b.ascent - s / 2), bottom = b.descent - 1;
        const qreal w = b.width, px = px_;
        b.paint = [=](QPainter& p, QPointF at) {
            const qreal mid = top + 0.62 * (bottom - top);
            QPainterPath path;
            path.moveTo(at + QPointF(0, mid + px * 0.05));
            path.lineTo(at + QPointF(sign * 0.22, mid - px * 0.06));
            path.lineTo(at + QPointF(sign * 0.52, bottom));
            path.lineTo(at + QPointF(sign * 0.92, top));
            path.lineTo(at + QPointF(w, top));
            p.save();
            p.setPen(QPen(p.pen().color(), s, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(path);
            p.restore();
            inside.paint(p, at + QPointF(sign, 0));
        };
        return b;
    }

    // A variable with a smaller index below (b₁) or power above (r²).
    Box sub(const Box& base, const QString& index) const
    {
        return script(base, text(index, false, 0.7), px_ * 0.22, base.italicCorrection);
    }
    Box sup(const Box& base, const QString& power) const
    {
        return script(base, text(power, false, 0.7), -px_ * 0.42, 0);
    }

private:
    static Box script(const Box& base, const Box& small, qreal shift, qreal tuck)
    {
        Box b;
        const qreal at = base.width - tuck;
        b.width = at + small.width;
        b.ascent = std::max(base.ascent, small.ascent - shift);
        b.descent = std::max(base.descent, small.descent + shift);
        b.paint = [=](QPainter& p, QPointF origin) {
            base.paint(p, origin);
            small.paint(p, origin + QPointF(at, shift));
        };
        return b;
    }

    int px_;
};

Box half(const Typesetter& t) { return t.frac(t.num(QStringLiteral("1")), t.num(QStringLiteral("2"))); }

Box startArea(const Typesetter& t)
{
    return Typesetter::row({t.var(QStringLiteral("A")), t.sign(QStringLiteral("="), true)});
}

Box rectangleFormula(const Typesetter& t)
{
    return Typesetter::row({startArea(t), t.var(QStringLiteral("lw"))});
}

Box circleFormula(const Typesetter& t)
{
    return Typesetter::row({startArea(t), t.num(QStringLiteral("\u03C0")), t.sup(t.var(QStringLiteral("r")), QStringLiteral("2"))});
}

Box rightTriangleFormula(const Typesetter& t)
{
    return Typesetter::row({startArea(t), half(t), t.var(QStringLiteral("bh"))});
}

// One factor (s − x) of Heron's product.
Box heronFactor(const Typesetter& t, const QString& side)
{
    return Typesetter::row({t.num(QStringLiteral("(")), t.var(QStringLiteral("s")), t.sign(kMinus),
                            t.var(side), t.num(QStringLiteral(")"))});
}

Box heronsFormula(const Typesetter& t)
{
    const Box product = Typesetter::row({t.var(QStringLiteral("s")), heronFactor(t, QStringLiteral("a")),
                                         heronFactor(t, QStringLiteral("b")), heronFactor(t, QStringLiteral("c"))});
    const Box perimeter = Typesetter::row({t.var(QStringLiteral("a")), t.sign(QStringLiteral("+")),
                                           t.var(QStringLiteral("b")), t.sign(QStringLiteral("+")),
                                           t.var(QStringLiteral("c"))});
    return Typesetter::row({startArea(t), t.sqrt(product), t.num(QStringLiteral(",")), t.space(1.0),
                            t.word(QStringLiteral("where")), t.space(0.4), t.var(QStringLiteral("s")),
                            t.sign(QStringLiteral("="), true), t.frac(perimeter, t.num(QStringLiteral("2")))});
}

Box parallelogramFormula(const Typesetter& t)
{
    return Typesetter::row({startArea(t), t.var(QStringLiteral("bh"))});
}

Box trapezoidFormula(const Typesetter& t)
{
    const Box bases = Typesetter::row({t.num(QStringLiteral("(")), t.sub(t.var(QStringLiteral("b")), QStringLiteral("1")),
                                       t.sign(QStringLiteral("+")), t.sub(t.var(QStringLiteral("b")), QStringLiteral("2")),
                                       t.num(QStringLiteral(")"))});
    return Typesetter::row({startArea(t), half(t), bases, t.var(QStringLiteral("h"))});
}

// The trapezoid's own picture: the formula on the left with what its
// letters stand for, and a labelled trapezoid on the right.
constexpr int kTrapezoidFormulaWidth = 290;

void drawTrapezoidFigure(QPainter& p, const QRectF& area, const Typesetter& labels)
{
    const qreal left = area.left() + 20, right = area.right() - 20;
    const qreal top = area.top() + 30, bottom = area.bottom() - 30;
    const QPointF a(left, bottom), b(right, bottom), c(right - 50, top), d(left + 70, top);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF shape;
    shape << a << b << c << d;
    p.setBrush(QColor(255, 255, 255, 140));
    p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(shape);
    // The height, dashed, with its right angle on the lower base.
    const qreal hx = d.x();
    p.setPen(QPen(kInk, 1.5, Qt::DashLine));
    p.drawLine(QPointF(hx, top), QPointF(hx, bottom));
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(hx, bottom - 8), QPointF(hx + 8, bottom - 8), QPointF(hx + 8, bottom)}));
    p.setPen(kAccent);
    const Box b1 = labels.sub(labels.var(QStringLiteral("b")), QStringLiteral("1"));
    const Box b2 = labels.sub(labels.var(QStringLiteral("b")), QStringLiteral("2"));
    const Box h = labels.var(QStringLiteral("h"));
    b1.paint(p, QPointF((c.x() + d.x() - b1.width) / 2, top - 8 - b1.descent));
    b2.paint(p, QPointF((a.x() + b.x() - b2.width) / 2, bottom + 8 + b2.ascent));
    h.paint(p, QPointF(hx + 12, (top + bottom) / 2 + h.ascent / 2));
    p.restore();
}

struct FormulaLayout {
    const char* name;
    QSize size;
    int preferredPx;
    Box (*formula)(const Typesetter&);
    // Room left to the formula (the trapezoid shares its picture).
    int formulaWidth = 0;
};

const std::vector<FormulaLayout>& formulaLayouts()
{
    static const std::vector<FormulaLayout> all = {
        {"imgFormulaAreaRectangle", {205, 21}, 22, rectangleFormula},
        {"imgFormulaAreaCircle", {131, 25}, 22, circleFormula},
        {"imgFormulaAreaRightTriangle", {229, 53}, 24, rightTriangleFormula},
        {"imgHeronsFormula", {447, 61}, 24, heronsFormula},
        {"imgFormulaParallelogram", {183, 25}, 22, parallelogramFormula},
        {"imgFormulaTrapezoid", {547, 133}, 28, trapezoidFormula, kTrapezoidFormulaWidth},
    };
    return all;
}

const FormulaLayout& layoutOf(const QString& name)
{
    for (const FormulaLayout& s : formulaLayouts())
        if (name == QLatin1String(s.name))
            return s;
    throw Error(QStringLiteral("There is no formula picture \"%1\"").arg(name));
}

QSizeF sizeOf(const Box& b) { return {b.width, b.ascent + b.descent}; }

// The largest type, up to the preferred size, at which the formula fits
// its room with a pixel to spare all round.
FormulaFit fit(const FormulaLayout& layout)
{
    const QSizeF room(layout.formulaWidth > 0 ? layout.formulaWidth : layout.size.width(), layout.size.height());
    for (int px = layout.preferredPx; px > 6; --px) {
        const QSizeF size = sizeOf(layout.formula(Typesetter(px)));
        if (size.width() <= room.width() - 2 && size.height() <= room.height() - 2)
            return {px, size};
    }
    return {6, sizeOf(layout.formula(Typesetter(6)))};
}

} // namespace

QStringList formulaPictureNames()
{
    QStringList names;
    for (const FormulaLayout& s : formulaLayouts())
        names << QLatin1String(s.name);
    return names;
}

QSize formulaDisplaySize(const QString& name) { return layoutOf(name).size; }

FormulaFit formulaFit(const QString& name) { return fit(layoutOf(name)); }

QImage drawFormulaPicture(const QString& name)
{
    const FormulaLayout& layout = layoutOf(name);
    const FormulaFit f = fit(layout);
    const Typesetter t(f.fontPx);
    const Box formula = layout.formula(t);

    QImage image(layout.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(kInk);
    const qreal roomWidth = layout.formulaWidth > 0 ? layout.formulaWidth : layout.size.width();
    const qreal x = std::floor((roomWidth - formula.width) / 2);
    const qreal baseline = std::floor((layout.size.height() - (formula.ascent + formula.descent)) / 2 + formula.ascent);
    formula.paint(p, QPointF(x, baseline));
    if (layout.formulaWidth > 0)
        drawTrapezoidFigure(p, QRectF(layout.formulaWidth, 0, layout.size.width() - layout.formulaWidth, layout.size.height()),
                            Typesetter(20));
    return image;
}

} // namespace tv::lessons
