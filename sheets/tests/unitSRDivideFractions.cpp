#include "sheets/tests/unitSRDivideFractions.h"

namespace tv {

using namespace sheet;

namespace {

constexpr const char16_t* kNone = kNoneOfTheAbove;

// The wrong choices are the usual slips: inverting the first fraction instead of the second (or
// both), multiplying straight across without inverting, and dividing the tops and the bottoms with
// the larger number always on top (which goes wrong as soon as one of the two divisions has to go
// the other way).
constexpr Choice kQ[] = {
    drill(1, u"3/4 ÷ 1/2", u"3/8", u"2/3", u"1 1/2", u"2 2/3", 2),
    drill(2, u"1/6 ÷ 2/3", u"1/9", u"1/4", u"1", u"4", 1),
    drill(3, u"6 ÷ 3/4", u"1/8", u"1/2", u"4 1/2", u"8", 3),
    drill(4, u"3/5 ÷ 6", u"1/10", u"2/5", u"3 3/5", u"10", 0),
    drill(5, u"1/3 ÷ 5/6", u"5/18", u"2/5", u"2 1/2", kNone, 1),
    drill(6, u"7/8 ÷ 1/4", u"7/32", u"2/7", u"3 1/2", u"4 4/7", 2),
    drill(7, u"10 ÷ 5/6", u"1/12", u"1/3", u"8 1/3", u"12", 3),
    drill(8, u"1/12 ÷ 2/3", u"1/18", u"1/8", u"1/2", u"8", 1),
    drill(9, u"3/4 ÷ 1/8", u"3/32", u"1/6", u"1 1/2", u"6", 3),
    drill(10, u"2/3 ÷ 5/6", u"5/9", u"4/5", u"1 1/4", kNone, 1),
};

constexpr Step kSteps[] = {
    text(u"Divide. Write each quotient in lowest terms, and a quotient greater than 1 as a "
         u"mixed number.",
         Style::BoldNormal, Para::Plain),
    blank(),
    ask(kQ[0]), ask(kQ[1]), ask(kQ[2]), ask(kQ[3]), ask(kQ[4]),
    ask(kQ[5]), ask(kQ[6]), ask(kQ[7]), ask(kQ[8]), ask(kQ[9]),
};

constexpr SheetContent kContent = skillsReview(u"Dividing Fractions", kSteps);

} // namespace

const SheetContent& TfrmSRDivideFractions::content() { return kContent; }

TfrmSRDivideFractions::TfrmSRDivideFractions(ActivityHost& host) : TfrmTestMaster(host)
{
    build(kContent);
}

} // namespace tv
