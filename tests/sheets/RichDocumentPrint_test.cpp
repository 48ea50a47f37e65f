// Printing the sheet document into a PDF file and reading it back with the
// poppler tools: text, margins, control pictures, scale, no background.
#include "sheets/RichDocument.h"

#include "sheets/SheetPicture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tv;
using VA = RichDocument::VAlign;

namespace {

class RichDocumentPrintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        rv.resize(600, 295);
    }

    QString print()
    {
        const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
        rv.formatDocument();
        rv.printSheetToPdf(QStringLiteral("Vorlan's Test Print"), pdf);
        return pdf;
    }

    static QString run(const QString& program, const QStringList& args)
    {
        QProcess p;
        p.start(program, args);
        EXPECT_TRUE(p.waitForFinished(30000)) << program.toStdString();
        EXPECT_EQ(p.exitCode(), 0) << program.toStdString() << p.readAllStandardError().toStdString();
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    QImage page(const QString& pdf, int dpi = 96)
    {
        const QString prefix = dir.filePath(QStringLiteral("page"));
        run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                                         QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                         QStringLiteral("1"), QStringLiteral("-singlefile"), pdf, prefix});
        QImage image(prefix + QStringLiteral(".png"));
        EXPECT_FALSE(image.isNull());
        return image;
    }

    static int countNear(const QImage& image, const QColor& colour, int tolerance = 12)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (std::abs(c.red() - colour.red()) <= tolerance &&
                    std::abs(c.green() - colour.green()) <= tolerance &&
                    std::abs(c.blue() - colour.blue()) <= tolerance)
                    ++n;
            }
        return n;
    }

    static QRect boundsOf(const QImage& image, const QColor& colour)
    {
        QRect r;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == colour)
                    r |= QRect(x, y, 1, 1);
        return r;
    }

    QTemporaryDir dir;
    RichDocument rv;
};

} // namespace

TEST_F(RichDocumentPrintTest, AnAnswerBoxPrintsWhatTheStudentTyped)
{
    rv.addText(QStringLiteral("Fractions"), 1, 1);
    rv.addText(QStringLiteral("Write three quarters:"), 12, 2);
    auto* edit = new QLineEdit;
    edit->resize(31, 20);
    rv.addControl(edit, -1, VA::Middle);
    auto* label = new QLabel(QStringLiteral("Prompt label"));
    rv.addControl(label, 0, VA::Middle);
    edit->setText(QStringLiteral("3/4")); // typed after the layout
    const QString text = run(QStringLiteral("pdftotext"), {print(), QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("3/4"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Write three quarters:")));
    EXPECT_TRUE(text.contains(QStringLiteral("Prompt label")));
    EXPECT_TRUE(text.contains(QStringLiteral("Fractions")));
    const QString info = run(QStringLiteral("pdfinfo"), {dir.filePath(QStringLiteral("sheet.pdf"))});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title: +Vorlan's Test Print")))) << info.toStdString();
}

TEST_F(RichDocumentPrintTest, PagesHaveTwentyMillimetreMarginsAndNothingIsLostBetweenPages)
{
    for (int i = 0; i < 120; ++i)
        rv.addText(QStringLiteral("Line%1 of the printed sheet").arg(i), 0, 0);
    const QString pdf = print();
    const QString text = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_GE(text.count(QLatin1Char('\f')), 2) << "more than one page";
    for (int i = 0; i < 120; ++i)
        EXPECT_TRUE(text.contains(QStringLiteral("Line%1 ").arg(i))) << i;

    const QString bbox = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    const QRegularExpression word(QStringLiteral("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>Line0<"));
    const auto m = word.match(bbox);
    ASSERT_TRUE(m.hasMatch());
    const double mm20 = 20 / 25.4 * 72;
    EXPECT_NEAR(m.captured(1).toDouble(), mm20, 1.0);
    EXPECT_NEAR(m.captured(2).toDouble(), mm20, 3.0); // the line's top, less the font's ascent gap
}

TEST_F(RichDocumentPrintTest, NinetySixDpiSizesKeepTheirPhysicalSizeOnPaper)
{
    auto* green = new QLabel;
    green->setAutoFillBackground(true);
    QPalette p = green->palette();
    // In the view a label paints with the document's role; print what shows.
    p.setColor(QPalette::Window, QColor(0, 255, 0));
    p.setColor(QPalette::Base, QColor(0, 255, 0));
    green->setPalette(p);
    green->resize(192, 48); // two inches by half an inch
    rv.addControl(green, 1, VA::Middle);
    rv.addLine(3, QColor(0, 0, 255));
    const QImage image = page(print(), 96);
    const QRect g = boundsOf(image, QColor(0, 255, 0));
    EXPECT_NEAR(g.width(), 192, 2);
    EXPECT_NEAR(g.height(), 48, 2);
    const QRect blue = boundsOf(image, QColor(0, 0, 255));
    const double textWidth = image.width() - 2 * (20 / 25.4 * 96);
    EXPECT_NEAR(blue.width(), textWidth, 3) << "the rule spans the text width";
    EXPECT_NEAR(blue.height(), 3, 1);
    EXPECT_NEAR(blue.left(), 20 / 25.4 * 96, 2);
}

TEST_F(RichDocumentPrintTest, TheBackgroundIsNotPrinted)
{
    rv.addText(QStringLiteral("On plain paper"), 0, 0);
    const QImage image = page(print(), 48);
    EXPECT_EQ(countNear(image, rv.backgroundColor(), 10), 0);
    EXPECT_GT(countNear(image, QColor(0, 0, 0), 60), 0) << "the text is there";
}

TEST_F(RichDocumentPrintTest, StillPicturesPrintTheirPictureAnimatedOnesAnEmptyFrame)
{
    const QColor pieBlue(0x4A, 0x7B, 0xD0);
    rv.addControl(new SheetPicture(QStringLiteral(":/sheets/pie-three-quarters.svg"), QSize(80, 80)), 1,
                  VA::Baseline);
    const int still = countNear(page(print()), pieBlue, 20);
    EXPECT_GT(still, 1000);

    rv.clearDocument();
    // The bar chart has bars of the same blue; printed as a frame they must not show.
    rv.addControl(new SheetPicture(QStringLiteral(":/sheets/bar-chart.gif"), QSize(90, 60), PictureKind::Animated),
                  1, VA::Baseline);
    const QImage animated = page(print());
    EXPECT_EQ(countNear(animated, pieBlue, 20), 0);
    EXPECT_GT(countNear(animated, QColor(0, 0, 0), 80), 2 * (88 + 58) - 20) << "its frame";
}

TEST_F(RichDocumentPrintTest, ARadioButtonPrintsItselfAndASheetMaySupplyItsOwnPictures)
{
    auto* rb = new QRadioButton(QStringLiteral("Choice"));
    rb->setChecked(true);
    rv.addControl(rb, 3, VA::Middle);
    EXPECT_EQ(RichDocument::controlKind(rb), RichDocument::ControlKind::SelfPainting);
    const QImage plain = page(print());
    EXPECT_GT(countNear(plain, QColor(0, 0, 0), 100), 20);

    int asked = 0;
    rv.setControlPicturePainter([&](QWidget* control, QPainter& painter) {
        ++asked;
        EXPECT_EQ(control, rb);
        painter.fillRect(QRect(QPoint(0, 0), control->size()), QColor(255, 0, 255));
    });
    const QImage custom = page(print());
    EXPECT_EQ(asked, 1);
    EXPECT_NEAR(boundsOf(custom, QColor(255, 0, 255)).width(), rb->width(), 2);
}

TEST(RichDocumentControlKinds, EachControlPrintsAsItsKind)
{
    QLabel label(QStringLiteral("text"));
    QLabel pictureLabel;
    pictureLabel.setPixmap(QPixmap(4, 4));
    QLineEdit edit;
    QWidget other;
    SheetPicture still(QStringLiteral(":/sheets/number-line.png"), QSize(50, 10));
    SheetPicture animated(QStringLiteral(":/sheets/bar-chart.gif"), QSize(), PictureKind::Animated);
    using K = RichDocument::ControlKind;
    EXPECT_EQ(RichDocument::controlKind(&label), K::Label);
    EXPECT_EQ(RichDocument::controlKind(&pictureLabel), K::Picture);
    EXPECT_EQ(RichDocument::controlKind(&edit), K::EditBox);
    EXPECT_EQ(RichDocument::controlKind(&other), K::Other);
    EXPECT_EQ(RichDocument::controlKind(&still), K::Picture);
    EXPECT_EQ(RichDocument::controlKind(&animated), K::Other);
}
