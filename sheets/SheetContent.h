#pragma once
// What a sheet says, as data: its title, the steps of its document in reading
// order and its questions with their keys and worked answers. A sheet's unit
// holds one constant SheetContent; the sheet builder turns it into the
// document, and the content check reads the same table, so a key, a prompt
// and the computation behind it cannot drift apart.
//
// Plain C++ with no Qt at all: texts are UTF-16 literals (u"3/4 + 1/6"),
// resources and tags narrow literals.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace tv::sheet {

// Text styles of the sheet documents by their number in the style table.
// Style 14 is italic in the full table and a bold superscript in the general
// review's own table (see StyleTableKind).
enum class Style : std::int8_t {
    Normal = 0,
    Heading = 1,
    Subheading = 2,
    Keywords = 3,
    Jump1 = 4,
    Jump2 = 5,
    BoldRedItalic = 6,
    BoldRed = 7,
    Red = 8,
    BoldBlueItalic = 9,
    BoldBlue = 10,
    Blue = 11,
    BoldNormal = 12,
    SuperscriptBoldRed = 13,
    NormalItalic = 14,
    SuperscriptNormal = 15,
    GreekBoldBlue = 16,
    GreekBoldRed = 17,
    GreekNormal = 18,
};

// Paragraph mode of an append: continue the current line, or start a new
// paragraph in one of the four paragraph styles.
enum class Para : std::int8_t {
    Continue = -1,
    Plain = 0,
    Centred = 1,
    Question = 2, // hanging indent of a question prompt
    Answer = 3,   // an answer option under its prompt
};

enum class Rule : std::int8_t { ThinBlue, ThickBlue, ThinRed, ThickRed, ThinBlack, ThickBlack };

// Where a control stands on its line.
enum class VAlign : std::int8_t { Baseline, Middle };

// Which style table the document uses.
enum class StyleTableKind : std::int8_t {
    Sheet,             // the 19 styles of the sheet base window
    OrderOfOperations, // styles 0 to 12 only
    GeneralReview,     // 0 to 13, and 14 a bold superscript
};

// How the title label, caption, journal title and heading are made.
enum class TitleConvention : std::int8_t {
    TabPrefix,     // tab caption + "-" + title; heading style 1
    SkillsReview,  // the title alone; heading "Skills Review - " + title
    Investigation, // a label text and a heading of its own in style 2
    TutorialA,     // tab caption + "-" + title, 18 pt; heading style given
    TutorialB,     // the title alone; heading "Tutorial - " + title, style 1
};

// Still pictures print as their picture; the animated kind (the skills
// reviews' pictures) plays GIFs and prints as an empty frame.
enum class PictureKind : std::int8_t { Still, Animated };

// A picture is a drawing from the resources, or the question's own
// expression typeset as a textbook prints it (stacked fractions, mixed
// numbers, signs), made from the very text the check works out.
struct Picture {
    const char* resource = nullptr; // ":/sheets/..."
    int width = 0;                  // display size; a drawn expression takes its own
    int height = 0;
    // A centred paragraph of its own, or inside the running line.
    bool centred = false;
    VAlign align = VAlign::Middle;
    bool drawn = false; // draw the question's expression instead of a resource

    constexpr bool present() const { return resource != nullptr || drawn; }
};

// The question's expression, drawn inline after its number (at "{p}").
constexpr Picture drawnExpression(bool centred = false)
{
    Picture p;
    p.drawn = true;
    p.centred = centred;
    return p;
}

// Why a question's answer is not computed by the content check, in one
// word. Every question either has a worked answer or one of these.
enum class NotComputed : std::int8_t {
    None,       // it has a worked answer
    Conceptual, // a definition, a property, a rule
    Graph,      // read off a chart or graph
    Estimate,   // an estimate: several answers are near the value
    Pattern,    // the next term of a pattern
    Figure,     // read off a drawn figure
    Comparison, // which is larger, true or false
    Wording,    // a choice of words or of a number sentence
};

// A multiple-choice question.
//
// The prompt is a template: "{n}" stands for the printed number, "{e}" for
// the question's expression (the computation it states, written once), and
// "{p}" for the place of an inline picture. The worked answer is `work`, or,
// when that is empty, the expression itself; the check evaluates it with
// exact rational arithmetic and expects it to equal the keyed choice and no
// other.
struct Choice {
    int printed = 0;  // the number printed before the prompt; 0 for none
    // The number the engine judges and reports it under; -1: the printed one.
    // Two questions that share a number lock each other.
    int number = -1;
    const char16_t* prompt = nullptr;
    const char16_t* expression = nullptr;
    const char16_t* work = nullptr;
    NotComputed why = NotComputed::None;
    Style promptStyle = Style::BoldBlue;
    Picture picture;
    const char16_t* choices[4] = {};
    int keyed = 0;    // index of the right choice, 0 = first
    bool bold = true; // captions in bold (the bold flag 12)
    bool inlineChoices = false; // all on the prompt's line

    constexpr int engineNumber() const { return number >= 0 ? number : printed; }
    constexpr int choiceCount() const
    {
        int n = 0;
        while (n < 4 && choices[n])
            ++n;
        return n;
    }
};

// A typed-answer question: a prompt, optionally a prompt label, the answer
// box, and optionally text after the box (so the box can be a blank inside
// a sentence). Typed questions carry no question number of their own.
struct Typed {
    int printed = 0;
    const char16_t* prompt = nullptr; // template as in Choice; null for none
    const char16_t* expression = nullptr;
    const char16_t* work = nullptr;
    NotComputed why = NotComputed::None;
    Style promptStyle = Style::BoldBlue;
    Para promptPara = Para::Question;
    Picture picture; // centred under the prompt, or inline at "{p}"
    const char16_t* label = nullptr; // template; null: no prompt label
    Para labelPara = Para::Continue;
    const char16_t* expected = nullptr; // compared exactly as typed
    Para boxPara = Para::Continue;
    const char16_t* after = nullptr; // text after the box on its line
    Style afterStyle = Style::Normal;
};

// One step of the document.
struct Step {
    enum class Kind : std::int8_t { Text, Link, Anchor, Rule, Blank, Picture, Choice, Typed, Custom };
    Kind kind = Kind::Blank;
    const char16_t* text = nullptr; // Text, Link
    Style style = Style::Normal;    // Text, Link
    Para para = Para::Plain;        // Text, Link, Picture
    const char* tag = nullptr;      // Link tag or Anchor name
    Rule rule = Rule::ThinBlue;
    sheet::Picture picture;
    const sheet::Choice* choice = nullptr;
    const sheet::Typed* typed = nullptr;
    int custom = 0; // Custom: the part number the sheet builds itself
};

// How questions are laid out on a sheet.
struct QuestionLayout {
    bool ruled = false;          // a thin blue rule before every question
    int blanksAfterPrompt = 1;   // empty paragraphs between prompt and choices
    int blanksAfterQuestion = 2; // empty paragraphs after the choices
    PictureKind pictureKind = PictureKind::Still;
};

struct SheetContent {
    TitleConvention convention = TitleConvention::TabPrefix;
    const char16_t* title = nullptr;
    // Tab prefix and tutorial A: the label's point size (0 keeps the font).
    int titlePointSize = 18;
    // Investigation: the heading and the window caption.
    const char16_t* heading = nullptr;
    const char16_t* caption = nullptr;
    Style headingStyle = Style::Heading; // TutorialA's heading style
    StyleTableKind styles = StyleTableKind::Sheet;
    // The usual opening under the heading: a thick red rule and two empty
    // lines (a sheet with something between heading and rule writes its own).
    bool opening = false;
    QuestionLayout layout;
    std::span<const Step> steps;
};

// Texts may switch style for a phrase: "the {s10:numerators} are added"
// sets "numerators" in style 10 and returns to the text's own style. A run
// of a text, after the markup is read.
struct Run {
    std::u16string_view text;
    int style = 0;
};
// Splits a text at its style markers. A marker that is not closed, or whose
// style is not a number, is taken as plain text.
std::vector<Run> splitRuns(std::u16string_view text, Style base);

// A skills-review sheet: the title alone on the label, the heading
// "Skills Review - " + title, a thin blue rule before every question, and
// pictures of the animated kind.
constexpr SheetContent skillsReview(const char16_t* title, std::span<const Step> steps)
{
    SheetContent c;
    c.convention = TitleConvention::SkillsReview;
    c.title = title;
    c.titlePointSize = 0;
    c.layout.ruled = true;
    c.layout.pictureKind = PictureKind::Animated;
    c.opening = true;
    c.steps = steps;
    return c;
}

// --- question makers for the usual shapes of a multiple-choice question:
// four choices, the keyed one by its index (0 = first).
constexpr const char16_t* kNoneOfTheAbove = u"None of the above.";

// A question that states its computation: the prompt shows `expression` at
// "{e}", and the check works out the same text.
constexpr Choice stated(int printed, const char16_t* prompt, const char16_t* expression,
                        const char16_t* a, const char16_t* b, const char16_t* c, const char16_t* d,
                        int keyed)
{
    Choice q;
    q.printed = printed;
    q.prompt = prompt;
    q.expression = expression;
    q.choices[0] = a;
    q.choices[1] = b;
    q.choices[2] = c;
    q.choices[3] = d;
    q.keyed = keyed;
    return q;
}

// A question in words: `work` is its computation over the prompt's numbers.
constexpr Choice worded(int printed, const char16_t* prompt, const char16_t* work,
                        const char16_t* a, const char16_t* b, const char16_t* c, const char16_t* d,
                        int keyed)
{
    Choice q = stated(printed, prompt, nullptr, a, b, c, d, keyed);
    q.work = work;
    return q;
}

// A drill: the exercise typeset right after the number and worked from the
// same text, so picture and key cannot disagree.
constexpr Choice drill(int printed, const char16_t* exercise, const char16_t* a, const char16_t* b,
                       const char16_t* c, const char16_t* d, int keyed)
{
    Choice q = stated(printed, u"{n}.   {p}", exercise, a, b, c, d, keyed);
    q.picture = drawnExpression();
    return q;
}

// The same question with a picture.
constexpr Choice pictured(Choice q, Picture picture)
{
    q.picture = picture;
    return q;
}

// --- step makers, so a table reads as the document does
constexpr Step text(const char16_t* t, Style s = Style::Normal, Para p = Para::Continue)
{
    Step x;
    x.kind = Step::Kind::Text;
    x.text = t;
    x.style = s;
    x.para = p;
    return x;
}
constexpr Step link(const char16_t* t, const char* tag, Para p = Para::Continue,
                    Style s = Style::Jump1)
{
    Step x = text(t, s, p);
    x.kind = Step::Kind::Link;
    x.tag = tag;
    return x;
}
constexpr Step anchor(const char* name)
{
    Step x;
    x.kind = Step::Kind::Anchor;
    x.tag = name;
    return x;
}
constexpr Step rule(Rule r)
{
    Step x;
    x.kind = Step::Kind::Rule;
    x.rule = r;
    return x;
}
// An empty line: a one-blank paragraph.
constexpr Step blank()
{
    return Step{};
}
constexpr Step picture(Picture p)
{
    Step x;
    x.kind = Step::Kind::Picture;
    x.picture = p;
    return x;
}
constexpr Step ask(const Choice& q)
{
    Step x;
    x.kind = Step::Kind::Choice;
    x.choice = &q;
    return x;
}
constexpr Step ask(const Typed& q)
{
    Step x;
    x.kind = Step::Kind::Typed;
    x.typed = &q;
    return x;
}
// An irregular part the sheet builds in code (TfrmTestMaster::buildPart).
constexpr Step custom(int part)
{
    Step x;
    x.kind = Step::Kind::Custom;
    x.custom = part;
    return x;
}

} // namespace tv::sheet
