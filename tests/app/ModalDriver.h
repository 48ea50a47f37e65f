#pragma once
// Drives modal dialogs from a test: the action runs once the next modal
// window is up, inside its own event loop.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace tv::test {

inline void whenModal(std::function<void(QWidget*)> action, int triesLeft = 1000)
{
    QTimer::singleShot(10, [action = std::move(action), triesLeft]() mutable {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            action(modal);
            return;
        }
        if (triesLeft > 0)
            whenModal(std::move(action), triesLeft - 1);
    });
}

} // namespace tv::test
