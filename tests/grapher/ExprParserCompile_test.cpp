// Compiling expression texts: grouping, kinds, link order and every
// compile error with its message.
#include "grapher/ExprCompiler.h"
#include "grapher/ExprParser.h"

#include <random>
#include <typeinfo>

#include <QLocale>

#include <gtest/gtest.h>

using namespace tv;

namespace {

class Compile : public ::testing::Test {
protected:
    QString form(const QString& text)
    {
        p.setExpression(text);
        return p.compiledForm();
    }
    std::vector<int> kinds(const QString& text)
    {
        p.setExpression(text);
        return p.compiledKinds();
    }
    // Class name and message of the compile error, or "" when it compiles.
    template <typename Error>
    QString errorOf(const QString& text)
    {
        try {
            p.setExpression(text);
        } catch (const Error& e) {
            EXPECT_TRUE(p.parseFailed());
            EXPECT_TRUE(p.compiledKinds().empty());
            return e.message();
        } catch (const std::exception& e) {
            return QStringLiteral("wrong class: %1 %2").arg(typeid(e).name(), e.what());
        }
        return {};
    }
    TExprParser p;
};

QString sumOf(int terms)
{
    QStringList xs;
    for (int i = 0; i < terms; ++i)
        xs << QStringLiteral("X");
    return xs.join(u'+');
}

// A balanced product tree six levels deep whose 64 operands at level 6 start
// with `sums` bracketed sums, the only operations on that level.
QString wideTree(int sums)
{
    QStringList terms;
    for (int i = 0; i < 64; ++i)
        terms << (i < sums ? QStringLiteral("(X+X)") : QStringLiteral("X"));
    while (terms.size() > 1) {
        QStringList next;
        for (int i = 0; i < terms.size(); i += 2)
            next << QStringLiteral("(%1*%2)").arg(terms[i], terms[i + 1]);
        terms = next;
    }
    return terms.front();
}

} // namespace

TEST_F(Compile, OperatorsGroupAsTheirSideRulesSay)
{
    EXPECT_EQ(form("A+B+C"), "(A+(B+C))");
    EXPECT_EQ(form("A-B-C"), "((A-B)-C)");
    EXPECT_EQ(form("A/B/C"), "((A/B)/C)");
    EXPECT_EQ(form("A*B*C"), "(A*(B*C))");
    EXPECT_EQ(form("A-B+C"), "((A-B)+C)");
    EXPECT_EQ(form("A+B-C"), "(A+(B-C))");
    EXPECT_EQ(form("A/B*C"), "((A/B)*C)");
    EXPECT_EQ(form("AMODB*C"), "((A MOD B)*C)");
    EXPECT_EQ(form("ADIVB/C"), "((A DIV B)/C)");
    EXPECT_EQ(form("A^B*C"), "(power(A,B)*C)");
}

TEST_F(Compile, LeadingMinusBindsToOneOperand)
{
    EXPECT_EQ(form("-X^2"), "(-square(X))");
    EXPECT_EQ(form("-X*Y"), "((-X)*Y)");
    EXPECT_EQ(form("-SIN(X)+1"), "((-SIN(X))+1)");
    EXPECT_EQ(form("-(X+1)"), "(-(X+1))");
    EXPECT_EQ(form("(-X)-1"), "((-X)-1)");
    EXPECT_EQ(form("2*(-X)"), "(2*(-X))");
    // After an operator a minus is only a number's sign.
    EXPECT_EQ(form("2*-1"), "(2*-1)");
    EXPECT_EQ(form("X--1"), "(X--1)");
    EXPECT_EQ(form("X^-1"), "intpower(X,-1)");
}

TEST_F(Compile, PowerKindComesFromTheExponentPiece)
{
    EXPECT_EQ(kinds("X^2"), std::vector<int>{tkSquare});
    EXPECT_EQ(kinds("X^(2)"), std::vector<int>{tkRealPower});
    EXPECT_EQ(kinds("X^3"), std::vector<int>{tkCube});
    EXPECT_EQ(kinds("X^4.0"), std::vector<int>{tkFourthPower});
    EXPECT_EQ(kinds("X^5"), std::vector<int>{tkIntPower});
    EXPECT_EQ(kinds("X^0"), std::vector<int>{tkIntPower});
    EXPECT_EQ(kinds("X^2.5"), std::vector<int>{tkRealPower});
    EXPECT_EQ(kinds("X^PI"), std::vector<int>{tkRealPower});
    EXPECT_EQ(kinds("X^Y"), std::vector<int>{tkRealPower});
    EXPECT_EQ(kinds("(X^2)^3"), (std::vector<int>{tkSquare, tkCube}));
}

TEST_F(Compile, RecordsAreLinkedDeepestLevelFirst)
{
    // "+" at level 0; "*" and the square at level 1; SIN at level 2.
    EXPECT_EQ(kinds("SIN(X)*2+X^2"),
              (std::vector<int>{tkFunction1, tkMultiply, tkSquare, tkAdd}));
    // Same level: left to right.
    EXPECT_EQ(kinds("(A-B)*(C/D)"), (std::vector<int>{tkSubtract, tkDivide, tkMultiply}));
    EXPECT_EQ(kinds("MAX(A*B,C-D)+E"),
              (std::vector<int>{tkMultiply, tkSubtract, tkFunction2, tkAdd}));
}

TEST_F(Compile, BracketsLowerCaseAndBlanksAtTheEnds)
{
    EXPECT_EQ(kinds("((X))"), std::vector<int>{tkVariable});
    EXPECT_EQ(form("((X))"), "X");
    EXPECT_EQ(form("  sin(x)*max(a,b) "), "(SIN(X)*MAX(A,B))");
    EXPECT_EQ(form("2*((x+1))"), "(2*(X+1))");
    EXPECT_EQ(form("x^4+x^3-3*x^2+x"), "(fourth(X)+((cube(X)-(3*square(X)))+X))");
    EXPECT_EQ(form("2*PI"), "(2*3.14159265358979)");
    EXPECT_EQ(kinds("-PI"), std::vector<int>{tkNumber});
}

TEST_F(Compile, NumberLiterals)
{
    EXPECT_EQ(form("1.5E3+X"), "(1500+X)");
    EXPECT_EQ(form("2E-3*X"), "(0.002*X)");
    EXPECT_EQ(form(".5+5."), "(0.5+5)");
    EXPECT_EQ(form("+5"), "5");
    EXPECT_EQ(form("E-3"), "(E-3)");  // the variable E
    long double v = 0;
    EXPECT_FALSE(readNumberLiteral(u"2E", u".", v));
    EXPECT_FALSE(readNumberLiteral(u"1.2.3", u".", v));
    // Past the 80-bit range.
    EXPECT_EQ(errorOf<ESyntaxError>("1E5000"), "Error parsing expression:\r1E5000");
}

TEST_F(Compile, LocaleNumberFormatUsesTheLocaleDecimalPoint)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    p.setFixedNumberFormat(false);
    EXPECT_EQ(form("1,5*X"), "(1.5*X)");
    p.setFixedNumberFormat(true);
    EXPECT_EQ(errorOf<ESyntaxError>("1,5*X"), "Error parsing expression:\r1,5\rX");
    EXPECT_EQ(form("1.5*X"), "(1.5*X)");
    QLocale::setDefault(QLocale::c());
}

TEST_F(Compile, SyntaxErrorsNameThePiecesOfTheLastSplitTried)
{
    EXPECT_EQ(errorOf<ESyntaxError>("2*-X"), "Error parsing expression:\r2\r-X");
    EXPECT_EQ(errorOf<ESyntaxError>("x^2^3"), "Error parsing expression:\rX^2\r3");
    EXPECT_EQ(errorOf<ESyntaxError>("X*Y+"), "Error parsing expression:\rX\rY+");
    EXPECT_EQ(errorOf<ESyntaxError>("X+-Y"), "Error parsing expression:\rX+\rY");
    // No split was tried: the whole term.
    EXPECT_EQ(errorOf<ESyntaxError>("-X-1"), "Error parsing expression:\r-X-1");
    EXPECT_EQ(errorOf<ESyntaxError>(")X("), "Error parsing expression:\r)X(");
    EXPECT_EQ(errorOf<ESyntaxError>("X+"), "Error parsing expression:\rX+");
    EXPECT_EQ(errorOf<ESyntaxError>("FOO(X)"), "Error parsing expression:\rFOO(X)");
    EXPECT_EQ(errorOf<ESyntaxError>("MAX(X)"), "Error parsing expression:\rMAX(X)");
    EXPECT_EQ(errorOf<ESyntaxError>("   "), "Error parsing expression:\r");
}

TEST_F(Compile, BlanksAndBracketCounts)
{
    EXPECT_EQ(errorOf<EExpressionHasBlanks>("sin (0.5*x^2/2)*2"), "Expression has blanks");
    EXPECT_EQ(errorOf<EExpressionHasBlanks>(" X + 1 "), "Expression has blanks");
    EXPECT_EQ(errorOf<EMissMatchingBracket>("(X"), "Missing brackets in expression");
    // Blanks are found before brackets are counted.
    EXPECT_EQ(errorOf<EExpressionHasBlanks>("(X +1"), "Expression has blanks");
}

TEST_F(Compile, NestingLimitIsTwentyLevels)
{
    EXPECT_EQ(errorOf<ETooManyNestings>(sumOf(21)), "");
    EXPECT_EQ(p.compiledKinds().size(), 20u);
    EXPECT_EQ(errorOf<ETooManyNestings>(sumOf(22)), "Expression contains too many nestings");
    // Brackets alone add no level.
    EXPECT_EQ(errorOf<ETooManyNestings>("((((((((((((((((((((((((X))))))))))))))))))))))))"), "");
}

TEST_F(Compile, AtMostFiftyOperationsOnOneLevel)
{
    EXPECT_EQ(errorOf<EExpressionTooComplex>(wideTree(50)), "");
    p.X = 1;
    EXPECT_EQ(p.Value(), 1125899906842624.0L);  // 2^50
    EXPECT_EQ(errorOf<EExpressionTooComplex>(wideTree(51)), "Expression is too complex");
}

TEST_F(Compile, DivAndModAtEitherEndArePassedOver)
{
    TCustomExprParser custom;
    long double modv = 7;
    custom.addVariable("modv", &modv);
    custom.setExpression("MODVMOD2");  // the "MOD" at the start is part of the name
    EXPECT_EQ(custom.compiledForm(), "(MODV MOD 2)");
    EXPECT_EQ(custom.Value(), 1);
    // A "-" at the start ends the scan instead.
    EXPECT_THROW(custom.setExpression("-MODV-1"), ESyntaxError);
}

TEST_F(Compile, ParserErrorHandlerTakesTheErrorInstead)
{
    int calls = 0;
    QString message;
    p.OnParserError = [&](TCustomExprParser* sender, const EMathParserError& e) {
        ++calls;
        EXPECT_EQ(sender, &p);
        message = e.message();
    };
    p.setExpression("X+1");
    p.X = 1;
    EXPECT_EQ(p.Value(), 2);
    p.setExpression("(X");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(message, "Missing brackets in expression");
    EXPECT_TRUE(p.parseFailed());
    EXPECT_EQ(p.Expression(), "(X");
    EXPECT_EQ(p.Value(), 0);  // the old list is gone
    p.setExpression("X*3");
    EXPECT_FALSE(p.parseFailed());
    EXPECT_EQ(p.Value(), 3);
    p.setExpression("");
    EXPECT_EQ(p.Value(), 0);
    EXPECT_FALSE(p.CalcError());
    EXPECT_EQ(calls, 1);
}

TEST_F(Compile, NameTables)
{
    TCustomExprParser custom;
    long double first = 1, second = 2;
    custom.addVariable("v", &first);
    custom.addVariable("V", &second);  // ignored
    custom.setExpression("v");
    EXPECT_EQ(custom.Value(), 1);
    EXPECT_THROW(custom.setExpression("SIN(V)"), ESyntaxError);  // no functions here
    EXPECT_THROW(p.addFunction1("sin", nullptr), Error);
    EXPECT_THROW(p.addFunction2("Max", nullptr), Error);
    EXPECT_EQ(p.nameTables().variables.size(), 8u);
    EXPECT_EQ(p.nameTables().functions1.size(), 25u);
}

// Remembering what each piece is must not change any compilation: compare
// with classifying every piece afresh over many small random texts.
TEST(CompileRemembering, SameResultsAsClassifyingAfresh)
{
    TExprParser p;
    const QStringList tokens{"X", "Y", "2", "0.5", "PI", "+", "-", "*", "/", "^", "DIV",
                             "MOD", "(", ")", "SIN(", "MAX(", ","};
    std::mt19937 random(20240611);
    auto outcome = [&](const QString& text, bool remember) {
        try {
            const auto compiled = compileExpression(text, p.nameTables(), ".", remember);
            return describeCompiled(*compiled, p.nameTables());
        } catch (const EMathParserError& e) {
            return QStringLiteral("%1: %2").arg(typeid(e).name(), e.message());
        }
    };
    int compiled = 0;
    for (int i = 0; i < 4000; ++i) {
        QString text;
        const int length = 1 + int(random() % 9);
        for (int k = 0; k < length; ++k)
            text += tokens[int(random() % tokens.size())];
        const QString fast = outcome(text, true);
        ASSERT_EQ(fast, outcome(text, false)) << text.toStdString();
        compiled += fast.contains(':') ? 0 : 1;
    }
    EXPECT_GT(compiled, 100);  // the texts are not all errors
}
