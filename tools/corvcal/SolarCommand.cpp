#include "CommandList.h"
#include "CorvcalArgs.h"

#include "engine/AgrConversion.h"
#include "engine/AgrYearTable.h"
#include "platform/date/DateFormat.h"

namespace corvane::corvcal
{

namespace
{

constexpr std::string_view kUsage = "corvcal solar YEAR MONTH[R] DAY";

void Run(Args args, std::ostream &out)
{
    using namespace ModAgrCAl;
    ExpectArgCount(args, 3, 3, kUsage);
    const int year = ParseNumber(args[0], "lunar year", kFirstAgrYear, kLastAgrYear);
    std::string_view monthText = args[1];
    const bool leap = !monthText.empty() && monthText.back() == 'R';
    if (leap)
        monthText.remove_suffix(1);
    const int month = ParseNumber(monthText, "lunar month", 1, 12);
    const AgrYearInfo &row = AgrYear(year);
    if (leap && row.LeapMonth != month) {
        const std::string name = "lunar year " + std::to_string(year);
        throw UsageError(row.LeapMonth == 0 ? name + " has no leap month"
                                            : name + " has no leap month " + std::to_string(month)
                                 + "; its leap month is " + std::to_string(row.LeapMonth) + "R");
    }
    const int slot = (leap || (row.LeapMonth != 0 && month > row.LeapMonth)) ? month + 1 : month;
    const int length = 29 + row.MonthBig[std::size_t(slot - 1)];
    const int day = ParseNumber(args[2], "lunar day", 1, length);
    const date::Date value = AgrToUniDate(std::int16_t(year), MakeMonthText(month, leap), std::int16_t(day));
    out << date::Format(value, "YYYY-MM-DD") << "\n";
}

} // namespace

Command SolarCommand()
{
    return {"solar",
            "solar YEAR MONTH[R] DAY    the Gregorian day of a lunar date",
            "usage: corvcal solar YEAR MONTH[R] DAY\n"
            "Prints the Gregorian day (YYYY-MM-DD) of a lunar date. YEAR is 1900-2031, MONTH 1-12 with R\n"
            "appended for the leap month (2001 4R), DAY 1 to the length of that month (29 or 30).\n",
            Run};
}

} // namespace corvane::corvcal
