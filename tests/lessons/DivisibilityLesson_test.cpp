// The divisibility lesson's content and replies: the document's order and
// pieces, every number it prints worked again by the rules it teaches, the
// exercise replies against real divisibility, and the exact "Check".
#include "lessons/DivisibilityLesson.h"
#include "ui/Errors.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <vector>

using namespace tv::lessons;
using K = LessonItem::Kind;

namespace {

QString textOf(const LessonItem& item) { return QString::fromUtf16(item.text); }

// Every text of the document in order, one paragraph per line.
QString documentText()
{
    QString all;
    for (const LessonItem& item : divisibilityDocument()) {
        if (item.kind != K::Text && item.kind != K::Link)
            continue;
        if (item.para != kSameLine)
            all += QLatin1Char('\n');
        all += textOf(item);
    }
    return all;
}

// The paragraphs as they read on the page.
QStringList paragraphs() { return documentText().split(QLatin1Char('\n')); }

int indexOfText(const QString& text, int from = 0)
{
    const auto doc = divisibilityDocument();
    for (int i = from; i < static_cast<int>(doc.size()); ++i)
        if (textOf(doc[i]) == text)
            return i;
    return -1;
}

QString n(int v) { return QString::number(v); }

// 7139 -> "7,139", as the document prints numbers of four digits.
QString withComma(int v)
{
    return v < 1000 ? n(v) : QStringLiteral("%1,%2").arg(v / 1000).arg(v % 1000, 3, 10, QLatin1Char('0'));
}

} // namespace

TEST(DivisibilityDocument, StartsAtItsAnchorAndEndsWithTheCentredLinkBackToIt)
{
    const auto doc = divisibilityDocument();
    ASSERT_GE(doc.size(), 3u);
    EXPECT_EQ(doc.front().kind, K::Anchor);
    EXPECT_EQ(textOf(doc.front()), QStringLiteral("topOfPage"));
    EXPECT_EQ(textOf(doc[1]), QStringLiteral("Does it Divide Evenly?"));
    EXPECT_EQ(doc[1].style, kSubheading);
    EXPECT_EQ(doc[1].para, kCentred);

    const LessonItem& last = doc.back();
    EXPECT_EQ(last.kind, K::Link);
    EXPECT_EQ(textOf(last), QStringLiteral("Go to the beginning."));
    EXPECT_EQ(QString::fromUtf16(last.tag), QStringLiteral("topOfPage"));
    EXPECT_EQ(last.para, kCentred);
    // Two empty lines before it.
    for (size_t i = doc.size() - 3; i < doc.size() - 1; ++i)
        EXPECT_EQ(textOf(doc[i]).trimmed(), QString()) << i;

    int anchors = 0;
    for (const LessonItem& item : doc)
        anchors += item.kind == K::Anchor;
    EXPECT_EQ(anchors, 1);
}

TEST(DivisibilityDocument, LinksInOrderWithTheirTagsAllInTheLinkStyle)
{
    QStringList links;
    for (const LessonItem& item : divisibilityDocument()) {
        if (item.kind != K::Link)
            continue;
        EXPECT_EQ(item.style, kJump1) << textOf(item).toStdString();
        links << textOf(item) + QLatin1Char('>') + QString::fromUtf16(item.tag);
    }
    EXPECT_EQ(links, QStringList({"factors>factor", "composite>composite", "prime>prime", "prime>prime",
                                  "composite>composite", "Go to the beginning.>topOfPage"}));
    // Every link but the last is a definition; the last is the anchor.
    for (int i = 0; i < links.size(); ++i) {
        const QString tag = links[i].section(QLatin1Char('>'), 1);
        EXPECT_EQ(definitionFor(tag).has_value(), i < links.size() - 1) << tag.toStdString();
    }
}

TEST(DivisibilityDocument, SectionsComeInOrderEachAfterAThinRule)
{
    const auto doc = divisibilityDocument();
    const QStringList headings = {"Divisibility", "Divisibility Rules", "Example", "Excercises"};
    int at = 0;
    for (const QString& heading : headings) {
        const int i = indexOfText(heading, at);
        ASSERT_GT(i, at) << heading.toStdString();
        EXPECT_EQ(doc[i - 1].kind, K::Rule) << heading.toStdString();
        at = i;
    }
    EXPECT_EQ(doc[indexOfText(QStringLiteral("Divisibility"))].style, kKeywords);
    for (const char* centredHeading : {"Divisibility Rules", "Example", "Excercises"}) {
        const LessonItem& h = doc[indexOfText(QString::fromLatin1(centredHeading))];
        EXPECT_EQ(h.style, kSubheading);
        EXPECT_EQ(h.para, kCentred);
    }
    // The introduction's "if" is a keyword, between the two link paragraphs.
    const int ifAt = indexOfText(QStringLiteral("if"));
    ASSERT_GT(ifAt, 0);
    EXPECT_EQ(doc[ifAt].style, kKeywords);
    EXPECT_LT(ifAt, indexOfText(QStringLiteral("Divisibility")));
}

TEST(DivisibilityDocument, ElevenRulesEachATitleParagraphFollowedByItsRule)
{
    const auto doc = divisibilityDocument();
    int previous = indexOfText(QStringLiteral("Divisibility Rules"));
    for (int divisor = 2; divisor <= 11; ++divisor) {
        const int i = indexOfText(QStringLiteral("Divisibility by ") + n(divisor));
        ASSERT_GT(i, previous) << divisor;
        EXPECT_EQ(doc[i].style, kKeywords);
        EXPECT_EQ(doc[i].para, kNewParagraph);
        EXPECT_EQ(doc[i + 1].style, kNormalText);
        EXPECT_EQ(doc[i + 1].para, kNewParagraph);
        previous = i;
    }
    EXPECT_LT(previous, indexOfText(QStringLiteral("Example")));
    // "both" in the rule for 6 is a keyword.
    const int both = indexOfText(QStringLiteral("both"));
    EXPECT_GT(both, indexOfText(QStringLiteral("Divisibility by 6")));
    EXPECT_EQ(doc[both].style, kKeywords);
}

TEST(DivisibilityDocument, IntroductionDividesSixByEachOfItsFactorsOnCentredLines)
{
    const auto doc = divisibilityDocument();
    for (int d : {1, 2, 3, 6}) {
        const int i = indexOfText(QStringLiteral("6\u00F7%1 = %2").arg(d).arg(6 / d));
        ASSERT_GT(i, 0) << d;
        EXPECT_EQ(doc[i].para, kCentred);
    }
    EXPECT_TRUE(documentText().contains(QStringLiteral("4+7+1=%1").arg(digitSum(471))));
    EXPECT_EQ(digitSum(471) % 3, 0);
    EXPECT_TRUE(documentText().contains(QStringLiteral("471\u00F73 = %1").arg(471 / 3)));
}

// The worked example on 7,224: each line it prints is what the rule gives.
TEST(DivisibilityDocument, WorkedExampleLinesAreWhatTheRulesGiveFor7224)
{
    const int number = 7224;
    const QStringList lines = paragraphs();
    const SevenStep first = sevenStep(number);
    const SevenStep second = sevenStep(first.result);
    const ElevenSums eleven = elevenSums(number);
    const QStringList expected = {
        QStringLiteral("7+2+2+4=%1").arg(digitSum(number)),
        QStringLiteral("24\u00F74=%1").arg(24 / 4),
        QStringLiteral("%1 - %2 = %3").arg(first.remaining).arg(first.doubled).arg(first.result),
        QStringLiteral("%1 - %2 = %3").arg(second.remaining).arg(second.doubled).arg(second.result),
        QStringLiteral("224\u00F78=%1").arg(224 / 8),
        QStringLiteral("7+2=%1").arg(eleven.fromLeft),
        QStringLiteral("2+4=%1").arg(eleven.others),
        QStringLiteral("%1-%2=%3").arg(eleven.fromLeft).arg(eleven.others).arg(eleven.fromLeft - eleven.others),
    };
    int from = lines.indexOf(QStringLiteral("Example"));
    ASSERT_GT(from, 0);
    for (const QString& line : expected) {
        const int at = lines.indexOf(line, from);
        EXPECT_GT(at, from) << line.toStdString();
        from = std::max(from, at);
    }
    // What the example concludes agrees with plain division.
    EXPECT_EQ(second.result % 7 == 0, number % 7 == 0);
    EXPECT_EQ((number % 1000) % 8 == 0, number % 8 == 0);
    for (int d = 2; d <= 11; ++d) {
        const bool divisible = number % d == 0;
        const QString by = QStringLiteral("By %1: ").arg(d);
        const int at = lines.indexOf(QRegularExpression(QStringLiteral("^") + QRegularExpression::escape(by) + ".*"));
        ASSERT_GE(at, 0) << d;
        // The verdict: the last sentence of that rule's part of the example.
        int end = at;
        while (end + 1 < lines.size() && !lines[end + 1].startsWith(QStringLiteral("By ")) &&
               !lines[end + 1].trimmed().isEmpty())
            ++end;
        const QString verdict = lines[end];
        EXPECT_EQ(verdict.contains(QStringLiteral("not divisible by %1.").arg(d)), !divisible) << d;
        EXPECT_TRUE(verdict.contains(QStringLiteral("divisible by %1.").arg(d))) << d;
    }
}

TEST(DivisibilityDocument, TheDoubledDigitsAndTheElevenDigitsCarryTheirStyles)
{
    const auto doc = divisibilityDocument();
    const int example = indexOfText(QStringLiteral("Example"));
    int eights = 0;
    for (size_t i = example; i < doc.size(); ++i)
        if (textOf(doc[i]) == QLatin1String("8") && doc[i].style == kKeywords)
            ++eights;
    EXPECT_EQ(eights, 4); // twice in the sentences, twice in the centred subtractions

    // The digits of 7,224 in turn red and blue, then the two centred sums.
    const int seven = indexOfText(QStringLiteral("7"), example);
    ASSERT_GT(seven, 0);
    const int styles[] = {kBoldRed, kBoldBlue, kBoldRed, kBoldBlue};
    const char16_t* digits[] = {u"7", u"2", u"2", u"4"};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(textOf(doc[seven + k]), QString::fromUtf16(digits[k]));
        EXPECT_EQ(doc[seven + k].style, styles[k]);
    }
    EXPECT_EQ(doc[indexOfText(QStringLiteral("7+2=9"))].style, kBoldRed);
    EXPECT_EQ(doc[indexOfText(QStringLiteral("2+4=6"))].style, kBoldBlue);
}

TEST(DivisibilityDocument, ExercisesPlaceTheirControlsOnTheirLines)
{
    const auto doc = divisibilityDocument();
    QStringList controls;
    for (const LessonItem& item : doc)
        if (item.kind == K::Control)
            controls << textOf(item);
    EXPECT_EQ(controls, QStringList({"yes1", "no1", "yes2", "no2", "yes3", "no3", "edit1", "btn1"}));

    const QStringList prompts = {"Is 582 divisible by 3?", "Is 406 divisible by 7?", "Is 7,139 divisible by 11?"};
    for (int q = 0; q < 3; ++q) {
        const int at = indexOfText(prompts[q]);
        ASSERT_GT(at, indexOfText(QStringLiteral("Excercises")));
        EXPECT_EQ(doc[at].style, kBoldBlue);
        EXPECT_EQ(doc[at].para, kNewParagraph);
        // Yes and No on the prompt's own line, before the next paragraph.
        QStringList onLine;
        for (size_t i = at + 1; i < doc.size() && doc[i].para == kSameLine; ++i)
            if (doc[i].kind == K::Control)
                onLine << textOf(doc[i]);
        EXPECT_EQ(onLine, QStringList({QStringLiteral("yes%1").arg(q + 1), QStringLiteral("no%1").arg(q + 1)}));
    }
    const int digit = indexOfText(QStringLiteral("Replace the missing digit in 5,3?2 to make the entire number"));
    ASSERT_GT(digit, 0);
    EXPECT_EQ(textOf(doc[digit + 1]), QStringLiteral(" divisible by 9."));
    EXPECT_EQ(doc[digit + 1].para, kNewParagraph);
    EXPECT_EQ(textOf(doc[digit + 2]), QStringLiteral("edit1"));
    EXPECT_EQ(doc[digit + 2].para, kCentred);
    int btn = digit + 3;
    while (doc[btn].kind != K::Control)
        EXPECT_EQ(doc[btn++].para, kSameLine);
    EXPECT_EQ(textOf(doc[btn]), QStringLiteral("btn1"));
    EXPECT_EQ(doc[btn].para, kSameLine);
}

TEST(DivisibilityReplies, TheThreeDefinitionsByExactTag)
{
    struct Case {
        const char* tag;
        const char* caption;
        std::vector<const char16_t*> mentions;
    };
    const Case cases[] = {
        {"prime", "Prime", {u"Prime numbers are numbers with only two factors, 1 and the number itself. Five is prime "
                            u"since the only factors of 5 are 1 and 5. Four is not prime since 4 has factors of 1, "
                            u"2, and 4."}},
        {"composite", "Composite", {u"more than two factors", u"Four is composite", u"Three is not composite"}},
        {"factor", "Factor", {u"8\u00F74=2", u"9\u00F73=3", u"2 is not a factor of 9"}},
    };
    for (const Case& c : cases) {
        const auto reply = definitionFor(QString::fromLatin1(c.tag));
        ASSERT_TRUE(reply.has_value()) << c.tag;
        EXPECT_EQ(reply->caption, QString::fromLatin1(c.caption));
        for (const char16_t* m : c.mentions)
            EXPECT_TRUE(reply->message.contains(QString::fromUtf16(m))) << c.tag;
    }
    EXPECT_EQ(definitionFor(QStringLiteral("prime"))->message.size(),
              QString::fromUtf16(cases[0].mentions[0]).size());
    for (const char* other : {"Prime", "prime ", "topOfPage", "", "factors"})
        EXPECT_FALSE(definitionFor(QString::fromLatin1(other)).has_value()) << other;
}

// Each Yes or No is right exactly when the number divides.
TEST(DivisibilityReplies, YesAndNoAreJudgedByRealDivisibility)
{
    ASSERT_EQ(yesNoExercises().size(), 3u);
    for (const YesNoExercise& e : yesNoExercises()) {
        const bool divides = e.number % e.divisor == 0;
        const Reply yes = answerReply(QString::fromUtf16(e.yesButton));
        const Reply no = answerReply(QString::fromUtf16(e.noButton));
        EXPECT_EQ(yes.caption, divides ? QStringLiteral("Correct") : QStringLiteral("Wrong")) << e.number;
        EXPECT_EQ(no.caption, divides ? QStringLiteral("Wrong") : QStringLiteral("Correct")) << e.number;
        const Reply& right = divides ? yes : no;
        const Reply& wrong = divides ? no : yes;
        EXPECT_TRUE(right.message.startsWith(QStringLiteral("Congratulations, That's correct!")));
        EXPECT_TRUE(wrong.message.startsWith(QStringLiteral("Sorry, but that is incorrect.")));
        // The prompt in the document asks about this very number.
        const QString shown = withComma(e.number);
        EXPECT_TRUE(documentText().contains(QStringLiteral("Is %1 divisible by %2?").arg(shown).arg(e.divisor)))
            << shown.toStdString();
    }
    EXPECT_EQ(answerReply(QStringLiteral("yes2")).message, QStringLiteral("Congratulations, That's correct!"));
    EXPECT_EQ(answerReply(QStringLiteral("yes3")).message, QStringLiteral("Congratulations, That's correct!"));
    EXPECT_THROW(answerReply(QStringLiteral("yes4")), tv::Error);
}

// The wrong replies show the rule worked on the number, and the work is right.
TEST(DivisibilityReplies, WrongRepliesWorkTheRuleCorrectly)
{
    const QString three = answerReply(QStringLiteral("no1")).message;
    EXPECT_TRUE(three.contains(QStringLiteral("5+8+2=%1").arg(digitSum(582))));

    const SevenStep s = sevenStep(406);
    const QString seven = answerReply(QStringLiteral("no2")).message;
    EXPECT_TRUE(seven.contains(QStringLiteral("%1-%2=%3").arg(s.remaining).arg(s.doubled).arg(s.result)));
    EXPECT_EQ(s.result % 7, 0);

    const ElevenSums e = elevenSums(7139);
    const QString eleven = answerReply(QStringLiteral("no3")).message;
    EXPECT_TRUE(eleven.contains(QStringLiteral("7+3=%1").arg(e.fromLeft)));
    EXPECT_TRUE(eleven.contains(QStringLiteral("1+9=%1").arg(e.others)));
    EXPECT_TRUE(eleven.contains(QStringLiteral("%1-%2=%3").arg(e.fromLeft).arg(e.others).arg(e.fromLeft - e.others)));
    EXPECT_TRUE(answerReply(QStringLiteral("yes1")).message.contains(QStringLiteral("5+8+2=15")));
}

TEST(DivisibilityReplies, CheckAcceptsOnlyTheOneDigitThatMakesTheNumberDivisible)
{
    const MissingDigitExercise e = missingDigitExercise();
    QStringList fitting;
    for (int d = 0; d <= 9; ++d)
        if (((e.before * 10 + d) * 10 + e.after) % e.divisor == 0)
            fitting << QString::number(d);
    ASSERT_EQ(fitting.size(), 1);
    const QString digit = fitting.front();

    const Reply right = checkReply(digit);
    EXPECT_EQ(right.caption, QStringLiteral("Correct"));
    EXPECT_EQ(right.message, QStringLiteral("Congratulations, That's correct."));
    for (const QString& typed : {digit + " ", " " + digit, digit + digit, QString(), QStringLiteral("0"),
                                 QStringLiteral("9"), digit + ".0", QStringLiteral("eight")}) {
        const Reply wrong = checkReply(typed);
        EXPECT_EQ(wrong.caption, QStringLiteral("Wrong")) << '"' << typed.toStdString() << '"';
        EXPECT_EQ(wrong.message, QStringLiteral("Sorry, but that is incorrect."));
    }
}

TEST(DivisibilityRules, WorkedAsTaught)
{
    struct Case { int number, digitSum, remaining, doubled, fromLeft, others; };
    const Case cases[] = {
        {7224, 15, 722, 8, 9, 6},
        {406, 10, 40, 12, 10, 0},
        {7139, 20, 713, 18, 10, 10},
        {5, 5, 0, 10, 5, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(digitSum(c.number), c.digitSum) << c.number;
        const SevenStep s = sevenStep(c.number);
        EXPECT_EQ(s.remaining, c.remaining);
        EXPECT_EQ(s.doubled, c.doubled);
        EXPECT_EQ(s.result, c.remaining - c.doubled);
        const ElevenSums e = elevenSums(c.number);
        EXPECT_EQ(e.fromLeft, c.fromLeft) << c.number;
        EXPECT_EQ(e.others, c.others) << c.number;
    }
    // The test for 7 keeps divisibility by 7 for every number it is used on.
    for (int v = 10; v < 3000; ++v)
        EXPECT_EQ(sevenStep(v).result % 7 == 0, v % 7 == 0) << v;
}
