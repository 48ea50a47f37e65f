#pragma once
// The three-addend, three-digit column-addition panel.
#include "practice/AddWholeFrame.h"

namespace tv::practice {

class TframeAddWholeNumber3x3 : public AddWholeFrame {
    Q_OBJECT
public:
    TframeAddWholeNumber3x3(const QStringList& addends, QWidget* parent);
};

} // namespace tv::practice
