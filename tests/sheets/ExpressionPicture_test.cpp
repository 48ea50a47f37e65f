#include "sheets/ExpressionPicture.h"

#include "ui/Errors.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>

using namespace tv;

namespace {

// The longest run of inked pixels on any row: a fraction's bar.
int longestInkedRun(const QImage& image)
{
    int best = 0;
    for (int y = 0; y < image.height(); ++y) {
        int run = 0;
        for (int x = 0; x < image.width(); ++x) {
            run = qAlpha(image.pixel(x, y)) > 200 ? run + 1 : 0;
            best = std::max(best, run);
        }
    }
    return best;
}

} // namespace

TEST(ExpressionPicture, BarIsAsLongAsTheLongerNumber)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(15);
    const int wide = QFontMetrics(f).horizontalAdvance(QStringLiteral("125"));
    const QImage image = drawExpression(QStringLiteral("125/8"));
    EXPECT_GE(longestInkedRun(image), wide);
    // A whole number has no bar at all.
    EXPECT_LT(longestInkedRun(drawExpression(QStringLiteral("125"))), wide / 2);
}

TEST(ExpressionPicture, FractionsStandTallerThanWholeNumbersAndSumsGrowWide)
{
    const QImage whole = drawExpression(QStringLiteral("7"));
    const QImage fraction = drawExpression(QStringLiteral("3/4"));
    const QImage sum = drawExpression(QStringLiteral("3/4 + 1/6"));
    const QImage mixed = drawExpression(QStringLiteral("2 1/3 + 1 3/4"));
    EXPECT_GT(fraction.height(), whole.height());
    EXPECT_EQ(sum.height(), fraction.height());
    EXPECT_GT(sum.width(), 2 * fraction.width());
    EXPECT_GT(mixed.width(), sum.width());
    // Text at least 11 px: a fraction with both numbers is taller than 22 px.
    EXPECT_GE(fraction.height(), 2 * 11);
    EXPECT_NO_THROW(drawExpression(QStringLiteral("3/4 = ?/12")));
    EXPECT_NO_THROW(drawExpression(QStringLiteral("4 × (2.5 − 0.75) ÷ 5")));
}

TEST(ExpressionPicture, RefusesWhatItCannotDraw)
{
    for (const char* bad : {"", "   ", "3/x", "a + b", "2 # 3"})
        EXPECT_THROW(drawExpression(QString::fromUtf8(bad)), Error) << bad;
}
