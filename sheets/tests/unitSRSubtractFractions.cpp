#include "sheets/tests/unitSRSubtractFractions.h"

namespace tv {

using namespace sheet;

namespace {

constexpr const char16_t* kNone = kNoneOfTheAbove;

// The wrong choices are the usual slips: subtracting tops and bottoms (the bottoms the wrong way
// round when the second is larger), subtracting the tops but adding the bottoms, subtracting the
// tops over one of the old denominators, renaming a fraction to the common denominator without
// changing its top, and adding instead of subtracting.
constexpr Choice kQ[] = {
    drill(1, u"7/8 - 3/8", u"1/4", u"1/2", u"1 1/4", kNone, 1),
    drill(2, u"3/4 - 1/8", u"1/4", u"1/2", u"7/8", kNone, 3),
    drill(3, u"5/8 - 1/2", u"1/8", u"1/2", u"2/3", u"1 1/8", 0),
    drill(4, u"3/4 - 1/6", u"1/12", u"1/2", u"7/12", u"1", 2),
    drill(5, u"2/3 - 1/4", u"1/3", u"5/12", u"7/12", u"11/12", 1),
    drill(6, u"3/4 - 1/12", u"1/6", u"1/4", u"1/2", u"2/3", 3),
    drill(7, u"9/10 - 3/10", u"3/10", u"3/5", u"1 1/5", kNone, 1),
    drill(8, u"5/8 - 1/3", u"1/6", u"1/2", u"4/5", kNone, 3),
    drill(9, u"11/12 - 3/8", u"1/3", u"13/24", u"2/3", u"1 7/24", 1),
    drill(10, u"7/9 - 1/6", u"2/9", u"1/3", u"11/18", u"2", 2),
};

constexpr Step kSteps[] = {
    text(u"Subtract. Write each difference in lowest terms.", Style::BoldNormal, Para::Plain),
    blank(),
    ask(kQ[0]), ask(kQ[1]), ask(kQ[2]), ask(kQ[3]), ask(kQ[4]),
    ask(kQ[5]), ask(kQ[6]), ask(kQ[7]), ask(kQ[8]), ask(kQ[9]),
};

constexpr SheetContent kContent = skillsReview(u"Subtracting Fractions", kSteps);

} // namespace

const SheetContent& TfrmSRSubtractFractions::content() { return kContent; }

TfrmSRSubtractFractions::TfrmSRSubtractFractions(ActivityHost& host) : TfrmTestMaster(host)
{
    build(kContent);
}

} // namespace tv
