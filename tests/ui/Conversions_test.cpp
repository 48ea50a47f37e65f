#include "ui/Conversions.h"
#include "ui/Errors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

using namespace tv;

namespace {

// The message a conversion raised, or nothing when it returned.
template <typename Convert>
std::optional<QString> failureOf(Convert convert, const char* text)
{
    try {
        convert(QString::fromLatin1(text));
    } catch (const ConvertError& e) {
        return e.message();
    }
    return std::nullopt;
}

QString integerMessage(const char* text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(QString::fromLatin1(text));
}

} // namespace

TEST(StrToInt, AcceptsAnOptionalSignAndDecimalDigits)
{
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {"42", 42},
        {"+5", 5},
        {"-0", 0},
        {"+0", 0},
        {"-17", -17},
        {"007", 7},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(strToInt(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(StrToInt64, AcceptsTheWholeSixtyFourBitRange)
{
    const struct {
        const char* text;
        std::int64_t value;
    } cases[] = {
        {"+5", 5},
        {"-0", 0},
        {"2147483648", 2147483648LL},
        {"-2147483649", -2147483649LL},
        {"9223372036854775807", INT64_MAX},
        {"-9223372036854775808", INT64_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(strToInt64(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(StrToInt, RefusesBlanksHexAndOutOfRangeNamingTheTextAsGiven)
{
    for (const char* bad : {" 5", "5 ", "1  1", " ", "\t5", "", "abc", "12a", "$10", "$7D0", "0x10", "0X10",
                            "2147483648", "-2147483649", "99999999999999999999", "1.5", "1e3", "-", "+", "+-1",
                            "--1", "- 1"})
        EXPECT_EQ(failureOf(strToInt, bad), integerMessage(bad)) << "'" << bad << "'";
}

TEST(StrToInt64, RefusesBlanksHexAndOutOfRangeNamingTheTextAsGiven)
{
    for (const char* bad : {" 5", "5 ", "", "abc", "$10", "0x10", "9223372036854775808", "-9223372036854775809",
                            "18446744073709551616", "-"})
        EXPECT_EQ(failureOf(strToInt64, bad), integerMessage(bad)) << "'" << bad << "'";
}

TEST(StrToInt, MessageQuotesTheOffendingTextWithItsBlanks)
{
    EXPECT_EQ(failureOf(strToInt, " 5"), QStringLiteral("' 5' is not a valid integer value"));
    EXPECT_EQ(failureOf(strToInt64, "$7D0"), QStringLiteral("'$7D0' is not a valid integer value"));
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
