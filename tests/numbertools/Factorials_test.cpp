#include "numbertools/Factorials.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>

#include <limits>

using namespace tv;

TEST(FactorialTable, TwentyRowsUpToTheLargest64BitFactorial)
{
    const auto rows = factorialTable();
    ASSERT_EQ(rows.size(), 20u);
    std::int64_t expected = 1;
    for (int i = 0; i < 20; ++i) {
        expected *= i + 1;
        EXPECT_EQ(rows[i].n, i + 1);
        EXPECT_EQ(rows[i].value, expected);
    }
    EXPECT_EQ(rows.back().value, 2432902008176640000LL);
    // 21! would not fit.
    EXPECT_GT(21.0L * rows.back().value, static_cast<long double>(std::numeric_limits<std::int64_t>::max()));
}

TEST(LargeFactorial, SmallValuesAndTheirLengthLines)
{
    LargeFactorial f = largeFactorial(1);
    EXPECT_EQ(f.digits, QStringLiteral("1"));
    EXPECT_EQ(f.lengthLine, QStringLiteral("1! is 1 digits long."));
    f = largeFactorial(10);
    EXPECT_EQ(f.digits, QStringLiteral("3, 628, 800"));
    EXPECT_EQ(f.lengthLine, QStringLiteral("10! is 7 digits long."));
    f = largeFactorial(13);
    EXPECT_EQ(f.digits, QStringLiteral("6, 227, 020, 800"));
    EXPECT_EQ(f.digitCount, 10);
    EXPECT_EQ(largeFactorial(5).digits, QStringLiteral("120"));
    EXPECT_EQ(largeFactorial(6).digits, QStringLiteral("720"));
    EXPECT_EQ(largeFactorial(7).digits, QStringLiteral("5, 040"));
    EXPECT_EQ(largeFactorial(0).digits, QStringLiteral("1"));
    EXPECT_EQ(largeFactorial(0).lengthLine, QStringLiteral("0! is 1 digits long."));
}

TEST(LargeFactorial, NineHundredNinetyNine)
{
    const LargeFactorial f = largeFactorial(999);
    EXPECT_EQ(f.digitCount, 2565);
    EXPECT_EQ(f.lengthLine, QStringLiteral("999! is 2565 digits long."));
    const QStringList groups = f.digits.split(QStringLiteral(", "));
    ASSERT_EQ(groups.size(), 855); // 2565 = 3 * 855
    for (const QString& g : groups)
        ASSERT_EQ(g.size(), 3);
    QString plain = groups.join(QString());
    EXPECT_TRUE(plain.startsWith(QStringLiteral("402387260077")));
    EXPECT_EQ(plain.size() - 1 - plain.lastIndexOf(QRegularExpression(QStringLiteral("[1-9]"))), 246);
    // The first group is short when the count is not a multiple of three.
    for (int n = 1; n <= 60; ++n) {
        const LargeFactorial g = largeFactorial(n);
        const int head = g.digitCount % 3 == 0 ? 3 : g.digitCount % 3;
        const QStringList parts = g.digits.split(QStringLiteral(", "));
        ASSERT_EQ(parts.front().size(), head) << n;
        ASSERT_EQ(parts.size(), (g.digitCount + 2) / 3) << n;
    }
}
