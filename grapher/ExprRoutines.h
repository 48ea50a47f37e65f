#pragma once
// The evaluation routines of the compiled operation list and the built-in
// function tables.
#include "grapher/ExprParser.h"

namespace tv {

// Routine for an operator kind; a bare variable or number gets one that does
// nothing. Function kinds take their routine from the name tables.
TExprRoutine operatorRoutine(int kind);

// A result that is not finite: "Invalid floating point operation" for NaN,
// "Floating point overflow" for an infinity.
[[noreturn, gnu::cold]] void raiseFloatFault(long double v);

// The value function of a routine that is a pure function of its operands:
// the result, a NaN where the routine reports an error, or a throw where it
// throws. False for routines that are not (RND and RANDOM draw random
// numbers) and for routines registered from outside.
bool directFormOf(TExprRoutine routine, TExprKernel1& one, TExprKernel2& two);

// Fills the one- and two-argument tables with the built-in functions.
void registerBuiltinFunctions(TCustomExprParser& parser);

} // namespace tv
