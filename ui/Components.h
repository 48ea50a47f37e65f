#pragma once
// The shared widget kinds the windows are built from: catalogue labels with
// hover colours, coloured buttons, labels with lowered/raised/shadow text,
// and the masked edit box.
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tv {

// A clickable caption: its colour while the pointer is away and while it is
// over it; hand pointer. Emits clicked() on a left-button release inside it.
class NagLabel : public QLabel {
    Q_OBJECT
public:
    explicit NagLabel(const QString& text, QWidget* parent = nullptr);
    void setColors(const QColor& normal, const QColor& hover);
    bool isHovered() const { return hovered_; }

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void applyColor();
    QColor normal_{0x00, 0x00, 0x80};
    QColor hover_{0xFF, 0x00, 0x00};
    bool hovered_ = false;
};

// A catalogue caption: navy, underlined, MS Sans Serif 8 pt, red while hovered.
NagLabel* makeCatalogueLabel(const QString& caption, QWidget* parent);

// A push button with its own face and caption colours.
class NagButton : public QPushButton {
    Q_OBJECT
public:
    NagButton(const QString& text, const QColor& face, const QColor& caption,
              QWidget* parent = nullptr);
    void setColors(const QColor& face, const QColor& caption);
    QColor faceColor() const { return face_; }
    QColor captionColor() const { return caption_; }

private:
    QColor face_, caption_;
};

// A label that paints its text with a lowered, raised or drop-shadow effect,
// aligned within its geometry like any label.
class EffectLabel : public QLabel {
    Q_OBJECT
public:
    enum class Effect { None, Lowered, Raised, Shadow };
    // Font and colour come from the label's own font and palette.
    EffectLabel(const QString& text, Effect effect, QWidget* parent = nullptr);
    // Sized to its text.
    EffectLabel(const QString& text, const QFont& font, const QColor& color, Effect effect,
                QWidget* parent = nullptr);
    Effect effect() const { return effect_; }
    QColor textColour() const { return palette().color(QPalette::WindowText); }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Effect effect_;
};

// An edit box with an input mask whose value is only what was typed into the
// mask positions (blanks and literals are not part of it).
class MaskEdit : public QLineEdit {
    Q_OBJECT
public:
    // `mask` in Qt's input-mask notation, e.g. "0000000;_" for seven optional digits.
    MaskEdit(const QString& mask, QWidget* parent = nullptr);
    QString value() const;
};

// Moves a window to the centre of its screen.
void centreOnScreen(QWidget* window);

// A font by family with a pixel height (sizes given in pixels at 96 dpi).
QFont pixelFont(const QString& family, int pixelSize, bool bold = false);
// A font by family with a point size.
QFont pointFont(const QString& family, int pointSize, bool bold = false);

} // namespace tv
