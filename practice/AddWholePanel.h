#pragma once
// One column-addition problem worked the pencil-and-paper way: the student
// fills the answer digits right to left, writing each column's carry above
// the next column, and ends with the final carry in the leftmost answer
// place. Every box is judged as soon as its text changes; a refused entry is
// erased at once (which is itself a change, judged once more) and the
// response line says what to recheck; an accepted one moves the focus on.
//
// The panel is driven by the events its frame sees: a box's text changed,
// a box received the focus, the focus came into the panel from outside. The
// frame then shows text(), response() and focus().
#include <QChar>
#include <QString>
#include <QStringList>

#include <vector>

namespace tv::practice {

// A panel template: how many addends (rows), how many digits (columns), and
// whether the last right entry earns the cheer.
struct PanelShape {
    int rows = 0;
    int digits = 0;
    bool cheerWhenSolved = false;
};

// The responses a panel gives.
QString recheckResponse();          // a wrong units digit
QString recheckCarryResponse();     // a wrong digit in any later column, or a wrong final carry
QString wrongCarryResponse();       // a wrong carry
QString solvedResponse();           // the cheer of the larger templates

class AddWholePanel {
public:
    // `addends` top row first, each exactly shape.digits decimal digits;
    // throws tv::Error otherwise.
    AddWholePanel(const PanelShape& shape, const QStringList& addends);

    int rows() const { return shape_.rows; }
    int columns() const { return shape_.digits; }
    // The digit of addend `row` (1 = top) in `column` (1 = units).
    int addendDigit(int row, int column) const;

    // Boxes in their sequence: editAnswer1, editCarry1, editAnswer2, ...,
    // editCarry<C>, editAnswer<C+1>.
    int boxCount() const { return 2 * shape_.digits + 1; }
    static int answerBox(int k) { return 2 * (k - 1); }
    static int carryBox(int k) { return 2 * k - 1; }
    // "editAnswer3", "editCarry2", ...
    static QString boxName(int box);

    // --- events
    // The text of `box` changed (typed, pasted, deleted).
    void change(int box, const QString& text);
    // `box` received the focus from inside the panel.
    void enter(int box);
    // The focus came into the panel from outside it.
    void frameEnter();

    // --- what the frame shows
    const QString& text(int box) const { return texts_.at(static_cast<size_t>(box)); }
    const QString& response() const { return response_; }
    // The box that should hold the focus.
    int focus() const { return focus_; }
    bool solved() const { return solved_; }

    // --- state of the last column check
    const QString& columnSumText() const { return columnSum_; }
    QChar expectedDigit() const { return expectedDigit_; }
    // The carry out of `column` as its column check last worked it out; null
    // until then. Column 2 records it only when its digit was right.
    QChar expectedCarry(int column) const { return expectedCarry_.at(static_cast<size_t>(column)); }

private:
    void check(int box);
    void columnCheck(int column);
    void carryCheck(int column);
    void finalCheck();
    void refuse(int box, const QString& response);
    void accept(int nextBox, const QString& response);

    PanelShape shape_;
    std::vector<std::vector<int>> digits_; // [row][column], both from 1
    std::vector<QString> texts_;
    std::vector<QChar> expectedCarry_; // by column, from 1
    QString response_;
    QString columnSum_;
    QChar expectedDigit_;
    int focus_ = 0;
    bool solved_ = false;
};

} // namespace tv::practice
