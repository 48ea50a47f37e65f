#pragma once
// The text prompt and the colour choice go through this interface, beside the
// message boxes, so tests can answer them without a person at the screen.
#include <QColor>
#include <QString>

class QWidget;

namespace tv {

class InputDialogs {
public:
    virtual ~InputDialogs() = default;
    // A one-line text prompt prefilled with `value`; true (and `value` set to
    // the text entered) on OK, false (and `value` untouched) on Cancel.
    virtual bool inputQuery(QWidget* parent, const QString& title, const QString& label, QString& value) = 0;
    // The colour dialog opened on `colour`; true (and `colour` set) when the
    // user confirms a choice.
    virtual bool chooseColor(QWidget* parent, QColor& colour) = 0;
};

// The dialogs in use; real Qt dialogs unless a test installed its own.
InputDialogs& inputDialogs();
// Installs `dialogs` (not owned); nullptr restores the real ones.
void setInputDialogs(InputDialogs* dialogs);

} // namespace tv
