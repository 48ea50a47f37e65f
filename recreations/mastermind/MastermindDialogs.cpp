#include "recreations/mastermind/MastermindDialogs.h"

#include "recreations/mastermind/MastermindPegs.h"
#include "ui/Components.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tv::mastermind {

QPointer<TGetHiderOptions> GetHiderOptions;
QPointer<TPatternDlg> PatternDlg;
QPointer<TShowPegsDlg> ShowPegsDlg;
QPointer<TVerboseForm> VerboseForm;

namespace {

void paintBackground(QWidget* w, const QColor& colour)
{
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
}

void fixedDialog(QDialog* d)
{
    d->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                      | Qt::WindowCloseButtonHint);
    // The game window's face, not the desktop's default.
    d->setFont(pixelFont(QStringLiteral("Arial"), 13));
}

QGroupBox* radioGroup(const QString& title, const QStringList& items, std::array<QRadioButton*, 3>& buttons,
                      QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    QFont bold = box->font();
    bold.setBold(true);
    box->setFont(bold);
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < 3; ++i) {
        auto* b = new QRadioButton(items[i], box);
        QFont plain = b->font();
        plain.setBold(false);
        b->setFont(plain);
        group->addButton(b, i);
        layout->addWidget(b);
        buttons[static_cast<std::size_t>(i)] = b;
    }
    return box;
}

int checkedIndex(const std::array<QRadioButton*, 3>& buttons)
{
    for (int i = 0; i < 3; ++i)
        if (buttons[static_cast<std::size_t>(i)]->isChecked())
            return i;
    return 0;
}

} // namespace

TGetHiderOptions::TGetHiderOptions(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("GetHiderOptions"));
    setWindowTitle(QStringLiteral("Hide Option Form"));
    fixedDialog(this);
    paintBackground(this, QColor(0xFC, 0xE2, 0xB4));

    rgScoring = radioGroup(QStringLiteral("How will you score the computer guesses?"),
                           {QStringLiteral("I want to keep the pattern secret."),
                            QStringLiteral("OK, I'll let you check to be sure I score correctly."),
                            QStringLiteral("You seem like an honest computer, score yourself.")},
                           rbScoring, this);
    rbScoring[1]->setChecked(true);
    rgLevel = radioGroup(QStringLiteral("How smart should the computer be?"),
                         {QStringLiteral("Pretty Dumb"), QStringLiteral("Average"),
                          QStringLiteral("Smarter than you are human!")},
                         rbLevel, this);
    rbLevel[0]->setChecked(true);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    layout->addWidget(rgScoring);
    layout->addWidget(rgLevel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TGetHiderOptions::Execute() { return exec() == QDialog::Accepted; }

ScoringOption TGetHiderOptions::scoring() const { return static_cast<ScoringOption>(checkedIndex(rbScoring)); }

Level TGetHiderOptions::level() const { return static_cast<Level>(checkedIndex(rbLevel) + 1); }

// ---------------------------------------------------------------------------

TPatternDlg::TPatternDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PatternDlg"));
    setWindowTitle(QStringLiteral("Secret Pattern"));
    fixedDialog(this);
    paintBackground(this, QColor(0xFC, 0xE2, 0xB4));

    lblPrompt = new QLabel(QStringLiteral("Select 4 pegs for secret pattern by clicking on peg holes"), this);
    lblPrompt->setFont(pixelFont(QStringLiteral("Arial"), 14, true));
    auto* board = new QWidget(this);
    paintBackground(board, QColor(0xF8, 0xCC, 0x5F));
    auto* boardLayout = new QHBoxLayout(board);
    boardLayout->setContentsMargins(10, 6, 10, 6);
    pegStrip = new TPegStrip(NumPegs, PegImageSize, board);
    pegStrip->setObjectName(QStringLiteral("pegStrip"));
    pegStrip->setClickable(true);
    boardLayout->addWidget(pegStrip);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    layout->addWidget(lblPrompt);
    layout->addWidget(board, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(pegStrip, &TPegStrip::holeClicked, this, &TPatternDlg::pegStripHoleClicked);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TPatternDlg::Execute(const PegPattern& previous, const RandomBelow& random)
{
    const PegPattern start = previous.complete() ? previous : RandomPattern(random, 4);
    pegStrip->setColours({start[0], start[1], start[2], start[3]});
    return exec() == QDialog::Accepted;
}

PegPattern TPatternDlg::Pattern() const
{
    PegPattern p;
    for (int i = 0; i < NumPegs; ++i)
        p[i] = static_cast<std::uint8_t>(pegStrip->colours()[static_cast<std::size_t>(i)]);
    return p;
}

void TPatternDlg::pegStripHoleClicked(int index)
{
    std::vector<int> colours = pegStrip->colours();
    if (index < 0 || index >= static_cast<int>(colours.size()))
        return;
    int& c = colours[static_cast<std::size_t>(index)];
    c = c % NumColours + 1;
    pegStrip->setColours(colours);
}

// ---------------------------------------------------------------------------

TShowPegsDlg::TShowPegsDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ShowPegsDlg"));
    setWindowTitle(QStringLiteral("Peg Colors"));
    fixedDialog(this);
    paintBackground(this, QColor(0xFC, 0xE2, 0xB4));

    lblText = new QLabel(
        QStringLiteral("Here are the peg colors,        Record your secret pattern on a separate sheet of paper"), this);
    lblText->setFont(pixelFont(QStringLiteral("Arial"), 14, true));
    lblText->setWordWrap(true);
    lblText->setFixedWidth(6 * PegImageSize + 20);
    auto* board = new QWidget(this);
    paintBackground(board, QColor(0xF8, 0xCC, 0x5F));
    auto* boardLayout = new QHBoxLayout(board);
    boardLayout->setContentsMargins(10, 6, 10, 6);
    pegStrip = new TPegStrip(NumColours, PegImageSize, board);
    pegStrip->setColours({1, 2, 3, 4, 5, 6});
    boardLayout->addWidget(pegStrip);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    layout->addWidget(lblText);
    layout->addWidget(board, 0, Qt::AlignHCenter);
    layout->addWidget(btnOK, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

// ---------------------------------------------------------------------------

TVerboseForm::TVerboseForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("VerboseForm"));
    setWindowTitle(QStringLiteral("VerboseForm"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(false);
    resize(520, 460);

    lbSummary = new QListWidget(this);
    lbSummary->setObjectName(QStringLiteral("lbSummary"));
    lbLatest = new QListWidget(this);
    lbLatest->setObjectName(QStringLiteral("lbLatest"));
    btnHide = new QPushButton(QStringLiteral("Hide"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Summary"), this));
    layout->addWidget(lbSummary, 1);
    layout->addWidget(new QLabel(QStringLiteral("Latest Guess results"), this));
    layout->addWidget(lbLatest, 2);
    layout->addWidget(btnHide, 0, Qt::AlignRight);
    connect(btnHide, &QPushButton::clicked, this, &QWidget::hide);
}

void TVerboseForm::add(LogList list, const QString& line)
{
    // The second list holds the reasoning behind the latest guess only: the
    // first line after a guess was selected starts it afresh.
    if (list == LogList::LatestGuess && roundEnded_)
        lbLatest->clear();
    roundEnded_ = list == LogList::Summary ? line.endsWith(QLatin1String(" selected as next guess"))
                                           : false;
    (list == LogList::Summary ? lbSummary : lbLatest)->addItem(line);
}

void TVerboseForm::clearAll()
{
    lbSummary->clear();
    lbLatest->clear();
    roundEnded_ = false;
}

} // namespace tv::mastermind
