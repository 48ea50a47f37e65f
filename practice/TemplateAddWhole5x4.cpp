#include "practice/TemplateAddWhole5x4.h"

#include "practice/AddWholeProblems.h"

namespace tv::practice {

TframeAddWholeNumber5x4::TframeAddWholeNumber5x4(const QStringList& addends, QWidget* parent)
    : AddWholeFrame(shape5x4(), PanelLook{QSize(361, 233), desktopColour(), 30}, addends, parent)
{
}

} // namespace tv::practice
