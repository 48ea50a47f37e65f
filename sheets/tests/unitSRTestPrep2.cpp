#include "sheets/tests/unitSRTestPrep2.h"

namespace tv {

using namespace sheet;

namespace {

constexpr const char16_t* kNone = kNoneOfTheAbove;

constexpr Choice kQ[] = {
    // The others count the places wrongly.
    worded(1, u"{n}.   What is the value of the digit 7 in 3,742,156?", u"7 × 100000",
            u"700", u"7,000", u"70,000", u"700,000", 3),
    // 4% divides 80 by 20, 16% is 20% of 80, 60% counts the misses.
    worded(2,
            u"{n}.   Liam made 20 of the 80 free throws he tried this season. What percent of "
            u"his free throws did he make?",
            u"20 ÷ 80 × 100", u"4%", u"16%", u"25%", u"60%", 2),
    // The difference is 5.73: 5.83 and 6.73 forget that a borrow took one
    // from the tenths or the ones; 6.27 takes the smaller digit from the
    // larger.
    stated(3, u"{n}.   Subtract:   {e}", u"9.2 − 3.47", u"5.83", u"6.27", u"6.73", kNone, 3),
    // 1/3 turns the wrong number upside down, 5 divides the whole parts and
    // the fractions apart, 6 3/4 multiplies.
    // The division typeset after its number, as the student would copy it.
    pictured(stated(4, u"{n}.   {p}   Divide. Write the quotient in lowest terms.",
                    u"4 1/2 ÷ 1 1/2", u"1/3", u"3", u"5", u"6 3/4", 1),
             drawnExpression()),
    // 12 subtracts; 32 adds without the carry.
    worded(5, u"{n}.   Solve for m:   m − 15 = 27", u"27 + 15", u"m = 12", u"m = 32",
            u"m = 42", kNone, 2),
    // 17 adds base and height; 70 forgets the one half.
    worded(6,
            u"{n}.   A triangle has a base of 10 centimeters and a height of 7 centimeters. What "
            u"is the area of the triangle?",
            u"1/2 × 10 × 7", u"17 square centimeters", u"35 square centimeters",
            u"70 square centimeters", kNone, 1),
    // 46,000 cuts the number off; 46,800 and 50,000 round to the hundred and
    // the ten thousand.
    worded(7, u"{n}.   Round 46,815 to the nearest thousand.", u"round(46815, 1000)", u"46,000",
            u"46,800", u"47,000", u"50,000", 2),
    // 0.4 moves the point one place, 4 ignores the percent sign, 400
    // multiplies by 100.
    worded(8, u"{n}.   Write 4% as a decimal.", u"4 ÷ 100", u"0.04", u"0.4", u"4", u"400", 0),
    // 18 adds two sides, 81 is the area.
    worded(9,
            u"{n}.   A square picture frame has sides 9 inches long. What is the perimeter of "
            u"the frame?",
            u"4 × 9", u"18 inches", u"36 inches", u"81 inches", kNone, 1),
    // $19.50 adds the hours to the pay, $57.00 counts Saturday only,
    // $950.00 misplaces the decimal point.
    worded(10,
            u"{n}.   Tyler earns $9.50 an hour. Last weekend he worked 6 hours on Saturday and "
            u"4 hours on Sunday. How much did he earn in all?",
            u"9.50 × (6 + 4)", u"$19.50", u"$57.00", u"$95.00", u"$950.00", 2),
};

constexpr Step kSteps[] = {
    text(u"Choose the best answer to each question.", Style::BoldNormal, Para::Plain),
    blank(),
    ask(kQ[0]), ask(kQ[1]), ask(kQ[2]), ask(kQ[3]), ask(kQ[4]),
    ask(kQ[5]), ask(kQ[6]), ask(kQ[7]), ask(kQ[8]), ask(kQ[9]),
};

constexpr SheetContent kContent = skillsReview(u"Test Preparation 2", kSteps);

} // namespace

const SheetContent& TfrmSRTestPrep2::content() { return kContent; }

TfrmSRTestPrep2::TfrmSRTestPrep2(ActivityHost& host) : TfrmTestMaster(host)
{
    build(kContent);
}

} // namespace tv
