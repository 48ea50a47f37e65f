#pragma once
// Every message box of the program goes through this interface so tests can
// answer it without a person at the screen.
#include <QPoint>
#include <QString>

class QDialog;
class QWidget;

namespace tv {

class MessageBoxes {
public:
    enum class Icon { Question, Warning };

    virtual ~MessageBoxes() = default;
    // A box with an OK button.
    virtual void information(QWidget* parent, const QString& title, const QString& text) = 0;
    // The same box with its top left corner at a fixed place on the screen;
    // unless overridden it is an ordinary information() box.
    virtual void informationAt(QWidget* parent, const QString& title, const QString& text, QPoint screenPos);
    // A Yes/No question; true for Yes.
    virtual bool confirm(QWidget* parent, const QString& title, const QString& text,
                         Icon icon = Icon::Question) = 0;
    // The default error box used by the application-wide exception handler.
    virtual void error(QWidget* parent, const QString& text) = 0;
    // A box of the program's own, filled in by its caller, shown modally;
    // returns when it closes.
    virtual void showDialog(QDialog* dialog);
};

// The boxes in use; real Qt boxes unless a test installed its own.
MessageBoxes& messageBoxes();
// Installs `boxes` (not owned); nullptr restores the real boxes.
void setMessageBoxes(MessageBoxes* boxes);

} // namespace tv
