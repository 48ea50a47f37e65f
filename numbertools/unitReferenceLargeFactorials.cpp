#include "numbertools/unitReferenceLargeFactorials.h"

#include "numbertools/Factorials.h"
#include "numbertools/ToolWindow.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace tv {

using namespace toolwindow;

namespace {

// The hourglass for the duration of a computation, restored even when it throws.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

TfrmReferenceLargeFactorials::TfrmReferenceLargeFactorials(QWidget* parent) : ToolDialog(parent)
{
    setObjectName(QStringLiteral("frmReferenceLargeFactorials"));
    setWindowTitle(QStringLiteral("Tallyvale - Large Factorials"));
    setBackground(this, QColor(0xFA, 0xEB, 0xAF));

    addTitle(QStringLiteral("Large Factorials"), pixelFont(QStringLiteral("Arial"), 37, true),
             Qt::blue, EffectLabel::Effect::Lowered, QRect(0, 6, 557, 48));

    addPrompt(QStringLiteral("Enter a Number from 1 to 999"), pixelFont(QStringLiteral("Arial"), 16),
              QRect(18, 66, 220, 24), Qt::blue);

    UpDown1 = new QSpinBox(this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setRange(1, 999);
    UpDown1->setValue(10);
    UpDown1->setWrapping(false);
    UpDown1->setFont(pixelFont(QStringLiteral("Arial"), 16));
    UpDown1->setGeometry(240, 64, 70, 28);

    ComputeBtn = makeButton(QStringLiteral("Find Factorial"), this);
    ComputeBtn->setObjectName(QStringLiteral("ComputeBtn"));
    ComputeBtn->setFont(pixelFont(QStringLiteral("Arial"), 19, true));
    setButtonColors(ComputeBtn, QColor(0xEC, 0xDC, 0xBD), Qt::blue);
    ComputeBtn->setGeometry(330, 61, 160, 34);
    connect(ComputeBtn, &QPushButton::clicked, this, &TfrmReferenceLargeFactorials::ComputeBtnClick);

    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    setBackground(panel, QColor(0xFF, 0xFA, 0xD9));
    panel->setGeometry(15, 104, 527, 248);

    Factout = new QPlainTextEdit(QStringLiteral("1"), panel);
    Factout->setObjectName(QStringLiteral("Factout"));
    Factout->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Factout->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Factout->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
    QPalette fp = Factout->palette();
    fp.setColor(QPalette::Base, QColor(0xED, 0xE3, 0xC5));
    Factout->setPalette(fp);
    Factout->setGeometry(8, 8, 511, 232);

    lblNumberDigits = new QLabel(this);
    lblNumberDigits->setObjectName(QStringLiteral("lblNumberDigits"));
    lblNumberDigits->setFont(pixelFont(QStringLiteral("Arial"), 16, true));
    lblNumberDigits->setStyleSheet(QStringLiteral("color: red"));
    lblNumberDigits->setAlignment(Qt::AlignCenter);
    lblNumberDigits->setGeometry(18, 358, 520, 24);

    NAGButton1 = addExitButton(QRect(432, 394, 110, 36));
    NAGButton1->setObjectName(QStringLiteral("NAGButton1"));

    fixSizeAndCentre(this, 557, 445);
}

void TfrmReferenceLargeFactorials::FormActivate()
{
    ComputeBtnClick();
}

void TfrmReferenceLargeFactorials::ComputeBtnClick()
{
    WaitCursor wait;
    ShowLargeFactorial(UpDown1->value());
}

void TfrmReferenceLargeFactorials::ShowLargeFactorial(std::int32_t n)
{
    Factout->clear();
    const LargeFactorial f = largeFactorial(n);
    lblNumberDigits->setText(f.lengthLine);
    Factout->setPlainText(f.digits);
    // Show the top of the number.
    QTextCursor c = Factout->textCursor();
    c.movePosition(QTextCursor::Start);
    Factout->setTextCursor(c);
    Factout->ensureCursorVisible();
}

} // namespace tv
