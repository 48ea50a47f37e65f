#include "numbertools/ScreenBuffon.h"

#include "app/DesktopOpen.h"
#include "app/Random.h"
#include "numbertools/ToolPalette.h"
#include "ui/PageControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tv {

using namespace toolwindow;

namespace {

const QString LinkAddress = QStringLiteral("https://en.wikipedia.org/wiki/Buffon%27s_needle_problem");

class ApplicationBeeper : public buffon::Beeper {
public:
    void beep() override { QApplication::beep(); }
};

QLabel* label(const QString& text, QWidget* parent, int pixels = 14, bool bold = false)
{
    auto* l = new QLabel(text, parent);
    l->setFont(pixelFont(QStringLiteral("Arial"), pixels, bold));
    return l;
}

// A numerator over a denominator, with the bar between them.
QWidget* fraction(const QString& numerator, const QString& denominator, QWidget* parent, int pixels = 14)
{
    auto* box = new QWidget(parent);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(1);
    auto* top = label(numerator, box, pixels);
    auto* bottom = label(denominator, box, pixels);
    top->setAlignment(Qt::AlignHCenter);
    bottom->setAlignment(Qt::AlignHCenter);
    auto* bar = new QFrame(box);
    bar->setFrameShape(QFrame::HLine);
    bar->setLineWidth(1);
    column->addWidget(top);
    column->addWidget(bar);
    column->addWidget(bottom);
    return box;
}

QHBoxLayout* row(QVBoxLayout* page)
{
    auto* r = new QHBoxLayout;
    r->setSpacing(6);
    page->addLayout(r);
    return r;
}

const char* const MethodCaptions[4] = {
    "Method 1:  Naive and Incorrect Approach (but still educational to consider)",
    "Method 2:  Varnholt's \"Fix\" to Method 1 ",
    "Method 3:  Quenby's Random ArcLength Method",
    "Method 4:  Division of Semicircle into 2^N Intervals Using Half-Angle Formula and Rotation Formula",
};

const char* const MethodExplanations[4] = {
    "Pick a point at random in the rectangle that runs from \xe2\x88\x92" "1 to 1 across and from 0 to 1 up, and point "
    "the needle from the origin towards it. It looks fair, but the corners of the rectangle lie in the "
    "directions near 45\xc2\xb0 and 135\xc2\xb0, so those directions come up too often: the estimate settles "
    "near 3.087 instead of \xcf\x80.",
    "Pick a point the same way, but throw it away and pick again whenever it lies outside the half-circle of "
    "radius 1. Every direction then has the same chance and the estimate settles near \xcf\x80. About one "
    "point in five is thrown away.",
    "Pick a random arc length from 0 to 100 and walk that far around a circle of radius 1; the needle points "
    "to where the walk stops, folded onto the upper half. \xcf\x80 itself may not be used to make the "
    "directions, so the walk runs far past the half-circle instead of stopping at it. 100 is not a whole "
    "number of half-turns, so a small bias remains (about 3.132).",
    "Divide the half-circle into 4,096 equal parts without using \xcf\x80: start from the 90\xc2\xb0 angle, halve "
    "it eleven times with the half-angle formulas, then turn the point (1, 0) by that small angle 4,096 times "
    "with the rotation formulas. The needle takes one of the 4,097 points at random, so every direction is "
    "equally likely and the estimate settles near \xcf\x80.",
};

} // namespace

TFormBuffon::TFormBuffon(QWidget* parent)
    : ToolDialog(parent), defaultBeeper_(std::make_unique<ApplicationBeeper>()), beeper_(defaultBeeper_.get()),
      simulation_(rng::engine()), tossImage_(580, 320, QImage::Format_RGB32),
      graphImage_(482, 225, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("FormBuffon"));
    setWindowTitle(QStringLiteral("Buffon's  Needles"));
    setFont(pixelFont(QStringLiteral("Arial"), 13));
    setBackground(this, toolPalette::ToolFormColor);

    LabelTitle = new QLabel(this);
    LabelTitle->setTextFormat(Qt::RichText);
    LabelTitle->setFont(pixelFont(QStringLiteral("Arial"), 19));
    LabelTitle->setText(QStringLiteral("<span style=\"color:#0000ff; font-style:italic\">How to Estimate the Value of "
                                       "</span><span style=\"color:#ff0000; font-family:'Times New Roman'\">\u03c0</span>"
                                       "<span style=\"color:#0000ff; font-style:italic\"> Using Buffon's Needles</span>"));
    LabelTitle->setAlignment(Qt::AlignCenter);
    LabelTitle->setGeometry(0, 2, 632, 26);

    PageControl1 = new PageControl(90, 22, this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setTabColors(toolPalette::ToolButtonColor, Qt::black);
    PageControl1->setGeometry(4, 30, 624, 402);
    const char* const captions[4] = {"Tosses", "Graph", "Formula", "Setup"};
    QWidget* pages[4];
    for (int i = 0; i < 4; ++i) {
        pages[i] = new QWidget;
        setBackground(pages[i], toolPalette::ToolFormColor);
        PageControl1->addPage(pages[i], QString::fromLatin1(captions[i]));
    }
    buildTossesPage(pages[0]);
    buildGraphPage(pages[1]);
    buildFormulaPage(pages[2]);
    buildSetupPage(pages[3]);

    LabelLabURL1 = new QLabel(QStringLiteral("<a href=\"%1\">Read more about Buffon's needle problem:</a>").arg(LinkAddress), this);
    LabelLabURL1->setTextFormat(Qt::RichText);
    LabelLabURL1->setGeometry(8, 433, 250, 18);
    LabelLabURL1->setCursor(Qt::PointingHandCursor);
    connect(LabelLabURL1, &QLabel::linkActivated, this, &TFormBuffon::LabelLabURL2Click);
    LabelLabURL2 = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(LinkAddress), this);
    LabelLabURL2->setTextFormat(Qt::RichText);
    LabelLabURL2->setGeometry(258, 433, 370, 18);
    LabelLabURL2->setCursor(Qt::PointingHandCursor);
    connect(LabelLabURL2, &QLabel::linkActivated, this, &TFormBuffon::LabelLabURL2Click);

    // The graph: needle angle 0 to pi across, distance 0 to W/2 upwards.
    const int w = graphImage_.width();
    const int h = graphImage_.height();
    graphMap_ = std::make_unique<TSimplePantograph>(static_cast<int>(std::lround(0.08 * w)), 0, w,
                                                    static_cast<int>(std::lround(0.92 * h)), 0.0, 0.5,
                                                    std::numbers::pi, 0.0);
    pictures_.graphMap = graphMap_.get();

    fixSizeAndCentre(this, 632, 453);
    reset();
}

TFormBuffon::~TFormBuffon() = default;

void TFormBuffon::buildTossesPage(QWidget* page)
{
    ImageTosses = new QLabel(page);
    ImageTosses->setObjectName(QStringLiteral("ImageTosses"));
    ImageTosses->setGeometry(20, 2, 580, 320);

    ButtonToss = makeButton(QStringLiteral("Toss "), page);
    ButtonToss->setGeometry(4, 326, 60, 24);
    connect(ButtonToss, &QPushButton::clicked, this, &TFormBuffon::ButtonTossClick);
    ButtonReset = makeButton(QStringLiteral("Reset"), page);
    ButtonReset->setGeometry(68, 326, 60, 24);
    connect(ButtonReset, &QPushButton::clicked, this, &TFormBuffon::ButtonResetClick);
    for (QPushButton* b : {ButtonToss, ButtonReset})
        setButtonColors(b, toolPalette::ToolButtonColor, Qt::black);

    SpinButtonGroupCountUp = new QToolButton(page);
    SpinButtonGroupCountUp->setArrowType(Qt::UpArrow);
    SpinButtonGroupCountUp->setGeometry(134, 326, 18, 12);
    connect(SpinButtonGroupCountUp, &QToolButton::clicked, this, &TFormBuffon::SpinButtonGroupCountUpClick);
    SpinButtonGroupCountDown = new QToolButton(page);
    SpinButtonGroupCountDown->setArrowType(Qt::DownArrow);
    SpinButtonGroupCountDown->setGeometry(134, 338, 18, 12);
    connect(SpinButtonGroupCountDown, &QToolButton::clicked, this, &TFormBuffon::SpinButtonGroupCountDownClick);
    LabelGroupCount = label(buffon::groupSizeText(groupSize_.value()), page);
    LabelGroupCount->setGeometry(156, 326, 110, 24);

    CheckBoxGraphics = new QCheckBox(QStringLiteral("Graphics"), page);
    CheckBoxGraphics->setChecked(true);
    CheckBoxGraphics->setGeometry(266, 326, 80, 24);
    connect(CheckBoxGraphics, &QCheckBox::clicked, this, &TFormBuffon::CheckBoxGraphicsClick);

    SpinEditParallelLines = new QSpinBox(page);
    SpinEditParallelLines->setRange(buffon::FewestLines, buffon::MostLines);
    SpinEditParallelLines->setSingleStep(buffon::LinesStep);
    SpinEditParallelLines->setValue(buffon::InitialLines);
    SpinEditParallelLines->setGeometry(350, 326, 48, 24);
    auto* areas = label(QStringLiteral("Areas"), page);
    areas->setGeometry(402, 326, 44, 24);

    ButtonCancel = makeButton(QStringLiteral("Cancel"), page);
    ButtonCancel->setGeometry(450, 326, 60, 24);
    ButtonCancel->hide();
    connect(ButtonCancel, &QPushButton::clicked, this, &TFormBuffon::ButtonCancelClick);
    ProgressBar1 = new QProgressBar(page);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(514, 330, 100, 16);
    ProgressBar1->hide();

    LabelPiApprox = new QLabel(QStringLiteral("\u03c0 \u2248"), page);
    LabelPiApprox->setFont(pixelFont(QStringLiteral("Times New Roman"), 21));
    LabelPiApprox->setGeometry(4, 352, 40, 26);
    LabelEstimate = label(QStringLiteral("3.000000"), page, 21);
    QPalette blue = LabelEstimate->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    LabelEstimate->setPalette(blue);
    LabelEstimate->setGeometry(44, 352, 110, 26);
    LabelCounts = label(QStringLiteral("0 Tosses, 0 Crossings"), page);
    LabelCounts->setGeometry(160, 352, 330, 26);
    LabelElapsed = label(QString(), page);
    LabelElapsed->setGeometry(496, 352, 120, 26);
    LabelElapsed->hide();
}

void TFormBuffon::buildGraphPage(QWidget* page)
{
    ImageGraph = new QLabel(page);
    ImageGraph->setObjectName(QStringLiteral("ImageGraph"));
    ImageGraph->setGeometry(128, 4, 482, 225);

    auto* distance = label(QStringLiteral("Distance from\nMidpoint of Needle\nto Parallel Line"), page);
    distance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    distance->setGeometry(0, 70, 124, 54);
    auto* angle = label(QStringLiteral("Needle Angle"), page);
    angle->setAlignment(Qt::AlignHCenter);
    angle->setGeometry(300, 230, 160, 18);

    auto* below = new QWidget(page);
    below->setGeometry(4, 250, 612, 124);
    auto* column = new QVBoxLayout(below);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    QHBoxLayout* relation = row(column);
    // Smaller than the rest of the page: the whole relation fits on one line.
    relation->addWidget(label(QStringLiteral("Probability of Needle Crossing a Parallel Line  ="), below, 12));
    relation->addWidget(fraction(QStringLiteral("Red Area"), QStringLiteral("Rectangular Area"), below, 12));
    relation->addWidget(label(QStringLiteral("  =  "), below, 12));
    relation->addWidget(
        fraction(QStringLiteral("Number Crossing Parallel Lines"), QStringLiteral("Number of Tosses"), below, 12));
    relation->addStretch();

    QHBoxLayout* areas = row(column);
    areas->addWidget(label(QStringLiteral("Rectangular Area  =  (W/2) \u00d7 \u03c0"), below));
    areas->addStretch();
    auto* redArea = new QLabel(below);
    redArea->setTextFormat(Qt::RichText);
    redArea->setFont(pixelFont(QStringLiteral("Times New Roman"), 17));
    redArea->setText(QStringLiteral("Red Area  =  <span style=\"font-size:24px\">\u222b</span><sub>0</sub><sup>\u03c0</sup>"
                                    " (L/2) sin \u03b8 d\u03b8  =  L"));
    areas->addWidget(redArea);

    QHBoxLayout* legend = row(column);
    legend->addWidget(label(QStringLiteral("L = Length of Needle"), below));
    legend->addSpacing(20);
    legend->addWidget(label(QStringLiteral("W = Distance Between Parallel Lines"), below));
    legend->addStretch();
    QHBoxLayout* here = row(column);
    here->addWidget(label(QStringLiteral("In this graph, "), below));
    auto* ones = label(QStringLiteral("L = W = 1"), below, 14, true);
    here->addWidget(ones);
    here->addStretch();
}

void TFormBuffon::buildFormulaPage(QWidget* page)
{
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(20, 20, 20, 20);
    column->setSpacing(12);
    column->addWidget(label(QStringLiteral("General Formula"), page, 18, true));
    QHBoxLayout* general = row(column);
    general->addWidget(label(QStringLiteral("\u03c0  \u2248  2  \u00d7"), page, 18));
    general->addWidget(
        fraction(QStringLiteral("Length of Needle"), QStringLiteral("Distance Between Parallel Lines"), page));
    general->addWidget(label(QStringLiteral("\u00d7"), page, 18));
    general->addWidget(fraction(QStringLiteral("Number of Tosses"), QStringLiteral("Number Crossing Parallel Lines"), page));
    general->addStretch();
    column->addSpacing(30);
    column->addWidget(label(QStringLiteral("If Length of Needle = Distance Between Parallel Lines, then"), page, 18, true));
    QHBoxLayout* equal = row(column);
    equal->addWidget(label(QStringLiteral("\u03c0  \u2248  2  \u00d7"), page, 18));
    equal->addWidget(fraction(QStringLiteral("Number of Tosses"), QStringLiteral("Number Crossing Parallel Lines"), page));
    equal->addStretch();
    column->addStretch();
}

void TFormBuffon::buildSetupPage(QWidget* page)
{
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(10, 6, 10, 6);
    column->setSpacing(2);
    column->addWidget(label(QStringLiteral("Random Direction Generator Method"), page, 16, true));
    for (int i = 0; i < 4; ++i) {
        RadioButtonMethod[i] = new QRadioButton(QString::fromUtf8(MethodCaptions[i]), page);
        RadioButtonMethod[i]->setProperty("tag", i + 1);
        connect(RadioButtonMethod[i], &QRadioButton::clicked, this, &TFormBuffon::RadioButtonMethodClick);
        auto* text = new QPlainTextEdit(QString::fromUtf8(MethodExplanations[i]), page);
        text->setReadOnly(true);
        text->setFont(pixelFont(QStringLiteral("Arial"), 12));
        text->setFixedHeight(64);
        column->addWidget(RadioButtonMethod[i]);
        column->addWidget(text);
    }
    RadioButtonMethod[1]->setChecked(true);
}

void TFormBuffon::FormActivate() {}

void TFormBuffon::reset()
{
    simulation_.resetCounts();
    tossImage_.fill(Qt::white);
    graphImage_.fill(Qt::white);
    drawGraphAxes();

    const int lines = SpinEditParallelLines->value();
    pictures_.spacing = buffon::lineSpacing(tossImage_.height(), lines);
    pictures_.halfLength = pictures_.spacing / 2.0;
    linesDrawn_ = 0;
    {
        QPainter painter(&tossImage_);
        painter.setPen(QPen(QApplication::palette().color(QPalette::Button), 1));
        for (int y = 0; y < tossImage_.height(); y += pictures_.spacing) {
            painter.drawLine(0, y, tossImage_.width() - 1, y);
            ++linesDrawn_;
        }
    }
    pictures_.lineCount = linesDrawn_;
    pictures_.tosses = {reinterpret_cast<std::uint32_t*>(tossImage_.bits()), tossImage_.width(), tossImage_.height(),
                        static_cast<int>(tossImage_.bytesPerLine() / 4)};
    pictures_.graph = {reinterpret_cast<std::uint32_t*>(graphImage_.bits()), graphImage_.width(),
                       graphImage_.height(), static_cast<int>(graphImage_.bytesPerLine() / 4)};
    showBitmaps();
    updateCounts();
    LabelElapsed->hide();
}

void TFormBuffon::drawGraphAxes()
{
    const TSimplePantograph& m = *graphMap_;
    const int h = static_cast<int>(std::lround(0.04 * m.pixelHeight)); // half of 8 % of the plot height
    QPainter painter(&graphImage_);
    painter.setPen(QPen(Qt::blue, 1));
    const int left = m.pixelLeft;
    const int bottom = m.pixelBottom;
    const int right = m.pixelRight - 1;
    painter.drawLine(left, bottom, right, bottom);
    painter.drawLine(left, m.pixelTop, left, bottom);

    const char* const xLabels[5] = {"0", "\xcf\x80/4", "\xcf\x80/2", "3\xcf\x80/4", "\xcf\x80"};
    painter.setFont(pixelFont(QStringLiteral("Arial"), 2 * h));
    for (int k = 0; k <= 4; ++k) {
        const int x = k == 4 ? right : left + k * m.pixelWidth / 4;
        painter.drawLine(x, bottom, x, bottom + h);
        const Qt::Alignment align = (k == 4 ? Qt::AlignRight : Qt::AlignHCenter) | Qt::AlignTop;
        const QRect box = k == 4 ? QRect(x - 60, bottom + 1, 60, 2 * h + 2) : QRect(x - 30, bottom + 1, 60, 2 * h + 2);
        painter.drawText(box, align, QString::fromUtf8(xLabels[k]));
    }
    const char* const yLabels[5] = {"W/2", "", "W/4", "", "0"};
    for (int k = 0; k <= 4; ++k) {
        const int y = k == 4 ? bottom : m.pixelTop + k * m.pixelHeight / 4;
        painter.drawLine(left - h, y, left, y);
        const QRect box(0, std::max(0, y - h - 1), left - h - 2, 2 * h + 2);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(yLabels[k]));
    }
}

void TFormBuffon::showBitmaps()
{
    ImageTosses->setPixmap(QPixmap::fromImage(tossImage_));
    ImageGraph->setPixmap(QPixmap::fromImage(graphImage_));
}

void TFormBuffon::updateCounts()
{
    LabelCounts->setText(buffon::countsText(simulation_.counts()));
    const QString estimate = buffon::estimateText(simulation_.counts());
    LabelEstimate->setText(estimate);
    LabelPiApprox->setVisible(!estimate.isEmpty());
}

void TFormBuffon::ButtonTossClick()
{
    if (running_)
        return;
    running_ = true;
    const std::int64_t n = groupSize_.value();
    const bool long_ = n > 100;
    ProgressBar1->setValue(0);
    ButtonCancel->setVisible(long_);
    ProgressBar1->setVisible(long_);
    // The group runs here, handing control to the window at each progress
    // step: keep other clicks from starting a second group or a reset inside it.
    for (QWidget* w : std::initializer_list<QWidget*>{ButtonToss, ButtonReset, CheckBoxGraphics,
                                                      SpinButtonGroupCountUp, SpinButtonGroupCountDown})
        w->setEnabled(false);
    for (QRadioButton* r : RadioButtonMethod)
        r->setEnabled(false);

    QElapsedTimer clock;
    clock.start();
    simulation_.runGroup(n, CheckBoxGraphics->isChecked() ? &pictures_ : nullptr, [this](int percent) {
        ProgressBar1->setValue(percent);
        QCoreApplication::processEvents();
        return running_;
    });
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;

    for (QWidget* w : std::initializer_list<QWidget*>{ButtonToss, ButtonReset, CheckBoxGraphics,
                                                      SpinButtonGroupCountUp, SpinButtonGroupCountDown})
        w->setEnabled(true);
    for (QRadioButton* r : RadioButtonMethod)
        r->setEnabled(true);
    ButtonCancel->hide();
    ProgressBar1->hide();
    LabelElapsed->setText(QString::asprintf("%.3f sec", seconds));
    LabelElapsed->show();
    showBitmaps();
    updateCounts();
    running_ = false;
}

void TFormBuffon::ButtonResetClick() { reset(); }

void TFormBuffon::ButtonCancelClick() { running_ = false; }

void TFormBuffon::SpinButtonGroupCountUpClick()
{
    groupSize_.up(*beeper_);
    LabelGroupCount->setText(buffon::groupSizeText(groupSize_.value()));
}

void TFormBuffon::SpinButtonGroupCountDownClick()
{
    groupSize_.down(*beeper_);
    LabelGroupCount->setText(buffon::groupSizeText(groupSize_.value()));
}

void TFormBuffon::CheckBoxGraphicsClick() { reset(); }

void TFormBuffon::RadioButtonMethodClick()
{
    if (auto* button = qobject_cast<QRadioButton*>(sender()))
        simulation_.setMethod(button->property("tag").toInt());
    reset();
}

void TFormBuffon::LabelLabURL2Click() { openWithDefaultProgram(LinkAddress); }

void TFormBuffon::closeEvent(QCloseEvent* event)
{
    running_ = false; // a group in progress stops at its next step
    ToolDialog::closeEvent(event);
}

} // namespace tv
