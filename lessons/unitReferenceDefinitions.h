#pragma once
// Definitions: the glossary of 77 terms with an index of links at its head.
// Link N leads to the section of the (N + 1)-th term (anchor N + 1); anchor 0
// is the top of the page.
#include "sheets/RichDocumentStyles.h"

#include <QDialog>

class QFrame;

namespace tv {

class EffectLabel;
class NagButton;
class RichDocument;
class SheetPicture;

class TfrmReferenceDefinitions : public QDialog {
    Q_OBJECT
public:
    explicit TfrmReferenceDefinitions(QWidget* parent = nullptr);

    // The document's twelve text styles and two paragraph styles.
    static StyleTable RVStyle1();

    EffectLabel* lblTitle;
    NagButton* NAGButton2; // "Return to Top"
    QFrame* panel;
    RichDocument* RichView1;
    NagButton* NAGButton1; // "Exit"
    // Image1 ... Image24 in document order, owned by the document.
    std::vector<SheetPicture*> images;

public slots:
    void RichView1Jump(int linkNo);
    void NAGButton2Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
};

} // namespace tv
