#include "numbertools/ToolWindow.h"

#include "numbertools/ToolPalette.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace tv::toolwindow {

QFont pixelFont(const QString& family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void setButtonColors(QAbstractButton* button, const QColor& face, const QColor& caption)
{
    QPalette p = button->palette();
    p.setColor(QPalette::Button, face);
    p.setColor(QPalette::ButtonText, caption);
    button->setPalette(p);
}

void applyExitColors(QAbstractButton* button)
{
    setButtonColors(button, toolPalette::ExitButtonColor, toolPalette::ExitButtonFontColor);
}

QPushButton* makeButton(const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QPushButton* makeExitButton(QWidget* window, const QString& caption)
{
    QPushButton* button = makeButton(caption, window);
    button->setObjectName(QStringLiteral("btnExit"));
    button->setFont(pixelFont(QStringLiteral("Arial"), 19, true));
    applyExitColors(button);
    QObject::connect(button, &QPushButton::clicked, window, &QWidget::close);
    return button;
}

void fixSizeAndCentre(QWidget* window, int width, int height)
{
    window->setFixedSize(width, height);
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        window->move(area.center() - QPoint(width / 2, height / 2));
    }
}

QLabel* makeLinkLabel(const QString& text, const QString& url, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(url.toHtmlEscaped(), text.toHtmlEscaped()));
    label->setTextFormat(Qt::RichText);
    label->setOpenExternalLinks(true);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

TitleLabel::TitleLabel(const QString& text, const QFont& font, const QColor& colour, Effect effect,
                       QWidget* parent)
    : QLabel(text, parent), colour_(colour), effect_(effect)
{
    setFont(font);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

void TitleLabel::paintEvent(QPaintEvent* event)
{
    if (effect_ == Effect::Plain) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(font());
    const QRect r = contentsRect();
    const int flags = static_cast<int>(alignment()) | Qt::TextSingleLine;
    if (effect_ == Effect::Raised) {
        painter.setPen(QColor(0x80, 0x80, 0x80));
        painter.drawText(r.translated(2, 2), flags, text());
    } else {
        painter.setPen(QColor(0xFF, 0xFF, 0xFF));
        painter.drawText(r.translated(1, 1), flags, text());
        painter.setPen(QColor(0x40, 0x40, 0x40));
        painter.drawText(r.translated(-1, -1), flags, text());
    }
    painter.setPen(colour_);
    painter.drawText(r, flags, text());
}

} // namespace tv::toolwindow
