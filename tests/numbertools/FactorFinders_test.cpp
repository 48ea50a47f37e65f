#include "numbertools/FactorFinders.h"

#include "numbertools/unitIsPrime.h"
#include "ui/Errors.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace tv;

namespace {

// Every candidate from 2 to n that IsPrime accepts, divided out while it divides.
QString slowPrimeFactors(std::int32_t n)
{
    QString text;
    if (n > 1) {
        std::int32_t c = n;
        for (std::int32_t p = 2; p <= n; ++p) {
            if (!IsPrime(p))
                continue;
            while (c % p == 0) {
                text += (text.isEmpty() ? QString() : QStringLiteral(", ")) + QString::number(p);
                c /= p;
            }
        }
    }
    return text;
}

} // namespace

TEST(PrimeFactoring, KnownNumbers)
{
    EXPECT_EQ(primeFactorsText(360), QStringLiteral("2, 2, 2, 3, 3, 5"));
    EXPECT_EQ(primeFactorsText(9999991), QStringLiteral("9999991"));
    EXPECT_EQ(primeFactorsText(1048576), QStringList(20, QStringLiteral("2")).join(QStringLiteral(", ")));
    EXPECT_EQ(primeFactorsText(9999999), QStringLiteral("3, 3, 239, 4649"));
    EXPECT_EQ(primeFactorsText(49), QStringLiteral("7, 7"));
    EXPECT_EQ(primeFactorsText(2), QStringLiteral("2"));
    EXPECT_EQ(primeFactorsText(1), QString());
    EXPECT_EQ(primeFactorsText(0), QString());
    EXPECT_EQ(primeFactorsText(-12), QString());
}

TEST(PrimeFactoring, AgreesWithTheCandidateSearchUpTo2000)
{
    for (std::int32_t n = -3; n <= 2000; ++n)
        ASSERT_EQ(primeFactorsText(n), slowPrimeFactors(n)) << n;
}

TEST(PrimeFactoring, EveryFactorisationUpTo200000IsPrimeSortedAndComplete)
{
    // Unique factorisation: primes in order whose product is n is the answer.
    for (std::int32_t n = 2; n <= 200000; ++n) {
        const QStringList parts = primeFactorsText(n).split(QStringLiteral(", "));
        std::int64_t product = 1, last = 0;
        for (const QString& part : parts) {
            const std::int32_t p = part.toInt();
            ASSERT_TRUE(IsPrime(p)) << n;
            ASSERT_LE(last, p) << n;
            last = p;
            product *= p;
        }
        ASSERT_EQ(product, n);
    }
}

TEST(PrimeFactoring, EntryRules)
{
    EXPECT_EQ(primeFactoringResult(QStringLiteral("360")), QStringLiteral("2, 2, 2, 3, 3, 5"));
    EXPECT_EQ(primeFactoringResult(QStringLiteral("12345678")), PrimeFactoringTooBig);
    EXPECT_EQ(PrimeFactoringTooBig, QStringLiteral("WOW! That is just to big for me to handle!"));
    try {
        primeFactoringResult(QString());
        FAIL() << "empty entry accepted";
    } catch (const ConvertError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'' is not a valid integer value"));
    }
    EXPECT_THROW(primeFactoringResult(QStringLiteral("12x")), ConvertError);
}

TEST(AllFactors, ListsAndCounts)
{
    AllFactors f = allFactors(12);
    EXPECT_EQ(f.list, QStringLiteral("1, 2, 3, 4, 6, 12"));
    EXPECT_EQ(f.count, 6);
    f = allFactors(1);
    EXPECT_EQ(f.list, QStringLiteral("1"));
    EXPECT_EQ(f.count, 1);
    f = allFactors(0);
    EXPECT_EQ(f.list, QStringLiteral("1"));
    EXPECT_EQ(f.count, 1);
    f = allFactors(999999937); // a prime
    EXPECT_EQ(f.list, QStringLiteral("1, 999999937"));
    EXPECT_EQ(f.count, 2);
    f = allFactors(735134400);
    EXPECT_EQ(f.count, 1344);
    EXPECT_EQ(f.list.split(QStringLiteral(", ")).size(), 1344);
    EXPECT_TRUE(f.list.startsWith(QStringLiteral("1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 20,")));
    EXPECT_TRUE(f.list.endsWith(QStringLiteral(", 367567200, 735134400")));
    EXPECT_EQ(allFactors(999999999).count, 20);
}

TEST(FactorTree, EveryBranchEndsAtAPrimeAndNothingOverlapsOrLeavesThePicture)
{
    struct Case {
        std::int32_t n;
        QRect area;
        QSize node;
    };
    const Case cases[] = {
        {360, QRect(2, 2, 186, 146), QSize(33, 18)}, // the window's picture
        {97, QRect(0, 0, 100, 40), QSize(30, 18)},   // a prime: the top alone
        {15, QRect(10, 20, 120, 80), QSize(30, 18)},
        {1024, QRect(0, 0, 300, 300), QSize(36, 18)},
        {9699690, QRect(0, 0, 400, 300), QSize(70, 18)}, // 2*3*5*...*19, seven digits
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        const std::vector<FactorTreeNode> nodes = factorTree(c.n, c.area, c.node);
        ASSERT_FALSE(nodes.empty());
        EXPECT_EQ(nodes[0].value, c.n);
        EXPECT_EQ(nodes[0].parent, -1);
        std::vector<std::vector<std::size_t>> children(nodes.size());
        for (std::size_t i = 1; i < nodes.size(); ++i) {
            ASSERT_GE(nodes[i].parent, 0);
            ASSERT_LT(std::size_t(nodes[i].parent), i);
            children[std::size_t(nodes[i].parent)].push_back(i);
        }
        std::int64_t leafProduct = 1;
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            const FactorTreeNode& node = nodes[i];
            EXPECT_EQ(node.box.size(), c.node);
            EXPECT_TRUE(c.area.contains(node.box)) << node.value;
            if (children[i].empty()) {
                EXPECT_TRUE(IsPrime(node.value)) << node.value << " ends a branch";
                leafProduct *= node.value;
            } else {
                ASSERT_EQ(children[i].size(), 2u) << node.value;
                const FactorTreeNode& a = nodes[children[i][0]];
                const FactorTreeNode& b = nodes[children[i][1]];
                EXPECT_EQ(std::int64_t(a.value) * b.value, node.value);
                EXPECT_TRUE(IsPrime(a.value)) << "the prime stands on the left";
                EXPECT_GE(a.box.top(), node.box.bottom()) << "children stand below";
                EXPECT_LT(a.box.left(), b.box.left());
            }
            for (std::size_t j = i + 1; j < nodes.size(); ++j)
                EXPECT_FALSE(node.box.intersects(nodes[j].box)) << node.value << " and " << nodes[j].value;
        }
        EXPECT_EQ(leafProduct, c.n);
    }
}

TEST(FactorTree, TheTreeOf360SplitsDownToFiveWithoutStoppingAt15)
{
    const std::vector<FactorTreeNode> nodes = factorTree(360, QRect(0, 0, 190, 150), QSize(32, 18));
    QStringList values;
    for (const FactorTreeNode& n : nodes)
        values << QString::number(n.value);
    EXPECT_EQ(values.join(QLatin1Char(' ')), QStringLiteral("360 2 180 2 90 2 45 3 15 3 5"));
}

TEST(FactorTree, NothingWhenTheTreeCannotFit)
{
    EXPECT_TRUE(factorTree(1, QRect(0, 0, 190, 150), QSize(32, 18)).empty());
    EXPECT_TRUE(factorTree(1048576, QRect(0, 0, 190, 150), QSize(32, 18)).empty()); // twenty rows
    EXPECT_TRUE(factorTree(7, QRect(0, 0, 20, 150), QSize(32, 18)).empty());
}
