#include "practice/AddWholeProblems.h"

namespace tv::practice {

// The two smaller templates end quietly; the three larger ones cheer.
PanelShape shape2x3() { return {2, 3, false}; }
PanelShape shape3x3() { return {3, 3, false}; }
PanelShape shape4x3() { return {4, 3, true}; }
PanelShape shape5x4() { return {5, 4, true}; }
PanelShape shape5x6() { return {5, 6, true}; }

const std::vector<AddWholeProblem>& addWholeProblems()
{
    static const std::vector<AddWholeProblem> all = {
        {QStringLiteral("Add1"), QStringLiteral("2x3"), shape2x3(),
         {QStringLiteral("967"), QStringLiteral("384")}, QStringLiteral("1351")},
        {QStringLiteral("Add2"), QStringLiteral("3x3"), shape3x3(),
         {QStringLiteral("882"), QStringLiteral("467"), QStringLiteral("995")}, QStringLiteral("2344")},
        {QStringLiteral("Add3"), QStringLiteral("4x3"), shape4x3(),
         {QStringLiteral("674"), QStringLiteral("856"), QStringLiteral("393"), QStringLiteral("788")},
         QStringLiteral("2711")},
        {QStringLiteral("Add4"), QStringLiteral("5x4"), shape5x4(),
         {QStringLiteral("4842"), QStringLiteral("8676"), QStringLiteral("3904"), QStringLiteral("6239"),
          QStringLiteral("5376")},
         QStringLiteral("29037")},
        {QStringLiteral("Add5"), QStringLiteral("5x6"), shape5x6(),
         {QStringLiteral("581984"), QStringLiteral("572337"), QStringLiteral("597698"),
          QStringLiteral("363773"), QStringLiteral("799259")},
         QStringLiteral("2915051")},
    };
    return all;
}

} // namespace tv::practice
