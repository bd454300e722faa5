#include "CommandList.h"
#include "CorvcalArgs.h"

#include "engine/AgrConversion.h"
#include "platform/date/DateFormat.h"

#include <chrono>

namespace corvane::corvcal
{

namespace
{

constexpr std::string_view kUsage = "corvcal dump FROM TO";

void Run(Args args, std::ostream &out)
{
    using namespace std::chrono;
    ExpectArgCount(args, 2, 2, kUsage);
    const GregorianDay from = ParseConvertibleDay(args[0], "FROM");
    const GregorianDay to = ParseConvertibleDay(args[1], "TO");
    if (to < from)
        throw UsageError("TO " + DayText(to) + " comes before FROM " + DayText(from));

    std::string text = "date\tyear\tmonth\tday\tslot\n";
    ModAgrCAl::AgrDate agr;
    const sys_days last = date::DaysFromYmd(to.year, to.month, to.day);
    for (sys_days d = date::DaysFromYmd(from.year, from.month, from.day); d <= last; d += days{1}) {
        const year_month_day ymd{d};
        ModAgrCAl::UniToAgrDate(std::int16_t(int(ymd.year())),
                                std::int16_t(unsigned(ymd.month())),
                                std::int16_t(unsigned(ymd.day())),
                                agr);
        date::AppendFormat(text, date::FromDays(d), "YYYY-MM-DD");
        text += '\t';
        text += std::to_string(agr.Year);
        text += '\t';
        text += agr.Month;
        text += '\t';
        text += std::to_string(agr.Day);
        text += '\t';
        text += std::to_string(agr.MonthSlot);
        text += '\n';
    }
    out << text;
}

} // namespace

Command DumpCommand()
{
    return {"dump",
            "dump FROM TO               one tab-separated line per day",
            "usage: corvcal dump FROM TO\n"
            "Prints one tab-separated line per Gregorian day from FROM to TO (YYYY-MM-DD, both within\n"
            "1900-01-31 to 2031-12-31), after a header line. Columns: date year month day slot, as\n"
            "`corvcal lunar` describes them.\n",
            Run};
}

} // namespace corvane::corvcal
