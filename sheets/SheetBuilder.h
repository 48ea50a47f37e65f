#pragma once
// Turns a sheet's content table into its document: the title by the sheet's
// convention, then every step in order through the base window's builders,
// naming the answer controls itself (RB1, RB2, ... and Edit1, Edit2, ...
// through the whole document), then the layout. Custom steps call back into
// the sheet (TfrmTestMaster::buildPart), which uses the same builder so the
// names keep running.
#include "sheets/SheetContent.h"

#include <QString>

namespace tv {

class AnswerButton;
class AnswerBox;
class SheetPicture;
struct StyleTable;
class TfrmTestMaster;

class SheetBuilder {
public:
    SheetBuilder(TfrmTestMaster& sheet, const sheet::SheetContent& content);

    // Title, every step, then formatDocument.
    void build();

    TfrmTestMaster& sheet() { return sheet_; }
    const sheet::SheetContent& content() const { return content_; }

    // --- pieces, for the steps and for custom parts
    void addStep(const sheet::Step& step);
    // A text in `style`, with its phrases in other styles ("{s10:...}").
    void addText(const QString& text, sheet::Style style, sheet::Para para);
    void addBlank();
    void addRule(sheet::Rule rule);
    // A picture from the resources, or (drawn) the typeset `expression`.
    SheetPicture* addPicture(const sheet::Picture& picture, sheet::Para para,
                             const char16_t* expression = nullptr);
    AnswerButton* addChoice(const QString& caption, int questionNumber, bool right, bool bold,
                            bool onTheLine = false);
    AnswerBox* addBox(const QString& expected, sheet::Para para);
    QString nextButtonName();
    QString nextBoxName();

    // "{n}" -> the printed number, "{e}" -> the expression; "{p}" stays.
    static QString expand(const char16_t* text, int printed, const char16_t* expression);

private:
    void addTitle();
    void addChoiceQuestion(const sheet::Choice& q);
    void addTypedQuestion(const sheet::Typed& q);
    // A prompt template with an optional inline picture at "{p}".
    void addPrompt(const QString& prompt, sheet::Style style, sheet::Para para,
                   const sheet::Picture& picture, const char16_t* expression);

    TfrmTestMaster& sheet_;
    const sheet::SheetContent& content_;
    int buttons_ = 0;
    int boxes_ = 0;
};

// The style table a content table names.
StyleTable styleTableOf(sheet::StyleTableKind kind);

inline QString qs(const char16_t* text)
{
    return text ? QString::fromUtf16(text) : QString();
}

} // namespace tv
