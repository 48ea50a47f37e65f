#include "sheets/tests/unitPercentofNumber1.h"

namespace tv {

using namespace sheet;

namespace {

constexpr const char16_t* kNone = kNoneOfTheAbove;

// The wrong choices are the usual slips: dividing by the percent, a decimal point moved the wrong
// way, the part left over or the whole with the part added when only the part is asked for (and
// the other way round).
constexpr Choice kQ[] = {
    worded(1, u"{n}.   Jordan's lunch bill is $42.00. He leaves a 15% tip. How much is the tip?",
            u"15/100 × 42.00", u"$2.80", u"$6.30", u"$48.30", u"$63.00", 1),
    worded(2, u"{n}.   In a class of 30 students, 20% walk to school. How many students walk "
               u"to school?",
            u"20/100 × 30", u"6", u"24", u"60", u"150", 0),
    worded(3, u"{n}.   A bicycle costs $240.00. The sales tax is 5%. What is the total cost, "
               u"including the tax?",
            u"240.00 + 5/100 × 240.00", u"$12.00", u"$48.00", u"$228.00", u"$252.00", 3),
    worded(4, u"{n}.   A jacket that costs $64.00 is on sale for 12.5% off. How much money "
               u"do you save?",
            u"12.5 ÷ 100 × 64.00", u"$8.00", u"$56.00", u"$80.00", u"$512.00", 0),
    worded(5, u"{n}.   Ana's puppy weighed 12 pounds when she brought it home. Now it weighs "
               u"150% of that. How many pounds does the puppy weigh now?",
            u"150/100 × 12", u"6 pounds", u"18 pounds", u"30 pounds", u"180 pounds", 1),
    worded(6, u"{n}.   Keisha took 35 free throws this season and made 80% of them. How many "
               u"free throws did she make?",
            u"80/100 × 35", u"2.8", u"7", u"28", u"280", 2),
    worded(7, u"{n}.   Mr. Diaz earns $2,400.00 a month. He saves 15% of it. How much does he "
               u"save each month?",
            u"15/100 × 2400.00", u"$36.00", u"$160.00", u"$360.00", u"$2,040.00", 2),
    worded(8, u"{n}.   Kim's dinner bill is $28.00. She adds a 20% tip. How much does she pay "
               u"in all?",
            u"28.00 + 20/100 × 28.00", u"$5.60", u"$22.40", u"$48.00", kNone, 3),
    worded(9, u"{n}.   Ten years ago 2,000 people lived in a town. Today the number is 125% of "
               u"what it was then. How many people live in the town today?",
            u"125/100 × 2000", u"500", u"1,600", u"2,125", u"2,500", 3),
    worded(10, u"{n}.   A skateboard costs $25.00. The sales tax is 8%. How much is the tax?",
            u"8/100 × 25.00", u"$2.00", u"$20.00", u"$23.00", u"$27.00", 0),
};

constexpr Step kSteps[] = {
    text(u"Solve each problem. Give money answers in dollars and cents.",
         Style::BoldNormal, Para::Plain),
    blank(),
    ask(kQ[0]), ask(kQ[1]), ask(kQ[2]), ask(kQ[3]), ask(kQ[4]),
    ask(kQ[5]), ask(kQ[6]), ask(kQ[7]), ask(kQ[8]), ask(kQ[9]),
};

constexpr SheetContent kContent = skillsReview(u"Percent of a Number 1", kSteps);

} // namespace

const SheetContent& TfrmPercentOfNumber1::content() { return kContent; }

TfrmPercentOfNumber1::TfrmPercentOfNumber1(ActivityHost& host) : TfrmTestMaster(host)
{
    build(kContent);
}

} // namespace tv
