#pragma once
// Skills review: shopping. Totals, change from a $20 bill, prices per ounce
// and per can, sale prices and sales tax, all in dollars and cents.
#include "sheets/SheetContent.h"
#include "sheets/unitMasterTest.h"

namespace tv {

class TfrmSRShopping : public TfrmTestMaster {
    Q_OBJECT
public:
    explicit TfrmSRShopping(ActivityHost& host);
    static const sheet::SheetContent& content();
};

} // namespace tv
