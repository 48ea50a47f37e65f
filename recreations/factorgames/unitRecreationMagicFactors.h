#pragma once
// Magic Factors: find nine factors whose row and column products match the
// ones shown. The menu opens the Maximum Factors window and an about box.
#include "recreations/drills/DrillGames.h"
#include "recreations/factorgames/MagicFactors.h"

#include <array>

#include <QDialog>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;

namespace tv::factors {

class TForm2;

class TfrmRecreationMagicFactors : public QDialog {
    Q_OBJECT
public:
    // `levels` defaults to the Maximum Factors window made at start-up.
    explicit TfrmRecreationMagicFactors(QWidget* parent = nullptr, TForm2* levels = nullptr,
                                        drills::RandomBelow random = {});

    const MagicFactorsPuzzle& puzzle() const { return puzzle_; }

    QMenuBar* MainMenu1;
    QAction* Levels1;
    QAction* About1;
    QLabel* lblTitle;
    QLabel* imgPicture;
    QLabel* lblInstructions;
    QLabel* lblVerse;
    QWidget* pnlPuzzle;
    std::array<QLineEdit*, 9> Edit;        // row by row
    std::array<QLabel*, 3> lblRowProduct;  // right of each row
    std::array<QLabel*, 3> lblColProduct;  // under each column
    QLabel* lblHint;
    QGroupBox* grpLevel;
    std::array<QRadioButton*, 6> rbLevel;  // in FactorLevels order
    QPushButton* btnCheck;
    QGroupBox* grpResults;
    QLabel* lblComment;

public slots:
    void levelClick(int index);
    void btnCheckClick();
    void Levels1Click();
    void About1Click();
    void FormActivate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showProducts();
    TForm2* levelsWindow();

    MagicFactorsPuzzle puzzle_;
    drills::RandomBelow random_;
    TForm2* levels_;
    bool shown_ = false;
};

// The about box's notice.
QString magicFactorsNotice();

} // namespace tv::factors
