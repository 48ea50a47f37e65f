#include "practice/TemplateAddWhole2x3.h"

#include "practice/AddWholeProblems.h"

namespace tv::practice {

TframeAddWholeNumber2x3::TframeAddWholeNumber2x3(const QStringList& addends, QWidget* parent)
    : AddWholeFrame(shape2x3(), PanelLook{QSize(345, 145), desktopColour(), 32}, addends, parent)
{
}

} // namespace tv::practice
