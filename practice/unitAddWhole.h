#pragma once
// "Adding Whole Numbers": a sheet of five column-addition problems, each a
// panel in the document worked box by box. The panels judge their own
// boxes and never touch the sheet's score, so the sheet closes with the
// grade of a sheet on which nothing was answered.
#include "sheets/unitMasterTest.h"

namespace tv {

namespace practice {
class TframeAddWholeNumber2x3;
class TframeAddWholeNumber3x3;
class TframeAddWholeNumber4x3;
class TframeAddWholeNumber5x4;
class TframeAddWholeNumber5x6;
class AddWholeFrame;
} // namespace practice

class TfrmAddWhole : public TfrmTestMaster {
    Q_OBJECT
public:
    explicit TfrmAddWhole(ActivityHost& host);

    practice::TframeAddWholeNumber2x3* Add1 = nullptr;
    practice::TframeAddWholeNumber3x3* Add2 = nullptr;
    practice::TframeAddWholeNumber4x3* Add3 = nullptr;
    practice::TframeAddWholeNumber5x4* Add4 = nullptr;
    practice::TframeAddWholeNumber5x6* Add5 = nullptr;

    // Problem `i` (1 to 5).
    practice::AddWholeFrame* problem(int i) const;

private:
    void FormCreate();
};

} // namespace tv
