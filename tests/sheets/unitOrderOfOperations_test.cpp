#include "sheets/tests/unitOrderOfOperations.h"

#include "app/WindowRegistry.h"
#include "sheets/RegisterSheets.h"
#include "sheets/unitMessageWindow.h"
#include "tests/support/FakeActivityHost.h"
#include "tests/support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <cmath>
#include <memory>

using namespace tv;
using tv::test::FakeActivityHost;
using tv::test::ScriptedMessageBoxes;

namespace {

// The sheet's answer key, question by question: a letter for a choice
// question (A = first choice), '-' for the typed one.
const char kKey[] = "BCD-CDBACB";

// Evaluates a prompt's sum ("5×4+6×3") with the usual precedence, so the
// test checks the arithmetic of every keyed answer, not a copy of the key.
class Sum {
public:
    explicit Sum(const QString& s) : s_(s) {}
    double value()
    {
        const double v = expr();
        skip();
        ok_ = ok_ && pos_ == s_.size();
        return v;
    }
    bool ok() const { return ok_; }

private:
    void skip()
    {
        while (pos_ < s_.size() && s_[pos_] == QLatin1Char(' '))
            ++pos_;
    }
    bool take(QChar c)
    {
        skip();
        if (pos_ < s_.size() && s_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    double expr()
    {
        double v = term();
        for (;;) {
            if (take(QLatin1Char('+')))
                v += term();
            else if (take(QLatin1Char('-')))
                v -= term();
            else
                return v;
        }
    }
    double term()
    {
        double v = factor();
        for (;;) {
            if (take(QChar(0x00D7)))
                v *= factor();
            else if (take(QChar(0x00F7)))
                v /= factor();
            else
                return v;
        }
    }
    double factor()
    {
        if (take(QLatin1Char('('))) {
            const double v = expr();
            ok_ = ok_ && take(QLatin1Char(')'));
            return v;
        }
        skip();
        const qsizetype start = pos_;
        while (pos_ < s_.size() && (s_[pos_].isDigit() || s_[pos_] == QLatin1Char('.')))
            ++pos_;
        bool good = false;
        const double v = s_.mid(start, pos_ - start).toDouble(&good);
        ok_ = ok_ && good;
        return v;
    }

    QString s_;
    qsizetype pos_ = 0;
    bool ok_ = true;
};

// "7.  2×(3+4)×5 = ?" -> "2×(3+4)×5"
QString sumOfPrompt(const QString& prompt)
{
    const qsizetype dot = prompt.indexOf(QLatin1Char('.'));
    const qsizetype eq = prompt.lastIndexOf(QLatin1Char('='));
    return prompt.mid(dot + 1, eq - dot - 1).trimmed();
}

void click(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
}

class OrderOfOperationsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.tabCaption = QStringLiteral("Part 1");
        sheet = std::make_unique<TfrmOrderOfOperations>(host);
    }
    void showActive()
    {
        sheet->show();
        QApplication::setActiveWindow(sheet.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(sheet.get()));
    }
    // The choice buttons of printed question `q`, in order.
    std::vector<AnswerButton*> choicesOf(int q) const
    {
        std::vector<AnswerButton*> out;
        for (AnswerButton* b : sheet->answerButtons())
            if (sheet->getQuestionNumber(b) == q)
                out.push_back(b);
        return out;
    }
    // The prompts in style 12 starting a question paragraph, in order.
    QStringList prompts() const
    {
        QStringList out;
        for (int i = 0; i < sheet->RV->itemCount(); ++i)
            if (sheet->RV->itemKind(i) == RichDocument::ItemKind::Text
                && sheet->RV->itemStyle(i) == 12 && sheet->RV->itemParaMode(i) == 2)
                out << sheet->RV->itemText(i);
        return out;
    }

    FakeActivityHost host;
    ScriptedMessageBoxes boxes;
    std::unique_ptr<TfrmOrderOfOperations> sheet;
};

} // namespace

TEST_F(OrderOfOperationsTest, TitleCaptionHeadingAndStyleTable)
{
    EXPECT_EQ(sheet->lblFormTitle->text(), "Part 1-Order of Operations");
    EXPECT_EQ(sheetTitle, "Part 1-Order of Operations");
    EXPECT_EQ(sheet->lblFormTitle->font().pointSize(), 18);
    EXPECT_TRUE(sheet->windowTitle().startsWith("Tallyvale, Part 1-Order of Operations"));
    EXPECT_EQ(sheet->RV->itemText(0), "Part 1-Order of Operations");
    EXPECT_EQ(sheet->RV->itemStyle(0), 1);
    EXPECT_EQ(sheet->RV->itemParaMode(0), 1);
    // Its own table: styles 0 to 12 only.
    EXPECT_EQ(sheet->RV->styleTable().text.size(), 13u);
    EXPECT_FALSE(sheet->RV->styleTable().hasTextStyle(13));
    EXPECT_TRUE(sheet->RV->isFormatted());
    for (int i = 0; i < sheet->RV->itemCount(); ++i)
        EXPECT_LE(sheet->RV->itemStyle(i), 12) << i;
}

TEST_F(OrderOfOperationsTest, OpenedFromAnotherTabCarriesThatCaption)
{
    host.tabCaption = QStringLiteral("Skills Review");
    TfrmOrderOfOperations other(host);
    EXPECT_EQ(sheetTitle, "Skills Review-Order of Operations");
}

TEST_F(OrderOfOperationsTest, TenQuestionsNineChoicesOfFourAndATypedFourth)
{
    const QStringList p = prompts();
    ASSERT_EQ(p.size(), 9);
    EXPECT_EQ(p[0], QString::fromUtf8("1.  5×4+6×3= ?"));
    const std::vector<AnswerButton*> all = sheet->answerButtons();
    ASSERT_EQ(all.size(), 36u);
    for (size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i]->objectName(), QStringLiteral("RB%1").arg(i + 1));
        EXPECT_TRUE(all[i]->font().bold());
    }
    const QStringList first = {"150", "38", "78", "None of the above."};
    const auto q1 = choicesOf(1);
    ASSERT_EQ(q1.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(q1[i]->text(), first[i]);
    EXPECT_TRUE(choicesOf(4).empty());

    ASSERT_EQ(sheet->answerBoxes().size(), 1u);
    AnswerBox* box = sheet->answerBoxes()[0];
    EXPECT_EQ(box->hint(), "6");
    EXPECT_EQ(box->width(), 17);
    QLabel* label = nullptr;
    for (QWidget* c : sheet->RV->controls())
        if (auto* l = qobject_cast<QLabel*>(c))
            label = l;
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QString::fromUtf8("4.   9+12÷4 - 6=?"));
    Sum typed(sumOfPrompt(label->text()));
    EXPECT_EQ(QString::number(typed.value()), box->hint());
    EXPECT_TRUE(typed.ok());
}

TEST_F(OrderOfOperationsTest, KeyedChoiceIsTheValueOfEachSum)
{
    const QStringList p = prompts();
    int promptNo = 0;
    for (int q = 1; q <= 10; ++q) {
        const char key = kKey[q - 1];
        if (key == '-')
            continue;
        const auto choices = choicesOf(q);
        ASSERT_EQ(choices.size(), 4u) << q;
        const QString prompt = p[promptNo++];
        EXPECT_TRUE(prompt.startsWith(QString::number(q) + QStringLiteral(".  "))) << q;
        Sum sum(sumOfPrompt(prompt));
        const double value = sum.value();
        ASSERT_TRUE(sum.ok()) << prompt.toStdString();
        for (int c = 0; c < 4; ++c) {
            const bool keyed = c == key - 'A';
            EXPECT_EQ(sheet->getQuestionStatus(choices[c]), keyed) << q << ':' << c;
            const QString caption = choices[c]->text();
            bool isNumber = false;
            const double shown = caption.toDouble(&isNumber);
            if (keyed)
                EXPECT_TRUE(isNumber && std::abs(shown - value) < 1e-9) << q;
            else if (isNumber)
                EXPECT_GT(std::abs(shown - value), 1e-9) << q << ':' << c; // no second right answer
        }
    }
}

TEST_F(OrderOfOperationsTest, EveryRightChoiceScoresUnderItsPrintedNumber)
{
    showActive();
    int right = 0;
    for (int q = 1; q <= 10; ++q) {
        if (kKey[q - 1] == '-')
            continue;
        click(choicesOf(q)[kKey[q - 1] - 'A']);
        ++right;
        EXPECT_EQ(sheet->statusText(0), QStringLiteral("Question %1 is Correct.").arg(q));
        EXPECT_EQ(sheet->numCorrect(), right);
    }
    EXPECT_EQ(sheet->percentGrade(), 100);
    EXPECT_EQ(sheet->progressCaption(), "100% - 9 of 9 Correct");
}

TEST_F(OrderOfOperationsTest, EveryWrongChoiceIsJudgedWrong)
{
    // One fresh sheet per wrong position so each wrong choice of each
    // question is clicked once.
    for (int offset = 1; offset <= 3; ++offset) {
        TfrmOrderOfOperations s(host);
        s.show();
        for (int q = 1; q <= 10; ++q) {
            if (kKey[q - 1] == '-')
                continue;
            std::vector<AnswerButton*> choices;
            for (AnswerButton* b : s.answerButtons())
                if (s.getQuestionNumber(b) == q)
                    choices.push_back(b);
            const int wrong = (kKey[q - 1] - 'A' + offset) % 4;
            click(choices[wrong]);
            EXPECT_EQ(s.statusText(0), QStringLiteral("Question %1 is wrong.").arg(q));
        }
        EXPECT_EQ(s.numWrong(), 9);
        EXPECT_EQ(s.percentGrade(), 0);
    }
}

TEST_F(OrderOfOperationsTest, TypedQuestionFourCountsWithoutAMessage)
{
    showActive();
    AnswerBox* box = sheet->answerBoxes()[0];
    click(choicesOf(3)[3]);
    boxes.queueAnswers({true});
    box->setText(QStringLiteral("6"));
    sheet->ExitEditBoxExit(box);
    EXPECT_EQ(sheet->numCorrect(), 2);
    EXPECT_EQ(sheet->statusText(0), "Question 3 is Correct.");
    click(choicesOf(5)[2]);
    EXPECT_EQ(sheet->statusText(0), "Question 5 is Correct.");
    EXPECT_EQ(sheet->progressCaption(), "100% - 3 of 3 Correct");
}

TEST_F(OrderOfOperationsTest, LinksAndAnchorsAreThereAndDoNothing)
{
    RichDocument& rv = *sheet->RV;
    ASSERT_EQ(rv.linkCount(), 3);
    const QStringList texts = {"TESTJUMP", "WINDOW", "Question2"};
    const QStringList tags = {"jump1", "jump2", "jump3"};
    for (int i = 0; i < 3; ++i) {
        const int item = rv.linkItemNo(i);
        EXPECT_EQ(rv.itemText(item), texts[i]);
        EXPECT_EQ(rv.itemTag(item), tags[i]);
        EXPECT_EQ(rv.itemStyle(item), 4);
    }
    // The first two stand centred under the heading.
    EXPECT_EQ(rv.itemParaMode(rv.linkItemNo(0)), 1);
    EXPECT_EQ(rv.itemParaMode(rv.linkItemNo(1)), kContinueParagraph);
    ASSERT_EQ(rv.checkpointCount(), 3);
    EXPECT_EQ(rv.checkpointName(0), "jump3");
    EXPECT_EQ(rv.checkpointName(1), "jump2");
    EXPECT_EQ(rv.checkpointName(2), "jump1");
    // The link "Question2" stands before question 5, after the anchor jump1.
    const QStringList p = prompts();
    int q5 = -1, q2link = rv.linkItemNo(2), anchor1 = -1;
    for (int i = 0; i < rv.itemCount(); ++i) {
        if (rv.itemText(i) == p[3])
            q5 = i;
        if (rv.itemKind(i) == RichDocument::ItemKind::Checkpoint && rv.itemText(i) == "jump1")
            anchor1 = i;
    }
    EXPECT_LT(anchor1, q2link);
    EXPECT_LT(q2link, q5);
    // No handler: a link click changes nothing.
    showActive();
    const int before = rv.verticalScrollBar()->value();
    emit rv.jump(2);
    EXPECT_EQ(sheet->numTried(), 0);
    EXPECT_EQ(sheet->statusText(0), "Welcome to Tallyvale!");
    EXPECT_EQ(rv.verticalScrollBar()->value(), before);
    EXPECT_EQ(sheet->messageWindow(), nullptr);
}

TEST_F(OrderOfOperationsTest, HiddenTestButtonOpensTheMessageWindow)
{
    QPushButton* b = sheet->NAGButton3;
    ASSERT_NE(b, nullptr);
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
    EXPECT_EQ(w->RVMessage->itemStyle(0), 0);
    EXPECT_EQ(w->RVMessage->itemParaMode(0), 0);
    b->click();
    EXPECT_NE(sheet->messageWindow(), w);
    EXPECT_EQ(sheet->messageWindow()->RVMessage->itemCount(), 1);
}

TEST(SheetRegistration, OrderOfOperationsOpensByClassName)
{
    FakeActivityHost host;
    WindowRegistry registry;
    registerSheetsWindows(registry);
    ASSERT_TRUE(registry.contains("TfrmOrderOfOperations"));
    std::unique_ptr<QDialog> w(registry.create("TfrmOrderOfOperations", host));
    ASSERT_NE(qobject_cast<TfrmOrderOfOperations*>(w.get()), nullptr);
    EXPECT_EQ(w->parentWidget(), &host.owner);
}
