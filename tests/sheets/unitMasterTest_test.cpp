#include "sheets/unitMasterTest.h"

#include "sheets/SheetPicture.h"
#include "sheets/unitMessageWindow.h"
#include "tests/support/FakeActivityHost.h"
#include "tests/support/FileHelpers.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/WidgetHelpers.h"
#include "ui/Errors.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QProcess>
#include <QScrollBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

using namespace tv;
using tv::test::clickLeftEnd;
using tv::test::FakeActivityHost;
using tv::test::readLines;
using tv::test::ScriptedMessageBoxes;
using tv::test::showActive;

namespace {

// A small sheet: three choice questions of four (right answers B, A, D), then
// a typed answer expecting "6", and a fourth question with inline choices.
class TrialSheet : public TfrmTestMaster {
public:
    explicit TrialSheet(ActivityHost& host) : TfrmTestMaster(host)
    {
        setTabPrefixTitle(QStringLiteral("Trial Sheet"));
        doThickRedLine();
        const char* keys = "BAD";
        int rb = 0;
        for (int q = 1; q <= 3; ++q) {
            RV->addText(QString::number(q) + QStringLiteral(".  prompt"), 12, 2);
            for (int c = 0; c < 4; ++c)
                addNewRadioButton(QStringLiteral("RB") + QString::number(++rb),
                                  QStringLiteral("choice %1").arg(c), q, keys[q - 1] - 'A' == c,
                                  12);
        }
        addNewNagLable(QStringLiteral("Type it:"), 2);
        box = addNewNagEdit(QStringLiteral("Edit1"), QStringLiteral("6"), kContinueParagraph);
        RV->addText(QStringLiteral("4.  inline"), 12, 2);
        for (int c = 0; c < 2; ++c)
            addNewRadioButtonInline(QStringLiteral("RB") + QString::number(++rb),
                                    QStringLiteral("in %1").arg(c), 4, c == 1, 12);
        RV->formatDocument();
    }
    AnswerButton* rb(int n) const { return findChild<AnswerButton*>(QStringLiteral("RB%1").arg(n)); }
    AnswerBox* box = nullptr;
};

class SheetTest : public ::testing::Test {
protected:
    void TearDown() override { host.owner.hide(); }

    FakeActivityHost host;
    ScriptedMessageBoxes boxes;
};

} // namespace

TEST_F(SheetTest, BaseCreateStepFillsStatusAndPlacesTheControls)
{
    host.tabCaption = QStringLiteral("Skills Review");
    TfrmTestMaster sheet(host);
    EXPECT_EQ(sheet.parentWidget(), &host.owner);
    EXPECT_EQ(titlePrefix, "Skills Review-");
    EXPECT_EQ(sheetTitle, defaultSheetTitle());
    const QStringList panels = {"Welcome to Tallyvale!", "Ana Lopez", "Grade 0", "Answered 0"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(sheet.statusText(i), panels[i]);
    EXPECT_EQ(sheet.progressCaption(), "0%");
    EXPECT_EQ(sheet.progressColor(), (ProgressColour{0x78, 0x3C, 0x1E}));
    EXPECT_TRUE(sheet.imgCorrect->isHidden() && sheet.imgWrong->isHidden());
    EXPECT_FALSE(sheet.timerMaster->isActive());
    EXPECT_EQ(sheet.RV->geometry(), QRect(5, 95, 600, 295));
    EXPECT_EQ(sheet.Image2->geometry(), QRect(80, 64, 25, 25));
    EXPECT_EQ(sheet.minimumSize(), sheet.maximumSize()); // not resizable
    EXPECT_GE(sheet.StatusBar->y(), sheet.RV->geometry().bottom());
    EXPECT_TRUE(sheet.dataFilePath().endsWith("studentDataFile.Txt"));
    EXPECT_TRUE(sheet.gradeFilePath().endsWith("studentGradeFile.txt"));
}

TEST_F(SheetTest, TheDocumentScrollsVerticallyOnly)
{
    TrialSheet sheet(host);
    tv::test::showExposed(sheet);
    EXPECT_TRUE(sheet.RV->verticalScrollBar()->isVisible());
    // The text wraps at the view's width, so a horizontal bar would stay empty.
    EXPECT_FALSE(sheet.RV->horizontalScrollBar()->isVisible());
    EXPECT_LE(sheet.RV->document()->size().width(), sheet.RV->viewport()->width());
}

TEST_F(SheetTest, BasePicturesLoadFromResources)
{
    for (const char* name : {"correct.svg", "wrong.svg", "decoration.svg", "tile.svg"}) {
        const QString res = QStringLiteral(":/sheets/master/") + QLatin1String(name);
        ASSERT_TRUE(QFile::exists(res)) << name;
        EXPECT_FALSE(SheetPicture::loadImage(res).isNull()) << name;
    }
}

TEST_F(SheetTest, TitleConventionsSetLabelCaptionHeadingAndSheetTitle)
{
    TfrmTestMaster a(host);
    a.setTabPrefixTitle(QStringLiteral("Order (A)"));
    EXPECT_EQ(sheetTitle, "Part 1-Order (A)");
    EXPECT_TRUE(a.windowTitle().startsWith("Tallyvale, Part 1-Order (A)"));
    EXPECT_EQ(a.lblFormTitle->font().pointSize(), 18);
    EXPECT_EQ(a.RV->itemText(0), "Part 1-Order (A)");
    EXPECT_EQ(a.RV->itemStyle(0), 1);

    TfrmTestMaster b(host);
    b.setSkillsReviewTitle(QStringLiteral("Shopping"));
    EXPECT_EQ(sheetTitle, "Shopping");
    EXPECT_TRUE(b.windowTitle().startsWith("Tallyvale Skills Review, Shopping"));
    EXPECT_EQ(b.RV->itemText(0), "Skills Review - Shopping");

    TfrmTestMaster c(host);
    c.setWindowTitle(QStringLiteral("stored caption"));
    c.setInvestigationTitle(QStringLiteral("Bits I1"), QStringLiteral("Investigation 1"));
    EXPECT_EQ(sheetTitle, "Bits I1");
    EXPECT_EQ(c.windowTitle(), "stored caption");
}

TEST_F(SheetTest, BuildersMakeHintsFontsAndAppendInTheirModes)
{
    TrialSheet sheet(host);
    EXPECT_EQ(sheet.rb(5)->hint(), "21");
    EXPECT_EQ(sheet.rb(6)->hint(), "20");
    EXPECT_TRUE(sheet.rb(6)->toolTip().isEmpty()); // hovering does not give the answer away
    EXPECT_TRUE(sheet.rb(6)->font().bold());
    EXPECT_EQ(sheet.box->width(), 17);
    EXPECT_EQ(sheet.box->palette().color(QPalette::Base), QColor(0xFF, 0xFB, 0xF0));
    const RichDocument& rv = *sheet.RV;
    EXPECT_EQ(rv.itemParaMode(3), 3); // a choice: a new answer paragraph
    // The label, its one-blank run continuing the line, then the box.
    int label = -1;
    for (int i = 0; i < rv.itemCount(); ++i)
        if (qobject_cast<QLabel*>(rv.itemControl(i)))
            label = i;
    ASSERT_GE(label, 0);
    EXPECT_EQ(rv.itemParaMode(label), 2);
    EXPECT_EQ(rv.itemText(label + 1), " ");
    EXPECT_EQ(rv.itemParaMode(label + 1), kContinueParagraph);
    EXPECT_EQ(rv.itemControl(label + 2), sheet.box);
    EXPECT_EQ(rv.itemParaMode(rv.itemCount() - 1), kContinueParagraph); // inline choice
    AnswerButton* plain = sheet.addNewRadioButton(QStringLiteral("RBx"), QStringLiteral(" "), 9, 0, 0);
    EXPECT_FALSE(plain->font().bold());
    // A second button of an existing name is refused and leaves nothing behind.
    const int items = rv.itemCount();
    const size_t buttons = sheet.answerButtons().size();
    EXPECT_THROW(sheet.addNewRadioButton(QStringLiteral("RB2"), QStringLiteral("again"), 9, 1, 12),
                 tv::Error);
    EXPECT_THROW(sheet.addNewRadioButtonInline(QStringLiteral("RBx"), QStringLiteral("again"), 9, 1, 12),
                 tv::Error);
    EXPECT_EQ(rv.itemCount(), items);
    EXPECT_EQ(sheet.answerButtons().size(), buttons);
    EXPECT_EQ(sheet.findChildren<AnswerButton*>(QStringLiteral("RB2")).size(), 1);
}

TEST_F(SheetTest, FirstRightAnswerWritesTheFourTexts)
{
    TrialSheet sheet(host);
    showActive(sheet);
    clickLeftEnd(sheet.rb(2));
    EXPECT_EQ(sheet.statusText(2), "Grade 100");
    EXPECT_EQ(sheet.progressCaption(), "100% - 1 of 1 Correct");
    EXPECT_EQ(sheet.studentProgress->text(), "100% - 1 of 1 Correct");
    EXPECT_EQ(sheet.statusText(3), "Answered 1");
    EXPECT_EQ(sheet.statusText(0), "Question 1 is Correct.");
    EXPECT_FALSE(sheet.imgCorrect->isHidden());
    EXPECT_TRUE(sheet.imgWrong->isHidden());
    EXPECT_TRUE(sheet.timerMaster->isActive());
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(sheet.rb(n)->isEnabled(), n > 4) << n; // only question 1 is locked
}

TEST_F(SheetTest, TwoRightOfThreeGrades66AndEachAnswerClearsTheLastDot)
{
    TrialSheet sheet(host);
    showActive(sheet);
    clickLeftEnd(sheet.rb(2)); // q1 right
    clickLeftEnd(sheet.rb(7)); // q2 wrong (A is right)
    EXPECT_EQ(sheet.statusText(0), "Question 2 is wrong.");
    EXPECT_FALSE(sheet.rb(2)->isChecked());
    EXPECT_TRUE(sheet.rb(7)->isChecked());
    clickLeftEnd(sheet.rb(1)); // answered: a click does nothing
    EXPECT_FALSE(sheet.rb(1)->isChecked());
    clickLeftEnd(sheet.rb(12)); // q3 right
    EXPECT_EQ(sheet.numWrong(), 1);
    EXPECT_EQ(sheet.numTried(), 3);
    EXPECT_EQ(sheet.statusText(2), "Grade 66");
    EXPECT_EQ(sheet.progressCaption(), "66% - 2 of 3 Correct");
    EXPECT_EQ(sheet.studentProgress->value(), 66);
    EXPECT_EQ(sheet.studentProgress->palette().color(QPalette::Highlight), QColor(186, 126, 30));
    EXPECT_EQ(sheet.getClickedButton(), sheet.rb(12));
    sheet.close();
    const QStringList data = readLines(sheet.dataFilePath());
    ASSERT_EQ(data.size(), 3);
    EXPECT_TRUE(data[1].endsWith(" Grade-66"));
    EXPECT_EQ(data[2], "     2 of 3 Correct.");
}

TEST_F(SheetTest, SpaceMovesTheDotOnlyAClickJudges)
{
    TrialSheet sheet(host);
    showActive(sheet);
    sheet.rb(3)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(sheet.rb(3), Qt::Key_Space);
    EXPECT_TRUE(sheet.rb(3)->isChecked());
    EXPECT_EQ(sheet.numTried(), 0);
    EXPECT_TRUE(sheet.rb(3)->isEnabled());
    EXPECT_EQ(sheet.statusText(0), "Welcome to Tallyvale!");
    // A click on the button that is already selected judges it.
    clickLeftEnd(sheet.rb(3));
    EXPECT_EQ(sheet.numTried(), 1);
    EXPECT_EQ(sheet.statusText(0), "Question 1 is wrong.");
    // A right-button click does not.
    QTest::mouseClick(sheet.rb(5), Qt::RightButton, {}, QPoint(8, sheet.rb(5)->height() / 2));
    EXPECT_EQ(sheet.numTried(), 1);
}

TEST_F(SheetTest, PictureTimerIsNotRestartedAndHidesBoth)
{
    TrialSheet sheet(host);
    showActive(sheet);
    clickLeftEnd(sheet.rb(2));
    QTest::qWait(300);
    clickLeftEnd(sheet.rb(7));
    EXPECT_FALSE(sheet.imgCorrect->isHidden());
    EXPECT_FALSE(sheet.imgWrong->isHidden());
    // Started by the first answer, not restarted by the second.
    EXPECT_LE(sheet.timerMaster->remainingTime(), 2750);
    // The wrong picture lies on top of the right one.
    const auto kids = sheet.children();
    EXPECT_GT(kids.indexOf(sheet.imgWrong), kids.indexOf(sheet.imgCorrect));
    QTRY_VERIFY_WITH_TIMEOUT(sheet.imgWrong->isHidden(), 5000);
    EXPECT_TRUE(sheet.imgCorrect->isHidden());
    EXPECT_FALSE(sheet.timerMaster->isActive());
}

// ---------------------------------------------------------------- typed answers

TEST_F(SheetTest, TypedAnswerIsComparedExactly)
{
    for (const char* typed : {"6 ", "six", "6"}) {
        TrialSheet sheet(host);
        showActive(sheet);
        boxes.queueAnswers({true});
        sheet.box->setText(QString::fromLatin1(typed));
        sheet.ExitEditBoxExit(sheet.box);
        const bool right = QLatin1String(typed) == QLatin1String("6");
        EXPECT_EQ(sheet.numCorrect(), right ? 1 : 0) << typed;
        EXPECT_EQ(sheet.numTried(), 1);
        EXPECT_FALSE(sheet.box->isEnabled());
        EXPECT_EQ(sheet.box->text(), QString::fromLatin1(typed)); // the text stays
        EXPECT_FALSE((right ? sheet.imgCorrect : sheet.imgWrong)->isHidden());
        EXPECT_EQ(sheet.progressCaption(), right ? "100% - 1 of 1 Correct" : "0% - 0 of 1 Correct");
        EXPECT_EQ(sheet.statusText(0), "Welcome to Tallyvale!"); // no message
        sheet.ExitEditBoxExit(sheet.box); // answered: asks nothing more
    }
    EXPECT_EQ(boxes.questions, QStringList(3, "Are You Sure?"));
    for (MessageBoxes::Icon icon : boxes.questionIcons)
        EXPECT_EQ(icon, MessageBoxes::Icon::Warning); // a warning box, not a question
}

TEST_F(SheetTest, AnsweringNoKeepsTheBoxOpenAndAsksAgain)
{
    TrialSheet sheet(host);
    showActive(sheet);
    sheet.box->setText(QStringLiteral("5"));
    boxes.queueAnswers({false});
    sheet.ExitEditBoxExit(sheet.box);
    EXPECT_EQ(sheet.numTried(), 0);
    EXPECT_TRUE(sheet.box->isEnabled());
    EXPECT_EQ(sheet.box->text(), "5");
    EXPECT_TRUE(sheet.imgWrong->isHidden());
    EXPECT_FALSE(sheet.timerMaster->isActive());
    boxes.queueAnswers({true});
    sheet.box->setText(QStringLiteral("6"));
    sheet.ExitEditBoxExit(sheet.box);
    EXPECT_EQ(boxes.questions.size(), 2);
    EXPECT_EQ(sheet.numCorrect(), 1);
}

TEST_F(SheetTest, TabbingThroughAnUntouchedEmptyBoxAsksAndYesCountsWrong)
{
    TrialSheet sheet(host);
    showActive(sheet);
    boxes.queueAnswers({true});
    sheet.box->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(sheet.box->hasFocus());
    // Focus leaves by Tab without a keystroke typed into the box.
    sheet.NAGButton1->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(boxes.questions, QStringList{"Are You Sure?"});
    EXPECT_EQ(sheet.numWrong(), 1);
    EXPECT_FALSE(sheet.box->isEnabled());
}

TEST_F(SheetTest, SwitchingWindowsIsNotLeavingTheBox)
{
    TrialSheet sheet(host);
    showActive(sheet);
    sheet.box->setFocus(Qt::TabFocusReason);
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(sheet.box, &away);
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(sheet.box, &popup);
    EXPECT_TRUE(boxes.questions.isEmpty());
    QFocusEvent mouse(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(sheet.box, &mouse);
    EXPECT_EQ(boxes.questions.size(), 1);
}

// ---------------------------------------------------------------- journal lines

TEST_F(SheetTest, ActivationWritesTheEntryLineOnceWithTheTabPrefix)
{
    host.tabCaption = QStringLiteral("Part 1");
    TrialSheet sheet(host);
    showActive(sheet);
    const QString entry = "   Enter Ana Lopez(Part 1-Trial Sheet) 12/8/2002 10:15:42 AM";
    EXPECT_EQ(readLines(sheet.dataFilePath()), QStringList{entry});
    // Closing a modal box over the sheet activates it again: no new line.
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&sheet, &activate);
    EXPECT_EQ(readLines(sheet.dataFilePath()).size(), 1);
    // Coming back from the message window counts as a new activation.
    TfrmMessageWindow* w = sheet.DisplayTestMessageWindow();
    QEvent toMessage(QEvent::WindowActivate);
    QApplication::sendEvent(w, &toMessage);
    QApplication::sendEvent(&sheet, &activate);
    EXPECT_EQ(readLines(sheet.dataFilePath()), (QStringList{entry, entry}));
}

TEST_F(SheetTest, ClosingWithoutAnswersWritesGradeZero)
{
    host.tabCaption = QStringLiteral("Skills Review");
    TrialSheet sheet(host);
    showActive(sheet);
    host.now = QDateTime(QDate(2002, 12, 8), QTime(10, 21, 40));
    clickLeftEnd(sheet.NAGButton1);
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(readLines(sheet.dataFilePath()),
              (QStringList{"   Enter Ana Lopez(Skills Review-Trial Sheet) 12/8/2002 10:15:42 AM",
                           "   Exit Ana Lopez (Skills Review-Trial Sheet) 12/8/2002 10:21:40 AM Grade-0",
                           "     0 of 0 Correct."}));
    EXPECT_EQ(readLines(sheet.gradeFilePath()),
              (QStringList{"1234 Ana Lopez Grade- 0 (Skills Review-Trial Sheet) 12/8/2002 10:21:40 AM",
                           "        0 of 0 Correct."}));
}

TEST_F(SheetTest, NoRecordIdWritesNothingButScores)
{
    host.who.studentID = QStringLiteral("99");
    TrialSheet sheet(host);
    showActive(sheet);
    clickLeftEnd(sheet.rb(2));
    EXPECT_EQ(sheet.statusText(0), "Question 1 is Correct.");
    sheet.close();
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_FALSE(QFile::exists(sheet.dataFilePath()));
    EXPECT_FALSE(QFile::exists(sheet.gradeFilePath()));
}

TEST_F(SheetTest, FailedExitLineKeepsTheWindowOpenUntilItCanBeWritten)
{
    TrialSheet sheet(host);
    showActive(sheet);
    // A folder in the data file's place cannot be opened for writing.
    QFile::remove(sheet.dataFilePath());
    ASSERT_TRUE(QDir().mkpath(sheet.dataFilePath()));
    sheet.close();
    EXPECT_TRUE(sheet.isVisible());
    ASSERT_EQ(boxes.errors.size(), 1);
    EXPECT_FALSE(boxes.errors[0].isEmpty());
    EXPECT_FALSE(QFile::exists(sheet.gradeFilePath()));
    ASSERT_TRUE(QDir().rmdir(sheet.dataFilePath()));
    sheet.close();
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(readLines(sheet.dataFilePath()).size(), 2);
    EXPECT_EQ(readLines(sheet.gradeFilePath()).size(), 2);
}

TEST_F(SheetTest, EscapeDoesNotCloseBehindTheJournalsBack)
{
    TrialSheet sheet(host);
    showActive(sheet);
    QTest::keyClick(&sheet, Qt::Key_Escape);
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_FALSE(QFile::exists(sheet.gradeFilePath()));
}

// ---------------------------------------------------------------- message window

TEST_F(SheetTest, MessageWindowIsReplacedAndLaidOut)
{
    TfrmTestMaster sheet(host);
    showActive(sheet);
    QPointer<TfrmMessageWindow> first = sheet.DisplayTestMessageWindow();
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(first->isModal());
    TfrmMessageWindow* second = sheet.DisplayTestMessageWindow();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(sheet.messageWindow(), second);
    EXPECT_EQ(second->parentWidget(), &sheet);
    EXPECT_TRUE(second->RVMessage->isFormatted());
    EXPECT_EQ(second->windowTitle(), "frmMessageWindow");
    EXPECT_EQ(second->RVMessage->geometry(), QRect(0, 64, 451, 217));
    const StyleTable& t = second->RVMessage->styleTable();
    ASSERT_EQ(t.text.size(), 6u);
    EXPECT_EQ(t.paragraphs.size(), 2u);
    EXPECT_TRUE(t.text[4].link && t.text[5].link && !t.text[3].link);
    EXPECT_EQ(t.text[4].color, QColor(0, 0x80, 0));
    clickLeftEnd(second->btnOK);
    EXPECT_FALSE(second->isVisible());
}

// ---------------------------------------------------------------- in the document

TEST_F(SheetTest, ChoicesStandUnderThePromptOrInlineOnItsLine)
{
    TrialSheet sheet(host);
    showActive(sheet);
    // Answer paragraphs: one button per line, all at the same indent.
    for (int n = 2; n <= 4; ++n) {
        EXPECT_EQ(sheet.rb(n)->x(), sheet.rb(1)->x()) << n;
        EXPECT_GE(sheet.rb(n)->y(), sheet.rb(n - 1)->geometry().bottom()) << n;
    }
    EXPECT_GE(sheet.rb(1)->x(), 30); // the answer indent of 48 - 18 past the margin
    EXPECT_LE(sheet.rb(1)->x(), 45);
    // Inline choices share one line, right of the prompt's text.
    AnswerButton* a = sheet.rb(13);
    AnswerButton* b = sheet.rb(14);
    EXPECT_EQ(a->geometry().center().y(), b->geometry().center().y());
    EXPECT_GT(b->x(), a->geometry().right());
    EXPECT_GT(a->x(), sheet.rb(1)->x() + 20);
    EXPECT_GT(a->y(), sheet.rb(12)->geometry().bottom());
    EXPECT_FALSE(a->isHidden());
}

TEST_F(SheetTest, EnterMovesOnWithoutJudgingAChoice)
{
    TrialSheet sheet(host);
    showActive(sheet);
    sheet.rb(1)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(sheet.rb(1), Qt::Key_Return);
    EXPECT_TRUE(sheet.rb(2)->hasFocus());
    EXPECT_EQ(sheet.numTried(), 0);
    EXPECT_TRUE(sheet.isVisible()); // no default button pressed
    // Enter in the answer box leaves it: the box is judged after the question.
    boxes.queueAnswers({true});
    sheet.box->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(sheet.box, QStringLiteral("6"));
    QTest::keyClick(sheet.box, Qt::Key_Return);
    EXPECT_EQ(boxes.questions.size(), 1);
    EXPECT_EQ(sheet.numCorrect(), 1);
    EXPECT_TRUE(sheet.rb(13)->hasFocus());
}

TEST_F(SheetTest, PrintedSheetShowsTheTypedAnswer)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    TrialSheet sheet(host);
    showActive(sheet);
    sheet.box->setText(QStringLiteral("3/4"));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    sheet.RV->printSheetToPdf(sheettext::printJobTitle(), pdf);
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("3/4"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Type it:")));
    EXPECT_TRUE(text.contains(QStringLiteral("Part 1-Trial Sheet")));
}
