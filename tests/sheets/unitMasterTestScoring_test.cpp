#include "sheets/unitMasterTestScoring.h"

#include <gtest/gtest.h>

using namespace tv;

TEST(SheetScore, StartsAtZeroAndFirstRightAnswerGivesHundred)
{
    SheetScore s;
    EXPECT_EQ(s.numCorrect(), 0);
    EXPECT_EQ(s.numWrong(), 0);
    EXPECT_EQ(s.numTried(), 0);
    EXPECT_EQ(s.percentGrade(), 0);
    s.recordCorrect();
    EXPECT_EQ(s.numCorrect(), 1);
    EXPECT_EQ(s.numTried(), 1);
    EXPECT_EQ(s.percentGrade(), 100);
}

TEST(SheetScore, GradeIsTruncatedShareOfAnsweredQuestions)
{
    SheetScore s;
    s.recordCorrect();
    s.recordWrong();
    s.recordCorrect();
    EXPECT_EQ(s.numCorrect(), 2);
    EXPECT_EQ(s.numWrong(), 1);
    EXPECT_EQ(s.numTried(), 3);
    EXPECT_EQ(s.percentGrade(), 66); // truncated, not rounded to 67

    SheetScore w;
    w.recordWrong();
    EXPECT_EQ(w.percentGrade(), 0);
    for (int i = 0; i < 6; ++i)
        w.recordCorrect();
    EXPECT_EQ(w.percentGrade(), 85); // 600 / 7 = 85.7
}

TEST(SheetScore, GradeMatchesIntegerShareOverManySequences)
{
    // Every mix of up to 40 answers, against the formula worked out by hand.
    for (int right = 0; right <= 40; ++right) {
        for (int wrong = 0; right + wrong <= 40; ++wrong) {
            if (right + wrong == 0)
                continue;
            SheetScore s;
            for (int i = 0; i < wrong; ++i)
                s.recordWrong();
            for (int i = 0; i < right; ++i)
                s.recordCorrect();
            ASSERT_EQ(s.percentGrade(), (right * 100) / (right + wrong));
            ASSERT_EQ(s.numTried(), s.numCorrect() + s.numWrong());
        }
    }
}

TEST(SheetTexts, StatusAndProgressTexts)
{
    EXPECT_EQ(sheettext::welcomeMessage(), "Welcome to Tallyvale!");
    EXPECT_EQ(sheettext::gradePanel(0), "Grade 0");
    EXPECT_EQ(sheettext::gradePanel(66), "Grade 66");
    EXPECT_EQ(sheettext::answeredPanel(3), "Answered 3");
    EXPECT_EQ(sheettext::progressCaption(0, sheettext::initialProgressSuffix()), "0%");
    EXPECT_EQ(sheettext::progressCaption(66, sheettext::progressSuffix(2, 3)),
              "66% - 2 of 3 Correct");
    EXPECT_EQ(sheettext::correctMessage(5), "Question 5 is Correct.");
    EXPECT_EQ(sheettext::wrongMessage(12), "Question 12 is wrong.");
    EXPECT_EQ(sheettext::studentName("Ana", ""), "Ana ");
    EXPECT_EQ(sheettext::areYouSure(), "Are You Sure?");
    EXPECT_EQ(sheettext::printJobTitle(), "Vorlan's Test Print");
}

TEST(SheetTexts, TitlePrefixIsTabCaptionAndDash)
{
    EXPECT_EQ(makeTitlePrefix("Skills Review"), "Skills Review-");
    EXPECT_EQ(makeTitlePrefix("Part 1"), "Part 1-");
    EXPECT_FALSE(defaultSheetTitle().isEmpty());
    EXPECT_TRUE(defaultSheetTitle().startsWith("Tallyvale"));
}

TEST(ProgressColourFormula, EndsAndWrap)
{
    EXPECT_EQ(progressColour(0), (ProgressColour{0x78, 0x3C, 0x1E}));
    EXPECT_EQ(progressColour(100), (ProgressColour{0xDC, 0xA0, 0x1E}));
    EXPECT_EQ(progressColour(66), (ProgressColour{186, 126, 30}));
    // The red channel wraps past 135, the green one past 195.
    EXPECT_EQ(progressColour(136).red, 0);
    EXPECT_EQ(progressColour(196).green, 0);
    for (int g = 0; g <= 100; ++g) {
        const ProgressColour c = progressColour(g);
        ASSERT_EQ(c.red, g + 120);
        ASSERT_EQ(c.green, g + 60);
        ASSERT_EQ(c.blue, 30);
    }
}

TEST(AnswerHints, NumberAndStatus)
{
    EXPECT_EQ(answerHint(3, 1), "31");
    EXPECT_EQ(answerHint(3, 0), "30");
    EXPECT_EQ(answerHint(12, 1), "121");
    EXPECT_EQ(questionNumberOfHint("31"), 3);
    EXPECT_EQ(questionNumberOfHint("121"), 12);
    EXPECT_TRUE(questionStatusOfHint("31"));
    EXPECT_FALSE(questionStatusOfHint("30"));
    EXPECT_FALSE(questionStatusOfHint("120"));
    for (int q = 1; q <= 40; ++q) {
        for (int flag = 0; flag <= 1; ++flag) {
            const QString h = answerHint(q, flag);
            ASSERT_EQ(questionNumberOfHint(h), q);
            ASSERT_EQ(questionStatusOfHint(h), flag == 1);
        }
    }
}

TEST(TypedAnswer, ExactComparisonOnly)
{
    EXPECT_TRUE(typedAnswerMatches("6", "6"));
    EXPECT_FALSE(typedAnswerMatches("6 ", "6"));
    EXPECT_FALSE(typedAnswerMatches(" 6", "6"));
    EXPECT_FALSE(typedAnswerMatches("six", "6"));
    EXPECT_FALSE(typedAnswerMatches("", "6"));
    EXPECT_TRUE(typedAnswerMatches("", ""));
    EXPECT_FALSE(typedAnswerMatches("Abc", "abc"));
    EXPECT_TRUE(typedAnswerMatches("12.5%", "12.5%"));
}

TEST(TypedAnswer, BoxWidthFollowsExpectedLength)
{
    EXPECT_EQ(answerBoxWidth("6"), 17);
    EXPECT_EQ(answerBoxWidth("122"), 31);
    EXPECT_EQ(answerBoxWidth("12.5%"), 45);
    EXPECT_EQ(answerBoxWidth(""), 10);
}
