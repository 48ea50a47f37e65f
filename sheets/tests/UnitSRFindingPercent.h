#pragma once
// Skills review: what percent one number is of another, first as plain
// exercises, then from scores, classes, prices and pages.
#include "sheets/SheetContent.h"
#include "sheets/unitMasterTest.h"

namespace tv {

class TfrmSRFindingPercent : public TfrmTestMaster {
    Q_OBJECT
public:
    explicit TfrmSRFindingPercent(ActivityHost& host);
    static const sheet::SheetContent& content();
};

} // namespace tv
