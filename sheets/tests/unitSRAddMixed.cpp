#include "sheets/tests/unitSRAddMixed.h"

namespace tv {

using namespace sheet;

namespace {

constexpr const char16_t* kNone = kNoneOfTheAbove;

// Leaving out the carried 1, adding tops and bottoms and adding only the
// whole numbers all give less than the true sum, so where the key puts the
// sum first the others follow it in ascending order.
// The wrong choices are the usual slips: leaving the 1 that the fraction parts make out of the
// whole number, adding tops and bottoms of the fraction parts, adding only the whole numbers, and
// adding the tops over one of the old denominators.
constexpr Choice kQ[] = {
    drill(1, u"1 1/4 + 2 1/2", u"3 1/3", u"3 3/4", u"4", kNone, 1),
    drill(2, u"2 1/3 + 1 3/4", u"4 1/12", u"3", u"3 1/12", u"3 4/7", 0),
    drill(3, u"3 2/3 + 1 2/3", u"4 1/3", u"4 2/3", u"5 1/3", kNone, 2),
    drill(4, u"3 5/12 + 1 1/4", u"4 3/8", u"4 2/3", u"5 1/2", kNone, 1),
    drill(5, u"4 3/5 + 2 1/2", u"6", u"6 1/10", u"6 4/7", u"7 1/10", 3),
    drill(6, u"2 5/6 + 1 1/2", u"3 1/3", u"3 3/4", u"4 1/3", kNone, 2),
    drill(7, u"5 1/6 + 2 1/3", u"7 2/9", u"7 1/2", u"7 2/3", kNone, 1),
    drill(8, u"2 3/4 + 3 5/8", u"6 3/8", u"5 3/8", u"5 2/3", kNone, 0),
    drill(9, u"1 7/10 + 3 1/2", u"5 1/5", u"4 1/5", u"4 2/3", u"4 4/5", 0),
    drill(10, u"3 1/2 + 2 2/3", u"5 1/6", u"5 3/5", u"6 1/6", u"6 1/2", 2),
};

constexpr Step kSteps[] = {
    text(u"Add. Write each sum as a mixed number in lowest terms.", Style::BoldNormal,
         Para::Plain),
    blank(),
    ask(kQ[0]), ask(kQ[1]), ask(kQ[2]), ask(kQ[3]), ask(kQ[4]),
    ask(kQ[5]), ask(kQ[6]), ask(kQ[7]), ask(kQ[8]), ask(kQ[9]),
};

constexpr SheetContent kContent = skillsReview(u"Adding Mixed Numbers", kSteps);

} // namespace

const SheetContent& TfrmSRAddMixed::content() { return kContent; }

TfrmSRAddMixed::TfrmSRAddMixed(ActivityHost& host) : TfrmTestMaster(host)
{
    build(kContent);
}

} // namespace tv
