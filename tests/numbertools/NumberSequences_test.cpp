#include "numbertools/NumberSequences.h"
#include "ui/Conversions.h"
#include "ui/Errors.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <vector>

using namespace tv;

namespace {

template <typename F>
QString failureOf(F&& f)
{
    try {
        f();
    } catch (const Error& e) {
        return e.message();
    }
    return QStringLiteral("<no failure>");
}

// Decimal doubling on text, independent of the big-number type.
QString doubled(const QString& digits)
{
    QString out;
    int carry = 0;
    for (int i = digits.size() - 1; i >= 0; --i) {
        const int d = (digits[i].unicode() - u'0') * 2 + carry;
        out.prepend(QChar(u'0' + d % 10));
        carry = d / 10;
    }
    if (carry)
        out.prepend(QChar(u'0' + carry));
    return out;
}

std::vector<bool> sieve(int limit)
{
    std::vector<bool> prime(limit + 1, true);
    prime[0] = prime[1] = false;
    for (int p = 2; p * p <= limit; ++p)
        if (prime[p])
            for (int q = p * p; q <= limit; q += p)
                prime[q] = false;
    return prime;
}

} // namespace

TEST(Pentagonal, RowsAreSumsOfEveryThirdNumber)
{
    const std::int64_t firstFive[] = {1, 5, 12, 22, 35};
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(pentagonalNumber(n), firstFive[n - 1]);
    std::int64_t sum = 0;
    for (int n = 1; n <= PentagonalRows; ++n) {
        sum += 3 * n - 2;
        ASSERT_EQ(pentagonalNumber(n), sum) << n;
    }
    EXPECT_EQ(pentagonalNumber(PentagonalRows), 374750);
}

TEST(UnitFractions, SplitOneOverAIntoTwoUnitFractions)
{
    EXPECT_EQ(splitUnitFraction(1).first, 2);
    EXPECT_EQ(splitUnitFraction(1).second, 2);
    EXPECT_EQ(splitUnitFraction(4).first, 5);
    EXPECT_EQ(splitUnitFraction(4).second, 20);
    // 1/a = 1/d1 + 1/d2  <=>  d1·d2 = a·(d1 + d2), checked in 128 bits.
    for (std::int32_t a : {2, 7, 46341, 100000, 2147483647}) {
        const UnitFractionSplit s = splitUnitFraction(a);
        EXPECT_EQ(Int128{s.first} * s.second, Int128{a} * (Int128{s.first} + s.second)) << a;
    }
    EXPECT_EQ(splitUnitFraction(2147483647).second, 4611686016279904256LL);
}

TEST(SquareRoots, RangeAndTexts)
{
    EXPECT_EQ(squareRootRange(5, 4).count, 0);
    EXPECT_EQ(squareRootRange(-5, -6).count, 0);
    EXPECT_EQ(squareRootRange(1, 100).first, 1);
    EXPECT_EQ(squareRootRange(1, 100).count, 100);
    EXPECT_EQ(squareRootRange(0, 2147483647).count, 2147483648LL);
    EXPECT_EQ(failureOf([] { squareRootRange(-1, 10); }), QStringLiteral("Invalid floating point operation"));
    EXPECT_EQ(squareRootText(2), QStringLiteral("1.4142135623731"));
    EXPECT_EQ(squareRootText(0), QStringLiteral("0"));
    for (std::int64_t k = 1; k <= 46340; k += 7)
        ASSERT_EQ(squareRootText(k * k), QString::number(k)) << k;
    EXPECT_EQ(squareRootText(2147483647), QStringLiteral("46340.950001052"));
}

TEST(Fibonacci, NinetyRowsFromTwo)
{
    const std::vector<FibonacciRow> rows = fibonacciRows();
    ASSERT_EQ(rows.size(), 90u);
    EXPECT_EQ(rows[0].value, 2);
    EXPECT_EQ(floatToStr(rows[0].ratio), QStringLiteral("2"));
    EXPECT_EQ(floatToStr(rows[1].ratio), QStringLiteral("1.5"));
    EXPECT_EQ(floatToStr(rows[2].ratio), QStringLiteral("1.66666666666667"));
    EXPECT_EQ(rows[89].value, 7540113804746346429LL);
    EXPECT_EQ(floatToStr(rows[89].ratio), QStringLiteral("1.61803398874989"));
    std::int64_t before = 1, previous = 1;
    for (const FibonacciRow& r : rows) {
        EXPECT_EQ(r.value, before + previous) << r.n;
        before = previous;
        previous = r.value;
    }
}

TEST(FibonacciLike, EveryRowExactForLargeStarts)
{
    // Fibonacci numbers F(1) = F(2) = 1 in 128 bits.
    std::vector<Int128> f(93);
    f[1] = f[2] = 1;
    for (int i = 3; i <= 92; ++i)
        f[i] = f[i - 1] + f[i - 2];
    const std::int64_t starts[][2] = {{2147483647, 2147483647}, {-2147483648LL, 2147483647}, {5, -2}, {0, 1}, {1, 1}};
    for (const auto& s : starts) {
        std::vector<Int128> terms;
        fibonacciLikeRows(s[0], s[1], [&](int, Int128 v) { terms.push_back(v); }, [](int, long double) {});
        ASSERT_EQ(terms.size(), 90u);
        // Term n is F(n)·a + F(n + 1)·b.
        for (int n = 1; n <= 90; ++n)
            ASSERT_EQ(terms[n - 1], f[n] * s[0] + f[n + 1] * s[1]) << n;
    }
    std::vector<Int128> terms;
    fibonacciLikeRows(2147483647, 2147483647, [&](int, Int128 v) { terms.push_back(v); }, [](int, long double) {});
    // F(92) · (2^31 − 1), far past 64 bits.
    EXPECT_EQ(toDecimal(terms.back()), "16192271092211729939274346563");
}

TEST(FibonacciLike, ZeroDivisorStopsAfterItsTerm)
{
    int termCount = 0, ratioCount = 0;
    auto run = [&](std::int64_t a, std::int64_t b) {
        termCount = ratioCount = 0;
        return failureOf([&] {
            fibonacciLikeRows(a, b, [&](int, Int128) { ++termCount; }, [&](int, long double) { ++ratioCount; });
        });
    };
    EXPECT_EQ(run(1, 0), QStringLiteral("Floating point division by zero"));
    EXPECT_EQ(termCount, 1);
    EXPECT_EQ(ratioCount, 0);
    EXPECT_EQ(run(0, 0), QStringLiteral("Invalid floating point operation"));
    EXPECT_EQ(termCount, 1);
    EXPECT_EQ(ratioCount, 0);
    // 1, -1: the first term is 0 (ratio 0), the second divides by it.
    EXPECT_EQ(run(1, -1), QStringLiteral("Floating point division by zero"));
    EXPECT_EQ(termCount, 2);
    EXPECT_EQ(ratioCount, 1);
}

TEST(ChineseSearch, FirstNumberWithBothRemaindersUpToAThousand)
{
    EXPECT_EQ(chineseRemainderSearch(2, 3, 3, 5), 8);
    EXPECT_EQ(chineseRemainderSearch(5, 3, 0, 1), std::nullopt);   // 5 is never a remainder of 3
    EXPECT_EQ(chineseRemainderSearch(0, 999, 999, 1000), 999);
    EXPECT_EQ(chineseRemainderSearch(1, -3, 2, -5), 7);              // remainders take the dividend's sign
    EXPECT_EQ(chineseRemainderSearch(0, 1001, 0, 1), std::nullopt);  // past the last x tried
    EXPECT_EQ(failureOf([] { chineseRemainderSearch(2, 0, 3, 5); }), QStringLiteral("Division by zero"));
    EXPECT_EQ(failureOf([] { chineseRemainderSearch(2, 3, 3, 0); }), QStringLiteral("Division by zero"));
    // The second modulus is only used once the first remainder matches.
    EXPECT_EQ(chineseRemainderSearch(7, 3, 3, 0), std::nullopt);
}

TEST(PowersOfTwoText, EveryValueIsTwiceTheOneBefore)
{
    const QStringList lines = powersOfTwoLines();
    ASSERT_EQ(lines.size(), 444);
    EXPECT_EQ(lines[0], QStringLiteral(" Powers of Two"));
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines.last(), QString());
    const int at10 = lines.indexOf(QStringLiteral("2^10      =    1,024"));
    ASSERT_GT(at10, 0);
    EXPECT_EQ(lines[at10 + 1], QString(17, QLatin1Char(' ')) + QStringLiteral("(4 digits)"));
    EXPECT_EQ(lines[3], QString(17, QLatin1Char(' ')) + QStringLiteral("(1 digits)"));
    const QRegularExpression head(QStringLiteral("^2\\^(\\d+) *=  (.*)$"));
    const QRegularExpression count(QStringLiteral("^ {17}\\((\\d+) digits\\)$"));
    const QRegularExpression groups(QStringLiteral("^[ \\d]{3}(,\\d{3})*,?$"));
    QString expected = QStringLiteral("1");
    int line = 2, twoLineValues = 0;
    for (int n = 1; n <= 200; ++n) {
        const QRegularExpressionMatch m = head.match(lines[line]);
        ASSERT_TRUE(m.hasMatch()) << lines[line].toStdString();
        ASSERT_EQ(m.captured(1).toInt(), n);
        EXPECT_EQ(lines[line].indexOf(QLatin1Char('=')), 10);
        QString value = m.captured(2);
        EXPECT_TRUE(groups.match(value).hasMatch()) << value.toStdString();
        ++line;
        while (lines[line].startsWith(QString(17, QLatin1Char(' '))) && !count.match(lines[line]).hasMatch()) {
            EXPECT_TRUE(value.endsWith(QLatin1Char(','))); // a full line ends with its comma
            EXPECT_EQ(value.count(QLatin1Char(',')), 16);
            value += lines[line].mid(17);
            ++line;
            ++twoLineValues;
        }
        const QRegularExpressionMatch c = count.match(lines[line]);
        ASSERT_TRUE(c.hasMatch()) << lines[line].toStdString();
        ++line;
        const QString digits = value.remove(QLatin1Char(',')).trimmed();
        expected = doubled(expected);
        ASSERT_EQ(digits, expected) << n;
        EXPECT_EQ(c.captured(1).toInt(), digits.size());
    }
    EXPECT_EQ(twoLineValues, 41); // 2^160 .. 2^200 have more than 48 digits
    EXPECT_EQ(line, 443);
}

TEST(OddPrimesText, SevenToALineWithPositions)
{
    const QStringList lines = oddPrimeLines();
    ASSERT_EQ(lines.size(), 1 + 388);
    EXPECT_EQ(lines[0], QString());
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("   2710:")));
    EXPECT_TRUE(lines.last().endsWith(QStringLiteral("     24481")));
    const std::vector<bool> prime = sieve(24481);
    std::vector<int> listed;
    for (int i = 1; i < lines.size(); ++i) {
        const QString& l = lines[i];
        ASSERT_EQ(l.size(), 8 + 7 * 10) << i;
        EXPECT_EQ(l.left(7).trimmed().toInt(), static_cast<int>(listed.size()) + 1);
        EXPECT_EQ(l[7], QLatin1Char(':'));
        for (int k = 0; k < 7; ++k)
            listed.push_back(l.mid(8 + 10 * k, 10).trimmed().toInt());
    }
    std::vector<int> oddPrimes;
    for (int p = 3; p <= 24481; ++p)
        if (prime[p])
            oddPrimes.push_back(p);
    EXPECT_EQ(listed, oddPrimes);
    EXPECT_EQ(listed.size(), 2716u);
    EXPECT_EQ(listed[63], 313); // the 64th
    EXPECT_TRUE(lines[10].startsWith(QStringLiteral("     64:       313")));
}

TEST(LucasText, LandmarkLines)
{
    EXPECT_EQ(lucasLine(1), QStringLiteral("1 : 1 = 1"));
    EXPECT_EQ(lucasLine(2), QStringLiteral("2 : 3 = 3    Prime"));
    EXPECT_EQ(lucasLine(6), QStringLiteral("6 : 18 = 2*3^2"));
    EXPECT_EQ(toDecimal(lucasNumber(100)), "792070839848372253127");
    const QStringList lines = lucasLines();
    EXPECT_GE(lines.indexOf(QStringLiteral("n  Ln  Factors of Ln  ")), 0);
    EXPECT_EQ(lines.size() - lines.lastIndexOf(QStringLiteral("1 : 1 = 1")), 100);
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("100 : 792070839848372253127 = ")));
}

TEST(LucasText, FactorisationsMultiplyBackIntoPrimes)
{
    const QRegularExpression line(QStringLiteral("^(\\d+) : (\\d+) = (.*)$"));
    for (int n = 2; n <= 100; ++n) {
        const QRegularExpressionMatch m = line.match(lucasLine(n));
        ASSERT_TRUE(m.hasMatch()) << n;
        EXPECT_EQ(m.captured(1).toInt(), n);
        EXPECT_EQ(m.captured(2).toStdString(), toDecimal(lucasNumber(n)));
        QString rest = m.captured(3);
        const bool markedPrime = rest.endsWith(QStringLiteral("    Prime"));
        if (markedPrime)
            rest.chop(9);
        UInt128 product = 1;
        int primes = 0;
        UInt128 last = 0;
        for (const QString& part : rest.split(QLatin1Char('*'))) {
            const QStringList pk = part.split(QLatin1Char('^'));
            UInt128 p = 0;
            for (QChar c : pk[0])
                p = p * 10 + (c.unicode() - u'0');
            const int k = pk.size() > 1 ? pk[1].toInt() : 1;
            EXPECT_TRUE(isPrime128(p)) << n;
            EXPECT_GT(p, last) << n; // increasing, each prime once
            last = p;
            for (int i = 0; i < k; ++i)
                product *= p;
            primes += k;
        }
        EXPECT_EQ(product, lucasNumber(n)) << n;
        EXPECT_EQ(markedPrime, primes == 1) << n;
    }
}
