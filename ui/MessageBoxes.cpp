#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace tv {
namespace {

class QtMessageBoxes final : public MessageBoxes {
public:
    void information(QWidget* parent, const QString& title, const QString& text) override
    {
        QMessageBox::information(parent, title, text);
    }
    void informationAt(QWidget* parent, const QString& title, const QString& text, QPoint screenPos) override
    {
        QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
        box.move(screenPos);
        box.exec();
    }
    bool confirm(QWidget* parent, const QString& title, const QString& text, Icon icon) override
    {
        const auto buttons = QMessageBox::Yes | QMessageBox::No;
        const auto answer = icon == Icon::Warning
            ? QMessageBox::warning(parent, title, text, buttons, QMessageBox::Yes)
            : QMessageBox::question(parent, title, text, buttons, QMessageBox::Yes);
        return answer == QMessageBox::Yes;
    }
    void error(QWidget* parent, const QString& text) override
    {
        QMessageBox::critical(parent, QApplication::applicationName(), text);
    }
};

QtMessageBoxes realBoxes;
MessageBoxes* current = &realBoxes;

} // namespace

void MessageBoxes::informationAt(QWidget* parent, const QString& title, const QString& text, QPoint)
{
    information(parent, title, text);
}

void MessageBoxes::showDialog(QDialog* dialog)
{
    if (dialog)
        dialog->exec();
}

MessageBoxes& messageBoxes() { return *current; }

void setMessageBoxes(MessageBoxes* boxes) { current = boxes ? boxes : &realBoxes; }

} // namespace tv
