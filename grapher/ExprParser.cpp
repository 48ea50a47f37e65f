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

long double TCustomExprParser::Value()
{
    FCalcError = false;
    if (!FHead)
        return 0;
    // The arithmetic kinds run inline. The result just computed stays in a
    // register for the next record, which often reads it: reading an 80-bit
    // cell straight after writing it costs more than the operation.
    const long double* lastCell = nullptr;
    long double last = 0;
    auto read = [&](const long double* cell) { return cell == lastCell ? last : *cell; };
    for (TExprOperation* op = FHead; op; op = op->next) {
        long double r;
        switch (op->kind) {
        case tkNegation: r = -read(op->operand1); break;
        case tkAdd: r = read(op->operand1) + read(op->operand2); break;
        case tkSubtract: r = read(op->operand1) - read(op->operand2); break;
        case tkMultiply: r = read(op->operand1) * read(op->operand2); break;
        case tkSquare: {
            const long double a = read(op->operand1);
            r = a * a;
            break;
        }
        case tkCube: {
            const long double a = read(op->operand1);
            r = a * a * a;
            break;
        }
        case tkFourthPower: {
            const long double a = read(op->operand1);
            const long double q = a * a;
            r = q * q;
            break;
        }
        default:
            op->error = 0;
            op->routine(*op);
            if (op->error) {
                FCalcError = true;
                return *FLast->result;
            }
            lastCell = op->result;
            last = *lastCell;
            continue;
        }
        if (!(std::fabs(r) <= std::numeric_limits<long double>::max())) [[unlikely]]
            raiseFloatFault(r);
        *op->result = r;
        lastCell = op->result;
        last = r;
    }
    return last;
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
