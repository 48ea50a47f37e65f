#pragma once
// The four windows of the guessing game that are made once at start-up and
// reused by every game window, so the options chosen persist for the run:
// the options dialog, the secret pattern dialog, the colour chart and the
// diagnostic log.
#include "recreations/mastermind/MastermindLogic.h"

#include <QDialog>
#include <QPointer>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tv::mastermind {

class TPegStrip;

// How the student scores the computer's guesses.
enum class ScoringOption { KeepSecret = 0, CheckMe = 1, SelfScore = 2 };

// "Hide Option Form": the scoring option and the computer's skill level.
class TGetHiderOptions : public QDialog {
    Q_OBJECT
public:
    explicit TGetHiderOptions(QWidget* parent = nullptr);

    // Shows the dialog modally; true after OK. The choices stay as left.
    bool Execute();
    ScoringOption scoring() const;
    Level level() const;

    QGroupBox* rgScoring;
    std::array<QRadioButton*, 3> rbScoring{};
    QGroupBox* rgLevel;
    std::array<QRadioButton*, 3> rbLevel{};
    QPushButton* btnOK;
    QPushButton* btnCancel;
};

// "Secret Pattern": the student sets the secret by clicking four holes.
class TPatternDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPatternDlg(QWidget* parent = nullptr);

    // Starts from `previous` when it is complete, otherwise from four
    // random colours among the first four; true after OK.
    bool Execute(const PegPattern& previous, const RandomBelow& random);
    PegPattern Pattern() const;

    QLabel* lblPrompt;
    TPegStrip* pegStrip;
    QPushButton* btnOK;
    QPushButton* btnCancel;

private slots:
    void pegStripHoleClicked(int index);
};

// The colour chart shown when the student keeps the secret to themselves.
class TShowPegsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TShowPegsDlg(QWidget* parent = nullptr);

    QLabel* lblText;
    TPegStrip* pegStrip;
    QPushButton* btnOK;
};

// "VerboseForm": the computer's reasoning while it chooses a guess.
class TVerboseForm : public QDialog {
    Q_OBJECT
public:
    explicit TVerboseForm(QWidget* parent = nullptr);

    void add(LogList list, const QString& line);
    void clearAll();

    QListWidget* lbSummary;
    QListWidget* lbLatest;
    QPushButton* btnHide;

private:
    bool roundEnded_ = false;
};

// The instances made at start-up (owned by the main window).
extern QPointer<TGetHiderOptions> GetHiderOptions;
extern QPointer<TPatternDlg> PatternDlg;
extern QPointer<TShowPegsDlg> ShowPegsDlg;
extern QPointer<TVerboseForm> VerboseForm;

} // namespace tv::mastermind
