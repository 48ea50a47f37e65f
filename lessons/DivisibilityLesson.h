#pragma once
// The divisibility lesson as data: the document in reading order, the three
// definitions its links explain, and the replies to the self-check
// exercises. No widgets: the window builds its document from this table and
// shows the replies, so both are tested without a display.
#include <optional>
#include <span>

#include <QString>

namespace tv::lessons {

// Text styles of the lesson's own table.
enum LessonStyle : int {
    kNormalText = 0,
    kHeading = 1,
    kSubheading = 2,
    kKeywords = 3,
    kJump1 = 4,
    kJump2 = 5,
    kBoldRed = 6,
    kBoldBlue = 7,
};

// Paragraph modes of an append.
enum LessonPara : int {
    kSameLine = -1,
    kNewParagraph = 0,
    kCentred = 1,
};

struct LessonItem {
    enum class Kind { Text, Link, Anchor, Rule, Control };
    Kind kind = Kind::Text;
    // Text of a run or link, name of an anchor, object name of a control.
    const char16_t* text = u"";
    int style = kNormalText;
    int para = kSameLine;
    // A link's key.
    const char16_t* tag = nullptr;
};

// The whole document, from the anchor at its start to the link back to it.
std::span<const LessonItem> divisibilityDocument();

// The six Yes/No buttons and the missing-digit pieces, as the document names them.
inline constexpr const char16_t* kAnswerButtons[] = {u"yes1", u"no1", u"yes2", u"no2", u"yes3", u"no3"};
inline constexpr const char16_t* kDigitEdit = u"edit1";
inline constexpr const char16_t* kCheckButton = u"btn1";
// The anchor at the very start of the document.
inline constexpr const char16_t* kTopAnchor = u"topOfPage";

// A box's caption and message.
struct Reply {
    QString caption;
    QString message;
};

// The definition a link's tag explains; nothing for any other tag (then the
// tag names an anchor). Tags are compared exactly.
std::optional<Reply> definitionFor(const QString& tag);

// One yes/no exercise: "Is <number> divisible by <divisor>?".
struct YesNoExercise {
    int number;
    int divisor;
    const char16_t* yesButton;
    const char16_t* noButton;
};
std::span<const YesNoExercise> yesNoExercises();

// The reply to a click on Yes or No button `button` ("yes1" ... "no3").
// Throws tv::Error for a name that is no answer button.
Reply answerReply(const QString& button);

// The missing-digit exercise: 5,3?2 made divisible by 9.
struct MissingDigitExercise {
    int before; // the digits before the missing one (53)
    int after;  // the one digit after it (2)
    int divisor;
};
MissingDigitExercise missingDigitExercise();
// The reply to "Check" with `typed` in the box: right only for exactly the
// digit, with no blanks around it.
Reply checkReply(const QString& typed);

// The rules the lesson teaches, worked as it teaches them, so the numbers it
// prints can be checked.
int digitSum(int number);
// One step of the test for 7: remove the last digit, double it and take it
// from what remains (722 - 8 = 714 for 7,224).
struct SevenStep {
    int remaining;
    int doubled;
    int result;
};
SevenStep sevenStep(int number);
// The test for 11: every other digit from the leftmost, and the others.
struct ElevenSums {
    int fromLeft;
    int others;
};
ElevenSums elevenSums(int number);

} // namespace tv::lessons
