#pragma once
// Arithmetic expressions over reals: a text is compiled once into a flat
// list of operations, then evaluated many times while its variables change.
// The graph plotter evaluates one per pixel column, so evaluation touches no
// text and allocates nothing. Plain C++ on QtCore; no widgets.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QObject>
#include <QString>

#include "ui/Errors.h"

namespace tv {

// ---- Failures while compiling -------------------------------------------

class EMathParserError : public Error { using Error::Error; };

// A term that fits no rule: "Error parsing expression:\r<left>\r<right>" with
// the pieces of the last split tried, or "Error parsing expression:\r<term>".
class ESyntaxError : public EMathParserError { using EMathParserError::EMathParserError; };
// "Expression has blanks"
class EExpressionHasBlanks : public EMathParserError {
public:
    EExpressionHasBlanks();
};
// "Expression is too complex": more than 50 operations on one nesting level.
class EExpressionTooComplex : public EMathParserError {
public:
    EExpressionTooComplex();
};
// "Expression contains too many nestings": operands deeper than level 20.
class ETooManyNestings : public EMathParserError {
public:
    ETooManyNestings();
};
// "Missing brackets in expression": unequal counts of "(" and ")".
class EMissMatchingBracket : public EMathParserError {
public:
    EMissMatchingBracket();
};
// "TParser internal error": a term tree that cannot be turned into records.
class EParserInternalError : public EMathParserError {
public:
    EParserInternalError();
};

// ---- The compiled list ---------------------------------------------------

// Term kinds; a compiled record carries the kind of the term it came from.
enum TermKind : int {
    tkVariable = 0,
    tkNumber = 1,
    tkNegation = 2,
    tkAdd = 3,
    tkSubtract = 4,
    tkMultiply = 5,
    tkDivide = 6,  // "/"
    tkMod = 7,
    tkDiv = 8,
    tkIntPower = 9,
    tkRealPower = 10,
    tkSquare = 11,
    tkCube = 12,
    tkFourthPower = 13,
    tkFunction1 = 14,
    tkFunction2 = 15,
};

struct TExprOperation;
// An evaluation routine reads its operand cells and writes its result cell.
// It sets the record's error byte when the result is undefined (division by
// zero, logarithm of a non-positive number, ...); other floating-point faults
// throw tv::MathError with the platform's message.
using TExprRoutine = void (*)(TExprOperation& op);

// One operation of the compiled list.
struct TExprOperation {
    const long double* operand1 = nullptr;
    const long double* operand2 = nullptr;  // null for one-operand kinds
    long double* result = nullptr;
    TExprOperation* next = nullptr;
    TExprRoutine routine = nullptr;
    int kind = tkVariable;
    unsigned char error = 0;
};

// A pure function of one or two operands as the direct evaluation calls it:
// the result, or a NaN (or a throw) where its record reports an error.
using TExprKernel1 = long double (*)(long double);
using TExprKernel2 = long double (*)(long double, long double);

// The direct evaluation: the same operations in postfix order on a stack
// whose top stays in a register. "M" steps take one operand from a cell (a
// variable or a constant), so the common shapes need no load of their own;
// each has an "R" twin that takes the operand most steps read (usually X)
// from a register loaded once per evaluation instead.
#define TV_EXPR_CELL_STEPS(STEP)                                                               \
    STEP(Load)              /* top = *cell */                                                  \
    STEP(AddM)              /* top = top + *cell */                                            \
    STEP(SubtractM)         /* top = top - *cell */                                            \
    STEP(MSubtract)         /* top = *cell - top */                                            \
    STEP(MultiplyM)         /* top = top * *cell */                                            \
    STEP(DivideM)           /* top = top / *cell */                                            \
    STEP(MDivide)           /* top = *cell / top */                                            \
    STEP(SquareM)           /* top = *cell squared */                                          \
    STEP(CubeM)                                                                                \
    STEP(FourthM)                                                                              \
    STEP(Call2M)            /* top = two(top, *cell) */                                        \
    /* The first step of a right operand worked out itself: save top below first. */           \
    STEP(PushLoad)                                                                             \
    STEP(PushSquareM)                                                                          \
    STEP(PushCubeM)                                                                            \
    STEP(PushFourthM)                                                                          \
    /* top op a small power of *cell: such an operand needs no save. */                        \
    STEP(AddSquareM)                                                                           \
    STEP(AddCubeM)                                                                             \
    STEP(AddFourthM)                                                                           \
    STEP(MultiplySquareM)                                                                      \
    STEP(MultiplyCubeM)                                                                        \
    STEP(MultiplyFourthM)                                                                      \
    STEP(SubtractSquareM)   /* top - *cell^2 */                                                \
    STEP(SubtractCubeM)                                                                        \
    STEP(SubtractFourthM)                                                                      \
    STEP(SquareMSubtract)   /* *cell^2 - top */                                                \
    STEP(CubeMSubtract)                                                                        \
    STEP(FourthMSubtract)

#define TV_EXPR_STEP_M(name) sc##name,
#define TV_EXPR_STEP_R(name) sc##name##R,
enum TExprStepCode : unsigned char {
    TV_EXPR_CELL_STEPS(TV_EXPR_STEP_M)
    TV_EXPR_CELL_STEPS(TV_EXPR_STEP_R)
    scPush,        // save top below
    scNegate,      // top = -top
    scAdd,         // top = saved + top
    scSubtract,    // top = saved - top
    scMultiply,    // top = saved * top
    scDivide,      // top = saved / top
    scSquare,      // top = top * top
    scCube,
    scFourth,
    scCall1,       // top = one(top)
    scCall2,       // top = two(saved, top)
    // top / *cell for a constant that is neither 0 nor infinite: like a
    // product, it keeps an infinity or NaN and needs no test of its own.
    scDivideByConstant,
};
#undef TV_EXPR_STEP_M
#undef TV_EXPR_STEP_R
// The R twin of an M step.
constexpr int kExprHotOffset = int(scLoadR) - int(scLoad);

struct TExprStep {
    TExprStepCode code = scLoad;
    const long double* cell = nullptr;
    TExprKernel1 one = nullptr;
    TExprKernel2 two = nullptr;
};

// The records and the cells they own (constants and results). Variables'
// cells belong to whoever registered them.
struct TCompiledExpression {
    std::vector<TExprOperation> records;   // in link order
    std::unique_ptr<long double[]> cells;  // constants, then results
    std::size_t cellCount = 0;
    // Empty when some record's routine is not a pure function of its
    // operands (random numbers, routines registered from outside): the
    // records are then walked one by one.
    std::vector<TExprStep> steps;
    int stackDepth = 0;  // values saved below the top at most
    // The operand of the R steps, read once per evaluation.
    const long double* hot = nullptr;
};

// ---- Name tables -----------------------------------------------------------

// Sorted name -> object tables. Names are kept in upper case; lookups ignore
// case.
struct TExprNameTables {
    std::map<std::string, long double*, std::less<>> variables;
    std::map<std::string, TExprRoutine, std::less<>> functions1;
    std::map<std::string, TExprRoutine, std::less<>> functions2;
};

// ---- The parser --------------------------------------------------------------

class TCustomExprParser;
// Receives a compile error instead of it being raised.
using TExprParserExceptionEvent =
    std::function<void(TCustomExprParser* Sender, const EMathParserError& E)>;

class TCustomExprParser : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool CalcError READ CalcError)
    Q_PROPERTY(QString Expression READ Expression WRITE setExpression)
    Q_PROPERTY(bool FixedNumberFormat READ FixedNumberFormat WRITE setFixedNumberFormat)
public:
    explicit TCustomExprParser(QObject* owner = nullptr);
    ~TCustomExprParser() override;

    // Set by the last evaluation when an operation had no defined result; the
    // value read with it is then meaningless.
    bool CalcError() const { return FCalcError; }

    // Evaluates the compiled list; 0 when there is none. Never allocates.
    // Runs the direct steps when there are some and falls back on the
    // record walk whenever anything is out of the ordinary (an error, a
    // fault, a value that is not finite), so errors, messages and the cells
    // read after an error are those of the walk.
    long double Value();
    // The same by calling every record's routine in turn, in link order;
    // Value() must agree with it exactly.
    long double referenceValue();

    // Writing compiles the text (an empty text leaves the parser empty). On
    // failure the list stays empty and the error goes to OnParserError when
    // that is set, otherwise it is thrown.
    QString Expression() const { return FExpression; }
    void setExpression(const QString& text);

    // true: numbers are read with "." as decimal point; false: with the
    // decimal point of the user's locale (QLocale()). Applies to the next
    // compilation.
    bool FixedNumberFormat() const { return FFixedNumberFormat; }
    void setFixedNumberFormat(bool fixed) { FFixedNumberFormat = fixed; }

    TExprParserExceptionEvent OnParserError;

    // True when the last compilation failed; cleared when one succeeds.
    bool parseFailed() const { return FParseFailed; }

    // Name registration. A variable name registered twice keeps its first
    // cell; a function name registered twice in one table is an error.
    void addVariable(const QString& name, long double* cell);
    void addFunction1(const QString& name, TExprRoutine routine);
    void addFunction2(const QString& name, TExprRoutine routine);
    const TExprNameTables& nameTables() const { return FTables; }

    // Diagnostics: the kinds of the compiled records in link order, and the
    // compiled list written back as a fully bracketed text, e.g.
    // "((A-B)-C)", "(-square(X))", "SIN((X*2))".
    std::vector<int> compiledKinds() const;
    // True when Value() runs the direct steps rather than walking the
    // records (it walks them for RND, RANDOM and routines registered from
    // outside).
    bool evaluatesDirectly() const { return FCompiled && !FCompiled->steps.empty(); }
    QString compiledForm() const;

private:
    void clearCompiled();
    long double directValue() const;

public:
    // Values the direct evaluation keeps below the top at most.
    static constexpr int kMaxSaved = 24;

private:

    TExprNameTables FTables;
    QString FExpression;
    std::unique_ptr<TCompiledExpression> FCompiled;
    TExprOperation* FHead = nullptr;
    TExprOperation* FLast = nullptr;
    bool FCalcError = false;
    bool FFixedNumberFormat = true;
    bool FParseFailed = false;
};

// The parser with the built-in variables A, B, C, D, E, T, X, Y (all 0 at
// first) and the built-in one- and two-argument functions.
class TExprParser : public TCustomExprParser {
    Q_OBJECT
public:
    explicit TExprParser(QObject* owner = nullptr);

    long double A = 0;
    long double B = 0;
    long double C = 0;
    long double D = 0;
    long double E = 0;
    long double T = 0;
    long double X = 0;
    long double Y = 0;
};

} // namespace tv
