#include "CommandList.h"
#include "CorvcalArgs.h"

#include "engine/AgrConversion.h"
#include "engine/AgrText.h"
#include "engine/AgrYearTable.h"

namespace corvane::corvcal
{

namespace
{

constexpr std::string_view kUsage = "corvcal lunar YYYY-MM-DD";

void Run(Args args, std::ostream &out)
{
    ExpectArgCount(args, 1, 1, kUsage);
    const GregorianDay day = ParseConvertibleDay(args[0], "date");
    using namespace ModAgrCAl;
    const AgrDate agr = UniToAgrDate(std::int16_t(day.year), std::int16_t(day.month), std::int16_t(day.day));
    out << "date\t" << DayText(day) << "\n"
        << "year\t" << agr.Year << "\n"
        << "month\t" << agr.Month << "\n"
        << "day\t" << agr.Day << "\n"
        << "slot\t" << agr.MonthSlot << "\n"
        << "text\t" << GetAgrYearName(agr.Year) << " " << GetAgrMonthName(agr.Month, AgrYear(agr.Year).LeapMonth) << " "
        << GetAgrDayName(agr.Day) << "\n";
}

} // namespace

Command LunarCommand()
{
    return {"lunar",
            "lunar YYYY-MM-DD           the lunar date of a Gregorian day",
            "usage: corvcal lunar YYYY-MM-DD\n"
            "Prints the lunar date of a Gregorian day (1900-01-31 to 2031-12-31), one field a line:\n"
            "  year   lunar year, numbered like the Gregorian year its New Year's Day falls in\n"
            "  month  month number; R marks the leap month (8R follows the 8th month)\n"
            "  day    day of the lunar month (1-30)\n"
            "  slot   position of the month in its year, the leap month counted (1-13)\n"
            "  text   stem-branch year name, month name, day name\n",
            Run};
}

} // namespace corvane::corvcal
