// What every skills-review sheet shares, tried on one of them: its title
// from the Skills Review tab, and its pictures printing as empty frames.
#include "sheets/RichDocument.h"
#include "sheets/SheetPicture.h"
#include "sheets/tests/unitSRAddFractions.h"
#include "tests/support/FakeActivityHost.h"
#include "tests/support/FileHelpers.h"
#include "tests/support/WidgetHelpers.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QTemporaryDir>

using namespace tv;

TEST(SkillsReviewSheet, TitleCaptionHeadingAndRecordTitleFromItsTab)
{
    tv::test::FakeActivityHost host;
    host.tabCaption = QStringLiteral("Skills Review");
    TfrmSRAddFractions sheet(host);
    // The label shows the title alone, in the label's own font size.
    EXPECT_EQ(sheet.lblFormTitle->text(), "Adding Fractions 1");
    EXPECT_EQ(sheet.lblFormTitle->font().pixelSize(), 27);
    EXPECT_TRUE(sheet.windowTitle().startsWith("Tallyvale Skills Review, Adding Fractions 1"));
    EXPECT_EQ(sheet.RV->itemText(0), "Skills Review - Adding Fractions 1");
    EXPECT_EQ(sheet.RV->itemStyle(0), 1);
    EXPECT_EQ(sheet.RV->itemParaMode(0), 1);
    EXPECT_EQ(sheet.RV->itemKind(1), RichDocument::ItemKind::Rule);
    tv::test::showActive(sheet);
    sheet.close();
    const QStringList lines = tv::test::readLines(sheet.dataFilePath());
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "   Enter Ana Lopez(Adding Fractions 1) 12/8/2002 10:15:42 AM");
    EXPECT_TRUE(lines[1].contains("(Adding Fractions 1)"));
}

TEST(SkillsReviewSheet, PicturesPrintAsEmptyFrames)
{
    tv::test::FakeActivityHost host;
    TfrmSRAddFractions sheet(host);
    int pictures = 0;
    for (QWidget* c : sheet.RV->controls()) {
        auto* picture = qobject_cast<SheetPicture*>(c);
        if (!picture)
            continue;
        ++pictures;
        ASSERT_EQ(picture->kind(), PictureKind::Animated);
        // On screen it shows its exercise ...
        const QImage shown = picture->currentImage();
        int ink = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                ink += qAlpha(shown.pixel(x, y)) > 0;
        EXPECT_GT(ink, 20);
        // ... and prints as a frame with nothing inside.
        QImage printed(picture->size(), QImage::Format_ARGB32);
        printed.fill(Qt::white);
        {
            QPainter p(&printed);
            RichDocument::paintControlPicture(picture, p);
        }
        for (int y = 3; y < printed.height() - 3; ++y)
            for (int x = 3; x < printed.width() - 3; ++x)
                ASSERT_EQ(printed.pixel(x, y), qRgb(255, 255, 255)) << x << ',' << y;
        EXPECT_NE(printed.pixel(1, printed.height() / 2), qRgb(255, 255, 255));
    }
    EXPECT_EQ(pictures, 10);
    QTemporaryDir dir;
    EXPECT_NO_THROW(sheet.RV->printSheetToPdf(QStringLiteral("sheet"), dir.filePath("sheet.pdf")));
}
