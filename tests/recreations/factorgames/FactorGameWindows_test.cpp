// Magic Factors, its Maximum Factors window and the Number Property Game
// driven through their controls.
#include "recreations/drills/DrillWidgets.h"
#include "recreations/factorgames/unitLevels.h"
#include "recreations/factorgames/unitNumberPropertyGame.h"
#include "recreations/factorgames/unitRecreationMagicFactors.h"
#include "tests/recreations/drills/ScriptedRandom.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/WidgetHelpers.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <memory>
#include <ostream>

void PrintTo(const QString& text, std::ostream* out)
{
    *out << text.toStdString();
}

using namespace tv::factors;
using tv::test::click;
using tv::test::ScriptedRandom;

namespace {

void snapshot(QWidget& w, const char* name)
{
    const QString dir = qEnvironmentVariable("TV_SNAPSHOT_DIR");
    if (!dir.isEmpty())
        w.grab().save(QDir(dir).filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
}

struct MagicFactorsWindow : ::testing::Test {
    tv::test::ScriptedMessageBoxes boxes;
    ScriptedRandom random;
    TForm2 levels;
    std::unique_ptr<TfrmRecreationMagicFactors> w;

    void SetUp() override
    {
        w = std::make_unique<TfrmRecreationMagicFactors>(nullptr, &levels, random.source());
        tv::test::showAndWait(*w);
    }
    void fill(const Grid& g)
    {
        for (std::size_t k = 0; k < 9; ++k)
            w->Edit[k]->setText(QString::number(g[k / 3][k % 3]));
    }
};

TEST_F(MagicFactorsWindow, BeforeALevelEverythingIsZeroAndCheckAsksForOne)
{
    EXPECT_TRUE(w->windowTitle().startsWith(QStringLiteral("Tallyvale     Magic Factors Puzzle  (Beta Release)  ")));
    EXPECT_EQ(w->lblComment->text(), QStringLiteral("     Welcome"));
    for (QLineEdit* e : w->Edit)
        EXPECT_EQ(e->text(), QStringLiteral("0"));
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(w->lblRowProduct[i]->text(), QStringLiteral("0"));
        EXPECT_EQ(w->lblColProduct[i]->text(), QStringLiteral("0"));
    }
    click(w->btnCheck);
    EXPECT_EQ(w->lblComment->text(), QStringLiteral("Pick a level of          play first!"));
}

TEST_F(MagicFactorsWindow, ALevelDealsAPuzzleThatTheHiddenFactorsSolve)
{
    // "Average": primes 2, 3, 5, 7; hidden 2 3 5 / 7 2 3 / 5 5 2.
    random.push({0, 1, 2, 3, 0, 1, 2, 2, 0});
    w->Edit[4]->setText(QStringLiteral("9"));
    tv::test::clickLeftEnd(w->rbLevel[2]);
    EXPECT_EQ(random.bounds->size(), 9u);
    EXPECT_EQ(w->lblRowProduct[1]->text(), QStringLiteral("42"));
    EXPECT_EQ(w->lblColProduct[0]->text(), QStringLiteral("70"));
    EXPECT_EQ(w->Edit[4]->text(), QStringLiteral("0"));
    EXPECT_TRUE(w->lblComment->text().isEmpty());
    click(w->btnCheck);
    EXPECT_EQ(w->lblComment->text(), QStringLiteral("     Keep Trying!       You can do         better than                this!"));
    fill(Grid{{{1, 6, 5}, {14, 1, 3}, {5, 5, 2}}});
    snapshot(*w, "MagicFactors-mid");
    click(w->btnCheck);
    EXPECT_EQ(w->lblComment->text(), QStringLiteral("     Well Done!        You are to be     congratulated!"));
    snapshot(*w, "MagicFactors-end");
}

TEST_F(MagicFactorsWindow, EntryThatIsNotAWholeNumberShowsTheConversionMessage)
{
    tv::test::clickLeftEnd(w->rbLevel[0]);
    w->Edit[8]->setText(QStringLiteral("two"));
    click(w->btnCheck);
    EXPECT_EQ(boxes.errors, QStringList{QStringLiteral("'two' is not a valid integer value")});
}

TEST_F(MagicFactorsWindow, EnterMovesToTheNextBox)
{
    QApplication::setActiveWindow(w.get());
    w->Edit[0]->setFocus();
    QTest::keyClick(w->Edit[0], Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w->Edit[1]);
    QTest::keyClick(w->Edit[1], Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), w->Edit[2]);
    QTest::keyClick(w->Edit[2], Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w->Edit[3]);
}

TEST_F(MagicFactorsWindow, LevelsShowsMaximumFactorsModallyAndTheCommentWelcomesBack)
{
    click(w->btnCheck);
    bool wasModal = false;
    QTimer::singleShot(0, &levels, [&] {
        wasModal = QApplication::activeModalWidget() == &levels;
        snapshot(levels, "MaximumFactors");
        click(levels.btnDone);
    });
    w->Levels1->trigger();
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(levels.isVisible());
    EXPECT_EQ(levels.windowTitle(), QStringLiteral("Maximum Factors"));
    EXPECT_TRUE(levels.Label1->text().endsWith(QStringLiteral("Very Hard ..........17\nHighly Difficult ...23")));
    EXPECT_EQ(w->lblComment->text(), QStringLiteral("     Welcome"));

    click(w->btnCheck);
    w->About1->trigger();
    EXPECT_EQ(boxes.infoTitles, QStringList{QStringLiteral("Magic Factors Puzzle")});
    EXPECT_EQ(w->lblComment->text(), QStringLiteral("     Welcome"));
}

TEST(MaximumFactors, StartUpInstanceIsUsedWhenNoneIsGiven)
{
    QWidget mainWindow;
    Form2 = new TForm2(&mainWindow);
    TfrmRecreationMagicFactors w;
    QTimer::singleShot(0, Form2.data(), [] { Form2->btnDone->click(); });
    bool shown = false;
    QObject::connect(Form2.data(), &QDialog::finished, [&] { shown = true; });
    w.Levels1->trigger();
    EXPECT_TRUE(shown);
}

// ---------------------------------------------------------------------------

struct NumberPropertyWindow : ::testing::Test {
    ScriptedRandom random;
    int reseeds = 0;
    std::unique_ptr<TfrmNumberPropertyGame> w;

    void open()
    {
        w = std::make_unique<TfrmNumberPropertyGame>(nullptr, random.source(), [this] { ++reseeds; });
        w->Timer1->stop();
        tv::test::showActive(*w);
    }
    void choose(QRadioButton* parity, QRadioButton* kind)
    {
        tv::test::clickLeftEnd(parity);
        tv::test::clickLeftEnd(kind);
    }
};

TEST_F(NumberPropertyWindow, ActivationDealsAndChecksJudgeTheDigitsShown)
{
    random.push({0, 2, 0, 9, 0, 0, 0, 1});
    open();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Tallyvale - Number Property Game"));
    EXPECT_EQ(w->Timer1->interval(), 1000);
    EXPECT_EQ(reseeds, 1);
    EXPECT_EQ(w->lblTens->text() + w->lblOnes->text(), QStringLiteral("02"));
    choose(w->rbEven, w->rbPrime);
    click(w->btnCheck);
    EXPECT_TRUE(w->imgRight->isVisible());
    EXPECT_EQ(w->lblOnes->text(), QStringLiteral("9"));
    tv::test::clickLeftEnd(w->rbOdd); // 9 odd, "Prime" still chosen
    click(w->btnCheck);
    EXPECT_TRUE(w->imgWrong->isVisible());
    EXPECT_FALSE(w->imgRight->isVisible());
    choose(w->rbEven, w->rbComposite); // 0
    click(w->btnCheck);
    choose(w->rbOdd, w->rbComposite); // 1
    click(w->btnCheck);
    EXPECT_EQ(w->lblNumCorrect->text(), QStringLiteral("3"));
    EXPECT_EQ(w->lblNumWrong->text(), QStringLiteral("1"));
}

TEST_F(NumberPropertyWindow, TenthRightAnswerThenOneMoreCheckEndsTheGameAndRestartResumes)
{
    for (int i = 0; i < 40; ++i)
        random.push({4, 0}); // always 40
    open();
    choose(w->rbEven, w->rbComposite);
    for (int i = 0; i < 10; ++i)
        click(w->btnCheck);
    w->Timer1Timer();
    w->Timer1Timer();
    EXPECT_EQ(w->lblScore->text(), QString::number(110 * 10 - 5 * 2));
    EXPECT_EQ(w->meter->value(), 1090);
    snapshot(*w, "NumberProperty-mid");
    EXPECT_TRUE(w->btnCheck->isVisible());
    tv::test::clickLeftEnd(w->rbOdd);
    click(w->btnCheck);
    EXPECT_FALSE(w->btnCheck->isVisible());
    EXPECT_FALSE(w->lblScore->isVisible() || w->lblScoreCaption->isVisible());
    EXPECT_TRUE(w->lblFinalScore->isVisible());
    EXPECT_EQ(w->lblFinalScoreValue->text(), QStringLiteral("1090"));
    EXPECT_EQ(w->lblNumWrong->text(), QStringLiteral("1"));
    w->Timer1Timer();
    EXPECT_EQ(w->game().ticks(), 2);
    snapshot(*w, "NumberProperty-end");

    click(w->btnRestart);
    EXPECT_EQ(reseeds, 2);
    EXPECT_TRUE(w->btnCheck->isVisible() && w->lblScore->isVisible());
    EXPECT_FALSE(w->lblFinalScore->isVisible() || w->lblFinalScoreValue->isVisible());
    EXPECT_EQ(w->lblNumCorrect->text(), QStringLiteral("0"));
    EXPECT_EQ(w->lblNumWrong->text(), QStringLiteral("0"));
    EXPECT_FALSE(w->imgWrong->isVisible());
    click(w->btnExit);
    EXPECT_FALSE(w->isVisible());
}

} // namespace
