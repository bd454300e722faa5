#include "CommandList.h"
#include "CorvcalArgs.h"

#include "engine/AgrText.h"
#include "engine/EraNumbers.h"
#include "platform/date/DateValue.h"

namespace corvane::corvcal
{

namespace
{

constexpr std::string_view kUsage = "corvcal era \"YYYY-MM-DD HH:MM\" [--mode month|term]";

// "YYYY-MM-DD HH:MM" (the time may be left out: midnight).
date::Date ParseMoment(std::string_view text)
{
    const GregorianDay day = ParseConvertibleDay(text.substr(0, 10), "date");
    if (text.size() == 10)
        return date::FromYmd(day.year, day.month, day.day);
    if (text.size() != 16 || text[10] != ' ' || text[13] != ':')
        throw UsageError("moment " + Quoted(text) + " is not of the form \"YYYY-MM-DD HH:MM\"");
    const int hour = ParseNumber(text.substr(11, 2), "hour", 0, 23);
    const int minute = ParseNumber(text.substr(14, 2), "minute", 0, 59);
    return date::FromYmd(day.year, day.month, day.day) + date::FromHms(hour, minute, 0);
}

void Run(Args args, std::ostream &out)
{
    using namespace ModAgrCAl;
    ExpectArgCount(args, 1, 3, kUsage);
    int mode = kEraModeMonth;
    if (args.size() == 2)
        throw UsageError("--mode needs a value, month or term; usage: " + std::string(kUsage));
    if (args.size() == 3) {
        if (args[1] != "--mode")
            throw UsageError("unexpected argument " + Quoted(args[1]) + "; usage: " + std::string(kUsage));
        if (args[2] == "term")
            mode = kEraModeTerm;
        else if (args[2] != "month")
            throw UsageError("mode " + Quoted(args[2]) + " is neither month nor term");
    }
    const date::Date moment = ParseMoment(args[0]);
    const date::Date day = date::FromDays(date::DayOf(moment));
    const EraNumbers n = GetEraNumbers(day, moment - day, mode);
    out << "numbers\t" << n.year << " " << n.month << " " << n.day << " " << n.hour << "\n"
        << "names\t" << GetEraName(n.year) << "年 " << GetEraName(n.month) << "月 " << GetEraName(n.day) << "日 "
        << GetEraName(n.hour) << "时\n";
}

} // namespace

Command EraCommand()
{
    return {"era",
            "era \"YYYY-MM-DD HH:MM\" [--mode month|term]   stem-branch numbers of a moment",
            "usage: corvcal era \"YYYY-MM-DD HH:MM\" [--mode month|term]\n"
            "Prints the sexagenary (干支) numbers 1-60 of year, month, day and hour of a moment, then\n"
            "their names. --mode month (the default) takes year and month from the lunar calendar;\n"
            "--mode term from the solar terms (the year changes at 立春, the month at the first term of\n"
            "each Gregorian month). Days 1900-01-31 to 2031-12-31.\n",
            Run};
}

} // namespace corvane::corvcal
