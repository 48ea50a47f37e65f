#pragma once
// Answers message boxes in tests and remembers what was asked. Installed for
// the lifetime of the object.
#include "ui/MessageBoxes.h"

#include <deque>
#include <functional>
#include <vector>

#include <QDialog>
#include <QString>
#include <QStringList>

namespace tv::test {

class ScriptedMessageBoxes final : public MessageBoxes {
public:
    ScriptedMessageBoxes() { setMessageBoxes(this); }
    ~ScriptedMessageBoxes() override { setMessageBoxes(nullptr); }

    // Answers for the next confirm() calls, in order; No once they run out.
    void queueAnswers(std::initializer_list<bool> answers)
    {
        answers_.insert(answers_.end(), answers.begin(), answers.end());
    }

    void information(QWidget*, const QString& title, const QString& text) override
    {
        infos << text;
        infoTitles << title;
    }
    bool confirm(QWidget*, const QString&, const QString& text, Icon icon) override
    {
        questions << text;
        questionIcons.push_back(icon);
        if (answers_.empty())
            return false;
        bool a = answers_.front();
        answers_.pop_front();
        return a;
    }
    void error(QWidget*, const QString& text) override { errors << text; }
    // The program's own boxes are not shown: their caption is recorded and
    // `onDialog` (when set) looks at the filled-in box instead.
    void showDialog(QDialog* dialog) override
    {
        dialogTitles << (dialog ? dialog->windowTitle() : QString());
        if (onDialog)
            onDialog(dialog);
    }

    QStringList infos, infoTitles, questions, errors, dialogTitles;
    std::function<void(QDialog*)> onDialog;
    std::vector<Icon> questionIcons;

private:
    std::deque<bool> answers_;
};

} // namespace tv::test
