#include "sheets/unitMasterTestScoring.h"

#include <gtest/gtest.h>

using namespace tv;

TEST(SheetScore, GradeIsTheTruncatedShareOfAnsweredQuestions)
{
    SheetScore s;
    EXPECT_EQ(s.percentGrade(), 0);
    s.recordCorrect();
    EXPECT_EQ(s.percentGrade(), 100);
    s.recordWrong();
    s.recordCorrect();
    EXPECT_EQ(s.numCorrect(), 2);
    EXPECT_EQ(s.numWrong(), 1);
    EXPECT_EQ(s.numTried(), 3);
    EXPECT_EQ(s.percentGrade(), 66); // not rounded to 67
    SheetScore w;
    w.recordWrong();
    EXPECT_EQ(w.percentGrade(), 0);
}

TEST(SheetScore, ProgressColourRunsFromBrownToGoldAndWraps)
{
    EXPECT_EQ(progressColour(0), (ProgressColour{0x78, 0x3C, 0x1E}));
    EXPECT_EQ(progressColour(100), (ProgressColour{0xDC, 0xA0, 0x1E}));
    EXPECT_EQ(progressColour(66), (ProgressColour{186, 126, 30}));
    EXPECT_EQ(progressColour(136).red, 0);
    EXPECT_EQ(progressColour(196).green, 0);
}

TEST(SheetScore, HintsCarryQuestionNumberAndCorrectFlag)
{
    EXPECT_EQ(answerHint(3, 1), "31");
    EXPECT_EQ(answerHint(12, 0), "120");
    EXPECT_EQ(questionNumberOfHint("121"), 12);
    EXPECT_TRUE(questionStatusOfHint("31"));
    EXPECT_FALSE(questionStatusOfHint("120"));
    // A question number past the 32-bit range of its hint wraps like all the
    // sheet arithmetic: 2147483650 + 1 reads as -2147483645.
    EXPECT_EQ(answerHint(214748365, 1), "-2147483645");
    EXPECT_EQ(questionNumberOfHint(answerHint(214748365, 1)), -214748364);
}

TEST(SheetScore, TypedAnswerMustMatchEveryCharacter)
{
    EXPECT_TRUE(typedAnswerMatches("6", "6"));
    for (const char* typed : {"6 ", " 6", "six", "", "06"})
        EXPECT_FALSE(typedAnswerMatches(QString::fromLatin1(typed), "6")) << typed;
    EXPECT_FALSE(typedAnswerMatches("Abc", "abc"));
    EXPECT_TRUE(typedAnswerMatches("", ""));
    EXPECT_EQ(answerBoxWidth("6"), 17);
    EXPECT_EQ(answerBoxWidth("12.5%"), 45);
}

TEST(SheetScore, ProgressCaptionAndTitlePrefix)
{
    EXPECT_EQ(sheettext::progressCaption(0, sheettext::initialProgressSuffix()), "0%");
    EXPECT_EQ(sheettext::progressCaption(66, sheettext::progressSuffix(2, 3)),
              "66% - 2 of 3 Correct");
    EXPECT_EQ(makeTitlePrefix("Skills Review"), "Skills Review-");
}
