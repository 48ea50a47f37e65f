#include "numbertools/DayOfWeek.h"

#include "ui/Conversions.h"
#include "ui/Errors.h"

#include <array>

namespace tv {
namespace {

bool isLeapYear(std::int32_t y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(std::int32_t y, std::int32_t m)
{
    static constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeapYear(y) ? 29 : days[static_cast<std::size_t>(m - 1)];
}

} // namespace

bool isValidDate(std::int32_t year, std::int32_t month, std::int32_t day)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1
        && day <= daysInMonth(year, month);
}

int dayOfWeek(std::int32_t year, std::int32_t month, std::int32_t day)
{
    if (!isValidDate(year, month, day))
        throw ConvertError(QStringLiteral("Invalid argument to date encode"));
    // Days before this one counted from 1 January of year 1, a Monday.
    const std::int32_t y = year - 1;
    std::int64_t days = std::int64_t{y} * 365 + y / 4 - y / 100 + y / 400;
    for (std::int32_t m = 1; m < month; ++m)
        days += daysInMonth(year, m);
    days += day - 1;
    return static_cast<int>((days + 1) % 7) + 1; // Monday is 2
}

QString dayOfWeekAnswer(const QString& year, const QString& month, const QString& day)
{
    static const std::array<const char*, 7> names{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};
    const std::int32_t y = strToInt(year);
    const std::int32_t m = strToInt(month);
    const std::int32_t d = strToInt(day);
    const int w = dayOfWeek(y, m, d);
    return QStringLiteral("This date is ") + QLatin1String(names[static_cast<std::size_t>(w - 1)]);
}

} // namespace tv
