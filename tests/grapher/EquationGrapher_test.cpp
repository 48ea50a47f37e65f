// The Equation Grapher window: its start-up curves and view, the buttons with
// their dialogs, the legend's rows, check boxes and clicks, and its texts.
#include "app/Random.h"
#include "grapher/EGLegendList.h"
#include "grapher/EasyGraph.h"
#include "grapher/unitSREquationGrapher.h"
#include "tests/support/ScriptedInputDialogs.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/WidgetHelpers.h"
#include "ui/Components.h"

#include <QLabel>
#include <QMouseEvent>
#include <QSet>

#include <gtest/gtest.h>

using namespace tv;

namespace {

class Grapher : public ::testing::Test {
protected:
    void SetUp() override { test::showAndWait(w); }

    TSeries& curves() { return w.EasyGraph1->Series(); }
    void clickRow(int row, QPoint offset = QPoint(120, 0))
    {
        const QRect r = w.EGLegendList1->visualItemRect(w.EGLegendList1->item(row));
        QTest::mouseClick(w.EGLegendList1->viewport(), Qt::LeftButton, {}, QPoint(r.left(), r.center().y()) + offset);
    }
    int pixelsOf(const QColor& colour)
    {
        const QImage& image = w.EasyGraph1->picture();
        const TPixelRect plot = w.EasyGraph1->layout().plot;
        int n = 0;
        for (int y = plot.top; y < plot.bottom; ++y)
            for (int x = plot.left; x < plot.right; ++x)
                n += image.pixelColor(x, y) == colour;
        return n;
    }

    test::ScriptedMessageBoxes boxes;
    test::ScriptedInputDialogs dialogs;
    TfrmSREquationGrapher w;
};

} // namespace

TEST_F(Grapher, StartsWithThreeCurvesAndTheDefaultView)
{
    EXPECT_TRUE(w.windowTitle().startsWith("Tallyvale Equation Grapher"));
    // A 640 x 480 window: its client less the frame and caption bar.
    EXPECT_EQ(w.size(), QSize(632, 446));
    EXPECT_EQ(w.EasyGraph1->geometry(), QRect(4, 80, 433, 357));
    struct Curve {
        const char* text;
        QColor colour;
    } expected[] = {
        {"sin (0.5*x^2/2)*2", QColor(0x80, 0x80, 0x80)},
        {"x^4+x^3-3*x^2+x", QColor(0x00, 0x00, 0xFF)},
        {"x^4-4*x^2-x", QColor(0xFF, 0x00, 0x00)},
    };
    ASSERT_EQ(curves().Count(), 3);
    ASSERT_EQ(w.EGLegendList1->count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(curves().Items(i)->Text(), expected[i].text);
        EXPECT_EQ(curves().Items(i)->Color(), expected[i].colour);
        EXPECT_TRUE(curves().Items(i)->Visible());
        EXPECT_EQ(w.EGLegendList1->item(i)->text(), expected[i].text);
    }
    EXPECT_EQ(w.EGLegendList1->ItemIndex(), -1);
    // Normalised at the first redraw: the ranges keep their centre and the
    // longer one, and a unit is as long across as up.
    w.EasyGraph1->picture();
    const TGraphView v = w.EasyGraph1->view();
    const TPixelRect plot = w.EasyGraph1->layout().plot;
    EXPECT_NEAR(double(v.xmin + v.xmax), 0, 1e-12);
    EXPECT_NEAR(double(v.ymin + v.ymax), 0, 1e-12);
    EXPECT_GE(double(v.xExtent()), 12.4 - 1e-9);
    EXPECT_GE(double(v.yExtent()), 13 - 1e-9);
    EXPECT_NEAR(double(pixelsPerXUnit(v, plot)), double(pixelsPerYUnit(v, plot)), 1e-9);
    // The blue and red curves are on the plot (the grey one shares the grid's colour).
    EXPECT_GT(pixelsOf(QColor(0x00, 0x00, 0xFF)), 100);
    EXPECT_GT(pixelsOf(QColor(0xFF, 0x00, 0x00)), 100);
}

TEST_F(Grapher, LayoutColoursAndTexts)
{
    EXPECT_EQ(w.palette().color(QPalette::Window), QColor(0xE6, 0xCF, 0xA6));
    EXPECT_EQ(w.EasyGraph1->settings().ColorBg, QColor(0xFE, 0xE8, 0xC7));
    EXPECT_EQ(w.EasyGraph1->settings().ColorAxis, QColor(0xD7, 0x00, 0x00));
    EXPECT_EQ(w.EasyGraph1->settings().ZoomTime, 50);
    EXPECT_TRUE(w.EasyGraph1->settings().MaintainRatio);
    EXPECT_EQ(w.EGLegendList1->size(), QSize(185, 109));
    EXPECT_EQ(w.EGLegendList1->palette().color(QPalette::Base), QColor(0xFE, 0xEE, 0xD6));
    EXPECT_EQ(w.EGLegendList1->ItemHeight(), 16);
    EXPECT_EQ(w.EGLegendList1->visualItemRect(w.EGLegendList1->item(1)).height(), 16);
    EXPECT_EQ(w.lblTitle->text(), "Equation Grapher");
    EXPECT_EQ(w.lblTitle->effect(), EffectLabel::Effect::Lowered);
    EXPECT_EQ(w.lblHelp->text(), "Right Click - Zoom out\r\nLeft Click - Zoom In\r\n\r\nRight Click and Hold - Pan\r\n"
                                 "Left Click and Hold - Shift Center Point\r\n");
    EXPECT_EQ(w.lblHelp->palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0xFF));
    EXPECT_TRUE(w.Label1->font().bold());
    EXPECT_EQ(w.Label1->palette().color(QPalette::WindowText), QColor(0x80, 0x40, 0x00));
    for (NagButton* b : {w.btnEditEquation, w.btnChangeColor, w.NAGButton1, w.btnDeleteEquation})
        EXPECT_EQ(b->faceColor(), QColor(0xFD, 0xDE, 0xB5)) << b->text().toStdString();
    EXPECT_EQ(w.btnEditEquation->text(), "Edit Equation");
    EXPECT_EQ(w.btnChangeColor->text(), "Change Color");
    EXPECT_EQ(w.NAGButton1->text(), "Add Equation");
    EXPECT_EQ(w.btnDeleteEquation->text(), "Delete Equation");
    EXPECT_EQ(w.btnExit->faceColor(), QColor(0xFF, 0x00, 0x00));
    EXPECT_EQ(w.btnExit->captionColor(), QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(w.btnExit->font().pixelSize(), 21);
    // Everything on the right stays inside the window and clear of the graph.
    for (QWidget* c : std::initializer_list<QWidget*>{w.btnEditEquation, w.btnChangeColor, w.EGLegendList1,
                                                      w.NAGButton1, w.btnDeleteEquation, w.Label1, w.lblHelp, w.btnExit}) {
        EXPECT_TRUE(w.rect().contains(c->geometry())) << c->metaObject()->className();
        EXPECT_FALSE(c->geometry().intersects(w.EasyGraph1->geometry()));
    }
    // The column ends at the client's right edge; the help text shows whole.
    EXPECT_EQ(w.EGLegendList1->geometry().right(), w.width() - 1);
    const QRect help = w.lblHelp->fontMetrics().boundingRect(QRect(0, 0, 1000, 1000), Qt::AlignLeft | Qt::AlignTop,
                                                             w.lblHelp->text().trimmed());
    EXPECT_LE(help.width(), w.lblHelp->contentsRect().width());
    EXPECT_LE(help.height(), w.lblHelp->contentsRect().height());
}

TEST_F(Grapher, LegendClickShowsTheCurvesTextInLabel1)
{
    clickRow(1);
    EXPECT_EQ(w.EGLegendList1->ItemIndex(), 1);
    EXPECT_EQ(w.Label1->text(), "x^4+x^3-3*x^2+x");
}

TEST_F(Grapher, CheckBoxHidesTheCurveButKeepsItsRow)
{
    const QColor blue(0x00, 0x00, 0xFF);
    ASSERT_GT(pixelsOf(blue), 0);
    const QRect box = w.EGLegendList1->checkBoxRect(1);
    QTest::mouseClick(w.EGLegendList1->viewport(), Qt::LeftButton, {}, box.center());
    EXPECT_FALSE(curves().Items(1)->Visible());
    EXPECT_EQ(pixelsOf(blue), 0);
    EXPECT_EQ(w.EGLegendList1->count(), 3);
    EXPECT_EQ(w.EGLegendList1->ItemIndex(), 1); // the row stays selected
    // A click on the row's text leaves the flag alone; the box again shows it.
    clickRow(1);
    EXPECT_FALSE(curves().Items(1)->Visible());
    QTest::mouseClick(w.EGLegendList1->viewport(), Qt::LeftButton, {}, box.center());
    EXPECT_TRUE(curves().Items(1)->Visible());
    EXPECT_GT(pixelsOf(blue), 0);
    // A quick second click on the box (delivered as a double click) counts too.
    QWidget* viewport = w.EGLegendList1->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, box.center());
    EXPECT_FALSE(curves().Items(1)->Visible());
    QMouseEvent second(QEvent::MouseButtonDblClick, box.center(), viewport->mapToGlobal(box.center()),
                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &second);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, box.center());
    EXPECT_TRUE(curves().Items(1)->Visible());
}

TEST_F(Grapher, EditEquationPromptsWithTheTypedText)
{
    test::click(w.btnEditEquation); // no row selected: nothing asked
    EXPECT_TRUE(dialogs.titles.isEmpty());

    clickRow(2);
    dialogs.queueText(QStringLiteral("2 * x + 1"));
    test::click(w.btnEditEquation);
    ASSERT_EQ(dialogs.titles.size(), 1);
    EXPECT_EQ(dialogs.titles[0], "Enter Function");
    EXPECT_EQ(dialogs.labels[0], "Equation:");
    EXPECT_EQ(dialogs.prefills[0], "x^4-4*x^2-x");
    EXPECT_EQ(curves().Items(2)->Text(), "2 * x + 1");
    EXPECT_EQ(curves().Items(2)->CompileText(), "2*x+1");
    EXPECT_EQ(w.EGLegendList1->item(2)->text(), "2 * x + 1");
    EXPECT_EQ(w.EGLegendList1->ItemIndex(), 2);
    EXPECT_EQ(w.Label1->text(), "2 * x + 1"); // the click handler ran again

    dialogs.queueText(std::nullopt); // Cancel
    test::click(w.btnEditEquation);
    EXPECT_EQ(curves().Items(2)->Text(), "2 * x + 1");
    EXPECT_TRUE(boxes.errors.isEmpty());
}

TEST_F(Grapher, ChangeColorKeepsTheColourWhenCancelled)
{
    clickRow(0);
    dialogs.queueColour(std::nullopt);
    test::click(w.btnChangeColor);
    ASSERT_EQ(dialogs.offeredColours.size(), 1u);
    EXPECT_EQ(dialogs.offeredColours[0], QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(curves().Items(0)->Color(), QColor(0x80, 0x80, 0x80));

    const QColor green(0x00, 0xA0, 0x00);
    dialogs.queueColour(green);
    test::click(w.btnChangeColor);
    EXPECT_EQ(curves().Items(0)->Color(), green);
    EXPECT_GT(pixelsOf(green), 100);
}

TEST_F(Grapher, AddEquationAppendsAnEmptyCurveWithARandomColour)
{
    clickRow(0);
    test::click(w.NAGButton1);
    ASSERT_EQ(curves().Count(), 4);
    EXPECT_EQ(w.EGLegendList1->count(), 4);
    EXPECT_EQ(w.EGLegendList1->item(3)->text(), "----");
    EXPECT_EQ(w.EGLegendList1->ItemIndex(), -1); // a new row count drops the selection
    TPoints* added = curves().Items(3);
    EXPECT_TRUE(added->Text().isEmpty());
    EXPECT_EQ(pixelsOf(added->Color()), 0) << "nothing drawn before a text is entered";

    // Colours spread over the whole cube.
    rng::seed(12345);
    QSet<QRgb> seen;
    int high[3] = {0, 0, 0};
    for (int i = 0; i < 60; ++i) {
        test::click(w.NAGButton1);
        const QColor c = curves().Items(curves().Count() - 1)->Color();
        EXPECT_EQ(c.alpha(), 255);
        seen.insert(c.rgb());
        high[0] += c.red() >= 128;
        high[1] += c.green() >= 128;
        high[2] += c.blue() >= 128;
    }
    EXPECT_GE(seen.size(), 59);
    for (int h : high) {
        EXPECT_GT(h, 10);
        EXPECT_LT(h, 50);
    }
}

TEST_F(Grapher, DeleteEquationRemovesTheSelectedCurve)
{
    test::click(w.btnDeleteEquation); // nothing selected
    EXPECT_EQ(curves().Count(), 3);
    clickRow(0);
    test::click(w.btnDeleteEquation);
    ASSERT_EQ(curves().Count(), 2);
    EXPECT_EQ(curves().Items(0)->Text(), "x^4+x^3-3*x^2+x");
    EXPECT_EQ(w.EGLegendList1->count(), 2);
    EXPECT_EQ(w.EGLegendList1->ItemIndex(), -1);
    test::click(w.btnDeleteEquation); // selection gone with the row
    EXPECT_EQ(curves().Count(), 2);
}

TEST_F(Grapher, ExitClosesTheWindow)
{
    ASSERT_TRUE(w.isVisible());
    test::click(w.btnExit);
    EXPECT_FALSE(w.isVisible());
}
