#pragma once
// The five-addend, four-digit column-addition panel.
#include "practice/AddWholeFrame.h"

namespace tv::practice {

class TframeAddWholeNumber5x4 : public AddWholeFrame {
    Q_OBJECT
public:
    TframeAddWholeNumber5x4(const QStringList& addends, QWidget* parent);
};

} // namespace tv::practice
