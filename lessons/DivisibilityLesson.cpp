#include "lessons/DivisibilityLesson.h"

#include "ui/Errors.h"

#include <cstdlib>
#include <iterator>

namespace tv::lessons {

namespace {

using K = LessonItem::Kind;

constexpr LessonItem run(const char16_t* t, int style = kNormalText) { return {K::Text, t, style, kSameLine}; }
constexpr LessonItem para(const char16_t* t, int style = kNormalText) { return {K::Text, t, style, kNewParagraph}; }
constexpr LessonItem centred(const char16_t* t, int style = kNormalText) { return {K::Text, t, style, kCentred}; }
constexpr LessonItem blank() { return {K::Text, u" ", kNormalText, kNewParagraph}; }
constexpr LessonItem link(const char16_t* t, const char16_t* tag, int paraMode = kSameLine)
{
    return {K::Link, t, kJump1, paraMode, tag};
}
constexpr LessonItem anchor(const char16_t* name) { return {K::Anchor, name}; }
constexpr LessonItem rule() { return {K::Rule}; }
constexpr LessonItem control(const char16_t* name, int paraMode = kSameLine)
{
    return {K::Control, name, kNormalText, paraMode};
}
// The title of one rule on its own paragraph, then the rule.
#define TV_RULE(divisor, ...) para(u"Divisibility by " divisor, kKeywords), para(__VA_ARGS__), blank()

constexpr LessonItem kDocument[] = {
    // 1. The start of the page
    anchor(kTopAnchor),
    centred(u"Does it Divide Evenly?", kSubheading),
    blank(),

    // 2. Introduction
    para(u"One way to find the factors of a number is to try dividing it by 1, 2, 3 and so on, "
         u"one divisor at a time. When a divisor goes in evenly, with nothing left over, it is a "
         u"factor. Here is 6 divided by each of the numbers that go into it evenly:"),
    centred(u"6\u00F71 = 6"),
    centred(u"6\u00F72 = 3"),
    centred(u"6\u00F73 = 2"),
    centred(u"6\u00F76 = 1"),
    para(u"So the "), link(u"factors", u"factor"),
    run(u" of 6 are 1, 2, 3 and 6. A number with more than two factors is called "),
    link(u"composite", u"composite"),
    run(u", so 6 is composite. It is not "), link(u"prime", u"prime"),
    run(u", because a prime number has exactly two factors, 1 and itself."),
    blank(),
    para(u"Trying every divisor one by one takes a long time for a larger number such as 471. The "
         u"divisibility rules below tell you quickly "),
    run(u"if", kKeywords),
    run(u" a number can be divided evenly by 2, 3, 4 and so on up to 11, without doing the division. "
        u"One rule is enough to show that a number is not "),
    link(u"prime", u"prime"),
    run(u": a factor other than 1 and the number itself makes it "),
    link(u"composite", u"composite"),
    run(u". The digits of 471 add up to 4+7+1=12, and 12 is divisible by 3, so 471 is divisible by 3 "
        u"(471\u00F73 = 157). That makes 471 composite."),
    blank(),

    // 3. What "divisible" means
    rule(),
    para(u"Divisibility", kKeywords),
    run(u": one number is divisible by another when dividing leaves a remainder of 0. For example, "
        u"8 is divisible by 2 because 8\u00F72=4 with a remainder of 0. But 8 is not divisible by 3, "
        u"because 8\u00F73=2 with a remainder of 2."),
    blank(),

    // 4. The rules
    rule(),
    centred(u"Divisibility Rules", kSubheading),
    blank(),
    TV_RULE(u"2", u"A number is divisible by 2 if its last digit is 0, 2, 4, 6 or 8. Numbers that end in these digits "
                  u"are the even numbers."),
    TV_RULE(u"3", u"A number is divisible by 3 if the sum of its digits is divisible by 3."),
    TV_RULE(u"4", u"A number is divisible by 4 if the number made by its last two digits is divisible by 4. "
                  u"The other digits do not matter, because every hundred divides evenly by 4 (100\u00F74 = 25)."),
    TV_RULE(u"5", u"A number is divisible by 5 if its last digit is 0 or 5."),
    para(u"Divisibility by 6", kKeywords),
    para(u"A number is divisible by 6 if it is divisible by "), run(u"both", kKeywords),
    run(u" 2 and 3."),
    blank(),
    TV_RULE(u"7", u"Remove the last digit of the number and double it. Subtract the doubled digit from the "
                  u"number that remains. If the result is divisible by 7 (0 counts), the number is "
                  u"divisible by 7. If the result is still large, do the same to the result."),
    TV_RULE(u"8", u"A number is divisible by 8 if the number made by its last three digits is divisible by 8. "
                  u"The other digits do not matter, because every thousand divides evenly by 8 "
                  u"(1,000\u00F78 = 125)."),
    TV_RULE(u"9", u"A number is divisible by 9 if the sum of its digits is divisible by 9."),
    TV_RULE(u"10", u"A number is divisible by 10 if its last digit is 0."),
    TV_RULE(u"11", u"Starting with the leftmost digit, add every other digit. Then add the digits you "
                   u"skipped. Subtract the smaller sum from the larger one. If the difference is 0 or "
                   u"divisible by 11, the number is divisible by 11."),

    // 5. The worked example
    rule(),
    centred(u"Example", kSubheading),
    centred(u"Let's examine the number 7,224 for divisibility."),
    blank(),
    para(u"By 2: ", kKeywords), run(u"7,224 ends in 4, an even digit, so it is divisible by 2."),
    blank(),
    para(u"By 3: ", kKeywords), run(u"Add the digits:"),
    centred(u"7+2+2+4=15"),
    para(u"15 is divisible by 3, so 7,224 is divisible by 3."),
    blank(),
    para(u"By 4: ", kKeywords), run(u"The last two digits make 24, and"),
    centred(u"24\u00F74=6"),
    para(u"so 7,224 is divisible by 4."),
    blank(),
    para(u"By 5: ", kKeywords), run(u"7,224 ends in 4, not in 0 or 5, so it is not divisible by 5."),
    blank(),
    para(u"By 6: ", kKeywords), run(u"7,224 is divisible by both 2 and 3, so it is divisible by 6."),
    blank(),
    para(u"By 7: ", kKeywords), run(u"Remove the last digit, 4, and double it to get "),
    run(u"8", kKeywords), run(u". Subtract it from 722, the number that remains:"),
    centred(u"722 - "), run(u"8", kKeywords), run(u" = 714"),
    para(u"714 is still large, so do it again. Remove the 4, double it to get "),
    run(u"8", kKeywords), run(u", and subtract it from 71:"),
    centred(u"71 - "), run(u"8", kKeywords), run(u" = 63"),
    para(u"63 is divisible by 7 (63\u00F77=9), so 7,224 is divisible by 7."),
    blank(),
    para(u"By 8: ", kKeywords), run(u"The last three digits make 224, and"),
    centred(u"224\u00F78=28"),
    para(u"with no remainder, so 7,224 is divisible by 8."),
    blank(),
    para(u"By 9: ", kKeywords),
    run(u"The sum of the digits is 15, and 15 is not divisible by 9, so 7,224 is not divisible by 9."),
    blank(),
    para(u"By 10: ", kKeywords), run(u"7,224 does not end in 0, so it is not divisible by 10."),
    blank(),
    para(u"By 11: ", kKeywords), run(u"Take the digits in turn, starting from the left: "),
    run(u"7", kBoldRed), run(u"2", kBoldBlue), run(u"2", kBoldRed), run(u"4", kBoldBlue),
    run(u". Add the red digits, then the blue digits:"),
    centred(u"7+2=9", kBoldRed),
    centred(u"2+4=6", kBoldBlue),
    para(u"Subtract the smaller sum from the larger one:"),
    centred(u"9-6=3"),
    para(u"3 is not 0 and not divisible by 11, so 7,224 is not divisible by 11."),
    blank(),

    // 6. The exercises
    rule(),
    centred(u"Excercises", kSubheading),
    para(u"Choose Yes or No. For the last exercise, type the missing digit in the box and press Check. Each "
         u"answer is checked at once, and you may try again as often as you like."),
    blank(),
    para(u"Is 582 divisible by 3?", kBoldBlue), run(u"     ", kBoldBlue),
    control(u"yes1"), run(u"   ", kBoldBlue), control(u"no1"),
    blank(),
    para(u"Is 406 divisible by 7?", kBoldBlue), run(u"     ", kBoldBlue),
    control(u"yes2"), run(u"   ", kBoldBlue), control(u"no2"),
    blank(),
    para(u"Is 7,139 divisible by 11?", kBoldBlue), run(u"     ", kBoldBlue),
    control(u"yes3"), run(u"   ", kBoldBlue), control(u"no3"),
    blank(),
    para(u"Replace the missing digit in 5,3?2 to make the entire number", kBoldBlue),
    para(u" divisible by 9.", kBoldBlue),
    control(kDigitEdit, kCentred), run(u"   "), control(kCheckButton),
    blank(),

    // 7. Back to the start
    blank(),
    blank(),
    link(u"Go to the beginning.", kTopAnchor, kCentred),
};
#undef TV_RULE

struct Definition {
    const char16_t* tag;
    const char16_t* caption;
    const char16_t* message;
};

constexpr Definition kDefinitions[] = {
    {u"prime", u"Prime",
     u"Prime numbers are numbers with only two factors, 1 and the number itself. Five is prime since "
     u"the only factors of 5 are 1 and 5. Four is not prime since 4 has factors of 1, 2, and 4."},
    {u"composite", u"Composite",
     u"Composite numbers are numbers with more than two factors. Four is composite since 4 has factors "
     u"of 1, 2, and 4. Three is not composite since the only factors of 3 are 1 and 3."},
    {u"factor", u"Factor",
     u"A factor of a number divides that number evenly, with a remainder of 0. 4 is a factor of 8 since "
     u"8\u00F74=2, and 3 is a factor of 9 since 9\u00F73=3. 2 is not a factor of 9, since 9\u00F72 "
     u"leaves a remainder of 1."},
};

constexpr YesNoExercise kYesNo[] = {
    {582, 3, u"yes1", u"no1"},
    {406, 7, u"yes2", u"no2"},
    {7139, 11, u"yes3", u"no3"},
};

struct AnswerFeedback {
    const char16_t* button;
    bool right;
    const char16_t* message;
};

constexpr const char16_t* kSorry = u"Sorry, but that is incorrect.";

constexpr AnswerFeedback kFeedback[] = {
    {u"yes1", true,
     u"Congratulations, That's correct! The digits of 582 add up to 5+8+2=15, and 15 is divisible by 3, "
     u"so 582 is divisible by 3."},
    {u"no1", false,
     u"Sorry, but that is incorrect. Add the digits of 582: 5+8+2=15. Since 15 is divisible by 3, "
     u"582 is divisible by 3."},
    {u"yes2", true, u"Congratulations, That's correct!"},
    {u"no2", false,
     u"Sorry, but that is incorrect. Remove the last digit of 406, the 6, and double it to get 12. "
     u"Subtract 12 from the 40 that remains: 40-12=28. Since 28 is divisible by 7, 406 is divisible by 7."},
    {u"yes3", true, u"Congratulations, That's correct!"},
    {u"no3", false,
     u"Sorry, but that is incorrect. Add every other digit of 7,139, starting with the leftmost: "
     u"7+3=10. Add the digits you skipped: 1+9=10. The difference is 10-10=0, so 7,139 is divisible "
     u"by 11."},
};

constexpr MissingDigitExercise kMissingDigit{53, 2, 9};
constexpr const char16_t* kMissingDigitAnswer = u"8";

Reply replyOf(bool right, const QString& message)
{
    return {right ? QStringLiteral("Correct") : QStringLiteral("Wrong"), message};
}

} // namespace

std::span<const LessonItem> divisibilityDocument() { return kDocument; }

std::optional<Reply> definitionFor(const QString& tag)
{
    for (const Definition& d : kDefinitions)
        if (tag == QStringView(d.tag))
            return Reply{QString::fromUtf16(d.caption), QString::fromUtf16(d.message)};
    return std::nullopt;
}

std::span<const YesNoExercise> yesNoExercises() { return kYesNo; }

Reply answerReply(const QString& button)
{
    for (const AnswerFeedback& f : kFeedback)
        if (button == QStringView(f.button))
            return replyOf(f.right, QString::fromUtf16(f.message));
    throw Error(QStringLiteral("\"%1\" is no answer button").arg(button));
}

MissingDigitExercise missingDigitExercise() { return kMissingDigit; }

Reply checkReply(const QString& typed)
{
    const bool right = typed == QStringView(kMissingDigitAnswer);
    return replyOf(right, right ? QStringLiteral("Congratulations, That's correct.") : QString::fromUtf16(kSorry));
}

int digitSum(int number)
{
    int sum = 0;
    for (int n = std::abs(number); n > 0; n /= 10)
        sum += n % 10;
    return sum;
}

SevenStep sevenStep(int number)
{
    const int remaining = number / 10;
    const int doubled = 2 * (number % 10);
    return {remaining, doubled, remaining - doubled};
}

ElevenSums elevenSums(int number)
{
    const QString digits = QString::number(std::abs(number));
    ElevenSums sums{0, 0};
    for (qsizetype i = 0; i < digits.size(); ++i)
        (i % 2 == 0 ? sums.fromLeft : sums.others) += digits[i].digitValue();
    return sums;
}

} // namespace tv::lessons
