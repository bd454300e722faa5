#include "DateCaption.h"

#include "engine/AgrConversion.h"
#include "engine/AgrText.h"
#include "engine/CharTable.h"
#include "engine/EngineLifetime.h"
#include "platform/date/DateFormat.h"

namespace corvane::ModAgrCAl
{

namespace
{

constexpr CharTable<7> kWeekdayChars{"日一二三四五六"};

} // namespace

std::string GetDateCaption(date::Date value, int format)
{
    InitAgrTables();
    std::string caption = date::Format(value, date::kChineseDatePattern);
    const date::Ymd ymd = date::YmdOf(value);
    const AgrDate agr = UniToAgrDate(std::int16_t(ymd.year), std::int16_t(ymd.month), std::int16_t(ymd.day));

    if (format == 1 || format == 2) {
        caption += " 农历: ";
        caption += GetAgrYearName(agr.Year);
    }
    if (format >= 1 && format <= 4) {
        caption += format <= 2 ? " " : " 农历: ";
        caption += GetAgrMonthName(agr.Month, 0);
        caption += " ";
        caption += GetAgrDayName(agr.Day);
        caption += "日";
    }
    if (format == 0 || format == 2 || format == 4) {
        caption += " 星期";
        caption += kWeekdayChars[date::Weekday(value)];
    }
    return caption;
}

} // namespace corvane::ModAgrCAl
