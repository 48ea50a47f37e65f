#include "grapher/unitSREquationGrapher.h"

#include "app/Random.h"
#include "grapher/EasyGraph.h"
#include "grapher/EGLegendList.h"
#include "ui/Components.h"
#include "ui/InputDialogs.h"

#include <QLabel>

#include <algorithm>

namespace tv {

namespace {

const QColor WindowColour(0xE6, 0xCF, 0xA6);
const QColor ButtonFace(0xFD, 0xDE, 0xB5);
const QColor LegendColour(0xFE, 0xEE, 0xD6);
const QColor Label1Colour(0x80, 0x40, 0x00);
const QString CaptionNotice = QStringLiteral(" - Mathematics for the Middle School");

// The outer size 640 x 480 less a 4 px frame on three sides and a 30 px
// caption bar: the right-hand column then ends at the client's right edge
// and the graph's bottom 9 px above the client's.
constexpr int ClientWidth = 640 - 8;
constexpr int ClientHeight = 480 - 34;

void setColour(QWidget* w, QPalette::ColorRole role, const QColor& colour)
{
    QPalette pal = w->palette();
    pal.setColor(role, colour);
    w->setPalette(pal);
}

} // namespace

TfrmSREquationGrapher::TfrmSREquationGrapher(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSREquationGrapher"));
    setFixedSize(ClientWidth, ClientHeight);
    setAutoFillBackground(true);
    setColour(this, QPalette::Window, WindowColour);

    lblTitle = new EffectLabel(QStringLiteral("Equation Grapher"), pixelFont(QStringLiteral("Arial"), 40, true),
                               QColor(0x00, 0x00, 0xFF), EffectLabel::Effect::Lowered, this);
    lblTitle->setGeometry(0, 12, ClientWidth, 56);
    lblTitle->setAlignment(Qt::AlignCenter);

    EasyGraph1 = new TEasyGraph(this);
    EasyGraph1->setGeometry(4, 80, 433, 357);

    const int column = 447, columnWidth = 185;
    auto button = [this](const QString& caption, int y) {
        auto* b = new NagButton(caption, ButtonFace, Qt::black, this);
        b->setGeometry(447, y, 185, 25);
        return b;
    };
    btnEditEquation = button(QStringLiteral("Edit Equation"), 80);
    btnChangeColor = button(QStringLiteral("Change Color"), 109);

    EGLegendList1 = new TEGLegendList(this);
    EGLegendList1->setGeometry(column, 140, columnWidth, 109);
    setColour(EGLegendList1, QPalette::Base, LegendColour);

    NAGButton1 = button(QStringLiteral("Add Equation"), 254);
    btnDeleteEquation = button(QStringLiteral("Delete Equation"), 283);

    Label1 = new QLabel(this);
    Label1->setGeometry(column, 314, columnWidth, 18);
    Label1->setFont(pointFont(QStringLiteral("MS Sans Serif"), 8, true));
    setColour(Label1, QPalette::WindowText, Label1Colour);

    lblHelp = new QLabel(QStringLiteral("Right Click - Zoom out\r\nLeft Click - Zoom In\r\n\r\n"
                                        "Right Click and Hold - Pan\r\nLeft Click and Hold - Shift Center Point\r\n"),
                         this);
    lblHelp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblHelp->setFont(pointFont(QStringLiteral("MS Sans Serif"), 8));
    // Its longest line is a little wider than the column: it starts early
    // enough to show whole, still clear of the graph.
    const int helpWidth = lblHelp->sizeHint().width();
    const int helpLeft = std::max(EasyGraph1->geometry().right() + 4, std::min(column, ClientWidth - 2 - helpWidth));
    lblHelp->setGeometry(helpLeft, 336, ClientWidth - helpLeft, 70);
    setColour(lblHelp, QPalette::WindowText, QColor(0x00, 0x00, 0xFF));

    btnExit = new NagButton(QStringLiteral("Exit"), QColor(0xFF, 0x00, 0x00), QColor(0xFF, 0xFF, 0x00), this);
    btnExit->setFont(pixelFont(QStringLiteral("Arial"), 21));
    btnExit->setGeometry(column, 410, columnWidth, 27);

    connect(btnEditEquation, &QPushButton::clicked, this, &TfrmSREquationGrapher::btnEditEquationClick);
    connect(btnChangeColor, &QPushButton::clicked, this, &TfrmSREquationGrapher::btnChangeColorClick);
    connect(NAGButton1, &QPushButton::clicked, this, &TfrmSREquationGrapher::NAGButton1Click);
    connect(btnDeleteEquation, &QPushButton::clicked, this, &TfrmSREquationGrapher::btnDeleteEquationClick);
    connect(btnExit, &QPushButton::clicked, this, &TfrmSREquationGrapher::btnExitClick);
    connect(EGLegendList1, &TEGLegendList::clicked, this, &TfrmSREquationGrapher::EGLegendList1Click);

    FormCreate();
    centreOnScreen(this);
}

void TfrmSREquationGrapher::FormCreate()
{
    setWindowTitle(QStringLiteral("Tallyvale Equation Grapher") + CaptionNotice);

    TGraphSettings s = EasyGraph1->settings();
    s.AspectRatio = 1;
    s.MaintainRatio = true;
    s.BorderStyle = bstLowered;
    s.GraphBorder = bstRaised;
    s.ColorBg = QColor(0xFE, 0xE8, 0xC7);
    s.ColorAxis = QColor(0xD7, 0x00, 0x00);
    s.ColorGrid = QColor(0x80, 0x80, 0x80);
    s.ColorBorder = Qt::black;
    s.GridStyle = gsFull;
    s.NumbHoriz = true;
    s.NumbVert = true;
    s.MouseZoom = maRight;
    s.MousePan = maRight;
    s.MouseFuncHint = maShift;
    s.ZoomTime = 50;
    s.BgStyle = bgsSolid;
    EasyGraph1->setSettings(s);
    EasyGraph1->setView(-6.2L, 6.2L, -6.5L, 6.5L);

    EGLegendList1->setEasyGraph(EasyGraph1);
    EGLegendList1->setCheckBoxes(true);
    EGLegendList1->setItemHeight(16);

    struct Start {
        const char* text;
        QColor colour;
    };
    const Start curves[] = {
        {"sin (0.5*x^2/2)*2", QColor(0x80, 0x80, 0x80)},
        {"x^4+x^3-3*x^2+x", QColor(0x00, 0x00, 0xFF)},
        {"x^4-4*x^2-x", QColor(0xFF, 0x00, 0x00)},
    };
    for (const Start& c : curves) {
        TPoints* curve = EasyGraph1->Series().Add();
        curve->setText(QString::fromLatin1(c.text));
        curve->setColor(c.colour);
    }
}

void TfrmSREquationGrapher::btnEditEquationClick()
{
    const int row = EGLegendList1->ItemIndex();
    if (row < 0)
        return;
    TPoints* curve = EasyGraph1->Series().Items(row);
    QString text = curve->Text();
    if (inputDialogs().inputQuery(this, QStringLiteral("Enter Function"), QStringLiteral("Equation:"), text))
        curve->setText(text);
}

void TfrmSREquationGrapher::btnChangeColorClick()
{
    const int row = EGLegendList1->ItemIndex();
    if (row < 0)
        return;
    TPoints* curve = EasyGraph1->Series().Items(row);
    QColor colour = curve->Color();
    if (inputDialogs().chooseColor(this, colour))
        curve->setColor(colour);
}

void TfrmSREquationGrapher::NAGButton1Click()
{
    // Every one of the 16,777,216 colours equally likely.
    const QRgb rgb = rng::below(0x1000000);
    EasyGraph1->Series().Add()->setColor(QColor::fromRgb(rgb | 0xFF000000u));
}

void TfrmSREquationGrapher::btnDeleteEquationClick()
{
    const int row = EGLegendList1->ItemIndex();
    if (row >= 0)
        EasyGraph1->Series().Delete(row);
}

void TfrmSREquationGrapher::btnExitClick() { close(); }

void TfrmSREquationGrapher::EGLegendList1Click()
{
    const int row = EGLegendList1->ItemIndex();
    if (row >= 0)
        Label1->setText(EasyGraph1->Series().Items(row)->Text());
}

} // namespace tv
