// The board window driven as the student drives it: menus, clicks on the
// grid, the computer's replies and the end-of-game messages.
#include "recreations/pente/AboutU.h"
#include "recreations/pente/NewGameU.h"
#include "recreations/pente/unitPenteMain.h"
#include "tests/recreations/pente/PenteBoards.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/WidgetHelpers.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace tv::pente;
using tv::test::tiePattern;

namespace {

class PenteWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        frm = std::make_unique<TfrmMain>(nullptr, &newGame, &about);
        tv::test::showExposed(*frm);
    }

    // Runs File > New Game and answers the dialog after picking `style`.
    void newGameAnswered(bool ok, int style = 0)
    {
        QTimer::singleShot(0, &newGame, [this, ok, style] {
            dialogWasModal = QApplication::activeModalWidget() == &newGame;
            styleShown = newGame.cbStyle->currentIndex();
            newGame.cbStyle->setCurrentIndex(style);
            (ok ? newGame.btnOK : newGame.btnCancel)->click();
        });
        frm->NewGame1->trigger();
    }

    void clickCell(int col, int row)
    {
        const QPoint p = frm->dgboard->cellRect(col, row).center();
        QMouseEvent move(QEvent::MouseMove, QPointF(p), frm->dgboard->mapToGlobal(QPointF(p)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(frm->dgboard, &move);
        QTest::mouseClick(frm->dgboard, Qt::LeftButton, Qt::NoModifier, p);
    }

    int stonesOf(int stone) const
    {
        int n = 0;
        for (int x = 1; x <= 19; ++x)
            for (int y = 1; y <= 19; ++y)
                n += frm->game()->GetCell(x, y) == stone;
        return n;
    }

    QString weightCell(int x, int y) const { return frm->sgWeight->item(y - 1, x - 1)->text(); }
    QString turn() const { return frm->edtTurn->text(); }

    tv::test::ScriptedMessageBoxes boxes;
    TfrmNewGame newGame;
    TfrmAbout about;
    std::unique_ptr<TfrmMain> frm;
    bool dialogWasModal = false;
    int styleShown = -1;
};

} // namespace

TEST_F(PenteWindow, OpensWithoutAGameAndMenusWork)
{
    EXPECT_EQ(frm->windowTitle(), QStringLiteral("Pente"));
    EXPECT_EQ(frm->game(), nullptr);
    EXPECT_FALSE(frm->pnlGame->isVisible());
    EXPECT_FALSE(frm->pnlWeight->isVisible());
    EXPECT_FALSE(frm->splMain->isVisible());
    frm->dgboardClick(); // nothing to play on yet
    EXPECT_EQ(frm->game(), nullptr);

    frm->Map1->trigger();
    EXPECT_TRUE(frm->pnlWeight->isVisible());
    EXPECT_TRUE(frm->splMain->isVisible());

    bool aboutModal = false;
    QTimer::singleShot(0, &about, [&] {
        aboutModal = QApplication::activeModalWidget() == &about;
        about.btnOK->click();
    });
    frm->About1->trigger();
    EXPECT_TRUE(aboutModal);
    frm->Exit1->trigger();
    EXPECT_FALSE(frm->isVisible());
}

TEST_F(PenteWindow, NewGameAndTheFirstReply)
{
    newGameAnswered(true);
    EXPECT_TRUE(dialogWasModal);
    ASSERT_NE(frm->game(), nullptr);
    EXPECT_TRUE(frm->pnlGame->isVisible());
    EXPECT_EQ(turn(), QStringLiteral("1"));
    EXPECT_EQ(frm->dgboard->colCount(), 20);
    EXPECT_EQ(frm->sgWeight->verticalHeaderItem(18)->text(), QStringLiteral("19"));
    EXPECT_EQ(weightCell(19, 19), QStringLiteral(" 0.00"));

    clickCell(10, 10);
    EXPECT_EQ(frm->game()->GetCell(10, 10), Player1);
    EXPECT_EQ(frm->game()->GetCell(14, 10), Player2);
    EXPECT_EQ(frm->edtHighestCoord->text(), QStringLiteral("(14,10)"));
    EXPECT_EQ(frm->edtHighestValue->text(), QStringLiteral(" 5.90"));
    EXPECT_EQ(turn(), QStringLiteral("2"));
    // The weights grid shows the choice made before the reply was placed.
    EXPECT_EQ(weightCell(14, 10), QStringLiteral(" 5.90"));
    EXPECT_EQ(weightCell(10, 10), QStringLiteral("-1.00"));
    EXPECT_TRUE(boxes.infos.isEmpty());
}

TEST_F(PenteWindow, StyleIsStoredButRepliesWeighBothSides)
{
    newGame.cbStyle->setCurrentIndex(1);
    newGameAnswered(true, 1);
    EXPECT_EQ(styleShown, 0); // the first style is selected every time
    EXPECT_EQ(newGame.cbStyle->count(), 2);
    EXPECT_EQ(frm->gameStyle(), 1);
    newGameAnswered(true, 0);
    EXPECT_EQ(frm->gameStyle(), 0);
    clickCell(10, 10);
    EXPECT_EQ(frm->edtHighestValue->text(), QStringLiteral(" 5.90")); // not 3.90
}

TEST_F(PenteWindow, CancelledNewGameKeepsTheGame)
{
    newGameAnswered(false);
    EXPECT_FALSE(frm->pnlGame->isVisible());
    newGameAnswered(true);
    clickCell(10, 10);
    clickCell(3, 3);
    tpenteGame* before = frm->game();
    newGameAnswered(false, 1);
    EXPECT_EQ(frm->game(), before);
    EXPECT_EQ(frm->gameStyle(), 0);
    EXPECT_EQ(stonesOf(Player1) + stonesOf(Player2), 4);
    EXPECT_EQ(turn(), QStringLiteral("3"));
    newGameAnswered(true);
    EXPECT_EQ(stonesOf(Player1) + stonesOf(Player2), 0);
    EXPECT_EQ(turn(), QStringLiteral("1"));
}

TEST_F(PenteWindow, ClicksOnHeadersAndStonesAreIgnored)
{
    newGameAnswered(true);
    clickCell(10, 10);
    for (auto [c, r] : {std::pair{0, 0}, {0, 5}, {5, 0}, {10, 10}, {14, 10}})
        clickCell(c, r);
    // Past the last cell, still inside the grid.
    QTest::mouseClick(frm->dgboard, Qt::LeftButton, Qt::NoModifier, QPoint(366, 366));
    EXPECT_EQ(stonesOf(Player1), 1);
    EXPECT_EQ(stonesOf(Player2), 1);
    EXPECT_EQ(turn(), QStringLiteral("2"));
}

TEST_F(PenteWindow, WinsEndTheGameWithoutAdvancingTheTurn)
{
    newGameAnswered(true);
    for (int x = 8; x <= 11; ++x)
        frm->game()->PlaceStone(x, 3, Player1);
    clickCell(12, 3);
    EXPECT_EQ(boxes.infos, QStringList{QStringLiteral("You are victorious!!!")});
    EXPECT_EQ(boxes.infoTitles, QStringList{QStringLiteral("Message")});
    EXPECT_EQ(stonesOf(Player2), 0); // the computer does not move
    EXPECT_EQ(turn(), QStringLiteral("1"));
    clickCell(5, 5);
    EXPECT_EQ(frm->game()->GetCell(5, 5), 0);

    boxes.infos.clear();
    newGameAnswered(true);
    for (int x = 8; x <= 11; ++x)
        frm->game()->PlaceStone(x, 12, Player2);
    clickCell(2, 2);
    EXPECT_EQ(frm->edtHighestCoord->text(), QStringLiteral("(12,12)"));
    EXPECT_EQ(boxes.infos, QStringList{QStringLiteral("I am victorious!!!")});
    EXPECT_EQ(turn(), QStringLiteral("1"));
    clickCell(7, 12);
    EXPECT_EQ(frm->game()->GetCell(7, 12), 0);
    EXPECT_EQ(boxes.infos.size(), 1);
}

TEST_F(PenteWindow, FullBoardAfterTheStudentIsATie)
{
    // Alternating colours with no five anywhere, except that the computer
    // holds four of the diagonal ending at the one empty cell: the student's
    // block fills the board and there is no reply.
    newGameAnswered(true);
    tpenteGame* g = frm->game();
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y)
            if (x != 19 || y != 19)
                g->PlaceStone(x, y, x == y && x >= 15 ? Player2 : tiePattern(x, y));
    ASSERT_FALSE(g->IsGameOver());
    clickCell(19, 19);
    EXPECT_TRUE(g->IsBoardFull());
    EXPECT_EQ(boxes.infos, QStringList{QStringLiteral("Tie !!!")});
    EXPECT_EQ(boxes.infoTitles, QStringList{QStringLiteral("Message")});
    EXPECT_TRUE(frm->edtHighestCoord->text().isEmpty());
    EXPECT_EQ(turn(), QStringLiteral("1"));
}

TEST_F(PenteWindow, AFullGameCanBePlayed)
{
    newGameAnswered(true);
    int moves = 0;
    for (int i = 0; i < 361 && boxes.infos.isEmpty(); ++i) {
        const int x = 1 + (i * 5) % 19, y = 1 + (i * 3 / 19) % 19;
        if (frm->game()->GetCell(x, y) != 0)
            continue;
        clickCell(x, y);
        ASSERT_EQ(stonesOf(Player1), ++moves);
    }
    ASSERT_EQ(boxes.infos.size(), 1);
    EXPECT_TRUE(frm->game()->IsGameOver());
    EXPECT_EQ(turn(), QString::number(moves)); // all but the ending move advanced it
}

TEST_F(PenteWindow, BoardDrawsCellsHeadersAndStones)
{
    newGameAnswered(true);
    clickCell(10, 10);
    const QImage img = frm->dgboard->grab().toImage();
    auto at = [&](int col, int row, int dx, int dy) {
        const QRect r = frm->dgboard->cellRect(col, row);
        return img.pixelColor(r.left() + dx, r.top() + dy);
    };
    EXPECT_EQ(at(5, 5, 8, 8), QColor(0xEE, 0xE5, 0xAA));
    EXPECT_EQ(at(5, 5, 0, 0), QColor(Qt::black));
    EXPECT_EQ(at(5, 5, 16, 16), QColor(Qt::black));
    const QColor red = at(10, 10, 8, 8), blue = at(14, 10, 8, 8);
    EXPECT_TRUE(red.red() > 150 && red.blue() < 100) << red.name().toStdString();
    EXPECT_TRUE(blue.blue() > 150 && blue.red() < 100) << blue.name().toStdString();
    auto hasInk = [&](int col, int row) {
        const QRect r = frm->dgboard->cellRect(col, row).adjusted(1, 1, -1, -1);
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (img.pixelColor(x, y).lightness() < 100)
                    return true;
        return false;
    };
    EXPECT_TRUE(hasInk(7, 0)); // header numbers
    EXPECT_TRUE(hasInk(0, 19));
    EXPECT_FALSE(hasInk(5, 5));
}

TEST(PenteDialogs, CaptionsAndAnswers)
{
    TfrmNewGame newGame;
    EXPECT_EQ(newGame.windowTitle(), QStringLiteral("New Game"));
    EXPECT_EQ(newGame.size(), QSize(207, 125));
    EXPECT_TRUE(newGame.btnOK->isDefault());
    QTimer::singleShot(0, &newGame, [&] { newGame.btnCancel->click(); });
    EXPECT_FALSE(newGame.Execute());

    TfrmAbout about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Tallyvale - Pente"));
    EXPECT_EQ(about.size(), QSize(394, 136));
}
