#pragma once
// The answer controls a sheet places in its document: the choice button, the
// typed-answer box and the invisible click area. They only report what the
// student did; the sheet window judges it.
#include <QLineEdit>
#include <QRadioButton>
#include <QString>
#include <QWidget>

namespace tv {

// A choice of a question. Its hint is question number × 10 + correct flag; it
// is kept out of the tool tip so hovering does not give the answer away. Only
// a mouse click judges it: Space (and the arrow keys) just move the dot.
class AnswerButton : public QRadioButton {
    Q_OBJECT
public:
    AnswerButton(const QString& caption, QWidget* parent = nullptr);
    QString hint() const { return hint_; }
    void setHint(const QString& hint) { hint_ = hint; }

signals:
    // A left-button click released over the enabled button.
    void mouseClicked(tv::AnswerButton* button);
    void enterPressed(QWidget* from);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString hint_;
};

// A typed answer. The expected text is its hint. It is judged when it loses
// the focus to another control of the sheet (Tab, Enter or a click), also
// when it was never touched; a window switch does not count as leaving it.
class AnswerBox : public QLineEdit {
    Q_OBJECT
public:
    explicit AnswerBox(QWidget* parent = nullptr);
    QString hint() const { return hint_; }
    void setHint(const QString& hint) { hint_ = hint; }

signals:
    void left(tv::AnswerBox* box);
    void enterPressed(QWidget* from);

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString hint_;
};

// An invisible area that reports a click (the print area left of the bar).
class ClickArea : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace tv
