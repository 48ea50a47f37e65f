#include "sheets/tests/unitSRSubtractMixed.h"

namespace tv {

using namespace sheet;

namespace {

constexpr const char16_t* kNone = kNoneOfTheAbove;

// The wrong choices are the usual slips with regrouping: taking the smaller fraction from the
// larger instead of regrouping, regrouping without taking the 1 from the whole part, and a wrong
// common denominator (numerators left unchanged, or the larger denominator used as it stands).
constexpr Choice kQ[] = {
    drill(1, u"4 1/2 − 1 3/4", u"2 1/2", u"2 2/3", u"2 3/4", u"3 1/4", 2),
    drill(2, u"5 1/4 − 4 5/6", u"1/3", u"5/12", u"1 5/12", u"1 7/12", 1),
    drill(3, u"6 3/4 − 2 5/6", u"3 2/3", u"3 5/6", u"3 11/12", u"4 11/12", 2),
    drill(4, u"5 1/4 − 2 2/3", u"2 7/12", u"2 11/12", u"3 5/12", u"3 7/12", 0),
    drill(5, u"9 1/2 − 3 3/5", u"5 3/5", u"5 4/5", u"5 9/10", u"6 1/10", 2),
    drill(6, u"7 − 2 3/8", u"4 5/8", u"5 3/8", u"5 5/8", kNone, 0),
    drill(7, u"8 3/8 − 3 5/12", u"4 5/6", u"4 11/12", u"4 23/24", u"5 1/24", 2),
    drill(8, u"6 1/3 − 2 3/4", u"3 1/2", u"3 7/12", u"4 5/12", u"4 7/12", 1),
    drill(9, u"8 1/6 − 3 3/4", u"4 5/12", u"4 5/6", u"5 5/12", u"5 7/12", 0),
    drill(10, u"7 3/4 − 2 9/10", u"4 2/5", u"4 7/10", u"4 17/20", u"5 3/20", 2),
};

constexpr Step kSteps[] = {
    text(u"Subtract. Write each difference in lowest terms, and a difference greater than 1 "
         u"as a mixed number.",
         Style::BoldNormal, Para::Plain),
    blank(),
    ask(kQ[0]), ask(kQ[1]), ask(kQ[2]), ask(kQ[3]), ask(kQ[4]),
    ask(kQ[5]), ask(kQ[6]), ask(kQ[7]), ask(kQ[8]), ask(kQ[9]),
};

constexpr SheetContent kContent = skillsReview(u"Subtracting Mixed Numbers", kSteps);

} // namespace

const SheetContent& TfrmSRSubtractMixed::content() { return kContent; }

TfrmSRSubtractMixed::TfrmSRSubtractMixed(ActivityHost& host) : TfrmTestMaster(host)
{
    build(kContent);
}

} // namespace tv
