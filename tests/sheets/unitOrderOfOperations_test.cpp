#include "sheets/tests/unitOrderOfOperations.h"

#include "app/WindowRegistry.h"
#include "sheets/RegisterSheets.h"
#include "tests/support/FakeActivityHost.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/WidgetHelpers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

using namespace tv;

namespace {

// The questions by printed number; 4 is the typed one.
const int kChoiceQuestions[] = {1, 2, 3, 5, 6, 7, 8, 9, 10};

using tv::test::clickLeftEnd;

class OrderOfOperationsTest : public ::testing::Test {
protected:
    void SetUp() override { sheet = std::make_unique<TfrmOrderOfOperations>(host); }
    void showActive() { tv::test::showActive(*sheet); }
    static std::vector<AnswerButton*> choicesOf(const TfrmTestMaster& s, int q)
    {
        std::vector<AnswerButton*> out;
        for (AnswerButton* b : s.answerButtons())
            if (s.getQuestionNumber(b) == q)
                out.push_back(b);
        return out;
    }
    // The prompts: style 12 runs starting an indented question paragraph.
    QStringList prompts() const
    {
        QStringList out;
        const RichDocument& rv = *sheet->RV;
        for (int i = 0; i < rv.itemCount(); ++i)
            if (rv.itemStyle(i) == 12 && rv.itemParaMode(i) == 2)
                out << rv.itemText(i);
        return out;
    }

    tv::test::FakeActivityHost host;
    tv::test::ScriptedMessageBoxes boxes;
    std::unique_ptr<TfrmOrderOfOperations> sheet;
};

} // namespace

TEST_F(OrderOfOperationsTest, TitleHeadingAndItsOwnStyleTable)
{
    EXPECT_EQ(sheet->lblFormTitle->text(), "Part 1-Order of Operations");
    EXPECT_EQ(sheet->lblFormTitle->font().pointSize(), 18);
    EXPECT_TRUE(sheet->windowTitle().startsWith("Tallyvale, Part 1-Order of Operations"));
    EXPECT_EQ(sheet->RV->itemText(0), "Part 1-Order of Operations");
    EXPECT_EQ(sheet->RV->styleTable().text.size(), 13u);
    EXPECT_TRUE(sheet->RV->isFormatted());
    host.tabCaption = QStringLiteral("Skills Review");
    TfrmOrderOfOperations other(host);
    EXPECT_EQ(sheetTitle, "Skills Review-Order of Operations");
}

TEST_F(OrderOfOperationsTest, NineChoiceQuestionsAndATypedFourth)
{
    const std::vector<AnswerButton*> all = sheet->answerButtons();
    ASSERT_EQ(all.size(), 36u);
    for (size_t i = 0; i < all.size(); ++i)
        EXPECT_EQ(all[i]->objectName(), QStringLiteral("RB%1").arg(i + 1));
    EXPECT_EQ(prompts().value(0), QString::fromUtf8("1.  5×4+6×3= ?"));
    const QStringList first = {"150", "38", "78", "None of the above."};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(choicesOf(*sheet, 1)[i]->text(), first[i]);
    EXPECT_TRUE(choicesOf(*sheet, 4).empty());

    ASSERT_EQ(sheet->answerBoxes().size(), 1u);
    EXPECT_EQ(sheet->answerBoxes()[0]->hint(), "6");
    QLabel* label = nullptr;
    for (QWidget* c : sheet->RV->controls())
        if (auto* l = qobject_cast<QLabel*>(c))
            label = l;
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QString::fromUtf8("4.   9+12÷4 - 6=?"));
}

// The keys and the arithmetic behind them are the content check's; here the
// right choice of each question scores under its printed number.
TEST_F(OrderOfOperationsTest, EachRightChoiceScoresUnderItsPrintedNumber)
{
    const QStringList p = prompts();
    ASSERT_EQ(p.size(), 9);
    showActive();
    int right = 0;
    for (size_t i = 0; i < std::size(kChoiceQuestions); ++i) {
        const int q = kChoiceQuestions[i];
        EXPECT_TRUE(p[static_cast<int>(i)].startsWith(QString::number(q) + QStringLiteral(".  ")));
        const auto choices = choicesOf(*sheet, q);
        ASSERT_EQ(choices.size(), 4u) << q;
        AnswerButton* keyed = nullptr;
        for (AnswerButton* b : choices)
            if (sheet->getQuestionStatus(b))
                keyed = keyed ? nullptr : b;
        ASSERT_NE(keyed, nullptr) << "question " << q << " needs exactly one right choice";
        clickLeftEnd(keyed);
        ++right;
        EXPECT_EQ(sheet->statusText(0), QStringLiteral("Question %1 is Correct.").arg(q));
        EXPECT_EQ(sheet->numCorrect(), right);
    }
    EXPECT_EQ(sheet->progressCaption(), "100% - 9 of 9 Correct");
}

TEST_F(OrderOfOperationsTest, EveryWrongChoiceIsJudgedWrong)
{
    for (int offset = 0; offset < 4; ++offset) {
        TfrmOrderOfOperations s(host);
        s.show();
        int wrong = 0;
        for (int q : kChoiceQuestions) {
            AnswerButton* b = choicesOf(s, q)[offset];
            if (s.getQuestionStatus(b))
                continue;
            clickLeftEnd(b);
            ++wrong;
            EXPECT_EQ(s.statusText(0), QStringLiteral("Question %1 is wrong.").arg(q));
        }
        EXPECT_EQ(s.numWrong(), wrong);
        EXPECT_EQ(s.numCorrect(), 0);
    }
}

TEST_F(OrderOfOperationsTest, LinksAndAnchorsAreThereAndDoNothing)
{
    RichDocument& rv = *sheet->RV;
    ASSERT_EQ(rv.linkCount(), 3);
    const QStringList texts = {"TESTJUMP", "WINDOW", "Question2"};
    const QStringList tags = {"jump1", "jump2", "jump3"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rv.itemText(rv.linkItemNo(i)), texts[i]);
        EXPECT_EQ(rv.itemTag(rv.linkItemNo(i)), tags[i]);
    }
    EXPECT_EQ(rv.itemParaMode(rv.linkItemNo(0)), 1); // centred under the heading
    ASSERT_EQ(rv.checkpointCount(), 3);
    EXPECT_EQ(rv.checkpointName(0), "jump3");
    EXPECT_EQ(rv.checkpointName(1), "jump2");
    EXPECT_EQ(rv.checkpointName(2), "jump1");
    // "Question2" stands after the anchor jump1 and before question 5.
    const int link = rv.linkItemNo(2);
    EXPECT_EQ(rv.itemKind(link - 1), RichDocument::ItemKind::Checkpoint);
    EXPECT_EQ(rv.itemText(link - 1), "jump1");
    EXPECT_EQ(rv.itemText(link + 2), prompts().value(3));
    showActive();
    // The anchors work (scrolling to one moves the view) ...
    rv.scrollToCheckpoint(QStringLiteral("jump2"));
    const int atJump2 = rv.verticalScrollBar()->value();
    EXPECT_GT(atJump2, 0);
    // ... but no handler is attached: a link click changes nothing.
    emit rv.jump(2);
    EXPECT_EQ(rv.verticalScrollBar()->value(), atJump2);
    EXPECT_EQ(sheet->numTried(), 0);
    EXPECT_EQ(sheet->messageWindow(), nullptr);
}

TEST_F(OrderOfOperationsTest, HiddenTestButtonOpensTheMessageWindow)
{
    QPushButton* b = sheet->NAGButton3;
    EXPECT_EQ(b->text(), "NAGButton3");
    EXPECT_TRUE(sheet->RV->geometry().contains(b->geometry()));
    const auto kids = sheet->children();
    EXPECT_LT(kids.indexOf(b), kids.indexOf(sheet->RV)); // under the view
    showActive();
    b->click();
    TfrmMessageWindow* w = sheet->messageWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    ASSERT_EQ(w->RVMessage->itemCount(), 1);
    EXPECT_EQ(w->RVMessage->itemText(0), "Testing testing testing");
    EXPECT_EQ(w->RVMessage->itemParaMode(0), 0);
}

TEST(SheetRegistration, OrderOfOperationsOpensByClassName)
{
    tv::test::FakeActivityHost host;
    WindowRegistry registry;
    registerSheetsWindows(registry);
    std::unique_ptr<QDialog> w(registry.create("TfrmOrderOfOperations", host));
    ASSERT_NE(qobject_cast<TfrmOrderOfOperations*>(w.get()), nullptr);
    EXPECT_EQ(w->parentWidget(), &host.owner);
}
