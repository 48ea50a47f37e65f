#include "sheets/tests/unitSRProportions.h"

namespace tv {

using namespace sheet;

namespace {

constexpr const char16_t* kNone = kNoneOfTheAbove;

// A proportion to complete, typeset on its own centred line from
// `proportion`; `work` finds the missing term from the same three numbers
// (cross products: the product of the diagonal that is known, divided by
// the number facing the "?").
constexpr Choice proportion(int n, const char16_t* proportion, const char16_t* work,
                            const char16_t* a, const char16_t* b, const char16_t* c,
                            const char16_t* d, int keyed)
{
    Choice q = worded(n, u"{n}.   Find the missing number that makes the proportion true.", work,
                       a, b, c, d, keyed);
    q.expression = proportion;
    q.picture = drawnExpression(true);
    return q;
}

// The wrong choices are the usual slips with ratios: adding the same number
// to both terms instead of multiplying, stopping at the unit rate or the
// scale factor, multiplying across the wrong diagonal, reversing a ratio.
constexpr Choice kQ[] = {
    // 2:5 and 3:5 compare with the whole class, 3:2 is girls to boys.
    worded(1,
            u"{n}.   A class has 12 boys and 18 girls. What is the ratio of boys to girls, in "
            u"lowest terms?",
            u"12 ÷ 18", u"2:3", u"2:5", u"3:2", u"3:5", 0),
    // 4 is the scale factor, 12.5 the wrong diagonal, 23 adds 15.
    proportion(2, u"5/8 = 20/?", u"8 × 20 ÷ 5", u"4", u"12.5", u"23", u"32", 3),
    // 17 adds 15, 27 the wrong diagonal, 36 multiplies without dividing.
    proportion(3, u"2/3 = ?/18", u"2 × 18 ÷ 3", u"12", u"17", u"27", u"36", 0),
    // 3 is the scale factor, 10 adds 6, 27 multiplies 9 by 3.
    proportion(4, u"9/? = 3/4", u"9 × 4 ÷ 3", u"3", u"10", u"12", u"27", 2),
    // 12 adds 2, 24 multiplies the numerators, 60 forgets to divide.
    proportion(5, u"4/10 = 6/?", u"10 × 6 ÷ 4", u"12", u"15", u"24", u"60", 1),
    // 4 subtracts 6, 13.5 the wrong diagonal, 90 forgets to divide.
    proportion(6, u"?/9 = 10/15", u"9 × 10 ÷ 15", u"4", u"6", u"13.5", u"90", 1),
    // $0.75 and $7.05 misplace a digit of the quotient; $45.50 subtracts.
    worded(7, u"{n}.   Jon earns $52.50 for 7 hours of work. How much does he earn per hour?",
            u"52.50 ÷ 7", u"$0.75", u"$7.05", u"$7.50", u"$45.50", 2),
    // The others add 2, 4 or 8 to both terms.
    worded(8, u"{n}.   Which ratio is equivalent to 4:6?", u"4 ÷ 6", u"6:8", u"8:10",
            u"10:15", u"12:14", 2),
    // 6 is one part, 18 the blue marbles, 20 takes 2/3 of the bag.
    worded(9,
            u"{n}.   A bag holds 30 marbles, all red or blue. The ratio of red marbles to blue "
            u"marbles is 2:3. How many red marbles are in the bag?",
            u"30 × 2 ÷ (2 + 3)", u"6", u"12", u"18", u"20", 1),
    // 2 1/2 is the scale factor, 9 adds 6, 13 1/3 the wrong diagonal.
    worded(10,
            u"{n}.   A pancake recipe that makes 4 servings uses 3 cups of flour. How many cups "
            u"of flour are needed for 10 servings?",
            u"3 × 10 ÷ 4", u"2 1/2 cups", u"7 1/2 cups", u"9 cups", u"13 1/3 cups", 1),
    // 30 is the unit rate, 189 adds 9, 2,700 forgets to divide.
    worded(11,
            u"{n}.   A car uses 6 gallons of gas to travel 180 miles. At the same rate, how far "
            u"can it travel on 15 gallons?",
            u"180 × 15 ÷ 6", u"30 miles", u"189 miles", u"450 miles", u"2,700 miles", 2),
    // 31.5 adds 24, 168 drops the half inch.
    worded(12,
            u"{n}.   A model car is built to a scale of 1:24. The model is 7.5 inches long. How "
            u"long is the real car?",
            u"7.5 × 24", u"31.5 inches", u"168 inches", u"180 inches", kNone, 2),
    // 8 is one part, 38 takes 2 from 40, 64 is all the animals.
    worded(13,
            u"{n}.   At an animal shelter the ratio of cats to dogs is 3:5. There are 40 dogs. "
            u"How many cats are there?",
            u"40 × 3 ÷ 5", u"8", u"24", u"38", u"64", 1),
    // 24 adds 2, 88 multiplies the two shadows, 132 forgets to divide.
    worded(14,
            u"{n}.   At the same time of day, a man 6 feet tall casts a shadow 4 feet long and a "
            u"tree casts a shadow 22 feet long. How tall is the tree?",
            u"6 × 22 ÷ 4", u"24 feet", u"33 feet", u"88 feet", u"132 feet", 1),
    // 16.5 subtracts, 19.5 adds, 27 multiplies.
    worded(15,
            u"{n}.   Tara rides her bike 18 miles in 1 1/2 hours. What is her average speed?",
            u"18 ÷ 1 1/2", u"12 miles per hour", u"16.5 miles per hour",
            u"19.5 miles per hour", u"27 miles per hour", 0),
    // 12.5 adds, 32 drops the half centimeter, 32.5 multiplies the whole
    // part only.
    worded(16,
            u"{n}.   On a map, 1 centimeter stands for 8 kilometers. A lake is 4.5 centimeters "
            u"long on the map. How long is the real lake?",
            u"4.5 × 8", u"12.5 kilometers", u"32 kilometers", u"32.5 kilometers",
            u"36 kilometers", 3),
    // 12 adds to the length the 6 inches added to the width; 60 forgets to
    // divide.
    worded(17,
            u"{n}.   A photo 4 inches wide and 6 inches long is enlarged so that it is 10 inches "
            u"wide. How long is the enlarged photo?",
            u"6 × 10 ÷ 4", u"12 inches", u"15 inches", u"60 inches", kNone, 1),
    // 23 adds 20, 32 the wrong diagonal, 72 forgets to divide.
    worded(18,
            u"{n}.   A leaky faucet drips 3 cups of water every 4 hours. How many cups does it "
            u"drip in 24 hours?",
            u"3 × 24 ÷ 4", u"18 cups", u"23 cups", u"32 cups", u"72 cups", 0),
    // $55.00 takes 5 from $60, $160.00 the wrong diagonal, $180.00 forgets
    // to divide.
    worded(19,
            u"{n}.   Eight concert tickets cost $60.00. At the same price each, how much do 3 "
            u"tickets cost?",
            u"60 × 3 ÷ 8", u"$22.50", u"$55.00", u"$160.00", u"$180.00", 0),
    // 63 adds 45, 270 and 1,080 multiply without dividing.
    worded(20,
            u"{n}.   Rachel counts 18 heartbeats in 15 seconds. At this rate, how many times "
            u"does her heart beat in 1 minute (60 seconds)?",
            u"18 × 60 ÷ 15", u"63", u"72", u"270", u"1,080", 1),
};

constexpr Step kSteps[] = {
    text(u"Choose the best answer to each question.", Style::BoldNormal, Para::Plain),
    blank(),
    ask(kQ[0]), ask(kQ[1]), ask(kQ[2]), ask(kQ[3]), ask(kQ[4]),
    ask(kQ[5]), ask(kQ[6]), ask(kQ[7]), ask(kQ[8]), ask(kQ[9]),
    ask(kQ[10]), ask(kQ[11]), ask(kQ[12]), ask(kQ[13]), ask(kQ[14]),
    ask(kQ[15]), ask(kQ[16]), ask(kQ[17]), ask(kQ[18]), ask(kQ[19]),
};

constexpr SheetContent kContent = skillsReview(u"Proportions 1", kSteps);

} // namespace

const SheetContent& TfrmSRProportions::content() { return kContent; }

TfrmSRProportions::TfrmSRProportions(ActivityHost& host) : TfrmTestMaster(host)
{
    build(kContent);
}

} // namespace tv
