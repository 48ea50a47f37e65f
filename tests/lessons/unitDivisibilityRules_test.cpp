// The divisibility lesson window: its document built from the lesson table,
// the one radio group, the links (three definitions and the scroll back to
// the top), the exercise replies in the shared information box, and the box
// made once at start-up.
#include "app/WindowRegistry.h"
#include "lessons/RegisterLessons.h"
#include "lessons/unitDialog.h"
#include "lessons/unitDivisibilityRules.h"
#include "sheets/RichDocument.h"
#include "tests/app/ModalDriver.h"
#include "tests/support/FakeActivityHost.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/WidgetHelpers.h"
#include "ui/Components.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextDocument>

#include <memory>

using namespace tv::lessons;
using tv::RichDocument;

namespace {

// What the box showed when it was up.
struct Shown {
    QString caption;
    QString message;
    QColor background;
    QColor okFace;
};

class Lesson : public ::testing::Test {
protected:
    void SetUp() override
    {
        boxes.onDialog = [this](QDialog* dialog) {
            auto* box = qobject_cast<TinfoDialog*>(dialog);
            ASSERT_NE(box, nullptr);
            shown.push_back({box->windowTitle(), box->lblDialog->text(), box->background(), box->okFace()});
            lastBox = box;
        };
        window = std::make_unique<TfrmDivisibilityRules>();
        tv::test::showAndWait(*window);
    }

    QScrollBar* bar() const { return window->RV->verticalScrollBar(); }

    // Link numbers in document order with their texts.
    int linkNumber(const QString& text, int occurrence = 0) const
    {
        for (int n = 0; n < window->RV->linkCount(); ++n)
            if (window->RV->itemText(window->RV->linkItemNo(n)) == text && occurrence-- == 0)
                return n;
        return -1;
    }

    tv::test::ScriptedMessageBoxes boxes;
    std::unique_ptr<TfrmDivisibilityRules> window;
    std::vector<Shown> shown;
    TinfoDialog* lastBox = nullptr;
};

} // namespace

// The lesson's own style table: eight styles, the two link styles its
// only links.
TEST_F(Lesson, DocumentUsesTheLessonsOwnStyleTable)
{
    const tv::StyleTable& t = window->RV->styleTable();
    ASSERT_EQ(t.text.size(), 8u);
    ASSERT_EQ(t.paragraphs.size(), 2u);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(t.text[i].link, i == kJump1 || i == kJump2) << i;
    EXPECT_EQ(t.text[kHeading].sizePt, 32);
    EXPECT_EQ(window->RV->backgroundColor(), QColor(0xFD, 0xE4, 0xB3));
}

TEST_F(Lesson, DocumentIsTheLessonTableInOrder)
{
    const RichDocument* rv = window->RV;
    const auto table = divisibilityDocument();
    ASSERT_EQ(rv->itemCount(), static_cast<int>(table.size()));
    for (int i = 0; i < rv->itemCount(); ++i) {
        const LessonItem& item = table[i];
        if (item.kind == LessonItem::Kind::Control) {
            ASSERT_NE(rv->itemControl(i), nullptr) << i;
            EXPECT_EQ(rv->itemControl(i)->objectName(), QString::fromUtf16(item.text));
        } else if (item.kind == LessonItem::Kind::Text || item.kind == LessonItem::Kind::Link) {
            EXPECT_EQ(rv->itemText(i), QString::fromUtf16(item.text)) << i;
            EXPECT_EQ(rv->itemStyle(i), item.style) << i;
            EXPECT_EQ(rv->itemParaMode(i), item.para) << i;
        }
    }
    EXPECT_EQ(rv->checkpointCount(), 1);
    EXPECT_EQ(rv->checkpointName(0), QStringLiteral("topOfPage"));
    EXPECT_EQ(rv->linkCount(), 6);
    // Controls are live and on the page once laid out.
    for (QWidget* c : rv->controls())
        EXPECT_TRUE(c->isVisibleTo(window.get())) << c->objectName().toStdString();
}

TEST_F(Lesson, YesAndNoButtonsFormOneRadioGroup)
{
    QRadioButton* buttons[] = {window->yes1, window->no1, window->yes2, window->no2, window->yes3, window->no3};
    for (QRadioButton* b : buttons)
        EXPECT_EQ(b->parentWidget(), window->RV->viewport());
    window->RV->verticalScrollBar()->setValue(window->yes1->y() + bar()->value() - 40);
    tv::test::clickLeftEnd(window->no1);
    ASSERT_TRUE(window->no1->isChecked());
    tv::test::clickLeftEnd(window->yes2);
    EXPECT_TRUE(window->yes2->isChecked());
    EXPECT_FALSE(window->no1->isChecked());
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].caption, QStringLiteral("Correct"));
    EXPECT_EQ(shown[1].message, QStringLiteral("Congratulations, That's correct!"));
}

// Every answer button: the reply of the lesson table, in the lesson's two
// colours, and the message emptied once the box has closed.
TEST_F(Lesson, EveryAnswerButtonShowsItsReplyThenEmptiesTheBox)
{
    QRadioButton* buttons[] = {window->yes1, window->no1, window->yes2, window->no2, window->yes3, window->no3};
    for (QRadioButton* b : buttons) {
        bar()->setValue(bar()->value() + b->y() - 40);
        shown.clear();
        tv::test::clickLeftEnd(b);
        ASSERT_EQ(shown.size(), 1u) << b->objectName().toStdString();
        const Reply expected = answerReply(b->objectName());
        EXPECT_EQ(shown[0].caption, expected.caption);
        EXPECT_EQ(shown[0].message, expected.message);
        EXPECT_EQ(shown[0].background, QColor(0xBF, 0xDF, 0xFF));
        EXPECT_EQ(shown[0].okFace, QColor(0x00, 0xA3, 0xF0));
        EXPECT_TRUE(lastBox->lblDialog->text().isEmpty());
    }
    // Answers may be tried again, any number of times.
    shown.clear();
    tv::test::clickLeftEnd(window->no3);
    tv::test::clickLeftEnd(window->yes3);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].caption, QStringLiteral("Wrong"));
    EXPECT_EQ(shown[1].caption, QStringLiteral("Correct"));
}

TEST_F(Lesson, CheckTakesExactlyTheDigit)
{
    struct Case {
        const char* typed;
        const char* caption;
        const char* message;
    };
    const Case cases[] = {
        {"8", "Correct", "Congratulations, That's correct."},
        {"8 ", "Wrong", "Sorry, but that is incorrect."},
        {" 8", "Wrong", "Sorry, but that is incorrect."},
        {"", "Wrong", "Sorry, but that is incorrect."},
        {"3", "Wrong", "Sorry, but that is incorrect."},
    };
    bar()->setValue(bar()->maximum());
    for (const Case& c : cases) {
        window->edit1->clear();
        tv::test::typeInto(window->edit1, QString::fromLatin1(c.typed));
        shown.clear();
        tv::test::click(window->btn1);
        ASSERT_EQ(shown.size(), 1u) << '"' << c.typed << '"';
        EXPECT_EQ(shown[0].caption, QString::fromLatin1(c.caption)) << '"' << c.typed << '"';
        EXPECT_EQ(shown[0].message, QString::fromLatin1(c.message));
        EXPECT_EQ(shown[0].background, QColor(0xBF, 0xDF, 0xFF));
        EXPECT_TRUE(lastBox->lblDialog->text().isEmpty());
    }
}

TEST_F(Lesson, DefinitionLinksShowTheirDefinitionsBothPrimeLinksTheSame)
{
    struct Case {
        const char* text;
        int occurrence;
        const char* caption;
        const char* tag;
    };
    const Case cases[] = {
        {"factors", 0, "Factor", "factor"},     {"composite", 0, "Composite", "composite"},
        {"prime", 0, "Prime", "prime"},         {"prime", 1, "Prime", "prime"},
        {"composite", 1, "Composite", "composite"},
    };
    for (const Case& c : cases) {
        const int link = linkNumber(QString::fromLatin1(c.text), c.occurrence);
        ASSERT_GE(link, 0) << c.text;
        shown.clear();
        const int scrolled = bar()->value();
        emit window->RV->jump(link);
        ASSERT_EQ(shown.size(), 1u) << c.text;
        EXPECT_EQ(shown[0].caption, QString::fromLatin1(c.caption));
        EXPECT_EQ(shown[0].message, definitionFor(QString::fromLatin1(c.tag))->message);
        EXPECT_EQ(shown[0].background, QColor(0xBF, 0xDF, 0xFF));
        EXPECT_EQ(shown[0].okFace, QColor(0x00, 0xA3, 0xF0));
        EXPECT_EQ(bar()->value(), scrolled); // a definition does not scroll
    }
    EXPECT_EQ(linkNumber(QStringLiteral("prime"), 2), -1);
}

TEST_F(Lesson, GoToTheBeginningFromTheEndScrollsBackToTheFirstLine)
{
    ASSERT_GT(bar()->maximum(), 0);
    bar()->setValue(bar()->maximum());
    const int link = linkNumber(QStringLiteral("Go to the beginning."));
    ASSERT_EQ(link, window->RV->linkCount() - 1);
    emit window->RV->jump(link);
    // The anchor's line, the first, at the top edge: at most the page's
    // margin above it is out of view.
    EXPECT_LE(bar()->value(), window->RV->document()->documentMargin());
    EXPECT_TRUE(shown.empty());
}

TEST_F(Lesson, ExitClosesTheWindow)
{
    tv::test::click(window->NAGButton1);
    EXPECT_FALSE(window->isVisible());
}

// The box made at start-up is the one every lesson window fills; shown for
// real, it is modal, carries what the lesson set, and OK closes it.
TEST(LessonInfoBox, MadeOnceAtStartUpSharedAndClosedByOK)
{
    tv::WindowRegistry registry;
    tv::registerLessonsWindows(registry);
    tv::test::FakeActivityHost host;
    registry.runStartupHooks(&host.owner);
    ASSERT_NE(infoDialog, nullptr);
    TinfoDialog* made = infoDialog;
    EXPECT_EQ(made->parent(), &host.owner);
    // Until a caller sets its own: "Dialog" in the default colours.
    EXPECT_EQ(made->windowTitle(), QStringLiteral("Dialog"));
    EXPECT_EQ(made->background(), QColor(0xFE, 0xEA, 0xC0));
    EXPECT_EQ(made->okFace(), QColor(0xFF, 0xA4, 0x48));
    registry.runStartupHooks(&host.owner); // never a second box
    EXPECT_EQ(infoDialog, made);

    for (int i = 0; i < 2; ++i) {
        std::unique_ptr<QDialog> window(registry.create(QStringLiteral("TfrmDivisibilityRules"), host));
        auto* lesson = qobject_cast<TfrmDivisibilityRules*>(window.get());
        ASSERT_NE(lesson, nullptr);
        EXPECT_EQ(lesson->infoBox(), made);
        tv::test::showAndWait(*lesson);
        QString caption, message;
        QColor background;
        tv::test::whenModal([&](QWidget* modal) {
            caption = modal->windowTitle();
            if (auto* box = qobject_cast<TinfoDialog*>(modal)) {
                message = box->lblDialog->text();
                background = box->background();
                tv::test::click(box->OKBtn);
            } else {
                modal->close();
            }
        });
        lesson->yes2Click();
        EXPECT_EQ(caption, QStringLiteral("Correct"));
        EXPECT_EQ(message, QStringLiteral("Congratulations, That's correct!"));
        EXPECT_EQ(background, QColor(0xBF, 0xDF, 0xFF));
        EXPECT_FALSE(made->isVisible());
        EXPECT_TRUE(made->lblDialog->text().isEmpty());
    }
    delete infoDialog.data();
}
