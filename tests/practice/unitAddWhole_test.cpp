#include "practice/unitAddWhole.h"

#include "practice/AddWholeFrame.h"
#include "practice/AddWholeProblems.h"
#include "practice/TemplateAddWhole2x3.h"
#include "practice/TemplateAddWhole3x3.h"
#include "practice/TemplateAddWhole4x3.h"
#include "practice/TemplateAddWhole5x4.h"
#include "practice/TemplateAddWhole5x6.h"
#include "sheets/unitMasterTestScoring.h"
#include "tests/practice/AddWholeEntries.h"
#include "tests/support/FakeActivityHost.h"
#include "tests/support/FileHelpers.h"
#include "tests/support/WidgetHelpers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace tv;
using namespace tv::practice;
using tv::test::FakeActivityHost;
using tv::test::readLines;
using tv::test::rightEntries;
using tv::test::showActive;

namespace {

const AddWholeProblem& problem(int i)
{
    return addWholeProblems().at(static_cast<size_t>(i) - 1);
}

// Keys typed where the focus is, as the student types them.
void type(const QString& keys)
{
    QWidget* w = QApplication::focusWidget();
    ASSERT_NE(w, nullptr);
    QTest::keyClicks(w, keys);
}

void backspace()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
}

// Scrolls problem `i` into view, as the student does before working it.
void scrollTo(TfrmAddWhole& sheet, int i)
{
    QScrollBar* bar = sheet.RV->verticalScrollBar();
    bar->setValue(bar->value() + sheet.problem(i)->y() - 20);
    QCoreApplication::processEvents();
}

class AddWholeTest : public ::testing::Test {
protected:
    void TearDown() override { host.owner.hide(); }
    FakeActivityHost host;
};

} // namespace

TEST_F(AddWholeTest, TitleCaptionAndDocument)
{
    host.tabCaption = QStringLiteral("Practice Problems");
    TfrmAddWhole sheet(host);
    EXPECT_EQ(sheet.lblFormTitle->text(), "Adding Whole Numbers");
    EXPECT_EQ(sheetTitle, "Adding Whole Numbers");
    EXPECT_TRUE(sheet.windowTitle().startsWith("Tallyvale Skills Review, Adding Whole Numbers"));

    RichDocument* rv = sheet.RV;
    ASSERT_TRUE(rv->isFormatted());
    int i = 0;
    auto expectText = [&](const QString& text, int style, int para) {
        SCOPED_TRACE(testing::Message() << "item " << i);
        ASSERT_EQ(rv->itemKind(i), RichDocument::ItemKind::Text);
        EXPECT_EQ(rv->itemText(i), text);
        EXPECT_EQ(rv->itemStyle(i), style);
        EXPECT_EQ(rv->itemParaMode(i), para);
        ++i;
    };
    auto expectBlanks = [&](int n) {
        for (int b = 0; b < n; ++b)
            expectText(QStringLiteral(" "), 0, 0);
    };
    auto expectRule = [&] {
        EXPECT_EQ(rv->itemKind(i), RichDocument::ItemKind::Rule) << "item " << i;
        ++i;
    };
    expectText(QStringLiteral("Practice - Adding Whole Numbers"), 1, 1);
    expectRule();
    expectBlanks(2);
    expectText(QStringLiteral("Below are several practice problems that involve adding whole numbers. "
                              "You should enter each digit in order, as if you were doing it with "
                              "pencil and paper. A digit will NOT be accepted if it is incorrect. "),
               10, 0);
    expectBlanks(2);
    const QSize sizes[] = {{345, 145}, {337, 169}, {337, 201}, {361, 233}, {425, 225}};
    for (int p = 1; p <= 5; ++p) {
        SCOPED_TRACE(p);
        expectRule();
        expectText(QString::number(p) + QLatin1Char('.'), 10, 0);
        ASSERT_EQ(rv->itemKind(i), RichDocument::ItemKind::Control);
        EXPECT_EQ(rv->itemControl(i), sheet.problem(p));
        EXPECT_EQ(rv->itemParaMode(i), 1);
        ++i;
        EXPECT_EQ(sheet.problem(p)->objectName(), QStringLiteral("Add%1").arg(p));
        EXPECT_EQ(sheet.problem(p)->size(), sizes[p - 1]);
        if (p < 5)
            expectBlanks(4);
    }
    EXPECT_EQ(i, rv->itemCount());
    // Each panel of its own template class.
    EXPECT_STREQ(sheet.Add1->metaObject()->className(), "tv::practice::TframeAddWholeNumber2x3");
    EXPECT_STREQ(sheet.Add2->metaObject()->className(), "tv::practice::TframeAddWholeNumber3x3");
    EXPECT_STREQ(sheet.Add3->metaObject()->className(), "tv::practice::TframeAddWholeNumber4x3");
    EXPECT_STREQ(sheet.Add4->metaObject()->className(), "tv::practice::TframeAddWholeNumber5x4");
    EXPECT_STREQ(sheet.Add5->metaObject()->className(), "tv::practice::TframeAddWholeNumber5x6");
}

TEST_F(AddWholeTest, PanelsShowTheAddendsDigitByDigitInColumns)
{
    TfrmAddWhole sheet(host);
    for (int p = 1; p <= 5; ++p) {
        SCOPED_TRACE(p);
        const AddWholeFrame* f = sheet.problem(p);
        const AddWholeProblem& pr = problem(p);
        for (int r = 1; r <= pr.shape.rows; ++r) {
            QString shown;
            int lastX = 1 << 20;
            for (int c = pr.shape.digits; c >= 1; --c) {
                QLineEdit* e = f->addend(r, c);
                EXPECT_TRUE(e->isReadOnly());
                EXPECT_EQ(e->objectName(), QStringLiteral("addend%1%2").arg(r).arg(c));
                shown += e->text();
                if (c < pr.shape.digits) {
                    EXPECT_EQ(e->x() - lastX, 28) << "columns 28 px apart";
                }
                lastX = e->x();
                // Each digit stands in its column: over its answer box.
                EXPECT_EQ(e->x(), f->editAnswer(c)->x());
                if (r > 1) {
                    EXPECT_GT(e->y(), f->addend(r - 1, c)->y());
                }
            }
            EXPECT_EQ(shown, pr.addends.at(r - 1));
        }
        // The carry out of column k stands above column k + 1; the final
        // answer place left of the highest column.
        for (int k = 1; k <= pr.shape.digits; ++k) {
            const QRect carry = f->editCarry(k)->geometry();
            const QRect answer = f->editAnswer(k + 1)->geometry();
            EXPECT_EQ(carry.center().x(), answer.center().x()) << "carry " << k;
            EXPECT_LT(carry.bottom(), f->addend(1, 1)->y());
        }
        EXPECT_EQ(f->findChildren<QLineEdit*>().size(),
                  pr.shape.rows * pr.shape.digits + 2 * pr.shape.digits + 1);
        EXPECT_EQ(f->lblResponse->text(), QString());
        EXPECT_TRUE(f->lblResponse->geometry().left() > f->editAnswer(1)->geometry().right());
        // Every entry is typed into the box that holds the focus: none takes a drop.
        for (int n = 0; n < f->panel().boxCount(); ++n)
            EXPECT_FALSE(f->box(n)->acceptDrops()) << "box " << n;
    }
}

TEST_F(AddWholeTest, WrongEntriesAreErasedWithTheirResponse)
{
    TfrmAddWhole sheet(host);
    showActive(sheet);
    AddWholeFrame* f = sheet.Add1;
    f->editAnswer(1)->setFocus(Qt::MouseFocusReason);
    type("1");
    EXPECT_EQ(QApplication::focusWidget(), f->editCarry(1));
    type("2");
    EXPECT_EQ(f->editCarry(1)->text(), "");
    EXPECT_EQ(f->lblResponse->text(), "Sorry but your carry is wrong.");
    EXPECT_EQ(QApplication::focusWidget(), f->editCarry(1));
    type("1");
    EXPECT_EQ(f->lblResponse->text(), "");
    EXPECT_EQ(QApplication::focusWidget(), f->editAnswer(2));
    type("a");
    EXPECT_EQ(f->editAnswer(2)->text(), "");
    EXPECT_EQ(f->lblResponse->text(), "Recheck your addition. Did you remember to add the carry?");
    type("5");
    ASSERT_EQ(QApplication::focusWidget(), f->editCarry(2));
    // A second character in an accepted box: two characters, erased.
    f->editAnswer(2)->setFocus(Qt::MouseFocusReason);
    f->editAnswer(2)->end(false);
    type("5");
    EXPECT_EQ(f->editAnswer(2)->text(), "");
    EXPECT_EQ(QApplication::focusWidget(), f->editAnswer(2));
    // Deleting the units digit is refused too.
    f->editAnswer(1)->setFocus(Qt::MouseFocusReason);
    f->editAnswer(1)->end(false);
    backspace();
    EXPECT_EQ(f->lblResponse->text(), "Recheck your addition.");
    EXPECT_EQ(sheet.numTried(), 0);
}

TEST_F(AddWholeTest, ClickingAheadReturnsToTheFirstBox)
{
    TfrmAddWhole sheet(host);
    showActive(sheet);
    AddWholeFrame* f = sheet.Add2;
    scrollTo(sheet, 2);
    QTest::mouseClick(f->editAnswer(1), Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), f->editAnswer(1));
    type("4");
    type("1");
    ASSERT_EQ(QApplication::focusWidget(), f->editAnswer(2));
    // editCarry2 before editAnswer2 is filled.
    QTest::mouseClick(f->editCarry(2), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), f->editAnswer(1));
    // A box whose predecessor is filled takes the focus.
    QTest::mouseClick(f->editAnswer(2), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), f->editAnswer(2));
    // A click on a digit keeps the student in the box.
    QTest::mouseClick(f->addend(2, 2), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), f->editAnswer(2));
}

TEST_F(AddWholeTest, EnteringAPanelFromOutsideStartsItAgainAtTheFirstBox)
{
    TfrmAddWhole sheet(host);
    showActive(sheet);
    AddWholeFrame* one = sheet.Add1;
    AddWholeFrame* two = sheet.Add2;
    one->editAnswer(1)->setFocus(Qt::MouseFocusReason);
    type("1");
    type("1");
    type("9");
    ASSERT_EQ(one->lblResponse->text(), "Recheck your addition. Did you remember to add the carry?");
    two->editAnswer(1)->setFocus(Qt::MouseFocusReason);
    // Back into the first panel at its third box: the panel starts over.
    one->editAnswer(2)->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), one->editAnswer(1));
    EXPECT_EQ(one->lblResponse->text(), "");
    EXPECT_EQ(one->editCarry(1)->text(), "1") << "entries are kept";
    // The Exit button and back: the same.
    sheet.NAGButton1->setFocus(Qt::TabFocusReason);
    one->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), one->editAnswer(1));
}

TEST_F(AddWholeTest, TabWalksTheBoxesInTheirSequence)
{
    TfrmAddWhole sheet(host);
    showActive(sheet);
    // From "Exit" the keyboard reaches the first problem at its first box.
    sheet.NAGButton1->setFocus(Qt::TabFocusReason);
    for (int presses = 0; presses < 3 && !sheet.Add1->isAncestorOf(QApplication::focusWidget());
         ++presses)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), sheet.Add1->editAnswer(1));
    AddWholeFrame* f = sheet.Add4;
    scrollTo(sheet, 4);
    f->editAnswer(1)->setFocus(Qt::MouseFocusReason);
    // Empty boxes: Tab on is sent back by the entry guard.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f->editAnswer(1));
    type("7");
    type("2");
    type("3");
    ASSERT_EQ(QApplication::focusWidget(), f->editCarry(2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), f->editAnswer(2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f->editCarry(2));
    // Past the last box of a panel into the next panel: it starts at its
    // first box.
    AddWholeFrame* one = sheet.Add1;
    one->editAnswer(1)->setFocus(Qt::MouseFocusReason);
    for (const QString& e : rightEntries(problem(1)))
        type(e);
    ASSERT_EQ(QApplication::focusWidget(), one->editAnswer(4));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), sheet.Add2->editAnswer(1));
}

TEST_F(AddWholeTest, ExitLineCarriesTheGradeOfAnUnansweredSheet)
{
    host.now = QDateTime(QDate(2002, 12, 8), QTime(10, 15, 42));
    TfrmAddWhole sheet(host);
    showActive(sheet);
    AddWholeFrame* f = sheet.Add1;
    f->editAnswer(1)->setFocus(Qt::MouseFocusReason);
    for (const QString& e : rightEntries(problem(1)))
        type(e);
    ASSERT_TRUE(f->panel().solved());
    host.now = QDateTime(QDate(2002, 12, 8), QTime(10, 21, 40));
    QTest::mouseClick(sheet.NAGButton1, Qt::LeftButton);
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(readLines(sheet.dataFilePath()),
              (QStringList{"   Enter Ana Lopez(Adding Whole Numbers) 12/8/2002 10:15:42 AM",
                           "   Exit Ana Lopez (Adding Whole Numbers) 12/8/2002 10:21:40 AM Grade-0",
                           "     0 of 0 Correct."}));
    EXPECT_EQ(readLines(sheet.gradeFilePath()),
              (QStringList{"1234 Ana Lopez Grade- 0 (Adding Whole Numbers) 12/8/2002 10:21:40 AM",
                           "        0 of 0 Correct."}));
}

// Every problem worked by keyboard from the first box to the last, with one
// wrong entry half-way: each right entry moves the focus to the next box,
// the wrong one is erased beside its response, the last right one ends the
// problem with the template's response. With TALLYVALE_PRACTICE_SNAPSHOTS
// naming a folder, each panel half-solved and solved and the sheet at each
// panel are written there as PNGs to look at.
TEST_F(AddWholeTest, EveryProblemSolvedByTypingItsRightEntries)
{
    const QString folder = qEnvironmentVariable("TALLYVALE_PRACTICE_SNAPSHOTS");
    if (!folder.isEmpty())
        QDir().mkpath(folder);
    auto save = [&](QWidget* w, const QString& name) {
        QCoreApplication::processEvents();
        if (!folder.isEmpty()) {
            EXPECT_TRUE(w->grab().save(QDir(folder).filePath(name + QStringLiteral(".png"))));
        }
    };
    TfrmAddWhole sheet(host);
    showActive(sheet);
    for (int p = 1; p <= 5; ++p) {
        SCOPED_TRACE(p);
        AddWholeFrame* f = sheet.problem(p);
        scrollTo(sheet, p);
        f->editAnswer(1)->setFocus(Qt::MouseFocusReason);
        const std::vector<QString> entries = rightEntries(problem(p));
        const int half = f->panel().boxCount() / 2 + 1;
        for (int n = 0; n < f->panel().boxCount(); ++n) {
            ASSERT_EQ(QApplication::focusWidget(), f->box(n)) << "box " << n;
            const QString right = entries[static_cast<size_t>(n)];
            if (n == half) {
                type(QString::number((right.toInt() + 1) % 10));
                EXPECT_EQ(f->box(n)->text(), "");
                EXPECT_FALSE(f->lblResponse->text().isEmpty());
                ASSERT_EQ(QApplication::focusWidget(), f->box(n));
                save(f, QStringLiteral("Add%1-half").arg(p));
                save(&sheet, QStringLiteral("sheet-Add%1-half").arg(p));
            }
            type(right);
            EXPECT_EQ(f->box(n)->text(), right);
        }
        EXPECT_TRUE(f->panel().solved());
        EXPECT_EQ(f->lblResponse->text(),
                  p >= 3 ? "HOORAY! you may now go on the the next problem." : "");
        save(f, QStringLiteral("Add%1-solved").arg(p));
    }
    // The panels never touch the sheet's score.
    EXPECT_EQ(sheet.numTried(), 0);
    EXPECT_EQ(sheet.statusText(3), "Answered 0");
}

// The document does not follow the focus by itself: a box reached by Tab or
// moved to by a check must still be in sight, with its panel when it fits.
TEST_F(AddWholeTest, TheBoxBeingTypedIntoIsInSight)
{
    TfrmAddWhole sheet(host);
    showActive(sheet);
    QWidget* view = sheet.RV->viewport();
    auto inSight = [&](QWidget* w) {
        return view->rect().contains(QRect(w->mapTo(view, QPoint(0, 0)), w->size()));
    };
    QScrollBar* bar = sheet.RV->verticalScrollBar();
    EXPECT_EQ(bar->value(), 0) << "the sheet opens at its heading";
    sheet.Add1->editAnswer(1)->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(inSight(sheet.Add1)) << "the first problem, opened at the top of the sheet";
    for (const QString& e : rightEntries(problem(1)))
        type(e);
    ASSERT_TRUE(sheet.Add1->panel().solved());
    // On by Tab into the next problem, which lies below the view.
    ASSERT_FALSE(inSight(sheet.Add2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), sheet.Add2->editAnswer(1));
    EXPECT_TRUE(inSight(sheet.Add2));
    // Back by Shift+Tab: into the first problem again, at its first box.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), sheet.Add1->editAnswer(1));
    EXPECT_TRUE(inSight(sheet.Add1));
    // Scrolled away with the wheel, the student types on: the box and its
    // response come back into sight.
    bar->setValue(bar->maximum());
    QCoreApplication::processEvents();
    ASSERT_FALSE(inSight(sheet.Add1->editAnswer(1)));
    type("1"); // "11" beside the accepted units digit
    EXPECT_EQ(sheet.Add1->lblResponse->text(), recheckResponse());
    EXPECT_TRUE(inSight(sheet.Add1));
    // From the end of the sheet back to the first problem.
    sheet.NAGButton1->setFocus(Qt::TabFocusReason);
    bar->setValue(bar->maximum());
    QCoreApplication::processEvents();
    ASSERT_FALSE(inSight(sheet.Add1->editAnswer(1)));
    sheet.Add1->editAnswer(1)->setFocus(Qt::OtherFocusReason);
    EXPECT_TRUE(inSight(sheet.Add1->editAnswer(1)));
    EXPECT_TRUE(inSight(sheet.Add1->editCarry(3)));
}
