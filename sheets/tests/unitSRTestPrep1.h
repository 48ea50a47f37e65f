#pragma once
// Skills review: test preparation 1. Ten mixed test questions (subtracting
// across zeros, a product with a zero digit, mixed numbers, decimals, a sale
// price, perimeter, rounding to a tenth, an equation, ticket prices); no
// pictures.
#include "sheets/SheetContent.h"
#include "sheets/unitMasterTest.h"

namespace tv {

class TfrmSRTestPrep1 : public TfrmTestMaster {
    Q_OBJECT
public:
    explicit TfrmSRTestPrep1(ActivityHost& host);
    static const sheet::SheetContent& content();
};

} // namespace tv
