#include "lessons/GlossaryContent.h"

#include "ui/Errors.h"

#include <array>

namespace tv::glossary {

namespace {

// Definitions are written for students of eleven to fourteen: one sentence to
// remember, an example in numbers, then what the term is not (or one more
// fact worth knowing). Greek letters are Symbol-font letters in style 8 (11
// inside an example): "p" is pi, "a" is alpha.
constexpr std::array<Entry, kTermCount> kEntries{{
    {u"Absolute Value", nullptr,
     u"The absolute value of a number is its distance from 0 on the number line, so it is never negative.",
     u"|-7| = 7 and |7| = 7, because both -7 and 7 are 7 units from 0.",
     u"Careful: |-3| is 3, not -3.", nullptr, nullptr},
    {u"Acute Angle", nullptr,
     u"An acute angle is an angle that measures more than 0° and less than 90°.",
     u"Angles of 30°, 45° and 89° are acute.",
     u"An angle of 90° is a right angle, not an acute angle, and an angle of 120° is obtuse.", nullptr, nullptr},
    {u"Angle", nullptr,
     u"An angle is the figure formed by two rays that start at the same point, called the vertex; its size is "
     u"measured in degrees.",
     u"The corner of a square is an angle of 90°. In the picture the angle is named {s11:a} (alpha) and measures 40°.",
     u"The size of an angle depends only on how far one ray is turned from the other, not on how long the rays "
     u"are drawn.",
     u"angle.svg", nullptr},
    {u"Area", nullptr,
     u"Area is the number of square units needed to cover a flat figure.",
     u"A rectangle 5 cm long and 3 cm wide has area 5 × 3 = 15 square centimeters (15 cm²).",
     u"The area of a circle with radius r is {s8:p}r{s9:²}, which is about 3.14 × r × r.", nullptr, nullptr},
    {u"Average", nullptr,
     u"The average (or mean) of a set of numbers is their sum divided by how many numbers there are.",
     u"The average of 4, 7 and 10 is (4 + 7 + 10) ÷ 3 = 21 ÷ 3 = 7.",
     u"The median and the mode are two other ways to describe the middle of a set of numbers.", nullptr, nullptr},
    {u"Capacity", nullptr,
     u"Capacity is the amount a container can hold, measured in units such as liters, milliliters, cups or "
     u"gallons.",
     u"A carton with a capacity of 2 liters holds 2 × 1,000 = 2,000 milliliters.",
     u"Capacity is what fits inside a container; volume is the space a solid takes up.", nullptr, nullptr},
    {u"Cartesian Coordinates", nullptr,
     u"Cartesian coordinates give the position of a point on a grid as an ordered pair (x, y): x tells how far "
     u"to go across from the origin and y how far to go up or down.",
     u"The point (4, 3) is 4 units to the right of the origin (0, 0) and 3 units up.",
     u"The order matters: (3, 4) is a different point from (4, 3).", u"cartesian-coordinates.svg", nullptr},
    {u"Circle", nullptr,
     u"A circle is the set of all points in a plane that are the same distance from one point, its center.",
     u"Every point of a circle with radius 5 cm is exactly 5 cm from the center.",
     u"An oval is not a circle: its points are not all the same distance from its middle.", u"circle.svg",
     nullptr},
    {u"Circumference", nullptr,
     u"The circumference of a circle is the distance around it: C = {s8:p} × d, where d is the diameter.",
     u"A circle with diameter 10 cm has circumference C = {s11:p} × 10, which is about 31.4 cm.",
     u"Because the diameter is twice the radius, C = 2 × {s8:p} × r gives the same length.",
     u"circumference.svg", nullptr},
    {u"Common Factor", nullptr,
     u"A common factor of two or more whole numbers is a number that is a factor of each of them.",
     u"The factors of 12 are 1, 2, 3, 4, 6, 12 and the factors of 18 are 1, 2, 3, 6, 9, 18, so the common "
     u"factors of 12 and 18 are 1, 2, 3 and 6.",
     u"4 is a factor of 12 but not of 18, so 4 is not a common factor of 12 and 18.", nullptr, nullptr},
    {u"Common Multiple", nullptr,
     u"A common multiple of two or more whole numbers is a number that is a multiple of each of them.",
     u"Multiples of 4: 4, 8, 12, 16, 20, 24; multiples of 6: 6, 12, 18, 24; so 12 and 24 are common multiples "
     u"of 4 and 6.",
     u"16 is a multiple of 4 but not of 6, so 16 is not a common multiple of 4 and 6.", nullptr, nullptr},
    {u"Congruent", nullptr,
     u"Congruent figures have exactly the same shape and the same size, so one fits exactly on top of the other.",
     u"Two triangles that both have sides of 3 cm, 4 cm and 5 cm are congruent.",
     u"A triangle with sides of 6 cm, 8 cm and 10 cm has the same shape but is twice as big: it is similar, "
     u"not congruent.",
     nullptr, nullptr},
    {u"Degree", nullptr,
     u"A degree (°) is the unit for measuring angles: one full turn is 360°.",
     u"A quarter turn is 360° ÷ 4 = 90°, a right angle; a half turn is 360° ÷ 2 = 180°, a straight angle.",
     u"Degrees also measure temperature: water freezes at 0 °C, which is 32 °F.", nullptr, nullptr},
    {u"Denominator", nullptr,
     u"The denominator is the bottom number of a fraction; it tells how many equal parts the whole is divided "
     u"into.",
     u"In 3/4 the denominator is 4: the whole is divided into 4 equal parts.",
     u"The bigger the denominator, the smaller each part: 1/8 is less than 1/4.", u"denominator-parts.svg",
     u"denominator-sizes.svg"},
    {u"Diameter", nullptr,
     u"A diameter of a circle is a line segment through the center with both ends on the circle; it is twice "
     u"as long as the radius.",
     u"A circle with radius 6 cm has diameter 2 × 6 = 12 cm.",
     u"A segment with both ends on the circle that misses the center is shorter than the diameter, so it is "
     u"not a diameter.",
     u"diameter.svg", nullptr},
    {u"Difference", nullptr,
     u"The difference of two numbers is the result of subtracting one from the other.",
     u"The difference of 15 and 9 is 15 - 9 = 6.",
     u"Order matters: 9 - 15 = -6, not 6.", nullptr, nullptr},
    {u"Distributive Law", nullptr,
     u"The distributive law says that multiplying a number by a sum gives the same result as multiplying it by "
     u"each part of the sum and then adding: a × (b + c) = a × b + a × c.",
     u"3 × (4 + 2) = 3 × 4 + 3 × 2 = 12 + 6 = 18, and 3 × 6 is 18 too.",
     u"It makes mental math easier: 7 × 23 = 7 × 20 + 7 × 3 = 140 + 21 = 161.", u"distributive-law.svg",
     nullptr},
    {u"Equivalent Fractions", nullptr,
     u"Equivalent fractions are fractions that name the same amount, although their numerators and "
     u"denominators are different.",
     u"1/2 = 2/4 = 3/6 = 50/100: multiply (or divide) the numerator and the denominator by the same number, "
     u"but never by 0.",
     u"2/3 and 3/4 are not equivalent: 2/3 = 8/12 but 3/4 = 9/12.", u"equivalent-fractions.svg", nullptr},
    {u"Equilateral Triangle", nullptr,
     u"An equilateral triangle is a triangle whose three sides are all the same length; each of its three "
     u"angles is 60°.",
     u"A triangle with sides of 5 cm, 5 cm and 5 cm is equilateral; its perimeter is 3 × 5 = 15 cm.",
     u"A triangle with sides of 5 cm, 5 cm and 3 cm is isosceles, not equilateral.", nullptr, nullptr},
    {u"Euler's Theorom on Polyhedra", u"Euler's Theorem on Polyhedra",
     u"For every polyhedron without holes (a solid whose faces are flat polygons), the number of faces F plus "
     u"the number of vertices V minus the number of edges E is 2: F + V - E = 2.",
     u"A cube has 6 faces, 8 vertices and 12 edges: 6 + 8 - 12 = 2.",
     u"A square pyramid has 5 faces, 5 vertices and 8 edges: 5 + 5 - 8 = 2 again.", nullptr, nullptr},
    {u"Even Number", nullptr,
     u"An even number is a whole number that can be divided by 2 with no remainder.",
     u"0, 2, 4, 16 and 138 are even; every even number ends in 0, 2, 4, 6 or 8.",
     u"7 is not even: 7 ÷ 2 = 3 remainder 1.", nullptr, nullptr},
    {u"Exponent", nullptr,
     u"An exponent is the small raised number that tells how many times the base is used as a factor.",
     u"In 2³ the base is 2 and the exponent is 3: 2³ = 2 × 2 × 2 = 8.",
     u"2³ does not mean 2 × 3: 2 × 3 is 6, but 2³ is 8.", u"exponent.svg", nullptr},
    {u"Factor", nullptr,
     u"A factor of a whole number is a whole number that divides it exactly, with no remainder.",
     u"The factors of 12 are 1, 2, 3, 4, 6 and 12; for example 12 ÷ 3 = 4.",
     u"5 is not a factor of 12: 12 ÷ 5 = 2 remainder 2.", nullptr, nullptr},
    {u"Factorial", nullptr,
     u"The factorial of a whole number n, written n!, is the product of all the whole numbers from 1 up to n.",
     u"5! = 5 × 4 × 3 × 2 × 1 = 120.",
     u"By agreement 0! = 1, and 1! = 1 as well.", nullptr, nullptr},
    {u"Fraction", nullptr,
     u"A fraction names a part of a whole: the denominator (bottom number) tells how many equal parts make the "
     u"whole, and the numerator (top number) tells how many of those parts are taken.",
     u"3/8 of a pizza: the pizza is cut into 8 equal slices and 3 of them are taken.",
     u"A fraction whose numerator is equal to or bigger than its denominator, such as 7/4, is an improper "
     u"fraction.",
     u"fraction-pizza.svg", u"fraction-number-line.svg"},
    {u"Golden Section or Golden Ratio", nullptr,
     u"The golden ratio, about 1.618, is what you get when you divide a length into two parts so that the "
     u"whole length divided by the longer part equals the longer part divided by the shorter part.",
     u"Split 16.18 cm into 10 cm and 6.18 cm: 16.18 ÷ 10 = 1.618 and 10 ÷ 6.18 is about 1.618 too.",
     u"A rectangle whose length is 1.618 times its width is a golden rectangle; the golden ratio is also "
     u"called the {s10:divine proportion}.",
     u"golden-rectangle.svg", u"golden-section.svg"},
    {u"Greatest Common Factor", nullptr,
     u"The greatest common factor (GCF) of two or more whole numbers is the largest number that is a factor of "
     u"each of them.",
     u"Factors of 12: 1, 2, 3, 4, 6, 12; factors of 18: 1, 2, 3, 6, 9, 18; so the GCF of 12 and 18 is 6.",
     u"The GCF reduces a fraction to lowest terms in one step: 12/18 = (12 ÷ 6)/(18 ÷ 6) = 2/3.", nullptr,
     nullptr},
    {u"Heron's Formula", nullptr,
     u"Heron's formula gives the area of a triangle from the lengths of its sides a, b and c: first find "
     u"s = (a + b + c) ÷ 2, then Area = the square root of s × (s - a) × (s - b) × (s - c).",
     u"Sides 13, 14 and 15: s = 42 ÷ 2 = 21, and Area = the square root of (21 × 8 × 7 × 6) = the square "
     u"root of 7,056 = 84.",
     u"The number s is half the perimeter, so it is sometimes called the semiperimeter.", u"herons-formula.svg",
     nullptr},
    {u"Inequality", nullptr,
     u"An inequality is a statement that two amounts are not equal, using a sign such as < (is less than) or "
     u"> (is greater than).",
     u"3 < 8 and 10 > -2 are true inequalities; x + 1 > 5 is true for every x greater than 4.",
     u"The sign opens toward the larger number: 8 > 3 and 3 < 8 say the same thing.", nullptr, nullptr},
    {u"Integer", nullptr,
     u"An integer is a whole number or the opposite of a whole number: ..., -3, -2, -1, 0, 1, 2, 3, ...",
     u"-12, 0 and 47 are integers.",
     u"1/2, 0.75 and -2.5 are not integers.", nullptr, nullptr},
    {u"Isosceles Triangle", nullptr,
     u"An isosceles triangle is a triangle with at least two sides of the same length; the angles opposite "
     u"those sides are equal too.",
     u"A triangle with sides of 5 cm, 5 cm and 8 cm is isosceles, and its two base angles are equal.",
     u"An equilateral triangle, with all three sides equal, is a special isosceles triangle.",
     u"isosceles-triangle.svg", nullptr},
    {u"Least Common Denominator (LCD)", nullptr,
     u"The least common denominator (LCD) of two or more fractions is the least common multiple of their "
     u"denominators.",
     u"For 1/4 + 1/6 the LCD is 12: 1/4 + 1/6 = 3/12 + 2/12 = 5/12.",
     u"24 is also a common denominator of 1/4 and 1/6, but not the least one.", nullptr, nullptr},
    {u"Least Common Multiple (LCM)", u"Least Common miultiple (LCM)",
     u"The least common multiple (LCM) of two or more whole numbers is the smallest number that is a multiple "
     u"of each of them.",
     u"Multiples of 4: 4, 8, 12, 16, 20, 24; multiples of 6: 6, 12, 18, 24; so the LCM of 4 and 6 is 12.",
     u"The LCM of 4 and 6 is not 4 × 6 = 24: 24 is a common multiple, but not the least one.", nullptr,
     nullptr},
    {u"Line", nullptr,
     u"A line is a straight path of points that goes on forever in both directions; it has no endpoints and "
     u"no thickness.",
     u"Exactly one line passes through the points (0, 0) and (1, 2), and it also passes through (2, 4) and "
     u"(3, 6).",
     u"A line segment has two endpoints and a ray has one, so neither of them is a line.", nullptr, nullptr},
    {u"Line Segment", nullptr,
     u"A line segment is the part of a line between two endpoints, so it has a length that can be measured.",
     u"The segment from the 2 cm mark to the 9 cm mark of a ruler is 9 - 2 = 7 cm long.",
     u"A line goes on forever, so it has no endpoints and its length cannot be measured.", nullptr, nullptr},
    {u"Mean", nullptr,
     u"The mean of a set of numbers is their sum divided by how many numbers there are; it is the usual "
     u"average.",
     u"Test scores of 80, 90, 75 and 95 have the mean (80 + 90 + 75 + 95) ÷ 4 = 340 ÷ 4 = 85.",
     u"One very large or very small number can pull the mean away from most of the others.", nullptr, nullptr},
    {u"Median", nullptr,
     u"The median is the middle number of a set of numbers put in order; when there are two middle numbers, "
     u"it is the mean of those two.",
     u"3, 9, 4, 7, 5 in order is 3, 4, 5, 7, 9, so the median is 5; the median of 2, 4, 6, 10 is "
     u"(4 + 6) ÷ 2 = 5.",
     u"Order the numbers first: the middle of 3, 9, 4, 7, 5 as written is 4, which is not the median.", nullptr,
     nullptr},
    {u"Mixed Number", nullptr,
     u"A mixed number is a whole number and a proper fraction (a fraction less than 1) written together.",
     u"2 3/4 means 2 + 3/4; as an improper fraction it is (2 × 4 + 3)/4 = 11/4.",
     u"11/4 is an improper fraction, not a mixed number, although it names the same amount.",
     u"mixed-number.svg", nullptr},
    {u"Mode", nullptr,
     u"The mode is the number that appears most often in a set of numbers.",
     u"In 2, 3, 3, 5, 7, 3, 5 the mode is 3, because 3 appears three times.",
     u"A set can have more than one mode, or none: in 1, 2, 3, 4 no number appears more often than another.",
     nullptr, nullptr},
    {u"Multiple", nullptr,
     u"A multiple of a number is the product of that number and a counting number (1, 2, 3, 4, ...).",
     u"The first multiples of 6 are 6, 12, 18, 24 and 30; 42 is a multiple of 6 because 6 × 7 = 42.",
     u"20 is not a multiple of 6: 20 ÷ 6 = 3 remainder 2.", nullptr, nullptr},
    {u"Number Line", nullptr,
     u"A number line is a straight line with numbers marked at equal distances, smaller numbers to the left "
     u"and larger numbers to the right.",
     u"On a number line -3 lies 3 units to the left of 0, and 2.5 lies halfway between 2 and 3.",
     u"A number to the left is always smaller: -5 < -1, because -5 lies to the left of -1.",
     u"number-line.svg", nullptr},
    {u"Numerator", nullptr,
     u"The numerator is the top number of a fraction; it tells how many of the equal parts are taken.",
     u"In 3/4 the numerator is 3: 3 of the 4 equal parts are taken.",
     u"A numerator of 0 means no part is taken: 0/4 = 0.", u"numerator.svg", nullptr},
    {u"Obtuse Angle", nullptr,
     u"An obtuse angle is an angle that measures more than 90° and less than 180°.",
     u"Angles of 100°, 135° and 179° are obtuse.",
     u"90° is a right angle and 180° is a straight angle; neither of them is obtuse.", nullptr, nullptr},
    {u"Odd Number", nullptr,
     u"An odd number is a whole number that leaves a remainder of 1 when it is divided by 2.",
     u"1, 7, 15 and 203 are odd; every odd number ends in 1, 3, 5, 7 or 9.",
     u"0 is even, not odd: 0 ÷ 2 = 0 with no remainder.", nullptr, nullptr},
    {u"Ordered pair", u"Ordered Pair",
     u"An ordered pair is two numbers written in a fixed order, (x, y), that give the position of a point on a "
     u"coordinate grid.",
     u"(2, 5) is the point 2 units to the right of the origin (0, 0) and 5 units up.",
     u"(5, 2) is a different point: the order matters.", nullptr, nullptr},
    {u"Order of Operations", nullptr,
     u"The order of operations is the agreed order for working out an expression: parentheses first, then "
     u"exponents, then multiplication and division from left to right, then addition and subtraction from left "
     u"to right.",
     u"3 + 4 × 2² = 3 + 4 × 4 = 3 + 16 = 19.",
     u"Adding first gives (3 + 4) × 4 = 28, which is wrong. To remember the order: "
     u"{s10:Please Excuse My Dear Aunt Sally}.",
     nullptr, nullptr},
    {u"Parallel", nullptr,
     u"Parallel lines are lines in the same plane that never meet, because they stay the same distance apart.",
     u"The long sides of a rectangle 8 cm by 3 cm are parallel: they stay 3 cm apart all along.",
     u"Two lines that cross are not parallel; lines that cross at a right angle are perpendicular.", nullptr,
     nullptr},
    {u"Parallelogram", nullptr,
     u"A parallelogram is a quadrilateral whose opposite sides are parallel; its opposite sides are also "
     u"equal in length.",
     u"A parallelogram with base 8 cm and height 5 cm has area 8 × 5 = 40 cm²; if its slanted sides are 6 cm, "
     u"its perimeter is 8 + 6 + 8 + 6 = 28 cm.",
     u"Rectangles and squares are special parallelograms; a trapezoid, with only one pair of parallel sides, "
     u"is not a parallelogram.",
     nullptr, nullptr},
    {u"Pascal's Triangle", nullptr,
     u"Pascal's triangle is a triangle of numbers with 1 at the top and at both ends of every row, in which "
     u"every other number is the sum of the two numbers just above it.",
     u"The first rows are 1; 1 1; 1 2 1; 1 3 3 1; 1 4 6 4 1, where 4 = 1 + 3 and 6 = 3 + 3.",
     u"The numbers of each row add up to a power of 2: 1 + 4 + 6 + 4 + 1 = 16 = 2 × 2 × 2 × 2.", nullptr,
     nullptr},
    {u"Percent", nullptr,
     u"Percent means \"per hundred\": a percent compares a number to 100 and is written with the sign %.",
     u"25% = 25/100 = 0.25 = 1/4, so 25% of $80 is 0.25 × $80 = $20.",
     u"50% of an amount is half of it, and 100% is the whole amount.", nullptr, nullptr},
    {u"Perimeter", nullptr,
     u"The perimeter of a flat figure is the distance all the way around it: the sum of the lengths of its "
     u"sides.",
     u"A rectangle 5 cm long and 3 cm wide has perimeter 5 + 3 + 5 + 3 = 16 cm.",
     u"A triangle with sides of 3 cm, 4 cm and 5 cm has perimeter 3 + 4 + 5 = 12 cm. Do not confuse "
     u"perimeter with area: the rectangle has area 5 × 3 = 15 cm².",
     u"perimeter-rectangle.svg", u"perimeter-triangle.svg"},
    {u"Perpendicular", nullptr,
     u"Perpendicular lines are lines that meet at a right angle (90°).",
     u"Each side of a rectangle 6 cm by 4 cm is perpendicular to the sides next to it: they meet at 90°.",
     u"Two lines that cross at 60° are not perpendicular.", nullptr, nullptr},
    {u"Pi", nullptr,
     u"Pi ({s8:p}) is the circumference of any circle divided by its diameter; it is a little more than 3.",
     u"Pi is about 3.14, or 22/7; to five decimal places it is 3.14159, and its digits never end or repeat.",
     u"A circle with diameter 7 cm has circumference {s8:p} × 7, which is about 22 cm.", u"pi.svg", nullptr},
    {u"Polygon", nullptr,
     u"A polygon is a closed flat figure made of three or more straight sides that meet only at their "
     u"endpoints.",
     u"A triangle (3 sides), a square (4 sides), a pentagon (5 sides) and a hexagon (6 sides) are polygons.",
     u"A circle is not a polygon, because it has no straight sides; neither is a figure with a gap in it.",
     nullptr, nullptr},
    {u"Plane", nullptr,
     u"A plane is a flat surface that goes on forever in all directions and has no thickness.",
     u"A coordinate grid is part of a plane: the points (0, 0), (4, 0) and (0, 3) all lie on it, and the grid "
     u"could be drawn on forever in every direction.",
     u"A tabletop is a model of a small part of a plane.", nullptr, nullptr},
    {u"Power", nullptr,
     u"A power is a product of equal factors, written with a base and an exponent: the exponent tells how "
     u"many times the base is used as a factor.",
     u"10³ = 10 × 10 × 10 = 1,000 is the third power of 10, and 5² = 5 × 5 = 25 is read \"5 squared\".",
     u"Any number to the power 1 is itself: 7¹ = 7.", nullptr, nullptr},
    {u"Prime Number", nullptr,
     u"A prime number is a whole number greater than 1 whose only factors are 1 and itself.",
     u"2, 3, 5, 7, 11, 13 and 29 are prime numbers; 2 is the only even prime.",
     u"9 is not prime but composite, because 9 = 3 × 3; the number 1 is neither prime nor composite.", nullptr,
     nullptr},
    {u"Product", nullptr,
     u"The product is the result of multiplying numbers.",
     u"The product of 6 and 7 is 6 × 7 = 42.",
     u"The product of any number and 0 is 0.", nullptr, nullptr},
    {u"Proportion", nullptr,
     u"A proportion is an equation that says two ratios are equal.",
     u"2/3 = 4/6 is a proportion, and its cross products are equal: 2 × 6 = 3 × 4 = 12.",
     u"If 2 notebooks cost $3, then 6 notebooks cost $9, because 2/3 = 6/9.", u"proportion.svg", nullptr},
    {u"Quadrilateral", nullptr,
     u"A quadrilateral is a polygon with four sides and four angles.",
     u"Squares, rectangles, parallelograms and trapezoids are quadrilaterals; the four angles of a "
     u"quadrilateral add up to 360°.",
     u"A triangle (3 sides) and a pentagon (5 sides) are not quadrilaterals.", nullptr, nullptr},
    {u"Quotient", nullptr,
     u"The quotient is the result of dividing one number by another.",
     u"In 56 ÷ 8 = 7 the quotient is 7; 17 ÷ 5 gives the quotient 3 with a remainder of 2.",
     u"No number can be divided by 0, so 5 ÷ 0 has no quotient.", nullptr, nullptr},
    {u"Radius", nullptr,
     u"A radius of a circle is a line segment from the center to a point on the circle; its length is half the "
     u"diameter.",
     u"A circle with diameter 10 cm has radius 10 ÷ 2 = 5 cm.",
     u"All the radii (the plural of radius) of one circle have the same length.", u"radius.svg", nullptr},
    {u"Range", nullptr,
     u"The range of a set of numbers is the difference between the largest and the smallest number.",
     u"For 4, 11, 7, 2 and 9 the range is 11 - 2 = 9.",
     u"The range shows how spread out the numbers are, not where their middle is.", nullptr, nullptr},
    {u"Rational Number", nullptr,
     u"A rational number is a number that can be written as a fraction a/b of two integers, where b is not 0.",
     u"3/4, -2 = -2/1, 0.5 = 1/2 and 2 1/3 = 7/3 are rational numbers.",
     u"{s8:p} is not rational: it cannot be written as a fraction of two integers.", nullptr, nullptr},
    {u"Ratio", nullptr,
     u"A ratio compares two quantities by division and is written as 3 to 4, 3:4 or 3/4.",
     u"A class with 12 girls and 15 boys has a ratio of girls to boys of 12:15, which is 4:5 in lowest terms.",
     u"The order matters: the ratio of boys to girls is 15:12, or 5:4.", nullptr, nullptr},
    {u"Real Number", nullptr,
     u"A real number is any number that stands for a point on the number line.",
     u"-7, 0, 3/8 and 2.75 are real numbers.",
     u"The square root of 2 and {s8:p} are real numbers too, although they are not rational.", nullptr,
     nullptr},
    {u"Rectangle", nullptr,
     u"A rectangle is a quadrilateral with four right angles; its opposite sides are equal and parallel.",
     u"A rectangle 7 cm by 4 cm has perimeter 7 + 4 + 7 + 4 = 22 cm and area 7 × 4 = 28 cm².",
     u"A square is a rectangle whose four sides are all equal.", nullptr, nullptr},
    {u"Reducing Fractions", nullptr,
     u"Reducing a fraction means dividing its numerator and denominator by a common factor until 1 is their "
     u"only common factor; the fraction is then in lowest terms.",
     u"The GCF of 12 and 18 is 6, so 12/18 = (12 ÷ 6)/(18 ÷ 6) = 2/3.",
     u"Reducing does not change the amount: 12/18 and 2/3 are equivalent fractions.", nullptr, nullptr},
    {u"Right Angle", nullptr,
     u"A right angle is an angle that measures exactly 90°, a quarter of a full turn.",
     u"Two right angles side by side make a straight angle: 90° + 90° = 180°.",
     u"An angle of 89° is acute and one of 91° is obtuse; only exactly 90° is a right angle.", nullptr,
     nullptr},
    {u"Right Triangle", nullptr,
     u"A right triangle is a triangle with one right angle; the side opposite the right angle, the hypotenuse, "
     u"is its longest side.",
     u"A triangle with sides of 3 cm, 4 cm and 5 cm is a right triangle: its 3 cm and 4 cm sides meet at a "
     u"right angle, and the 5 cm side is the hypotenuse.",
     u"Its area is half the product of the two shorter sides: (3 × 4) ÷ 2 = 6 cm².", nullptr, nullptr},
    {u"Scalene Triangle", nullptr,
     u"A scalene triangle is a triangle whose three sides all have different lengths.",
     u"A triangle with sides of 4 cm, 6 cm and 7 cm is scalene.",
     u"A triangle with sides of 4 cm, 4 cm and 7 cm is isosceles, not scalene.", nullptr, nullptr},
    {u"Similar Figures", nullptr,
     u"Similar figures have the same shape but not always the same size: their angles are equal and their "
     u"sides are in proportion.",
     u"Triangles with sides 3, 4, 5 and 6, 8, 10 are similar: each side of the second is 2 times the matching "
     u"side of the first.",
     u"Congruent figures are similar figures that also have the same size.", nullptr, nullptr},
    {u"Square Root", nullptr,
     u"A square root of a number is a number that, multiplied by itself, gives that number.",
     u"The square root of 49 is 7, because 7 × 7 = 49; the square root of 2.25 is 1.5.",
     u"(-7) × (-7) = 49 as well, so -7 is also a square root of 49, but \"the square root\" means the positive "
     u"one, 7.",
     nullptr, nullptr},
    {u"Triangle", nullptr,
     u"A triangle is a polygon with three sides and three angles, and its three angles always add up to 180°.",
     u"A triangle with angles of 50° and 60° has a third angle of 180° - 50° - 60° = 70°.",
     u"Sticks of 2 cm, 3 cm and 6 cm cannot make a triangle, because 2 + 3 is less than 6.", nullptr, nullptr},
    {u"Sum", nullptr,
     u"The sum is the result of adding numbers.",
     u"The sum of 8, 5 and 12 is 8 + 5 + 12 = 25.",
     u"The order does not change a sum: 8 + 5 = 5 + 8 = 13.", nullptr, nullptr},
    {u"Vertex", nullptr,
     u"A vertex is a corner point: the point where the two rays of an angle, two sides of a polygon, or the "
     u"edges of a solid meet.",
     u"A triangle has 3 vertices, a square has 4 and a cube has 8.",
     u"The plural of vertex is vertices.", nullptr, nullptr},
    {u"Volume", nullptr,
     u"Volume is the amount of space a solid takes up, measured in cubic units.",
     u"A box 5 cm long, 3 cm wide and 2 cm high has volume 5 × 3 × 2 = 30 cubic centimeters (30 cm³).",
     u"One cubic centimeter holds 1 milliliter, so this box has a capacity of 30 mL.", nullptr, nullptr},
}};

QString str(const char16_t* text) { return text ? QString::fromUtf16(text) : QString(); }

} // namespace

std::span<const Entry> entries() { return kEntries; }

QString heading(const Entry& e) { return str(e.heading ? e.heading : e.term); }

std::vector<QString> illustrations(const Entry& e)
{
    std::vector<QString> out;
    for (const char16_t* p : {e.picture1, e.picture2})
        if (p)
            out.push_back(str(kPictureFolder) + str(p));
    return out;
}

std::vector<Line> lines(const char16_t* markup, int baseStyle)
{
    std::vector<Line> out(1);
    const QString text = str(markup);
    QString plain;
    const auto flush = [&] {
        if (!plain.isEmpty())
            out.back().push_back({plain, baseStyle});
        plain.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\n') {
            flush();
            out.emplace_back();
        } else if (c == u'{' && text.mid(i, 2) == u"{s") {
            const qsizetype colon = text.indexOf(u':', i);
            const qsizetype close = text.indexOf(u'}', i);
            bool ok = false;
            const int style = colon > i ? text.mid(i + 2, colon - i - 2).toInt(&ok) : -1;
            if (!ok || close < colon || style < 0)
                throw Error(QStringLiteral("Run not closed or without a style in \"%1\"").arg(text));
            flush();
            out.back().push_back({text.mid(colon + 1, close - colon - 1), style});
            i = close;
        } else {
            plain += c;
        }
    }
    flush();
    return out;
}

} // namespace tv::glossary
