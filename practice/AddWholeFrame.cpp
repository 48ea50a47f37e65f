#include "practice/AddWholeFrame.h"

#include "ui/Components.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace tv::practice {

namespace {

constexpr int kColumnStep = 28;
constexpr int kDigitWidth = 24;
constexpr int kAddendHeight = 26;
constexpr int kAnswerHeight = 28;
constexpr int kCarrySize = 18;
constexpr int kCarryRowHeight = 22; // the carry boxes and the gap under them
constexpr int kResponseGap = 12;
constexpr int kResponseWidth = 190;
constexpr int kResponseHeight = 71;
constexpr int kSumLineGap = 3;
constexpr int kSumLine = 3;

const QColor kPanelColour(0xFF, 0xF7, 0xE0);
const QColor kPanelEdge(0xB0, 0x88, 0x50);

QString boxSheet(const QString& background)
{
    return QStringLiteral("QLineEdit { background: %1; color: black; border: 1px solid red; "
                          "padding: 0px; margin: 0px; }")
        .arg(background);
}

} // namespace

QColor desktopColour()
{
    // The classic desktop blue; the digits on it are white to stay legible.
    return QColor(0x3A, 0x6E, 0xA5);
}

AddWholeFrame::AddWholeFrame(const PanelShape& shape, const PanelLook& look,
                             const QStringList& addends, QWidget* parent)
    : QFrame(parent), panel_(shape, addends)
{
    setFixedSize(look.size);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(false);

    const int columns = shape.digits;
    const int rows = shape.rows;
    // The block of columns (the final answer place leftmost) and the
    // response beside it, centred in the panel.
    const int blockWidth = columns * kColumnStep + kDigitWidth;
    const int contentWidth = blockWidth + kResponseGap + kResponseWidth;
    const int contentHeight = kCarryRowHeight + rows * look.rowSpacing + kSumLineGap + kSumLine
                              + kSumLineGap + 2 + kAnswerHeight;
    const int left = (look.size.width() - contentWidth) / 2;
    const int top = (look.size.height() - contentHeight) / 2;
    // x of the place under column j (1 = units, columns + 1 = final answer).
    auto columnX = [&](int j) { return left + (columns + 1 - j) * kColumnStep; };
    auto rowY = [&](int r) {
        return top + kCarryRowHeight + (r - 1) * look.rowSpacing + (look.rowSpacing - kAddendHeight) / 2;
    };
    const int sumLineY = top + kCarryRowHeight + rows * look.rowSpacing + kSumLineGap;
    const int answerY = sumLineY + kSumLine + kSumLineGap + 2;

    const bool darkAddends = look.addendColour.lightness() < 128;
    const QFont addendFont = pixelFont(QStringLiteral("Arial"), 19, true);
    addends_.assign(static_cast<size_t>(rows), {});
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            auto* e = new QLineEdit(QString::number(panel_.addendDigit(r, c)), this);
            e->setObjectName(QStringLiteral("addend%1%2").arg(r).arg(c));
            e->setReadOnly(true);
            // Not a place to type: a click on a digit keeps the student's box.
            e->setFocusPolicy(Qt::NoFocus);
            e->setFont(addendFont);
            e->setAlignment(Qt::AlignCenter);
            e->setStyleSheet(QStringLiteral("QLineEdit { background: %1; color: %2; "
                                            "border: 1px solid #806040; padding: 0px; }")
                                 .arg(look.addendColour.name(),
                                      darkAddends ? QStringLiteral("white") : QStringLiteral("black")));
            e->setGeometry(columnX(c), rowY(r), kDigitWidth, kAddendHeight);
            addends_[static_cast<size_t>(r) - 1].push_back(e);
        }
    }

    auto* plus = new QLabel(QStringLiteral("+"), this);
    plus->setObjectName(QStringLiteral("lblPlus"));
    plus->setFont(pixelFont(QStringLiteral("Arial"), 32, true));
    plus->setStyleSheet(QStringLiteral("color: red; background: transparent;"));
    plus->setAlignment(Qt::AlignCenter);
    plus->setGeometry(columnX(columns + 1) - 4, rowY(rows) - 4, kDigitWidth + 4, kAddendHeight + 8);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("sumLine"));
    line->setStyleSheet(QStringLiteral("background: black; border: none;"));
    line->setGeometry(columnX(columns + 1), sumLineY, blockWidth, kSumLine);

    const QFont answerFont = pixelFont(QStringLiteral("Arial"), 21, true);
    const QFont carryFont = pixelFont(QStringLiteral("Arial"), 13, true);
    boxes_.assign(static_cast<size_t>(panel_.boxCount()), nullptr);
    for (int n = 0; n < panel_.boxCount(); ++n) {
        const int k = n / 2 + 1;
        auto* e = new QLineEdit(this);
        e->setObjectName(AddWholePanel::boxName(n));
        e->setAlignment(Qt::AlignCenter);
        e->setTextMargins(0, 0, 0, 0);
        if (n % 2 == 0) {
            e->setFont(answerFont);
            e->setStyleSheet(boxSheet(QStringLiteral("#9BDEFF")));
            e->setGeometry(columnX(k), answerY, kDigitWidth, kAnswerHeight);
        } else {
            // The carry out of column k stands small above column k + 1.
            e->setFont(carryFont);
            e->setStyleSheet(boxSheet(QStringLiteral("aqua")));
            e->setGeometry(columnX(k + 1) + (kDigitWidth - kCarrySize) / 2, top, kCarrySize,
                           kCarrySize);
        }
        // Text dropped with the mouse would land in a box the focus never
        // reached, past the check that a box is worked after the one before.
        e->setAcceptDrops(false);
        connect(e, &QLineEdit::textEdited, this, [this, n] { boxChanged(n); });
        boxes_[static_cast<size_t>(n)] = e;
    }
    // The plain focus chain follows the box sequence too.
    for (int n = 1; n < panel_.boxCount(); ++n)
        QWidget::setTabOrder(boxes_[static_cast<size_t>(n) - 1], boxes_[static_cast<size_t>(n)]);

    lblResponse = new QLabel(this);
    lblResponse->setObjectName(QStringLiteral("lblResponse"));
    lblResponse->setWordWrap(true);
    lblResponse->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblResponse->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11, true));
    lblResponse->setStyleSheet(QStringLiteral("color: blue; background: transparent;"));
    lblResponse->setGeometry(left + blockWidth + kResponseGap, rowY(1), kResponseWidth,
                             kResponseHeight);

    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        connect(app, &QApplication::focusChanged, this, &AddWholeFrame::onFocusChanged);
}

AddWholeFrame::~AddWholeFrame()
{
    // The boxes die after this body; their focus changes concern nobody.
    if (auto* app = QCoreApplication::instance())
        app->disconnect(this);
    for (QLineEdit* e : boxes_)
        e->disconnect(this);
}

QLineEdit* AddWholeFrame::editAnswer(int k) const
{
    return boxes_.at(static_cast<size_t>(AddWholePanel::answerBox(k)));
}

QLineEdit* AddWholeFrame::editCarry(int k) const
{
    return boxes_.at(static_cast<size_t>(AddWholePanel::carryBox(k)));
}

QLineEdit* AddWholeFrame::addend(int row, int column) const
{
    return addends_.at(static_cast<size_t>(row) - 1).at(static_cast<size_t>(column) - 1);
}

// ------------------------------------------------------------------ handlers

void AddWholeFrame::editAnswerChange(int k)
{
    boxChanged(AddWholePanel::answerBox(k));
}

void AddWholeFrame::editCarryChange(int k)
{
    boxChanged(AddWholePanel::carryBox(k));
}

void AddWholeFrame::editAnswerEnter(int k)
{
    panel_.enter(AddWholePanel::answerBox(k));
    showPanel();
}

void AddWholeFrame::editCarryEnter(int k)
{
    panel_.enter(AddWholePanel::carryBox(k));
    showPanel();
}

void AddWholeFrame::FrameEnter()
{
    panel_.frameEnter();
    showPanel();
}

void AddWholeFrame::boxChanged(int n)
{
    panel_.change(n, boxes_[static_cast<size_t>(n)]->text());
    showPanel();
    // Typing after scrolling away: the box and its response come back.
    revealInView(boxes_[static_cast<size_t>(panel_.focus())]);
}

void AddWholeFrame::onFocusChanged(QWidget* /*old*/, QWidget* now)
{
    // Only a focus inside this window counts; leaving the window and coming
    // back (a message box, another program) is no entry.
    if (!now || now->window() != window())
        return;
    const bool wasInside = lastFocus_ && (lastFocus_ == this || isAncestorOf(lastFocus_));
    lastFocus_ = now;
    if (now != this && !isAncestorOf(now))
        return;
    if (!wasInside) {
        FrameEnter();
    } else {
        const int n = sequenceNoOf(now);
        if (n < 0)
            showPanel(); // a click on the panel's background or a digit: stay in the box
        else if (n % 2 == 0)
            editAnswerEnter(n / 2 + 1);
        else
            editCarryEnter(n / 2 + 1);
    }
    // The focus may have come by Tab or by a check from a box out of sight:
    // the student has to see the box being typed into.
    if (QWidget* focus = QApplication::focusWidget(); focus && isAncestorOf(focus))
        revealInView(focus);
}

void AddWholeFrame::revealInView(QWidget* box)
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        auto* area = qobject_cast<QAbstractScrollArea*>(w);
        if (!area)
            continue;
        QWidget* view = area->viewport();
        if (!view->isAncestorOf(this))
            return;
        const QRect panel(mapTo(view, QPoint(0, 0)), size());
        const QRect target = panel.height() <= view->height()
                                 ? panel
                                 : QRect(box->mapTo(view, QPoint(0, 0)), box->size());
        auto shift = [](QScrollBar* bar, int low, int high, int extent) {
            if (low < 0)
                bar->setValue(bar->value() + low);
            else if (high > extent)
                bar->setValue(bar->value() + std::min(low, high - extent));
        };
        shift(area->verticalScrollBar(), target.top(), target.bottom() + 1, view->height());
        shift(area->horizontalScrollBar(), target.left(), target.right() + 1, view->width());
        return;
    }
}

int AddWholeFrame::sequenceNoOf(const QWidget* w) const
{
    for (size_t n = 0; n < boxes_.size(); ++n)
        if (boxes_[n] == w)
            return static_cast<int>(n);
    return -1;
}

void AddWholeFrame::showPanel()
{
    for (int n = 0; n < panel_.boxCount(); ++n) {
        QLineEdit* e = boxes_[static_cast<size_t>(n)];
        if (e->text() != panel_.text(n))
            e->setText(panel_.text(n));
    }
    if (lblResponse->text() != panel_.response())
        lblResponse->setText(panel_.response());
    QLineEdit* target = boxes_[static_cast<size_t>(panel_.focus())];
    if (target->hasFocus())
        return;
    // Moving the focus runs the entry guard of the box it reaches; the
    // panel's focus is already where it belongs, so nothing moves again.
    target->setFocus(Qt::OtherFocusReason);
}

bool AddWholeFrame::focusNextPrevChild(bool next)
{
    const int n = sequenceNoOf(QApplication::focusWidget());
    const int to = n + (next ? 1 : -1);
    if (n >= 0 && to >= 0 && to < panel_.boxCount()) {
        boxes_[static_cast<size_t>(to)]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return QFrame::focusNextPrevChild(next);
}

void AddWholeFrame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), kPanelColour);
    p.setPen(kPanelEdge);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace tv::practice
