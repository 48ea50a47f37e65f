#pragma once
// Weekday of a date in the proleptic Gregorian calendar (years 1 to 9999).
// Plain C++ over QString; no widgets.
#include <cstdint>

#include <QString>

namespace tv {

// True for a real calendar date: year 1..9999, month 1..12, day within the
// month (29 February only in leap years).
bool isValidDate(std::int32_t year, std::int32_t month, std::int32_t day);

// 1 = Sunday ... 7 = Saturday. Throws tv::ConvertError("Invalid argument to
// date encode") for a date outside the calendar.
int dayOfWeek(std::int32_t year, std::int32_t month, std::int32_t day);

// "This date is Saturday" for the texts of the three boxes, converted in the
// order year, month, day (the first bad one raises the conversion error).
QString dayOfWeekAnswer(const QString& year, const QString& month, const QString& day);

} // namespace tv
