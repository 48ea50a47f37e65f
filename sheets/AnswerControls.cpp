#include "sheets/AnswerControls.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tv {

// ----------------------------------------------------------------- AnswerButton

AnswerButton::AnswerButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent)
{
}

void AnswerButton::mouseReleaseEvent(QMouseEvent* e)
{
    const bool judged = e->button() == Qt::LeftButton && isEnabled() && isDown()
                        && hitButton(e->position().toPoint());
    QRadioButton::mouseReleaseEvent(e);
    if (judged)
        emit mouseClicked(this);
}

void AnswerButton::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        emit enterPressed(this);
        return;
    }
    QRadioButton::keyPressEvent(e);
}

// -------------------------------------------------------------------- AnswerBox

AnswerBox::AnswerBox(QWidget* parent) : QLineEdit(parent) {}

void AnswerBox::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    // Leaving means going to another control: switching windows, a pop-up
    // menu or a message box opening does not.
    const Qt::FocusReason r = e->reason();
    if (r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason && isEnabled())
        emit left(this);
}

void AnswerBox::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        emit enterPressed(this);
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void ClickArea::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
}

} // namespace tv
