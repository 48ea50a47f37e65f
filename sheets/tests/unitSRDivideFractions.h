#pragma once
// Skills review: dividing fractions. Ten quotients (a fraction by a
// fraction, a whole number by a fraction, a fraction by a whole number),
// each shown typeset after its number; answers in lowest terms, as mixed
// numbers when they pass 1.
#include "sheets/SheetContent.h"
#include "sheets/unitMasterTest.h"

namespace tv {

class TfrmSRDivideFractions : public TfrmTestMaster {
    Q_OBJECT
public:
    explicit TfrmSRDivideFractions(ActivityHost& host);
    static const sheet::SheetContent& content();
};

} // namespace tv
