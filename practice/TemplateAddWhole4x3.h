#pragma once
// The four-addend, three-digit column-addition panel.
#include "practice/AddWholeFrame.h"

namespace tv::practice {

class TframeAddWholeNumber4x3 : public AddWholeFrame {
    Q_OBJECT
public:
    TframeAddWholeNumber4x3(const QStringList& addends, QWidget* parent);
};

} // namespace tv::practice
