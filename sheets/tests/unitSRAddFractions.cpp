#include "sheets/tests/unitSRAddFractions.h"

namespace tv {

using namespace sheet;

namespace {

constexpr const char16_t* kNone = kNoneOfTheAbove;

// The wrong choices are the usual slips: adding tops and bottoms, multiplying, not finding a
// common denominator.
constexpr Choice kQ[] = {
    drill(1, u"1/4 + 2/4", u"1/8", u"3/16", u"3/8", u"3/4", 3),
    drill(2, u"1/3 + 1/6", u"2/9", u"1/2", u"2/3", u"5/6", 1),
    drill(3, u"3/8 + 1/4", u"4/12", u"1/2", u"5/8", u"3/4", 2),
    drill(4, u"1/2 + 1/3", u"5/6", u"2/5", u"1/6", kNone, 0),
    drill(5, u"5/6 + 1/4", u"5/24", u"13/24", u"6/10", u"1 1/12", 3),
    drill(6, u"2/3 + 1/6", u"5/6", u"3/9", u"1 1/6", kNone, 0),
    drill(7, u"3/4 + 3/8", u"6/12", u"1", u"1 1/8", kNone, 2),
    drill(8, u"1/5 + 3/10", u"1/2", u"4/15", u"4/10", kNone, 0),
    drill(9, u"2/3 + 3/4", u"1/2", u"5/7", u"1 5/12", u"1 7/12", 2),
    drill(10, u"3/10 + 2/5", u"7/10", u"5/15", u"5/10", kNone, 0),
};

constexpr Step kSteps[] = {
    text(u"Add. Write each sum in lowest terms, and a sum greater than 1 as a mixed number.",
         Style::BoldNormal, Para::Plain),
    blank(),
    ask(kQ[0]), ask(kQ[1]), ask(kQ[2]), ask(kQ[3]), ask(kQ[4]),
    ask(kQ[5]), ask(kQ[6]), ask(kQ[7]), ask(kQ[8]), ask(kQ[9]),
};

constexpr SheetContent kContent = skillsReview(u"Adding Fractions 1", kSteps);

} // namespace

const SheetContent& TfrmSRAddFractions::content() { return kContent; }

TfrmSRAddFractions::TfrmSRAddFractions(ActivityHost& host) : TfrmTestMaster(host)
{
    build(kContent);
}

} // namespace tv
