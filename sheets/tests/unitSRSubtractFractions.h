#pragma once
// Skills review: subtracting fractions. Ten differences of two fractions,
// like and unlike denominators, each shown typeset after its number; answers
// in lowest terms.
#include "sheets/SheetContent.h"
#include "sheets/unitMasterTest.h"

namespace tv {

class TfrmSRSubtractFractions : public TfrmTestMaster {
    Q_OBJECT
public:
    explicit TfrmSRSubtractFractions(ActivityHost& host);
    static const sheet::SheetContent& content();
};

} // namespace tv
