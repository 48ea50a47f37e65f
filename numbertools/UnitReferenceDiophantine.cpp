#include "numbertools/UnitReferenceDiophantine.h"

#include "numbertools/Diophantine.h"
#include "numbertools/ToolPalette.h"
#include "numbertools/ToolWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tv {

using namespace toolwindow;

namespace {

const QString Introduction = QStringLiteral(
    "Named after the ancient Greek mathmatician Diophantus, this class of equations presents an interesting "
    "puzzle problem with many applications. \r\nThe object is to find integer solutions to a simple equations "
    "such as 5x-3y=1. One possible solution is x=2 and y=3 which may easily be verified.\r\nThere are an "
    "infinite number of solutions however, and this program will give you a general solution in the form of "
    "equations for x and y.");

} // namespace

TfrmReferenceDiophantine::TfrmReferenceDiophantine(QWidget* parent) : ToolDialog(parent)
{
    setObjectName(QStringLiteral("frmReferenceDiophantine"));
    setWindowTitle(QStringLiteral("Tallyvale") + CaptionNotice);

    addTitle(QStringLiteral("Tallyvale, Diophantine Solver"), pixelFont(QStringLiteral("Arial"), 29, true),
             QColor(0x01, 0x46, 0xFE), EffectLabel::Effect::Shadow, QRect(15, 8, 565, 40),
             Qt::AlignLeft | Qt::AlignVCenter);

    auto* intro = new QLabel(QString(Introduction).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), this);
    intro->setObjectName(QStringLiteral("lblIntroduction"));
    intro->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13, true));
    intro->setStyleSheet(QStringLiteral("color: #FF0080"));
    intro->setWordWrap(true);
    intro->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    intro->setGeometry(15, 52, 565, 128);

    const QFont boxFont = pixelFont(QStringLiteral("Arial"), 16, true);
    auto makeBox = [&](const QString& name, int x) {
        auto* e = new QLineEdit(this);
        e->setObjectName(name);
        e->setFont(boxFont);
        e->setAlignment(Qt::AlignRight);
        e->setGeometry(x, 192, 90, 28);
        return e;
    };
    auto makeText = [&](const QString& text, int x, int w) {
        auto* l = new QLabel(text, this);
        l->setFont(boxFont);
        l->setGeometry(x, 192, w, 28);
    };
    editX = makeBox(QStringLiteral("editX"), 15);
    makeText(QStringLiteral("X + "), 110, 40);
    editY = makeBox(QStringLiteral("editY"), 150);
    makeText(QStringLiteral("Y ="), 245, 36);
    editZ = makeBox(QStringLiteral("editZ"), 283);

    btnSolve = makeButton(QStringLiteral("Solve"), this);
    btnSolve->setObjectName(QStringLiteral("btnSolve"));
    btnSolve->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 19, true));
    btnSolve->setGeometry(400, 189, 100, 34);
    setButtonColors(btnSolve, palette().color(QPalette::Button), Qt::red);
    connect(btnSolve, &QPushButton::clicked, this, &TfrmReferenceDiophantine::btnSolveClick);

    addPrompt(QStringLiteral("General Solutions"), pixelFont(QStringLiteral("Arial"), 16, true),
              QRect(15, 236, 200, 24), Qt::blue);

    const QFont lineFont = pixelFont(QStringLiteral("Arial"), 16, true);
    generalX = new QLabel(this);
    generalX->setObjectName(QStringLiteral("generalX"));
    generalX->setFont(lineFont);
    generalX->setStyleSheet(QStringLiteral("color: maroon"));
    generalX->setGeometry(30, 264, 550, 24);
    generalY = new QLabel(this);
    generalY->setObjectName(QStringLiteral("generalY"));
    generalY->setFont(lineFont);
    generalY->setStyleSheet(QStringLiteral("color: maroon"));
    generalY->setGeometry(30, 290, 550, 24);

    lblWarning = new QLabel(this);
    lblWarning->setObjectName(QStringLiteral("lblWarning"));
    lblWarning->setFont(pixelFont(QStringLiteral("Arial"), 19, true));
    lblWarning->setStyleSheet(QStringLiteral("color: red"));
    lblWarning->setAlignment(Qt::AlignCenter);
    lblWarning->setGeometry(15, 330, 260, 28);

    btnExit = addExitButton(QRect(470, 362, 110, 36));

    fixSizeAndCentre(this, 595, 414);
}

void TfrmReferenceDiophantine::FormActivate()
{
    setBackground(this, toolPalette::ToolFormColor);
    setButtonColors(btnSolve, toolPalette::ToolButtonColor, Qt::red);
    applyExitColors(btnExit);
}

void TfrmReferenceDiophantine::btnSolveClick()
{
    lblWarning->clear();
    const DiophantineSolution s = solveDiophantine(editX->text(), editY->text(), editZ->text());
    if (s.kind == DiophantineSolution::Kind::NoSolution) {
        lblWarning->setText(DiophantineNoSolution);
        return;
    }
    generalX->setText(s.xLine);
    generalY->setText(s.yLine);
}

} // namespace tv
