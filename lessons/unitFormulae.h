#pragma once
// "Formulae": six area formulas, each under its heading with a drawing of
// its figure, in one scrolling read-only document.
#include <QDialog>

class QFrame;
class QPushButton;

namespace tv {
class EffectLabel;
class NagButton;
class RichDocument;
class SheetPicture;
struct StyleTable;
} // namespace tv

namespace tv::lessons {

// The formula document's six text styles and two paragraph styles.
StyleTable formulaeStyles();

// One section of the document: its heading, its formula picture and the
// figure below it (none for the last).
struct FormulaSection {
    const char16_t* heading;
    const char* formula;      // picture name (lessons/FormulaPictures)
    const char* figure;       // picture name, or nullptr
    const char* figureSource; // the drawing in the resources
    int figureWidth;
    int figureHeight;
};
const FormulaSection* formulaSections(int* count);

class TfrmFormulae : public QDialog {
    Q_OBJECT
public:
    explicit TfrmFormulae(QWidget* parent = nullptr);

    EffectLabel* lblTitle = nullptr;
    NagButton* NAGButton1 = nullptr; // "Exit"
    QFrame* Panel1 = nullptr;
    RichDocument* RichView = nullptr;
    // "Return To Top": no action (the document has no anchor to return to).
    QPushButton* NAGButton2 = nullptr;

    // The eleven pictures by name ("imgHeronsFormula", "imgCircle", ...).
    SheetPicture* picture(const QString& name) const;

public slots:
    void NAGButton1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    bool centred_ = false;
};

} // namespace tv::lessons
