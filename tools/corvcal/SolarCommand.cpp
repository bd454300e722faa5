#include "CalendarJson.h"
#include "CommandList.h"
#include "CorvcalArgs.h"

#include "engine/AgrConversion.h"
#include "engine/AgrYearTable.h"
#include "platform/date/DateFormat.h"

namespace corvane::corvcal
{

namespace
{

constexpr std::string_view kUsage = "corvcal solar YEAR MONTH[R] DAY [--json]";

void Run(const Invocation &call, std::ostream &out)
{
    using namespace ModAgrCAl;
    ExpectArgCount(call, 3, 3, kUsage);
    const int year = ParseNumber(call.args[0], "lunar year", kFirstYear, kLastYear);
    const LunarMonthArg month = ParseLunarMonth(call.args[1], "lunar month");
    const AgrYearInfo &row = AgrYear(year);
    if (month.leap && row.LeapMonth != month.month) {
        const std::string name = "lunar year " + std::to_string(year);
        throw UsageError(row.LeapMonth == 0 ? name + " has no leap month"
                                            : name + " has no leap month " + std::to_string(month.month)
                                 + "; its leap month is " + std::to_string(row.LeapMonth) + "R");
    }
    const int slot = AgrMonthSlot(std::int16_t(year), month.month, month.leap);
    const int day = ParseNumber(call.args[2], "lunar day", 1, AgrMonthDays(year, month.month, month.leap));
    const std::string monthText = MakeMonthText(month.month, month.leap);
    const date::Date value = AgrToUniDate(std::int16_t(year), monthText, std::int16_t(day));
    if (call.json) {
        PrintJson(out, [&](JsonWriter &json) {
            json.BeginObject();
            WriteLunarFields(json, value, {std::int16_t(year), monthText, std::int16_t(day), std::int16_t(slot)});
            json.EndObject();
        });
        return;
    }
    out << date::Format(value, "YYYY-MM-DD") << "\n";
}

} // namespace

Command SolarCommand()
{
    return {"solar",
            "solar YEAR MONTH[R] DAY    the Gregorian day of a lunar date",
            "usage: corvcal solar YEAR MONTH[R] DAY [--json]\n"
            "Prints the Gregorian day (YYYY-MM-DD) of a lunar date. YEAR is {years}, MONTH 1-12 with R\n"
            "appended for the leap month (2001 4R), DAY 1 to the length of that month (29 or 30).\n"
            "  --json  {\"date\", \"year\", \"month\", \"leap\", \"day\", \"slot\"}: the day and its lunar date,\n"
            "          as `corvcal lunar --help` describes the fields\n",
            kJsonOption,
            kUsage,
            Run};
}

} // namespace corvane::corvcal
