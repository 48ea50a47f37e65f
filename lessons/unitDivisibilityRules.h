#pragma once
// "Divisibility Rules": a reading lesson on the tests for 2 to 11 with a
// worked example, terms that explain themselves in the information box, a
// link back to the top and four self-check exercises judged at once. It
// keeps no score and writes nothing.
#include "lessons/DivisibilityLesson.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace tv {
class EffectLabel;
class NagButton;
class RichDocument;
struct StyleTable;
} // namespace tv

namespace tv::lessons {

class TinfoDialog;

// The lesson's own eight text styles and two paragraph styles.
StyleTable divisibilityStyles();

class TfrmDivisibilityRules : public QDialog {
    Q_OBJECT
public:
    explicit TfrmDivisibilityRules(QWidget* parent = nullptr);

    EffectLabel* lblTitle = nullptr;
    NagButton* NAGButton1 = nullptr; // "Exit"
    RichDocument* RV = nullptr;
    QRadioButton* yes1 = nullptr;
    QRadioButton* no1 = nullptr;
    QRadioButton* yes2 = nullptr;
    QRadioButton* no2 = nullptr;
    QRadioButton* yes3 = nullptr;
    QRadioButton* no3 = nullptr;
    QLineEdit* edit1 = nullptr;
    NagButton* btn1 = nullptr; // "Check"

    // The box the lesson fills: the one made at start-up, or a private one.
    TinfoDialog* infoBox();

public slots:
    void RVJump(int linkNo);
    void yes1Click();
    void no1Click();
    void yes2Click();
    void no2Click();
    void yes3Click();
    void no3Click();
    void btn1Click();
    void NAGButton1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    QWidget* controlNamed(const QString& name) const;
    void answer(const QString& button);
    void showReply(const Reply& reply);

    TinfoDialog* ownBox_ = nullptr;
    bool centred_ = false;
};

} // namespace tv::lessons
