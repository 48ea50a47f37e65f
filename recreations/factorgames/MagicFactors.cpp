#include "recreations/factorgames/MagicFactors.h"

namespace tv::factors {

QString welcomeComment() { return QStringLiteral("     Welcome"); }

QString keepTryingComment()
{
    return QStringLiteral("     Keep Trying!       You can do         better than                this!");
}

QString wellDoneComment()
{
    return QStringLiteral("     Well Done!        You are to be     congratulated!");
}

QString pickLevelComment() { return QStringLiteral("Pick a level of          play first!"); }

bool exactProduct(int a, int b, int c, std::int64_t& product)
{
    std::int64_t ab = 0;
    if (__builtin_mul_overflow(static_cast<std::int64_t>(a), static_cast<std::int64_t>(b), &ab))
        return false;
    return !__builtin_mul_overflow(ab, static_cast<std::int64_t>(c), &product);
}

void MagicFactorsPuzzle::deal(int primes, const drills::RandomBelow& random)
{
    const auto n = static_cast<std::uint32_t>(primes);
    for (auto& row : grid_)
        for (int& cell : row)
            cell = FactorPrimes[random(n) % n];
    picked_ = true;
}

std::int64_t MagicFactorsPuzzle::rowProduct(int row) const
{
    const auto& r = grid_[static_cast<std::size_t>(row)];
    return static_cast<std::int64_t>(r[0]) * r[1] * r[2];
}

std::int64_t MagicFactorsPuzzle::columnProduct(int column) const
{
    const auto c = static_cast<std::size_t>(column);
    return static_cast<std::int64_t>(grid_[0][c]) * grid_[1][c] * grid_[2][c];
}

bool MagicFactorsPuzzle::matches(const Grid& e) const
{
    // Exact products: a wrapped 32-bit product could let a wrong grid pass.
    for (int i = 0; i < 3; ++i) {
        const auto r = static_cast<std::size_t>(i);
        std::int64_t p = 0;
        if (!exactProduct(e[r][0], e[r][1], e[r][2], p) || p != rowProduct(i))
            return false;
    }
    for (int j = 0; j < 3; ++j) {
        const auto c = static_cast<std::size_t>(j);
        std::int64_t p = 0;
        if (!exactProduct(e[0][c], e[1][c], e[2][c], p) || p != columnProduct(j))
            return false;
    }
    return true;
}

QString MagicFactorsPuzzle::checkComment(const Grid& entered) const
{
    if (!picked_)
        return pickLevelComment();
    return matches(entered) ? wellDoneComment() : keepTryingComment();
}

} // namespace tv::factors
