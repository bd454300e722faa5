#pragma once

#include "engine/AgrYearTable.h"
#include "engine/STermTable.h"

#include <string>

namespace corvane::corvcal
{

struct GregorianDay {
    int year;
    int month;
    int day;
};

bool operator<(const GregorianDay &a, const GregorianDay &b);
std::string DayText(const GregorianDay &day); // YYYY-MM-DD
std::string MonthText(int year, int month); // YYYY-MM

// What corvcal converts: the years of the engine's tables, and within them the Gregorian days from
// lunar New Year of the first year to the last day of the last year. Every range corvcal checks or
// names in its messages and help comes from here.
inline constexpr int kFirstYear = ModAgrCAl::kFirstAgrYear;
inline constexpr int kLastYear = ModAgrCAl::kLastAgrYear;
// The same years name the Gregorian years of the solar terms.
static_assert(ModAgrCAl::kFirstSTermYear == kFirstYear && ModAgrCAl::kLastSTermYear == kLastYear);

GregorianDay FirstDay();
GregorianDay LastDay();
bool IsConvertible(const GregorianDay &day);
// Whether every day of a Gregorian month is convertible; the month may be given out of 1-12 (13 is
// January of the next year).
bool IsConvertibleMonth(int year, int month);
// The Gregorian years whose every month is convertible.
int FirstWholeYear();
int LastWholeYear();

std::string YearRangeText(); // "1900-2100"
std::string DayRangeText(); // "1900-01-31 to 2100-12-31"
std::string MonthRangeText(); // "1900-02 to 2100-12"
std::string WholeYearRangeText(); // "1901-2100"

// A help text with the placeholders {years}, {days}, {months} and {whole-years} replaced by the
// range texts above.
std::string WithRanges(std::string_view text);

} // namespace corvane::corvcal
