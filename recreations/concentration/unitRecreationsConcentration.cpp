#include "recreations/concentration/unitRecreationsConcentration.h"

#include "recreations/concentration/ConcentrationResources.h"
#include "recreations/concentration/Memogam.h"
#include "ui/Components.h"
#include "ui/MessageBoxes.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QTimer>

namespace tv::concentration {

namespace {

const QColor WindowColour(0xFE, 0xEB, 0xC7);
const QColor TitleColour(0x00, 0x00, 0xFF);
const QColor StatusColour(0xFF, 0xFF, 0x00);
const QColor StatusGround(0xFF, 0x00, 0x00);
const QString Notice = QStringLiteral(" - Mathematics for the Middle School");

void setColour(QWidget* w, QPalette::ColorRole role, const QColor& colour)
{
    QPalette pal = w->palette();
    pal.setColor(role, colour);
    w->setPalette(pal);
}

} // namespace

TfrmRecreationsConcentration::TfrmRecreationsConcentration(QWidget* parent) : QDialog(parent)
{
    initConcentrationResources();
    setObjectName(QStringLiteral("frmRecreationsConcentration"));
    setWindowTitle(QStringLiteral("Concentration Memory Game") + Notice);
    setFixedSize(627, 442);
    setAutoFillBackground(true);
    setColour(this, QPalette::Window, WindowColour);

    lblFormTitle = new EffectLabel(QStringLiteral("Concentration Memory Game"),
                                   pointFont(QStringLiteral("Arial"), 20, true), TitleColour,
                                   EffectLabel::Effect::Lowered, this);
    lblFormTitle->setObjectName(QStringLiteral("lblFormTitle"));
    lblFormTitle->setAlignment(Qt::AlignCenter);
    lblFormTitle->setGeometry(0, 8, 627, 40);

    lblSelect = new QLabel(QStringLiteral("Select the game you wish to play."), this);
    lblSelect->setObjectName(QStringLiteral("lblSelect"));
    lblSelect->setFont(pointFont(QStringLiteral("Arial"), 10, true));
    lblSelect->setWordWrap(true);
    lblSelect->setGeometry(12, 62, 172, 40);

    const QFont choiceFont = pointFont(QStringLiteral("Arial"), 9);
    for (int i = 0; i < static_cast<int>(kPictureSets.size()); ++i) {
        const int y = 112 + i * 40;
        auto* radio = new QRadioButton(this);
        radio->setObjectName(QStringLiteral("rbPictureSet%1").arg(i + 1));
        radio->setAccessibleName(QString::fromLatin1(kPictureSets[i].caption));
        radio->setGeometry(12, y, 18, 18);
        auto* label = new QLabel(QString::fromLatin1(kPictureSets[i].caption), this);
        label->setObjectName(QStringLiteral("lblPictureSet%1").arg(i + 1));
        label->setFont(choiceFont);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setGeometry(34, y + 1, 150, 36);
        label->setBuddy(radio);
        label->installEventFilter(this);
        // Only a change of set deals: clicking the chosen set again keeps the game.
        connect(radio, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                rbPictureSetClick(i);
        });
        rbPictureSet[i] = radio;
        lblPictureSet[i] = label;
    }

    btnNewGame = new QPushButton(QStringLiteral("Start New Game"), this);
    btnNewGame->setObjectName(QStringLiteral("btnNewGame"));
    btnNewGame->setFont(pointFont(QStringLiteral("Arial"), 10, true));
    btnNewGame->setGeometry(22, 322, 150, 32);
    connect(btnNewGame, &QPushButton::clicked, this, &TfrmRecreationsConcentration::btnNewGameClick);

    lblClock = new QLabel(play_.clockText(), this);
    lblClock->setObjectName(QStringLiteral("lblClock"));
    lblClock->setFont(pointFont(QStringLiteral("Arial"), 12, true));
    lblClock->setGeometry(22, 398, 160, 26);

    MemoryGame1 = new TMemoryGame(this);
    MemoryGame1->move(192, 60);
    connect(MemoryGame1, &TMemoryGame::OnNewGame, this, &TfrmRecreationsConcentration::MemoryGame1NewGame);
    connect(MemoryGame1, &TMemoryGame::OnGoodMove, this, &TfrmRecreationsConcentration::MemoryGame1GoodMove);
    connect(MemoryGame1, &TMemoryGame::OnBadMove, this, &TfrmRecreationsConcentration::MemoryGame1BadMove);
    connect(MemoryGame1, &TMemoryGame::OnEndOfGame, this, &TfrmRecreationsConcentration::MemoryGame1EndOfGame);

    lblStatus = new EffectLabel(QString(), pointFont(QStringLiteral("Arial"), 14, true), StatusColour,
                                EffectLabel::Effect::Shadow, this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setAlignment(Qt::AlignCenter);
    lblStatus->setAutoFillBackground(true);
    setColour(lblStatus, QPalette::Window, StatusGround);
    lblStatus->setFixedSize(425, 32);
    lblStatus->move(192, 396);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TfrmRecreationsConcentration::Timer1Timer);

    rbPictureSet[0]->setChecked(true); // loads "Geometric Figures" and deals
}

QPixmap TfrmRecreationsConcentration::pictureStrip(int set)
{
    initConcentrationResources();
    const int width = MemoryBoard::CardWidth * (MemoryBoard::MaxPictures + 1);
    QPixmap strip(width, MemoryBoard::CardHeight);
    strip.fill(Qt::transparent);
    QSvgRenderer renderer(QString::fromLatin1(kPictureSets.at(static_cast<std::size_t>(set)).resource));
    if (renderer.isValid()) {
        QPainter painter(&strip);
        renderer.render(&painter);
    }
    return strip;
}

void TfrmRecreationsConcentration::rbPictureSetClick(int set)
{
    pictureSet_ = set;
    MemoryGame1->setPictures(pictureStrip(set));
    MemoryGame1->NewGame();
}

void TfrmRecreationsConcentration::btnNewGameClick() { MemoryGame1->NewGame(); }

void TfrmRecreationsConcentration::MemoryGame1NewGame()
{
    play_.newGame();
    Timer1->start();
    showPlay();
}

void TfrmRecreationsConcentration::MemoryGame1GoodMove()
{
    play_.goodMove();
    showPlay();
}

void TfrmRecreationsConcentration::MemoryGame1BadMove()
{
    play_.badMove();
    showPlay();
}

void TfrmRecreationsConcentration::MemoryGame1EndOfGame()
{
    play_.endOfGame();
    Timer1->stop();
    showPlay();
    if (messageBoxes().confirm(this, ConcentrationPlay::playAgainCaption(), ConcentrationPlay::playAgainQuestion()))
        MemoryGame1->NewGame();
    else
        close();
}

void TfrmRecreationsConcentration::Timer1Timer()
{
    play_.tick();
    showPlay();
}

void TfrmRecreationsConcentration::showPlay()
{
    lblStatus->setText(play_.status());
    lblClock->setText(play_.clockText());
}

bool TfrmRecreationsConcentration::eventFilter(QObject* watched, QEvent* event)
{
    // A click on a choice's caption chooses it, as on the button itself.
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        for (std::size_t i = 0; i < lblPictureSet.size(); ++i)
            if (watched == lblPictureSet[i] && mouse->button() == Qt::LeftButton
                && lblPictureSet[i]->rect().contains(mouse->position().toPoint())) {
                rbPictureSet[i]->click();
                return true;
            }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmRecreationsConcentration::showEvent(QShowEvent* event)
{
    if (!centred_) {
        centred_ = true;
        centreOnScreen(this);
    }
    QDialog::showEvent(event);
}

} // namespace tv::concentration
