#include "sheets/tests/unitSRShopping.h"

namespace tv {

using namespace sheet;

namespace {

// The wrong choices are the usual slips: a carry dropped, the smaller digit taken from the larger,
// an item or the discount forgotten, the tax given instead of the total, a decimal point in the
// wrong place.
constexpr Choice kQ[] = {
    worded(1, u"{n}.   Carlos buys a sandwich for $6.75 and a drink for $1.50. He pays with a "
                u"$20 bill. How much change does he get?",
             u"20 - (6.75 + 1.50)", u"$8.25", u"$11.75", u"$12.25", u"$13.25", 1),
    worded(2, u"{n}.   Ava buys a book for $8.95, a puzzle for $6.48 and a birthday card for "
                u"$2.79. How much does she spend in all?",
             u"8.95 + 6.48 + 2.79", u"$16.02", u"$16.22", u"$18.02", u"$18.22", 3),
    worded(3, u"{n}.   A 12-ounce jar of peanut butter costs $3.00, and a 20-ounce jar costs "
                u"$4.00. What is the price per ounce of the better buy?",
             u"4.00 ÷ 20", u"$0.02 per ounce", u"$0.20 per ounce", u"$0.25 per ounce",
             u"$5.00 per ounce", 1),
    worded(4, u"{n}.   Headphones cost $24.00. The sales tax is 6%. What is the total cost, "
                u"including the tax?",
             u"24.00 + 6/100 × 24.00", u"$1.44", u"$25.44", u"$30.00", u"$38.40", 1),
    worded(5, u"{n}.   Jeans that cost $45.00 are on sale for 20% off. What is the sale price?",
             u"45.00 - 20/100 × 45.00", u"$9.00", u"$25.00", u"$36.00", u"$54.00", 2),
    worded(6, u"{n}.   Mia buys 3 notebooks for $2.35 each. She pays with a $20 bill. How much "
                u"change does she get?",
             u"20 - 3 × 2.35", u"$7.05", u"$12.95", u"$13.05", u"$17.65", 1),
    worded(7, u"{n}.   A board game costs $32.00. The sales tax is 5%. What is the total cost, "
                u"including the tax?",
             u"32.00 + 5/100 × 32.00", u"$1.60", u"$30.40", u"$32.05", u"$33.60", 3),
    worded(8, u"{n}.   Soup comes in a 6-can pack for $5.70 and a 12-can pack for $10.80. "
                u"What is the price per can of the better buy?",
             u"10.80 ÷ 12", u"$0.09 per can", u"$0.90 per can", u"$0.95 per can",
             u"$5.10 per can", 1),
    worded(9, u"{n}.   A backpack usually costs $40.00. This week it is 30% off. What is the "
                u"sale price?",
             u"40.00 - 30/100 × 40.00", u"$10.00", u"$12.00", u"$28.00", u"$52.00", 2),
    worded(10, u"{n}.   Leo orders 2 pizzas for $8.75 each and a salad for $4.60. What is the "
                 u"total cost?",
             u"2 × 8.75 + 4.60", u"$13.35", u"$17.50", u"$21.10", u"$22.10", 3),
};

constexpr Step kSteps[] = {
    text(u"Solve each problem. Give each answer in dollars and cents.",
         Style::BoldNormal, Para::Plain),
    blank(),
    ask(kQ[0]), ask(kQ[1]), ask(kQ[2]), ask(kQ[3]), ask(kQ[4]),
    ask(kQ[5]), ask(kQ[6]), ask(kQ[7]), ask(kQ[8]), ask(kQ[9]),
};

constexpr SheetContent kContent = skillsReview(u"Shopping", kSteps);

} // namespace

const SheetContent& TfrmSRShopping::content() { return kContent; }

TfrmSRShopping::TfrmSRShopping(ActivityHost& host) : TfrmTestMaster(host)
{
    build(kContent);
}

} // namespace tv
