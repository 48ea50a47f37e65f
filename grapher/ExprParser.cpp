#include "grapher/ExprParser.h"

#include <cmath>
#include <limits>

#include <QLocale>

#include "grapher/ExprCompiler.h"
#include "grapher/ExprRoutines.h"

namespace tv {

EExpressionHasBlanks::EExpressionHasBlanks()
    : EMathParserError(QStringLiteral("Expression has blanks"))
{
}
EExpressionTooComplex::EExpressionTooComplex()
    : EMathParserError(QStringLiteral("Expression is too complex"))
{
}
ETooManyNestings::ETooManyNestings()
    : EMathParserError(QStringLiteral("Expression contains too many nestings"))
{
}
EMissMatchingBracket::EMissMatchingBracket()
    : EMathParserError(QStringLiteral("Missing brackets in expression"))
{
}
EParserInternalError::EParserInternalError()
    : EMathParserError(QStringLiteral("TParser internal error"))
{
}

TCustomExprParser::TCustomExprParser(QObject* owner) : QObject(owner) {}

TCustomExprParser::~TCustomExprParser() = default;

void TCustomExprParser::clearCompiled()
{
    FCompiled.reset();
    FHead = nullptr;
    FLast = nullptr;
}

void TCustomExprParser::setExpression(const QString& text)
{
    clearCompiled();
    FExpression = text;
    if (text.isEmpty())
        return;
    try {
        const QString decimalPoint =
            FFixedNumberFormat ? QStringLiteral(".") : QLocale().decimalPoint();
        FCompiled = compileExpression(text, FTables, decimalPoint);
        FHead = &FCompiled->records.front();
        FLast = &FCompiled->records.back();
        FParseFailed = false;
    } catch (const EMathParserError& e) {
        FParseFailed = true;
        if (!OnParserError)
            throw;
        OnParserError(this, e);
    }
}

namespace {
// The small powers as the records work them out.
inline long double square(long double a) { return a * a; }
inline long double cube(long double a) { return a * a * a; }
inline long double fourth(long double a)
{
    const long double q = a * a;
    return q * q;
}
// Neither infinite nor NaN: v - v is 0 exactly then, NaN otherwise. Needs
// no 80-bit constant from memory.
inline bool finite(long double v) { return v - v == 0; }
} // namespace

long double TCustomExprParser::Value()
{
    FCalcError = false;
    if (!FHead)
        return 0;
    if (!FCompiled->steps.empty()) {
        long double v;
        try {
            v = directValue();
        } catch (const MathError&) {
            v = 0.0L / 0.0L;  // the walk raises it again, from the record that comes first
        }
        if (finite(v)) {
            // The walk leaves the last good value in the root's cell, and a
            // later failed evaluation returns it.
            *FLast->result = v;
            return v;
        }
    }
    return referenceValue();
}

// NaN as soon as something needs the walk: a record would report an error
// or fault. The arithmetic steps +, -, *, negation and the small powers are
// not checked one by one: an infinity or NaN they make stays one through
// every later such step, so the test of the final value (and of every value
// handed to a division or a function) catches it.
long double TCustomExprParser::directValue() const
{
    constexpr long double kWalk = std::numeric_limits<long double>::quiet_NaN();
    const TExprStep* s = FCompiled->steps.data();
    const TExprStep* const end = s + FCompiled->steps.size();
    const long double hot = FCompiled->hot ? *FCompiled->hot : 0;
    long double saved[kMaxSaved];
    long double* below = saved;
    long double top = 0;
    for (; s != end; ++s) {
        switch (s->code) {
#define TV_CELL_CASES(M, OPERAND)                                                                \
    case scPushLoad##M: *below++ = top; [[fallthrough]];                                       \
    case scLoad##M: top = OPERAND; break;                                                      \
    case scAddM##M: top = top + OPERAND; break;                                                \
    case scSubtractM##M: top = top - OPERAND; break;                                           \
    case scMSubtract##M: top = OPERAND - top; break;                                           \
    case scMultiplyM##M: top = top * OPERAND; break;                                           \
    case scDivideM##M: {                                                                       \
        const long double b = OPERAND;                                                         \
        if (!(b != 0 && finite(b)))                                                            \
            return kWalk;                                                                      \
        top = top / b;                                                                         \
        if (!finite(top))                                                                      \
            return kWalk;                                                                      \
        break;                                                                                 \
    }                                                                                          \
    case scMDivide##M: {                                                                       \
        if (!(top != 0 && finite(top)))                                                        \
            return kWalk;                                                                      \
        top = OPERAND / top;                                                                   \
        if (!finite(top))                                                                      \
            return kWalk;                                                                      \
        break;                                                                                 \
    }                                                                                          \
    case scPushSquareM##M: *below++ = top; [[fallthrough]];                                    \
    case scSquareM##M: top = square(OPERAND); break;                                           \
    case scPushCubeM##M: *below++ = top; [[fallthrough]];                                      \
    case scCubeM##M: top = cube(OPERAND); break;                                               \
    case scPushFourthM##M: *below++ = top; [[fallthrough]];                                    \
    case scFourthM##M: top = fourth(OPERAND); break;                                           \
    case scCall2M##M: {                                                                        \
        const long double b = OPERAND;                                                         \
        if (!finite(top) || !finite(b))                                                        \
            return kWalk;                                                                      \
        top = s->two(top, b);                                                                  \
        if (!finite(top))                                                                      \
            return kWalk;                                                                      \
        break;                                                                                 \
    }                                                                                          \
    case scAddSquareM##M: top = top + square(OPERAND); break;                                  \
    case scAddCubeM##M: top = top + cube(OPERAND); break;                                      \
    case scAddFourthM##M: top = top + fourth(OPERAND); break;                                  \
    case scMultiplySquareM##M: top = top * square(OPERAND); break;                             \
    case scMultiplyCubeM##M: top = top * cube(OPERAND); break;                                 \
    case scMultiplyFourthM##M: top = top * fourth(OPERAND); break;                             \
    case scSubtractSquareM##M: top = top - square(OPERAND); break;                             \
    case scSubtractCubeM##M: top = top - cube(OPERAND); break;                                 \
    case scSubtractFourthM##M: top = top - fourth(OPERAND); break;                             \
    case scSquareMSubtract##M: top = square(OPERAND) - top; break;                             \
    case scCubeMSubtract##M: top = cube(OPERAND) - top; break;                                 \
    case scFourthMSubtract##M: top = fourth(OPERAND) - top; break;
            TV_CELL_CASES(, *s->cell)
            TV_CELL_CASES(R, hot)
#undef TV_CELL_CASES
        case scPush: *below++ = top; break;
        case scNegate: top = -top; break;
        case scAdd: top = *--below + top; break;
        case scSubtract: top = *--below - top; break;
        case scMultiply: top = *--below * top; break;
        case scDivide: {
            const long double a = *--below;
            if (!(top != 0 && finite(top)))
                return kWalk;
            top = a / top;
            if (!finite(top))
                return kWalk;
            break;
        }
        case scDivideByConstant: top = top / *s->cell; break;
        case scSquare: top = square(top); break;
        case scCube: top = cube(top); break;
        case scFourth: top = fourth(top); break;
        case scCall1:
            if (!finite(top))
                return kWalk;
            top = s->one(top);
            if (!finite(top))
                return kWalk;
            break;
        case scCall2: {
            const long double a = *--below;
            if (!finite(a) || !finite(top))
                return kWalk;
            top = s->two(a, top);
            if (!finite(top))
                return kWalk;
            break;
        }
        }
    }
    return top;  // Value() tests it
}

long double TCustomExprParser::referenceValue()
{
    FCalcError = false;
    if (!FHead)
        return 0;
    for (TExprOperation* op = FHead; op; op = op->next) {
        op->error = 0;
        op->routine(*op);
        if (op->error) {
            FCalcError = true;
            break;
        }
    }
    return *FLast->result;
}

namespace {
std::string tableKey(const QString& name) { return name.toUpper().toStdString(); }
} // namespace

void TCustomExprParser::addVariable(const QString& name, long double* cell)
{
    FTables.variables.emplace(tableKey(name), cell);  // a duplicate keeps the first
}

void TCustomExprParser::addFunction1(const QString& name, TExprRoutine routine)
{
    if (!FTables.functions1.emplace(tableKey(name), routine).second)
        throw Error(QStringLiteral("Duplicate function name %1").arg(name));
}

void TCustomExprParser::addFunction2(const QString& name, TExprRoutine routine)
{
    if (!FTables.functions2.emplace(tableKey(name), routine).second)
        throw Error(QStringLiteral("Duplicate function name %1").arg(name));
}

std::vector<int> TCustomExprParser::compiledKinds() const
{
    std::vector<int> kinds;
    for (const TExprOperation* op = FHead; op; op = op->next)
        kinds.push_back(op->kind);
    return kinds;
}

QString TCustomExprParser::compiledForm() const
{
    return FCompiled ? describeCompiled(*FCompiled, FTables) : QString();
}

TExprParser::TExprParser(QObject* owner) : TCustomExprParser(owner)
{
    addVariable(QStringLiteral("A"), &A);
    addVariable(QStringLiteral("B"), &B);
    addVariable(QStringLiteral("C"), &C);
    addVariable(QStringLiteral("D"), &D);
    addVariable(QStringLiteral("E"), &E);
    addVariable(QStringLiteral("X"), &X);
    addVariable(QStringLiteral("Y"), &Y);
    addVariable(QStringLiteral("T"), &T);
    registerBuiltinFunctions(*this);
}

} // namespace tv
