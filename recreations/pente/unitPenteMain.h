#pragma once
// The Pente board window: the student (red) plays five in a row against the
// computer (blue) on a 19x19 board. The window only turns clicks into stones
// and shows what the engine decides.
#include "recreations/pente/PenteU.h"

#include <array>
#include <functional>
#include <memory>

#include <QDialog>
#include <QFrame>
#include <QPixmap>
#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QMenuBar;
class QTableWidget;

namespace tv::pente {

class TfrmAbout;
class TfrmNewGame;

// A grid of fixed-size cells whose contents the owner paints, with one
// header row and column. Reports pointer moves and clicks.
class TPenteDrawGrid : public QWidget {
    Q_OBJECT
public:
    using DrawCell = std::function<void(QPainter& painter, int col, int row, const QRect& rect)>;

    explicit TPenteDrawGrid(QWidget* parent = nullptr);

    void setCellCount(int cols, int rows);
    int colCount() const { return cols_; }
    int rowCount() const { return rows_; }
    // The rectangle of a cell, grid line excluded.
    QRect cellRect(int col, int row) const;
    // The cell under a point, or (-1, -1) outside every cell.
    void MouseToCell(int x, int y, int& col, int& row) const;

    DrawCell onDrawCell;

    static constexpr int CellSize = 17;
    static constexpr int LineWidth = 1;

signals:
    void mouseMoved(int x, int y);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int cols_ = 0;
    int rows_ = 0;
    bool pressed_ = false;
};

// A thin bar that resizes the panel on its left when dragged.
class TPenteSplitter : public QFrame {
    Q_OBJECT
public:
    TPenteSplitter(QWidget* resized, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QWidget* resized_;
    int pressX_ = 0;
    int startWidth_ = 0;
};

class TfrmMain : public QDialog {
    Q_OBJECT
public:
    // The New Game and About dialogs default to the ones made at start-up.
    explicit TfrmMain(QWidget* parent = nullptr, TfrmNewGame* newGame = nullptr,
                      TfrmAbout* about = nullptr);
    ~TfrmMain() override;

    // The current game; nullptr before the first New Game.
    tpenteGame* game() const { return Game.get(); }
    // 0 for "Defensive", 1 for the other style. Stored, not consulted: every
    // reply weighs both players' lines.
    int gameStyle() const { return GameStyle; }

    QMenuBar* menuMain;
    QAction* NewGame1;
    QAction* Exit1;
    QAction* Map1;
    QAction* About1;

    QFrame* pnlWeight;
    QTableWidget* sgWeight;
    QLineEdit* edtHighestCoord;
    QLineEdit* edtHighestValue;
    QLabel* lblHighest;
    TPenteSplitter* splMain;

    QFrame* pnlGame;
    QFrame* pnlTurn;
    QLabel* lblTurn;
    QLineEdit* edtTurn;
    TPenteDrawGrid* dgboard;

    // image 0 a tan square (never drawn), 1 the red stone, 2 the blue stone.
    std::array<QPixmap, 3> imPieces;

public slots:
    void NewGame1Click();
    void Exit1Click();
    void Map1Click();
    void About1Click();
    void dgboardMouseMove(int x, int y);
    void dgboardClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void dgboardDrawCell(QPainter& painter, int col, int row, const QRect& rect);
    void fillWeights();
    void showTurn();
    void showMessage(const QString& text);
    TfrmNewGame* newGameDialog();
    TfrmAbout* aboutDialog();

    std::unique_ptr<tpenteGame> Game;
    QPixmap buffer_;
    int mouseX_ = -1;
    int mouseY_ = -1;
    int GameStyle = 0;
    bool centred_ = false;
    TfrmNewGame* newGame_;
    TfrmAbout* about_;
};

} // namespace tv::pente
