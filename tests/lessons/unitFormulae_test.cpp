// The formulae window: its six sections in order, the eleven pictures at
// the size they are shown (drawn for it, nothing cut off), and the
// "Return To Top" button that does nothing.
#include "lessons/FormulaPictures.h"
#include "lessons/unitFormulae.h"
#include "sheets/RichDocument.h"
#include "sheets/SheetPicture.h"
#include "tests/support/WidgetHelpers.h"
#include "ui/Components.h"
#include "ui/Errors.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QPushButton>
#include <QScrollBar>

#include <memory>

using namespace tv::lessons;
using tv::RichDocument;
using tv::SheetPicture;

namespace {

// The rectangle of `image` that holds ink (pixels not fully transparent).
QRect inkBounds(const QImage& image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 24)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

struct PictureCase {
    const char* name;
    QSize size;
};
// The display sizes of the eleven pictures.
const PictureCase kPictures[] = {
    {"imgFormulaAreaRectangle", {205, 21}},  {"imgRectangle", {275, 143}},
    {"imgFormulaAreaCircle", {131, 25}},     {"imgCircle", {265, 241}},
    {"imgFormulaAreaRightTriangle", {229, 53}}, {"imgRightTriangle", {177, 229}},
    {"imgHeronsFormula", {447, 61}},         {"imgTriangle", {179, 133}},
    {"imgFormulaParallelogram", {183, 25}},  {"imgParallelogram", {309, 163}},
    {"imgFormulaTrapezoid", {547, 133}},
};

class Formulae : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<TfrmFormulae>();
        tv::test::showAndWait(*window);
    }
    std::unique_ptr<TfrmFormulae> window;
};

} // namespace

TEST_F(Formulae, DocumentHasNoLinksAndNoAnchors)
{
    EXPECT_EQ(window->RichView->parentWidget(), window->Panel1);
    EXPECT_EQ(window->RichView->styleTable().text.size(), 6u);
    EXPECT_EQ(window->RichView->linkCount(), 0);
    EXPECT_EQ(window->RichView->checkpointCount(), 0);
}

// The panel's colour frames the view on all four sides.
TEST_F(Formulae, PanelColourShowsAsAFourPixelBorderRoundTheView)
{
    EXPECT_EQ(window->RichView->geometry(), window->Panel1->rect().adjusted(4, 4, -4, -4));
    const QImage panel = window->Panel1->grab().toImage();
    const QColor colour(0xCF, 0xA9, 0x7E);
    const int midX = panel.width() / 2, midY = panel.height() / 2;
    for (const QPoint p : {QPoint(1, midY), QPoint(panel.width() - 2, midY), QPoint(midX, 1),
                           QPoint(midX, panel.height() - 2)})
        EXPECT_EQ(panel.pixelColor(p), colour) << p.x() << "," << p.y();
}

// Title, seven blank lines, then per section: rule, heading, formula,
// figure and four blank lines (the last: rule, heading, formula), then
// eleven blank lines.
TEST_F(Formulae, DocumentHoldsTheSixSectionsInOrder)
{
    const RichDocument* rv = window->RichView;
    QStringList shape;
    for (int i = 0; i < rv->itemCount(); ++i) {
        switch (rv->itemKind(i)) {
        case RichDocument::ItemKind::Rule: shape << QStringLiteral("rule"); break;
        case RichDocument::ItemKind::Control: shape << rv->itemControl(i)->objectName(); break;
        case RichDocument::ItemKind::Checkpoint: shape << QStringLiteral("anchor"); break;
        case RichDocument::ItemKind::Text:
            shape << (rv->itemText(i).trimmed().isEmpty() ? QStringLiteral("blank") : rv->itemText(i));
            break;
        }
    }
    QStringList expected = {"Mathematics Formulae"};
    for (int i = 0; i < 7; ++i)
        expected << "blank";
    const QStringList headings = {"Area of A Rectangle:", "Area of A Circle:", "Area of A Right Triangle:",
                                  "Heron's Formula for Area of A Triangle:", "Area of a Parallelogram:",
                                  "Area of a Trapezoid:"};
    int picture = 0;
    for (const QString& heading : headings) {
        expected << "rule" << heading << kPictures[picture++].name;
        if (heading == headings.last())
            break;
        expected << kPictures[picture++].name << "blank" << "blank" << "blank" << "blank";
    }
    for (int i = 0; i < 11; ++i)
        expected << "blank";
    EXPECT_EQ(shape, expected);

    EXPECT_EQ(rv->itemStyle(0), 1);
    EXPECT_EQ(rv->itemParaMode(0), 1);
    for (int i = 0; i < rv->itemCount(); ++i) {
        if (headings.contains(rv->itemText(i))) {
            EXPECT_EQ(rv->itemStyle(i), 2);
        }
        if (rv->itemControl(i)) {
            EXPECT_EQ(rv->itemParaMode(i), 1) << "pictures stand centred";
        }
    }
}

// Each picture is drawn for the size it is shown at: its own size is the
// display size, and it is on the page.
TEST_F(Formulae, ElevenPicturesAtTheirDisplaySize)
{
    for (const PictureCase& c : kPictures) {
        SheetPicture* p = window->picture(QString::fromLatin1(c.name));
        ASSERT_NE(p, nullptr) << c.name;
        EXPECT_EQ(p->size(), c.size) << c.name;
        EXPECT_EQ(p->currentImage().size(), c.size) << c.name;
        EXPECT_FALSE(inkBounds(p->currentImage()).isEmpty()) << c.name;
        if (!p->resource().isEmpty()) {
            EXPECT_EQ(SheetPicture::naturalSize(p->resource()), c.size) << c.name;
        }
        EXPECT_TRUE(p->isVisibleTo(window.get())) << c.name;
    }
    EXPECT_EQ(window->RichView->controls().size(), std::size(kPictures));
}

// The formulas are set large enough to read and fit their pictures whole:
// the ink keeps clear of every edge.
TEST(FormulaPictures, FitTheirPicturesWholeAndReadable)
{
    const QStringList names = formulaPictureNames();
    ASSERT_EQ(names.size(), 6);
    for (const QString& name : names) {
        const QSize size = formulaDisplaySize(name);
        const FormulaFit fit = formulaFit(name);
        EXPECT_GE(fit.fontPx, 16) << name.toStdString();
        EXPECT_LE(fit.formulaSize.width(), size.width()) << name.toStdString();
        EXPECT_LE(fit.formulaSize.height(), size.height()) << name.toStdString();
        const QImage image = drawFormulaPicture(name);
        EXPECT_EQ(image.size(), size);
        const QRect ink = inkBounds(image);
        ASSERT_FALSE(ink.isEmpty()) << name.toStdString();
        EXPECT_TRUE(QRect(QPoint(0, 0), size).adjusted(1, 0, -1, 0).contains(ink))
            << name.toStdString() << " ink " << ink.x() << "," << ink.y() << " " << ink.width() << "x"
            << ink.height();
        EXPECT_GT(ink.height(), size.height() / 2) << name.toStdString() << ": set too small";
    }
    // Heron's formula is the tallest of the one-line ones: a stacked
    // fraction and a radical.
    EXPECT_GT(formulaFit(QStringLiteral("imgHeronsFormula")).formulaSize.height(),
              formulaFit(QStringLiteral("imgFormulaParallelogram")).formulaSize.height());
    EXPECT_THROW(drawFormulaPicture(QStringLiteral("imgSquare")), tv::Error);
}

TEST_F(Formulae, ReturnToTopDoesNothing)
{
    QScrollBar* bar = window->RichView->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum() / 2);
    const int at = bar->value();
    tv::test::click(window->NAGButton2);
    EXPECT_EQ(bar->value(), at);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(Formulae, ExitClosesTheWindow)
{
    tv::test::click(window->NAGButton1);
    EXPECT_FALSE(window->isVisible());
}
