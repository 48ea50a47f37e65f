#pragma once
// The Magic Factors puzzle: a 3x3 grid of hidden primes, shown only through
// its row and column products, and the judging of the student's grid.
#include "recreations/drills/DrillGames.h"

#include <array>
#include <cstdint>

#include <QString>

namespace tv::factors {

inline constexpr std::array<int, 9> FactorPrimes{2, 3, 5, 7, 11, 13, 17, 19, 23};

struct FactorLevel {
    const char* caption; // the level button's caption
    int primes;          // how many primes from the start of FactorPrimes
};
inline constexpr std::array<FactorLevel, 6> FactorLevels{{
    {"Easy", 2}, {"Moderate", 3}, {"Average", 4}, {"Hard", 5}, {"Very Hard", 7}, {"Highly Difficult", 9}}};

// The comments shown under "Results".
QString welcomeComment();
QString keepTryingComment();
QString wellDoneComment();
QString pickLevelComment();

using Grid = std::array<std::array<int, 3>, 3>; // [row][column]

// Product of three entries, exact; false when it does not fit 64 bits (so
// it cannot equal a product of the hidden primes).
bool exactProduct(int a, int b, int c, std::int64_t& product);

class MagicFactorsPuzzle {
public:
    // Deals a grid of the level with `primes` primes, row by row, left to right.
    void deal(int primes, const drills::RandomBelow& random);

    bool levelPicked() const { return picked_; }
    const Grid& hidden() const { return grid_; }
    // 0 before any level is picked.
    std::int64_t rowProduct(int row) const;
    std::int64_t columnProduct(int column) const;

    // True when the entries give all six products.
    bool matches(const Grid& entered) const;
    // The comment after "Check" with these entries read.
    QString checkComment(const Grid& entered) const;

private:
    Grid grid_{};
    bool picked_ = false;
};

} // namespace tv::factors
