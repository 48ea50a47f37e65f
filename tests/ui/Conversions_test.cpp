#include "ui/Conversions.h"
#include "ui/Errors.h"

#include <gtest/gtest.h>

using namespace tv;

TEST(StrToInt, AcceptsSignsBlanksAndHex)
{
    EXPECT_EQ(strToInt(QStringLiteral("42")), 42);
    EXPECT_EQ(strToInt(QStringLiteral("  -17")), -17);
    EXPECT_EQ(strToInt(QStringLiteral("+5")), 5);
    EXPECT_EQ(strToInt(QStringLiteral("$FF")), 255);
    EXPECT_EQ(strToInt(QStringLiteral("0x10")), 16);
    EXPECT_EQ(strToInt(QStringLiteral("$FFFFFFFF")), -1);
    EXPECT_EQ(strToInt(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(strToInt(QStringLiteral("-2147483648")), INT32_MIN);
}

TEST(StrToInt, RefusesWithTheStandardMessage)
{
    for (const char* bad : {"", " ", "12a", "1 ", "2147483648", "-2147483649", "1.5", "-", "$"}) {
        try {
            strToInt(QString::fromLatin1(bad));
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const ConvertError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(QString::fromLatin1(bad)));
        }
    }
    EXPECT_THROW(strToInt64(QStringLiteral("9223372036854775808")), ConvertError);
    EXPECT_EQ(strToInt64(QStringLiteral("-9223372036854775808")), INT64_MIN);
}

TEST(StrToFloat, ParsesAndRefuses)
{
    EXPECT_EQ(strToFloat(QStringLiteral(" 1.5 ")), 1.5L);
    EXPECT_EQ(strToFloat(QStringLiteral("-2e3")), -2000.0L);
    EXPECT_EQ(strToFloat(QStringLiteral(".5")), 0.5L);
    for (const char* bad : {"", "abc", "1.2.3", "e5", "1e", "--1"}) {
        try {
            strToFloat(QString::fromLatin1(bad));
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const ConvertError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid floating point value").arg(QString::fromLatin1(bad)));
        }
    }
}

TEST(FloatToStr, GeneralFormatLikeThePlatform)
{
    EXPECT_EQ(floatToStr(sqrtl(2.0L)), QStringLiteral("1.4142135623731"));
    EXPECT_EQ(floatToStr(3.0L / 2.0L), QStringLiteral("1.5"));
    EXPECT_EQ(floatToStr(5.0L / 3.0L), QStringLiteral("1.66666666666667"));
    EXPECT_EQ(floatToStr(100.0L), QStringLiteral("100"));
    EXPECT_EQ(floatToStr(-0.25L), QStringLiteral("-0.25"));
    EXPECT_EQ(floatToStr(0.0001L), QStringLiteral("0.0001"));
    EXPECT_EQ(floatToStr(0.00001L), QStringLiteral("1E-5"));
    EXPECT_EQ(floatToStr(1.5e-7L), QStringLiteral("1.5E-7"));
    EXPECT_EQ(floatToStr(1e20L), QStringLiteral("1E20"));
    EXPECT_EQ(floatToStr(123456789012345.0L), QStringLiteral("123456789012345"));
    EXPECT_EQ(floatToStr(1234567890123456.0L), QStringLiteral("1.23456789012346E15"));
    EXPECT_EQ(floatToStr(0.0L), QStringLiteral("0"));
}
