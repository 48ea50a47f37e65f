// The content check: every sheet built from a content table is read back
// against the published answer keys, its arithmetic is worked out exactly,
// its pictures are decoded and its styles looked up, and the built window is
// compared with the table it came from.
#include "sheets/ExpressionPicture.h"
#include "sheets/RegisterSheets.h"
#include "sheets/RichDocumentStyles.h"
#include "sheets/SheetBuilder.h"
#include "sheets/SheetContent.h"
#include "sheets/SheetPicture.h"
#include "sheets/WorkedAnswer.h"
#include "sheets/unitMasterTest.h"
#include "tests/support/FakeActivityHost.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QFile>

#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <set>

namespace tv {
// Names a sheet in test output instead of dumping its bytes.
void PrintTo(const SheetListing& s, std::ostream* os) { *os << s.className.toStdString(); }
} // namespace tv

using namespace tv;
using namespace tv::sheet;

namespace {

// The published key of every test sheet: a letter per choice question
// (A = first choice), "–" for a numbered typed question; and the expected
// texts of the typed questions in document order.
struct KeyRow {
    const char* className;
    const char16_t* key;
    std::vector<const char16_t*> typed;
    // Every question shows its exercise drawn from the very expression the
    // check works out (the fraction drills).
    bool picturesAreTheWork = false;
};

const KeyRow kKeys[] = {
    {"TfrmOrderOfOperations", u"BCD–CDBACB", {u"6"}},
    {"TfrmCTBS1", u"C–BABCBDBD", {u"122"}},
    {"TfrmAddingDecimals", u"BCDBDBDCBD", {}},
    {"TfrmDecimalFractionPercent", u"DACDBBBABD", {}},
    {"TfrmCTBS2", u"BADDCCACAD", {}},
    {"TfrmCTBS3", u"BBDDBBABDA", {}},
    {"TfrmCTBS4", u"BDBCCBACBD", {}},
    {"TfrmCTBS5", u"CABABCACCC", {}},
    {"TfrmCTBS6", u"ACDCACBDBA", {}},
    {"TfrmCTBS7", u"ABCACDCADB", {}},
    {"TfrmCTBS8", u"CADAACADCB", {}},
    {"TfrmCTBS9", u"CDBDDBCCDA", {}},
    {"TfrmCTBS10", u"BBBACAABDA", {}},
    {"TfrmCTBS11", u"ADDBCCBCD–", {u"26"}},
    {"TfrmCTBSFractionsDecimalsPercents", u"BCADBC", {u".75", u"12.5%", u".375", u"62.5%"}},
    {"TfrmCTBSFractionsDecimalsPercents1", u"DDACAABCBD", {}},
    {"TfrmBitsAndPieces2_1", u"ACCABBBCAACACBD", {}},
    {"TfrmBitsAndPieces2_2", u"CDABABBBCADBBCC", {}},
    {"TfrmPercentOfANumber", u"CCCAABCCBD", {}},
    {"TfrmPercentOfNumber1", u"BADABCCDDA", {}},
    {"TfrmSRFindingPercent", u"CBBDBDCABB", {}},
    {"TfrmSRShopping", u"BDBBCBDBCD", {}},
    {"TfrmSRAddFractions", u"DBCADACACA", {}, true},
    {"TfrmSRSubtractFractions", u"BDACBDBDBC", {}, true},
    {"TfrmSRMultiplyFractions", u"DBBBDBADBC", {}, true},
    {"TfrmSRAddMixed", u"BACBDCBAAC", {}, true},
    {"TfrmSRSubtractMixed", u"CBCACACBAC", {}, true},
    {"TfrmSRDivideFractions", u"CBDABCDBDB", {}, true},
    {"TfrmSRImproperToMixed", u"CCAACCBABA", {}, true},
    {"TfrmSRTestPrep", u"CBDABBBDAC", {}},
    {"TfrmSRTestPrep1", u"ADBBADDDAC", {}},
    {"TfrmSRTestPrep2", u"DCDBCBCABC", {}},
    {"TfrmSRProportions", u"ADACBBCCBBCCBBADBAAB", {}},
    {"TfrmSRAdvancedGeometry", u"DBDCABBCBCCABCCCADAB", {}},
};

const KeyRow* keyRowOf(const QString& className)
{
    for (const KeyRow& r : kKeys)
        if (className == QLatin1String(r.className))
            return &r;
    return nullptr;
}

std::string u8(const char16_t* s) { return s ? toUtf8(s) : std::string("(none)"); }

const char* reasonName(NotComputed why)
{
    switch (why) {
    case NotComputed::None: return "computed";
    case NotComputed::Conceptual: return "conceptual";
    case NotComputed::Graph: return "graph";
    case NotComputed::Estimate: return "estimate";
    case NotComputed::Pattern: return "pattern";
    case NotComputed::Figure: return "figure";
    case NotComputed::Comparison: return "comparison";
    case NotComputed::Wording: return "wording";
    }
    return "?";
}

// What the content says, read the way the check needs it.
struct Reading {
    std::u16string key;
    std::vector<std::u16string> typed;
    std::vector<int> printed;       // printed numbers of all questions, in order
    std::vector<const Choice*> choices;
    std::vector<const Typed*> typedQuestions;
    // Each picture with the expression a drawn one typesets.
    std::vector<std::pair<Picture, const char16_t*>> pictures;
    std::vector<int> styles;

    void addStyles(const char16_t* text, Style base)
    {
        if (!text)
            return;
        for (const Run& run : splitRuns(text, base))
            styles.push_back(run.style);
    }
};

Reading read(const SheetContent& c)
{
    Reading r;
    for (const Step& s : c.steps) {
        switch (s.kind) {
        case Step::Kind::Text:
            r.addStyles(s.text, s.style);
            break;
        case Step::Kind::Link:
            r.styles.push_back(static_cast<int>(s.style));
            break;
        case Step::Kind::Picture:
            r.pictures.emplace_back(s.picture, nullptr);
            break;
        case Step::Kind::Choice:
            r.key += static_cast<char16_t>(u'A' + s.choice->keyed);
            r.choices.push_back(s.choice);
            r.addStyles(s.choice->prompt, s.choice->promptStyle);
            if (s.choice->picture.present())
                r.pictures.emplace_back(s.choice->picture, s.choice->expression);
            if (s.choice->printed > 0)
                r.printed.push_back(s.choice->printed);
            break;
        case Step::Kind::Typed:
            if (s.typed->printed > 0) {
                r.key += u'–';
                r.printed.push_back(s.typed->printed);
            }
            r.typed.emplace_back(s.typed->expected ? s.typed->expected : u"");
            r.typedQuestions.push_back(s.typed);
            r.addStyles(s.typed->prompt, s.typed->promptStyle);
            r.addStyles(s.typed->after, s.typed->afterStyle);
            if (s.typed->picture.present())
                r.pictures.emplace_back(s.typed->picture, s.typed->expression);
            break;
        case Step::Kind::Anchor:
        case Step::Kind::Rule:
        case Step::Kind::Blank:
        case Step::Kind::Custom:
            break;
        }
    }
    return r;
}

// Counts the question under its reason, and, when it is to be computed and
// nothing else failed yet, works out its answer; a failure goes to `out`.
std::optional<Rational> workedValue(NotComputed why, const char16_t* work,
                                    const char16_t* expression, std::vector<std::string>& out,
                                    std::map<std::string, int>& tally)
{
    ++tally[reasonName(why)];
    if (why != NotComputed::None || !out.empty())
        return std::nullopt;
    const char16_t* sum = work ? work : expression;
    if (!sum) {
        out.push_back("neither a worked answer nor a reason why it is not computed");
        return std::nullopt;
    }
    try {
        return evaluate(sum);
    } catch (const WorkError& e) {
        out.push_back(std::string("worked answer unreadable: ") + e.what());
        return std::nullopt;
    }
}

// Failures of one choice question's content, empty when it is sound.
std::vector<std::string> checkChoice(const Choice& q, std::map<std::string, int>& tally)
{
    std::vector<std::string> out;
    const int n = q.choiceCount();
    if (n < 2)
        out.push_back("fewer than two choices");
    if (q.keyed < 0 || q.keyed >= n)
        out.push_back("the keyed choice is not one of the choices");
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            const std::u16string_view a = q.choices[i], b = q.choices[j];
            if (a == b && !a.empty())
                out.push_back("two identical choices: " + u8(q.choices[i]));
            const auto va = readShownValue(a), vb = readShownValue(b);
            if (va && vb && *va == *vb && a != b)
                out.push_back("two choices of equal value: " + u8(q.choices[i]) + " and "
                              + u8(q.choices[j]));
        }
    const auto worked = workedValue(q.why, q.work, q.expression, out, tally);
    if (!worked)
        return out;
    const Rational v = *worked;
    for (int i = 0; i < n; ++i) {
        const auto shown = readShownValue(q.choices[i]);
        const bool equal = shown && *shown == v;
        if (i == q.keyed && !equal && !isNoneOfTheAbove(q.choices[i]))
            out.push_back("the keyed choice " + u8(q.choices[i]) + " is not the worked answer "
                          + v.toString());
        if (i != q.keyed && equal)
            out.push_back("the unkeyed choice " + u8(q.choices[i]) + " equals the worked answer "
                          + v.toString());
    }
    return out;
}

std::vector<std::string> checkTyped(const Typed& q, std::map<std::string, int>& tally)
{
    std::vector<std::string> out;
    if (!q.expected)
        out.push_back("no expected answer");
    const auto worked = workedValue(q.why, q.work, q.expression, out, tally);
    if (!worked)
        return out;
    const auto shown = readShownValue(q.expected);
    if (!shown || *shown != *worked)
        out.push_back("the expected answer " + u8(q.expected) + " is not the worked answer "
                      + worked->toString());
    return out;
}

class SheetContentCheck : public ::testing::TestWithParam<SheetListing> {};

} // namespace

TEST_P(SheetContentCheck, KeyMatchesTheCatalogue)
{
    const SheetListing& s = GetParam();
    const KeyRow* row = keyRowOf(s.className);
    ASSERT_NE(row, nullptr) << "no published key for " << s.className.toStdString();
    const Reading r = read(*s.content);
    EXPECT_EQ(toUtf8(r.key), toUtf8(row->key));
    std::vector<std::string> typed, published;
    for (const auto& t : r.typed)
        typed.push_back(toUtf8(t));
    for (const char16_t* t : row->typed)
        published.push_back(toUtf8(t));
    EXPECT_EQ(typed, published);
}

TEST_P(SheetContentCheck, QuestionsAreNumberedInOrder)
{
    const Reading r = read(*GetParam().content);
    for (size_t i = 0; i < r.printed.size(); ++i)
        EXPECT_EQ(r.printed[i], static_cast<int>(i) + 1) << "question " << i + 1;
    // The engine number is the printed one unless a question shares another
    // question's number on purpose; no two choice questions share by accident.
    std::set<int> seen;
    for (const Choice* q : r.choices) {
        if (q->number < 0) {
            EXPECT_GT(q->printed, 0) << "an unnumbered question needs an explicit number";
        } else {
            EXPECT_NE(q->number, q->printed) << "question " << q->printed
                                             << ": an explicit number equal to the printed one";
        }
        if (q->number < 0) {
            EXPECT_TRUE(seen.insert(q->engineNumber()).second)
                << "question number " << q->engineNumber() << " used twice";
        }
    }
}

TEST_P(SheetContentCheck, EveryComputedAnswerIsWorkedOutExactly)
{
    const Reading r = read(*GetParam().content);
    std::map<std::string, int> tally;
    for (const Choice* q : r.choices)
        for (const std::string& f : checkChoice(*q, tally))
            ADD_FAILURE() << "question " << q->printed << ": " << f;
    for (const Typed* q : r.typedQuestions)
        for (const std::string& f : checkTyped(*q, tally))
            ADD_FAILURE() << "typed question " << q->printed << " (" << u8(q->expected)
                          << "): " << f;
    std::cout << "  " << GetParam().className.toStdString() << ':';
    for (const auto& [why, count] : tally)
        std::cout << ' ' << why << ' ' << count;
    std::cout << '\n';
}

TEST_P(SheetContentCheck, PicturesDecodeAtTheirDisplaySize)
{
    for (const auto& [p, expression] : read(*GetParam().content).pictures) {
        if (p.drawn) {
            SCOPED_TRACE(u8(expression));
            ASSERT_NE(expression, nullptr);
            QImage image;
            EXPECT_NO_THROW(image = drawExpression(qs(expression)));
            EXPECT_LE(image.width(), 560) << "wider than the document's text";
            continue;
        }
        const QString resource = QString::fromLatin1(p.resource);
        SCOPED_TRACE(resource.toStdString());
        EXPECT_TRUE(QFile::exists(resource));
        QSize natural;
        EXPECT_NO_THROW(natural = SheetPicture::naturalSize(resource));
        EXPECT_EQ(natural, QSize(p.width, p.height)) << "drawn for another size";
        EXPECT_FALSE(SheetPicture::loadImage(resource, QSize(p.width, p.height)).isNull());
    }
}

TEST_P(SheetContentCheck, DrillPicturesShowTheWorkedExercise)
{
    const KeyRow* row = keyRowOf(GetParam().className);
    if (!row || !row->picturesAreTheWork)
        GTEST_SKIP() << "not a drill of drawn exercises";
    for (const Choice* q : read(*GetParam().content).choices) {
        EXPECT_TRUE(q->picture.drawn) << "question " << q->printed << " has no drawn exercise";
        EXPECT_EQ(q->work, nullptr) << "question " << q->printed
                                    << ": worked from other numbers than the picture shows";
        EXPECT_EQ(q->why, NotComputed::None) << "question " << q->printed;
    }
}

TEST_P(SheetContentCheck, StylesExistInTheSheetsTable)
{
    const SheetContent& c = *GetParam().content;
    const StyleTable table = styleTableOf(c.styles);
    for (int s : read(c).styles)
        EXPECT_TRUE(table.hasTextStyle(s)) << "style " << s;
    EXPECT_TRUE(table.hasTextStyle(static_cast<int>(c.headingStyle)));
}

// The built window carries exactly what the table says: the buttons in
// order with their captions, numbers and keys, the boxes with their texts.
TEST_P(SheetContentCheck, BuiltSheetFollowsItsTable)
{
    const SheetListing& s = GetParam();
    tv::test::FakeActivityHost host;
    std::unique_ptr<QDialog> w(s.make(host));
    auto* sheet = qobject_cast<TfrmTestMaster*>(w.get());
    ASSERT_NE(sheet, nullptr);
    const Reading r = read(*s.content);

    const std::vector<AnswerButton*> buttons = sheet->answerButtons();
    size_t b = 0;
    for (const Choice* q : r.choices)
        for (int i = 0; i < q->choiceCount(); ++i, ++b) {
            ASSERT_LT(b, buttons.size());
            EXPECT_EQ(buttons[b]->objectName(), QStringLiteral("RB%1").arg(b + 1));
            EXPECT_EQ(buttons[b]->text(), qs(q->choices[i]));
            EXPECT_EQ(sheet->getQuestionNumber(buttons[b]), q->engineNumber());
            EXPECT_EQ(sheet->getQuestionStatus(buttons[b]), i == q->keyed);
        }
    EXPECT_EQ(b, buttons.size()) << "answer buttons the table does not describe";

    const std::vector<AnswerBox*> boxes = sheet->answerBoxes();
    ASSERT_EQ(boxes.size(), r.typed.size());
    for (size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(boxes[i]->objectName(), QStringLiteral("Edit%1").arg(i + 1));
        EXPECT_EQ(boxes[i]->hint(), QString::fromStdU16String(r.typed[i]));
    }
    EXPECT_TRUE(sheet->RV->isFormatted());
}

INSTANTIATE_TEST_SUITE_P(AllSheets, SheetContentCheck, ::testing::ValuesIn(sheetListings()),
                         [](const ::testing::TestParamInfo<SheetListing>& info) {
                             return info.param.className.toStdString();
                         });

// The check itself: it must catch a wrong key, a wrong keyed choice and a
// wrong worked answer.
TEST(SheetContentCheckItself, CatchesWrongKeysAndWrongWork)
{
    std::map<std::string, int> tally;
    Choice q{.printed = 1, .prompt = u"{e} = ?", .expression = u"3/4 + 1/6",
             .choices = {u"4/10", u"11/12", u"1 1/12", u"None of the above."}, .keyed = 1};
    EXPECT_TRUE(checkChoice(q, tally).empty());
    Choice wrongKey = q;
    wrongKey.keyed = 2;
    EXPECT_FALSE(checkChoice(wrongKey, tally).empty());
    Choice wrongWork = q;
    wrongWork.work = u"3/4 + 1/4";
    EXPECT_FALSE(checkChoice(wrongWork, tally).empty());
    Choice twoRight = q;
    twoRight.choices[0] = u"22/24";
    EXPECT_FALSE(checkChoice(twoRight, tally).empty());
    // "None of the above." is right only when the answer is truly absent.
    Choice none = q;
    none.keyed = 3;
    EXPECT_FALSE(checkChoice(none, tally).empty());
    none.choices[1] = u"7/12";
    EXPECT_TRUE(checkChoice(none, tally).empty());
    Choice noWork = q;
    noWork.expression = nullptr;
    EXPECT_FALSE(checkChoice(noWork, tally).empty());
    noWork.why = NotComputed::Conceptual;
    EXPECT_TRUE(checkChoice(noWork, tally).empty());

    Typed t{.printed = 2, .expression = u"9+12÷4 - 6", .expected = u"6"};
    EXPECT_TRUE(checkTyped(t, tally).empty());
    t.expected = u"3";
    EXPECT_FALSE(checkTyped(t, tally).empty());
}

TEST(SheetContentCheckItself, EveryPublishedKeyHasOneRowAndEveryListedSheetARow)
{
    std::set<std::string> names;
    for (const KeyRow& r : kKeys)
        EXPECT_TRUE(names.insert(r.className).second) << r.className;
    EXPECT_EQ(names.size(), 34u);
    for (const SheetListing& s : sheetListings())
        EXPECT_NE(keyRowOf(s.className), nullptr) << s.className.toStdString();
}
