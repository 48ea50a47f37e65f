#include "sheets/tests/unitSRTestPrep1.h"

namespace tv {

using namespace sheet;

namespace {

constexpr const char16_t* kNone = kNoneOfTheAbove;

constexpr Choice kQ[] = {
    // 4475 takes the smaller digit from the larger in every place; 6481 adds.
    stated(1, u"{n}.   Subtract:   {e}", u"5003 − 1478", u"3525", u"4475", u"6481", kNone, 0),
    // 864 drops the zero of 306; 1836 forgets to shift the second partial
    // product; 6024 multiplies only 300 × 20 and 6 × 4.
    stated(2, u"{n}.   Multiply:   {e}", u"306 × 24", u"864", u"1836", u"6024", u"7344", 3),
    // 2 1/6 multiplies the whole parts and the fractions apart; 3 5/6 adds.
    stated(3, u"{n}.   Multiply. Write the product as a mixed number in lowest terms:   {e}",
           u"2 1/2 × 1 1/3", u"2 1/6", u"3 1/3", u"3 5/6", kNone, 1),
    // 15.25 drops the carry from the tenths; 50.0 lines up the last digits
    // instead of the decimal points (12.5 + 37.5).
    stated(4, u"{n}.   Add:   {e}", u"12.5 + 3.75", u"15.25", u"16.25", u"50.0", kNone, 1),
    // $95.00 takes $25 off; $150.00 adds the discount.
    worded(5,
            u"{n}.   A bike that costs $120.00 is on sale for 25% off. What is the sale price "
            u"of the bike?",
            u"120 − 120 × 25/100", u"$90.00", u"$95.00", u"$150.00", kNone, 0),
    // The fence is 46 meters: 23 goes half way round, 37 misses one side,
    // 126 is the area.
    worded(6,
            u"{n}.   A rectangular playground is 14 meters long and 9 meters wide. How many "
            u"meters of fence are needed to go all the way around it?",
            u"2 × (14 + 9)", u"23 meters", u"37 meters", u"126 meters", kNone, 3),
    // The others move the decimal point too few places or the wrong way.
    stated(7, u"{n}.   Divide:   {e}", u"7.2 ÷ 0.08", u"0.09", u"0.9", u"9", u"90", 3),
    // 3 divides, 8 subtracts, 16 adds instead of multiplying.
    worded(8, u"{n}.   Solve for n:   n ÷ 4 = 12", u"12 × 4", u"n = 3", u"n = 8", u"n = 16",
            u"n = 48", 3),
    // 7.65 rounds to hundredths, 7.7 rounds twice (7.648, 7.65, 7.7), 8 to
    // the whole number.
    worded(9, u"{n}.   Round 7.648 to the nearest tenth.", u"round(7.648, 0.1)", u"7.6", u"7.65",
            u"7.7", u"8", 0),
    // $10.75 buys one of each, $21.25 pays the student price for all five,
    // $28.00 swaps the two prices.
    worded(10,
            u"{n}.   Tickets to the school play cost $6.50 for adults and $4.25 for students. "
            u"Mr. Diaz buys 2 adult tickets and 3 student tickets. How much does he pay in all?",
            u"2 × 6.50 + 3 × 4.25", u"$10.75", u"$21.25", u"$25.75", u"$28.00", 2),
};

constexpr Step kSteps[] = {
    text(u"Choose the best answer to each question.", Style::BoldNormal, Para::Plain),
    blank(),
    ask(kQ[0]), ask(kQ[1]), ask(kQ[2]), ask(kQ[3]), ask(kQ[4]),
    ask(kQ[5]), ask(kQ[6]), ask(kQ[7]), ask(kQ[8]), ask(kQ[9]),
};

constexpr SheetContent kContent = skillsReview(u"Test Preparation 1", kSteps);

} // namespace

const SheetContent& TfrmSRTestPrep1::content() { return kContent; }

TfrmSRTestPrep1::TfrmSRTestPrep1(ActivityHost& host) : TfrmTestMaster(host)
{
    build(kContent);
}

} // namespace tv
