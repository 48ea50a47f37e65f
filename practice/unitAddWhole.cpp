#include "practice/unitAddWhole.h"

#include "practice/AddWholeProblems.h"
#include "practice/TemplateAddWhole2x3.h"
#include "practice/TemplateAddWhole3x3.h"
#include "practice/TemplateAddWhole4x3.h"
#include "practice/TemplateAddWhole5x4.h"
#include "practice/TemplateAddWhole5x6.h"
#include "sheets/RichDocument.h"
#include "sheets/unitMasterTestScoring.h"

namespace tv {

TfrmAddWhole::TfrmAddWhole(ActivityHost& host) : TfrmTestMaster(host)
{
    FormCreate();
}

practice::AddWholeFrame* TfrmAddWhole::problem(int i) const
{
    switch (i) {
    case 1: return Add1;
    case 2: return Add2;
    case 3: return Add3;
    case 4: return Add4;
    case 5: return Add5;
    default: return nullptr;
    }
}

void TfrmAddWhole::FormCreate()
{
    using namespace practice;
    const std::vector<AddWholeProblem>& problems = addWholeProblems();
    Add1 = new TframeAddWholeNumber2x3(problems.at(0).addends, this);
    Add2 = new TframeAddWholeNumber3x3(problems.at(1).addends, this);
    Add3 = new TframeAddWholeNumber4x3(problems.at(2).addends, this);
    Add4 = new TframeAddWholeNumber5x4(problems.at(3).addends, this);
    Add5 = new TframeAddWholeNumber5x6(problems.at(4).addends, this);
    for (int i = 1; i <= 5; ++i)
        problem(i)->setObjectName(problems.at(static_cast<size_t>(i) - 1).panelName);

    const QString title = QStringLiteral("Adding Whole Numbers");
    lblFormTitle->setText(title);
    sheetTitle = lblFormTitle->text();
    setWindowTitle(QStringLiteral("Tallyvale Skills Review, ") + sheetTitle
                   + QStringLiteral(" - one digit at a time"));

    RV->addText(QStringLiteral("Practice - ") + sheetTitle, 1, 1);
    doThickRedLine();
    const auto blankLines = [this](int n) {
        for (int i = 0; i < n; ++i)
            RV->addText(QStringLiteral(" "), 0, 0);
    };
    blankLines(2);
    RV->addText(QStringLiteral("Below are several practice problems that involve adding whole numbers. "
                               "You should enter each digit in order, as if you were doing it with "
                               "pencil and paper. A digit will NOT be accepted if it is incorrect. "),
                10, 0);
    blankLines(2);
    for (int i = 1; i <= 5; ++i) {
        doThinBlueLine();
        RV->addText(QString::number(i) + QLatin1Char('.'), 10, 0);
        RV->addControl(problem(i), 1, RichDocument::VAlign::Middle);
        if (i < 5)
            blankLines(4);
    }
    RV->formatDocument();
}

} // namespace tv
