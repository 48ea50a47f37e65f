#pragma once
// Skills review: a percent of a number in everyday use: tips, sales tax,
// savings, parts of a group, and growth past 100%.
#include "sheets/SheetContent.h"
#include "sheets/unitMasterTest.h"

namespace tv {

class TfrmPercentOfNumber1 : public TfrmTestMaster {
    Q_OBJECT
public:
    explicit TfrmPercentOfNumber1(ActivityHost& host);
    static const sheet::SheetContent& content();
};

} // namespace tv
