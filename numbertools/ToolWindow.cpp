#include "numbertools/ToolWindow.h"

#include "numbertools/ToolPalette.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QWidget>

namespace tv::toolwindow {

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void setButtonColors(QAbstractButton* button, const QColor& face, const QColor& caption)
{
    // The style would shade a palette colour into a gradient; the face is meant flat.
    if (auto* flat = qobject_cast<NagButton*>(button))
        flat->setColors(face, caption);
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
    // Flat in the system face until a window gives it colours of its own.
    const QPalette system = QApplication::palette(parent);
    auto* button = new NagButton(caption, system.color(QPalette::Button), system.color(QPalette::ButtonText), parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

void fixSizeAndCentre(QWidget* window, int width, int height)
{
    window->setFixedSize(width, height);
    centreOnScreen(window);
}

int headerTitleRoom(const QHeaderView* header, int section)
{
    QStyleOptionHeader option;
    option.initFrom(header);
    option.section = section;
    option.orientation = header->orientation();
    option.rect = QRect(0, 0, header->sectionSize(section), header->sizeHint().height());
    return header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header).width();
}

void fitColumnTitles(QHeaderView* header, QFont font)
{
    const auto fits = [&] {
        const QFontMetrics fm(font);
        for (int s = 0; s < header->count(); ++s) {
            const QString title = header->model()->headerData(s, header->orientation()).toString();
            if (fm.horizontalAdvance(title) > headerTitleRoom(header, s))
                return false;
        }
        return true;
    };
    // Down to a size still legible; a title cut mid-word reads as nonsense.
    int pixels = QFontInfo(font).pixelSize();
    while (!fits() && pixels > 7)
        font.setPixelSize(--pixels);
    header->setFont(font);
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

void ToolDialog::btnExitClick() { close(); }

QPushButton* ToolDialog::addExitButton(const QRect& geometry, const QString& caption)
{
    QPushButton* button = makeButton(caption, this);
    button->setObjectName(QStringLiteral("btnExit"));
    button->setFont(pixelFont(QStringLiteral("Arial"), 19, true));
    applyExitColors(button);
    button->setGeometry(geometry);
    connect(button, &QPushButton::clicked, this, &ToolDialog::btnExitClick);
    return button;
}

EffectLabel* ToolDialog::addTitle(const QString& text, const QFont& font, const QColor& colour,
                                  EffectLabel::Effect effect, const QRect& geometry, Qt::Alignment alignment)
{
    auto* title = new EffectLabel(text, font, colour, effect, this);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setAlignment(alignment);
    title->setGeometry(geometry);
    return title;
}

QLabel* ToolDialog::addPrompt(const QString& text, const QFont& font, const QRect& geometry, const QColor& colour)
{
    auto* prompt = new QLabel(text, this);
    prompt->setFont(font);
    if (colour.isValid())
        prompt->setStyleSheet(QStringLiteral("color: %1").arg(colour.name()));
    prompt->setGeometry(geometry);
    return prompt;
}

void ToolDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!activated_) {
        activated_ = true;
        FormActivate();
    }
}

} // namespace tv::toolwindow
