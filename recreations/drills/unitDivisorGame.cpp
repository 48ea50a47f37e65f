#include "recreations/drills/unitDivisorGame.h"

#include "recreations/drills/DrillWidgets.h"
#include "ui/Components.h"
#include "ui/MessageBoxes.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace tv::drills {

namespace {

const QColor Background(0xFE, 0xEB, 0xC7);

} // namespace

TfrmDivisorGame::TfrmDivisorGame(QWidget* parent, RandomBelow random) : QDialog(parent), game_(std::move(random))
{
    setObjectName(QStringLiteral("frmDivisorGame"));
    setWindowTitle(QStringLiteral("Tallyvale Division Rule Game  - Mathematics for the Middle School"));
    setFixedSize(600, 430);
    setBackground(this, Background);

    lblTitle = new EffectLabel(QStringLiteral("Divisibility Rule Game"), pointFont(QStringLiteral("Arial"), 24, true),
                               QColor(0x80, 0x00, 0x00), EffectLabel::Effect::Raised, this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->move((width() - lblTitle->sizeHint().width()) / 2, 12);

    lblInstruction = new QLabel(QStringLiteral("Check ALL the divisors for the given number. If the number is prime "
                                               "then check the prime box. You will have 10 numbers to work with."),
                                this);
    lblInstruction->setObjectName(QStringLiteral("lblInstruction"));
    lblInstruction->setWordWrap(true);
    lblInstruction->setFont(pointFont(QStringLiteral("Arial"), 11));
    lblInstruction->setGeometry(30, 60, 540, 44);

    imgRight = rightPicture(this);
    imgWrong = wrongPicture(this);
    imgRight->move(24, 140);
    imgWrong->move(24, 140);

    pnlNumber = numberPanel(this, QStringLiteral("pnlNumber"), QColor(0x00, 0x00, 0x80), QColor(0xFF, 0xFF, 0x80), 48);
    pnlNumber->setGeometry(110, 128, 130, 90);

    grpDivisors = new QGroupBox(QStringLiteral("Divisiors"), this);
    grpDivisors->setObjectName(QStringLiteral("grpDivisors"));
    grpDivisors->setFont(pointFont(QStringLiteral("Arial"), 11, true));
    grpDivisors->setGeometry(270, 118, 190, 150);
    cbPrime = new QCheckBox(QStringLiteral("Prime"), grpDivisors);
    cbPrime->setObjectName(QStringLiteral("cbPrime"));
    cbPrime->setGeometry(14, 28, 80, 24);
    for (std::size_t i = 0; i < DivisorBoxes.size(); ++i) {
        cbDivisor[i] = new QCheckBox(QString::number(DivisorBoxes[i]), grpDivisors);
        cbDivisor[i]->setObjectName(QStringLiteral("cb%1").arg(DivisorBoxes[i]));
        const int k = static_cast<int>(i);
        cbDivisor[i]->setGeometry(k < 3 ? 14 : 104, 58 + (k < 3 ? k : k - 3) * 28, 70, 24);
        // A divisor rules out "Prime".
        connect(cbDivisor[i], &QCheckBox::toggled, this, [this](bool on) {
            if (on)
                cbPrime->setChecked(false);
        });
    }
    // "Prime" rules out every divisor.
    connect(cbPrime, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            for (QCheckBox* box : cbDivisor)
                box->setChecked(false);
    });

    btnCheck = new QPushButton(QStringLiteral("Check"), this);
    btnCheck->setObjectName(QStringLiteral("btnCheck"));
    btnCheck->setFont(pointFont(QStringLiteral("Arial"), 12, true));
    btnCheck->setGeometry(270, 290, 90, 34);
    btnNext = new QPushButton(QStringLiteral("Next"), this);
    btnNext->setObjectName(QStringLiteral("btnNext"));
    btnNext->setFont(pointFont(QStringLiteral("Arial"), 12, true));
    btnNext->setGeometry(370, 290, 90, 34);

    lblCorrect = textLabel(this, QStringLiteral("lblCorrect"), QStringLiteral("Number Correct:"), 110, 340);
    lblNumCorrect = textLabel(this, QStringLiteral("lblNumCorrect"), QStringLiteral("0"), 250, 340);
    lblWrong = textLabel(this, QStringLiteral("lblWrong"), QStringLiteral("Number Wrong:"), 110, 370);
    lblNumWrong = textLabel(this, QStringLiteral("lblNumWrong"), QStringLiteral("0"), 250, 370);
    lblNumCorrect->setFixedWidth(60);
    lblNumWrong->setFixedWidth(60);

    meter = new ScoreMeter(DivisorDrill::MeterMaximum, DivisorDrill::MeterStart, this);
    meter->move(480, 118);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(DivisorDrill::TimerMs);
    connect(Timer1, &QTimer::timeout, this, &TfrmDivisorGame::Timer1Timer);
    connect(btnCheck, &QPushButton::clicked, this, &TfrmDivisorGame::btnCheckClick);
    connect(btnNext, &QPushButton::clicked, this, &TfrmDivisorGame::btnNextClick);

    pnlNumber->setText(QString::number(game_.number()));
    Timer1->start();
}

void TfrmDivisorGame::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!centred_) {
        centred_ = true;
        centreOnScreen(this);
    }
}

DivisorAnswer TfrmDivisorGame::answer() const
{
    DivisorAnswer a;
    a.prime = cbPrime->isChecked();
    for (std::size_t i = 0; i < cbDivisor.size(); ++i)
        a.ticked[i] = cbDivisor[i]->isChecked();
    return a;
}

void TfrmDivisorGame::clearBoxes()
{
    cbPrime->setChecked(false);
    for (QCheckBox* box : cbDivisor)
        box->setChecked(false);
}

void TfrmDivisorGame::btnCheckClick()
{
    const Outcome outcome = game_.check(answer());
    switch (outcome) {
    case Outcome::Close:
        close();
        return;
    case Outcome::NoChoice:
        messageBoxes().information(this, QStringLiteral("Warning"), QStringLiteral("You must select at least one choice."));
        return;
    default:
        break;
    }
    (outcome == Outcome::Right ? imgRight : imgWrong)->show();
    (outcome == Outcome::Right ? imgWrong : imgRight)->hide();
    lblNumCorrect->setText(QString::number(game_.right()));
    lblNumWrong->setText(QString::number(game_.wrong()));
    meter->setValue(game_.meter().value());
}

void TfrmDivisorGame::btnNextClick()
{
    if (game_.next()) {
        btnCheck->setText(QStringLiteral("Exit"));
        return;
    }
    pnlNumber->setText(QString::number(game_.number()));
    clearBoxes();
    imgRight->hide();
    imgWrong->hide();
}

void TfrmDivisorGame::Timer1Timer()
{
    if (game_.finished())
        return;
    game_.tick();
    meter->setValue(game_.meter().value());
}

} // namespace tv::drills
