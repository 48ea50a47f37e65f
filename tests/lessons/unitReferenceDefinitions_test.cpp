// The Definitions window: its index links lead to their sections, "Return to
// Top" leads back, and the illustrations and Greek letters show as drawn.
#include "lessons/GlossaryContent.h"
#include "lessons/unitReferenceDefinitions.h"
#include "sheets/RichDocument.h"
#include "sheets/SheetPicture.h"
#include "tests/support/WidgetHelpers.h"
#include "ui/Components.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFontMetricsF>
#include <QFrame>
#include <QLineF>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <QtMath>

#include <algorithm>
#include <memory>

using tv::RichDocument;
using tv::TfrmReferenceDefinitions;
namespace glossary = tv::glossary;

namespace {

QString term(int k) { return QString::fromUtf16(glossary::entries()[static_cast<size_t>(k)].term); }

class DefinitionsWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        w = std::make_unique<TfrmReferenceDefinitions>();
        tv::test::showAndWait(*w);
        view = w->RichView1;
        // The view takes the laid-out length into its scroll range a moment
        // after the layout, as it would long before a student clicks.
        const auto settled = [this] {
            const int length = qCeil(view->document()->documentLayout()->documentSize().height());
            return bar()->maximum() == std::max(0, length - view->viewport()->height());
        };
        for (int i = 0; i < 100 && !settled(); ++i)
            QTest::qWait(10);
        ASSERT_TRUE(settled());
    }

    QScrollBar* bar() const { return view->verticalScrollBar(); }

    // The laid-out block of the section heading of the (k+1)-th term and the
    // top of the rule just above it (where its anchor stands).
    QTextBlock headingBlock(int k) const
    {
        const QString heading = glossary::heading(glossary::entries()[static_cast<size_t>(k)]);
        for (QTextBlock b = view->document()->begin(); b.isValid(); b = b.next())
            if (b.text() == heading && b.previous().text() == QString(QChar::ObjectReplacementCharacter))
                return b;
        return {};
    }
    qreal top(const QTextBlock& b) const { return view->document()->documentLayout()->blockBoundingRect(b).top(); }
    int expectedScrollFor(int k) const
    {
        return std::min(qRound(top(headingBlock(k).previous())), bar()->maximum());
    }

    // A real click on the index entry of term k.
    void clickIndexEntry(int k)
    {
        const QTextCursor found = view->document()->find(term(k), 0, QTextDocument::FindCaseSensitively);
        ASSERT_FALSE(found.isNull()) << term(k).toStdString();
        view->setTextCursor(found);
        view->ensureCursorVisible();
        QTextCursor inside = found;
        inside.setPosition(found.selectionStart() + 1);
        const QPoint at = view->cursorRect(inside).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    }

    std::unique_ptr<TfrmReferenceDefinitions> w;
    RichDocument* view = nullptr;
};

} // namespace

TEST_F(DefinitionsWindow, IsBuiltAsItsPanelsSay)
{
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Tallyvale  -  Mathematics Definitions"));
    EXPECT_EQ(w->size(), QSize(597, 434));
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_EQ(w->lblTitle->text(), QStringLiteral("Definitions"));
    EXPECT_EQ(w->lblTitle->effect(), tv::EffectLabel::Effect::Lowered);
    EXPECT_EQ(w->NAGButton2->text(), QStringLiteral("Return to Top"));
    EXPECT_EQ(w->NAGButton2->geometry().topLeft(), QPoint(226, 40));
    EXPECT_EQ(w->NAGButton2->width(), 115);
    EXPECT_EQ(w->NAGButton2->faceColor(), QColor(0xC9, 0x89, 0x05));
    EXPECT_EQ(w->NAGButton1->text(), QStringLiteral("Exit"));
    EXPECT_EQ(w->NAGButton1->geometry().topLeft(), QPoint(254, 406));
    EXPECT_EQ(w->NAGButton1->width(), 73);
    EXPECT_EQ(w->panel->geometry(), QRect(4, 70, 589, 333));
    EXPECT_EQ(view->parentWidget(), w->panel);
    EXPECT_EQ(view->backgroundColor(), QColor(0xFE, 0xEC, 0xB4));
}

// The panel's colour, not a grey bevel, frames the view on all four sides.
TEST_F(DefinitionsWindow, PanelColourShowsAsAFourPixelBorderRoundTheView)
{
    EXPECT_EQ(view->geometry(), w->panel->rect().adjusted(4, 4, -4, -4));
    const QImage panel = w->panel->grab().toImage();
    const QColor colour(0xD8, 0xC2, 0x9C);
    const int midX = panel.width() / 2, midY = panel.height() / 2;
    for (const QPoint p : {QPoint(1, midY), QPoint(panel.width() - 2, midY), QPoint(midX, 1),
                           QPoint(midX, panel.height() - 2)})
        EXPECT_EQ(panel.pixelColor(p), colour) << p.x() << "," << p.y();
}

TEST_F(DefinitionsWindow, StyleTableHasTwelveStylesWithOneLinkStyle)
{
    const tv::StyleTable t = TfrmReferenceDefinitions::RVStyle1();
    ASSERT_EQ(t.text.size(), 12u);
    ASSERT_EQ(t.paragraphs.size(), 2u);
    EXPECT_EQ(t.paragraphs[1].align, tv::ParaStyle::Align::Centre);
    for (size_t i = 0; i < t.text.size(); ++i) {
        EXPECT_EQ(t.text[i].name, QStringLiteral("Font Style"));
        EXPECT_EQ(t.text[i].link, i == 4) << i;
        EXPECT_EQ(t.text[i].greek, i == 8 || i == 11) << i;
    }
    EXPECT_EQ(t.text[0].fontName, QStringLiteral("Times New Roman"));
    EXPECT_EQ(t.text[2].color, QColor(0x80, 0, 0));
    EXPECT_TRUE(t.text[6].bold);
    EXPECT_EQ(t.text[6].color, QColor(0xFF, 0, 0));
    EXPECT_TRUE(t.text[10].italic);
}

TEST_F(DefinitionsWindow, IndexHasTheSeventySevenLinksInOrder)
{
    ASSERT_EQ(view->linkCount(), glossary::kTermCount);
    for (int n = 0; n < view->linkCount(); ++n) {
        const int item = view->linkItemNo(n);
        EXPECT_EQ(view->itemText(item), term(n)) << n;
        EXPECT_EQ(view->itemTag(item), term(n)) << n;
        EXPECT_EQ(view->itemStyle(item), glossary::IndexEntry) << n;
        // each entry on a line of its own, after three blanks
        EXPECT_EQ(view->itemText(item - 1), QStringLiteral("   ")) << n;
        EXPECT_EQ(view->itemParaMode(item - 1), 0) << n;
        EXPECT_EQ(view->itemParaMode(item), tv::kContinueParagraph) << n;
    }
}

TEST_F(DefinitionsWindow, EveryTermHasItsSectionUnderItsAnchor)
{
    ASSERT_EQ(view->checkpointCount(), glossary::kTermCount + 1);
    EXPECT_EQ(view->checkpointName(0), QStringLiteral("Top Of Page"));
    int k = 0;
    for (int i = 0; i < view->itemCount(); ++i) {
        if (view->itemKind(i) != RichDocument::ItemKind::Checkpoint || view->itemText(i) == u"Top Of Page")
            continue;
        ASSERT_LT(k, glossary::kTermCount);
        EXPECT_EQ(view->checkpointName(k + 1), term(k));
        EXPECT_EQ(view->itemText(i), term(k));
        ASSERT_EQ(view->itemKind(i + 1), RichDocument::ItemKind::Rule) << term(k).toStdString();
        EXPECT_EQ(view->itemKind(i + 2), RichDocument::ItemKind::Text);
        EXPECT_EQ(view->itemStyle(i + 2), glossary::TermHeading);
        EXPECT_EQ(view->itemText(i + 2), glossary::heading(glossary::entries()[static_cast<size_t>(k)]));
        EXPECT_TRUE(headingBlock(k).isValid()) << term(k).toStdString();
        ++k;
    }
    EXPECT_EQ(k, glossary::kTermCount);
}

TEST_F(DefinitionsWindow, LinkNScrollsAnchorNPlusOneToTheTop)
{
    for (int n = 0; n < glossary::kTermCount; ++n) {
        bar()->setValue(0);
        emit view->jump(n);
        EXPECT_EQ(bar()->value(), expectedScrollFor(n)) << "link " << n << " " << term(n).toStdString();
        const qreal headingOnScreen = top(headingBlock(n)) - bar()->value();
        EXPECT_GE(headingOnScreen, 0) << term(n).toStdString();
        EXPECT_LT(headingOnScreen, view->viewport()->height()) << term(n).toStdString();
    }
}

TEST_F(DefinitionsWindow, ClickingTheFirstAndLastEntriesReachesTheirSections)
{
    clickIndexEntry(0);
    EXPECT_EQ(bar()->value(), expectedScrollFor(0));
    EXPECT_GT(bar()->value(), 0) << "the first section, not the title";

    bar()->setValue(0);
    clickIndexEntry(glossary::kTermCount - 1);
    // The last section is shorter than the view: the document's end shows.
    EXPECT_EQ(bar()->value(), bar()->maximum());
    EXPECT_LT(bar()->maximum(), qRound(top(headingBlock(glossary::kTermCount - 1).previous())));
    EXPECT_LT(top(headingBlock(glossary::kTermCount - 1)) - bar()->value(), view->viewport()->height());
}

TEST_F(DefinitionsWindow, ReturnToTopShowsTheTitleAndIndex)
{
    for (int n : {0, 40, 76}) {
        emit view->jump(n);
        ASSERT_GT(bar()->value(), 0);
        tv::test::click(w->NAGButton2);
        // the top anchor's line (the first, below the document's margin) at the top edge
        EXPECT_EQ(bar()->value(), qRound(top(view->document()->begin()))) << "after link " << n;
    }
    // the title and the first index entries are on screen
    const QTextCursor title = view->document()->find(QStringLiteral("Mathematics Definitions"));
    ASSERT_FALSE(title.isNull());
    EXPECT_LT(view->cursorRect(title).bottom(), view->viewport()->height());
    const QTextCursor first = view->document()->find(term(0));
    EXPECT_LT(view->cursorRect(first).bottom(), view->viewport()->height());
}

TEST_F(DefinitionsWindow, IllustrationsStandInTheirTermsAtNaturalSize)
{
    ASSERT_EQ(w->images.size(), static_cast<size_t>(glossary::kIllustrationCount));
    const int textWidth = view->viewport()->width() - 2 * 5;
    int k = -1;
    size_t next = 0;
    std::vector<QString> wanted;
    for (int i = 0; i < view->itemCount(); ++i) {
        if (view->itemKind(i) == RichDocument::ItemKind::Checkpoint && i > 0) {
            EXPECT_TRUE(wanted.empty()) << "missing in " << term(k).toStdString();
            ++k;
            wanted = glossary::illustrations(glossary::entries()[static_cast<size_t>(k)]);
        }
        QWidget* control = view->itemControl(i);
        if (!control)
            continue;
        ASSERT_LT(next, w->images.size());
        auto* picture = w->images[next];
        EXPECT_EQ(control, picture);
        EXPECT_EQ(picture->objectName(), QStringLiteral("Image%1").arg(next + 1));
        ASSERT_FALSE(wanted.empty()) << "an illustration in " << term(k).toStdString();
        EXPECT_EQ(picture->resource(), wanted.front()) << term(k).toStdString();
        wanted.erase(wanted.begin());
        EXPECT_EQ(view->itemParaMode(i), 1) << "centred";
        EXPECT_EQ(picture->size(), tv::SheetPicture::naturalSize(picture->resource())) << picture->resource().toStdString();
        EXPECT_LE(picture->width(), textWidth) << picture->resource().toStdString();
        EXPECT_FALSE(picture->currentImage().isNull());
        ++next;
    }
    EXPECT_TRUE(wanted.empty()) << "missing in " << term(k).toStdString();
    EXPECT_EQ(next, w->images.size());
}

TEST_F(DefinitionsWindow, IllustrationsAreReadableAtDisplaySize)
{
    // Text at least 11 px, lines at least 1.5 px, one accent colour.
    const QRegularExpression fontSize(QStringLiteral("font-size=\"([0-9.]+)\""));
    const QRegularExpression stroke(QStringLiteral("stroke-width=\"([0-9.]+)\""));
    const QRegularExpression colour(QStringLiteral("#[0-9A-Fa-f]{6}"));
    for (const auto* picture : w->images) {
        QFile f(picture->resource());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << picture->resource().toStdString();
        const QString svg = QString::fromUtf8(f.readAll());
        const std::string name = picture->resource().toStdString();
        int texts = 0;
        for (auto it = fontSize.globalMatch(svg); it.hasNext(); ++texts)
            EXPECT_GE(it.next().captured(1).toDouble(), 11.0) << name;
        EXPECT_GT(texts, 0) << name << " is labelled";
        for (auto it = stroke.globalMatch(svg); it.hasNext();)
            EXPECT_GE(it.next().captured(1).toDouble(), 1.5) << name;
        QSet<QString> accents;
        for (auto it = colour.globalMatch(svg); it.hasNext();) {
            const QColor c(it.next().captured(0));
            if (c.hsvSaturation() > 128)
                accents << c.name();
        }
        EXPECT_EQ(accents.size(), 1) << name;
    }
}

// A triangle whose sides are labelled is drawn to those measures, so the
// picture shows the shape the words describe (a 5-5-8 triangle is flat).
TEST_F(DefinitionsWindow, LabelledTrianglesAreDrawnToTheirMeasures)
{
    struct Case {
        const char* file;
        double sides[3]; // first, second and third edge of the outline, in its point order
    };
    const Case cases[] = {
        {"isosceles-triangle.svg", {5, 8, 5}},
        {"perimeter-triangle.svg", {4, 3, 5}},
        {"herons-formula.svg", {14, 13, 15}},
    };
    const QRegularExpression polygon(QStringLiteral("<polygon points=\"([^\"]+)\""));
    for (const Case& c : cases) {
        QFile f(QString::fromUtf16(glossary::kPictureFolder) + QString::fromLatin1(c.file));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << c.file;
        const QRegularExpressionMatch m = polygon.match(QString::fromUtf8(f.readAll()));
        ASSERT_TRUE(m.hasMatch()) << c.file;
        std::vector<QPointF> points;
        for (const QString& pair : m.captured(1).split(u' ', Qt::SkipEmptyParts)) {
            const QStringList xy = pair.split(u',');
            ASSERT_EQ(xy.size(), 2) << c.file;
            points.emplace_back(xy[0].toDouble(), xy[1].toDouble());
        }
        ASSERT_EQ(points.size(), 3u) << c.file;
        const auto edge = [&](size_t i) { return QLineF(points[i], points[(i + 1) % 3]).length(); };
        const double scale = edge(0) / c.sides[0];
        for (size_t i = 0; i < 3; ++i)
            EXPECT_NEAR(edge(i) / c.sides[i], scale, 0.02 * scale) << c.file << " edge " << i;
    }
}

TEST_F(DefinitionsWindow, GreekLettersShowAsGreekCharacters)
{
    const QString text = view->document()->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Pi (π) is the circumference")));
    EXPECT_TRUE(text.contains(QStringLiteral("named α (alpha)")));
    EXPECT_TRUE(text.contains(QStringLiteral("πr²")));
    // every Greek run is shown as a Greek letter in a face that has it
    int greek = 0;
    for (QTextBlock b = view->document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            for (QChar c : frag.text()) {
                if (c.script() != QChar::Script_Greek)
                    continue;
                ++greek;
                EXPECT_TRUE(QFontMetricsF(frag.charFormat().font()).inFont(c)) << QString(c).toStdString();
            }
        }
    }
    EXPECT_GE(greek, 4);
    for (int i = 0; i < view->itemCount(); ++i) {
        const int style = view->itemStyle(i);
        if (style == glossary::GreekLetter || style == glossary::GreekExample) {
            EXPECT_EQ(tv::symbolToGreek(view->itemText(i)).front().script(), QChar::Script_Greek) << i;
        }
    }
}

TEST_F(DefinitionsWindow, ExitClosesTheWindow)
{
    tv::test::click(w->NAGButton1);
    EXPECT_FALSE(w->isVisible());
}
