#pragma once
// Skills review: general test preparation. Ten questions of the kinds a
// standardized test asks (adding whole numbers, order of operations,
// fractions, decimals, a percent, an equation, area, rounding, making
// change, a mean), one idea each and no pictures.
#include "sheets/SheetContent.h"
#include "sheets/unitMasterTest.h"

namespace tv {

class TfrmSRTestPrep : public TfrmTestMaster {
    Q_OBJECT
public:
    explicit TfrmSRTestPrep(ActivityHost& host);
    static const sheet::SheetContent& content();
};

} // namespace tv
