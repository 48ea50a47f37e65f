#include "ui/InputDialogs.h"

#include <QColorDialog>
#include <QInputDialog>

namespace tv {
namespace {

class QtInputDialogs final : public InputDialogs {
public:
    bool inputQuery(QWidget* parent, const QString& title, const QString& label, QString& value) override
    {
        bool ok = false;
        const QString text = QInputDialog::getText(parent, title, label, QLineEdit::Normal, value, &ok);
        if (ok)
            value = text;
        return ok;
    }
    bool chooseColor(QWidget* parent, QColor& colour) override
    {
        const QColor chosen = QColorDialog::getColor(colour, parent);
        if (!chosen.isValid())
            return false;
        colour = chosen;
        return true;
    }
};

QtInputDialogs realDialogs;
InputDialogs* current = &realDialogs;

} // namespace

InputDialogs& inputDialogs() { return *current; }

void setInputDialogs(InputDialogs* dialogs) { current = dialogs ? dialogs : &realDialogs; }

} // namespace tv
