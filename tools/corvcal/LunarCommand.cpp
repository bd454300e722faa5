#include "CalendarJson.h"
#include "CommandList.h"
#include "CorvcalArgs.h"

#include "engine/AgrConversion.h"
#include "engine/AgrText.h"
#include "engine/AgrYearTable.h"
#include "platform/date/Clock.h"

namespace corvane::corvcal
{

namespace
{

constexpr std::string_view kUsage = "corvcal lunar [YYYY-MM-DD] [--json]";

void Run(const Invocation &call, std::ostream &out)
{
    ExpectArgCount(call, 0, 1, kUsage);
    GregorianDay day{};
    if (call.args.empty()) {
        const date::Ymd today = date::YmdOf(date::Today());
        day = {today.year, today.month, today.day};
        if (!IsConvertible(day))
            throw UsageError("today lies outside the supported range " + DayRangeText() + "; give a date");
    } else {
        day = ParseConvertibleDay(call.args[0], "date");
    }
    using namespace ModAgrCAl;
    const AgrDate agr = UniToAgrDate(std::int16_t(day.year), std::int16_t(day.month), std::int16_t(day.day));
    const std::string yearName = GetAgrYearName(agr.Year);
    const std::string monthName = GetAgrMonthName(agr.Month, AgrYear(agr.Year).LeapMonth);
    const std::string dayName = GetAgrDayName(agr.Day);
    if (call.json) {
        PrintJson(out, [&](JsonWriter &json) {
            json.BeginObject();
            WriteLunarFields(json, date::FromYmd(day.year, day.month, day.day), agr);
            json.Field("year_name", yearName).Field("month_name", monthName).Field("day_name", dayName).EndObject();
        });
        return;
    }
    out << "date\t" << DayText(day) << "\n"
        << "year\t" << agr.Year << "\n"
        << "month\t" << agr.Month << "\n"
        << "day\t" << agr.Day << "\n"
        << "slot\t" << agr.MonthSlot << "\n"
        << "text\t" << yearName << " " << monthName << " " << dayName << "\n";
}

} // namespace

Command LunarCommand()
{
    return {"lunar",
            "lunar [YYYY-MM-DD]         the lunar date of a Gregorian day (today without one)",
            "usage: corvcal lunar [YYYY-MM-DD] [--json]\n"
            "Prints the lunar date of a Gregorian day ({days}; today when none is given), one field\n"
            "a line:\n"
            "  year   lunar year, numbered like the Gregorian year its New Year's Day falls in\n"
            "  month  month number; R marks the leap month (8R follows the 8th month)\n"
            "  day    day of the lunar month (1-30)\n"
            "  slot   position of the month in its year, the leap month counted (1-13)\n"
            "  text   stem-branch year name, month name, day name\n"
            "  --json  {\"date\", \"year\", \"month\" (the number), \"leap\" (true in the leap month), \"day\",\n"
            "          \"slot\", \"year_name\", \"month_name\", \"day_name\"}\n",
            kJsonOption,
            kUsage,
            Run};
}

} // namespace corvane::corvcal
