#include "ui/Components.h"

#include <QEnterEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QMouseEvent>
#include <QPainter>

namespace tv {

QFont pixelFont(const QString& family, int pixelSize, bool bold)
{
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QFont pointFont(const QString& family, int pointSize, bool bold)
{
    QFont f(family);
    f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}

NagLabel::NagLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    applyColor();
}

void NagLabel::setColors(const QColor& normal, const QColor& hover)
{
    normal_ = normal;
    hover_ = hover;
    applyColor();
}

void NagLabel::enterEvent(QEnterEvent* event)
{
    hovered_ = true;
    applyColor();
    QLabel::enterEvent(event);
}

void NagLabel::leaveEvent(QEvent* event)
{
    hovered_ = false;
    applyColor();
    QLabel::leaveEvent(event);
}

void NagLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void NagLabel::applyColor()
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, hovered_ ? hover_ : normal_);
    setPalette(p);
}

NagLabel* makeCatalogueLabel(const QString& caption, QWidget* parent)
{
    auto* label = new NagLabel(caption, parent);
    QFont f = pointFont(QStringLiteral("MS Sans Serif"), 8);
    f.setUnderline(true);
    label->setFont(f);
    label->setColors(QColor(0x00, 0x00, 0x80), QColor(0xFF, 0x00, 0x00));
    label->adjustSize();
    return label;
}

NagButton::NagButton(const QString& text, const QColor& face, const QColor& caption, QWidget* parent)
    : QPushButton(text, parent)
{
    setColors(face, caption);
}

void NagButton::setColors(const QColor& face, const QColor& caption)
{
    face_ = face;
    caption_ = caption;
    const QString f = face.name(), light = face.lighter(150).name(), dark = face.darker(170).name();
    setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: %2; border: 2px solid;"
                                 " border-color: %3 %4 %4 %3; padding: 1px 4px; }"
                                 "QPushButton:pressed { border-color: %4 %3 %3 %4; }"
                                 "QPushButton:focus { outline: 1px dotted %2; }")
                      .arg(f, caption.name(), light, dark));
}

EffectLabel::EffectLabel(const QString& text, Effect effect, QWidget* parent)
    : QLabel(text, parent), effect_(effect)
{
}

EffectLabel::EffectLabel(const QString& text, const QFont& font, const QColor& color, Effect effect,
                         QWidget* parent)
    : QLabel(text, parent), effect_(effect)
{
    setFont(font);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
    resize(sizeHint());
}

QSize EffectLabel::sizeHint() const
{
    // Room for the effect's offset edges.
    return QLabel::sizeHint() + QSize(3, 3);
}

void EffectLabel::paintEvent(QPaintEvent* event)
{
    if (effect_ == Effect::None) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    p.setFont(font());
    const QRect r = contentsRect();
    const int flags = static_cast<int>(alignment()) | Qt::TextSingleLine;
    const QColor light(0xFF, 0xFF, 0xFF), dark(0x80, 0x80, 0x80);
    auto draw = [&](int dx, int dy, const QColor& c) {
        p.setPen(c);
        p.drawText(r.translated(dx, dy), flags, text());
    };
    switch (effect_) {
    case Effect::Lowered: // light edge below and right, dark above and left
        draw(1, 1, light);
        draw(-1, -1, dark);
        break;
    case Effect::Raised:
        draw(-1, -1, light);
        draw(1, 1, dark);
        break;
    case Effect::Shadow:
        draw(2, 2, dark);
        break;
    case Effect::None:
        break;
    }
    draw(0, 0, textColour());
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

MaskEdit::MaskEdit(const QString& mask, QWidget* parent) : QLineEdit(parent) { setInputMask(mask); }

QString MaskEdit::value() const
{
    // text() already leaves out the blank character of unfilled positions.
    return text().remove(QLatin1Char(' '));
}

} // namespace tv
