// The four drill windows driven as a student drives them: typing, clicking,
// timer ticks (called by hand), the ends of the games and their texts.
#include "recreations/drills/DrillWidgets.h"
#include "recreations/drills/unitAdditionGame.h"
#include "recreations/drills/unitDivisorGame.h"
#include "recreations/drills/unitRecreationsSeriesGame.h"
#include "recreations/drills/unitTimesTableGame.h"
#include "tests/recreations/drills/ScriptedRandom.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/WidgetHelpers.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>
#include <ostream>

// Failure messages show the text instead of its bytes.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << text.toStdString();
}

using namespace tv::drills;
using tv::test::click;
using tv::test::ScriptedRandom;

namespace {

// With TV_SNAPSHOT_DIR set, keeps a picture of the window as it stands.
void snapshot(QWidget& w, const char* name)
{
    const QString dir = qEnvironmentVariable("TV_SNAPSHOT_DIR");
    if (!dir.isEmpty())
        w.grab().save(QDir(dir).filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
}

template <class Window>
std::unique_ptr<Window> opened(RandomBelow random = {})
{
    auto w = std::make_unique<Window>(nullptr, std::move(random));
    w->Timer1->stop(); // the tests tick by hand
    tv::test::showAndWait(*w);
    return w;
}

void answer(QLineEdit* edit, QPushButton* button, const QString& text)
{
    edit->clear();
    tv::test::typeInto(edit, text);
    click(button);
}

// ---------------------------------------------------------------------------

template <class Window>
void playsTwentyAnswers(int (*combine)(int, int), const char* name)
{
    tv::test::ScriptedMessageBoxes boxes;
    auto w = opened<Window>();
    EXPECT_EQ(w->Timer1->interval(), 2000);
    EXPECT_TRUE(w->Edit1->text().isEmpty());
    EXPECT_EQ(w->meter->value(), 60);
    EXPECT_EQ(w->meter->maximum(), 1210);
    int right = 0;
    for (int i = 0; i < 20; ++i) {
        const int a = w->pnlNumber1->text().toInt();
        const int b = w->pnlNumber2->text().toInt();
        const bool giveRight = i % 4 != 3;
        answer(w->Edit1, w->btnCheck, QString::number(combine(a, b) + (giveRight ? 0 : 1)));
        right += giveRight;
        EXPECT_EQ(w->imgRight->isVisible(), giveRight);
        EXPECT_EQ(w->imgWrong->isVisible(), !giveRight);
        if (i == 9) {
            w->Timer1Timer();
            EXPECT_FALSE(w->imgRight->isVisible() || w->imgWrong->isVisible());
            snapshot(*w, (std::string(name) + "-mid").c_str());
        }
        if (i < 19) {
            EXPECT_EQ(w->lblNumCorrect->text(), QString::number(right));
            EXPECT_EQ(w->lblNumWrong->text(), QString::number(i + 1 - right));
            EXPECT_TRUE(w->Edit1->text().isEmpty());
        }
    }
    // The final score is the timer's score as of its last tick.
    EXPECT_EQ(w->btnCheck->text(), QStringLiteral("Exit"));
    EXPECT_TRUE(w->lblFinalScore->isVisible());
    EXPECT_EQ(w->lblFinalScore->text(), QStringLiteral("Final Score"));
    EXPECT_EQ(w->lblFinalScoreValue->text(), QString::number(100 * 8 - 15 * 1 - 60 * 2));
    for (QLabel* l : {w->lblCorrect, w->lblNumCorrect, w->lblWrong, w->lblNumWrong})
        EXPECT_FALSE(l->isVisible());
    snapshot(*w, (std::string(name) + "-end").c_str());
    // The clock has stopped, but a tick still puts the timer's score (with
    // the final counts) on the meter; the final score shown stays.
    w->Timer1Timer();
    EXPECT_EQ(w->game().ticks(), 1);
    EXPECT_EQ(w->meter->value(), 100 * 15 - 15 * 1 - 60 * 5);
    EXPECT_EQ(w->lblFinalScoreValue->text(), QString::number(100 * 8 - 15 * 1 - 60 * 2));
    click(w->btnCheck);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST(TimesTableWindow, PlaysTwentyAnswersToTheFinalScore)
{
    playsTwentyAnswers<TfrmTimesTableGame>([](int a, int b) { return a * b; }, "TimesTable");
}

TEST(AdditionWindow, PlaysTwentyAnswersToTheFinalScore)
{
    playsTwentyAnswers<TfrmAdditionGame>([](int a, int b) { return a + b; }, "Addition");
}

TEST(TimesTableWindow, CaptionsAndPanels)
{
    ScriptedRandom random;
    random.push({0, 11});
    auto w = opened<TfrmTimesTableGame>(random.source());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("frmTimesTableGame"));
    EXPECT_EQ(w->lblTitle->text(), QStringLiteral("Times Table\n    Game"));
    EXPECT_EQ(w->pnlSign->text(), QStringLiteral("X"));
    EXPECT_EQ(w->pnlEquals->text(), QStringLiteral("="));
    EXPECT_EQ(w->pnlNumber1->text(), QStringLiteral("0"));
    EXPECT_EQ(w->pnlNumber2->text(), QStringLiteral("11"));
    EXPECT_EQ(w->palette().color(QPalette::Window), QColor(0xFE, 0xE1, 0xC7));
    auto a = opened<TfrmAdditionGame>();
    EXPECT_EQ(a->windowTitle(), QStringLiteral("frmAdditionGame"));
    EXPECT_EQ(a->pnlSign->text(), QStringLiteral("+"));
}

TEST(TimesTableWindow, EmptyAnswerIsTakenAsZero)
{
    ScriptedRandom random;
    random.push({0, 7, 3, 3});
    auto w = opened<TfrmTimesTableGame>(random.source());
    click(w->btnCheck);
    EXPECT_EQ(w->lblNumCorrect->text(), QStringLiteral("1"));
    EXPECT_TRUE(w->imgRight->isVisible());
}

TEST(TimesTableWindow, AnswerThatIsNotAWholeNumberShowsTheConversionMessageAndCountsNothing)
{
    tv::test::ScriptedMessageBoxes boxes;
    ScriptedRandom random;
    random.push({2, 3});
    auto w = opened<TfrmTimesTableGame>(random.source());
    answer(w->Edit1, w->btnCheck, QStringLiteral("6.0"));
    EXPECT_EQ(boxes.errors, QStringList{QStringLiteral("'6.0' is not a valid integer value")});
    EXPECT_EQ(w->game().right() + w->game().wrong(), 0);
    EXPECT_EQ(w->pnlNumber1->text(), QStringLiteral("2"));
    EXPECT_TRUE(w->isVisible());
}

TEST(TimesTableWindow, LeavingTheAnswerBoxGoesToCheck)
{
    auto w = opened<TfrmTimesTableGame>();
    QApplication::setActiveWindow(w.get());
    w->Edit1->setFocus();
    QTest::keyClick(w->Edit1, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w->btnCheck);
}

TEST(TimesTableWindow, TicksMoveTheMeterAndASecondOpeningStartsAfresh)
{
    ScriptedRandom random;
    random.push({2, 3, 4, 4, 1, 1});
    auto w = opened<TfrmTimesTableGame>(random.source());
    answer(w->Edit1, w->btnCheck, QStringLiteral("6"));
    answer(w->Edit1, w->btnCheck, QStringLiteral("16"));
    EXPECT_EQ(w->meter->value(), 120);
    w->Timer1Timer();
    EXPECT_EQ(w->meter->value(), 200 - 15);
    EXPECT_EQ(w->lblScore->text(), QStringLiteral("185"));
    EXPECT_FALSE(w->lblScore->isVisible());
    auto again = opened<TfrmTimesTableGame>();
    EXPECT_EQ(again->game().ticks(), 0);
    EXPECT_EQ(again->meter->value(), 60);
}

// ---------------------------------------------------------------------------

TEST(SeriesWindow, FirstClickDealsThenElevenClicksEndTheGame)
{
    auto w = opened<TfrmRecreationsSeriesGame>();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("frmRecreationsSeriesGame"));
    EXPECT_EQ(w->Timer1->interval(), 4000);
    EXPECT_EQ(w->btnCheck->text(), QStringLiteral("Start"));
    EXPECT_EQ(w->meter->value(), 10);
    click(w->btnCheck);
    EXPECT_EQ(w->btnCheck->text(), QStringLiteral("Check"));
    EXPECT_EQ(w->Edit1->text(), QStringLiteral("0"));
    EXPECT_EQ(w->meter->value(), 0); // 17*0 - 0, set by the dealing click too
    EXPECT_EQ(w->lblNumCorrect->text(), QStringLiteral("0"));
    EXPECT_EQ(w->lblNumWrong->text(), QStringLiteral("0"));
    for (int i = 0; i < 10; ++i) {
        const auto h = static_cast<std::size_t>(w->game().hidden());
        EXPECT_TRUE(w->pnlB[h]->text().isEmpty());
        EXPECT_EQ(w->pnlB[5]->text(), QString::number(w->game().bottom()[5]));
        answer(w->Edit1, w->btnCheck, QString::number(w->game().answer() + (i < 4 ? 0 : 1)));
        if (i == 5)
            snapshot(*w, "Series-mid");
    }
    EXPECT_EQ(w->lblNumCorrect->text(), QStringLiteral("4"));
    EXPECT_EQ(w->lblNumWrong->text(), QStringLiteral("6"));
    EXPECT_EQ(w->btnCheck->text(), QStringLiteral("Exit"));
    EXPECT_EQ(w->meter->value(), 17 * 4 - 6);
    EXPECT_EQ(w->lblFinalScoreValue->text(), QStringLiteral("62"));
    EXPECT_TRUE(w->lblFinalScore->isVisible());
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_FALSE(w->pnlA[i]->isVisible() || w->pnlB[i]->isVisible());
    snapshot(*w, "Series-end");
    click(w->btnCheck);
    EXPECT_FALSE(w->isVisible());
}

TEST(SeriesWindow, EnteringTheAnswerBoxEmptiesItAndTicksSinkTheMeter)
{
    auto w = opened<TfrmRecreationsSeriesGame>();
    QApplication::setActiveWindow(w.get());
    w->Edit1->setText(QStringLiteral("12"));
    QTest::mouseClick(w->Edit1, Qt::LeftButton);
    EXPECT_TRUE(w->Edit1->text().isEmpty());
    w->Timer1Timer(); // the clock runs before "Start" too
    EXPECT_EQ(w->meter->value(), 9);
    click(w->btnCheck);
    EXPECT_EQ(w->meter->value(), 0);
    click(w->btnCheck); // "0" is never the answer: 17*0 - 1 is ignored
    EXPECT_TRUE(w->imgWrong->isVisible());
    EXPECT_EQ(w->meter->value(), 0);
    w->Timer1Timer();
    EXPECT_FALSE(w->imgWrong->isVisible());
    answer(w->Edit1, w->btnCheck, QString::number(w->game().answer()));
    EXPECT_TRUE(w->imgRight->isVisible());
    EXPECT_EQ(w->meter->value(), 17 * 1 - 1);
    w->Timer1Timer();
    EXPECT_FALSE(w->imgRight->isVisible());
    EXPECT_EQ(w->meter->value(), 17 * 1 - 1 - 1);
}

// ---------------------------------------------------------------------------

struct DivisorWindow : ::testing::Test {
    tv::test::ScriptedMessageBoxes boxes;
    ScriptedRandom random;
    std::unique_ptr<TfrmDivisorGame> w;

    void open(std::initializer_list<std::uint32_t> numbers)
    {
        random.push(numbers);
        w = opened<TfrmDivisorGame>(random.source());
    }
    QCheckBox* box(int n)
    {
        for (std::size_t i = 0; i < DivisorBoxes.size(); ++i)
            if (DivisorBoxes[i] == n)
                return w->cbDivisor[i];
        return nullptr;
    }
};

TEST_F(DivisorWindow, TextsAndTheNumberShown)
{
    open({105});
    EXPECT_TRUE(w->windowTitle().startsWith(QStringLiteral("Tallyvale Division Rule Game  ")));
    EXPECT_EQ(w->grpDivisors->title(), QStringLiteral("Divisiors"));
    EXPECT_EQ(w->lblTitle->text(), QStringLiteral("Divisibility Rule Game"));
    EXPECT_EQ(w->pnlNumber->text(), QStringLiteral("105"));
    EXPECT_EQ(w->Timer1->interval(), 3000);
    EXPECT_EQ(w->meter->maximum(), 100);
    EXPECT_EQ(w->meter->value(), 0);
}

TEST_F(DivisorWindow, CheckWithNothingTickedWarnsAndCountsNothing)
{
    open({30});
    click(w->btnCheck);
    EXPECT_EQ(boxes.infos, QStringList{QStringLiteral("You must select at least one choice.")});
    EXPECT_EQ(w->lblNumCorrect->text(), QStringLiteral("0"));
    EXPECT_EQ(w->lblNumWrong->text(), QStringLiteral("0"));
    EXPECT_FALSE(w->imgRight->isVisible() || w->imgWrong->isVisible());
}

TEST_F(DivisorWindow, PrimeAndTheDivisorBoxesRuleEachOtherOut)
{
    open({30});
    tv::test::clickLeftEnd(box(2));
    tv::test::clickLeftEnd(box(3));
    EXPECT_TRUE(box(2)->isChecked() && box(3)->isChecked());
    tv::test::clickLeftEnd(w->cbPrime);
    EXPECT_TRUE(w->cbPrime->isChecked());
    EXPECT_FALSE(box(2)->isChecked() || box(3)->isChecked());
    tv::test::clickLeftEnd(box(11));
    EXPECT_FALSE(w->cbPrime->isChecked());
    EXPECT_TRUE(box(11)->isChecked());
}

TEST_F(DivisorWindow, TenAnswersThenNextTurnsCheckIntoExit)
{
    open({30, 97, 1});
    tv::test::clickLeftEnd(box(2));
    tv::test::clickLeftEnd(box(3));
    click(w->btnCheck); // 5 is missing
    EXPECT_TRUE(w->imgWrong->isVisible());
    tv::test::clickLeftEnd(box(5));
    click(w->btnCheck);
    EXPECT_TRUE(w->imgRight->isVisible());
    EXPECT_FALSE(w->imgWrong->isVisible());
    EXPECT_EQ(w->lblNumCorrect->text(), QStringLiteral("1"));
    EXPECT_EQ(w->lblNumWrong->text(), QStringLiteral("1"));
    EXPECT_EQ(w->meter->value(), 10 - 3);
    click(w->btnNext);
    EXPECT_EQ(w->pnlNumber->text(), QStringLiteral("97"));
    EXPECT_FALSE(box(2)->isChecked() || box(3)->isChecked() || box(5)->isChecked());
    EXPECT_FALSE(w->imgRight->isVisible() || w->imgWrong->isVisible());
    tv::test::clickLeftEnd(box(7));
    for (int i = 0; i < 8; ++i)
        click(w->btnCheck);
    EXPECT_EQ(w->lblNumWrong->text(), QStringLiteral("9"));
    EXPECT_EQ(w->meter->value(), 10 - 9); // from the fourth wrong answer on out of range
    snapshot(*w, "Divisor-mid");
    click(w->btnNext);
    EXPECT_EQ(w->btnCheck->text(), QStringLiteral("Exit"));
    EXPECT_EQ(w->pnlNumber->text(), QStringLiteral("97"));
    w->Timer1Timer();
    EXPECT_EQ(w->game().ticks(), 0);
    snapshot(*w, "Divisor-end");
    click(w->btnCheck);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->game().right() + w->game().wrong(), 10);
}

TEST(ScoreMeterWidget, LabelsAndRange)
{
    EXPECT_EQ(meterLabels(), (QStringList{QStringLiteral("Genius"), QStringLiteral("Pro"), QStringLiteral("Not bad!"),
                                          QStringLiteral("Amateur"), QStringLiteral("Wake Up"),
                                          QStringLiteral("Are You Alive?")}));
    ScoreMeter meter(100, 10);
    meter.setValue(101);
    EXPECT_EQ(meter.value(), 10);
    meter.setValue(-5);
    EXPECT_EQ(meter.value(), 10);
    meter.setValue(100);
    EXPECT_EQ(meter.value(), 100);
    // Filled from the bottom in #FFFF80 on #C66300.
    const QImage full = meter.grab().toImage();
    EXPECT_EQ(full.pixelColor(ScoreMeter::BarWidth / 2, 12), QColor(0xFF, 0xFF, 0x80));
    meter.setValue(0);
    const QImage empty = meter.grab().toImage();
    EXPECT_EQ(empty.pixelColor(ScoreMeter::BarWidth / 2, ScoreMeter::BarHeight), QColor(0xC6, 0x63, 0x00));
}

} // namespace
