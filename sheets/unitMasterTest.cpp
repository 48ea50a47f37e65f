#include "sheets/unitMasterTest.h"

#include "app/ActivityHost.h"
#include "sheets/SheetBuilder.h"
#include "sheets/SheetPicture.h"
#include "sheets/unitMessageWindow.h"
#include "ui/Components.h"
#include "ui/Errors.h"
#include "ui/MessageBoxes.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

// Pictures of the base window live in this library's resources; a static
// library needs them registered by hand.
static void initMasterTestResources()
{
    Q_INIT_RESOURCE(unitMasterTest);
}

namespace tv {

void registerMasterTestResources()
{
    initMasterTestResources();
}

namespace {

// The outer size 620 × 445 less a 4 px frame on three sides and a 30 px
// caption bar.
constexpr int kClientWidth = 620 - 8;
constexpr int kClientHeight = 445 - 34;
constexpr int kStatusHeight = 20;
constexpr int kPictureInterval = 3000;

const QColor kWindowColour(0xFE, 0xE4, 0xB4);
const QColor kDocumentColour(0xE3, 0xD5, 0xA6);
const QColor kBoxColour(0xFF, 0xFB, 0xF0);

void makeTransparent(QWidget* w)
{
    w->setAutoFillBackground(false);
    w->setAttribute(Qt::WA_TranslucentBackground);
}

} // namespace

// --------------------------------------------------------------- TfrmTestMaster

TfrmTestMaster::TfrmTestMaster(ActivityHost& host)
    : QDialog(host.ownerWindow(), Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                      | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      journal_(host.journal())
{
    initMasterTestResources();
    FormCreate(host);
}

TfrmTestMaster::~TfrmTestMaster()
{
    // Children die after this body: no judging or activation on the way out.
    for (const auto& box : boxes_)
        if (box)
            box->disconnect(this);
    if (messageWindow_)
        messageWindow_->disconnect(this);
    // The document deletes its controls; stop it from asking this (half
    // destroyed) window for control pictures meanwhile.
    if (RV)
        RV->setControlPicturePainter(nullptr);
}

void TfrmTestMaster::FormCreate(ActivityHost& host)
{
    // 1. Program-wide titles.
    sheetTitle = defaultSheetTitle();
    titlePrefix = makeTitlePrefix(host.selectedTabCaption());

    // The sheet's default font; answer buttons inherit it.
    setFont(pointFont(QStringLiteral("MS Sans Serif"), 8, false));

    // 2. Tiled background; the picture timer stopped.
    tile_ = QPixmap::fromImage(SheetPicture::loadImage(QStringLiteral(":/sheets/master/tile.svg")));
    timerMaster = new QTimer(this);
    timerMaster->setInterval(kPictureInterval);
    timerMaster->setTimerType(Qt::PreciseTimer);
    connect(timerMaster, &QTimer::timeout, this, &TfrmTestMaster::timerMasterTimer);

    lblFormTitle = new EffectLabel(QString(), EffectLabel::Effect::Shadow, this);
    lblFormTitle->setObjectName(QStringLiteral("lblFormTitle"));
    lblFormTitle->setGeometry(0, 0, 612, 34);
    lblFormTitle->setAlignment(Qt::AlignCenter);
    lblFormTitle->setFont(pixelFont(QStringLiteral("Arial"), 27, true));
    QPalette tp = lblFormTitle->palette();
    tp.setColor(QPalette::WindowText, QColor(0xFF, 0, 0));
    lblFormTitle->setPalette(tp);

    Image1 = new SheetPicture(QStringLiteral(":/sheets/master/decoration.svg"), QSize(71, 89),
                              PictureKind::Still, this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->move(0, 0);

    NAGButton1 = new NagButton(QStringLiteral("Exit"), QColor(0x80, 0, 0), QColor(0xFF, 0xFF, 0),
                               this);
    NAGButton1->setObjectName(QStringLiteral("NAGButton1"));
    NAGButton1->setGeometry(264, 38, 84, 25);
    NAGButton1->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 16, true));
    NAGButton1->setAutoDefault(false);
    connect(NAGButton1, &QPushButton::clicked, this, &TfrmTestMaster::NAGButton1Click);

    studentProgress = new QProgressBar(this);
    studentProgress->setObjectName(QStringLiteral("studentProgress"));
    studentProgress->setGeometry(104, 66, 417, 22);
    studentProgress->setRange(0, 100);
    studentProgress->setAlignment(Qt::AlignCenter);
    studentProgress->setTextVisible(true);

    Image2 = new ClickArea(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(80, 64, 25, 25);
    connect(Image2, &ClickArea::clicked, this, &TfrmTestMaster::Image2Click);

    // 3. The document with the sheet's style tables.
    RV = new RichDocument(this);
    RV->setObjectName(QStringLiteral("RV"));
    RV->setStyleTable(StyleTable::sheet());
    RV->setBackgroundColor(kDocumentColour);
    RV->setGeometry(5, 95, 600, 295);
    RV->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Sheet text wraps at the view's width: a horizontal bar would never get a thumb.
    RV->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RV->setControlPicturePainter(
        [this](QWidget* control, QPainter& painter) { RVPrintPrintComponent(control, painter); });

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    StatusBar->setGeometry(0, kClientHeight - kStatusHeight, kClientWidth, kStatusHeight);
    const int widths[] = {295, 125, 70, 0};
    const char* names[] = {"Message", "Name", "Grade", "Answered"};
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(StatusBar);
        panel->setObjectName(QString::fromLatin1(names[i]));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setFont(pointFont(QStringLiteral("MS Sans Serif"), 8, false));
        if (widths[i] > 0)
            panel->setFixedWidth(widths[i]);
        StatusBar->addWidget(panel, widths[i] > 0 ? 0 : 1);
        statusPanels_.push_back(panel);
    }

    // The pictures lie over everything else, the wrong one on top.
    imgCorrect = new SheetPicture(QStringLiteral(":/sheets/master/correct.svg"), QSize(67, 65),
                                  PictureKind::Still, this);
    imgCorrect->setObjectName(QStringLiteral("imgCorrect"));
    imgCorrect->move(534, 6);
    imgWrong = new SheetPicture(QStringLiteral(":/sheets/master/wrong.svg"), QSize(67, 65),
                                PictureKind::Still, this);
    imgWrong->setObjectName(QStringLiteral("imgWrong"));
    imgWrong->move(535, 6);

    // 4. Size.
    setFixedSize(kClientWidth, kClientHeight);

    // 5. Counters (fresh in score_) and hidden pictures.
    imgCorrect->hide();
    imgWrong->hide();

    // 6 - 9. Status and progress.
    setProgressSuffix(sheettext::initialProgressSuffix());
    WriteGrade();
    WriteMessage(sheettext::welcomeMessage());
    who_ = host.identity();
    WriteName(sheettext::studentName(who_.firstName, who_.lastName));
    WriteTried();

    // 10. Journal paths.
    dataFilePath_ = journal_.dataFilePath();
    gradeFilePath_ = journal_.gradeFilePath();
}

// ------------------------------------------------------------------ titles

void TfrmTestMaster::setTitleFontSize(int pointSize)
{
    QFont f = lblFormTitle->font();
    f.setPointSize(pointSize);
    lblFormTitle->setFont(f);
}

void TfrmTestMaster::setTabPrefixTitle(const QString& title, int pointSize)
{
    if (pointSize > 0)
        setTitleFontSize(pointSize);
    lblFormTitle->setText(titlePrefix + title);
    sheetTitle = lblFormTitle->text();
    setWindowTitle(QStringLiteral("Tallyvale, ") + sheetTitle
                   + QStringLiteral(" - work each question once"));
    RV->addText(sheetTitle, 1, 1);
}

void TfrmTestMaster::setSkillsReviewTitle(const QString& title)
{
    lblFormTitle->setText(title);
    sheetTitle = lblFormTitle->text();
    setWindowTitle(QStringLiteral("Tallyvale Skills Review, ") + sheetTitle
                   + QStringLiteral(" - work each question once"));
    RV->addText(QStringLiteral("Skills Review - ") + sheetTitle, 1, 1);
}

void TfrmTestMaster::setInvestigationTitle(const QString& label, const QString& heading)
{
    lblFormTitle->setText(label);
    sheetTitle = lblFormTitle->text();
    RV->addText(heading, 2, 1);
}

void TfrmTestMaster::setTutorialTitleA(const QString& title, int headingStyle)
{
    setTitleFontSize(18);
    lblFormTitle->setText(titlePrefix + title);
    sheetTitle = lblFormTitle->text();
    setWindowTitle(QStringLiteral("Tallyvale, ") + sheetTitle
                   + QStringLiteral(" - read, then try the problems"));
    RV->addText(sheetTitle, headingStyle, 1);
}

void TfrmTestMaster::setTutorialTitleB(const QString& title)
{
    lblFormTitle->setText(title);
    sheetTitle = lblFormTitle->text();
    setWindowTitle(QStringLiteral("Tallyvale Skills Review, ") + sheetTitle
                   + QStringLiteral(" - read, then try the problems"));
    RV->addText(QStringLiteral("Tutorial - ") + sheetTitle, 1, 1);
}

void TfrmTestMaster::build(const sheet::SheetContent& content)
{
    SheetBuilder(*this, content).build();
}

void TfrmTestMaster::buildPart(int part, SheetBuilder&)
{
    throw Error(QStringLiteral("This sheet has no part %1 to build").arg(part));
}

// ----------------------------------------------------------------- builders

AnswerButton* TfrmTestMaster::makeAnswerButton(const QString& name, const QString& caption,
                                               int questionNumber, int correctFlag, int boldFlag)
{
    // Names identify the buttons (RB1, RB2, ...): a second one of a name is a
    // content fault, refused before anything is made.
    for (const auto& other : buttons_)
        if (other && !name.isEmpty() && other->objectName() == name)
            throw Error(QStringLiteral("An answer button named %1 already exists").arg(name));
    auto* b = new AnswerButton(caption, this);
    b->setObjectName(name);
    b->setHint(answerHint(questionNumber, correctFlag));
    QFont f = font();
    f.setBold(boldFlag == 12);
    b->setFont(f);
    makeTransparent(b);
    b->resize(b->sizeHint());
    connect(b, &AnswerButton::mouseClicked, this, &TfrmTestMaster::NRBClick);
    connect(b, &AnswerButton::enterPressed, this, &TfrmTestMaster::moveFocusOn);
    buttons_.emplace_back(b);
    return b;
}

AnswerButton* TfrmTestMaster::addNewRadioButton(const QString& name, const QString& caption,
                                                int questionNumber, int correctFlag, int boldFlag)
{
    AnswerButton* b = makeAnswerButton(name, caption, questionNumber, correctFlag, boldFlag);
    RV->addControl(b, 3, RichDocument::VAlign::Middle);
    return b;
}

AnswerButton* TfrmTestMaster::addNewRadioButtonInline(const QString& name, const QString& caption,
                                                      int questionNumber, int correctFlag,
                                                      int boldFlag)
{
    AnswerButton* b = makeAnswerButton(name, caption, questionNumber, correctFlag, boldFlag);
    RV->addControl(b, kContinueParagraph, RichDocument::VAlign::Middle);
    return b;
}

AnswerBox* TfrmTestMaster::addNewNagEdit(const QString& name, const QString& expected, int paraMode)
{
    // CreateNagEdit
    auto* e = new AnswerBox(this);
    e->setObjectName(name);
    e->setHint(expected);
    e->setFont(pointFont(font().family(), 8, true));
    QPalette p = e->palette();
    p.setColor(QPalette::Text, QColor(0xFF, 0, 0));
    p.setColor(QPalette::Base, kBoxColour);
    e->setPalette(p);
    e->resize(answerBoxWidth(expected), e->sizeHint().height());
    connect(e, &AnswerBox::left, this, &TfrmTestMaster::ExitEditBoxExit);
    connect(e, &AnswerBox::enterPressed, this, &TfrmTestMaster::moveFocusOn);
    boxes_.emplace_back(e);
    RV->addControl(e, paraMode, RichDocument::VAlign::Middle);
    return e;
}

QLabel* TfrmTestMaster::addNewNagLable(const QString& caption, int paraMode)
{
    // CreateNagLable
    auto* l = new QLabel(caption, this);
    l->setFont(pointFont(font().family(), 12, true));
    makeTransparent(l);
    l->resize(l->sizeHint());
    RV->addControl(l, paraMode, RichDocument::VAlign::Middle);
    RV->addText(QStringLiteral(" "), 0, kContinueParagraph);
    return l;
}

void TfrmTestMaster::doThinBlueLine() { RV->addLine(1, QColor(0, 0, 0xFF)); }
void TfrmTestMaster::doThickBlueline() { RV->addLine(3, QColor(0, 0, 0xFF)); }
void TfrmTestMaster::doThinRedline() { RV->addLine(1, QColor(0xFF, 0, 0)); }
void TfrmTestMaster::doThickRedLine() { RV->addLine(3, QColor(0xFF, 0, 0)); }
void TfrmTestMaster::doThinBlackLine() { RV->addLine(1, QColor(0, 0, 0)); }
void TfrmTestMaster::doThickBlackLine() { RV->addLine(3, QColor(0, 0, 0)); }

// ------------------------------------------------------------------ queries

std::vector<AnswerButton*> TfrmTestMaster::answerButtons() const
{
    std::vector<AnswerButton*> out;
    for (const auto& b : buttons_)
        if (b)
            out.push_back(b);
    return out;
}

std::vector<AnswerBox*> TfrmTestMaster::answerBoxes() const
{
    std::vector<AnswerBox*> out;
    for (const auto& b : boxes_)
        if (b)
            out.push_back(b);
    return out;
}

AnswerButton* TfrmTestMaster::getClickedButton() const
{
    AnswerButton* last = nullptr;
    for (const auto& b : buttons_)
        if (b && b->isChecked())
            last = b;
    return last;
}

int TfrmTestMaster::getQuestionNumber(const AnswerButton* button) const
{
    return questionNumberOfHint(button->hint());
}

bool TfrmTestMaster::getQuestionStatus(const AnswerButton* button) const
{
    return questionStatusOfHint(button->hint());
}

void TfrmTestMaster::KillCurrentQuestion(const AnswerButton* button)
{
    const int q = getQuestionNumber(button);
    for (const auto& b : buttons_)
        if (b && getQuestionNumber(b) == q)
            b->setEnabled(false);
}

// ----------------------------------------------------------------- feedback

void TfrmTestMaster::WriteMessage(const QString& text) { statusPanels_[0]->setText(text); }
void TfrmTestMaster::WriteName(const QString& text) { statusPanels_[1]->setText(text); }

void TfrmTestMaster::WriteGrade()
{
    const int grade = score_.percentGrade();
    statusPanels_[2]->setText(sheettext::gradePanel(grade));
    studentProgress->setValue(grade);
    progressColour_ = progressColour(grade);
    QPalette p = studentProgress->palette();
    p.setColor(QPalette::Highlight,
               QColor(progressColour_.red, progressColour_.green, progressColour_.blue));
    studentProgress->setPalette(p);
    studentProgress->setFormat(progressCaption());
}

void TfrmTestMaster::WriteTried()
{
    statusPanels_[3]->setText(sheettext::answeredPanel(score_.numTried()));
}

QString TfrmTestMaster::statusText(int panel) const
{
    return statusPanels_.at(static_cast<size_t>(panel))->text();
}

void TfrmTestMaster::setProgressSuffix(const QString& suffix)
{
    progressSuffix_ = suffix;
    studentProgress->setFormat(progressCaption());
}

QString TfrmTestMaster::progressCaption() const
{
    // The bar's own format would read "%v" and friends as placeholders; the
    // caption is made here and set literally (no '%' followed by v, p or m).
    return sheettext::progressCaption(studentProgress->value(), progressSuffix_);
}

// ----------------------------------------------------------------- answers

void TfrmTestMaster::startPictureTimer()
{
    if (!timerMaster->isActive())
        timerMaster->start();
}

void TfrmTestMaster::NRBClick(AnswerButton*)
{
    AnswerButton* button = getClickedButton();
    if (!button)
        return;
    KillCurrentQuestion(button);
    if (getQuestionStatus(button))
        DoIsCorrect();
    else
        DoIsWrong();
}

void TfrmTestMaster::DoIsCorrect()
{
    judge(true, getClickedButton());
}

void TfrmTestMaster::DoIsWrong()
{
    judge(false, getClickedButton());
}

void TfrmTestMaster::judge(bool right, AnswerButton* choice)
{
    startPictureTimer();
    if (right)
        score_.recordCorrect();
    else
        score_.recordWrong();
    WriteTried();
    WriteGrade();
    // The wrong picture lies on top when both show.
    (right ? imgCorrect : imgWrong)->show();
    imgCorrect->raise();
    imgWrong->raise();
    if (choice) {
        const int q = getQuestionNumber(choice);
        WriteMessage(right ? sheettext::correctMessage(q) : sheettext::wrongMessage(q));
        KillCurrentQuestion(choice);
    }
    setProgressSuffix(sheettext::progressSuffix(score_.numCorrect(), score_.numTried()));
}

void TfrmTestMaster::ExitEditBoxExit(AnswerBox* box)
{
    // The confirmation box itself takes the focus: ask once at a time. A
    // window on its way out (hidden, being destroyed) asks nothing.
    if (!box || !box->isEnabled() || askingSure_ || !isVisible())
        return;
    askingSure_ = true;
    const bool sure =
        messageBoxes().confirm(this, QStringLiteral("Warning"), sheettext::areYouSure(),
                               MessageBoxes::Icon::Warning);
    askingSure_ = false;
    if (!sure)
        return;
    // A typed answer writes no status message: panel 0 keeps the last one.
    judge(typedAnswerMatches(box->text(), box->hint()), nullptr);
    box->setEnabled(false);
}

void TfrmTestMaster::timerMasterTimer()
{
    imgCorrect->hide();
    imgWrong->hide();
    timerMaster->stop();
}

void TfrmTestMaster::moveFocusOn(QWidget* from)
{
    if (QWidget* next = RV->nextControl(from))
        next->setFocus(Qt::TabFocusReason);
    else
        NAGButton1->setFocus(Qt::TabFocusReason);
}

// ------------------------------------------------------ activation, closing

void TfrmTestMaster::FormActivate()
{
    // The background is painted to fill the client area on every paint.
    if (!who_.isNoRecordID())
        journal_.writeSheetEntry(who_, sheetTitle);
}

void TfrmTestMaster::FormClose()
{
    if (who_.isNoRecordID())
        return;
    journal_.writeSheetExit(who_, sheetTitle, score_.percentGrade(), score_.numCorrect(),
                            score_.numTried());
    journal_.writeGradeEntry(who_, sheetTitle, score_.percentGrade(), score_.numCorrect(),
                             score_.numTried());
}

void TfrmTestMaster::NAGButton1Click()
{
    close();
}

void TfrmTestMaster::Image2Click()
{
    RV->printSheet(sheettext::printJobTitle());
}

void TfrmTestMaster::RVPrintPrintComponent(QWidget* control, QPainter& painter)
{
    RichDocument::paintControlPicture(control, painter);
}

TfrmMessageWindow* TfrmTestMaster::DisplayTestMessageWindow()
{
    delete messageWindow_.data();
    auto* w = new TfrmMessageWindow(this);
    messageWindow_ = w;
    connect(w, &TfrmMessageWindow::activated, this, [this] { backFromMessageWindow_ = true; });
    w->RVMessage->formatDocument();
    w->show();
    return w;
}

bool TfrmTestMaster::event(QEvent* e)
{
    if (e->type() != QEvent::WindowActivate)
        return QDialog::event(e);
    // Activation counts when the window first shows and when the focus comes
    // back from the message window, not when a modal box over it closes.
    const bool counts = !activatedOnce_ || backFromMessageWindow_;
    activatedOnce_ = true;
    backFromMessageWindow_ = false;
    const bool handled = QDialog::event(e);
    if (counts)
        FormActivate();
    return handled;
}

void TfrmTestMaster::closeEvent(QCloseEvent* e)
{
    // A journal that cannot be written throws out of FormClose: the event
    // stays ignored, so the window stays open and can be closed again.
    e->ignore();
    FormClose();
    e->accept();
    QDialog::closeEvent(e);
}

void TfrmTestMaster::keyPressEvent(QKeyEvent* e)
{
    // Enter does not press a default button and Escape does not close the
    // sheet behind the journal's back: only "Exit" and the close box do.
    switch (e->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        e->accept();
        return;
    default:
        QDialog::keyPressEvent(e);
    }
}

void TfrmTestMaster::showEvent(QShowEvent* e)
{
    if (!centred_) {
        centred_ = true;
        centreOnScreen(this);
    }
    QDialog::showEvent(e);
}

void TfrmTestMaster::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), kWindowColour);
    if (!tile_.isNull())
        p.drawTiledPixmap(rect(), tile_);
}

} // namespace tv
