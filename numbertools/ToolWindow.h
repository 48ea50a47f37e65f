#pragma once
// Small helpers shared by the number-tool windows: fonts in pixels, window
// and button colours, the Exit button, centring, and a title label drawn
// raised or lowered.
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QString>

class QAbstractButton;
class QPushButton;
class QWidget;

namespace tv::toolwindow {

// The notice text that follows the title in the number-tool window captions.
inline const QString CaptionNotice = QStringLiteral(" - Mathematics for the Middle School");

// A font of `family` sized in pixels (the sizes the windows are laid out in).
QFont pixelFont(const QString& family, int pixels, bool bold = false);

// Fills the widget's background with `colour`.
void setBackground(QWidget* widget, const QColor& colour);
// Button face and caption colours.
void setButtonColors(QAbstractButton* button, const QColor& face, const QColor& caption);
// The palette's Exit colours: ExitButtonColor face, ExitButtonFontColor caption.
void applyExitColors(QAbstractButton* button);
// A push button that neither becomes the dialog's default nor reacts to
// Enter on another control.
QPushButton* makeButton(const QString& caption, QWidget* parent);
// "Exit" in yellow Arial 19 px bold on red; clicking it closes `window`.
QPushButton* makeExitButton(QWidget* window, const QString& caption = QStringLiteral("Exit"));
// Makes the window exactly width x height and centres it on its screen.
void fixSizeAndCentre(QWidget* window, int width, int height);
// A label showing a link text that opens `url` in the default browser.
QLabel* makeLinkLabel(const QString& text, const QString& url, QWidget* parent);

// A one-line label drawn raised (a dark shadow down and right), lowered
// (a light edge down and right, dark up and left) or plain.
class TitleLabel : public QLabel {
    Q_OBJECT
public:
    enum class Effect { Plain, Raised, Lowered };
    TitleLabel(const QString& text, const QFont& font, const QColor& colour, Effect effect,
               QWidget* parent);
    Effect effect() const { return effect_; }
    QColor textColour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
    Effect effect_;
};

} // namespace tv::toolwindow
