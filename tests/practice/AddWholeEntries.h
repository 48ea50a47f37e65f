#pragma once
// What a student writes in each box of a problem, worked out by place value
// from the problem's published sum rather than column by column: the answer
// digits are the sum's digits, and the carry out of column k is the sum of
// the addends' last k digits divided by 10^k.
#include "practice/AddWholeProblems.h"

#include <QString>

#include <vector>

namespace tv::test {

inline std::vector<QString> rightEntries(const tv::practice::AddWholeProblem& p)
{
    const int columns = p.shape.digits;
    QString sum = p.sum;
    while (sum.size() < columns + 1)
        sum.prepend(QLatin1Char('0'));
    std::vector<QString> entries;
    long long place = 1;
    for (int k = 1; k <= columns; ++k) {
        entries.push_back(QString(sum.at(sum.size() - k)));
        place *= 10;
        long long low = 0;
        for (const QString& a : p.addends)
            low += a.toLongLong() % place;
        entries.push_back(QString::number(low / place));
    }
    // The final answer place holds whatever stands left of the highest column.
    entries.push_back(sum.left(sum.size() - columns));
    return entries;
}

} // namespace tv::test
