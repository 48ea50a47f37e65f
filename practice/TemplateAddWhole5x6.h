#pragma once
// The five-addend, six-digit column-addition panel.
#include "practice/AddWholeFrame.h"

namespace tv::practice {

class TframeAddWholeNumber5x6 : public AddWholeFrame {
    Q_OBJECT
public:
    TframeAddWholeNumber5x6(const QStringList& addends, QWidget* parent);
};

} // namespace tv::practice
