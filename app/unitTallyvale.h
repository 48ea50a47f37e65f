#pragma once
// The main window: the banner, the tabbed activity catalogue, the menus and
// the status line. It holds the student's identity for the whole run and
// opens every activity by the launch rule.
#include "app/ActivityHost.h"
#include "app/Catalogue.h"
#include "app/StudentJournal.h"

#include <QMainWindow>

#include <functional>
#include <vector>

class QAction;
class QLabel;

namespace tv {

class NagButton;
class NagLabel;
class PageControl;
class TfrmAdminPassword;
class TfrmStudentDataEntry;
class WindowRegistry;

// The one-panel status line, painted from the identity at paint time.
class MainStatusBar : public QWidget {
    Q_OBJECT
public:
    MainStatusBar(const StudentIdentity& identity, QWidget* parent);
    // What the panel shows now.
    QString paintedText() const;
    // Text stored by the handlers: it only triggers the repaint, and clears a message.
    void setStatusText(const QString& text);
    // A message shown instead of the welcome text until the next status text.
    void showMessage(const QString& message);
    QString statusText() const { return stored_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const StudentIdentity& identity_;
    QString stored_;
    QString message_;
};

class TfrmTallyvale : public QMainWindow, public ActivityHost {
    Q_OBJECT
public:
    // `journal` and `registry` are the program's own unless a test passes others.
    explicit TfrmTallyvale(StudentJournal journal = StudentJournal(),
                           WindowRegistry* registry = nullptr);
    ~TfrmTallyvale() override;

    // Creates the dialogs that live for the whole run, in start-up order:
    // the log-on dialog, every folder's start-up dialogs, the administrator dialog.
    void createStartupDialogs();

    // ActivityHost
    QWidget* ownerWindow() override { return this; }
    StudentIdentity identity() const override { return identity_; }
    QString selectedTabCaption() const override;
    const StudentJournal& journal() const override { return journal_; }

    // Identity fields.
    const QString& firstName() const { return identity_.firstName; }
    const QString& lastName() const { return identity_.lastName; }
    const QString& studentID() const { return identity_.studentID; }
    bool loggedOn() const { return identity_.loggedOn; }
    bool adminSignedOn() const { return adminSignedOn_; }
    QString dataFilePath() const { return dataFilePath_; }
    QString gradeFilePath() const { return gradeFilePath_; }

    // Handlers.
    void FormActivate();
    void launch(const CatalogueEntry& entry);
    void LogOn1Click();
    void LogOff1Click();
    void SignOn1Click();
    void CheckFiles1Click();
    void Image5Click();
    void Image6Click();
    // Brings the window back to the front for another copy of the program.
    void restoreAndRaise();

    // The first showing runs FormActivate (tools that only look at windows turn it off).
    bool activateOnShow = true;

    // The opener of files with their default program (tests replace it).
    std::function<void(const QString&)> fileOpener;

    // Controls.
    PageControl* mainPageControl = nullptr;
    PageControl* PageControlSkillsReview = nullptr;
    PageControl* PageControlTutorial = nullptr;
    MainStatusBar* MainStatusBar_ = nullptr;
    NagButton* NAGButton1 = nullptr;
    QWidget* Image5 = nullptr;
    QWidget* Image6 = nullptr;
    TfrmStudentDataEntry* logOnDialog = nullptr;
    TfrmAdminPassword* adminDialog = nullptr;
    QAction* actionExit = nullptr;
    QAction* actionLogOn = nullptr;
    QAction* actionLogOff = nullptr;
    QAction* actionSignOn = nullptr;
    QAction* actionCheckFiles = nullptr;
    QAction* actionPrint = nullptr;

    // The catalogue caption label of an entry (for tests and snapshots).
    NagLabel* labelFor(const CatalogueEntry& entry) const;
    // Selects the tab (and sub-tab) an entry stands on.
    void showEntry(const CatalogueEntry& entry);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void buildMenus();
    QWidget* buildBanner();
    void buildCatalogue();
    QWidget* buildProgramInfoPage();
    QWidget* buildEntryPage(const QString& tab, const QString& subTab, const QStringList& headings,
                            const QColor& color);
    void setStatusWelcome();
    void runLogOnDialog();

    StudentJournal journal_;
    WindowRegistry& registry_;
    StudentIdentity identity_;
    bool adminSignedOn_ = false;
    bool activated_ = false;
    QString dataFilePath_, gradeFilePath_;
    std::vector<std::pair<const CatalogueEntry*, NagLabel*>> labels_;
};

} // namespace tv
