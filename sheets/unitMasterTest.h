#pragma once
// The base window of every lesson and test sheet. A sheet derives from
// TfrmTestMaster and adds only its content in its constructor: the base part
// (FormCreate) has run by then. The base window owns the document, builds the
// question controls, judges each answer the moment it is given, keeps the
// score, shows the feedback and writes the sheet's journal lines.
//
// A second copy of the program never gets as far as creating a sheet: the
// program-wide single-instance guard at start-up already hands over to the
// first copy, so the sheet needs no marker of its own.
#include "app/StudentJournal.h"
#include "sheets/AnswerControls.h"
#include "sheets/RichDocument.h"
#include "sheets/unitMasterTestScoring.h"
#include "sheets/unitMessageWindow.h"

#include <vector>

#include <QDialog>
#include <QLabel>
#include <QPointer>

class QProgressBar;
class QPushButton;
class QStatusBar;
class QTimer;

namespace tv {

class ActivityHost;
class SheetBuilder;
class SheetPicture;
namespace sheet {
struct SheetContent;
}

// Registers the base window's pictures (a static library's resources are not
// registered by themselves).
void registerMasterTestResources();

class TfrmTestMaster : public QDialog {
    Q_OBJECT
public:
    // Owned by host.ownerWindow(); takes the student's identity and the
    // selected tab's caption from the host now.
    explicit TfrmTestMaster(ActivityHost& host);
    ~TfrmTestMaster() override;

    // --- controls
    EffectLabel* lblFormTitle = nullptr;
    QPushButton* NAGButton1 = nullptr; // "Exit"
    QProgressBar* studentProgress = nullptr;
    SheetPicture* imgCorrect = nullptr;
    SheetPicture* imgWrong = nullptr;
    QTimer* timerMaster = nullptr;
    QStatusBar* StatusBar = nullptr;
    RichDocument* RV = nullptr;
    SheetPicture* Image1 = nullptr;
    ClickArea* Image2 = nullptr;

    // --- title conventions of the sheets' create steps. Each sets the title
    // label, sheetTitle := the label's text, the caption and the heading
    // (appended to the document, so call it before the content).
    // Tab prefix: label titlePrefix + title at `pointSize` (0 keeps the font).
    void setTabPrefixTitle(const QString& title, int pointSize = 18);
    // Skills review: the title alone, the font unchanged.
    void setSkillsReviewTitle(const QString& title);
    // Investigation: the label text and a heading in style 2; caption kept.
    void setInvestigationTitle(const QString& label, const QString& heading);
    // Tutorials: A takes the tab prefix (label at 18 pt, heading in
    // `headingStyle`); B the title alone with the heading "Tutorial - " + title.
    void setTutorialTitleA(const QString& title, int headingStyle);
    void setTutorialTitleB(const QString& title);
    void setTitleFontSize(int pointSize);

    // Fills the document from a sheet's content table and lays it out.
    void build(const sheet::SheetContent& content);
    // Builds part `part` of the content's custom steps: the irregular pieces
    // a sheet writes in code. The base has none and throws.
    virtual void buildPart(int part, SheetBuilder& builder);

    // --- content builders
    AnswerButton* addNewRadioButton(const QString& name, const QString& caption, int questionNumber,
                                    int correctFlag, int boldFlag);
    AnswerButton* addNewRadioButtonInline(const QString& name, const QString& caption,
                                          int questionNumber, int correctFlag, int boldFlag);
    AnswerBox* addNewNagEdit(const QString& name, const QString& expected, int paraMode);
    QLabel* addNewNagLable(const QString& caption, int paraMode);
    void doThinBlueLine();
    void doThickBlueline();
    void doThinRedline();
    void doThickRedLine();
    void doThinBlackLine();
    void doThickBlackLine();

    // --- question queries
    AnswerButton* getClickedButton() const;
    int getQuestionNumber(const AnswerButton* button) const;
    bool getQuestionStatus(const AnswerButton* button) const;
    void KillCurrentQuestion(const AnswerButton* button);
    // The window's answer buttons and boxes in creation order.
    std::vector<AnswerButton*> answerButtons() const;
    std::vector<AnswerBox*> answerBoxes() const;

    // --- feedback writers
    void WriteMessage(const QString& text);
    void WriteName(const QString& text);
    void WriteGrade();
    void WriteTried();

    // --- scoring state
    int numCorrect() const { return score_.numCorrect(); }
    int numWrong() const { return score_.numWrong(); }
    int numTried() const { return score_.numTried(); }
    int percentGrade() const { return score_.percentGrade(); }
    QString studentID() const { return who_.studentID; }
    QString firstName() const { return who_.firstName; }
    QString lastName() const { return who_.lastName; }
    QString dataFilePath() const { return dataFilePath_; }
    QString gradeFilePath() const { return gradeFilePath_; }
    QString statusText(int panel) const;
    QString progressSuffix() const { return progressSuffix_; }
    QString progressCaption() const;
    ProgressColour progressColor() const { return progressColour_; }
    TfrmMessageWindow* messageWindow() const { return messageWindow_; }

    // --- handlers
    // Writes the entry line; runs when the window is shown and when the focus
    // comes back from the message window.
    void FormActivate();
    // Writes the exit and grade lines; throws (keeping the window open) when
    // a journal file cannot be written.
    void FormClose();
    void NRBClick(AnswerButton* button);
    void ExitEditBoxExit(AnswerBox* box);
    void timerMasterTimer();
    void NAGButton1Click();
    void Image2Click();
    // The printed picture of a control in the document.
    virtual void RVPrintPrintComponent(QWidget* control, QPainter& painter);

    void DoIsCorrect();
    void DoIsWrong();

    // Replaces the message window by a new, empty one and shows it without
    // blocking the sheet; the caller appends to its document and lays it out.
    TfrmMessageWindow* DisplayTestMessageWindow();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FormCreate(ActivityHost& host);
    // The one verdict step of every answer: counters, grade, picture, bar,
    // and for a choice the status message and the lock on its question.
    void judge(bool right, AnswerButton* choice);
    void setProgressSuffix(const QString& suffix);
    void startPictureTimer();
    void moveFocusOn(QWidget* from);
    AnswerButton* makeAnswerButton(const QString& name, const QString& caption, int questionNumber,
                                   int correctFlag, int boldFlag);

    const StudentJournal& journal_;
    StudentIdentity who_;
    QString dataFilePath_;
    QString gradeFilePath_;
    SheetScore score_;
    QString progressSuffix_;
    ProgressColour progressColour_;
    std::vector<QPointer<AnswerButton>> buttons_;
    std::vector<QPointer<AnswerBox>> boxes_;
    std::vector<QLabel*> statusPanels_;
    QPointer<TfrmMessageWindow> messageWindow_;
    QPixmap tile_;
    bool activatedOnce_ = false;
    bool backFromMessageWindow_ = false;
    bool askingSure_ = false;
    bool centred_ = false;
};

} // namespace tv
