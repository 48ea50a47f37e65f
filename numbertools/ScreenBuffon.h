#pragma once
// Buffon's Needles: drops needles on a lined picture, plots every toss in the
// (needle angle, distance) plane and estimates pi from the crossings.
#include "numbertools/BuffonNeedles.h"
#include "numbertools/MapWorldToPixel.h"
#include "numbertools/ToolWindow.h"

#include <QImage>

#include <memory>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;

namespace tv {

class PageControl;

class TFormBuffon : public toolwindow::ToolDialog {
    Q_OBJECT
public:
    explicit TFormBuffon(QWidget* parent = nullptr);
    ~TFormBuffon() override;

    // Tests count the beeps of refused group sizes.
    void setBeeper(buffon::Beeper* beeper) { beeper_ = beeper; }
    const buffon::Simulation& simulation() const { return simulation_; }
    std::int64_t groupSize() const { return groupSize_.value(); }
    int lineSpacing() const { return pictures_.spacing; }
    int linesDrawn() const { return linesDrawn_; }
    const QImage& tossPicture() const { return tossImage_; }
    const QImage& graphPicture() const { return graphImage_; }

    QLabel* LabelTitle;
    PageControl* PageControl1;
    QLabel* ImageTosses;
    QLabel* ImageGraph;
    QPushButton* ButtonToss;
    QPushButton* ButtonReset;
    QPushButton* ButtonCancel;
    QProgressBar* ProgressBar1;
    QToolButton* SpinButtonGroupCountUp;
    QToolButton* SpinButtonGroupCountDown;
    QLabel* LabelGroupCount;
    QCheckBox* CheckBoxGraphics;
    QSpinBox* SpinEditParallelLines;
    QLabel* LabelPiApprox;
    QLabel* LabelEstimate;
    QLabel* LabelCounts;
    QLabel* LabelElapsed;
    QRadioButton* RadioButtonMethod[4];
    QLabel* LabelLabURL1;
    QLabel* LabelLabURL2;

public slots:
    void FormActivate() override;
    void ButtonTossClick();
    void ButtonResetClick();
    void ButtonCancelClick();
    void SpinButtonGroupCountUpClick();
    void SpinButtonGroupCountDownClick();
    void CheckBoxGraphicsClick();
    void RadioButtonMethodClick();
    void LabelLabURL2Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void reset();
    void drawGraphAxes();
    void showBitmaps();
    void updateCounts();
    void buildTossesPage(QWidget* page);
    void buildGraphPage(QWidget* page);
    void buildFormulaPage(QWidget* page);
    void buildSetupPage(QWidget* page);

    std::unique_ptr<buffon::Beeper> defaultBeeper_;
    buffon::Beeper* beeper_;
    buffon::Simulation simulation_;
    buffon::GroupSize groupSize_;
    QImage tossImage_;
    QImage graphImage_;
    std::unique_ptr<TSimplePantograph> graphMap_;
    buffon::Pictures pictures_;
    int linesDrawn_ = 0;
    bool running_ = false;
};

} // namespace tv
