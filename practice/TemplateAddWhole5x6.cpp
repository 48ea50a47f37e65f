#include "practice/TemplateAddWhole5x6.h"

#include "practice/AddWholeProblems.h"

namespace tv::practice {

TframeAddWholeNumber5x6::TframeAddWholeNumber5x6(const QStringList& addends, QWidget* parent)
    : AddWholeFrame(shape5x6(), PanelLook{QSize(425, 225), desktopColour(), 30}, addends, parent)
{
}

} // namespace tv::practice
