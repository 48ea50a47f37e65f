#pragma once
// Skills review: multiplying fractions. Ten products of two fractions or of
// a whole number and a fraction, each shown typeset after its number;
// answers in lowest terms, as mixed numbers when they pass 1.
#include "sheets/SheetContent.h"
#include "sheets/unitMasterTest.h"

namespace tv {

class TfrmSRMultiplyFractions : public TfrmTestMaster {
    Q_OBJECT
public:
    explicit TfrmSRMultiplyFractions(ActivityHost& host);
    static const sheet::SheetContent& content();
};

} // namespace tv
