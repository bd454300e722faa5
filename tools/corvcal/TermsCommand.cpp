#include "CommandList.h"
#include "CorvcalArgs.h"

#include "engine/AgrYearTable.h"
#include "engine/STermTable.h"
#include "platform/date/DateFormat.h"

namespace corvane::corvcal
{

namespace
{

constexpr std::string_view kUsage = "corvcal terms YEAR";

void Run(Args args, std::ostream &out)
{
    using namespace ModAgrCAl;
    ExpectArgCount(args, 1, 1, kUsage);
    const int year = ParseNumber(args[0], "year", kFirstAgrYear, kLastAgrYear);
    for (int term = 1; term <= 24; ++term) {
        out << term << "\t" << GetsTermName(term) << "\t" << GetsTermText(year, term) << "\t"
            << date::Format(GetsTermMoment(year, term), "YYYY-MM-DD hh:mm") << "\n";
    }
}

} // namespace

Command TermsCommand()
{
    return {"terms",
            "terms YEAR                 the 24 solar terms of a year",
            "usage: corvcal terms YEAR\n"
            "Prints the 24 solar terms (节气) of a Gregorian year 1900-2031, one a line, tab-separated:\n"
            "number (1 = 小寒), name, display text, and the moment in China Standard Time.\n",
            Run};
}

} // namespace corvane::corvcal
