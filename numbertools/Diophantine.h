#pragma once
// Integer solutions of A*x + B*y = C as two lines in a parameter k.
// Plain C++ over QString; no widgets.
#include <cstdint>

#include <QString>

namespace tv {

inline const QString DiophantineNoSolution = QStringLiteral("NO SOLUTION EXISTS!");

struct DiophantineSolution {
    enum class Kind {
        Family,     // the lines give x and y for every integer k
        NoSolution, // nothing to show but the warning
        EveryPair,  // 0x + 0y = 0: any x with any y
    };
    Kind kind;
    QString xLine; // "x = -1 + 3k"
    QString yLine; // "y = 2 - 5k"
};

// Solves exactly in 64-bit arithmetic, so no value ever wraps. The
// particular solution comes from the extended Euclidean algorithm started on
// the coefficient of larger magnitude; a zero coefficient leaves the other
// variable free (7x + 0y = 21 gives x = 3 + 0k with y = k up to sign),
// 7x + 0y = 3 has no solution, and 0x + 0y = C is solved by every pair when
// C = 0 and by none otherwise.
DiophantineSolution solveDiophantine(std::int32_t a, std::int32_t b, std::int32_t c);

// The same for the texts of the three boxes, converted in the order A, B, C
// (a bad one raises the conversion error).
DiophantineSolution solveDiophantine(const QString& a, const QString& b, const QString& c);

} // namespace tv
