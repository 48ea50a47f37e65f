#include "recreations/drills/unitRecreationsSeriesGame.h"

#include "recreations/drills/DrillWidgets.h"
#include "ui/Components.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace tv::drills {

namespace {

const QColor Background(0xFE, 0xDB, 0xB4);
const QColor PanelFace(0xC0, 0x00, 0x00);
const QColor PanelText(0xFF, 0xFF, 0x00);

} // namespace

TfrmRecreationsSeriesGame::TfrmRecreationsSeriesGame(QWidget* parent, RandomBelow random)
    : QDialog(parent), game_(std::move(random))
{
    setObjectName(QStringLiteral("frmRecreationsSeriesGame"));
    setWindowTitle(QStringLiteral("frmRecreationsSeriesGame"));
    setFixedSize(640, 470);
    setBackground(this, Background);

    lblTitle = new RaisedTitle(QStringLiteral("      Find The \nMissing Number"),
                               pointFont(QStringLiteral("Arial"), 24, true), QColor(0x80, 0x00, 0x00), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->move(190, 10);

    lblExplanation = new QLabel(
        QStringLiteral("In each series below the numbers in the second row are found by doing something to the "
                       "numbers in the first row. The rule used is a very simple rule based on multiplying the "
                       "number in the first row by something and then addng a second number to this product. "
                       "For example if the number in the first row were 2 and the number in the second row were "
                       "7, the rule might be to multiply the first number by 3 and then add 1."),
        this);
    lblExplanation->setObjectName(QStringLiteral("lblExplanation"));
    lblExplanation->setWordWrap(true);
    lblExplanation->setFont(pointFont(QStringLiteral("Arial"), 10));
    lblExplanation->setGeometry(20, 96, 600, 84);

    for (int i = 0; i < SeriesDrill::Columns; ++i) {
        const auto c = static_cast<std::size_t>(i);
        pnlA[c] = numberPanel(this, QStringLiteral("pnlA%1").arg(i + 1), PanelFace, PanelText, 24);
        pnlA[c]->setGeometry(110 + i * 62, 196, 54, 44);
        pnlB[c] = numberPanel(this, QStringLiteral("pnlB%1").arg(i + 1), PanelFace, PanelText, 24);
        pnlB[c]->setGeometry(110 + i * 62, 248, 54, 44);
    }

    imgRight = rightPicture(this);
    imgWrong = wrongPicture(this);
    imgRight->move(22, 206);
    imgWrong->move(22, 206);

    lblMissing = textLabel(this, QStringLiteral("lblMissing"), QStringLiteral("Missing Number"), 110, 318);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFont(pixelFont(QStringLiteral("Arial"), 22, true));
    Edit1->setAlignment(Qt::AlignCenter);
    Edit1->setGeometry(250, 308, 70, 38);
    Edit1->installEventFilter(this);

    btnCheck = new QPushButton(QStringLiteral("Start"), this);
    btnCheck->setObjectName(QStringLiteral("btnCheck"));
    btnCheck->setFont(pointFont(QStringLiteral("Arial"), 12, true));
    btnCheck->setGeometry(340, 310, 90, 34);

    lblCorrect = textLabel(this, QStringLiteral("lblCorrect"), QStringLiteral("Correct"), 110, 370);
    lblNumCorrect = textLabel(this, QStringLiteral("lblNumCorrect"), QStringLiteral("0"), 200, 370);
    lblWrong = textLabel(this, QStringLiteral("lblWrong"), QStringLiteral("Wrong"), 110, 400);
    lblNumWrong = textLabel(this, QStringLiteral("lblNumWrong"), QStringLiteral("0"), 200, 400);
    lblNumCorrect->setFixedWidth(60);
    lblNumWrong->setFixedWidth(60);
    lblFinalScore = textLabel(this, QStringLiteral("lblFinalScore"), QStringLiteral("Final Score"), 220, 230, 18);
    lblFinalScoreValue = textLabel(this, QStringLiteral("lblFinalScoreValue"), QString(), 370, 230, 18);
    lblFinalScoreValue->setFixedWidth(80);
    lblFinalScore->hide();
    lblFinalScoreValue->hide();

    meter = new ScoreMeter(SeriesDrill::MeterMaximum, SeriesDrill::MeterStart, this);
    meter->move(505, 196);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(SeriesDrill::TimerMs);
    connect(Timer1, &QTimer::timeout, this, &TfrmRecreationsSeriesGame::Timer1Timer);
    connect(btnCheck, &QPushButton::clicked, this, &TfrmRecreationsSeriesGame::btnCheckClick);
    Timer1->start();
}

void TfrmRecreationsSeriesGame::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!centred_) {
        centred_ = true;
        centreOnScreen(this);
        btnCheck->setFocus();
    }
}

void TfrmRecreationsSeriesGame::showProblem()
{
    for (std::size_t i = 0; i < pnlA.size(); ++i) {
        pnlA[i]->setText(QString::number(game_.top()[i]));
        pnlB[i]->setText(static_cast<int>(i) == game_.hidden() ? QString() : QString::number(game_.bottom()[i]));
    }
}

void TfrmRecreationsSeriesGame::btnCheckClick()
{
    if (Edit1->text().isEmpty())
        Edit1->setText(QStringLiteral("0"));
    btnCheck->setText(QStringLiteral("Check"));
    const Outcome outcome = game_.click(Edit1->text());
    if (outcome == Outcome::Close) {
        close();
        return;
    }
    if (outcome == Outcome::Right || outcome == Outcome::Wrong) {
        (outcome == Outcome::Right ? imgRight : imgWrong)->show();
        (outcome == Outcome::Right ? imgWrong : imgRight)->hide();
        lblNumCorrect->setText(QString::number(game_.right()));
        lblNumWrong->setText(QString::number(game_.wrong()));
    }
    meter->setValue(game_.meter().value());
    showProblem();
    if (game_.finished()) {
        btnCheck->setText(QStringLiteral("Exit"));
        for (std::size_t i = 0; i < pnlA.size(); ++i) {
            pnlA[i]->hide();
            pnlB[i]->hide();
        }
        lblFinalScoreValue->setText(QString::number(meter->value()));
        lblFinalScore->show();
        lblFinalScoreValue->show();
    }
}

void TfrmRecreationsSeriesGame::Timer1Timer()
{
    if (game_.finished())
        return;
    game_.tick();
    meter->setValue(game_.meter().value());
    imgRight->hide();
    imgWrong->hide();
}

bool TfrmRecreationsSeriesGame::eventFilter(QObject* watched, QEvent* event)
{
    // Entering the answer box empties it for the next answer.
    // (Not when the whole window merely comes back to the front.)
    if (watched == Edit1 && event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            Edit1->clear();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tv::drills
