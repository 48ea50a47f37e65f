#include "sheets/tests/unitSRMultiplyFractions.h"

namespace tv {

using namespace sheet;

namespace {

constexpr const char16_t* kNone = kNoneOfTheAbove;

// A product of two proper fractions is smaller than every one of these
// slips, so where the key puts it second the smallest choice comes first.
// The wrong choices are the usual slips: adding tops and bottoms, multiplying only the tops and
// keeping a denominator, turning one fraction upside down (dividing instead); with a whole number,
// multiplying the bottom too (or only the bottom), adding the whole number to the top, or setting
// it beside the fraction as a mixed number.
constexpr Choice kQ[] = {
    drill(1, u"2 × 3/8", u"3/16", u"3/8", u"5/8", u"3/4", 3),
    drill(2, u"4 × 2/3", u"2/3", u"2 2/3", u"4 2/3", u"6", 1),
    drill(3, u"2/3 × 3/4", u"5/7", u"1/2", u"8/9", u"1 1/2", 1),
    drill(4, u"6 × 3/4", u"2 1/4", u"4 1/2", u"6 3/4", u"8", 1),
    drill(5, u"1/2 × 3/5", u"4/7", u"3/5", u"5/6", kNone, 3),
    drill(6, u"3 × 5/6", u"5/18", u"2 1/2", u"3 3/5", u"3 5/6", 1),
    drill(7, u"2/3 × 1/6", u"1/9", u"1/3", u"2/3", u"4", 0),
    drill(8, u"3/4 × 5/6", u"4/5", u"9/10", u"2 1/2", kNone, 3),
    drill(9, u"5/6 × 3/10", u"1/2", u"1/4", u"1 1/2", u"2 7/9", 1),
    drill(10, u"8 × 5/12", u"5/12", u"1 1/12", u"3 1/3", u"8 5/12", 2),
};

constexpr Step kSteps[] = {
    text(u"Multiply. Write each product in lowest terms, and a product greater than 1 as a "
         u"mixed number.",
         Style::BoldNormal, Para::Plain),
    blank(),
    ask(kQ[0]), ask(kQ[1]), ask(kQ[2]), ask(kQ[3]), ask(kQ[4]),
    ask(kQ[5]), ask(kQ[6]), ask(kQ[7]), ask(kQ[8]), ask(kQ[9]),
};

constexpr SheetContent kContent = skillsReview(u"Multiplying Fractions", kSteps);

} // namespace

const SheetContent& TfrmSRMultiplyFractions::content() { return kContent; }

TfrmSRMultiplyFractions::TfrmSRMultiplyFractions(ActivityHost& host) : TfrmTestMaster(host)
{
    build(kContent);
}

} // namespace tv
