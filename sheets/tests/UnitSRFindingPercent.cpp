#include "sheets/tests/UnitSRFindingPercent.h"

namespace tv {

using namespace sheet;

namespace {

constexpr const char16_t* kNone = kNoneOfTheAbove;

// every choice is a percent. The wrong choices are the usual slips: the ratio upside down,
// forgetting to multiply by 100, the difference of the two numbers, the other part.
constexpr Choice kQ[] = {
    worded(1, u"{n}.   What percent of 40 is 30?", u"30 ÷ 40 × 100",
                u"0.75%", u"10%", u"75%", u"133 1/3%", 2),
    worded(2, u"{n}.   3 is what percent of 60?", u"3 ÷ 60 × 100",
                u"0.05%", u"5%", u"57%", u"2,000%", 1),
    worded(3, u"{n}.   A soccer team won 16 of its 20 games. What percent of its games "
                   u"did it win?",
                u"16 ÷ 20 × 100", u"20%", u"80%", u"125%", kNone, 1),
    worded(4, u"{n}.   60 is what percent of 50?", u"60 ÷ 50 × 100",
                u"1.2%", u"10%", u"83 1/3%", u"120%", 3),
    worded(5, u"{n}.   7 is what percent of 35?", u"7 ÷ 35 × 100",
                u"0.2%", u"20%", u"28%", u"500%", 1),
    worded(6, u"{n}.   Sam answered 34 of the 40 questions on a quiz correctly. What "
                   u"percent of the questions did he answer correctly?",
                u"34 ÷ 40 × 100", u"0.85%", u"6%", u"15%", u"85%", 3),
    worded(7, u"{n}.   A class has 25 students, and 15 of them are girls. What percent of "
                   u"the class are girls?",
                u"15 ÷ 25 × 100", u"0.6%", u"10%", u"60%", u"166 2/3%", 2),
    worded(8, u"{n}.   A sweater that costs $50.00 is marked $10.00 off. The discount is "
                   u"what percent of the price?",
                u"10.00 ÷ 50.00 × 100", u"20%", u"40%", u"80%", u"500%", 0),
    worded(9, u"{n}.   Of the 200 people at a concert, 30 bought a T-shirt. What percent of "
                   u"the people bought a T-shirt?",
                u"30 ÷ 200 × 100", u"0.15%", u"15%", u"85%", u"170%", 1),
    worded(10, u"{n}.   Jake has read 45 pages of a 180-page book. What percent of the book "
                    u"has he read?",
                u"45 ÷ 180 × 100", u"0.25%", u"25%", u"135%", u"400%", 1),
};

constexpr Step kSteps[] = {
    text(u"Find each percent.", Style::BoldNormal, Para::Plain),
    blank(),
    ask(kQ[0]), ask(kQ[1]), ask(kQ[2]), ask(kQ[3]), ask(kQ[4]),
    ask(kQ[5]), ask(kQ[6]), ask(kQ[7]), ask(kQ[8]), ask(kQ[9]),
};

constexpr SheetContent kContent = skillsReview(u"Finding a Percent", kSteps);

} // namespace

const SheetContent& TfrmSRFindingPercent::content() { return kContent; }

TfrmSRFindingPercent::TfrmSRFindingPercent(ActivityHost& host) : TfrmTestMaster(host)
{
    build(kContent);
}

} // namespace tv
