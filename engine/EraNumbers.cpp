#include "EraNumbers.h"

#include "engine/AgrConversion.h"
#include "engine/AgrText.h"
#include "engine/STermTable.h"
#include "platform/date/DateArithmetic.h"

namespace corvane::ModAgrCAl
{

namespace
{

// A remainder mod 60 in [1, 60].
int Cycle60(int n)
{
    const int r = ((n % 60) + 60) % 60;
    return r == 0 ? 60 : r;
}

int EraYearNumber(int year)
{
    return Cycle60(year + 57); // 1984 is 1 ("甲子")
}

// The month number of month index k of a year: month 1 of a 甲 or 己 year is 3 ("丙寅").
int EraMonthNumber(int k, int yearNumber)
{
    const int n = k + ((yearNumber - 1) % 5) * 12 + 2;
    return n > 60 ? n % 60 : n;
}

} // namespace

EraNumbers GetEraNumbers(date::Date value, date::Date time, int mode)
{
    const int hour = date::Hour(time);
    const int minute = date::Minute(time);

    int dayNumber = GetDayEraNumber(value);
    int branch = (hour + 3) / 2;
    if (hour == 23) {
        dayNumber = GetDayEraNumber(date::Add(date::Unit::Day, 1, value));
        branch = 1;
    }
    const int hourNumber = branch + ((dayNumber - 1) % 5) * 12;

    const date::Ymd ymd = date::YmdOf(value);
    int yearNumber = 0;
    int monthNumber = 0;
    if (mode == kEraModeTerm) {
        // The solar month in force: index 1 for the month that begins at "立春" .. 12 for the month that
        // begins at "小寒"; the solar year begins at "立春".
        // The day of `value` at the time of `time`: a time of day `value` carries is not counted again.
        const date::Date moment =
            date::Add(date::Unit::Minute, hour * 60L + minute, date::FromDays(date::DayOf(value)));
        const bool after = moment >= GetsTermMoment(ymd.year, 2 * ymd.month - 1);
        int k = after ? ymd.month - 1 : ymd.month - 2;
        int solarYear = ymd.year;
        if (k <= 0) {
            k += 12;
            solarYear -= 1;
        }
        yearNumber = EraYearNumber(solarYear);
        monthNumber = EraMonthNumber(k, yearNumber);
    } else {
        const AgrDate agr = UniToAgrDate(std::int16_t(ymd.year), std::int16_t(ymd.month), std::int16_t(ymd.day));
        yearNumber = EraYearNumber(agr.Year);
        monthNumber = EraMonthNumber(ParseMonthText(agr.Month).number, yearNumber);
    }
    return {std::int16_t(yearNumber), std::int16_t(monthNumber), std::int16_t(dayNumber), std::int16_t(hourNumber)};
}

} // namespace corvane::ModAgrCAl
