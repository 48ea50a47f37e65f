#include "app/unitTallyvale.h"

#include "app/Decoration.h"
#include "app/DesktopOpen.h"
#include "app/Platform.h"
#include "app/WindowRegistry.h"
#include "app/unitAdminPassword.h"
#include "app/unitStudentDataEntry.h"
#include "ui/Components.h"
#include "ui/PageControl.h"

#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <memory>

namespace tv {
namespace {

const QColor kWindowColor(0xF0, 0xE1, 0xBD);
const QColor kPageColor(0xF9, 0xEA, 0xB0);
const QColor kSubPageColor(0xEF, 0xE7, 0xDE);
const QString kWelcome = QStringLiteral("Welcome to Tallyvale ");
constexpr int kClientWidth = 625;
constexpr int kClientHeight = 432;
constexpr int kBannerHeight = 100;
constexpr int kStatusHeight = 19;
constexpr int kLineStep = 18;

// A page that paints its colour and, for sub-tab pages, the tiled picture.
class CataloguePage : public QWidget {
public:
    CataloguePage(const QColor& color, bool tiled) : color_(color), tiled_(tiled) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), color_);
        if (tiled_)
            p.fillRect(rect(), QBrush(decoration::pageTile()));
    }

private:
    QColor color_;
    bool tiled_;
};

QLabel* heading(const QString& text, QWidget* parent, int pointSize = 10)
{
    auto* label = new QLabel(text, parent);
    label->setFont(pointFont(QStringLiteral("MS Sans Serif"), pointSize, true));
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, QColor(0x5A, 0x3A, 0x10));
    label->setPalette(p);
    label->adjustSize();
    return label;
}

} // namespace

MainStatusBar::MainStatusBar(const StudentIdentity& identity, QWidget* parent)
    : QWidget(parent), identity_(identity)
{
    setObjectName(QStringLiteral("MainStatusBar"));
}

QString MainStatusBar::paintedText() const
{
    if (!message_.isEmpty())
        return message_;
    if (identity_.firstName == QLatin1String("No"))
        return kWelcome;
    return kWelcome + identity_.firstName + QLatin1Char(' ') + identity_.lastName;
}

void MainStatusBar::setStatusText(const QString& text)
{
    stored_ = text;
    message_.clear();
    update();
}

void MainStatusBar::showMessage(const QString& message)
{
    message_ = message;
    update();
    repaint();
}

void MainStatusBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), kWindowColor);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, 0, 0, height() - 1);
    p.setPen(Qt::white);
    p.drawLine(0, height() - 1, width() - 1, height() - 1);
    p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    const QFont font = pointFont(QStringLiteral("Arial"), 10, true);
    p.setFont(font);
    p.setPen(QColor(0x80, 0x40, 0x00));
    p.drawText(4, QFontMetrics(font).ascent(), paintedText());
}

TfrmTallyvale::TfrmTallyvale(StudentJournal journal, WindowRegistry* registry)
    : journal_(std::move(journal)), registry_(registry ? *registry : WindowRegistry::instance())
{
    fileOpener = [](const QString& path) { openWithDefaultProgram(path); };
    FormCreate();
}

TfrmTallyvale::~TfrmTallyvale() = default;

void TfrmTallyvale::FormCreate()
{
    setObjectName(QStringLiteral("frmTallyvale"));
    const VersionRecord version = programVersionRecord();
    setWindowTitle(QStringLiteral("Tallyvale - Mathematics for Middle School   Version ")
                   + version.fileVersion + QStringLiteral("   (") + version.comments
                   + QStringLiteral(")"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    // The window's colour under its tiled background picture.
    auto* client = new CataloguePage(kWindowColor, true);
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    buildMenus();
    QWidget* banner = buildBanner();
    banner->setParent(client);
    banner->setGeometry(0, 0, kClientWidth, kBannerHeight);

    mainPageControl = new PageControl(123, 20, client);
    mainPageControl->setObjectName(QStringLiteral("mainPageControl"));
    mainPageControl->setFont(pointFont(QStringLiteral("MS Sans Serif"), 8));
    mainPageControl->setTabColors(QColor(0xB1, 0x80, 0x34), QColor(0xFF, 0xFF, 0x00));
    mainPageControl->setGeometry(0, kBannerHeight, kClientWidth,
                                 kClientHeight - kBannerHeight - kStatusHeight);
    buildCatalogue();

    MainStatusBar_ = new MainStatusBar(identity_, client);
    MainStatusBar_->setGeometry(0, kClientHeight - kStatusHeight, kClientWidth, kStatusHeight);

    dataFilePath_ = journal_.dataFilePath();
    gradeFilePath_ = journal_.gradeFilePath();
    MainStatusBar_->setStatusText(kWelcome);

    adjustSize();
    setFixedSize(sizeHint());
    centreOnScreen(this);
}

void TfrmTallyvale::buildMenus()
{
    QMenu* files = menuBar()->addMenu(QStringLiteral("Files"));
    actionExit = files->addAction(QStringLiteral("Exit"), this, &QWidget::close);
    QMenu* user = menuBar()->addMenu(QStringLiteral("User"));
    actionLogOn = user->addAction(QStringLiteral("Log On"), this, &TfrmTallyvale::LogOn1Click);
    actionLogOff = user->addAction(QStringLiteral("Log Off"), this, &TfrmTallyvale::LogOff1Click);
    QMenu* admin = menuBar()->addMenu(QStringLiteral("Admin"));
    actionSignOn = admin->addAction(QStringLiteral("Sign On"), this, &TfrmTallyvale::SignOn1Click);
    actionCheckFiles =
        admin->addAction(QStringLiteral("Check Files"), this, &TfrmTallyvale::CheckFiles1Click);
    actionPrint = admin->addAction(QStringLiteral("Print")); // does nothing
}

QWidget* TfrmTallyvale::buildBanner()
{
    auto* banner = new QWidget;
    banner->setObjectName(QStringLiteral("banner"));

    auto* picture = new QLabel(banner);
    picture->setPixmap(decoration::picture(QStringLiteral(":/app/banner.svg"), {240, 92}));
    picture->setGeometry(6, 4, 240, 92);

    auto* verse = new QLabel(QStringLiteral("Count what you see,\nmeasure what you find;\n"
                                            "numbers are the keys\nto a curious mind."),
                             banner);
    QFont verseFont = pointFont(QStringLiteral("Times New Roman"), 9);
    verseFont.setItalic(true);
    verse->setFont(verseFont);
    QPalette vp = verse->palette();
    vp.setColor(QPalette::WindowText, QColor(0x80, 0x40, 0x00));
    verse->setPalette(vp);
    verse->setGeometry(256, 14, 134, 72);

    auto* photo1 = new QLabel(banner);
    photo1->setPixmap(decoration::picture(QStringLiteral(":/app/abacus.svg"), {84, 84}));
    photo1->setGeometry(396, 8, 84, 84);
    auto* photo2 = new QLabel(banner);
    photo2->setPixmap(decoration::picture(QStringLiteral(":/app/compass.svg"), {84, 84}));
    photo2->setGeometry(486, 8, 84, 84);

    NAGButton1 = new NagButton(QStringLiteral("Exit"), Qt::red, QColor(0xFF, 0xFF, 0x80), banner);
    NAGButton1->setObjectName(QStringLiteral("NAGButton1"));
    NAGButton1->setFont(pixelFont(QStringLiteral("Arial"), 19));
    NAGButton1->setGeometry(576, 62, 45, 30);
    connect(NAGButton1, &QPushButton::clicked, this, &QWidget::close);

    // Two invisible click areas that open the journal files.
    Image5 = new QWidget(banner);
    Image5->setObjectName(QStringLiteral("Image5"));
    Image5->setGeometry(kClientWidth - 17, 0, 17, 25);
    Image5->installEventFilter(this);
    Image6 = new QWidget(banner);
    Image6->setObjectName(QStringLiteral("Image6"));
    Image6->setGeometry(511, 38, 33, 25);
    Image6->installEventFilter(this);
    return banner;
}

QWidget* TfrmTallyvale::buildProgramInfoPage()
{
    auto* page = new CataloguePage(kPageColor, false);
    auto* picture = new QLabel(page);
    picture->setPixmap(decoration::picture(QStringLiteral(":/app/programinfo.svg"), {150, 150}));
    picture->setGeometry(24, 30, 150, 150);

    auto* title = heading(QStringLiteral("Tallyvale"), page, 16);
    title->move(200, 26);
    auto* text = new QLabel(
        QStringLiteral("Tallyvale helps middle-school students practise mathematics: tutorials "
                       "that explain a topic, review sheets and quizzes that are marked as you "
                       "answer, reference lessons, calculators and number tables, a function "
                       "grapher and games against the computer.\n\nLog on with your name and ID "
                       "number, then click any underlined caption on the tabs above."),
        page);
    text->setWordWrap(true);
    text->setFont(pointFont(QStringLiteral("MS Sans Serif"), 8));
    text->setGeometry(200, 60, 390, 120);

    auto* link = makeCatalogueLabel(QStringLiteral("Visit the Tallyvale web site"), page);
    link->setObjectName(QStringLiteral("lblWebLink"));
    link->move(200, 196);
    connect(link, &NagLabel::clicked, this,
            [this] { fileOpener(QStringLiteral("https://www.tallyvale.example/")); });
    return page;
}

QWidget* TfrmTallyvale::buildEntryPage(const QString& tab, const QString& subTab,
                                       const QStringList& headings, const QColor& color)
{
    auto* page = new CataloguePage(color, !subTab.isEmpty());
    page->setObjectName(QStringLiteral("page ") + tab + (subTab.isEmpty() ? QString() : QStringLiteral(" / ") + subTab));
    const int pageHeight = mainPageControl->height() - 40 - (subTab.isEmpty() ? 0 : 20);
    int y = 12;
    for (const QString& h : headings) {
        auto* label = heading(h, page, 12);
        label->move(24, y);
        y += label->height() + 8;
    }
    const int top = y;
    int x = 24, columnWidth = 0;
    QString group;
    bool first = true;
    for (const CatalogueEntry& entry : catalogue()) {
        if (entry.tab != tab || entry.subTab != subTab)
            continue;
        const bool newGroup = entry.group != group;
        if ((newGroup && !first) || y + kLineStep > pageHeight - 4) {
            x += columnWidth + 40;
            y = top;
            columnWidth = 0;
        }
        first = false;
        if (newGroup) {
            group = entry.group;
            if (!group.isEmpty()) {
                auto* label = heading(group, page);
                label->move(x, y);
                columnWidth = std::max(columnWidth, label->width());
                y += label->height() + 6;
            }
        }
        NagLabel* label = makeCatalogueLabel(entry.caption, page);
        label->setObjectName(entry.handler);
        label->setProperty("windowClass", entry.windowClass);
        label->move(x, y);
        columnWidth = std::max(columnWidth, label->width());
        y += kLineStep;
        labels_.emplace_back(&entry, label);
        connect(label, &NagLabel::clicked, this, [this, &entry] { launch(entry); });
    }
    return page;
}

void TfrmTallyvale::buildCatalogue()
{
    for (const CatalogueTab& tab : catalogueTabs()) {
        if (tab.caption == QLatin1String("Program Info")) {
            mainPageControl->addPage(buildProgramInfoPage(), tab.caption);
            continue;
        }
        if (tab.subTabs.isEmpty()) {
            mainPageControl->addPage(buildEntryPage(tab.caption, {}, tab.headings, kPageColor),
                                     tab.caption);
            continue;
        }
        auto* page = new CataloguePage(kPageColor, false);
        auto* sub = new PageControl(tab.subTabWidth, 20, page);
        sub->setFont(pointFont(QStringLiteral("MS Sans Serif"), 8));
        if (tab.subTabsOwnerDrawn) {
            sub->setTabColors(QColor(0x81, 0x60, 0x33), Qt::white);
            sub->setGeometry(0, 0, kClientWidth, mainPageControl->height() - 40);
            for (const QString& s : tab.subTabs)
                sub->addPage(buildEntryPage(tab.caption, s, {}, kSubPageColor), s);
        } else {
            // The small control of "Part2": a heading and three empty tabs.
            int y = 12;
            for (const QString& h : tab.headings) {
                auto* label = heading(h, page, 12);
                label->move(24, y);
                y += label->height() + 10;
            }
            sub->setTabColors(QColor(0xD4, 0xC0, 0x90), Qt::black);
            sub->setGeometry(24, y, 3 * tab.subTabWidth, 150);
            for (const QString& s : tab.subTabs)
                sub->addPage(new CataloguePage(kSubPageColor, true), s);
        }
        sub->setObjectName(QStringLiteral("PageControl") + QString(tab.caption).remove(QLatin1Char(' ')));
        if (tab.caption == QLatin1String("Skills Review"))
            PageControlSkillsReview = sub;
        else if (tab.caption == QLatin1String("Tutorials"))
            PageControlTutorial = sub;
        mainPageControl->addPage(page, tab.caption);
    }
}

void TfrmTallyvale::createStartupDialogs()
{
    logOnDialog = new TfrmStudentDataEntry(this, identity_, [this](const QString& message) {
        MainStatusBar_->showMessage(message);
    });
    registry_.runStartupHooks(this);
    adminDialog = new TfrmAdminPassword(this, adminSignedOn_);
}

QString TfrmTallyvale::selectedTabCaption() const { return mainPageControl->currentCaption(); }

void TfrmTallyvale::setStatusWelcome()
{
    MainStatusBar_->setStatusText(kWelcome + identity_.firstName + QLatin1Char(' ')
                                  + identity_.lastName);
}

void TfrmTallyvale::runLogOnDialog()
{
    if (!logOnDialog)
        createStartupDialogs();
    logOnDialog->exec();
}

void TfrmTallyvale::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!activated_ && activateOnShow) {
        activated_ = true;
        // After the window is on screen, so the log-on dialog stands over it.
        QTimer::singleShot(0, this, &TfrmTallyvale::FormActivate);
    }
}

void TfrmTallyvale::FormActivate()
{
    mainPageControl->setCurrentIndex(0);
    identity_.firstName = QStringLiteral("No");
    identity_.lastName = QStringLiteral("Name");
    identity_.loggedOn = false;
    runLogOnDialog();
    journal_.writeStudentFileLogOn(identity_, QStringLiteral("*******"));
    setStatusWelcome();
    if (PageControlSkillsReview)
        PageControlSkillsReview->setCurrentIndex(0);
    if (PageControlTutorial)
        PageControlTutorial->setCurrentIndex(0);
}

void TfrmTallyvale::launch(const CatalogueEntry& entry)
{
    if (!identity_.loggedOn) {
        runLogOnDialog();
        setStatusWelcome();
        return;
    }
    // A window that is not built yet opens nothing and records nothing.
    if (!registry_.contains(entry.windowClass))
        return;
    const bool recorded = !entry.recordName.isEmpty();
    if (recorded)
        journal_.writeVisitEntry(identity_, entry.recordName);
    {
        std::unique_ptr<QDialog> window(registry_.create(entry.windowClass, *this));
        if (window)
            window->exec();
    }
    if (recorded)
        journal_.writeVisitExit(identity_, entry.recordName);
}

void TfrmTallyvale::LogOn1Click()
{
    runLogOnDialog();
    identity_.loggedOn = true;
    setStatusWelcome();
    journal_.writeLogOnLine(identity_);
}

void TfrmTallyvale::LogOff1Click()
{
    identity_.firstName.clear();
    identity_.lastName.clear();
    identity_.studentID.clear();
    identity_.loggedOn = false;
    setStatusWelcome();
}

void TfrmTallyvale::SignOn1Click()
{
    if (!adminDialog)
        createStartupDialogs();
    adminDialog->exec();
}

void TfrmTallyvale::CheckFiles1Click()
{
    if (adminSignedOn_)
        fileOpener(journal_.folder() + QStringLiteral("studentDataFile.Txt"));
}

void TfrmTallyvale::Image5Click() { fileOpener(journal_.folder() + QStringLiteral("studentDataFile.Txt")); }

void TfrmTallyvale::Image6Click() { fileOpener(journal_.folder() + QStringLiteral("studentGradeFile.Txt")); }

bool TfrmTallyvale::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == Image5) {
            Image5Click();
            return true;
        }
        if (watched == Image6) {
            Image6Click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmTallyvale::closeEvent(QCloseEvent* event)
{
    // If the log-off lines cannot be written the window stays open.
    event->ignore();
    journal_.writeLogOffLines(identity_);
    event->accept();
}

void TfrmTallyvale::restoreAndRaise()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

NagLabel* TfrmTallyvale::labelFor(const CatalogueEntry& entry) const
{
    for (const auto& [e, label] : labels_)
        if (e == &entry)
            return label;
    return nullptr;
}

void TfrmTallyvale::showEntry(const CatalogueEntry& entry)
{
    for (int i = 0; i < mainPageControl->count(); ++i)
        if (mainPageControl->tabCaption(i) == entry.tab)
            mainPageControl->setCurrentIndex(i);
    PageControl* sub = entry.tab == QLatin1String("Skills Review") ? PageControlSkillsReview
                     : entry.tab == QLatin1String("Tutorials")     ? PageControlTutorial
                                                                   : nullptr;
    if (sub)
        for (int i = 0; i < sub->count(); ++i)
            if (sub->tabCaption(i) == entry.subTab)
                sub->setCurrentIndex(i);
}

} // namespace tv
