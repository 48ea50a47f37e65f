#pragma once
// The sheets' message window: a small non-blocking window with its own
// document, opened by a sheet (TfrmTestMaster::DisplayTestMessageWindow).
#include "sheets/RichDocumentStyles.h"

#include "ui/Components.h"

#include <QDialog>
#include <QLabel>

class QPushButton;

namespace tv {

class RichDocument;

class TfrmMessageWindow : public QDialog {
    Q_OBJECT
public:
    explicit TfrmMessageWindow(QWidget* owner);

    // The six text styles and two paragraph styles of the message document.
    static StyleTable messageStyles();

    EffectLabel* lblTitle = nullptr;
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
