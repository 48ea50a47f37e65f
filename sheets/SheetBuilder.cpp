#include "sheets/SheetBuilder.h"

#include "sheets/ExpressionPicture.h"
#include "sheets/RichDocument.h"
#include "sheets/SheetPicture.h"
#include "sheets/unitMasterTest.h"
#include "ui/Errors.h"

namespace tv {

using namespace sheet;

namespace {

int num(Style s) { return static_cast<int>(s); }
int num(Para p) { return static_cast<int>(p); }

RichDocument::VAlign valign(VAlign a)
{
    return a == VAlign::Baseline ? RichDocument::VAlign::Baseline : RichDocument::VAlign::Middle;
}

const QString kPicturePlace = QStringLiteral("{p}");

} // namespace

StyleTable styleTableOf(StyleTableKind kind)
{
    switch (kind) {
    case StyleTableKind::OrderOfOperations:
        return StyleTable::orderOfOperations();
    case StyleTableKind::GeneralReview:
        return StyleTable::generalReview();
    case StyleTableKind::Sheet:
        break;
    }
    return StyleTable::sheet();
}

SheetBuilder::SheetBuilder(TfrmTestMaster& sheet, const SheetContent& content)
    : sheet_(sheet), content_(content)
{
}

void SheetBuilder::build()
{
    sheet_.RV->setStyleTable(styleTableOf(content_.styles));
    addTitle();
    if (content_.opening) {
        addRule(Rule::ThickRed);
        addBlank();
        addBlank();
    }
    for (const Step& step : content_.steps)
        addStep(step);
    sheet_.RV->formatDocument();
}

void SheetBuilder::addTitle()
{
    const QString title = qs(content_.title);
    switch (content_.convention) {
    case TitleConvention::TabPrefix:
        sheet_.setTabPrefixTitle(title, content_.titlePointSize);
        break;
    case TitleConvention::SkillsReview:
        sheet_.setSkillsReviewTitle(title);
        break;
    case TitleConvention::Investigation:
        sheet_.setInvestigationTitle(title, qs(content_.heading));
        if (content_.caption)
            sheet_.setWindowTitle(qs(content_.caption));
        break;
    case TitleConvention::TutorialA:
        sheet_.setTutorialTitleA(title, num(content_.headingStyle));
        break;
    case TitleConvention::TutorialB:
        sheet_.setTutorialTitleB(title);
        break;
    }
}

QString SheetBuilder::expand(const char16_t* text, int printed, const char16_t* expression)
{
    QString out = qs(text);
    out.replace(QStringLiteral("{n}"), QString::number(printed));
    out.replace(QStringLiteral("{e}"), qs(expression));
    return out;
}

QString SheetBuilder::nextButtonName() { return QStringLiteral("RB") + QString::number(++buttons_); }
QString SheetBuilder::nextBoxName() { return QStringLiteral("Edit") + QString::number(++boxes_); }

void SheetBuilder::addText(const QString& text, Style style, Para para)
{
    const std::u16string u = text.toStdU16String();
    const std::vector<Run> runs = splitRuns(u, style);
    if (runs.empty()) {
        sheet_.RV->addText(text, num(style), num(para));
        return;
    }
    int mode = num(para);
    for (const Run& r : runs) {
        sheet_.RV->addText(QString::fromUtf16(r.text.data(), static_cast<qsizetype>(r.text.size())),
                           r.style, mode);
        mode = kContinueParagraph;
    }
}

void SheetBuilder::addBlank()
{
    sheet_.RV->addText(QStringLiteral(" "), 0, 0);
}

void SheetBuilder::addRule(Rule rule)
{
    switch (rule) {
    case Rule::ThinBlue: sheet_.doThinBlueLine(); break;
    case Rule::ThickBlue: sheet_.doThickBlueline(); break;
    case Rule::ThinRed: sheet_.doThinRedline(); break;
    case Rule::ThickRed: sheet_.doThickRedLine(); break;
    case Rule::ThinBlack: sheet_.doThinBlackLine(); break;
    case Rule::ThickBlack: sheet_.doThickBlackLine(); break;
    }
}

SheetPicture* SheetBuilder::addPicture(const Picture& picture, Para para,
                                       const char16_t* expression)
{
    const auto kind = content_.layout.pictureKind == sheet::PictureKind::Animated
                          ? tv::PictureKind::Animated
                          : tv::PictureKind::Still;
    if (picture.drawn && !expression)
        throw Error(QStringLiteral("A drawn picture needs the question's expression"));
    auto* p = picture.drawn ? new SheetPicture(drawExpression(qs(expression)), kind, &sheet_)
                            : new SheetPicture(QString::fromLatin1(picture.resource),
                                               QSize(picture.width, picture.height), kind, &sheet_);
    sheet_.RV->addControl(p, num(para), valign(picture.align));
    return p;
}

AnswerButton* SheetBuilder::addChoice(const QString& caption, int questionNumber, bool right,
                                      bool bold, bool onTheLine)
{
    const int boldFlag = bold ? 12 : 0;
    return onTheLine
               ? sheet_.addNewRadioButtonInline(nextButtonName(), caption, questionNumber, right,
                                                boldFlag)
               : sheet_.addNewRadioButton(nextButtonName(), caption, questionNumber, right,
                                          boldFlag);
}

AnswerBox* SheetBuilder::addBox(const QString& expected, Para para)
{
    return sheet_.addNewNagEdit(nextBoxName(), expected, num(para));
}

void SheetBuilder::addStep(const Step& step)
{
    switch (step.kind) {
    case Step::Kind::Text:
        addText(qs(step.text), step.style, step.para);
        break;
    case Step::Kind::Link:
        sheet_.RV->addTaggedText(qs(step.text), num(step.style), num(step.para),
                                 QString::fromLatin1(step.tag));
        break;
    case Step::Kind::Anchor:
        sheet_.RV->addCheckpoint(QString::fromLatin1(step.tag));
        break;
    case Step::Kind::Rule:
        addRule(step.rule);
        break;
    case Step::Kind::Blank:
        addBlank();
        break;
    case Step::Kind::Picture:
        addPicture(step.picture, step.para);
        break;
    case Step::Kind::Choice:
        addChoiceQuestion(*step.choice);
        break;
    case Step::Kind::Typed:
        addTypedQuestion(*step.typed);
        break;
    case Step::Kind::Custom:
        sheet_.buildPart(step.custom, *this);
        break;
    }
}

void SheetBuilder::addPrompt(const QString& prompt, Style style, Para para, const Picture& picture,
                             const char16_t* expression)
{
    const qsizetype at = prompt.indexOf(kPicturePlace);
    const bool inlinePicture = picture.present() && !picture.centred;
    if (at < 0) {
        addText(prompt, style, para);
        if (inlinePicture)
            addPicture(picture, Para::Continue, expression);
    } else {
        addText(prompt.left(at), style, para);
        if (inlinePicture)
            addPicture(picture, Para::Continue, expression);
        const QString rest = prompt.mid(at + kPicturePlace.size());
        if (!rest.isEmpty())
            addText(rest, style, Para::Continue);
    }
    if (picture.present() && picture.centred)
        addPicture(picture, Para::Centred, expression);
}

void SheetBuilder::addChoiceQuestion(const Choice& q)
{
    const QuestionLayout& layout = content_.layout;
    if (layout.ruled)
        addRule(Rule::ThinBlue);
    addPrompt(expand(q.prompt, q.printed, q.expression), q.promptStyle, Para::Question, q.picture,
              q.expression);
    if (q.inlineChoices) {
        for (int i = 0; i < q.choiceCount(); ++i) {
            addChoice(qs(q.choices[i]), q.engineNumber(), i == q.keyed, q.bold, true);
            addText(QStringLiteral("  "), Style::Normal, Para::Continue);
        }
    } else {
        for (int i = 0; i < layout.blanksAfterPrompt; ++i)
            addBlank();
        for (int i = 0; i < q.choiceCount(); ++i)
            addChoice(qs(q.choices[i]), q.engineNumber(), i == q.keyed, q.bold);
    }
    for (int i = 0; i < layout.blanksAfterQuestion; ++i)
        addBlank();
}

void SheetBuilder::addTypedQuestion(const Typed& q)
{
    const QuestionLayout& layout = content_.layout;
    if (layout.ruled)
        addRule(Rule::ThinBlue);
    if (q.prompt)
        addPrompt(expand(q.prompt, q.printed, q.expression), q.promptStyle, q.promptPara,
                  q.picture, q.expression);
    else if (q.picture.present())
        addPicture(q.picture, q.picture.centred ? Para::Centred : Para::Continue, q.expression);
    if (q.label)
        sheet_.addNewNagLable(expand(q.label, q.printed, q.expression), num(q.labelPara));
    addBox(qs(q.expected), q.boxPara);
    if (q.after)
        addText(qs(q.after), q.afterStyle, Para::Continue);
    for (int i = 0; i < layout.blanksAfterQuestion; ++i)
        addBlank();
}

} // namespace tv
