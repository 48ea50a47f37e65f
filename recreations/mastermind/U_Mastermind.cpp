#include "recreations/mastermind/U_Mastermind.h"

#include "app/Random.h"
#include "recreations/mastermind/MastermindPegs.h"
#include "ui/Components.h"
#include "ui/MessageBoxes.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tv::mastermind {

namespace {

const QColor WindowColour(0xFD, 0xEE, 0xC1);
const QColor PanelColour(0xEB, 0xD5, 0xA5);
const QColor BoardColour(0xF8, 0xCC, 0x5F);
const QColor BoardLineColour(0x80, 0x50, 0x10);
// The game's messages always come up at the same place on the screen, so the
// student finds them where they looked last time.
const QPoint MessagePosition(400, 232);

const QString GuessInstructions = QStringLiteral(
    "Click peg holes to pick 4 pegs, then click 'How did I do'  button\r\n"
    "  Scoring Red, correct color and position-White, correct color.");
const QString ScoreInstructions = QStringLiteral(
    "Click small peg holes to score computer's guess, Red=right place, White=wrong place,             "
    "then click   the 'Enter Score' button ");

void setColour(QWidget* w, QPalette::ColorRole role, const QColor& colour)
{
    QPalette pal = w->palette();
    pal.setColor(role, colour);
    w->setPalette(pal);
}

// A red and a white score peg, the picture of the two scoring buttons.
QIcon scorePegsIcon()
{
    QPixmap pixmap(28, 28);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    drawPeg(p, QRectF(0, 0, 17, 17), RedScorePeg);
    drawPeg(p, QRectF(11, 11, 17, 17), WhiteScorePeg);
    p.end();
    return QIcon(pixmap);
}

QLabel* instructionLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAutoFillBackground(true);
    setColour(label, QPalette::Window, Qt::yellow);
    setColour(label, QPalette::WindowText, Qt::black);
    label->setFont(pixelFont(QStringLiteral("Arial"), 14, true));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setMargin(6);
    label->hide();
    return label;
}

} // namespace

// ---------------------------------------------------------------------------

TMastermindBoard::TMastermindBoard(const TMastermindGame& game, QSize size, QWidget* parent)
    : QWidget(parent), game_(game), rowHeight_(size.height() / 11), colWidth_(size.width() / 9)
{
    setFixedSize(size);
}

QRect TMastermindBoard::HoleRect(int row, int col) const
{
    return QRect(LeftMargin() + (col - 1) * colWidth_, TopMargin() + (row - 1) * rowHeight_, colWidth_, rowHeight_);
}

QRect TMastermindBoard::ScoreSlotRect(int row, int slot) const
{
    const QRect cell = HoleRect(row, ScoreColumn);
    const int w = colWidth_ / 2, h = rowHeight_ / 2;
    return QRect(cell.left() + ((slot - 1) % 2) * w, cell.top() + ((slot - 1) / 2) * h, w, h);
}

void TMastermindBoard::MouseToCell(QPoint p, int& row, int& col, int& slot) const
{
    row = col = slot = 0;
    const int dx = p.x() - LeftMargin();
    const int dy = p.y() - TopMargin();
    // A click in the margins is on no cell (division would round it onto one).
    if (dx < 0 || dy < 0 || colWidth_ <= 0 || rowHeight_ <= 0)
        return;
    const int r = dy / rowHeight_ + 1;
    const int c = dx / colWidth_ + 1;
    if (r > MaxGuesses || c > 8)
        return;
    row = r;
    col = c;
    if (c == ScoreColumn)
        slot = 1 + ((dx % colWidth_) >= colWidth_ / 2 ? 1 : 0) + ((dy % rowHeight_) >= rowHeight_ / 2 ? 2 : 0);
}

void TMastermindBoard::drawScore(QPainter& p, int row, int reds, int whites)
{
    int slot = 1;
    for (int i = 0; i < reds && slot <= NumPegs; ++i)
        drawPeg(p, ScoreSlotRect(row, slot++), RedScorePeg);
    for (int i = 0; i < whites && slot <= NumPegs; ++i)
        drawPeg(p, ScoreSlotRect(row, slot++), WhiteScorePeg);
}

void TMastermindBoard::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), BoardColour);
    p.setPen(QPen(BoardLineColour, 2));
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    p.setPen(QPen(BoardLineColour, 1));
    for (int row = 1; row <= MaxGuesses; ++row) {
        const int y = TopMargin() + row * rowHeight_;
        p.drawLine(2, y, width() - 3, y);
    }

    const qreal large = std::min(colWidth_, rowHeight_) * 0.36;
    const qreal small = std::min(colWidth_, rowHeight_) * 0.2;
    for (int row = 1; row <= MaxGuesses; ++row) {
        for (int col = 1; col <= NumPegs; ++col)
            drawHole(p, HoleRect(row, col), large);
        for (int slot = 1; slot <= NumPegs; ++slot)
            drawHole(p, ScoreSlotRect(row, slot), small);
    }

    for (int row = 1; row <= game_.GuessCount; ++row) {
        const GuessRecord& record = game_.Guesses[static_cast<std::size_t>(row)];
        if (record.entry < 1 || record.entry > NumPatterns)
            continue;
        const PegPattern& pattern = game_.PatternTable[static_cast<std::size_t>(record.entry)].pattern;
        for (int col = 1; col <= NumPegs; ++col)
            drawPeg(p, HoleRect(row, col), pattern[col - 1] - 1);
        if (row != markRow && record.reds >= 0)
            drawScore(p, row, record.reds, record.whites);
    }
    if (pendingRow >= 1 && pendingRow <= MaxGuesses)
        for (int col = 1; col <= NumPegs; ++col)
            if (pendingGuess[col - 1] != 0)
                drawPeg(p, HoleRect(pendingRow, col), pendingGuess[col - 1] - 1);
    if (markRow >= 1 && markRow <= MaxGuesses)
        for (int slot = 1; slot <= NumPegs; ++slot) {
            const int mark = marks[static_cast<std::size_t>(slot - 1)];
            if (mark != 0)
                drawPeg(p, ScoreSlotRect(markRow, slot), mark == 1 ? RedScorePeg : WhiteScorePeg);
        }
}

void TMastermindBoard::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    int row = 0, col = 0, slot = 0;
    MouseToCell(event->position().toPoint(), row, col, slot);
    if (row != 0)
        emit cellClicked(row, col, slot);
}

// ---------------------------------------------------------------------------

TForm1::TForm1(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tallyvale - Color Pattern Guess"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setAutoFillBackground(true);
    setColour(this, QPalette::Window, WindowColour);

    randomBelow = [](std::uint32_t n) { return tv::rng::below(n); };
    reseed = [] { tv::rng::seedFromClock(); };
    reseed();

    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                          : QRect(0, 0, 1024, 768);
    resize(screen.size());

    lblTitle = new EffectLabel(QStringLiteral("Color Pattern Guess"), pixelFont(QStringLiteral("Arial"), 35, true),
                               Qt::blue, EffectLabel::Effect::Lowered, this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->move(20, 6);

    // The board: eleven rows of square cells, as large as the screen leaves
    // room for beside the controls on its right.
    const int buttonWidth = 124;
    const int byHeight = (screen.height() - 100) / 11;
    const int byWidth = (screen.width() - 20 - 30 - buttonWidth - 24 - 240) / 9;
    const int cell = std::clamp(std::min(byHeight, byWidth), 30, 56);
    const QSize boardSize(9 * cell, 11 * cell);
    pnlBoard = new QWidget(this);
    pnlBoard->setObjectName(QStringLiteral("pnlBoard"));
    pnlBoard->setAutoFillBackground(true);
    setColour(pnlBoard, QPalette::Window, PanelColour);
    pnlBoard->setGeometry(20, 58, boardSize.width() + buttonWidth + 30, boardSize.height() + 20);
    Board = new TMastermindBoard(Game, boardSize, pnlBoard);
    Board->setObjectName(QStringLiteral("Board"));
    Board->move(10, 10);

    const QIcon icon = scorePegsIcon();
    btnHowDidIDo = new QPushButton(QStringLiteral("How did I do?"), pnlBoard);
    btnHowDidIDo->setObjectName(QStringLiteral("btnHowDidIDo"));
    btnHowDidIDo->setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    btnHowDidIDo->setIcon(icon);
    btnHowDidIDo->setIconSize(QSize(24, 24));
    btnHowDidIDo->setLayoutDirection(Qt::RightToLeft); // picture on the right
    btnHowDidIDo->resize(buttonWidth, std::max(30, Board->RowHeight() - 6));
    btnHowDidIDo->hide();

    btnEnterScore = new QToolButton(pnlBoard);
    btnEnterScore->setObjectName(QStringLiteral("btnEnterScore"));
    btnEnterScore->setText(QStringLiteral("Enter score"));
    btnEnterScore->setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    btnEnterScore->setIcon(icon);
    btnEnterScore->setIconSize(QSize(20, 20));
    btnEnterScore->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    btnEnterScore->resize(buttonWidth, std::max(30, Board->RowHeight() - 2));
    btnEnterScore->hide();

    // The controls to the right of the board.
    const int x0 = pnlBoard->geometry().right() + 24;
    const int columnWidth = std::max(230, std::min(360, width() - x0 - 16));
    rgPlayer = new QGroupBox(QStringLiteral("Pick Player"), this);
    rgPlayer->setObjectName(QStringLiteral("rgPlayer"));
    rgPlayer->setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    auto* playerLayout = new QVBoxLayout(rgPlayer);
    rbComputerSolves = new QRadioButton(QStringLiteral("Computer will solve."), rgPlayer);
    rbHumanSolves = new QRadioButton(QStringLiteral("human will solve."), rgPlayer);
    for (QRadioButton* b : {rbComputerSolves, rbHumanSolves}) {
        b->setFont(pixelFont(QStringLiteral("Arial"), 13));
        playerLayout->addWidget(b);
    }
    rbHumanSolves->setChecked(true);
    rgPlayer->setGeometry(x0, 58, std::min(columnWidth, 230), 80);

    btnStart = new QPushButton(QStringLiteral("Start"), this);
    btnStart->setObjectName(QStringLiteral("btnStart"));
    btnStart->setGeometry(x0, 150, 100, 32);
    btnExit = new QPushButton(QStringLiteral("Exit"), this);
    btnExit->setObjectName(QStringLiteral("btnExit"));
    btnExit->setGeometry(x0 + 120, 150, 100, 32);
    btnGiveUp = new QPushButton(QStringLiteral("Give up"), this);
    btnGiveUp->setObjectName(QStringLiteral("btnGiveUp"));
    btnGiveUp->setGeometry(btnStart->geometry());
    btnGiveUp->hide();
    for (QPushButton* b : {btnStart, btnExit, btnGiveUp})
        b->setFont(pixelFont(QStringLiteral("Arial"), 14, true));

    const int answerCell = 44;
    gbAnswer = new QGroupBox(QStringLiteral("Answer"), this);
    gbAnswer->setObjectName(QStringLiteral("gbAnswer"));
    gbAnswer->setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    gbAnswer->setGeometry(x0, 196, NumPegs * answerCell + 32, answerCell + 44);
    // The secret sits on a strip of board, like the rows it is compared with.
    auto* answerBoard = new QWidget(gbAnswer);
    answerBoard->setAutoFillBackground(true);
    setColour(answerBoard, QPalette::Window, BoardColour);
    answerBoard->setGeometry(10, 26, NumPegs * answerCell + 12, answerCell + 8);
    AnswerStrip = new TPegStrip(NumPegs, answerCell, answerBoard);
    AnswerStrip->setObjectName(QStringLiteral("AnswerStrip"));
    AnswerStrip->move(6, 4);
    gbAnswer->hide();

    lblGuessInstructions = instructionLabel(GuessInstructions, this);
    lblGuessInstructions->setObjectName(QStringLiteral("lblGuessInstructions"));
    lblGuessInstructions->setGeometry(x0, 292, columnWidth, 110);
    lblScoreInstructions = instructionLabel(ScoreInstructions, this);
    lblScoreInstructions->setObjectName(QStringLiteral("lblScoreInstructions"));
    lblScoreInstructions->setGeometry(x0, 292, columnWidth, 110);

    // The diagnostic log's switches are not part of the student's layout.
    cbVerbose = new QCheckBox(QStringLiteral("Verbose"), this);
    cbVerbose->setObjectName(QStringLiteral("cbVerbose"));
    cbVerbose->setGeometry(x0, 420, 100, 24);
    cbVerbose->hide();
    btnShowVerbose = new QPushButton(QStringLiteral("Show verbose"), this);
    btnShowVerbose->setObjectName(QStringLiteral("btnShowVerbose"));
    btnShowVerbose->setGeometry(x0 + 110, 420, 110, 26);
    btnShowVerbose->hide();

    PauseTimer.setSingleShot(true);
    PauseTimer.setInterval(1000);

    connect(btnStart, &QPushButton::clicked, this, &TForm1::btnStartClick);
    connect(btnExit, &QPushButton::clicked, this, &TForm1::btnExitClick);
    connect(btnGiveUp, &QPushButton::clicked, this, &TForm1::btnGiveUpClick);
    connect(btnHowDidIDo, &QPushButton::clicked, this, &TForm1::btnHowDidIDoClick);
    connect(btnEnterScore, &QToolButton::clicked, this, &TForm1::btnEnterScoreClick);
    connect(btnShowVerbose, &QPushButton::clicked, this, &TForm1::btnShowVerboseClick);
    connect(Board, &TMastermindBoard::cellClicked, this, &TForm1::BoardCellClicked);
    connect(&PauseTimer, &QTimer::timeout, this, &TForm1::PauseTimerTimer);

    setWindowState(Qt::WindowMaximized);
}

TForm1::~TForm1()
{
    // The log window outlives this one; stop writing into it.
    Game.log = nullptr;
}

void TForm1::setDialogs(TGetHiderOptions* options, TPatternDlg* pattern, TShowPegsDlg* chart, TVerboseForm* verbose)
{
    options_ = options;
    pattern_ = pattern;
    chart_ = chart;
    verbose_ = verbose;
}

TGetHiderOptions* TForm1::optionsDialog()
{
    if (!options_)
        options_ = GetHiderOptions ? GetHiderOptions.data() : new TGetHiderOptions(this);
    return options_;
}

TPatternDlg* TForm1::patternDialog()
{
    if (!pattern_)
        pattern_ = PatternDlg ? PatternDlg.data() : new TPatternDlg(this);
    return pattern_;
}

TShowPegsDlg* TForm1::chartDialog()
{
    if (!chart_)
        chart_ = ShowPegsDlg ? ShowPegsDlg.data() : new TShowPegsDlg(this);
    return chart_;
}

TVerboseForm* TForm1::verboseForm()
{
    if (!verbose_)
        verbose_ = VerboseForm ? VerboseForm.data() : new TVerboseForm(this);
    return verbose_;
}

void TForm1::showMessage(const QString& text)
{
    messageBoxes().informationAt(this, QStringLiteral("Information"), text, MessagePosition);
}

void TForm1::showAnswer(const PegPattern& secret)
{
    AnswerStrip->setColours({secret[0], secret[1], secret[2], secret[3]});
    gbAnswer->show();
}

void TForm1::placeBeside(QWidget* button, int row)
{
    const QRect r = Board->HoleRect(row, 1);
    const QPoint topLeft = Board->mapTo(pnlBoard, QPoint(Board->width() + 10, r.center().y() - button->height() / 2));
    button->move(topLeft);
    button->show();
    button->raise();
}

void TForm1::btnStartClick()
{
    if (waiting())
        return;
    btnStart->setEnabled(false);
    Game.NewGame();
    Board->pendingRow = 0;
    Board->markRow = 0;
    Board->update();
    gbAnswer->hide();
    if (verbose_ || VerboseForm)
        verboseForm()->clearAll();
    if (rbHumanSolves->isChecked())
        startHumanGame();
    else
        startComputerGame();
}

void TForm1::startHumanGame()
{
    reseed();
    Game.StartHumanGame(RandomPattern(randomBelow));
    AnswerStrip->setColours({Game.Secret[0], Game.Secret[1], Game.Secret[2], Game.Secret[3]});
    Board->pendingRow = 1;
    Board->pendingGuess = PegPattern{};
    Board->update();
    placeBeside(btnHowDidIDo, 1);
    lblGuessInstructions->show();
    btnGiveUp->show();
    btnGiveUp->raise();
    state_ = State::WaitingForGuess;
}

void TForm1::startComputerGame()
{
    TGetHiderOptions* options = optionsDialog();
    if (!options->Execute()) {
        btnStart->setEnabled(true);
        return;
    }
    const Level level = options->level();
    const ScoringOption scoring = options->scoring();
    PegPattern secret;
    if (scoring == ScoringOption::KeepSecret) {
        chartDialog()->exec();
    } else {
        TPatternDlg* dialog = patternDialog();
        if (!dialog->Execute(Game.Secret, randomBelow)) {
            btnStart->setEnabled(true);
            return;
        }
        secret = dialog->Pattern();
        showAnswer(secret);
    }
    checking_ = scoring == ScoringOption::CheckMe;
    Game.StartComputerGame(level, secret, scoring == ScoringOption::SelfScore);
    if (cbVerbose->isChecked()) {
        TVerboseForm* log = verboseForm();
        Game.log = [log](LogList list, const QString& line) { log->add(list, line); };
    } else {
        Game.log = nullptr;
    }
    Game.ChooseFirstGuess(randomBelow);
    Board->update();
    scoreComputerGuess();
}

void TForm1::scoreComputerGuess()
{
    if (Game.selfScoring) {
        Game.SetScore(Game.ScoreAgainstSecret());
        Board->update();
        state_ = State::Pausing;
        PauseTimer.start();
        return;
    }
    Board->markRow = Game.GuessCount;
    Board->marks = {};
    Board->update();
    lblScoreInstructions->show();
    placeBeside(btnEnterScore, Game.GuessCount);
    btnGiveUp->show();
    btnGiveUp->raise();
    btnExit->hide();
    state_ = State::WaitingForScore;
}

void TForm1::PauseTimerTimer()
{
    if (state_ == State::Pausing)
        afterScore();
}

void TForm1::afterScore()
{
    const GameResult result = Game.AdvanceAfterScore();
    Board->update();
    if (result != GameResult::None)
        endGame();
    else
        scoreComputerGuess();
}

void TForm1::BoardCellClicked(int row, int col, int slot)
{
    if (state_ == State::WaitingForGuess && row == Board->pendingRow && col >= 1 && col <= NumPegs) {
        std::uint8_t& c = Board->pendingGuess[col - 1];
        c = static_cast<std::uint8_t>(c % NumColours + 1);
        Board->update();
    } else if (state_ == State::WaitingForScore && row == Board->markRow && col == TMastermindBoard::ScoreColumn
               && slot >= 1 && slot <= NumPegs) {
        int& mark = Board->marks[static_cast<std::size_t>(slot - 1)];
        mark = (mark + 1) % 3;
        Board->update();
    }
}

void TForm1::btnHowDidIDoClick()
{
    if (state_ != State::WaitingForGuess)
        return;
    if (!Board->pendingGuess.complete()) {
        showMessage(IncompleteGuessMessage);
        return;
    }
    Game.SubmitGuess(Board->pendingGuess);
    Board->pendingGuess = PegPattern{};
    if (Game.Result() != GameResult::None) {
        endGame();
        return;
    }
    Board->pendingRow = Game.GuessCount + 1;
    Board->update();
    placeBeside(btnHowDidIDo, Board->pendingRow);
}

void TForm1::btnEnterScoreClick()
{
    if (state_ != State::WaitingForScore)
        return;
    Score score;
    for (int mark : Board->marks) {
        score.reds += mark == 1;
        score.whites += mark == 2;
    }
    Game.SetScore(score);
    if (checking_) {
        const Score actual = Game.ScoreAgainstSecret();
        if (!(actual == score))
            showMessage(ScoringErrorMessage);
        Game.SetScore(actual);
    }
    Board->markRow = 0;
    Board->update();
    lblScoreInstructions->hide();
    btnEnterScore->hide();
    btnGiveUp->hide();
    btnExit->show();
    afterScore();
}

void TForm1::btnGiveUpClick()
{
    if (state_ == State::WaitingForScore) {
        Score score;
        for (int mark : Board->marks) {
            score.reds += mark == 1;
            score.whites += mark == 2;
        }
        Game.SetScore(score);
    } else if (state_ != State::WaitingForGuess) {
        return;
    }
    Game.GiveUp();
    endGame();
}

void TForm1::endGame()
{
    PauseTimer.stop();
    state_ = State::Idle;
    Board->pendingRow = 0;
    Board->markRow = 0;
    Board->update();
    btnHowDidIDo->hide();
    btnEnterScore->hide();
    btnGiveUp->hide();
    lblGuessInstructions->hide();
    lblScoreInstructions->hide();
    btnExit->show();
    btnStart->setEnabled(true);
    if (Game.role() == Role::HumanSolves)
        showAnswer(Game.Secret);
    showMessage(ResultMessage(Game.role(), Game.Result()));
}

void TForm1::btnExitClick() { close(); }

void TForm1::btnShowVerboseClick() { verboseForm()->show(); }

void TForm1::reject()
{
    // Leaving while the game waits gives it up, with its message.
    if (waiting()) {
        Game.GiveUp();
        endGame();
    }
    QDialog::reject();
}

} // namespace tv::mastermind
