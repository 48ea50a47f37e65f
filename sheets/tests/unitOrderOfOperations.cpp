#include "sheets/tests/unitOrderOfOperations.h"

#include "sheets/unitMessageWindow.h"

#include <QPushButton>

namespace tv {

namespace {

struct Choice {
    const char16_t* caption;
    bool correct;
};

struct Question {
    int number;
    const char16_t* prompt;
    Choice choices[4];
};

// Every keyed answer is worked out in the comment beside it.
const Question kQuestions[] = {
    // 20 + 18
    {1, u"1.  5×4+6×3= ?", {{u"150", false}, {u"38", true}, {u"78", false}, {u"None of the above.", false}}},
    // 18 - (6 ÷ 3) × 2 = 18 - 4
    {2, u"2.  18 - 6÷3×2 = ?", {{u"8", false}, {u"17", false}, {u"14", true}, {u"None of the above.", false}}},
    // 7 + 3 × 6
    {3, u"3.  7+3×(10 - 4) = ?", {{u"60", false}, {u"33", false}, {u"19", false}, {u"25", true}}},
    // left to right: (48 ÷ 6) ÷ 2 = 8 ÷ 2
    {5, u"5.  48÷6÷2 = ?", {{u"16", false}, {u"2", false}, {u"4", true}, {u"None of the above.", false}}},
    // left to right: (20 - 4) + 3
    {6, u"6.  20 - 4+3 = ?", {{u"13", false}, {u"27", false}, {u"17", false}, {u"19", true}}},
    // 2 × 7 × 5
    {7, u"7.  2×(3+4)×5 = ?", {{u"26", false}, {u"70", true}, {u"50", false}, {u"None of the above.", false}}},
    // (36 ÷ 9) × 3 = 4 × 3
    {8, u"8.  36÷(2+7)×3 = ?", {{u"12", true}, {u"25", false}, {u"39", false}, {u"None of the above.", false}}},
    // 10 - 6 + 2
    {9, u"9.  10 - 2×3+8÷4 = ?", {{u"8", false}, {u"2", false}, {u"6", true}, {u"None of the above.", false}}},
    // 12 ÷ 4 + 1
    {10, u"10.  (15 - 3)÷(2+2)+1 = ?", {{u"2.4", false}, {u"4", true}, {u"3", false}, {u"None of the above.", false}}},
};

QString text(const char16_t* s)
{
    return QString::fromUtf16(s);
}

} // namespace

TfrmOrderOfOperations::TfrmOrderOfOperations(ActivityHost& host) : TfrmTestMaster(host)
{
    setObjectName(QStringLiteral("frmOrderOfOperations"));
    RV->setStyleTable(StyleTable::orderOfOperations());

    NAGButton3 = new QPushButton(QStringLiteral("NAGButton3"), this);
    NAGButton3->setObjectName(QStringLiteral("NAGButton3"));
    NAGButton3->setGeometry(264, 220, 90, 25);
    NAGButton3->setAutoDefault(false);
    NAGButton3->setFocusPolicy(Qt::NoFocus);
    connect(NAGButton3, &QPushButton::clicked, this, &TfrmOrderOfOperations::NAGButton3Click);
    NAGButton3->lower();

    setTabPrefixTitle(QStringLiteral("Order of Operations"));
    RV->addTaggedText(QStringLiteral("TESTJUMP"), 4, 1, QStringLiteral("jump1"));
    RV->addText(QStringLiteral("     "), 0, kContinueParagraph);
    RV->addTaggedText(QStringLiteral("WINDOW"), 4, kContinueParagraph, QStringLiteral("jump2"));
    doThickRedLine();
    RV->addText(QStringLiteral(" "), 0, 0);
    RV->addText(QStringLiteral(" "), 0, 0);

    const auto emptyLine = [this] { RV->addText(QStringLiteral(" "), 0, 0); };
    int rb = 0;
    const auto choiceQuestion = [&](const Question& q) {
        RV->addText(text(q.prompt), 12, 2);
        emptyLine();
        for (const Choice& c : q.choices)
            addNewRadioButton(QStringLiteral("RB") + QString::number(++rb), text(c.caption), q.number,
                              c.correct ? 1 : 0, 12);
        emptyLine();
        emptyLine();
    };

    choiceQuestion(kQuestions[0]);
    RV->addCheckpoint(QStringLiteral("jump3"));
    choiceQuestion(kQuestions[1]);
    RV->addCheckpoint(QStringLiteral("jump2"));
    choiceQuestion(kQuestions[2]);

    // Question 4 is typed: 9 + 3 - 6. It has no number of its own in the
    // scoring, so question 5 keeps its printed number.
    addNewNagLable(text(u"4.   9+12÷4 - 6=?"), 2);
    addNewNagEdit(QStringLiteral("Edit1"), QStringLiteral("6"), kContinueParagraph);
    emptyLine();
    emptyLine();

    RV->addCheckpoint(QStringLiteral("jump1"));
    RV->addTaggedText(QStringLiteral("Question2"), 4, 0, QStringLiteral("jump3"));
    emptyLine();
    for (size_t i = 3; i < std::size(kQuestions); ++i)
        choiceQuestion(kQuestions[i]);

    RV->formatDocument();
}

void TfrmOrderOfOperations::NAGButton3Click()
{
    TfrmMessageWindow* w = DisplayTestMessageWindow();
    w->RVMessage->addText(QStringLiteral("Testing testing testing"), 0, 0);
    w->RVMessage->formatDocument();
}

} // namespace tv
