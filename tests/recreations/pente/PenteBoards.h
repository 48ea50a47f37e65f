#pragma once
// Board fillings shared by the engine and window tests.
#include "recreations/pente/PenteU.h"

namespace tv::test {

// Colours alternating along rows, shifted every second row: no five anywhere,
// so a full board of it is a tie.
inline int tiePattern(int x, int y)
{
    return ((y / 2) + x + y) % 2 ? pente::Player1 : pente::Player2;
}

} // namespace tv::test
