#pragma once
// Scoring and feedback texts of a sheet, apart from its widgets: the counters,
// the grade, the progress bar's caption and colour, the status texts, the
// answer-button hints and the typed-answer comparison. Plain C++ so every rule
// is tested without a display.
#include <QString>

namespace tv {

// Program-wide values shared by every sheet (only one sheet is open at a time).
// `sheetTitle` is the title the journal lines carry; `titlePrefix` is the
// caption of the main window's selected tab followed by "-".
extern QString sheetTitle;
extern QString titlePrefix;

// The title a sheet carries until its own create step names it.
QString defaultSheetTitle();
// "Skills Review" gives "Skills Review-".
QString makeTitlePrefix(const QString& tabCaption);

struct ProgressColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const ProgressColour&, const ProgressColour&) = default;
};

class SheetScore {
public:
    int numCorrect() const { return numCorrect_; }
    int numWrong() const { return numWrong_; }
    int numTried() const { return numTried_; }
    // numCorrect × 100 ÷ numTried, truncated; 0 until the first answer.
    int percentGrade() const { return percentGrade_; }

    void recordCorrect();
    void recordWrong();

private:
    void regrade();

    int numCorrect_ = 0;
    int numWrong_ = 0;
    int numTried_ = 0;
    int percentGrade_ = 0;
};

namespace sheettext {

QString welcomeMessage();                                // "Welcome to Tallyvale!"
QString gradePanel(int percentGrade);                    // "Grade 66"
QString answeredPanel(int numTried);                     // "Answered 3"
QString initialProgressSuffix();                         // "%"
QString progressSuffix(int numCorrect, int numTried);    // "% - 2 of 3 Correct"
QString progressCaption(int position, const QString& suffix); // "66% - 2 of 3 Correct"
QString correctMessage(int questionNumber);              // "Question 1 is Correct."
QString wrongMessage(int questionNumber);                // "Question 1 is wrong."
QString studentName(const QString& firstName, const QString& lastName);
QString areYouSure();                                    // "Are You Sure?"
QString printJobTitle();                                 // "Vorlan's Test Print"

} // namespace sheettext

// Red (grade + 120) mod 256, green (grade + 60) mod 256, blue 30: #783C1E at
// 0, #DCA01E at 100.
ProgressColour progressColour(int percentGrade);

// Answer-button hints: question number × 10 + correct flag, as decimal text.
QString answerHint(int questionNumber, int correctFlag);
// The hint read as a decimal integer, divided by 10. Hints are only made by
// answerHint, so a text that is not a number cannot occur; it reads as 0.
int questionNumberOfHint(const QString& hint);
// True when the hint's value modulo 10 is not 0 (the right choice).
bool questionStatusOfHint(const QString& hint);

// Exactly the same characters: case-sensitive, nothing trimmed.
bool typedAnswerMatches(const QString& typed, const QString& expected);
// 7 × (characters of the expected text) + 10 px.
int answerBoxWidth(const QString& expected);

} // namespace tv
