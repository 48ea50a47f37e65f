#pragma once
// Skills review: subtracting mixed numbers. Ten differences, each shown
// typeset after its number; most need regrouping (one whole taken from the
// whole part and added to the fraction). Answers in lowest terms, as mixed
// numbers when they pass 1.
#include "sheets/SheetContent.h"
#include "sheets/unitMasterTest.h"

namespace tv {

class TfrmSRSubtractMixed : public TfrmTestMaster {
    Q_OBJECT
public:
    explicit TfrmSRSubtractMixed(ActivityHost& host);
    static const sheet::SheetContent& content();
};

} // namespace tv
