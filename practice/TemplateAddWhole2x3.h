#pragma once
// The two-addend, three-digit column-addition panel.
#include "practice/AddWholeFrame.h"

namespace tv::practice {

class TframeAddWholeNumber2x3 : public AddWholeFrame {
    Q_OBJECT
public:
    TframeAddWholeNumber2x3(const QStringList& addends, QWidget* parent);
};

} // namespace tv::practice
