// The sheet document view: items, links, control placement, anchors and the
// student's interaction with the text.
#include "sheets/RichDocument.h"

#include "sheets/SheetPicture.h"
#include "tests/support/WidgetHelpers.h"
#include "ui/Errors.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace tv;
using tv::test::showExposed;
using VA = RichDocument::VAlign;

namespace {

class RichDocumentTest : public ::testing::Test {
protected:
    void SetUp() override { rv.resize(600, 295); }

    // Viewport rectangle of the first occurrence of `text`.
    QRect textRect(const QString& text)
    {
        QTextCursor c = rv.document()->find(text);
        EXPECT_FALSE(c.isNull()) << text.toStdString();
        QTextCursor start(rv.document());
        start.setPosition(c.selectionStart());
        QTextCursor end(rv.document());
        end.setPosition(c.selectionEnd());
        const QRect a = rv.cursorRect(start);
        const QRect b = rv.cursorRect(end);
        return QRect(QPoint(a.left(), a.top()), QPoint(b.right(), a.bottom()));
    }

    void moveMouse(const QPoint& at)
    {
        QMouseEvent move(QEvent::MouseMove, at, rv.viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(rv.viewport(), &move);
    }

    int indexOf(QWidget* control) const
    {
        for (int i = 0; i < rv.itemCount(); ++i)
            if (rv.itemControl(i) == control)
                return i;
        return -1;
    }

    static QLabel* box(int w, int h)
    {
        auto* l = new QLabel;
        l->resize(w, h);
        return l;
    }

    RichDocument rv;
};

} // namespace

TEST_F(RichDocumentTest, LinksAreNumberedInDocumentOrderAndKeepTheirTags)
{
    rv.addText(QStringLiteral("Heading"), 1, 1);
    rv.addText(QStringLiteral("Intro "), 0, 0);
    rv.addTaggedText(QStringLiteral("TESTJUMP"), 4, 1, QStringLiteral("jump1"));
    rv.addTaggedText(QStringLiteral("not a link"), 10, -1, QStringLiteral("tagged"));
    rv.addCheckpoint(QStringLiteral("jump3"));
    rv.addTaggedText(QStringLiteral("WINDOW"), 5, -1, QStringLiteral("jump2"));

    ASSERT_EQ(rv.linkCount(), 2);
    EXPECT_EQ(rv.linkItemNo(0), 2); // the first link is the third item and still number 0
    EXPECT_EQ(rv.linkItemNo(1), 5);
    EXPECT_EQ(rv.itemTag(rv.linkItemNo(0)), QStringLiteral("jump1"));
    EXPECT_EQ(rv.itemText(rv.linkItemNo(1)), QStringLiteral("WINDOW"));
    EXPECT_EQ(rv.itemTag(3), QStringLiteral("tagged")); // a tag outside a link style is kept too
    EXPECT_EQ(rv.itemTag(1), QString());
    EXPECT_EQ(rv.itemKind(4), RichDocument::ItemKind::Checkpoint);
    EXPECT_EQ(rv.itemText(4), QStringLiteral("jump3"));
    EXPECT_EQ(rv.linkItemNo(2), -1);
    EXPECT_EQ(rv.linkItemNo(-1), -1);
    EXPECT_EQ(rv.itemTag(99), QString());
    EXPECT_EQ(rv.itemText(-1), QString());
}

TEST_F(RichDocumentTest, StylesAndParagraphModesTheTableLacksAreRefused)
{
    rv.setStyleTable(StyleTable::orderOfOperations());
    EXPECT_NO_THROW(rv.addText(QStringLiteral("ok"), 12, 2));
    for (int style : {13, 16, 18, -1})
        EXPECT_THROW(rv.addText(QStringLiteral("x"), style, 0), tv::Error) << style;
    EXPECT_THROW(rv.addText(QStringLiteral("x"), 0, 4), tv::Error);
    EXPECT_THROW(rv.addControl(nullptr, 0, VA::Middle), tv::Error);
    EXPECT_EQ(rv.itemCount(), 1);
}

TEST_F(RichDocumentTest, ParagraphModesMapToBlocksWithTheirStyles)
{
    rv.addText(QStringLiteral("1.   Question"), 12, 2);
    rv.addText(QStringLiteral(" goes on"), 0, -1);
    rv.addText(QString(), 0, 0);
    rv.addText(QStringLiteral(" "), 0, 0);
    rv.addText(QStringLiteral("choice"), 0, 3);
    rv.addText(QStringLiteral("centre"), 0, 1);
    showExposed(rv);
    rv.formatDocument();

    QTextDocument* doc = rv.document();
    ASSERT_EQ(doc->blockCount(), 5); // two empty lines between the question and its choice
    const QTextBlock q = doc->begin();
    EXPECT_EQ(q.text(), QStringLiteral("1.   Question goes on"));
    EXPECT_EQ(q.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    EXPECT_EQ(q.blockFormat().leftMargin(), 30);
    EXPECT_EQ(q.blockFormat().textIndent(), -30);
    const QTextBlock choice = doc->findBlockByNumber(3);
    EXPECT_EQ(choice.text(), QStringLiteral("choice"));
    EXPECT_EQ(choice.blockFormat().leftMargin(), 48);
    EXPECT_EQ(choice.blockFormat().textIndent(), -18);
    EXPECT_EQ(doc->findBlockByNumber(4).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    // The empty lines are as tall as a line of their style.
    EXPECT_GT(doc->documentLayout()->blockBoundingRect(doc->findBlockByNumber(1)).height(), 10);
}

TEST_F(RichDocumentTest, GreekAndRaisedStylesShowAsTheyShould)
{
    rv.addText(QStringLiteral("Area = "), 0, 0);
    rv.addText(QStringLiteral("p"), 16, -1);
    rv.addText(QStringLiteral("r"), 0, -1);
    rv.addText(QStringLiteral("2"), 15, -1);
    rv.formatDocument();

    EXPECT_EQ(rv.document()->toPlainText(), QStringLiteral("Area = πr2"));
    EXPECT_EQ(rv.itemText(1), QStringLiteral("p")); // the item keeps what the sheet wrote
    QTextCursor c(rv.document());
    c.setPosition(10); // after the "2"
    EXPECT_DOUBLE_EQ(c.charFormat().baselineOffset(), 60);
    EXPECT_EQ(c.charFormat().fontPointSize(), 10);
    c.setPosition(8); // after the π
    EXPECT_EQ(c.charFormat().fontPointSize(), 14);
    EXPECT_EQ(c.charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(c.charFormat().foreground().color(), QColor(0, 0, 255));
    // A face that really has the Greek letter, not a replacement box.
    EXPECT_TRUE(QFontMetrics(c.charFormat().font()).inFont(QChar(u'π')));
}

TEST_F(RichDocumentTest, ControlsAreHiddenUntilLaidOutThenShownEvenIfStoredHidden)
{
    auto* hidden = box(30, 20);
    hidden->hide();
    auto* plain = box(30, 20);
    rv.addControl(hidden, 0, VA::Middle);
    rv.addControl(plain, -1, VA::Baseline);
    showExposed(rv);
    EXPECT_EQ(hidden->parentWidget(), rv.viewport());
    EXPECT_FALSE(hidden->isVisible());
    EXPECT_FALSE(plain->isVisible());
    rv.formatDocument();
    EXPECT_TRUE(hidden->isVisible());
    EXPECT_TRUE(plain->isVisible());
    EXPECT_EQ(hidden->size(), QSize(30, 20)); // keeps its own size
    EXPECT_EQ(rv.controls(), (std::vector<QWidget*>{hidden, plain}));
}

TEST_F(RichDocumentTest, ControlsKeepTheirOwnFieldColourNotTheDocumentsOne)
{
    auto* plain = new QLineEdit;
    auto* coloured = new QLineEdit;
    QPalette p = coloured->palette();
    p.setColor(QPalette::Base, QColor(0xFF, 0xFB, 0xF0));
    coloured->setPalette(p);
    rv.addControl(plain, 0, VA::Middle);
    rv.addControl(coloured, 0, VA::Middle);
    EXPECT_EQ(rv.viewport()->palette().color(QPalette::Base), rv.backgroundColor());
    EXPECT_EQ(plain->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
    EXPECT_EQ(coloured->palette().color(QPalette::Base), QColor(0xFF, 0xFB, 0xF0));
}

TEST_F(RichDocumentTest, InlineControlStandsOnThePromptLineCentredOneOnALineOfItsOwn)
{
    rv.addText(QStringLiteral("1.   What is 2+2?"), 12, 2);
    auto* inlinePic = box(40, 24);
    rv.addControl(inlinePic, -1, VA::Middle);
    rv.addText(QString(), 0, 0);
    auto* centred = box(40, 24);
    rv.addControl(centred, 1, VA::Middle);
    showExposed(rv);
    rv.formatDocument();

    const QRect prompt = textRect(QStringLiteral("1.   What is 2+2?"));
    const QRect a = inlinePic->geometry();
    EXPECT_GE(a.left(), prompt.right() - 1);
    EXPECT_LE(std::abs(a.center().y() - prompt.center().y()), 3) << "on the prompt's line";
    const QRect b = centred->geometry();
    EXPECT_LE(std::abs(b.center().x() - rv.viewport()->width() / 2), 1) << "centred";
    EXPECT_GT(b.top(), a.bottom());
}

TEST_F(RichDocumentTest, ControlsCoverExactlyThePlaceTheTextPaintsForThem)
{
    rv.addText(QStringLiteral("1.   A prompt long enough to be followed by pictures in the same line of text"), 12, 2);
    QWidget* middle = box(36, 30);
    QWidget* base = box(20, 14);
    QWidget* tall = box(50, 60);
    rv.addControl(middle, -1, VA::Middle);
    rv.addText(QStringLiteral(" and "), 0, -1);
    rv.addControl(base, -1, VA::Baseline);
    for (int i = 0; i < 30; ++i)
        rv.addText(QStringLiteral("Line %1 of filler text").arg(i), 0, 0);
    rv.addControl(tall, 1, VA::Baseline);
    rv.addText(QStringLiteral("after"), 0, 0);
    showExposed(rv);
    rv.formatDocument();

    const auto check = [&](QWidget* w) {
        const QRectF painted = rv.paintedPlace(indexOf(w));
        ASSERT_FALSE(painted.isEmpty()) << "painted";
        const QPoint scroll(rv.horizontalScrollBar()->value(), rv.verticalScrollBar()->value());
        const QRect at = w->geometry().translated(scroll);
        EXPECT_LE(std::abs(at.x() - painted.x()), 0.5);
        EXPECT_LE(std::abs(at.y() - painted.y()), 0.5);
        EXPECT_EQ(QSizeF(at.size()), painted.size());
    };
    rv.viewport()->grab(); // paints the text
    check(middle);
    check(base);
    // The two alignments really differ: a small baseline object sits lower
    // than the centre of its line.
    EXPECT_GT(base->geometry().bottom(), middle->geometry().center().y());

    rv.verticalScrollBar()->setValue(rv.verticalScrollBar()->maximum());
    rv.viewport()->grab();
    check(tall);
    EXPECT_TRUE(rv.viewport()->rect().intersects(tall->geometry()));

    rv.resize(420, 295); // rewrapped: the places move and the controls follow
    QApplication::processEvents();
    rv.viewport()->grab();
    check(tall);
}

TEST_F(RichDocumentTest, AllRadioButtonsOfADocumentFormOneExclusiveGroup)
{
    auto* a = new QRadioButton(QStringLiteral("150"));
    auto* b = new QRadioButton(QStringLiteral("38"));
    auto* c = new QRadioButton(QStringLiteral("78"));
    rv.addText(QStringLiteral("1.  Q"), 12, 2);
    rv.addControl(a, 3, VA::Middle);
    rv.addText(QStringLiteral("2.  Q"), 12, 2);
    rv.addControl(b, 3, VA::Middle);
    rv.addControl(c, 3, VA::Middle);
    showExposed(rv);
    rv.formatDocument();
    QTest::mouseClick(a, Qt::LeftButton);
    EXPECT_TRUE(a->isChecked());
    QTest::mouseClick(c, Qt::LeftButton);
    EXPECT_TRUE(c->isChecked());
    EXPECT_FALSE(a->isChecked()) << "the dot of the earlier question goes";
    EXPECT_FALSE(b->isChecked());
}

TEST_F(RichDocumentTest, TabWalksTheControlsInReadingOrder)
{
    auto* a = new QRadioButton(QStringLiteral("A"));
    auto* b = new QRadioButton(QStringLiteral("B"));
    auto* edit = new QLineEdit;
    auto* disabled = new QRadioButton(QStringLiteral("D"));
    disabled->setEnabled(false);
    auto* last = new QRadioButton(QStringLiteral("E"));
    rv.addTaggedText(QStringLiteral("a link"), 4, 0, QStringLiteral("jump1"));
    rv.addControl(a, 3, VA::Middle);
    rv.addControl(b, 3, VA::Middle);
    rv.addControl(edit, 0, VA::Middle);
    rv.addControl(disabled, 3, VA::Middle);
    rv.addControl(last, 3, VA::Middle);
    showExposed(rv);
    rv.formatDocument();
    rv.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&rv));

    a->setChecked(true); // the focus chain alone would now skip B
    a->setFocus();
    QTest::keyClick(a, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), b);
    QTest::keyClick(b, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), edit);
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), last) << "disabled controls are passed over";
    QTest::keyClick(last, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), edit);

    EXPECT_EQ(rv.nextControl(nullptr), a);
    EXPECT_EQ(rv.nextControl(last), nullptr);
    EXPECT_EQ(rv.nextControl(nullptr, false), last);
    EXPECT_EQ(rv.nextControl(b, false), a);
}

TEST_F(RichDocumentTest, AClickOnALinkReportsItsNumber)
{
    rv.addText(QStringLiteral("Read "), 0, 0);
    rv.addTaggedText(QStringLiteral("FIRSTLINK"), 4, -1, QStringLiteral("jump1"));
    rv.addText(QStringLiteral(" or "), 0, -1);
    rv.addTaggedText(QStringLiteral("SECONDLINK"), 5, -1, QStringLiteral("jump2"));
    showExposed(rv);
    rv.formatDocument();
    QSignalSpy spy(&rv, &RichDocument::jump);

    QTest::mouseClick(rv.viewport(), Qt::LeftButton, {}, textRect(QStringLiteral("SECONDLINK")).center());
    QTest::mouseClick(rv.viewport(), Qt::LeftButton, {}, textRect(QStringLiteral("FIRSTLINK")).center());
    QTest::mouseClick(rv.viewport(), Qt::LeftButton, {}, textRect(QStringLiteral("Read")).center());
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy[0][0].toInt(), 1);
    EXPECT_EQ(spy[1][0].toInt(), 0);
    EXPECT_EQ(rv.itemTag(rv.linkItemNo(spy[0][0].toInt())), QStringLiteral("jump2"));
}

TEST_F(RichDocumentTest, HoverColourOnlyForJumpOneButTheHandForBoth)
{
    rv.addTaggedText(QStringLiteral("HOVERME"), 4, 0, QStringLiteral("a"));
    rv.addText(QStringLiteral("  plain  "), 0, -1);
    rv.addTaggedText(QStringLiteral("STAYBLUE"), 5, -1, QStringLiteral("b"));
    showExposed(rv);
    rv.formatDocument();

    moveMouse(textRect(QStringLiteral("HOVERME")).center());
    ASSERT_EQ(rv.extraSelections().size(), 1);
    const auto sel = rv.extraSelections().front();
    EXPECT_EQ(sel.format.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(sel.cursor.selectedText(), QStringLiteral("HOVERME"));
    EXPECT_EQ(rv.viewport()->cursor().shape(), Qt::PointingHandCursor);

    moveMouse(textRect(QStringLiteral("plain")).center());
    EXPECT_TRUE(rv.extraSelections().isEmpty());
    EXPECT_NE(rv.viewport()->cursor().shape(), Qt::PointingHandCursor);

    moveMouse(textRect(QStringLiteral("STAYBLUE")).center());
    EXPECT_TRUE(rv.extraSelections().isEmpty());
    EXPECT_EQ(rv.viewport()->cursor().shape(), Qt::PointingHandCursor);
    // The document itself never changes colour.
    EXPECT_EQ(rv.document()->find(QStringLiteral("HOVERME")).charFormat().foreground().color(), QColor(0, 0, 255));
}

TEST_F(RichDocumentTest, ScrollingToAnAnchorPutsItAtTheTopAsFarAsTheLengthAllows)
{
    rv.addText(QStringLiteral("Top"), 1, 1);
    for (int i = 0; i < 60; ++i) {
        if (i == 20)
            rv.addCheckpoint(QStringLiteral("jump1"));
        if (i == 58)
            rv.addCheckpoint(QStringLiteral("jump2"));
        rv.addText(QStringLiteral("Paragraph %1").arg(i), 0, 0);
    }
    rv.addCheckpoint(QStringLiteral("atEnd"));
    showExposed(rv);
    rv.formatDocument();
    QScrollBar* bar = rv.verticalScrollBar();
    EXPECT_EQ(bar->value(), 0) << "a sheet opens at its top";

    rv.scrollToCheckpoint(QStringLiteral("jump1"));
    EXPECT_GT(bar->value(), 0);
    EXPECT_LE(std::abs(textRect(QStringLiteral("Paragraph 20")).top()), 1);

    rv.scrollToCheckpoint(0);
    EXPECT_LE(std::abs(textRect(QStringLiteral("Paragraph 20")).top()), 1) << "by number as by name";

    rv.scrollToCheckpoint(QStringLiteral("jump2"));
    EXPECT_EQ(bar->value(), bar->maximum()) << "near the end the end shows";
    EXPECT_GT(textRect(QStringLiteral("Paragraph 58")).top(), 1);

    rv.scrollToCheckpoint(QStringLiteral("jump1"));
    const int at = bar->value();
    rv.scrollToCheckpoint(QStringLiteral("nowhere"));
    rv.scrollToCheckpoint(7);
    EXPECT_EQ(bar->value(), at) << "unknown anchors are ignored";
    EXPECT_EQ(rv.checkpointCount(), 3);
    EXPECT_EQ(rv.checkpointName(1), QStringLiteral("jump2"));
}

TEST_F(RichDocumentTest, DoubleClickSelectsAWordBetweenTheSheetDelimitersRightClickClears)
{
    rv.addText(QStringLiteral("Work out (x+y)/2 first."), 0, 0);
    showExposed(rv);
    rv.formatDocument();
    const QRect r = textRect(QStringLiteral("x+y"));
    QTest::mouseDClick(rv.viewport(), Qt::LeftButton, {}, QPoint(r.left() + 2, r.center().y()));
    EXPECT_EQ(rv.textCursor().selectedText(), QStringLiteral("x+y"));

    QTest::mouseClick(rv.viewport(), Qt::RightButton, {}, r.center());
    EXPECT_FALSE(rv.textCursor().hasSelection());
    EXPECT_EQ(rv.document()->toPlainText(), QStringLiteral("Work out (x+y)/2 first.")) << "read-only";
    QTest::keyClicks(rv.viewport(), QStringLiteral("zz"));
    EXPECT_EQ(rv.document()->toPlainText(), QStringLiteral("Work out (x+y)/2 first."));
}

TEST_F(RichDocumentTest, CopiedTextLeavesOutThePlacesOfControls)
{
    rv.addText(QStringLiteral("1.  Pick"), 12, 2);
    rv.addControl(box(10, 10), -1, VA::Middle);
    rv.addText(QStringLiteral(" one"), 0, -1);
    showExposed(rv);
    rv.formatDocument();
    rv.selectAll();
    rv.copy();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("1.  Pick one"));
}

TEST_F(RichDocumentTest, RulesSpanTheTextWidthInTheirColour)
{
    rv.addText(QStringLiteral("Above"), 0, 0);
    rv.addLine(3, QColor(255, 0, 0));
    rv.addText(QStringLiteral("Below"), 0, -1); // continuing after a rule still starts a paragraph
    showExposed(rv);
    rv.formatDocument();
    ASSERT_EQ(rv.document()->blockCount(), 3);
    EXPECT_EQ(rv.itemKind(1), RichDocument::ItemKind::Rule);

    const QImage shot = rv.viewport()->grab().toImage();
    int redRows = 0;
    for (int y = 0; y < shot.height(); ++y) {
        int red = 0;
        for (int x = 0; x < shot.width(); ++x)
            red += shot.pixelColor(x, y) == QColor(255, 0, 0);
        if (red >= shot.width() - 2 * 5 - 2)
            ++redRows;
    }
    EXPECT_EQ(redRows, 3);
}

TEST_F(RichDocumentTest, ClearingRemovesEverythingAndTheDocumentCanBeBuiltAgain)
{
    QPointer<QLabel> control = box(20, 20);
    rv.addTaggedText(QStringLiteral("link"), 4, 0, QStringLiteral("t"));
    rv.addControl(control, -1, VA::Middle);
    rv.addCheckpoint(QStringLiteral("c"));
    showExposed(rv);
    rv.formatDocument();
    rv.clearDocument();
    EXPECT_EQ(rv.itemCount(), 0);
    EXPECT_EQ(rv.linkCount(), 0);
    EXPECT_EQ(rv.checkpointCount(), 0);
    EXPECT_TRUE(rv.document()->toPlainText().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(control.isNull());

    rv.addTaggedText(QStringLiteral("again"), 5, 0, QStringLiteral("u"));
    rv.formatDocument();
    EXPECT_EQ(rv.linkItemNo(0), 0);
    EXPECT_EQ(rv.document()->toPlainText(), QStringLiteral("again"));
}

TEST_F(RichDocumentTest, SheetLookBackgroundTileScrollsWithTheText)
{
    EXPECT_EQ(rv.backgroundColor(), QColor(0xE3, 0xD5, 0xA6));
    EXPECT_EQ(rv.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(rv.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(rv.document()->documentMargin(), 5);
    rv.addText(QStringLiteral("x"), 0, 0);
    rv.formatDocument();
    const QBrush tile = rv.document()->rootFrame()->frameFormat().background();
    EXPECT_FALSE(tile.texture().isNull()) << "the tile lies on the document, so it scrolls with it";
    rv.setBackgroundTile(QPixmap());
    EXPECT_EQ(rv.document()->rootFrame()->frameFormat().background().style(), Qt::NoBrush);
}
