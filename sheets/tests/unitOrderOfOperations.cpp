#include "sheets/tests/unitOrderOfOperations.h"

#include "sheets/unitMessageWindow.h"

#include <QPushButton>

namespace tv {

using namespace sheet;

namespace {

// Each sum is written once: the prompt shows it and the content check works
// it out, left to right within each level of precedence.
constexpr Choice q(int n, const char16_t* prompt, const char16_t* sum, const char16_t* a, const char16_t* b,
         const char16_t* c, const char16_t* d, int keyed)
{
    Choice x = stated(n, prompt, sum, a, b, c, d, keyed);
    x.promptStyle = Style::BoldNormal;
    return x;
}

constexpr const char16_t* kNone = kNoneOfTheAbove;

constexpr Choice kQ1 = q(1, u"{n}.  {e}= ?", u"5×4+6×3", u"150", u"38", u"78", kNone, 1);
constexpr Choice kQ2 = q(2, u"{n}.  {e} = ?", u"18 - 6÷3×2", u"8", u"17", u"14", kNone, 2);
constexpr Choice kQ3 = q(3, u"{n}.  {e} = ?", u"7+3×(10 - 4)", u"60", u"33", u"19", u"25", 3);
constexpr Choice kQ5 = q(5, u"{n}.  {e} = ?", u"48÷6÷2", u"16", u"2", u"4", kNone, 2);
constexpr Choice kQ6 = q(6, u"{n}.  {e} = ?", u"20 - 4+3", u"13", u"27", u"17", u"19", 3);
constexpr Choice kQ7 = q(7, u"{n}.  {e} = ?", u"2×(3+4)×5", u"26", u"70", u"50", kNone, 1);
constexpr Choice kQ8 = q(8, u"{n}.  {e} = ?", u"36÷(2+7)×3", u"12", u"25", u"39", kNone, 0);
constexpr Choice kQ9 = q(9, u"{n}.  {e} = ?", u"10 - 2×3+8÷4", u"8", u"2", u"6", kNone, 2);
constexpr Choice kQ10 = q(10, u"{n}.  {e} = ?", u"(15 - 3)÷(2+2)+1", u"2.4", u"4", u"3", kNone, 1);

// Question 4 is typed, its prompt a label on the question's line; it has no
// number of its own in the scoring, so question 5 keeps its printed number.
constexpr Typed kQ4{.printed = 4,
                   .expression = u"9+12÷4 - 6",
                   .label = u"{n}.   {e}=?",
                   .labelPara = Para::Question,
                   .expected = u"6"};

constexpr Step kSteps[] = {
    link(u"TESTJUMP", "jump1", Para::Centred),
    text(u"     "),
    link(u"WINDOW", "jump2"),
    rule(Rule::ThickRed),
    blank(),
    blank(),
    ask(kQ1),
    anchor("jump3"),
    ask(kQ2),
    anchor("jump2"),
    ask(kQ3),
    ask(kQ4),
    anchor("jump1"),
    link(u"Question2", "jump3", Para::Plain),
    blank(),
    ask(kQ5),
    ask(kQ6),
    ask(kQ7),
    ask(kQ8),
    ask(kQ9),
    ask(kQ10),
};

constexpr SheetContent kContent{.convention = TitleConvention::TabPrefix,
                                .title = u"Order of Operations",
                                .styles = StyleTableKind::OrderOfOperations,
                                .steps = kSteps};

} // namespace

const SheetContent& TfrmOrderOfOperations::content() { return kContent; }

TfrmOrderOfOperations::TfrmOrderOfOperations(ActivityHost& host) : TfrmTestMaster(host)
{
    setObjectName(QStringLiteral("frmOrderOfOperations"));

    NAGButton3 = new QPushButton(QStringLiteral("NAGButton3"), this);
    NAGButton3->setObjectName(QStringLiteral("NAGButton3"));
    NAGButton3->setGeometry(264, 220, 90, 25);
    NAGButton3->setAutoDefault(false);
    NAGButton3->setFocusPolicy(Qt::NoFocus);
    connect(NAGButton3, &QPushButton::clicked, this, &TfrmOrderOfOperations::NAGButton3Click);
    NAGButton3->lower();

    build(kContent);
}

void TfrmOrderOfOperations::NAGButton3Click()
{
    TfrmMessageWindow* w = DisplayTestMessageWindow();
    w->RVMessage->addText(QStringLiteral("Testing testing testing"), 0, 0);
    w->RVMessage->formatDocument();
}

} // namespace tv
