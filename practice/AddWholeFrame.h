#pragma once
// The look of one column-addition problem: the addend digits in columns,
// the carry boxes along the top, the red "+", the sum line and the answer
// row, the response line to the right. The frame only shows and forwards:
// every judgement is the AddWholePanel's. The five templates derive from it
// with their own shape and colours.
#include "practice/AddWholePanel.h"

#include <QColor>
#include <QFrame>
#include <QPointer>
#include <QSize>

#include <vector>

class QLabel;
class QLineEdit;

namespace tv::practice {

// What a template fixes beyond its shape.
struct PanelLook {
    QSize size;          // the panel's size in the sheet
    QColor addendColour; // background of the addend boxes
    int rowSpacing = 30; // between addend rows
};

// The background of the addend boxes where the templates take the desktop's
// colour.
QColor desktopColour();

class AddWholeFrame : public QFrame {
    Q_OBJECT
public:
    AddWholeFrame(const PanelShape& shape, const PanelLook& look, const QStringList& addends,
                  QWidget* parent);
    ~AddWholeFrame() override;

    const AddWholePanel& panel() const { return panel_; }
    // k from 1: editAnswer<k>, editCarry<k>; addend box of row r (1 = top),
    // column c (1 = units).
    QLineEdit* editAnswer(int k) const;
    QLineEdit* editCarry(int k) const;
    QLineEdit* addend(int row, int column) const;
    QLineEdit* box(int sequenceNo) const { return boxes_.at(static_cast<size_t>(sequenceNo)); }
    QLabel* lblResponse = nullptr;

    // --- handlers: a box's text changed, a box received the focus inside
    // the panel, the focus came into the panel from outside.
    void editAnswerChange(int k);
    void editCarryChange(int k);
    void editAnswerEnter(int k);
    void editCarryEnter(int k);
    void FrameEnter();

protected:
    // Tab walks the boxes in their sequence, then leaves the panel.
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void boxChanged(int sequenceNo);
    void onFocusChanged(QWidget* old, QWidget* now);
    int sequenceNoOf(const QWidget* w) const;
    // Shows the panel's texts, response and focus.
    void showPanel();
    // Scrolls the document holding the panel until the panel (or, when it
    // is taller than the view, `box`) is in sight.
    void revealInView(QWidget* box);

    AddWholePanel panel_;
    std::vector<QLineEdit*> boxes_;               // in sequence order
    std::vector<std::vector<QLineEdit*>> addends_; // [row - 1][column - 1]
    QPointer<QWidget> lastFocus_;                 // the window's focus before the current one
};

} // namespace tv::practice
