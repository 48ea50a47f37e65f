#include "recreations/factorgames/unitNumberPropertyGame.h"

#include "recreations/drills/DrillWidgets.h"
#include "ui/Components.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace tv::factors {

namespace {

const QColor Background(0xD1, 0xB6, 0x98);
const QColor DigitFace(0x80, 0x20, 0x00);

QFont boldArial(int pt) { return pointFont(QStringLiteral("Arial"), pt, true); }

QLabel* textLabel(QWidget* parent, const QString& name, const QString& text, int x, int y, int pt = 11)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(boldArial(pt));
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLabel* digitPanel(QWidget* parent, const QString& name, int x, int y)
{
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(3);
    drills::setBackground(panel, DigitFace);
    panel->setGeometry(x, y, 80, 96);
    auto* digit = new EffectLabel(QString(), EffectLabel::Effect::Raised, panel);
    digit->setObjectName(name);
    digit->setFont(pixelFont(QStringLiteral("Arial"), 64, true));
    drills::setTextColour(digit, QColor(0xFF, 0xFF, 0x00));
    digit->setAlignment(Qt::AlignCenter);
    digit->setGeometry(3, 3, 74, 90);
    return digit;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text, int x, int y)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setFont(boldArial(11));
    b->setGeometry(x, y, 90, 32);
    return b;
}

} // namespace

TfrmNumberPropertyGame::TfrmNumberPropertyGame(QWidget* parent, drills::RandomBelow random,
                                               std::function<void()> reseed)
    : QDialog(parent), game_(std::move(random), std::move(reseed))
{
    setObjectName(QStringLiteral("frmNumberPropertyGame"));
    setWindowTitle(QStringLiteral("Tallyvale - Number Property Game"));
    setFixedSize(600, 430);
    drills::setBackground(this, Background);

    lblTitle = new EffectLabel(QStringLiteral("Number Property Game"), boldArial(24), QColor(0xFF, 0x00, 0x00),
                               EffectLabel::Effect::Raised, this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->move((width() - lblTitle->sizeHint().width()) / 2, 14);

    imgRight = drills::rightPicture(this);
    imgWrong = drills::wrongPicture(this);
    imgRight->move(24, 90);
    imgWrong->move(24, 90);

    lblTens = digitPanel(this, QStringLiteral("lblTens"), 110, 76);
    lblOnes = digitPanel(this, QStringLiteral("lblOnes"), 196, 76);

    grpParity = new QGroupBox(QStringLiteral("Odd or Even"), this);
    grpParity->setObjectName(QStringLiteral("grpParity"));
    grpParity->setFont(boldArial(10));
    grpParity->setGeometry(300, 70, 140, 80);
    rbOdd = new QRadioButton(QStringLiteral("Odd"), grpParity);
    rbOdd->setObjectName(QStringLiteral("rbOdd"));
    rbOdd->setGeometry(14, 24, 110, 22);
    rbEven = new QRadioButton(QStringLiteral("Even"), grpParity);
    rbEven->setObjectName(QStringLiteral("rbEven"));
    rbEven->setGeometry(14, 48, 110, 22);

    grpKind = new QGroupBox(QStringLiteral("Prime or Composite"), this);
    grpKind->setObjectName(QStringLiteral("grpKind"));
    grpKind->setFont(boldArial(10));
    grpKind->setGeometry(300, 156, 140, 80);
    rbPrime = new QRadioButton(QStringLiteral("Prime"), grpKind);
    rbPrime->setObjectName(QStringLiteral("rbPrime"));
    rbPrime->setGeometry(14, 24, 110, 22);
    rbComposite = new QRadioButton(QStringLiteral("Composite"), grpKind);
    rbComposite->setObjectName(QStringLiteral("rbComposite"));
    rbComposite->setGeometry(14, 48, 120, 22);

    btnCheck = button(this, QStringLiteral("btnCheck"), QStringLiteral("Check"), 110, 250);
    btnRestart = button(this, QStringLiteral("btnRestart"), QStringLiteral("Restart"), 210, 250);
    btnExit = button(this, QStringLiteral("btnExit"), QStringLiteral("Exit"), 310, 250);

    lblCorrect = textLabel(this, QStringLiteral("lblCorrect"), QStringLiteral("Number Correct:"), 110, 305);
    lblNumCorrect = textLabel(this, QStringLiteral("lblNumCorrect"), QStringLiteral("0"), 250, 305);
    lblWrong = textLabel(this, QStringLiteral("lblWrong"), QStringLiteral("Number Wrong:"), 110, 333);
    lblNumWrong = textLabel(this, QStringLiteral("lblNumWrong"), QStringLiteral("0"), 250, 333);
    lblScoreCaption = textLabel(this, QStringLiteral("lblScoreCaption"), QStringLiteral("Score"), 110, 361);
    lblScore = textLabel(this, QStringLiteral("lblScore"), QStringLiteral("0"), 250, 361);
    for (QLabel* l : {lblNumCorrect, lblNumWrong, lblScore})
        l->setFixedWidth(70);
    lblFinalScore = textLabel(this, QStringLiteral("lblFinalScore"), QStringLiteral("Final Score"), 300, 330, 16);
    lblFinalScoreValue = textLabel(this, QStringLiteral("lblFinalScoreValue"), QString(), 430, 330, 16);
    lblFinalScoreValue->setFixedWidth(80);
    lblFinalScore->hide();
    lblFinalScoreValue->hide();

    meter = new drills::ScoreMeter(NumberPropertyGame::MeterMaximum, NumberPropertyGame::MeterStart, this);
    meter->move(462, 70);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(NumberPropertyGame::TimerMs);
    connect(Timer1, &QTimer::timeout, this, &TfrmNumberPropertyGame::Timer1Timer);
    connect(btnCheck, &QPushButton::clicked, this, &TfrmNumberPropertyGame::btnCheckClick);
    connect(btnRestart, &QPushButton::clicked, this, &TfrmNumberPropertyGame::btnRestartClick);
    connect(btnExit, &QPushButton::clicked, this, &TfrmNumberPropertyGame::btnExitClick);
    Timer1->start();
}

void TfrmNumberPropertyGame::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!centred_) {
        centred_ = true;
        centreOnScreen(this);
    }
}

void TfrmNumberPropertyGame::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    // A new game when the window first becomes active; coming back from
    // another program later does not start over.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !activated_) {
        activated_ = true;
        FormActivate();
    }
}

void TfrmNumberPropertyGame::FormActivate()
{
    game_.start();
    showDigits();
    showCounts();
}

void TfrmNumberPropertyGame::showDigits()
{
    lblTens->setText(QString::number(game_.tens()));
    lblOnes->setText(QString::number(game_.ones()));
}

void TfrmNumberPropertyGame::showCounts()
{
    lblNumCorrect->setText(QString::number(game_.right()));
    lblNumWrong->setText(QString::number(game_.wrong()));
}

void TfrmNumberPropertyGame::btnCheckClick()
{
    imgRight->hide();
    imgWrong->hide();
    const Parity parity = rbOdd->isChecked() ? Parity::Odd : rbEven->isChecked() ? Parity::Even : Parity::None;
    const Kind kind = rbPrime->isChecked() ? Kind::Prime : rbComposite->isChecked() ? Kind::Composite : Kind::None;
    const NumberPropertyGame::CheckResult result = game_.check(parity, kind);
    if (result.ended) {
        lblFinalScoreValue->setText(lblScore->text());
        lblFinalScore->show();
        lblFinalScoreValue->show();
        lblScoreCaption->hide();
        lblScore->hide();
        btnCheck->hide();
    }
    (result.right ? imgRight : imgWrong)->show();
    showCounts();
    showDigits();
}

void TfrmNumberPropertyGame::btnRestartClick()
{
    game_.restart();
    showDigits();
    lblScoreCaption->show();
    lblScore->show();
    lblFinalScore->hide();
    lblFinalScoreValue->hide();
    btnCheck->show();
    showCounts();
    imgRight->hide();
    imgWrong->hide();
}

void TfrmNumberPropertyGame::btnExitClick() { close(); }

void TfrmNumberPropertyGame::Timer1Timer()
{
    game_.tick();
    lblScore->setText(QString::number(game_.score()));
    meter->setValue(game_.meter().value());
}

} // namespace tv::factors
