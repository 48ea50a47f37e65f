#pragma once
// Answers the text prompt and the colour dialog in tests and remembers what
// was asked. Installed for the lifetime of the object.
#include "ui/InputDialogs.h"

#include <deque>
#include <optional>

#include <QStringList>

namespace tv::test {

class ScriptedInputDialogs final : public InputDialogs {
public:
    ScriptedInputDialogs() { setInputDialogs(this); }
    ~ScriptedInputDialogs() override { setInputDialogs(nullptr); }

    // The next prompt's answer: a text for OK, std::nullopt for Cancel.
    // Cancel once the queue runs out.
    void queueText(std::optional<QString> answer) { texts_.push_back(std::move(answer)); }
    void queueColour(std::optional<QColor> answer) { colours_.push_back(answer); }

    bool inputQuery(QWidget*, const QString& title, const QString& label, QString& value) override
    {
        titles << title;
        labels << label;
        prefills << value;
        if (texts_.empty() || !texts_.front()) {
            if (!texts_.empty())
                texts_.pop_front();
            return false;
        }
        value = *texts_.front();
        texts_.pop_front();
        return true;
    }
    bool chooseColor(QWidget*, QColor& colour) override
    {
        offeredColours.push_back(colour);
        if (colours_.empty() || !colours_.front()) {
            if (!colours_.empty())
                colours_.pop_front();
            return false;
        }
        colour = *colours_.front();
        colours_.pop_front();
        return true;
    }

    QStringList titles, labels, prefills;
    std::vector<QColor> offeredColours;

private:
    std::deque<std::optional<QString>> texts_;
    std::deque<std::optional<QColor>> colours_;
};

} // namespace tv::test
