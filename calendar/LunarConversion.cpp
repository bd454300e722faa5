// Gregorian and lunar conversion of the C interface, and the shape of lunar years.
#include "CalendarArgs.h"
#include "CalendarCall.h"

#include "engine/AgrConversion.h"
#include "engine/AgrYearTable.h"
#include "engine/STermTable.h"

using namespace corvane;
using namespace corvane::calendar;

extern "C" {

int corv_cal_range(corv_cal_span *out)
{
    return Call([&] {
        RequirePointers(out);
        const date::Ymd first = FirstDay();
        const date::Ymd last = LastDay();
        *out = {first.year,
                first.month,
                first.day,
                last.year,
                last.month,
                last.day,
                ModAgrCAl::kFirstSTermYear,
                ModAgrCAl::kLastSTermYear};
    });
}

int corv_cal_to_lunar(int year, int month, int day, corv_lunar_date *out)
{
    return Call([&] {
        RequirePointers(out);
        const ModAgrCAl::AgrDateNumbers lunar = ModAgrCAl::UniToAgrNumbers(CheckDay(year, month, day));
        *out = {lunar.Year, lunar.Month, lunar.Leap ? 1 : 0, lunar.Day};
    });
}

int corv_cal_to_gregorian(const corv_lunar_date *in, int *year, int *month, int *day)
{
    return Call([&] {
        RequirePointers(in, year, month, day);
        const date::Ymd ymd = CheckedLunarDate(*in);
        *year = ymd.year;
        *month = ymd.month;
        *day = ymd.day;
    });
}

int corv_cal_leap_month(int year, int *month)
{
    return Call([&] {
        RequirePointers(month);
        CheckYear(year);
        *month = ModAgrCAl::AgrYear(year).LeapMonth;
    });
}

int corv_cal_month_length(int year, int month, int leap, int *days)
{
    return Call([&] {
        RequirePointers(days);
        *days = CheckedMonthLength(year, month, leap != 0);
    });
}

} // extern "C"
