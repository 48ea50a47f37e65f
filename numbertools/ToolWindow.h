#pragma once
// Small helpers shared by the number-tool windows: fonts in pixels, window
// and button colours, the Exit button, centring.
#include "ui/Components.h"

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QRect>
#include <QString>

class QAbstractButton;
class QHeaderView;
class QPushButton;
class QWidget;

namespace tv::toolwindow {

// The notice text that follows the title in the number-tool window captions.
inline const QString CaptionNotice = QStringLiteral(" - Mathematics for the Middle School");

// Fonts sized in pixels (the sizes the windows are laid out in).
using tv::pixelFont;
// Titles drawn lowered or with a drop shadow.
using tv::EffectLabel;

// Fills the widget's background with `colour`.
void setBackground(QWidget* widget, const QColor& colour);
// Button face and caption colours.
void setButtonColors(QAbstractButton* button, const QColor& face, const QColor& caption);
// The palette's Exit colours: ExitButtonColor face, ExitButtonFontColor caption.
void applyExitColors(QAbstractButton* button);
// A flat push button (system face until coloured) that neither becomes the
// dialog's default nor reacts to Enter on another control.
QPushButton* makeButton(const QString& caption, QWidget* parent);
// Makes the window exactly width x height and centres it on its screen.
void fixSizeAndCentre(QWidget* window, int width, int height);
// Gives the header `font`, made smaller until every column title fits its
// column whole (the columns keep their widths).
void fitColumnTitles(QHeaderView* header, QFont font);
// Width a header section leaves for its title.
int headerTitleRoom(const QHeaderView* header, int section);
// A label showing a link text that opens `url` in the default browser.
QLabel* makeLinkLabel(const QString& text, const QString& url, QWidget* parent);

// The base of every number-tool window: the Exit button, the title label and
// the prompts are made here the same way for all, and FormActivate runs
// once, when the window is first shown (returning from a box over it is no
// new activation).
class ToolDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;
    // What the window does when it is first shown; nothing unless it says so.
    virtual void FormActivate() {}

public slots:
    // "Exit": closes the window.
    void btnExitClick();

protected:
    // The Exit button at `geometry`, named "btnExit": yellow Arial 19 px bold
    // on red; it runs btnExitClick.
    QPushButton* addExitButton(const QRect& geometry, const QString& caption = QStringLiteral("Exit"));
    // The title at `geometry`, named "lblTitle": `text` in `font` and
    // `colour` with `effect`, centred unless `alignment` says otherwise.
    EffectLabel* addTitle(const QString& text, const QFont& font, const QColor& colour, EffectLabel::Effect effect,
                          const QRect& geometry, Qt::Alignment alignment = Qt::AlignCenter);
    // A prompt at `geometry` in `font`, in `colour` when one is given.
    QLabel* addPrompt(const QString& text, const QFont& font, const QRect& geometry, const QColor& colour = QColor());

    void showEvent(QShowEvent* event) override;

private:
    bool activated_ = false;
};

} // namespace tv::toolwindow
