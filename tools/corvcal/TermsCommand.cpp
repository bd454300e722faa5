#include "CalendarJson.h"
#include "CommandList.h"
#include "CorvcalArgs.h"

#include "engine/STermTable.h"
#include "platform/date/DateFormat.h"

namespace corvane::corvcal
{

namespace
{

constexpr std::string_view kUsage = "corvcal terms YEAR [--json]";

void Run(const Invocation &call, std::ostream &out)
{
    using namespace ModAgrCAl;
    ExpectArgCount(call, 1, 1, kUsage);
    const int year = ParseNumber(call.args[0], "year", kFirstYear, kLastYear);
    if (call.json) {
        PrintJson(out, [&](JsonWriter &json) {
            json.BeginObject().Field("year", year).Key("terms").BeginArray();
            for (int term = 1; term <= 24; ++term)
                WriteTermObject(json, year, term);
            json.EndArray().EndObject();
        });
        return;
    }
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
            "usage: corvcal terms YEAR [--json]\n"
            "Prints the 24 solar terms (节气) of a Gregorian year {years}, one a line, tab-separated:\n"
            "number (1 = 小寒), name, display text, and the moment in China Standard Time.\n"
            "  --json  {\"year\", \"terms\": [TERM, ...]}, TERM {\"number\", \"name\", \"text\", \"moment\"}\n"
            "          with the moment as \"YYYY-MM-DD hh:mm\"\n",
            kJsonOption,
            kUsage,
            Run};
}

} // namespace corvane::corvcal
