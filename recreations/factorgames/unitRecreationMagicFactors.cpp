#include "recreations/factorgames/unitRecreationMagicFactors.h"

#include "app/Random.h"
#include "recreations/drills/DrillWidgets.h"
#include "recreations/factorgames/unitLevels.h"
#include "ui/Components.h"
#include "ui/Conversions.h"
#include "ui/MessageBoxes.h"

#include <QAction>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace tv::factors {

namespace {

const QColor Background(0xEC, 0xD7, 0xBB);
const QColor PanelColour(0xFB, 0xDA, 0xAC);
const QColor Blue(0x00, 0x00, 0xFF);

QFont boldArial(int pt) { return pointFont(QStringLiteral("Arial"), pt, true); }

} // namespace

QString magicFactorsNotice()
{
    return QStringLiteral("Magic Factors Puzzle\n\nA Tallyvale recreation: find the prime factors "
                          "hidden behind the products.\nMathematics for the Middle School.");
}

TfrmRecreationMagicFactors::TfrmRecreationMagicFactors(QWidget* parent, TForm2* levels, drills::RandomBelow random)
    : QDialog(parent), random_(std::move(random)), levels_(levels)
{
    setObjectName(QStringLiteral("frmRecreationMagicFactors"));
    setWindowTitle(QStringLiteral("Tallyvale     Magic Factors Puzzle  (Beta Release)  - Mathematics for the Middle School"));
    setFixedSize(680, 500);
    drills::setBackground(this, Background);
    setFont(boldArial(9));
    drills::setTextColour(this, Blue);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->setFont(pointFont(QStringLiteral("Arial"), 9));
    Levels1 = MainMenu1->addAction(QStringLiteral("Levels"));
    About1 = MainMenu1->addAction(QStringLiteral("About"));
    MainMenu1->setGeometry(0, 0, width(), 24);
    connect(Levels1, &QAction::triggered, this, &TfrmRecreationMagicFactors::Levels1Click);
    connect(About1, &QAction::triggered, this, &TfrmRecreationMagicFactors::About1Click);

    lblTitle = new EffectLabel(QStringLiteral("Tallyvale, Magic Factors Puzzle"), boldArial(22), Blue,
                               EffectLabel::Effect::Shadow, this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->move((width() - lblTitle->sizeHint().width()) / 2, 32);

    imgPicture = new QLabel(this);
    imgPicture->setObjectName(QStringLiteral("imgPicture"));
    imgPicture->setPixmap(drills::magicFactorsPicture());
    imgPicture->setGeometry(70, 84, 132, 112);

    lblInstructions = new QLabel(QStringLiteral("Your goal is to fill in prime factors\nto produce the indicated products\n"
                                                "both horizontally and vertically.\n\nSelect the level you wish to play \n"
                                                "and enter the factors. You may \ncheck your progress when all 9 \n"
                                                "numbers are filled in."),
                                 this);
    lblInstructions->setObjectName(QStringLiteral("lblInstructions"));
    lblInstructions->setGeometry(16, 206, 290, 150);
    lblInstructions->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblVerse = new QLabel(QStringLiteral("Two times three, three times five,\nprimes are where the products hide;\n"
                                         "find them all in rows and stacks,\nand every number matches back."),
                          this);
    lblVerse->setObjectName(QStringLiteral("lblVerse"));
    lblVerse->setFont(pointFont(QStringLiteral("Times New Roman"), 10));
    lblVerse->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    drills::setTextColour(lblVerse, QColor(0x80, 0x00, 0x00));
    lblVerse->setGeometry(30, 360, 270, 80);

    pnlPuzzle = new QFrame(this);
    pnlPuzzle->setObjectName(QStringLiteral("pnlPuzzle"));
    static_cast<QFrame*>(pnlPuzzle)->setFrameStyle(QFrame::Panel | QFrame::Raised);
    drills::setBackground(pnlPuzzle, PanelColour);
    pnlPuzzle->setGeometry(320, 80, 340, 400);

    for (int i = 0; i < 9; ++i) {
        const auto k = static_cast<std::size_t>(i);
        Edit[k] = new QLineEdit(QStringLiteral("0"), pnlPuzzle);
        Edit[k]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        Edit[k]->setAlignment(Qt::AlignCenter);
        Edit[k]->setFont(boldArial(12));
        Edit[k]->setGeometry(30 + (i % 3) * 64, 20 + (i / 3) * 44, 52, 32);
        Edit[k]->installEventFilter(this);
    }
    for (int i = 0; i < 3; ++i) {
        const auto k = static_cast<std::size_t>(i);
        lblRowProduct[k] = new QLabel(QStringLiteral("0"), pnlPuzzle);
        lblRowProduct[k]->setObjectName(QStringLiteral("lblRowProduct%1").arg(i + 1));
        lblRowProduct[k]->setFont(boldArial(12));
        drills::setTextColour(lblRowProduct[k], QColor(0xC0, 0x00, 0x00));
        lblRowProduct[k]->setGeometry(30 + 3 * 64 + 6, 20 + i * 44, 80, 32);
        lblColProduct[k] = new QLabel(QStringLiteral("0"), pnlPuzzle);
        lblColProduct[k]->setObjectName(QStringLiteral("lblColProduct%1").arg(i + 1));
        lblColProduct[k]->setFont(boldArial(12));
        drills::setTextColour(lblColProduct[k], QColor(0xC0, 0x00, 0x00));
        lblColProduct[k]->setAlignment(Qt::AlignCenter);
        lblColProduct[k]->setGeometry(24 + i * 64, 20 + 3 * 44, 64, 26);
    }
    for (int i = 0; i + 1 < 9; ++i)
        setTabOrder(Edit[static_cast<std::size_t>(i)], Edit[static_cast<std::size_t>(i + 1)]);

    lblHint = new QLabel(QStringLiteral("Use 'Tab' to go to the next number."), pnlPuzzle);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setGeometry(30, 186, 290, 20);

    grpLevel = new QGroupBox(QStringLiteral("Difficulty level"), pnlPuzzle);
    grpLevel->setObjectName(QStringLiteral("grpLevel"));
    grpLevel->setGeometry(14, 212, 312, 96);
    for (int i = 0; i < 6; ++i) {
        const auto k = static_cast<std::size_t>(i);
        rbLevel[k] = new QRadioButton(QString::fromLatin1(FactorLevels[k].caption), grpLevel);
        rbLevel[k]->setObjectName(QStringLiteral("rbLevel%1").arg(i + 1));
        rbLevel[k]->setGeometry(12 + (i / 3) * 150, 22 + (i % 3) * 23, 140, 22);
        connect(rbLevel[k], &QRadioButton::clicked, this, [this, i] { levelClick(i); });
    }

    btnCheck = new QPushButton(QStringLiteral("Check"), pnlPuzzle);
    btnCheck->setObjectName(QStringLiteral("btnCheck"));
    btnCheck->setFont(boldArial(11));
    btnCheck->setGeometry(24, 330, 90, 34);
    connect(btnCheck, &QPushButton::clicked, this, &TfrmRecreationMagicFactors::btnCheckClick);

    grpResults = new QGroupBox(QStringLiteral("Results"), pnlPuzzle);
    grpResults->setObjectName(QStringLiteral("grpResults"));
    grpResults->setGeometry(150, 306, 160, 88);
    lblComment = new QLabel(grpResults);
    lblComment->setObjectName(QStringLiteral("lblComment"));
    lblComment->setWordWrap(true);
    lblComment->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblComment->setGeometry(14, 24, 116, 60);
}

void TfrmRecreationMagicFactors::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!shown_) {
        shown_ = true;
        centreOnScreen(this);
        FormActivate();
    }
}

void TfrmRecreationMagicFactors::FormActivate() { lblComment->setText(welcomeComment()); }

TForm2* TfrmRecreationMagicFactors::levelsWindow()
{
    if (!levels_)
        levels_ = Form2;
    if (!levels_)
        levels_ = new TForm2(this); // only when no start-up instance exists
    return levels_;
}

void TfrmRecreationMagicFactors::Levels1Click()
{
    levelsWindow()->exec();
    FormActivate();
}

void TfrmRecreationMagicFactors::About1Click()
{
    messageBoxes().information(this, QStringLiteral("Magic Factors Puzzle"), magicFactorsNotice());
    FormActivate();
}

void TfrmRecreationMagicFactors::showProducts()
{
    for (int i = 0; i < 3; ++i) {
        lblRowProduct[static_cast<std::size_t>(i)]->setText(QString::number(puzzle_.rowProduct(i)));
        lblColProduct[static_cast<std::size_t>(i)]->setText(QString::number(puzzle_.columnProduct(i)));
    }
}

void TfrmRecreationMagicFactors::levelClick(int index)
{
    const int primes = FactorLevels[static_cast<std::size_t>(index)].primes;
    if (random_) {
        puzzle_.deal(primes, random_);
    } else {
        rng::seedFromClock();
        puzzle_.deal(primes, drills::programRandom());
    }
    showProducts();
    for (QLineEdit* e : Edit)
        e->setText(QStringLiteral("0"));
    Edit[0]->setFocus();
    lblComment->clear();
}

void TfrmRecreationMagicFactors::btnCheckClick()
{
    lblComment->setText(keepTryingComment());
    Grid entered{};
    for (std::size_t k = 0; k < Edit.size(); ++k)
        entered[k / 3][k % 3] = strToInt(Edit[k]->text());
    lblComment->setText(puzzle_.checkComment(entered));
}

bool TfrmRecreationMagicFactors::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in a number box moves on like Tab.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && qobject_cast<QLineEdit*>(watched)) {
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tv::factors
