// The glossary table: the index in its order, one section per term, the
// illustrations in the right terms, markup, the character set of the
// document, and every stated computation worked out exactly.
#include "lessons/GlossaryContent.h"
#include "sheets/WorkedAnswer.h"
#include "ui/Errors.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <map>
#include <set>

using namespace tv::glossary;

namespace {

QString s(const char16_t* t) { return t ? QString::fromUtf16(t) : QString(); }

// The index as a student sees it, in order.
const char* const kIndex[] = {
    "Absolute Value", "Acute Angle", "Angle", "Area", "Average", "Capacity", "Cartesian Coordinates", "Circle",
    "Circumference", "Common Factor", "Common Multiple", "Congruent", "Degree", "Denominator", "Diameter",
    "Difference", "Distributive Law", "Equivalent Fractions", "Equilateral Triangle",
    "Euler's Theorom on Polyhedra", "Even Number", "Exponent", "Factor", "Factorial", "Fraction",
    "Golden Section or Golden Ratio", "Greatest Common Factor", "Heron's Formula", "Inequality", "Integer",
    "Isosceles Triangle", "Least Common Denominator (LCD)", "Least Common Multiple (LCM)", "Line",
    "Line Segment", "Mean", "Median", "Mixed Number", "Mode", "Multiple", "Number Line", "Numerator",
    "Obtuse Angle", "Odd Number", "Ordered pair", "Order of Operations", "Parallel", "Parallelogram",
    "Pascal's Triangle", "Percent", "Perimeter", "Perpendicular", "Pi", "Polygon", "Plane", "Power",
    "Prime Number", "Product", "Proportion", "Quadrilateral", "Quotient", "Radius", "Range", "Rational Number",
    "Ratio", "Real Number", "Rectangle", "Reducing Fractions", "Right Angle", "Right Triangle",
    "Scalene Triangle", "Similar Figures", "Square Root", "Triangle", "Sum", "Vertex", "Volume"};

// Every line of an entry with the style its plain text takes.
std::vector<std::pair<const char16_t*, int>> textsOf(const Entry& e)
{
    std::vector<std::pair<const char16_t*, int>> out{{e.definition, DefinitionText}, {e.example, ExampleText}};
    if (e.note)
        out.push_back({e.note, DefinitionText});
    return out;
}

QString plainText(const char16_t* markup)
{
    QString out;
    for (const Line& line : lines(markup, 0)) {
        for (const tv::glossary::Run& run : line)
            out += run.text;
        out += u'\n';
    }
    return out;
}

} // namespace

TEST(GlossaryIndex, HoldsTheSeventySevenTermsInIndexOrder)
{
    const auto all = entries();
    ASSERT_EQ(all.size(), std::size(kIndex));
    ASSERT_EQ(static_cast<int>(all.size()), kTermCount);
    for (size_t i = 0; i < all.size(); ++i)
        EXPECT_EQ(s(all[i].term), QString::fromUtf8(kIndex[i])) << "index entry " << i;
}

TEST(GlossaryIndex, HeadingsRepeatTheTermsButThree)
{
    const std::map<QString, QString> differing{
        {QStringLiteral("Euler's Theorom on Polyhedra"), QStringLiteral("Euler's Theorem on Polyhedra")},
        {QStringLiteral("Least Common Multiple (LCM)"), QStringLiteral("Least Common miultiple (LCM)")},
        {QStringLiteral("Ordered pair"), QStringLiteral("Ordered Pair")},
    };
    for (const Entry& e : entries()) {
        const auto it = differing.find(s(e.term));
        EXPECT_EQ(heading(e), it == differing.end() ? s(e.term) : it->second) << s(e.term).toStdString();
    }
}

TEST(GlossaryContent, NoTermIsDefinedTwice)
{
    QSet<QString> terms, headings, definitions, examples;
    for (const Entry& e : entries()) {
        const std::string name = s(e.term).toStdString();
        EXPECT_FALSE(terms.contains(s(e.term).toLower())) << name;
        EXPECT_FALSE(headings.contains(heading(e).toLower())) << name;
        EXPECT_FALSE(definitions.contains(s(e.definition))) << name;
        EXPECT_FALSE(examples.contains(s(e.example))) << name;
        terms << s(e.term).toLower();
        headings << heading(e).toLower();
        definitions << s(e.definition);
        examples << s(e.example);
    }
}

TEST(GlossaryContent, EveryTermHasOneSentenceAndAnExampleInNumbers)
{
    const QRegularExpression digit(QStringLiteral("[0-9]"));
    for (const Entry& e : entries()) {
        const std::string name = s(e.term).toStdString();
        const QString definition = plainText(e.definition).trimmed();
        const QString example = plainText(e.example).trimmed();
        ASSERT_FALSE(definition.isEmpty()) << name;
        ASSERT_FALSE(example.isEmpty()) << name;
        EXPECT_EQ(lines(e.definition, 0).size(), 1u) << name << ": the definition is one line";
        EXPECT_TRUE(definition.endsWith(u'.') || definition.endsWith(QStringLiteral("..."))) << name;
        EXPECT_TRUE(definition.front().isUpper()) << name;
        EXPECT_TRUE(example.contains(digit)) << name << ": the example shows numbers";
        if (e.note) {
            EXPECT_FALSE(plainText(e.note).trimmed().isEmpty()) << name;
        }
    }
}

TEST(GlossaryContent, TheDefinitionNamesItsTerm)
{
    // Each sentence says what its own term is: the heading's main word
    // appears in it (so no definition is pasted under the wrong term).
    for (const Entry& e : entries()) {
        QString key = s(e.term).section(u' ', 0, 0).toLower();
        key.remove(QStringLiteral("'s"));
        if (key == u"euler")
            key = QStringLiteral("polyhedron");
        if (key == u"least")
            key = s(e.term).contains(u"LCD") ? QStringLiteral("common denominator") : QStringLiteral("common multiple");
        EXPECT_TRUE(plainText(e.definition).toLower().contains(key)) << s(e.term).toStdString();
    }
}

TEST(GlossaryIllustrations, TwentyFourInTheListedTerms)
{
    const std::map<QString, size_t> expected{
        {QStringLiteral("Angle"), 1}, {QStringLiteral("Cartesian Coordinates"), 1}, {QStringLiteral("Circle"), 1},
        {QStringLiteral("Circumference"), 1}, {QStringLiteral("Denominator"), 2}, {QStringLiteral("Diameter"), 1},
        {QStringLiteral("Distributive Law"), 1}, {QStringLiteral("Equivalent Fractions"), 1},
        {QStringLiteral("Exponent"), 1}, {QStringLiteral("Fraction"), 2},
        {QStringLiteral("Golden Section or Golden Ratio"), 2}, {QStringLiteral("Heron's Formula"), 1},
        {QStringLiteral("Isosceles Triangle"), 1}, {QStringLiteral("Mixed Number"), 1},
        {QStringLiteral("Number Line"), 1}, {QStringLiteral("Numerator"), 1}, {QStringLiteral("Perimeter"), 2},
        {QStringLiteral("Pi"), 1}, {QStringLiteral("Proportion"), 1}, {QStringLiteral("Radius"), 1}};
    size_t total = 0;
    QSet<QString> resources;
    for (const Entry& e : entries()) {
        const auto pictures = illustrations(e);
        const auto it = expected.find(s(e.term));
        EXPECT_EQ(pictures.size(), it == expected.end() ? 0u : it->second) << s(e.term).toStdString();
        EXPECT_FALSE(e.picture2 && !e.picture1) << s(e.term).toStdString();
        for (const QString& r : pictures) {
            EXPECT_TRUE(r.startsWith(QString::fromUtf16(kPictureFolder))) << r.toStdString();
            EXPECT_FALSE(resources.contains(r)) << r.toStdString() << " is used twice";
            resources << r;
        }
        total += pictures.size();
    }
    EXPECT_EQ(total, static_cast<size_t>(kIllustrationCount));
}

TEST(GlossaryMarkup, SplitsRunsAndLines)
{
    struct Case {
        const char16_t* markup;
        int base;
        std::vector<Line> want;
    };
    const Case cases[] = {
        {u"plain", 0, {{{QStringLiteral("plain"), 0}}}},
        {u"Pi ({s8:p}) is", 0,
         {{{QStringLiteral("Pi ("), 0}, {QStringLiteral("p"), 8}, {QStringLiteral(") is"), 0}}}},
        {u"{s11:a} first", 6, {{{QStringLiteral("a"), 11}, {QStringLiteral(" first"), 6}}}},
        {u"r{s9:²}", 0, {{{QStringLiteral("r"), 0}, {QStringLiteral("²"), 9}}}},
        {u"one\ntwo {s10:it}", 0,
         {{{QStringLiteral("one"), 0}}, {{QStringLiteral("two "), 0}, {QStringLiteral("it"), 10}}}},
        {u"a { b }", 0, {{{QStringLiteral("a { b }"), 0}}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lines(c.markup, c.base), c.want) << QString::fromUtf16(c.markup).toStdString();
}

TEST(GlossaryMarkup, RefusesABrokenRun)
{
    for (const char16_t* bad : {u"{s8:p", u"{s:p}", u"{sx:p}", u"x {s8 p}"})
        EXPECT_THROW(lines(bad, 0), tv::Error) << QString::fromUtf16(bad).toStdString();
}

TEST(GlossaryContent, GreekLettersAreSymbolLettersInTheirStyles)
{
    // Greek runs hold Symbol-font letters (the view shows them as Greek); in
    // an example they take the example's Greek style, elsewhere the plain one.
    int greekRuns = 0;
    for (const Entry& e : entries()) {
        for (const auto& [markup, base] : textsOf(e)) {
            for (const Line& line : lines(markup, base)) {
                for (const tv::glossary::Run& run : line) {
                    const std::string where = s(e.term).toStdString() + ": " + run.text.toStdString();
                    const std::set<int> allowed = base == ExampleText ? std::set<int>{ExampleText, GreekExample}
                                                                      : std::set<int>{DefinitionText, GreekLetter,
                                                                                      SquaredSign, Phrase};
                    EXPECT_TRUE(allowed.count(run.style)) << where << " in style " << run.style;
                    if (run.style == GreekLetter || run.style == GreekExample) {
                        ++greekRuns;
                        EXPECT_EQ(run.text.size(), 1) << where;
                        EXPECT_TRUE(run.text.front().isLetter() && run.text.front().unicode() < 0x80) << where;
                    }
                    if (run.style == SquaredSign) {
                        EXPECT_EQ(run.text, QStringLiteral("²")) << where;
                    }
                }
            }
        }
    }
    EXPECT_GE(greekRuns, 4);
}

TEST(GlossaryContent, TextIsInTheProgramsCharacterSet)
{
    // Windows-1252: Latin-1 letters and signs (× ÷ ° ² ³ ¹) plus the few
    // typographic marks it adds; nothing beyond (no ≈ ≤ √ in the text).
    const QString extras = QStringLiteral("–—‘’“”…€");
    for (const Entry& e : entries()) {
        QString all = s(e.term) + heading(e);
        for (const auto& [markup, base] : textsOf(e))
            all += plainText(markup);
        for (QChar c : all)
            EXPECT_TRUE(c.unicode() <= 0xFF || extras.contains(c))
                << s(e.term).toStdString() << ": U+" << std::hex << static_cast<int>(c.unicode());
    }
}

namespace {

// Chains "a = b = c" of plain arithmetic in a sentence: the stretches of
// digits, signs and blanks around "=" signs.
struct Chain {
    QStringList parts;
    QString source;
};

std::vector<Chain> arithmeticChains(QString text)
{
    text.replace(QStringLiteral("the square root of "), QStringLiteral("√"));
    text.remove(u'°');
    static const QRegularExpression thousands(QStringLiteral("(\\d),(\\d{3})(?!\\d)"));
    text.replace(thousands, QStringLiteral("\\1\\2"));
    static const QRegularExpression power(QStringLiteral("([0-9)])([²³¹])"));
    QRegularExpressionMatch m;
    while ((m = power.match(text)).hasMatch()) {
        const QChar sup = m.captured(2).front();
        const QString digit = sup == u'²' ? QStringLiteral("2") : sup == u'³' ? QStringLiteral("3") : QStringLiteral("1");
        text.replace(m.capturedStart(2), 1, QStringLiteral("^") + digit);
    }
    static const QRegularExpression stretch(QStringLiteral("[0-9 .+\\-×÷/()^√=]+"));
    std::vector<Chain> out;
    auto it = stretch.globalMatch(text);
    while (it.hasNext()) {
        const auto sm = it.next();
        const QString found = sm.captured(0);
        if (!found.contains(u'='))
            continue;
        // "7 ÷ 2 = 3 remainder 1" states a division with a remainder.
        if (text.mid(sm.capturedEnd()).startsWith(QStringLiteral("remainder")))
            continue;
        Chain c;
        c.source = found;
        for (QString part : found.split(u'=')) {
            part = part.trimmed();
            while (part.endsWith(u'.'))
                part.chop(1);
            c.parts << part.trimmed();
        }
        out.push_back(c);
    }
    return out;
}

} // namespace

// Works out every chain in `text`: how many held two or more computations,
// and each one whose parts disagree.
struct ChainCheck {
    int checked = 0;
    QStringList wrong;
};

ChainCheck checkChains(const QString& text)
{
    ChainCheck result;
    for (const Chain& chain : arithmeticChains(text)) {
        std::vector<tv::sheet::Rational> values;
        for (const QString& part : chain.parts) {
            if (part.isEmpty())
                continue;
            try {
                values.push_back(tv::sheet::evaluate(part.toStdU16String()));
            } catch (const tv::sheet::WorkError&) {
                // words or a lone sign: not a computation
            }
        }
        if (values.size() < 2)
            continue;
        ++result.checked;
        for (const auto& v : values)
            if (!(v == values.front()))
                result.wrong << chain.source.trimmed() + QStringLiteral(" (") + QString::fromStdString(v.toString())
                                    + QStringLiteral(" is not ") + QString::fromStdString(values.front().toString())
                                    + u')';
    }
    return result;
}

TEST(GlossaryContent, EveryStatedComputationIsRight)
{
    int checked = 0;
    for (const Entry& e : entries()) {
        for (const auto& [markup, base] : textsOf(e)) {
            const ChainCheck c = checkChains(plainText(markup));
            checked += c.checked;
            EXPECT_TRUE(c.wrong.isEmpty()) << s(e.term).toStdString() << ": " << c.wrong.join(u"; ").toStdString();
        }
    }
    // Most terms state a computation; a reader that found none would prove nothing.
    EXPECT_GE(checked, 50);
}

TEST(GlossaryContent, TheComputationCheckReadsAsAStudentWrites)
{
    struct Case {
        const char* text;
        int checked;
        int wrong;
    };
    const Case cases[] = {
        {"So 3 × (4 + 2) = 3 × 4 + 3 × 2 = 12 + 6 = 18, not 7.", 1, 0},
        {"So 3 × (4 + 2) = 3 × 4 + 3 × 2 = 12 + 5 = 17, not 7.", 1, 2},
        {"10³ = 10 × 10 × 10 = 1,000 and 2² = 5", 2, 1},
        {"Area = the square root of (21 × 8 × 7 × 6) = the square root of 7,056 = 84.", 1, 0},
        {"180° - 50° - 60° = 70°", 1, 0},
        {"25% = 25/100 = 0.25 = 1/4", 1, 0},
        {"12 ÷ 5 = 2 remainder 2", 0, 0},
        {"F + V - E = 2", 0, 0},
        {"2 1/3 = 7/3 and 12/18 = (12 ÷ 6)/(18 ÷ 6) = 2/3", 2, 0},
    };
    for (const Case& c : cases) {
        const ChainCheck got = checkChains(QString::fromUtf8(c.text));
        EXPECT_EQ(got.checked, c.checked) << c.text;
        EXPECT_EQ(got.wrong.size(), c.wrong) << c.text << ": " << got.wrong.join(u"; ").toStdString();
    }
}
