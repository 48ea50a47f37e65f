#include "recreations/drills/ArithmeticDrillWindow.h"

#include "recreations/drills/DrillWidgets.h"
#include "ui/Components.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace tv::drills {

namespace {

const QColor PanelFace(0x20, 0x20, 0x40);
const QColor PanelText(0xFF, 0xFF, 0x80);
const QColor SignFace(0xC6, 0x63, 0x00);
const QColor TitleColour(0x80, 0x00, 0x00);

} // namespace

ArithmeticDrillWindow::ArithmeticDrillWindow(const ArithmeticRules& rules, const ArithmeticLook& look,
                                             QWidget* parent, RandomBelow random)
    : QDialog(parent), game_(rules, std::move(random))
{
    setWindowTitle(look.caption);
    setFixedSize(600, 340);
    setBackground(this, look.background);

    lblTitle = new RaisedTitle(look.title, pointFont(QStringLiteral("Arial"), 26, true), TitleColour, this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->move(150, 14);

    imgRight = rightPicture(this);
    imgWrong = wrongPicture(this);
    imgRight->move(26, 150);
    imgWrong->move(26, 150);

    const int row = 150;
    pnlNumber1 = numberPanel(this, QStringLiteral("pnlNumber1"), PanelFace, PanelText, 30);
    pnlNumber1->setGeometry(120, row, 64, 60);
    pnlSign = numberPanel(this, QStringLiteral("pnlSign"), SignFace, Qt::white, 26);
    pnlSign->setGeometry(190, row + 10, 40, 40);
    pnlSign->setText(QString(rules.sign));
    pnlNumber2 = numberPanel(this, QStringLiteral("pnlNumber2"), PanelFace, PanelText, 30);
    pnlNumber2->setGeometry(236, row, 64, 60);
    pnlEquals = numberPanel(this, QStringLiteral("pnlEquals"), SignFace, Qt::white, 26);
    pnlEquals->setGeometry(306, row + 10, 40, 40);
    pnlEquals->setText(QStringLiteral("="));

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFont(pixelFont(QStringLiteral("Arial"), 28, true));
    Edit1->setAlignment(Qt::AlignCenter);
    Edit1->setGeometry(352, row + 5, 80, 50);

    btnCheck = new QPushButton(QStringLiteral("Check"), this);
    btnCheck->setObjectName(QStringLiteral("btnCheck"));
    btnCheck->setFont(pointFont(QStringLiteral("Arial"), 12, true));
    btnCheck->setGeometry(352, row + 80, 80, 32);

    lblCorrect = textLabel(this, QStringLiteral("lblCorrect"), QStringLiteral("Number Correct:"), 120, 250);
    lblNumCorrect = textLabel(this, QStringLiteral("lblNumCorrect"), QStringLiteral("0"), 260, 250);
    lblWrong = textLabel(this, QStringLiteral("lblWrong"), QStringLiteral("Number Wrong:"), 120, 280);
    lblNumWrong = textLabel(this, QStringLiteral("lblNumWrong"), QStringLiteral("0"), 260, 280);
    lblNumCorrect->setFixedWidth(60);
    lblNumWrong->setFixedWidth(60);
    lblFinalScore = textLabel(this, QStringLiteral("lblFinalScore"), QStringLiteral("Final Score"), 120, 262, 16);
    lblFinalScoreValue = textLabel(this, QStringLiteral("lblFinalScoreValue"), QString(), 260, 262, 16);
    lblFinalScoreValue->setFixedWidth(100);
    lblFinalScore->hide();
    lblFinalScoreValue->hide();
    lblScore = textLabel(this, QStringLiteral("lblScore"), QStringLiteral("0"), 120, 320);
    lblScore->hide();

    meter = new ScoreMeter(ArithmeticDrill::MeterMaximum, ArithmeticDrill::MeterStart, this);
    meter->move(460, 110);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(ArithmeticDrill::TimerMs);
    connect(Timer1, &QTimer::timeout, this, &ArithmeticDrillWindow::Timer1Timer);
    connect(btnCheck, &QPushButton::clicked, this, &ArithmeticDrillWindow::btnCheckClick);
    connect(qApp, &QApplication::focusChanged, this, &ArithmeticDrillWindow::focusChanged);

    Edit1->clear();
    showProblem();
    Timer1->start();
}

ArithmeticDrillWindow::~ArithmeticDrillWindow()
{
    // Focus moves while the base window is torn down; this part is gone then.
    disconnect(qApp, nullptr, this, nullptr);
}

void ArithmeticDrillWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!centred_) {
        centred_ = true;
        centreOnScreen(this);
        Edit1->setFocus();
    }
}

void ArithmeticDrillWindow::showProblem()
{
    pnlNumber1->setText(QString::number(game_.first()));
    pnlNumber2->setText(QString::number(game_.second()));
}

void ArithmeticDrillWindow::showCounts()
{
    lblNumCorrect->setText(QString::number(game_.right()));
    lblNumWrong->setText(QString::number(game_.wrong()));
    meter->setValue(game_.meter().value());
}

void ArithmeticDrillWindow::btnCheckClick()
{
    if (Edit1->text().isEmpty())
        Edit1->setText(QStringLiteral("0"));
    const Outcome outcome = game_.check(Edit1->text());
    if (outcome == Outcome::Close) {
        close();
        return;
    }
    (outcome == Outcome::Right ? imgRight : imgWrong)->show();
    (outcome == Outcome::Right ? imgWrong : imgRight)->hide();
    showCounts();
    if (game_.finished()) {
        finish();
        return;
    }
    showProblem();
    Edit1->clear();
    Edit1->setFocus();
}

void ArithmeticDrillWindow::finish()
{
    lblFinalScoreValue->setText(lblScore->text());
    lblFinalScore->show();
    lblFinalScoreValue->show();
    for (QLabel* l : {lblCorrect, lblNumCorrect, lblWrong, lblNumWrong})
        l->hide();
    btnCheck->setText(QStringLiteral("Exit"));
}

void ArithmeticDrillWindow::Timer1Timer()
{
    game_.tick();
    lblScore->setText(QString::number(game_.score()));
    meter->setValue(game_.meter().value());
    imgRight->hide();
    imgWrong->hide();
}

void ArithmeticDrillWindow::focusChanged(QWidget* old, QWidget* now)
{
    // Leaving the answer box for another control of this window hands the
    // focus to "Check".
    if (old == Edit1 && now && now != btnCheck && now->window() == this && btnCheck->isVisible())
        btnCheck->setFocus();
}

} // namespace tv::drills
