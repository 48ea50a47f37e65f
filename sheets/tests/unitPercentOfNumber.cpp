#include "sheets/tests/unitPercentOfNumber.h"

namespace tv {

using namespace sheet;

namespace {

constexpr const char16_t* kNone = kNoneOfTheAbove;

// The wrong choices are the usual slips: dividing by the percent, moving the decimal point the
// wrong way, giving the part that is left instead of the part asked for.
constexpr Choice kQ[] = {
    worded(1, u"{n}.   What is 50% of 36?", u"50/100 × 36",
              u"0.72", u"1.8", u"18", u"180", 2),
    worded(2, u"{n}.   What is 25% of 80?", u"25/100 × 80",
              u"2", u"3.2", u"20", u"60", 2),
    worded(3, u"{n}.   What is 60% of 50?", u"60/100 × 50",
              u"3", u"20", u"30", u"300", 2),
    worded(4, u"{n}.   What is 20% of 45?", u"20/100 × 45",
              u"9", u"36", u"90", u"225", 0),
    worded(5, u"{n}.   What is 5% of 60?", u"5/100 × 60",
              u"3", u"12", u"30", u"57", 0),
    worded(6, u"{n}.   A theater has 120 seats. Tonight 75% of the seats are filled. "
                 u"How many seats are filled?",
              u"75/100 × 120", u"30", u"90", u"160", u"900", 1),
    worded(7, u"{n}.   A science test has 40 questions. Maria answered 90% of them "
                 u"correctly. How many questions did she answer correctly?",
              u"90/100 × 40", u"3.6", u"4", u"36", u"360", 2),
    worded(8, u"{n}.   A pair of shoes costs $60.00. The shoes are on sale for 25% off. "
                 u"How much money do you save?",
              u"25/100 × 60.00", u"$1.50", u"$2.40", u"$15.00", u"$45.00", 2),
    worded(9, u"{n}.   Lincoln Middle School has 500 students. 30% of them ride the bus "
                 u"to school. How many students ride the bus?",
              u"30/100 × 500", u"15", u"150", u"350", u"1,500", 1),
    worded(10, u"{n}.   A 64-ounce bottle of fruit drink is 10% real fruit juice. How many "
                  u"ounces of real fruit juice are in the bottle?",
              u"10/100 × 64", u"0.64 ounces", u"54 ounces", u"57.6 ounces", kNone, 3),
};

constexpr Step kSteps[] = {
    text(u"Find the percent of a number in each question.",
         Style::BoldNormal, Para::Plain),
    blank(),
    ask(kQ[0]), ask(kQ[1]), ask(kQ[2]), ask(kQ[3]), ask(kQ[4]),
    ask(kQ[5]), ask(kQ[6]), ask(kQ[7]), ask(kQ[8]), ask(kQ[9]),
};

constexpr SheetContent kContent = skillsReview(u"Percent of a Number", kSteps);

} // namespace

const SheetContent& TfrmPercentOfANumber::content() { return kContent; }

TfrmPercentOfANumber::TfrmPercentOfANumber(ActivityHost& host) : TfrmTestMaster(host)
{
    build(kContent);
}

} // namespace tv
