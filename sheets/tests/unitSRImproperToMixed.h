#pragma once
// Skills review: changing improper fractions to mixed numbers. Ten improper
// fractions, each shown stacked after its number; answers are mixed numbers
// in lowest terms, or whole numbers where the division comes out even.
#include "sheets/SheetContent.h"
#include "sheets/unitMasterTest.h"

namespace tv {

class TfrmSRImproperToMixed : public TfrmTestMaster {
    Q_OBJECT
public:
    explicit TfrmSRImproperToMixed(ActivityHost& host);
    static const sheet::SheetContent& content();
};

} // namespace tv
