#pragma once
// Skills review: proportions. Twenty questions on ratios and proportions:
// questions 2 to 6 show a proportion with a missing term, typeset on a
// centred line of its own; the others are ratios, rates, scales, recipes
// and maps in words.
#include "sheets/SheetContent.h"
#include "sheets/unitMasterTest.h"

namespace tv {

class TfrmSRProportions : public TfrmTestMaster {
    Q_OBJECT
public:
    explicit TfrmSRProportions(ActivityHost& host);
    static const sheet::SheetContent& content();
};

} // namespace tv
