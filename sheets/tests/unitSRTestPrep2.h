#pragma once
// Skills review: test preparation 2. Ten mixed test questions (place value,
// a percent, decimals, an equation, area and perimeter, rounding, wages);
// question 4 shows its division of mixed numbers typeset after its number.
#include "sheets/SheetContent.h"
#include "sheets/unitMasterTest.h"

namespace tv {

class TfrmSRTestPrep2 : public TfrmTestMaster {
    Q_OBJECT
public:
    explicit TfrmSRTestPrep2(ActivityHost& host);
    static const sheet::SheetContent& content();
};

} // namespace tv
