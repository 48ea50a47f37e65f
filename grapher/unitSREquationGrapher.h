#pragma once
// The Equation Grapher: the student types functions of x, each drawn in its
// own colour on a plane that zooms and pans with the mouse.
#include <QDialog>

class QLabel;
class QPushButton;

namespace tv {

class EffectLabel;
class NagButton;
class TEasyGraph;
class TEGLegendList;

class TfrmSREquationGrapher : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSREquationGrapher(QWidget* parent = nullptr);

    EffectLabel* lblTitle;
    TEasyGraph* EasyGraph1;
    NagButton* btnEditEquation;
    NagButton* btnChangeColor;
    TEGLegendList* EGLegendList1;
    NagButton* NAGButton1;
    NagButton* btnDeleteEquation;
    QLabel* Label1;
    QLabel* lblHelp;
    NagButton* btnExit;

public slots:
    void FormCreate();
    void btnEditEquationClick();
    void btnChangeColorClick();
    void NAGButton1Click();
    void btnDeleteEquationClick();
    void btnExitClick();
    void EGLegendList1Click();
};

} // namespace tv
