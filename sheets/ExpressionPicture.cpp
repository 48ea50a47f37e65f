#include "sheets/ExpressionPicture.h"

#include "ui/Errors.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tv {

namespace {

constexpr int kMargin = 4;
constexpr qreal kOpGap = 6;     // blank space either side of a sign
constexpr qreal kMixedGap = 3;  // between the whole part and its fraction
constexpr qreal kOverhang = 2;  // bar beyond the longer of its numbers
constexpr qreal kBar = 2;       // bar thickness
constexpr qreal kBarGap = 3;    // between a number and its bar
constexpr qreal kSign = 11;     // width and height of a drawn sign
constexpr qreal kStroke = 2;    // its strokes, as thick as a bar

const QColor kInk(0x1E, 0x1E, 0x1E);
const QColor kAccent(0x1F, 0x4E, 0x9A); // the signs

bool isDigitOrMark(QChar c) { return c.isDigit() || c == QLatin1Char('?') || c == QLatin1Char('.'); }

struct Item {
    enum class Kind { Number, Fraction, Sign } kind = Kind::Number;
    QString whole; // Number text, or the whole part of a mixed number
    QString numerator;
    QString denominator;
    QString sign;
    bool stroked = false; // a sign drawn as strokes (all but the brackets)
};

[[noreturn]] void cannotDraw(const QString& expression, const QString& why)
{
    throw Error(QStringLiteral("Cannot draw \"%1\": %2").arg(expression, why));
}

std::vector<Item> parse(const QString& e)
{
    std::vector<Item> items;
    qsizetype i = 0;
    const qsizetype n = e.size();
    auto number = [&]() {
        const qsizetype from = i;
        if (i < n && e[i] == QLatin1Char('$'))
            ++i;
        while (i < n && isDigitOrMark(e[i]))
            ++i;
        if (i < n && e[i] == QLatin1Char('%'))
            ++i;
        return e.mid(from, i - from);
    };
    auto fractionAhead = [&](qsizetype at) {
        // digits (or ?) then '/' then digits (or ?), no blanks
        qsizetype p = at;
        while (p < n && isDigitOrMark(e[p]))
            ++p;
        return p > at && p + 1 < n && e[p] == QLatin1Char('/') && isDigitOrMark(e[p + 1]);
    };
    while (i < n) {
        const QChar c = e[i];
        if (c == QLatin1Char(' ')) {
            ++i;
            continue;
        }
        if (isDigitOrMark(c) || c == QLatin1Char('$')) {
            Item it;
            if (fractionAhead(i)) {
                it.kind = Item::Kind::Fraction;
                it.numerator = number();
                ++i; // '/'
                it.denominator = number();
            } else {
                it.whole = number();
                // A mixed number: the whole part, blanks, a fraction.
                qsizetype p = i;
                while (p < n && e[p] == QLatin1Char(' '))
                    ++p;
                if (p > i && fractionAhead(p)) {
                    i = p;
                    it.kind = Item::Kind::Fraction;
                    it.numerator = number();
                    ++i;
                    it.denominator = number();
                }
            }
            items.push_back(it);
            continue;
        }
        Item s;
        s.kind = Item::Kind::Sign;
        switch (c.unicode()) {
        case u'+': s.sign = QStringLiteral("+"); break;
        case u'-': case u'\u2212': s.sign = QStringLiteral("\u2212"); break;
        case u'*': case u'\u00D7': s.sign = QStringLiteral("\u00D7"); break;
        case u'\u00F7': s.sign = QStringLiteral("\u00F7"); break;
        case u'=': s.sign = QStringLiteral("="); break;
        case u'(': s.sign = QStringLiteral("("); break;
        case u')': s.sign = QStringLiteral(")"); break;
        default: cannotDraw(e, QStringLiteral("the character '%1'").arg(c));
        }
        s.stroked = s.sign != QLatin1String("(") && s.sign != QLatin1String(")");
        items.push_back(s);
        ++i;
    }
    if (items.empty())
        cannotDraw(e, QStringLiteral("nothing to draw"));
    return items;
}

// The signs are drawn, not typeset: a font's minus and division sign are a
// hairline at this size and rarely sit on the fraction bar's height. Each is
// centred on `c`, the bar's axis.
void drawSign(QPainter& p, const QString& sign, QPointF c)
{
    c = QPointF(std::round(c.x()), std::round(c.y()));
    p.save();
    p.setPen(QPen(kAccent, kStroke, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(kAccent);
    const qreal h = kSign / 2;
    auto line = [&](qreal x1, qreal y1, qreal x2, qreal y2) {
        p.drawLine(QPointF(c.x() + x1, c.y() + y1), QPointF(c.x() + x2, c.y() + y2));
    };
    const QChar s = sign.at(0);
    if (s == QLatin1Char('+')) {
        line(-h, 0, h, 0);
        line(0, -h, 0, h);
    } else if (s == QChar(0x2212)) {
        line(-h, 0, h, 0);
    } else if (s == QChar(0x00D7)) {
        const qreal d = h * 0.75;
        line(-d, -d, d, d);
        line(-d, d, d, -d);
    } else if (s == QChar(0x00F7)) {
        line(-h, 0, h, 0);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(c.x(), c.y() - h + 1), 1.6, 1.6);
        p.drawEllipse(QPointF(c.x(), c.y() + h - 1), 1.6, 1.6);
    } else if (s == QLatin1Char('=')) {
        line(-h, -2.5, h, -2.5);
        line(-h, 2.5, h, 2.5);
    }
    p.restore();
}

QFont font(int pixels)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixels);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

} // namespace

QImage drawExpression(const QString& expression)
{
    const std::vector<Item> items = parse(expression);
    const QFont big = font(18), small = font(15);
    const QFontMetricsF fb(big), fs(small);
    // Heights of the ink of numerals, so numbers sit evenly on their bar.
    const qreal numeralHeight = fs.tightBoundingRect(QStringLiteral("0123456789")).height();
    const qreal fractionHalf = kBar / 2 + kBarGap + numeralHeight;

    // Widths, and how far each item reaches above and below the bar axis.
    struct Box {
        qreal width = 0, above = 0, below = 0, fractionWidth = 0;
    };
    std::vector<Box> boxes;
    for (const Item& it : items) {
        Box b;
        if (it.kind == Item::Kind::Fraction) {
            b.fractionWidth =
                std::max(fs.horizontalAdvance(it.numerator), fs.horizontalAdvance(it.denominator))
                + 2 * kOverhang;
            b.width = b.fractionWidth;
            b.above = b.below = fractionHalf;
            if (!it.whole.isEmpty()) {
                b.width += fb.horizontalAdvance(it.whole) + kMixedGap;
                const qreal h = fb.tightBoundingRect(it.whole).height() / 2;
                b.above = std::max(b.above, h);
                b.below = std::max(b.below, h);
            }
        } else if (it.stroked) {
            b.width = kSign;
            b.above = b.below = kSign / 2 + kStroke;
        } else {
            const QString& t = it.kind == Item::Kind::Sign ? it.sign : it.whole;
            const QFontMetricsF& fm = fb;
            b.width = fm.horizontalAdvance(t);
            const QRectF ink = fm.tightBoundingRect(t);
            b.above = b.below = std::max(ink.height(), numeralHeight) / 2;
        }
        boxes.push_back(b);
    }
    qreal width = 0, above = 0, below = 0;
    for (size_t k = 0; k < boxes.size(); ++k) {
        width += boxes[k].width;
        if (k + 1 < boxes.size())
            width += kOpGap;
        above = std::max(above, boxes[k].above);
        below = std::max(below, boxes[k].below);
    }
    const QSize size(static_cast<int>(std::ceil(width)) + 2 * kMargin,
                     static_cast<int>(std::ceil(above + below)) + 1 + 2 * kMargin);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // On a whole pixel, so bars and strokes of 2 px stay crisp.
    const qreal axis = std::round(kMargin + above);

    // Draws `text` in the large size with its ink centred on the axis.
    // Numerals count as one height, so "1" and "8" stand on one line.
    const qreal bigNumeralHeight = fb.tightBoundingRect(QStringLiteral("0123456789")).height();
    auto centred = [&](const QString& text, qreal x, const QColor& colour) {
        const bool numeral = std::all_of(text.begin(), text.end(), [](QChar c) {
            return c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('?');
        });
        const QRectF ink = numeral ? QRectF(0, -bigNumeralHeight, 1, bigNumeralHeight)
                                   : fb.tightBoundingRect(text);
        p.setFont(big);
        p.setPen(colour);
        p.drawText(QPointF(x, axis - (ink.top() + ink.bottom()) / 2), text);
    };

    qreal x = kMargin;
    for (size_t k = 0; k < items.size(); ++k) {
        const Item& it = items[k];
        const Box& b = boxes[k];
        if (it.kind == Item::Kind::Fraction) {
            qreal fx = x;
            if (!it.whole.isEmpty()) {
                centred(it.whole, x, kInk);
                fx += fb.horizontalAdvance(it.whole) + kMixedGap;
            }
            p.fillRect(QRectF(std::round(fx), axis - kBar / 2, std::round(b.fractionWidth), kBar), kInk);
            p.setFont(small);
            p.setPen(kInk);
            const qreal wn = fs.horizontalAdvance(it.numerator);
            const qreal wd = fs.horizontalAdvance(it.denominator);
            p.drawText(QPointF(fx + (b.fractionWidth - wn) / 2, axis - kBar / 2 - kBarGap),
                       it.numerator);
            p.drawText(QPointF(fx + (b.fractionWidth - wd) / 2,
                               axis + kBar / 2 + kBarGap + numeralHeight),
                       it.denominator);
        } else if (it.stroked) {
            drawSign(p, it.sign, QPointF(x + kSign / 2, axis));
        } else if (it.kind == Item::Kind::Sign) {
            centred(it.sign, x, kAccent);
        } else {
            centred(it.whole, x, kInk);
        }
        x += b.width + kOpGap;
    }
    return image;
}

} // namespace tv
