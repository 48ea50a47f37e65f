#pragma once
// Skills review: adding mixed numbers. Ten sums of two mixed numbers, most
// of them with fraction parts that make more than 1, each shown typeset
// after its number; answers as mixed numbers in lowest terms.
#include "sheets/SheetContent.h"
#include "sheets/unitMasterTest.h"

namespace tv {

class TfrmSRAddMixed : public TfrmTestMaster {
    Q_OBJECT
public:
    explicit TfrmSRAddMixed(ActivityHost& host);
    static const sheet::SheetContent& content();
};

} // namespace tv
