#include "sheets/unitMasterTestScoring.h"

namespace tv {

QString sheetTitle = defaultSheetTitle();
QString titlePrefix;

QString defaultSheetTitle()
{
    return QStringLiteral("Tallyvale - learning sheet");
}

QString makeTitlePrefix(const QString& tabCaption)
{
    return tabCaption + QLatin1Char('-');
}

void SheetScore::recordCorrect()
{
    ++numCorrect_;
    ++numTried_;
    regrade();
}

void SheetScore::recordWrong()
{
    ++numWrong_;
    ++numTried_;
    regrade();
}

void SheetScore::regrade()
{
    // Counters only grow and stay far below any overflow; numTried is >= 1 here.
    percentGrade_ = numCorrect_ * 100 / numTried_;
}

namespace sheettext {

QString welcomeMessage() { return QStringLiteral("Welcome to Tallyvale!"); }

QString gradePanel(int percentGrade)
{
    return QStringLiteral("Grade ") + QString::number(percentGrade);
}

QString answeredPanel(int numTried)
{
    return QStringLiteral("Answered ") + QString::number(numTried);
}

QString initialProgressSuffix() { return QStringLiteral("%"); }

QString progressSuffix(int numCorrect, int numTried)
{
    return QStringLiteral("% - ") + QString::number(numCorrect) + QStringLiteral(" of ")
           + QString::number(numTried) + QStringLiteral(" Correct");
}

QString progressCaption(int position, const QString& suffix)
{
    return QString::number(position) + suffix;
}

QString correctMessage(int questionNumber)
{
    return QStringLiteral("Question ") + QString::number(questionNumber)
           + QStringLiteral(" is Correct.");
}

QString wrongMessage(int questionNumber)
{
    return QStringLiteral("Question ") + QString::number(questionNumber)
           + QStringLiteral(" is wrong.");
}

QString studentName(const QString& firstName, const QString& lastName)
{
    return firstName + QLatin1Char(' ') + lastName;
}

QString areYouSure() { return QStringLiteral("Are You Sure?"); }

QString printJobTitle() { return QStringLiteral("Vorlan's Test Print"); }

} // namespace sheettext

ProgressColour progressColour(int percentGrade)
{
    // Through unsigned so any grade (even a negative one) wraps without UB.
    const auto g = static_cast<unsigned>(percentGrade);
    return {static_cast<int>((g + 120u) % 256u), static_cast<int>((g + 60u) % 256u), 30};
}

QString answerHint(int questionNumber, int correctFlag)
{
    // 32-bit wrap through unsigned: no overflow, whatever number a sheet passes.
    const unsigned hint = static_cast<unsigned>(questionNumber) * 10u + static_cast<unsigned>(correctFlag);
    return QString::number(static_cast<int>(hint));
}

int questionNumberOfHint(const QString& hint)
{
    return hint.toInt() / 10;
}

bool questionStatusOfHint(const QString& hint)
{
    return hint.toInt() % 10 != 0;
}

bool typedAnswerMatches(const QString& typed, const QString& expected)
{
    return typed == expected;
}

int answerBoxWidth(const QString& expected)
{
    return 7 * static_cast<int>(expected.size()) + 10;
}

} // namespace tv
