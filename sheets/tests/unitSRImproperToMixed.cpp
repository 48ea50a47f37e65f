#include "sheets/tests/unitSRImproperToMixed.h"

namespace tv {

using namespace sheet;

namespace {

// The wrong choices are the usual slips: the quotient and the remainder swapped, the remainder
// over the wrong denominator (the old numerator or the quotient), and a quotient one too small or
// one too large (with its remainder then found by subtracting the wrong way round).
constexpr Choice kQ[] = {
    drill(1, u"17/5", u"2 3/5", u"3 2/17", u"3 2/5", u"4 2/5", 2),
    drill(2, u"47/6", u"6 5/6", u"7 5/7", u"7 5/6", u"8 1/6", 2),
    drill(3, u"19/8", u"2 3/8", u"3 1/4", u"3 3/8", u"3 5/8", 0),
    drill(4, u"23/7", u"3 2/7", u"3 2/3", u"4 2/7", u"4 5/7", 0),
    drill(5, u"22/6", u"2 2/3", u"3 2/11", u"3 2/3", u"4 1/2", 2),
    drill(6, u"45/9", u"5/9", u"4", u"5", u"6", 2),
    drill(7, u"31/6", u"1 5/6", u"5 1/6", u"6 1/6", u"6 5/6", 1),
    drill(8, u"27/10", u"2 7/10", u"3 3/10", u"3 7/10", u"7 1/5", 0),
    drill(9, u"38/8", u"4 3/19", u"4 3/4", u"5 3/4", u"6 1/2", 1),
    drill(10, u"34/9", u"3 7/9", u"4 2/9", u"4 7/9", u"7 1/3", 0),
};

constexpr Step kSteps[] = {
    text(u"Change each improper fraction to a mixed number in lowest terms, or to a whole "
         u"number when the division comes out even.",
         Style::BoldNormal, Para::Plain),
    blank(),
    ask(kQ[0]), ask(kQ[1]), ask(kQ[2]), ask(kQ[3]), ask(kQ[4]),
    ask(kQ[5]), ask(kQ[6]), ask(kQ[7]), ask(kQ[8]), ask(kQ[9]),
};

constexpr SheetContent kContent = skillsReview(u"Improper To Mixed", kSteps);

} // namespace

const SheetContent& TfrmSRImproperToMixed::content() { return kContent; }

TfrmSRImproperToMixed::TfrmSRImproperToMixed(ActivityHost& host) : TfrmTestMaster(host)
{
    build(kContent);
}

} // namespace tv
