#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace tv {
namespace {

class QtMessageBoxes final : public MessageBoxes {
public:
    void information(QWidget* parent, const QString& title, const QString& text) override
    {
        QMessageBox::information(parent, title, text);
    }
    bool confirm(QWidget* parent, const QString& title, const QString& text) override
    {
        return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No)
            == QMessageBox::Yes;
    }
    void error(QWidget* parent, const QString& text) override
    {
        QMessageBox::critical(parent, QApplication::applicationName(), text);
    }
};

QtMessageBoxes realBoxes;
MessageBoxes* current = &realBoxes;

} // namespace

MessageBoxes& messageBoxes() { return *current; }

void setMessageBoxes(MessageBoxes* boxes) { current = boxes ? boxes : &realBoxes; }

} // namespace tv
