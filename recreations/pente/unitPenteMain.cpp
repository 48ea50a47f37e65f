#include "ui/Components.h"
#include "recreations/pente/unitPenteMain.h"

#include "recreations/pente/AboutU.h"
#include "recreations/pente/NewGameU.h"
#include "recreations/pente/PenteResources.h"
#include "ui/MessageBoxes.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tv::pente {

namespace {

const QColor WindowColour(0xFD, 0xED, 0xAC);
const QColor GameColour(0xDC, 0x99, 0x50);
const QColor TurnColour(0x80, 0x40, 0x00);
const QColor CellColour(0xEE, 0xE5, 0xAA);
const QColor GridLineColour(0xA0, 0x80, 0x50);
const QColor HighestCoordColour(0xFF, 0x80, 0xFF);

void setColour(QWidget* w, QPalette::ColorRole role, const QColor& colour)
{
    QPalette pal = w->palette();
    pal.setColor(role, colour);
    w->setPalette(pal);
}

QFrame* colouredPanel(QWidget* parent, const QString& name, const QColor& colour)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setAutoFillBackground(true);
    setColour(panel, QPalette::Window, colour);
    return panel;
}

QString weightText(double weight) { return QString::asprintf("%5.2f", weight); }

} // namespace

// ---------------------------------------------------------------------------

TPenteDrawGrid::TPenteDrawGrid(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFixedSize(372, 373);
}

void TPenteDrawGrid::setCellCount(int cols, int rows)
{
    cols_ = cols;
    rows_ = rows;
    update();
}

QRect TPenteDrawGrid::cellRect(int col, int row) const
{
    const int pitch = CellSize + LineWidth;
    return QRect(col * pitch, row * pitch, CellSize, CellSize);
}

void TPenteDrawGrid::MouseToCell(int x, int y, int& col, int& row) const
{
    const int pitch = CellSize + LineWidth;
    col = -1;
    row = -1;
    if (x < 0 || y < 0)
        return;
    const int c = x / pitch;
    const int r = y / pitch;
    if (c < cols_ && r < rows_) {
        col = c;
        row = r;
    }
}

void TPenteDrawGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), GameColour);
    const int pitch = CellSize + LineWidth;
    painter.fillRect(QRect(0, 0, cols_ * pitch, rows_ * pitch), GridLineColour);
    if (!onDrawCell)
        return;
    for (int row = 0; row < rows_; ++row)
        for (int col = 0; col < cols_; ++col)
            onDrawCell(painter, col, row, cellRect(col, row));
}

void TPenteDrawGrid::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    emit mouseMoved(p.x(), p.y());
    QWidget::mouseMoveEvent(event);
}

void TPenteDrawGrid::mousePressEvent(QMouseEvent* event)
{
    // A press always comes where the pointer is, even without a move first.
    const QPoint p = event->position().toPoint();
    emit mouseMoved(p.x(), p.y());
    pressed_ = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void TPenteDrawGrid::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

// ---------------------------------------------------------------------------

TPenteSplitter::TPenteSplitter(QWidget* resized, QWidget* parent) : QFrame(parent), resized_(resized)
{
    setFixedWidth(3);
    setCursor(Qt::SplitHCursor);
}

void TPenteSplitter::mousePressEvent(QMouseEvent* event)
{
    pressX_ = qRound(event->globalPosition().x());
    startWidth_ = resized_->width();
}

void TPenteSplitter::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const int width = startWidth_ + qRound(event->globalPosition().x()) - pressX_;
    resized_->setFixedWidth(qBound(30, width, 600));
}

// ---------------------------------------------------------------------------

TfrmMain::TfrmMain(QWidget* parent, TfrmNewGame* newGame, TfrmAbout* about)
    : QDialog(parent), newGame_(newGame), about_(about)
{
    initPenteResources();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Pente"));
    resize(710, 480);
    setAutoFillBackground(true);
    setColour(this, QPalette::Window, WindowColour);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    menuMain = new QMenuBar(this);
    QMenu* file = menuMain->addMenu(QStringLiteral("File"));
    NewGame1 = file->addAction(QStringLiteral("New Game"), this, &TfrmMain::NewGame1Click);
    Exit1 = file->addAction(QStringLiteral("E&xit"), this, &TfrmMain::Exit1Click);
    QMenu* view = menuMain->addMenu(QStringLiteral("View"));
    Map1 = view->addAction(QStringLiteral("Map"), this, &TfrmMain::Map1Click);
    Map1->setCheckable(true);
    QMenu* help = menuMain->addMenu(QStringLiteral("Help"));
    About1 = help->addAction(QStringLiteral("About"), this, &TfrmMain::About1Click);
    outer->setMenuBar(menuMain);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    outer->addLayout(body, 1);

    // The computer's weights, kept up to date while hidden.
    pnlWeight = colouredPanel(this, QStringLiteral("pnlWeight"), QColor(0x00, 0x00, 0x80));
    pnlWeight->setFixedWidth(320);
    auto* weightLayout = new QVBoxLayout(pnlWeight);
    weightLayout->setContentsMargins(0, 0, 0, 0);
    weightLayout->setSpacing(0);
    auto* pnlHighest = colouredPanel(pnlWeight, QStringLiteral("pnlHighest"), QColor(0x00, 0x00, 0x80));
    pnlHighest->setFixedHeight(32);
    auto* highestLayout = new QHBoxLayout(pnlHighest);
    highestLayout->setContentsMargins(6, 4, 6, 4);
    lblHighest = new QLabel(QStringLiteral("Highest :"), pnlHighest);
    QFont bold = lblHighest->font();
    bold.setBold(true);
    lblHighest->setFont(bold);
    setColour(lblHighest, QPalette::WindowText, Qt::white);
    edtHighestCoord = new QLineEdit(pnlHighest);
    edtHighestCoord->setObjectName(QStringLiteral("edtHighestCoord"));
    edtHighestCoord->setReadOnly(true);
    edtHighestCoord->setFixedWidth(70);
    setColour(edtHighestCoord, QPalette::Base, HighestCoordColour);
    edtHighestValue = new QLineEdit(pnlHighest);
    edtHighestValue->setObjectName(QStringLiteral("edtHighestValue"));
    edtHighestValue->setReadOnly(true);
    edtHighestValue->setFixedWidth(70);
    highestLayout->addWidget(lblHighest);
    highestLayout->addWidget(edtHighestCoord);
    highestLayout->addWidget(edtHighestValue);
    highestLayout->addStretch(1);
    weightLayout->addWidget(pnlHighest);

    sgWeight = new QTableWidget(pnlWeight);
    sgWeight->setObjectName(QStringLiteral("sgWeight"));
    sgWeight->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgWeight->horizontalHeader()->setMinimumSectionSize(17);
    sgWeight->horizontalHeader()->setDefaultSectionSize(30);
    sgWeight->verticalHeader()->setMinimumSectionSize(17);
    sgWeight->verticalHeader()->setDefaultSectionSize(17);
    sgWeight->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sgWeight->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QFont small(QStringLiteral("MS Sans Serif"));
    small.setPointSize(7);
    sgWeight->setFont(small);
    weightLayout->addWidget(sgWeight, 1);
    body->addWidget(pnlWeight);

    splMain = new TPenteSplitter(pnlWeight, this);
    splMain->setObjectName(QStringLiteral("splMain"));
    body->addWidget(splMain);

    // The game area, shown at the first New Game.
    pnlGame = colouredPanel(this, QStringLiteral("pnlGame"), GameColour);
    auto* gameLayout = new QVBoxLayout(pnlGame);
    gameLayout->setContentsMargins(5, 5, 5, 5);
    gameLayout->setSpacing(8);
    pnlTurn = colouredPanel(pnlGame, QStringLiteral("pnlTurn"), TurnColour);
    pnlTurn->setFixedHeight(34);
    auto* turnLayout = new QHBoxLayout(pnlTurn);
    turnLayout->setContentsMargins(10, 4, 10, 4);
    lblTurn = new QLabel(QStringLiteral("Turn :"), pnlTurn);
    QFont turnFont(QStringLiteral("Arial"));
    turnFont.setPixelSize(16);
    turnFont.setBold(true);
    lblTurn->setFont(turnFont);
    setColour(lblTurn, QPalette::WindowText, Qt::yellow);
    edtTurn = new QLineEdit(pnlTurn);
    edtTurn->setObjectName(QStringLiteral("edtTurn"));
    edtTurn->setReadOnly(true);
    edtTurn->setFixedWidth(60);
    turnLayout->addWidget(lblTurn);
    turnLayout->addWidget(edtTurn);
    turnLayout->addStretch(1);
    gameLayout->addWidget(pnlTurn);

    dgboard = new TPenteDrawGrid(pnlGame);
    dgboard->setObjectName(QStringLiteral("dgboard"));
    QFont gridFont(QStringLiteral("MS Sans Serif"));
    gridFont.setPixelSize(9);
    dgboard->setFont(gridFont);
    dgboard->onDrawCell = [this](QPainter& p, int col, int row, const QRect& r) {
        dgboardDrawCell(p, col, row, r);
    };
    gameLayout->addWidget(dgboard, 0, Qt::AlignHCenter);
    gameLayout->addStretch(1);
    body->addWidget(pnlGame, 1);

    connect(dgboard, &TPenteDrawGrid::mouseMoved, this, &TfrmMain::dgboardMouseMove);
    connect(dgboard, &TPenteDrawGrid::clicked, this, &TfrmMain::dgboardClick);

    const QString pictures[3] = {QStringLiteral(":/pente/square_tan.svg"),
                                 QStringLiteral(":/pente/stone_red.svg"),
                                 QStringLiteral(":/pente/stone_blue.svg")};
    for (int i = 0; i < 3; ++i)
        imPieces[i] = QPixmap(pictures[i]).scaled(16, 16);
    buffer_ = QPixmap(16, 16);

    pnlWeight->hide();
    splMain->hide();
    pnlGame->hide();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::showEvent(QShowEvent* event)
{
    if (!centred_) {
        centred_ = true;
        centreOnScreen(this);
    }
    QDialog::showEvent(event);
}

TfrmNewGame* TfrmMain::newGameDialog()
{
    if (newGame_)
        return newGame_;
    if (frmNewGame)
        return frmNewGame;
    // Without the start-up dialog (a window built alone) keep a private one.
    newGame_ = new TfrmNewGame(this);
    return newGame_;
}

TfrmAbout* TfrmMain::aboutDialog()
{
    if (about_)
        return about_;
    if (frmAbout)
        return frmAbout;
    about_ = new TfrmAbout(this);
    return about_;
}

void TfrmMain::NewGame1Click()
{
    TfrmNewGame* dialog = newGameDialog();
    if (!dialog->Execute())
        return;
    Game = std::make_unique<tpenteGame>(dialog->BoardSize, dialog->LineSize);
    GameStyle = dialog->cbStyle->currentText() == QLatin1String("Defensive") ? 0 : 1;
    pnlGame->show();

    const int size = Game->GetSize();
    sgWeight->setColumnCount(size);
    sgWeight->setRowCount(size);
    QStringList headers;
    for (int i = 1; i <= size; ++i)
        headers << QString::number(i);
    sgWeight->setHorizontalHeaderLabels(headers);
    sgWeight->setVerticalHeaderLabels(headers);
    dgboard->setCellCount(size + 1, size + 1);
    fillWeights();
    edtHighestCoord->clear();
    edtHighestValue->clear();
    showTurn();
    dgboard->update();
}

void TfrmMain::Exit1Click() { close(); }

void TfrmMain::Map1Click()
{
    // The weights are always current; this only lets the student see them.
    const bool show = Map1->isChecked();
    pnlWeight->setVisible(show);
    splMain->setVisible(show);
}

void TfrmMain::About1Click() { aboutDialog()->exec(); }

void TfrmMain::dgboardMouseMove(int x, int y)
{
    mouseX_ = x;
    mouseY_ = y;
}

void TfrmMain::dgboardDrawCell(QPainter& painter, int col, int row, const QRect& rect)
{
    painter.fillRect(rect, CellColour);
    painter.setPen(Qt::black);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    if (row == 0 || col == 0) {
        const int number = row == 0 ? col : row;
        painter.drawText(rect.adjusted(2, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                         QString::number(number));
        return;
    }
    if (!Game)
        return;
    const int value = Game->GetCell(col, row);
    if (value > 0 && value < static_cast<int>(imPieces.size())) {
        buffer_.fill(Qt::transparent);
        QPainter copy(&buffer_);
        copy.drawPixmap(0, 0, imPieces[value]);
        copy.end();
        painter.drawPixmap(rect.topLeft(), buffer_);
    }
}

void TfrmMain::fillWeights()
{
    const int size = Game->GetSize();
    for (int y = 1; y <= size; ++y)
        for (int x = 1; x <= size; ++x) {
            QTableWidgetItem* item = sgWeight->item(y - 1, x - 1);
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                sgWeight->setItem(y - 1, x - 1, item);
            }
            item->setText(weightText(Game->GetWeight(x, y)));
        }
}

void TfrmMain::showTurn() { edtTurn->setText(QString::number(Game->GetTurn())); }

void TfrmMain::showMessage(const QString& text)
{
    messageBoxes().information(this, QStringLiteral("Message"), text);
}

void TfrmMain::dgboardClick()
{
    if (!Game || Game->IsGameOver())
        return;
    int col = -1, row = -1;
    dgboard->MouseToCell(mouseX_, mouseY_, col, row);
    const int size = Game->GetSize();
    if (col < 1 || col > size || row < 1 || row > size || Game->GetCell(col, row) != 0)
        return;

    Game->PlaceStone(col, row, Player1);
    dgboard->update();
    if (Game->IsWon(Player1)) {
        showMessage(QStringLiteral("You are victorious!!!"));
        return;
    }

    int x = 0, y = 0;
    if (Game->FindBestMove(1, x, y)) {
        fillWeights();
        Game->PlaceStone(x, y, Player2);
        edtHighestCoord->setText(QString::asprintf("(%d,%d)", x, y));
        edtHighestValue->setText(weightText(Game->GetWeight(x, y)));
        dgboard->update();
    }
    if (Game->IsWon(Player2)) {
        showMessage(QStringLiteral("I am victorious!!!"));
        return;
    }
    if (Game->IsTie()) {
        showMessage(QStringLiteral("Tie !!!"));
        return;
    }
    Game->NextTurn();
    showTurn();
}

} // namespace tv::pente
