#include "recreations/tangram/U_tangram2.h"

#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QPushButton>
#include <QVBoxLayout>

namespace tv::tangram {

namespace {

const QColor WindowColour(0xE7, 0xDA, 0xAF);
const QColor PanelColour(0xFD, 0xE7, 0xA4);
constexpr int PanelWidth = 134;

QColor colourOf(Rgb rgb) { return QColor::fromRgb(QRgb(0xFF000000u | rgb)); }

void setBackground(QWidget* w, const QColor& colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

// The panel's small picture: the seven pieces of the square, each in its
// own colour.
QPixmap decorationPicture()
{
    struct Piece {
        std::initializer_list<QPoint> corners;
        Rgb colour;
    };
    const Piece pieces[] = {
            {{{0, 0}, {4, 0}, {2, 2}}, 0x0000FF},         {{{0, 0}, {2, 2}, {0, 4}}, 0xFF0000},
            {{{4, 2}, {4, 4}, {2, 4}}, 0xFFFF00},         {{{4, 0}, {4, 2}, {3, 1}}, 0x008000},
            {{{3, 1}, {4, 2}, {3, 3}, {2, 2}}, 0x800080}, {{{2, 2}, {3, 3}, {1, 3}}, 0x00FFFF},
            {{{1, 3}, {3, 3}, {2, 4}, {0, 4}}, 0xFF00FF},
    };
    constexpr int scale = 22;
    QPixmap pixmap(4 * scale + 2, 4 * scale + 2);
    pixmap.fill(PanelColour);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    for (const Piece& p : pieces) {
        QPolygon polygon;
        for (QPoint c : p.corners)
            polygon << c * scale + QPoint(1, 1);
        painter.setBrush(colourOf(p.colour));
        painter.drawPolygon(polygon);
    }
    return pixmap;
}

QPushButton* panelButton(const QString& caption, const QString& name, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    // Keys go to the window, which hands "F" to the board.
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedSize(100, 28);
    return b;
}

} // namespace

QString toolkitFilter(const QString& barFilter)
{
    const QStringList parts = barFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
    return filters.join(QStringLiteral(";;"));
}

void DialogFigureFileChooser::choose(QWidget* parent, const QString& title, const QString& filter,
                                     const QString& folder, std::function<void(const QString&)> chosen)
{
    auto* dialog = new QFileDialog(parent, title, folder, toolkitFilter(filter));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    // Queued, so the dialog has closed before a file is read, and a file the
    // board refuses is reported from an event of its own; dropped if the
    // window has gone meanwhile.
    QObject::connect(
            dialog, &QFileDialog::fileSelected, parent ? static_cast<QObject*>(parent) : dialog,
            [chosen](const QString& path) { chosen(path); }, Qt::QueuedConnection);
    dialog->open();
}

// ---------------------------------------------------------------------------

const QString tTangramView::EmptyHint = QStringLiteral("Press \"Load figures\" to open a Tangram puzzle file.");

tTangramView::tTangramView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Board"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    movePointer = [](QPoint global) { QCursor::setPos(global); };
    beep = [] { QApplication::beep(); };
    solved = [this] { messageBoxes().information(window(), QStringLiteral("Tangram"), QStringLiteral("You did it!")); };
}

void tTangramView::createBoard()
{
    board_ = std::make_unique<tTangram>(width(), height());
    update();
}

void tTangramView::apply(const Reaction& r)
{
    if (r.pointerTo)
        movePointer(mapToGlobal(*r.pointerTo));
    if (r.repaint)
        update();
    if (r.beep)
        beep();
    if (r.solved)
        solved();
}

bool tTangramView::keyDown(int keyCode)
{
    if (!board_)
        return false;
    const Reaction r = board_->KeyDown(keyCode);
    apply(r);
    return r.repaint;
}

void tTangramView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), WindowColour);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!board_)
        return;
    const int x = board_->divider();
    painter.drawLine(x, 0, x, height() - 1);
    if (!board_->hasFigures()) {
        // Without figures the board is bare; say where the puzzles come from.
        QFont font(QStringLiteral("Arial"), 12);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(QColor(0x55, 0x44, 0x22));
        painter.drawText(QRect(10, 0, x - 20, height()), Qt::AlignCenter | Qt::TextWordWrap, EmptyHint);
        return;
    }
    for (const DrawItem& item : board_->paintList()) {
        QPolygon polygon;
        for (QPoint p : item.points)
            polygon << p;
        painter.setPen(QPen(colourOf(item.outline), item.outlineWidth));
        painter.setBrush(colourOf(item.fill));
        painter.drawPolygon(polygon);
    }
}

void tTangramView::mousePressEvent(QMouseEvent* event)
{
    if (!board_ || (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)) {
        QWidget::mousePressEvent(event);
        return;
    }
    apply(board_->MouseDown(event->position().toPoint(),
                            event->button() == Qt::RightButton ? Button::Right : Button::Left));
}

void tTangramView::mouseMoveEvent(QMouseEvent* event)
{
    if (board_)
        apply(board_->MouseMove(event->position().toPoint()));
    QWidget::mouseMoveEvent(event);
}

// ---------------------------------------------------------------------------

const QString TfrmTangram::StatusText = QStringLiteral(
        "  Left click to select or deselect a piece.  Move mouse to drag selected.  Right click to rotate    F key to flip");
const QString TfrmTangram::DialogTitle = QStringLiteral("Select a figures file");
const QString TfrmTangram::DialogFilter = QStringLiteral("Tangram figure file|*.tan|All files|*.*");

TfrmTangram::TfrmTangram(QWidget* parent) : QDialog(parent), chooser_(&dialogChooser_)
{
    setObjectName(QStringLiteral("frmTangram"));
    setWindowTitle(QStringLiteral("TANGRAM "));
    setBackground(this, WindowColour);
    resize(800, 600);

    Board = new tTangramView(this);
    Board->setFocusPolicy(Qt::NoFocus);

    lblStatus = new QLabel(StatusText, this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    QFont bold = lblStatus->font();
    bold.setFamily(QStringLiteral("Arial"));
    bold.setPointSize(9);
    bold.setBold(true);
    lblStatus->setFont(bold);
    lblStatus->setFixedHeight(22);

    pnlButtons = new QFrame(this);
    pnlButtons->setObjectName(QStringLiteral("pnlButtons"));
    pnlButtons->setFixedWidth(PanelWidth);
    setBackground(pnlButtons, PanelColour);
    btnLoad = panelButton(QStringLiteral("Load figures"), QStringLiteral("btnLoad"), pnlButtons);
    btnNext = panelButton(QStringLiteral("Next"), QStringLiteral("btnNext"), pnlButtons);
    btnPrevious = panelButton(QStringLiteral("Previous"), QStringLiteral("btnPrevious"), pnlButtons);
    btnRestart = panelButton(QStringLiteral("Restart"), QStringLiteral("btnRestart"), pnlButtons);
    btnExit = panelButton(QStringLiteral("Exit"), QStringLiteral("btnExit"), pnlButtons);
    imgDecoration = new QLabel(pnlButtons);
    imgDecoration->setObjectName(QStringLiteral("imgDecoration"));
    imgDecoration->setPixmap(decorationPicture());

    auto* panelLayout = new QVBoxLayout(pnlButtons);
    panelLayout->setContentsMargins(0, 16, 0, 16);
    panelLayout->setSpacing(14);
    for (QWidget* w : {static_cast<QWidget*>(btnLoad), static_cast<QWidget*>(btnNext),
                       static_cast<QWidget*>(btnPrevious), static_cast<QWidget*>(btnRestart),
                       static_cast<QWidget*>(btnExit)})
        panelLayout->addWidget(w, 0, Qt::AlignHCenter);
    panelLayout->addSpacing(20);
    panelLayout->addWidget(imgDecoration, 0, Qt::AlignHCenter);
    panelLayout->addStretch(1);

    auto* left = new QVBoxLayout;
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(0);
    left->addWidget(Board, 1);
    left->addWidget(lblStatus);
    auto* main = new QHBoxLayout(this);
    main->setContentsMargins(0, 0, 0, 0);
    main->setSpacing(0);
    main->addLayout(left, 1);
    main->addWidget(pnlButtons);

    connect(btnLoad, &QPushButton::clicked, this, &TfrmTangram::btnLoadClick);
    connect(btnNext, &QPushButton::clicked, this, &TfrmTangram::btnNextClick);
    connect(btnPrevious, &QPushButton::clicked, this, &TfrmTangram::btnPreviousClick);
    connect(btnRestart, &QPushButton::clicked, this, &TfrmTangram::btnRestartClick);
    connect(btnExit, &QPushButton::clicked, this, &TfrmTangram::btnExitClick);
}

TfrmTangram::~TfrmTangram() = default;

void TfrmTangram::showEvent(QShowEvent* event)
{
    setWindowState(windowState() | Qt::WindowMaximized);
    QDialog::showEvent(event);
}

void TfrmTangram::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !activated_) {
        activated_ = true;
        FormActivate();
    }
}

void TfrmTangram::FormActivate()
{
    // The board takes its size once, when the window is first up.
    if (layout())
        layout()->activate();
    Board->createBoard();
    btnLoadClick();
}

void TfrmTangram::btnLoadClick()
{
    QPointer<TfrmTangram> self(this);
    chooser_->choose(this, DialogTitle, DialogFilter, QCoreApplication::applicationDirPath(),
                     [self](const QString& path) {
                         if (self && !path.isEmpty())
                             self->loadFile(path);
                     });
}

void TfrmTangram::loadFile(const QString& path)
{
    // An empty board holds nothing, so it is made again at the present size:
    // a window manager may finish maximising only after the first activation.
    if (!Board->board() || !Board->board()->hasFigures())
        Board->createBoard();
    // A file that cannot be used throws before anything on the board changes;
    // the program's handler tells the student why.
    Board->board()->LoadFigures(path);
    Board->board()->SelectFigure(1);
    setCaption();
    Board->update();
}

void TfrmTangram::btnNextClick()
{
    tTangram* b = Board->board();
    if (!b || !b->hasFigures())
        return;
    b->SelectFigure(b->CurrentFigure() + 1);
    setCaption();
    Board->update();
}

void TfrmTangram::btnPreviousClick()
{
    tTangram* b = Board->board();
    if (!b || !b->hasFigures())
        return;
    b->SelectFigure(b->CurrentFigure() - 1);
    setCaption();
    Board->update();
}

void TfrmTangram::btnRestartClick()
{
    tTangram* b = Board->board();
    if (!b || !b->hasFigures())
        return;
    b->Restart();
    Board->update();
}

void TfrmTangram::btnExitClick() { close(); }

void TfrmTangram::setCaption()
{
    const tTangram* b = Board->board();
    setWindowTitle(QStringLiteral("TANGRAM - ") + QFileInfo(b->figuresPath()).fileName().toUpper()
                   + QStringLiteral(",  Figure ") + QString::number(b->CurrentFigure()) + QStringLiteral(" of ")
                   + QString::number(b->figureCount()));
}

void TfrmTangram::keyPressEvent(QKeyEvent* event)
{
    const int code = keyCodeOf(event->key(), event->modifiers().testFlag(Qt::KeypadModifier));
    if (isFlipKey(code)) {
        Board->keyDown(code);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace tv::tangram
