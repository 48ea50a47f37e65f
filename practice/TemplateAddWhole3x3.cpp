#include "practice/TemplateAddWhole3x3.h"

#include "practice/AddWholeProblems.h"

namespace tv::practice {

TframeAddWholeNumber3x3::TframeAddWholeNumber3x3(const QStringList& addends, QWidget* parent)
    : AddWholeFrame(shape3x3(), PanelLook{QSize(337, 169), QColor(0xFF, 0xEB, 0xC1), 30}, addends, parent)
{
}

} // namespace tv::practice
