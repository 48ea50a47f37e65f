#pragma once
// Skills review: finding a percent of a number. Plain exercises first, then
// short everyday ones, all with friendly percents.
#include "sheets/SheetContent.h"
#include "sheets/unitMasterTest.h"

namespace tv {

class TfrmPercentOfANumber : public TfrmTestMaster {
    Q_OBJECT
public:
    explicit TfrmPercentOfANumber(ActivityHost& host);
    static const sheet::SheetContent& content();
};

} // namespace tv
