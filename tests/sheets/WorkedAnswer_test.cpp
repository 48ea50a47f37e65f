#include "sheets/SheetContent.h"
#include "sheets/WorkedAnswer.h"

#include <gtest/gtest.h>

using namespace tv::sheet;

namespace {

struct Case {
    const char16_t* text;
    std::int64_t num;
    std::int64_t den;
};

} // namespace

TEST(WorkedAnswer, EvaluatesAsAStudentReads)
{
    const Case cases[] = {
        {u"5×4+6×3", 38, 1},
        {u"18 - 6÷3×2", 14, 1},        // left to right within a level
        {u"48÷6÷2", 4, 1},
        {u"20 - 4+3", 19, 1},
        {u"(15 - 3)÷(2+2)+1", 4, 1},
        {u"3/4 + 1/6", 11, 12},
        {u"3/4 ÷ 1/2", 3, 2},          // fractions are single numbers
        {u"2 1/3 + 1 3/4", 49, 12},    // mixed numbers
        {u"-2 1/2 + 1", -3, 2},
        {u"0.15 × 80", 12, 1},
        {u".75 * 100", 75, 1},
        {u"2.5 + 0.25", 11, 4},
        {u"3^2 + 4^2", 25, 1},
        {u"2^-2", 1, 4},
        {u"(1/2)^3", 1, 8},
        {u"7 − 10", -3, 1},            // the minus sign character
        {u"(3+4)/7", 1, 1},            // '/' after a bracket divides
        {u"round(3482.67, 100)", 3500, 1},
        {u"round(7.648, 0.1)", 38, 5},  // 7.6
        {u"round(46815, 1000)", 47000, 1},
        {u"round(2.5, 1)", 3, 1},       // halves go up ...
        {u"round(-2.5, 1)", -3, 1},     // ... away from zero
        {u"round(1/3, 0.01)", 33, 100},
        {u"√(6^2 + 8^2)", 10, 1},      // roots of exact squares
        {u"√(13^2 − 5^2)", 12, 1},
        {u"√(9/4)", 3, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(toUtf8(c.text));
        EXPECT_EQ(evaluate(c.text), Rational(c.num, c.den));
    }
}

TEST(WorkedAnswer, RefusesWhatItCannotWorkExactly)
{
    for (const char16_t* bad : {u"", u"3 +", u"(2+3", u"2 ÷ 0", u"3/0", u"2^(1/2)", u"4 x 5",
                                u"99999999999 × 99999999999", u"2^200", u"√2", u"√(3/4)",
                                u"√(0 − 4)", u"√", u"round(5, 0)", u"round(5 100)"}) {
        SCOPED_TRACE(toUtf8(bad));
        EXPECT_THROW(evaluate(bad), WorkError);
    }
}

TEST(WorkedAnswer, ReadsTheValueAChoiceShows)
{
    const Case cases[] = {
        {u"38", 38, 1},         {u"2.4", 12, 5},         {u"$3.75", 15, 4},
        {u"4 1/6", 25, 6},      {u".375", 3, 8},         {u"12.5%", 25, 2},
        {u"$1,250.50", 2501, 2}, {u"-7", -7, 1},         {u"3:4", 3, 4},
        {u"x = 12", 12, 1},     {u"48 square feet", 48, 1}, {u"90°", 90, 1},
        {u"15.", 15, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(toUtf8(c.text));
        const auto v = readShownValue(c.text);
        ASSERT_TRUE(v.has_value());
        EXPECT_EQ(*v, Rational(c.num, c.den));
    }
    for (const char16_t* none : {u"None of the above.", u"A", u"", u" ", u"3 hours 15 minutes",
                                 u"5 and 6", u"1,25"})
        EXPECT_FALSE(readShownValue(none).has_value()) << toUtf8(none);
    EXPECT_TRUE(isNoneOfTheAbove(u"None of the above."));
    EXPECT_FALSE(isNoneOfTheAbove(u"38"));
}

TEST(WorkedAnswer, RationalsStayReducedAndRefuseOverflow)
{
    EXPECT_EQ(Rational(6, -8).numerator(), -3);
    EXPECT_EQ(Rational(6, -8).denominator(), 4);
    EXPECT_EQ(Rational(2, 4), Rational(1, 2));
    EXPECT_EQ((Rational(1, 3) + Rational(1, 6)).toString(), "1/2");
    EXPECT_THROW(Rational(1, 0), WorkError);
    EXPECT_THROW(Rational(INT64_MAX) + Rational(1), WorkError);
    EXPECT_THROW(Rational(INT64_MAX) * Rational(2), WorkError);
    EXPECT_EQ(Rational(INT64_MAX) * Rational(1, INT64_MAX), Rational(1));
}

TEST(SheetContentRuns, PhrasesSwitchStyleAndReturn)
{
    const auto runs = splitRuns(u"the {s10:numerators} are {s13:2}added", Style::Normal);
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(runs[0].text, u"the ");
    EXPECT_EQ(runs[1].text, u"numerators");
    EXPECT_EQ(runs[1].style, 10);
    EXPECT_EQ(runs[2].style, 0);
    EXPECT_EQ(runs[3].text, u"2");
    EXPECT_EQ(runs[3].style, 13);
    EXPECT_EQ(runs[4].text, u"added");
    // Not markers: no digits, no colon, never closed.
    for (const char16_t* plain : {u"{sx:y}", u"{s10 y}", u"{s10:open", u"a {set}"}) {
        const auto r = splitRuns(plain, Style::BoldBlue);
        ASSERT_EQ(r.size(), 1u);
        EXPECT_EQ(r[0].text, plain);
        EXPECT_EQ(r[0].style, 10);
    }
    EXPECT_TRUE(splitRuns(u"", Style::Normal).empty());
}
