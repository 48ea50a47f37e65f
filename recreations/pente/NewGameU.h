#pragma once
// The New Game dialog of the board window: the game style and OK / Cancel.
// Created once at start-up and reused by every board window.
#include <cstdint>

#include <QDialog>
#include <QPointer>

class QComboBox;
class QLabel;
class QPushButton;

namespace tv::pente {

class TfrmNewGame : public QDialog {
    Q_OBJECT
public:
    explicit TfrmNewGame(QWidget* parent = nullptr);

    // Shows the dialog modally with the first style selected; true after OK.
    bool Execute();

    // The board an accepted dialog asks for; the dialog offers no other size.
    std::int32_t BoardSize = 19;
    std::int32_t LineSize = 5;

    QLabel* lblStyle;
    QComboBox* cbStyle;
    QPushButton* btnOK;
    QPushButton* btnCancel;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void btnOKClick();
    void btnCancelClick();
};

// The one instance made at start-up (owned by the main window).
extern QPointer<TfrmNewGame> frmNewGame;

} // namespace tv::pente
