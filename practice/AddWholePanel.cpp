#include "practice/AddWholePanel.h"

#include "ui/Errors.h"

namespace tv::practice {

QString recheckResponse()
{
    return QStringLiteral("Recheck your addition.");
}

QString recheckCarryResponse()
{
    return QStringLiteral("Recheck your addition. Did you remember to add the carry?");
}

QString wrongCarryResponse()
{
    return QStringLiteral("Sorry but your carry is wrong.");
}

QString solvedResponse()
{
    return QStringLiteral("HOORAY! you may now go on the the next problem.");
}

AddWholePanel::AddWholePanel(const PanelShape& shape, const QStringList& addends)
    : shape_(shape)
{
    if (shape.rows < 2 || shape.digits < 1 || addends.size() != shape.rows)
        throw Error(QStringLiteral("A column addition needs %1 addends").arg(shape.rows));
    digits_.assign(static_cast<size_t>(shape.rows) + 1,
                   std::vector<int>(static_cast<size_t>(shape.digits) + 1, 0));
    for (int r = 1; r <= shape.rows; ++r) {
        const QString& a = addends.at(r - 1);
        if (a.size() != shape.digits)
            throw Error(QStringLiteral("The addend %1 needs %2 digits").arg(a).arg(shape.digits));
        for (int c = 1; c <= shape.digits; ++c) {
            const QChar ch = a.at(shape.digits - c);
            if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
                throw Error(QStringLiteral("The addend %1 is not a whole number").arg(a));
            digits_[static_cast<size_t>(r)][static_cast<size_t>(c)] = ch.unicode() - '0';
        }
    }
    texts_.assign(static_cast<size_t>(boxCount()), QString());
    expectedCarry_.assign(static_cast<size_t>(shape.digits) + 1, QChar());
}

int AddWholePanel::addendDigit(int row, int column) const
{
    return digits_.at(static_cast<size_t>(row)).at(static_cast<size_t>(column));
}

QString AddWholePanel::boxName(int box)
{
    return box % 2 == 0 ? QStringLiteral("editAnswer") + QString::number(box / 2 + 1)
                        : QStringLiteral("editCarry") + QString::number(box / 2 + 1);
}

// ------------------------------------------------------------------- events

void AddWholePanel::change(int box, const QString& text)
{
    texts_.at(static_cast<size_t>(box)) = text;
    check(box);
}

void AddWholePanel::enter(int box)
{
    // A box is only worked after the one before it: an empty predecessor
    // sends the student back to the start of the problem.
    if (box > 0 && texts_.at(static_cast<size_t>(box) - 1).isEmpty())
        focus_ = answerBox(1);
    else
        focus_ = box;
}

void AddWholePanel::frameEnter()
{
    response_.clear();
    focus_ = answerBox(1);
}

// ------------------------------------------------------------------- checks

void AddWholePanel::check(int box)
{
    const int k = box / 2 + 1;
    if (box % 2 == 1)
        carryCheck(k);
    else if (k <= shape_.digits)
        columnCheck(k);
    else
        finalCheck();
}

void AddWholePanel::columnCheck(int k)
{
    const int box = answerBox(k);
    int sum = 0;
    for (int r = 1; r <= shape_.rows; ++r)
        sum += addendDigit(r, k);
    if (k > 1) {
        // Only an accepted carry (one digit) can stand here while this box
        // is worked; anything else means the carry still has to be written.
        const QString& carry = texts_.at(static_cast<size_t>(carryBox(k - 1)));
        if (carry.size() != 1 || !carry.at(0).isDigit() || carry.at(0).unicode() > '9') {
            refuse(box, recheckCarryResponse());
            return;
        }
        sum += carry.at(0).unicode() - '0';
    }
    columnSum_ = QString::number(sum);
    if (columnSum_.size() == 1)
        columnSum_.prepend(QLatin1Char('0'));
    expectedDigit_ = columnSum_.back();
    const QChar carryOut = columnSum_.at(columnSum_.size() - 2);
    // Column 2 records its carry only once its digit is right; every other
    // column whatever the outcome.
    if (k != 2)
        expectedCarry_[static_cast<size_t>(k)] = carryOut;

    if (texts_.at(static_cast<size_t>(box)) != QString(expectedDigit_)) {
        refuse(box, k == 1 ? recheckResponse() : recheckCarryResponse());
        return;
    }
    if (k == 2)
        expectedCarry_[2] = carryOut;
    accept(carryBox(k), QString());
}

void AddWholePanel::carryCheck(int k)
{
    const QChar expected = expectedCarry_.at(static_cast<size_t>(k));
    if (expected.isNull() || texts_.at(static_cast<size_t>(carryBox(k))) != QString(expected)) {
        refuse(carryBox(k), wrongCarryResponse());
        return;
    }
    accept(answerBox(k + 1), QString());
}

void AddWholePanel::finalCheck()
{
    const int box = answerBox(shape_.digits + 1);
    const QChar expected = expectedCarry_.at(static_cast<size_t>(shape_.digits));
    if (expected.isNull() || texts_.at(static_cast<size_t>(box)) != QString(expected)) {
        refuse(box, recheckCarryResponse());
        return;
    }
    solved_ = true;
    accept(box, shape_.cheerWhenSolved ? solvedResponse() : QString());
}

void AddWholePanel::refuse(int box, const QString& response)
{
    response_ = response;
    focus_ = box;
    // Erasing is a change too: the box is judged once more, empty, and
    // refused with the same response; an empty box stays as it is.
    if (!texts_.at(static_cast<size_t>(box)).isEmpty())
        change(box, QString());
}

void AddWholePanel::accept(int nextBox, const QString& response)
{
    response_ = response;
    focus_ = nextBox;
}

} // namespace tv::practice
