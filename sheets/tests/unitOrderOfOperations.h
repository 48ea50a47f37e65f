#pragma once
// Test sheet: the order of operations. Ten questions: nine choices of four
// and a typed answer (question 4); the prompts in bold black, no pictures,
// and a style table of thirteen text styles. Its three links and three
// anchors are there to try the document out: no handler is attached, so a
// click on a link does nothing.
#include "sheets/SheetContent.h"
#include "sheets/unitMasterTest.h"

class QPushButton;

namespace tv {

class TfrmOrderOfOperations : public TfrmTestMaster {
    Q_OBJECT
public:
    explicit TfrmOrderOfOperations(ActivityHost& host);
    static const sheet::SheetContent& content();

    // Hidden behind the document: opens the message window with a line of text.
    QPushButton* NAGButton3 = nullptr;
    void NAGButton3Click();
};

} // namespace tv
