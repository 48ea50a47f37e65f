#include "practice/TemplateAddWhole4x3.h"

#include "practice/AddWholeProblems.h"

namespace tv::practice {

TframeAddWholeNumber4x3::TframeAddWholeNumber4x3(const QStringList& addends, QWidget* parent)
    : AddWholeFrame(shape4x3(), PanelLook{QSize(337, 201), QColor(0xFF, 0xDD, 0x70), 30}, addends, parent)
{
}

} // namespace tv::practice
