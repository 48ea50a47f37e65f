#include "practice/AddWholePanel.h"
#include "practice/AddWholeProblems.h"
#include "tests/practice/AddWholeEntries.h"
#include "ui/Errors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tv::practice;
using tv::test::rightEntries;

namespace {

const AddWholeProblem& problem(int i)
{
    return addWholeProblems().at(static_cast<size_t>(i) - 1);
}

AddWholePanel panelOf(int i)
{
    return AddWholePanel(problem(i).shape, problem(i).addends);
}

// Types the right entries of problem `i` into its first `count` boxes, each
// reached by the focus as a student would.
void workRight(AddWholePanel& panel, int i, int count)
{
    const std::vector<QString> entries = rightEntries(problem(i));
    for (int n = 0; n < count; ++n) {
        panel.enter(n);
        ASSERT_EQ(panel.focus(), n) << "box " << n;
        panel.change(n, entries[static_cast<size_t>(n)]);
    }
}

} // namespace

// --------------------------------------------------------------- the problems

TEST(AddWholeProblems, FiveProblemsInTheirTemplatesWithSumsThatAddUp)
{
    struct Row {
        const char* panel;
        const char* templ;
        int rows, digits;
        bool cheer;
    };
    const Row rows[] = {{"Add1", "2x3", 2, 3, false},
                        {"Add2", "3x3", 3, 3, false},
                        {"Add3", "4x3", 4, 3, true},
                        {"Add4", "5x4", 5, 4, true},
                        {"Add5", "5x6", 5, 6, true}};
    ASSERT_EQ(addWholeProblems().size(), std::size(rows));
    for (size_t i = 0; i < std::size(rows); ++i) {
        const AddWholeProblem& p = addWholeProblems()[i];
        SCOPED_TRACE(rows[i].panel);
        EXPECT_EQ(p.panelName, rows[i].panel);
        EXPECT_EQ(p.templateName, rows[i].templ);
        EXPECT_EQ(p.shape.rows, rows[i].rows);
        EXPECT_EQ(p.shape.digits, rows[i].digits);
        EXPECT_EQ(p.shape.cheerWhenSolved, rows[i].cheer);
        ASSERT_EQ(p.addends.size(), rows[i].rows);
        long long total = 0;
        for (const QString& a : p.addends) {
            EXPECT_EQ(a.size(), rows[i].digits) << a.toStdString();
            total += a.toLongLong();
        }
        EXPECT_EQ(QString::number(total), p.sum);
    }
}

TEST(AddWholePanel, RefusesAddendsThatDoNotFitTheTemplate)
{
    EXPECT_THROW(AddWholePanel(shape2x3(), {QStringLiteral("967")}), tv::Error);
    EXPECT_THROW(AddWholePanel(shape2x3(), {QStringLiteral("967"), QStringLiteral("38")}), tv::Error);
    EXPECT_THROW(AddWholePanel(shape2x3(), {QStringLiteral("967"), QStringLiteral("3a4")}), tv::Error);
    const AddWholePanel p(shape2x3(), {QStringLiteral("967"), QStringLiteral("384")});
    EXPECT_EQ(p.addendDigit(1, 1), 7);
    EXPECT_EQ(p.addendDigit(1, 3), 9);
    EXPECT_EQ(p.addendDigit(2, 2), 8);
}

// ------------------------------------------------------------- whole problems

TEST(AddWholePanel, EveryProblemSolvesByItsRightEntriesFromFirstBoxToLast)
{
    for (int i = 1; i <= 5; ++i) {
        SCOPED_TRACE(i);
        AddWholePanel p = panelOf(i);
        const std::vector<QString> entries = rightEntries(problem(i));
        ASSERT_EQ(static_cast<int>(entries.size()), p.boxCount());
        for (int n = 0; n < p.boxCount(); ++n) {
            p.enter(n);
            ASSERT_EQ(p.focus(), n);
            p.change(n, entries[static_cast<size_t>(n)]);
            EXPECT_EQ(p.text(n), entries[static_cast<size_t>(n)]) << "box " << n << " refused";
            if (n + 1 < p.boxCount()) {
                EXPECT_EQ(p.focus(), n + 1) << "box " << n;
                EXPECT_EQ(p.response(), QString());
                EXPECT_FALSE(p.solved());
            }
        }
        EXPECT_TRUE(p.solved());
        EXPECT_EQ(p.focus(), p.boxCount() - 1);
        EXPECT_EQ(p.response(), problem(i).shape.cheerWhenSolved ? solvedResponse() : QString());
    }
}

// ------------------------------------------------------------- column checks

TEST(AddWholePanel, ProblemOneFirstColumnsAndItsWrongCarry)
{
    AddWholePanel p = panelOf(1);
    p.change(0, QStringLiteral("1"));
    EXPECT_EQ(p.focus(), 1);
    p.enter(1);
    p.change(1, QStringLiteral("2"));
    EXPECT_EQ(p.text(1), QString());
    EXPECT_EQ(p.response(), "Sorry but your carry is wrong.");
    EXPECT_EQ(p.focus(), 1);
    p.change(1, QStringLiteral("1"));
    EXPECT_EQ(p.response(), QString());
    EXPECT_EQ(p.focus(), 2);
    // 6 + 8 + the carry 1 = 15: the digit is 5; 4 forgets the carry.
    p.enter(2);
    p.change(2, QStringLiteral("4"));
    EXPECT_EQ(p.text(2), QString());
    EXPECT_EQ(p.response(), "Recheck your addition. Did you remember to add the carry?");
    EXPECT_EQ(p.focus(), 2);
    p.change(2, QStringLiteral("5"));
    EXPECT_EQ(p.columnSumText(), "15");
    EXPECT_EQ(p.focus(), 3);
}

TEST(AddWholePanel, ColumnSumsDigitsAndCarries)
{
    struct Row {
        int problem, column;
        const char* sumText;
        char digit, carry;
    };
    const Row rows[] = {
        {1, 1, "11", '1', '1'},
        {2, 2, "24", '4', '2'}, // 8 + 6 + 9 + the carry 1
        {3, 1, "21", '1', '2'},
        {4, 3, "30", '0', '3'}, // 8, 6, 9, 2, 3 and the carry 2
        {5, 6, "29", '9', '2'},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "problem " << r.problem << " column " << r.column);
        AddWholePanel p = panelOf(r.problem);
        workRight(p, r.problem, 2 * (r.column - 1));
        const int box = AddWholePanel::answerBox(r.column);
        p.enter(box);
        p.change(box, QString(QLatin1Char(r.digit)));
        EXPECT_EQ(p.columnSumText(), r.sumText);
        EXPECT_EQ(p.expectedDigit(), QLatin1Char(r.digit));
        EXPECT_EQ(p.expectedCarry(r.column), QLatin1Char(r.carry));
        EXPECT_EQ(p.focus(), AddWholePanel::carryBox(r.column));
    }
}

TEST(AddWholePanel, SmallColumnSumExpectsCarryZero)
{
    // 1 + 2 = 3 in the units: carry "0"; 4 + 4 in the tens, and no carry at
    // the top, so the final place expects "0" too.
    AddWholePanel p(shape2x3(), {QStringLiteral("141"), QStringLiteral("242")});
    p.change(0, QStringLiteral("3"));
    EXPECT_EQ(p.columnSumText(), "03");
    p.change(1, QStringLiteral("1"));
    EXPECT_EQ(p.response(), wrongCarryResponse());
    p.change(1, QStringLiteral("0"));
    p.change(2, QStringLiteral("8"));
    p.change(3, QStringLiteral("0"));
    p.change(4, QStringLiteral("3"));
    p.change(5, QStringLiteral("0"));
    p.change(6, QStringLiteral("1"));
    EXPECT_FALSE(p.solved());
    EXPECT_EQ(p.response(), recheckCarryResponse());
    p.change(6, QStringLiteral("0"));
    EXPECT_TRUE(p.solved());
}

// Column 2 keeps the carry it expects until its digit is right; the other
// columns take theirs at once, right or wrong.
TEST(AddWholePanel, ColumnTwoRecordsItsCarryOnlyWhenItsDigitIsRight)
{
    AddWholePanel p = panelOf(3); // carries 2, 3, 2
    p.change(0, QStringLiteral("5"));
    EXPECT_EQ(p.expectedCarry(1), QLatin1Char('2')) << "column 1 records a wrong outcome too";
    workRight(p, 3, 2);
    p.enter(2);
    p.change(2, QStringLiteral("5"));
    EXPECT_EQ(p.text(2), QString());
    EXPECT_EQ(p.columnSumText(), "31");
    EXPECT_EQ(p.expectedDigit(), QLatin1Char('1'));
    EXPECT_TRUE(p.expectedCarry(2).isNull());
    // Its carry box stays closed meanwhile.
    p.enter(3);
    EXPECT_EQ(p.focus(), 0);
    p.enter(2);
    p.change(2, QStringLiteral("1"));
    EXPECT_EQ(p.expectedCarry(2), QLatin1Char('3'));
    p.enter(3);
    p.change(3, QStringLiteral("3"));
    EXPECT_EQ(p.focus(), 4);
    p.enter(4);
    p.change(4, QStringLiteral("9"));
    EXPECT_EQ(p.text(4), QString());
    EXPECT_EQ(p.expectedCarry(3), QLatin1Char('2')) << "column 3 records a wrong outcome too";
}

// ------------------------------------------------------------- refusals

// A wrong digit, a letter and two characters in each kind of box: erased at
// once (the erasure judged again, empty, with the same response), the focus
// kept, nothing else changed.
TEST(AddWholePanel, EachKindOfBoxRefusesWrongDigitsLettersAndTwoCharacters)
{
    struct Kind {
        const char* name;
        int problem;
        int box;
        const char* wrongDigit;
        QString response;
    };
    const Kind kinds[] = {
        {"units answer", 2, 0, "3", recheckResponse()},
        {"later answer", 4, AddWholePanel::answerBox(3), "9", recheckCarryResponse()},
        {"carry", 5, AddWholePanel::carryBox(4), "1", wrongCarryResponse()},
        {"final answer", 3, AddWholePanel::answerBox(4), "3", recheckCarryResponse()},
    };
    for (const Kind& k : kinds) {
        for (const char* typed : {k.wrongDigit, "x", "+", " ", "11", "2 "}) {
            SCOPED_TRACE(testing::Message() << k.name << " '" << typed << "'");
            AddWholePanel p = panelOf(k.problem);
            workRight(p, k.problem, k.box);
            const std::vector<QString> before = [&] {
                std::vector<QString> t;
                for (int n = 0; n < p.boxCount(); ++n)
                    t.push_back(p.text(n));
                return t;
            }();
            p.enter(k.box);
            p.change(k.box, QString::fromLatin1(typed));
            EXPECT_EQ(p.text(k.box), QString());
            EXPECT_EQ(p.response(), k.response);
            EXPECT_EQ(p.focus(), k.box);
            EXPECT_FALSE(p.solved());
            for (int n = 0; n < p.boxCount(); ++n)
                EXPECT_EQ(p.text(n), before[static_cast<size_t>(n)]) << "box " << n;
        }
    }
}

TEST(AddWholePanel, SecondCharacterInAnAcceptedBoxErasesIt)
{
    AddWholePanel p = panelOf(1);
    workRight(p, 1, 3); // 1, carry 1, 5
    p.enter(2);
    p.change(2, QStringLiteral("55"));
    EXPECT_EQ(p.text(2), QString());
    EXPECT_EQ(p.response(), recheckCarryResponse());
    EXPECT_EQ(p.focus(), 2);
    // Deleting an accepted digit is a change too, and refused the same way.
    p.change(2, QStringLiteral("5"));
    p.enter(2);
    p.change(2, QString());
    EXPECT_EQ(p.response(), recheckCarryResponse());
    EXPECT_EQ(p.focus(), 2);
}

// ---------------------------------------------------------- entry and guard

TEST(AddWholePanel, EntryGuardSendsTheFocusBackWhileThePredecessorIsEmpty)
{
    AddWholePanel p = panelOf(4);
    // Nothing written: every box but the first sends the student back.
    for (int n = 1; n < p.boxCount(); ++n) {
        p.enter(n);
        EXPECT_EQ(p.focus(), 0) << "box " << n;
    }
    p.enter(0);
    EXPECT_EQ(p.focus(), 0);
    // Clicking editCarry2 before editAnswer2 is filled.
    workRight(p, 4, 2);
    p.enter(AddWholePanel::carryBox(2));
    EXPECT_EQ(p.focus(), 0);
    // A box whose predecessor holds its entry may be entered out of turn.
    p.enter(AddWholePanel::answerBox(2));
    EXPECT_EQ(p.focus(), AddWholePanel::answerBox(2));
    p.enter(AddWholePanel::carryBox(1));
    EXPECT_EQ(p.focus(), AddWholePanel::carryBox(1));
}

// Should a digit reach a column whose incoming carry is not written, it is
// refused with the carry reminder rather than read as a number.
TEST(AddWholePanel, DigitBeforeItsIncomingCarryIsRefused)
{
    AddWholePanel p = panelOf(1);
    p.change(0, QStringLiteral("1"));
    EXPECT_NO_THROW(p.change(AddWholePanel::answerBox(2), QStringLiteral("5")));
    EXPECT_EQ(p.text(AddWholePanel::answerBox(2)), QString());
    EXPECT_EQ(p.response(), recheckCarryResponse());
}

TEST(AddWholePanel, ComingIntoThePanelClearsTheResponseAndStartsAtTheFirstBox)
{
    AddWholePanel p = panelOf(1);
    workRight(p, 1, 2);
    p.enter(2);
    p.change(2, QStringLiteral("7"));
    ASSERT_EQ(p.response(), recheckCarryResponse());
    p.frameEnter();
    EXPECT_EQ(p.response(), QString());
    EXPECT_EQ(p.focus(), 0);
    EXPECT_EQ(p.text(0), "1") << "entries are kept";
}

// Going back to an earlier carry box judges it against its own column's
// carry, not against the carry of the column worked last.
TEST(AddWholePanel, RevisitedCarryIsJudgedAgainstItsOwnColumn)
{
    AddWholePanel p = panelOf(4); // carries 2, 2, 3, 2
    workRight(p, 4, AddWholePanel::carryBox(3) + 1);
    ASSERT_EQ(p.focus(), AddWholePanel::answerBox(4));
    p.enter(AddWholePanel::carryBox(1));
    p.change(AddWholePanel::carryBox(1), QStringLiteral("3"));
    EXPECT_EQ(p.text(AddWholePanel::carryBox(1)), QString());
    EXPECT_EQ(p.response(), wrongCarryResponse());
    p.change(AddWholePanel::carryBox(1), QStringLiteral("2"));
    EXPECT_EQ(p.response(), QString());
    EXPECT_EQ(p.focus(), AddWholePanel::answerBox(2));
    // And the final place still expects the top column's carry after a
    // lower column was worked again.
    p.enter(AddWholePanel::answerBox(2));
    p.change(AddWholePanel::answerBox(2), QStringLiteral("3"));
    p.enter(AddWholePanel::answerBox(4));
    p.change(AddWholePanel::answerBox(4), QStringLiteral("9"));
    p.enter(AddWholePanel::carryBox(4));
    p.change(AddWholePanel::carryBox(4), QStringLiteral("2"));
    p.enter(AddWholePanel::answerBox(5));
    p.change(AddWholePanel::answerBox(5), QStringLiteral("2"));
    EXPECT_TRUE(p.solved());
}
