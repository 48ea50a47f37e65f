#pragma once
// Skills review: adding fractions. Ten sums of two fractions, each shown
// typeset after its number; answers in lowest terms, as mixed numbers when
// they pass 1.
#include "sheets/SheetContent.h"
#include "sheets/unitMasterTest.h"

namespace tv {

class TfrmSRAddFractions : public TfrmTestMaster {
    Q_OBJECT
public:
    explicit TfrmSRAddFractions(ActivityHost& host);
    static const sheet::SheetContent& content();
};

} // namespace tv
