#include "sheets/tests/unitSRAdvancedGeometry.h"

namespace tv {

using namespace sheet;

namespace {

constexpr const char16_t* kNone = kNoneOfTheAbove;

// A figure on a centred line of its own under the prompt.
constexpr Picture figure(const char* resource, int width, int height)
{
    Picture p;
    p.resource = resource;
    p.width = width;
    p.height = height;
    p.centred = true;
    return p;
}

// A small figure on the prompt's line, right after the number ("{p}").
constexpr Picture inlineFigure(const char* resource, int width, int height)
{
    Picture p = figure(resource, width, height);
    p.centred = false;
    return p;
}

// One question: its prompt, the computation over the numbers the prompt and
// its figure show, and four choices of which the wrong ones are the usual
// slips (perimeter for area, a forgotten ½, the diameter taken for the
// radius, 180° for 360°, adding where one subtracts).
constexpr Choice question(int n, const char16_t* prompt, const char16_t* work, Picture picture,
                          const char16_t* a, const char16_t* b, const char16_t* c,
                          const char16_t* d, int keyed)
{
    return pictured(worded(n, prompt, work, a, b, c, d, keyed), picture);
}

constexpr Picture kNoFigure{};

constexpr Choice kQ[] = {
    question(1, u"{n}.   Two straight lines cross as shown. Find the measure of angle {s17:a}.",
             u"180 − 38", figure(":/sheets/srgeometry/q01-crossing-lines.svg", 220, 140),
             u"38°", u"52°", u"128°", u"142°", 3),
    question(2, u"{n}.   Find the measure of angle {s17:a} in the triangle.", u"180 − 35 − 40",
             figure(":/sheets/srgeometry/q02-triangle-angles.svg", 240, 140),
             u"75°", u"105°", u"145°", u"285°", 1),
    question(3, u"{n}.   Angles P and Q are complementary. Angle P measures 27°. What is the "
                u"measure of angle Q?",
             u"90 − 27", kNoFigure, u"117°", u"153°", u"333°", kNone, 3),
    question(4, u"{n}.   Three angles of a quadrilateral measure 70°, 65° and 85°. What is the "
                u"measure of the fourth angle?",
             u"360 − 70 − 65 − 85", kNoFigure, u"40°", u"90°", u"140°", u"220°", 2),
    question(5, u"{n}.   In a right triangle, one of the two acute angles measures 34°. What is "
                u"the measure of the other acute angle?",
             u"180 − 90 − 34", kNoFigure, u"56°", u"124°", u"146°", u"236°", 0),
    question(6, u"{n}.   {p}   What is the perimeter of this rectangle?", u"2 × (9 + 4)",
             inlineFigure(":/sheets/srgeometry/q06-rectangle.svg", 112, 60),
             u"13 cm", u"26 cm", u"36 cm", u"72 cm", 1),
    question(7, u"{n}.   Angles A and B are supplementary. Angle A measures 74°. What is the "
                u"measure of angle B?",
             u"180 − 74", kNoFigure, u"16°", u"106°", u"254°", u"286°", 1),
    question(8, u"{n}.   {p}   What is the area of this right triangle?", u"1/2 × 15 × 8",
             inlineFigure(":/sheets/srgeometry/q08-right-triangle.svg", 120, 76),
             u"23 square centimeters", u"40 square centimeters", u"60 square centimeters",
             u"120 square centimeters", 2),
    question(9, u"{n}.   A 13-foot ladder leans against a wall that stands straight up from level "
                u"ground. The foot of the ladder is 5 feet from the bottom of the wall. How high "
                u"up the wall does the ladder reach?",
             u"√(13^2 − 5^2)", kNoFigure, u"8 feet", u"12 feet", u"18 feet", u"144 feet", 1),
    question(10, u"{n}.   Find the area of the trapezoid.", u"1/2 × (10 + 16) × 4",
             figure(":/sheets/srgeometry/q10-trapezoid.svg", 240, 112),
             u"36 square centimeters", u"40 square centimeters", u"52 square centimeters",
             u"104 square centimeters", 2),
    question(11, u"{n}.   The floor of a room has the shape shown, and all of its corners are "
                 u"right angles. What is the area of the floor?",
             u"10 × 8 − 4 × 3", figure(":/sheets/srgeometry/q11-floor-plan.svg", 240, 176),
             u"36 square feet", u"48 square feet", u"68 square feet", u"92 square feet", 2),
    question(12, u"{n}.   Find the length of the hypotenuse, c, of the right triangle.",
             u"√(6^2 + 8^2)", figure(":/sheets/srgeometry/q12-hypotenuse.svg", 220, 148),
             u"10 inches", u"14 inches", u"48 inches", u"100 inches", 0),
    question(13, u"{n}.   Find the circumference of the circle. Use 3.14 for {s16:p}.",
             u"3.14 × 10", figure(":/sheets/srgeometry/q13-circle-diameter.svg", 180, 144),
             u"15.7 meters", u"31.4 meters", u"62.8 meters", u"78.5 meters", 1),
    question(14, u"{n}.   The two right triangles are similar. Find the length of side x.",
             u"7 × 12/4", figure(":/sheets/srgeometry/q14-similar-triangles.svg", 250, 184),
             u"3 cm", u"15 cm", u"21 cm", u"84 cm", 2),
    question(15, u"{n}.   A parallelogram has a base of 15 inches and a height of 8 inches. Its "
                 u"slanted sides are 10 inches long. What is its area?",
             u"15 × 8", kNoFigure, u"50 square inches", u"60 square inches",
             u"120 square inches", u"150 square inches", 2),
    question(16, u"{n}.   {p}   Find the area of the circle. Use 3.14 for {s16:p}.", u"3.14 × 3^2",
             inlineFigure(":/sheets/srgeometry/q16-circle-radius.svg", 84, 84),
             u"9.42 square centimeters", u"18.84 square centimeters",
             u"28.26 square centimeters", u"113.04 square centimeters", 2),
    question(17, u"{n}.   A poster 24 inches wide and 36 inches tall is reduced to a similar "
                 u"copy 8 inches wide. How tall is the copy?",
             u"36 × 8/24", kNoFigure, u"12 inches", u"20 inches", u"28 inches", u"108 inches", 0),
    question(18, u"{n}.   A rectangular patio is 15 feet long and 12 feet wide. How many square "
                 u"feet does it cover?",
             u"15 × 12", kNoFigure, u"27 square feet", u"54 square feet", u"90 square feet",
             u"180 square feet", 3),
    question(19, u"{n}.   The two marked sides of the triangle are equal. Find the measure of "
                 u"angle {s17:a}.",
             u"(180 − 40) ÷ 2", figure(":/sheets/srgeometry/q19-isosceles.svg", 200, 164),
             u"70°", u"140°", u"160°", u"320°", 0),
    question(20, u"{n}.   Maya walks straight across a rectangular park from one corner to the "
                 u"opposite corner. The park is 30 meters wide and 40 meters long. How far "
                 u"does she walk?",
             u"√(30^2 + 40^2)", kNoFigure, u"10 meters", u"50 meters", u"70 meters",
             u"2,500 meters", 1),
};

constexpr Step kSteps[] = {
    text(u"Choose the best answer. Use the measures written on each figure.", Style::BoldNormal,
         Para::Plain),
    blank(),
    ask(kQ[0]),  ask(kQ[1]),  ask(kQ[2]),  ask(kQ[3]),  ask(kQ[4]),
    ask(kQ[5]),  ask(kQ[6]),  ask(kQ[7]),  ask(kQ[8]),  ask(kQ[9]),
    ask(kQ[10]), ask(kQ[11]), ask(kQ[12]), ask(kQ[13]), ask(kQ[14]),
    ask(kQ[15]), ask(kQ[16]), ask(kQ[17]), ask(kQ[18]), ask(kQ[19]),
};

constexpr SheetContent kContent = skillsReview(u"Advanced Geometry", kSteps);

} // namespace

const SheetContent& TfrmSRAdvancedGeometry::content() { return kContent; }

TfrmSRAdvancedGeometry::TfrmSRAdvancedGeometry(ActivityHost& host) : TfrmTestMaster(host)
{
    build(kContent);
}

} // namespace tv
