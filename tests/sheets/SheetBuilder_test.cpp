// The builder against hand-made tables: title conventions, picture places,
// typed questions inside sentences and custom parts that keep the names
// running.
#include "sheets/RichDocument.h"
#include "sheets/SheetBuilder.h"
#include "sheets/SheetContent.h"
#include "sheets/SheetPicture.h"
#include "sheets/unitMasterTest.h"
#include "tests/support/FakeActivityHost.h"
#include "ui/Errors.h"

#include <gtest/gtest.h>

using namespace tv;
using namespace tv::sheet;

namespace {

// A sheet made from any table, with one custom part: a choice question the
// sheet lays out itself, its buttons named by the builder.
class TableSheet : public TfrmTestMaster {
public:
    TableSheet(ActivityHost& host, const SheetContent& content) : TfrmTestMaster(host) { build(content); }
    void buildPart(int part, SheetBuilder& b) override
    {
        b.addText(QStringLiteral("Part %1").arg(part), Style::BoldRed, Para::Centred);
        b.addChoice(QStringLiteral("yes"), 7, true, false, true);
        b.addChoice(QStringLiteral("no"), 7, false, false, true);
    }
};

constexpr Choice kInline{.printed = 1,
                         .prompt = u"{n}.   {p} = ?",
                         .expression = u"1/2 + 1/4",
                         .picture = drawnExpression(),
                         .choices = {u"3/4", u"2/6"},
                         .keyed = 0};
constexpr Choice kCentred{.printed = 2,
                          .prompt = u"{n}.   What is {e}?",
                          .expression = u"3 × 4",
                          .picture = drawnExpression(true),
                          .choices = {u"7", u"12", u"34"},
                          .keyed = 1,
                          .bold = false};
constexpr Typed kBlank{.printed = 3,
                       .prompt = u"{n}.   Fill in: 1/5 + 2/5 = ",
                       .expression = u"1/5 + 2/5",
                       .expected = u"3",
                       .after = u"/5."};

constexpr Step kSteps[] = {
    text(u"Read {s10:carefully}, then answer.", Style::Normal, Para::Plain),
    ask(kInline),
    custom(1),
    ask(kCentred),
    ask(kBlank),
    anchor("end"),
};

int itemOf(const RichDocument& rv, QWidget* control)
{
    for (int i = 0; i < rv.itemCount(); ++i)
        if (rv.itemControl(i) == control)
            return i;
    return -1;
}

} // namespace

TEST(SheetBuilder, LaysOutPromptsPicturesChoicesAndBlanksInOrder)
{
    tv::test::FakeActivityHost host;
    constexpr SheetContent content = skillsReview(u"Builder", kSteps);
    TableSheet sheet(host, content);
    const RichDocument& rv = *sheet.RV;

    // Heading, opening rule and two blanks, then the marked-up line in three runs.
    EXPECT_EQ(rv.itemText(0), "Skills Review - Builder");
    EXPECT_EQ(rv.itemKind(1), RichDocument::ItemKind::Rule);
    EXPECT_EQ(rv.itemText(4), "Read ");
    EXPECT_EQ(rv.itemText(5), "carefully");
    EXPECT_EQ(rv.itemStyle(5), 10);
    EXPECT_EQ(rv.itemParaMode(5), -1);
    EXPECT_EQ(rv.itemText(6), ", then answer.");
    EXPECT_EQ(rv.itemStyle(6), 0);

    // Names run through the document, the custom part's buttons included.
    const auto buttons = sheet.answerButtons();
    ASSERT_EQ(buttons.size(), 7u);
    const char* names[] = {"RB1", "RB2", "RB3", "RB4", "RB5", "RB6", "RB7"};
    for (size_t i = 0; i < buttons.size(); ++i)
        EXPECT_EQ(buttons[i]->objectName(), names[i]);
    EXPECT_EQ(sheet.getQuestionNumber(buttons[2]), 7);
    EXPECT_EQ(sheet.getQuestionNumber(buttons[5]), 2);
    EXPECT_FALSE(buttons[5]->font().bold()); // the bold flag off
    EXPECT_TRUE(buttons[0]->font().bold());

    // Question 1: a ruled question, its picture inline between the number
    // and the rest of the prompt; choices each in a new answer paragraph.
    const int first = itemOf(rv, buttons[0]);
    EXPECT_EQ(rv.itemParaMode(first), 3);
    int picture = -1;
    for (int i = 0; i < first; ++i)
        if (qobject_cast<SheetPicture*>(rv.itemControl(i)))
            picture = i;
    ASSERT_GT(picture, 0);
    EXPECT_EQ(rv.itemText(picture - 1), "1.   ");
    EXPECT_EQ(rv.itemParaMode(picture - 1), 2);
    EXPECT_EQ(rv.itemKind(picture - 2), RichDocument::ItemKind::Rule);
    EXPECT_EQ(rv.itemParaMode(picture), -1);
    EXPECT_EQ(rv.itemText(picture + 1), " = ?");

    // The custom part's choices stand on one line.
    EXPECT_EQ(rv.itemParaMode(itemOf(rv, buttons[2])), -1);

    // Question 2: the prompt shows its expression, the picture is centred.
    const int second = itemOf(rv, buttons[4]);
    int centred = -1;
    for (int i = itemOf(rv, buttons[3]); i < second; ++i)
        if (qobject_cast<SheetPicture*>(rv.itemControl(i)))
            centred = i;
    ASSERT_GT(centred, 0);
    EXPECT_EQ(rv.itemParaMode(centred), 1);
    EXPECT_EQ(rv.itemText(centred - 1), "2.   What is 3 × 4?");

    // Question 3: the box is the blank inside the sentence.
    ASSERT_EQ(sheet.answerBoxes().size(), 1u);
    AnswerBox* box = sheet.answerBoxes()[0];
    EXPECT_EQ(box->objectName(), "Edit1");
    EXPECT_EQ(box->hint(), "3");
    const int at = itemOf(rv, box);
    EXPECT_EQ(rv.itemText(at - 1), "3.   Fill in: 1/5 + 2/5 = ");
    EXPECT_EQ(rv.itemParaMode(at), -1);
    EXPECT_EQ(rv.itemText(at + 1), "/5.");
    EXPECT_EQ(rv.checkpointName(0), "end");
    EXPECT_TRUE(rv.isFormatted());
}

TEST(SheetBuilder, TitleConventions)
{
    struct Case {
        TitleConvention convention;
        const char* label;
        const char* heading;
        int headingStyle;
        const char* captionStart;
    };
    const Case cases[] = {
        {TitleConvention::TabPrefix, "Tutorials-T", "Tutorials-T", 1, "Tallyvale, Tutorials-T"},
        {TitleConvention::SkillsReview, "T", "Skills Review - T", 1, "Tallyvale Skills Review, T"},
        {TitleConvention::Investigation, "T", "Investigation 9", 2, "Bits - Investigation 9"},
        {TitleConvention::TutorialA, "Tutorials-T", "Tutorials-T", 2, "Tallyvale, Tutorials-T"},
        {TitleConvention::TutorialB, "T", "Tutorial - T", 1, "Tallyvale Skills Review, T"},
    };
    tv::test::FakeActivityHost host;
    host.tabCaption = QStringLiteral("Tutorials");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SheetContent content;
        content.convention = c.convention;
        content.title = u"T";
        content.heading = u"Investigation 9";
        content.caption = u"Bits - Investigation 9";
        content.headingStyle = Style::Subheading;
        TableSheet sheet(host, content);
        EXPECT_EQ(sheet.lblFormTitle->text(), c.label);
        EXPECT_EQ(sheetTitle, c.label);
        EXPECT_EQ(sheet.RV->itemText(0), c.heading);
        EXPECT_EQ(sheet.RV->itemStyle(0), c.headingStyle);
        EXPECT_TRUE(sheet.windowTitle().startsWith(c.captionStart)) << sheet.windowTitle().toStdString();
    }
}

TEST(SheetBuilder, ACustomStepTheSheetDoesNotKnowFails)
{
    tv::test::FakeActivityHost host;
    constexpr Step steps[] = {custom(3)};
    SheetContent content = skillsReview(u"T", steps);
    EXPECT_THROW(TfrmTestMaster(host).build(content), Error);
}
