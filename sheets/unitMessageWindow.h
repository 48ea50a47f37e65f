#pragma once
// The sheets' message window: a small non-blocking window with its own
// document, opened by a sheet (TfrmTestMaster::DisplayTestMessageWindow).
// Also home of the title label with a shadowed or lowered caption that both
// this window and the sheet base window use.
#include "sheets/RichDocumentStyles.h"

#include <QDialog>
#include <QLabel>

class QPushButton;

namespace tv {

class RichDocument;

// A label whose caption is drawn twice: a shadow below and right of it, or a
// light edge that makes it look pressed into the window.
class SheetTitleLabel : public QLabel {
    Q_OBJECT
public:
    enum class Effect { None, Shadow, Lowered };
    explicit SheetTitleLabel(const QString& text, Effect effect, QWidget* parent = nullptr);
    Effect effect() const { return effect_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Effect effect_;
};

class TfrmMessageWindow : public QDialog {
    Q_OBJECT
public:
    explicit TfrmMessageWindow(QWidget* owner);

    // The six text styles and two paragraph styles of the message document.
    static StyleTable messageStyles();

    SheetTitleLabel* lblTitle = nullptr;
    QPushButton* btnOK = nullptr;
    RichDocument* RVMessage = nullptr;

signals:
    // The window became the active one (the sheet counts the return to it as
    // a new activation).
    void activated();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void btnOKClick();
    bool centred_ = false;
};

} // namespace tv
