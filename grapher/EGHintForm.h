#pragma once
// The value hint: a small borderless window under the pointer showing the
// pointer's position in graph units and the curve passing there, if any.
#include <QColor>
#include <QString>
#include <QWidget>

namespace tv {

class TEGHintForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int HintWidth = 80;
    static constexpr int HintHeight = 50;

    explicit TEGHintForm(QWidget* parent);

    // The numbers after "X:" and "Y:".
    void setValues(const QString& x, const QString& y);
    // The curve line: its colour swatch and its typed text; none when hasCurve is false.
    void setCurve(bool hasCurve, const QColor& colour = {}, const QString& text = {});

    QString xText() const { return x_; }
    QString yText() const { return y_; }
    bool hasCurve() const { return hasCurve_; }
    QColor curveColor() const { return colour_; }
    QString curveText() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString x_, y_, text_;
    QColor colour_;
    bool hasCurve_ = false;
};

} // namespace tv
