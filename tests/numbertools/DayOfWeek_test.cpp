#include "numbertools/DayOfWeek.h"

#include "ui/Errors.h"

#include <gtest/gtest.h>

#include <QDate>

using namespace tv;

namespace {

QString answer(const char* y, const char* m, const char* d)
{
    return dayOfWeekAnswer(QString::fromLatin1(y), QString::fromLatin1(m), QString::fromLatin1(d));
}

QString errorOf(const char* y, const char* m, const char* d)
{
    try {
        answer(y, m, d);
    } catch (const Error& e) {
        return e.message();
    }
    return QStringLiteral("(accepted)");
}

} // namespace

TEST(DayOfWeek, KnownDates)
{
    EXPECT_EQ(answer("2000", "1", "1"), QStringLiteral("This date is Saturday"));
    EXPECT_EQ(answer("1", "1", "1"), QStringLiteral("This date is Monday"));
    EXPECT_EQ(answer("9999", "12", "31"), QStringLiteral("This date is Friday"));
    EXPECT_EQ(answer("2000", "2", "29"), QStringLiteral("This date is Tuesday"));
    EXPECT_EQ(answer("1582", "10", "10"), QStringLiteral("This date is Sunday"));
    EXPECT_EQ(answer("1969", "7", "20"), QStringLiteral("This date is Sunday"));
    EXPECT_EQ(answer("2024", "2", "29"), QStringLiteral("This date is Thursday"));
    EXPECT_EQ(answer("1600", "2", "29"), QStringLiteral("This date is Tuesday"));
    EXPECT_EQ(answer("2002", "12", "13"), QStringLiteral("This date is Friday"));
    EXPECT_EQ(answer("2002", "12", "10"), QStringLiteral("This date is Tuesday"));
    EXPECT_EQ(answer("2002", "12", "11"), QStringLiteral("This date is Wednesday"));
}

TEST(DayOfWeek, EveryDayOfTheCalendarMatchesQDate)
{
    // QDate counts in the proleptic Gregorian calendar too (1 = Monday).
    for (QDate d(1, 1, 1); d <= QDate(9999, 12, 31); d = d.addDays(1)) {
        ASSERT_TRUE(isValidDate(d.year(), d.month(), d.day()));
        ASSERT_EQ(dayOfWeek(d.year(), d.month(), d.day()), d.dayOfWeek() % 7 + 1) << qPrintable(d.toString());
    }
}

TEST(DayOfWeek, RefusesDatesOutsideTheCalendar)
{
    const QString bad = QStringLiteral("Invalid argument to date encode");
    EXPECT_EQ(errorOf("1900", "2", "29"), bad);
    EXPECT_EQ(errorOf("2001", "2", "29"), bad);
    EXPECT_EQ(errorOf("2000", "13", "1"), bad);
    EXPECT_EQ(errorOf("2000", "4", "31"), bad);
    EXPECT_EQ(errorOf("2000", "0", "1"), bad);
    EXPECT_EQ(errorOf("2000", "1", "0"), bad);
    EXPECT_EQ(errorOf("0", "1", "1"), bad);
    EXPECT_EQ(errorOf("10000", "1", "1"), bad);
    EXPECT_EQ(errorOf("-2000", "1", "1"), bad);
    // Not wrapped to 16 bits: 65537 is not year 1, 65548 not month 12.
    EXPECT_EQ(errorOf("65537", "1", "1"), bad);
    EXPECT_EQ(errorOf("2000", "65548", "1"), bad);
    EXPECT_EQ(errorOf("2000", "1", "65537"), bad);
}

TEST(DayOfWeek, ConvertsYearThenMonthThenDay)
{
    EXPECT_EQ(errorOf("", "x", "y"), QStringLiteral("'' is not a valid integer value"));
    EXPECT_EQ(errorOf("2000", "x", "y"), QStringLiteral("'x' is not a valid integer value"));
    EXPECT_EQ(errorOf("2000", "1", "1.5"), QStringLiteral("'1.5' is not a valid integer value"));
    EXPECT_EQ(errorOf("abc", "13", "1"), QStringLiteral("'abc' is not a valid integer value"));
}
