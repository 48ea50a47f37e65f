#include "sheets/tests/unitSRTestPrep.h"

namespace tv {

using namespace sheet;

namespace {

constexpr const char16_t* kNone = kNoneOfTheAbove;

// The wrong choices are the usual slips: adding without carrying, working
// left to right, adding tops and bottoms, a misplaced decimal point,
// dividing by the percent, undoing the steps of an equation in the wrong
// order, perimeter for area, rounding to the wrong place, the cost for the
// change, the median or range for the mean.
constexpr Choice kQ[] = {
    // 3115 forgets every carry, 4215 the carry from the ones.
    stated(1, u"{n}.   Add:   {e}", u"2346 + 1879", u"3115", u"4215", u"4225", kNone, 2),
    // 12 works strictly left to right; 28 adds 5 + 3 before multiplying.
    stated(2, u"{n}.   Use the order of operations to find the value:   {e}",
           u"5 + 3 × 4 − 8 ÷ 2", u"12", u"13", u"28", kNone, 1),
    // The sum is 11/12: 5/12 renames only the denominator of 2/3, 3/7 adds
    // tops and bottoms, 3/4 renames only the denominator of 1/4.
    stated(3, u"{n}.   Add. Write the sum in lowest terms:   {e}", u"2/3 + 1/4", u"5/12",
           u"3/7", u"3/4", kNone, 3),
    stated(4, u"{n}.   Multiply:   {e}", u"4.6 × 0.3", u"1.38", u"13.8", u"138", kNone, 0),
    // $4.00 divides by 15, $51.00 subtracts the tip, $69.00 is the whole bill.
    worded(5,
            u"{n}.   Maria leaves a 15% tip on a dinner bill of $60.00. How much is the tip?",
            u"60 × 15/100", u"$4.00", u"$9.00", u"$51.00", u"$69.00", 1),
    // 3.25 divides before subtracting, 9.5 adds the 5, 28 forgets to divide.
    worded(6, u"{n}.   Solve for x:   4x + 5 = 33", u"(33 − 5) ÷ 4", u"x = 3.25", u"x = 7",
            u"x = 9.5", u"x = 28", 1),
    // 40 is the perimeter; 192 doubles the product.
    worded(7,
            u"{n}.   A rectangular garden is 12 feet long and 8 feet wide. What is the area of "
            u"the garden?",
            u"12 × 8", u"40 square feet", u"96 square feet", u"192 square feet", kNone, 1),
    // 3400 cuts the number off, 3480 and 3483 round to the ten and the one.
    worded(8, u"{n}.   Round 3482.67 to the nearest hundred.", u"round(3482.67, 100)", u"3400", u"3480",
            u"3483", u"3500", 3),
    // $3.35 takes 7 from 10 and keeps the 35 cents; $7.35 is the cost;
    // $7.55 takes one notebook from $10.
    worded(9,
            u"{n}.   Ben buys 3 notebooks for $2.45 each. He pays with a $10 bill. How much "
            u"change should he get back?",
            u"10 − 3 × 2.45", u"$2.65", u"$3.35", u"$7.35", u"$7.55", 0),
    // 24 is the range, 82 the median, 340 the total.
    worded(10,
            u"{n}.   Jada's scores on four quizzes were 76, 84, 100 and 80. What is the mean "
            u"(average) of her scores?",
            u"(76 + 84 + 100 + 80) ÷ 4", u"24", u"82", u"85", u"340", 2),
};

constexpr Step kSteps[] = {
    text(u"Choose the best answer to each question.", Style::BoldNormal, Para::Plain),
    blank(),
    ask(kQ[0]), ask(kQ[1]), ask(kQ[2]), ask(kQ[3]), ask(kQ[4]),
    ask(kQ[5]), ask(kQ[6]), ask(kQ[7]), ask(kQ[8]), ask(kQ[9]),
};

constexpr SheetContent kContent = skillsReview(u"General Test Preparation", kSteps);

} // namespace

const SheetContent& TfrmSRTestPrep::content() { return kContent; }

TfrmSRTestPrep::TfrmSRTestPrep(ActivityHost& host) : TfrmTestMaster(host)
{
    build(kContent);
}

} // namespace tv
