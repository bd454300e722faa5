// Names, festivals and captions of the C interface.
#include "CalendarArgs.h"
#include "CalendarCall.h"

#include "engine/AgrConversion.h"
#include "engine/AgrText.h"
#include "engine/DateCaption.h"
#include "engine/FestTables.h"

using namespace corvane;
using namespace corvane::calendar;

extern "C" {

int corv_cal_month_name(const corv_lunar_date *date, char *buf, size_t size)
{
    return Call([&] {
        RequirePointers(date);
        CheckedLunarDate(*date);
        PutText(ModAgrCAl::GetAgrMonthName(ModAgrCAl::MakeMonthText(date->month, date->leap != 0), 0), buf, size);
    });
}

int corv_cal_day_name(const corv_lunar_date *date, char *buf, size_t size)
{
    return Call([&] {
        RequirePointers(date);
        CheckedLunarDate(*date);
        PutText(ModAgrCAl::GetAgrDayName(date->day), buf, size);
    });
}

int corv_cal_stem_branch(int number, char *buf, size_t size)
{
    return Call([&] {
        if (number < 1 || number > 60)
            Throw(ErrorNumber::InvalidCall, "there is no sexagenary number " + std::to_string(number));
        PutText(ModAgrCAl::GetEraName(number), buf, size);
    });
}

int corv_cal_zodiac(int lunar_year, char *buf, size_t size)
{
    return Call([&] {
        CheckYear(lunar_year);
        PutText(ModAgrCAl::GetYearZodiacName(lunar_year), buf, size);
    });
}

int corv_cal_festival(int year, int month, int day, char *buf, size_t size)
{
    return Call([&] {
        CheckDay(year, month, day);
        const ModAgrCAl::AgrDate agr =
            ModAgrCAl::UniToAgrDate(std::int16_t(year), std::int16_t(month), std::int16_t(day));
        PutText(ModAgrCAl::GetFestName(year, month, day, agr.Month, agr.Day), buf, size);
    });
}

int corv_cal_caption(int year, int month, int day, int format, char *buf, size_t size)
{
    return Call([&] {
        CheckDay(year, month, day);
        if (format < CORV_CAL_CAPTION_WEEK || format > CORV_CAL_CAPTION_LUNAR_MD_WEEK)
            Throw(ErrorNumber::InvalidCall, "there is no caption format " + std::to_string(format));
        PutText(ModAgrCAl::GetDateCaption(date::FromYmd(year, month, day), format), buf, size);
    });
}

} // extern "C"
