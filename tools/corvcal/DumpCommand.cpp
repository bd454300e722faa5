#include "CalendarJson.h"
#include "CommandList.h"
#include "CorvcalArgs.h"

#include "engine/AgrConversion.h"
#include "engine/AgrText.h"
#include "engine/MonthCells.h"
#include "engine/STermTable.h"
#include "platform/date/DateFormat.h"

#include <chrono>

namespace corvane::corvcal
{

namespace
{

constexpr std::string_view kUsage = "corvcal dump FROM TO [--json]";

void AppendRow(std::string &text, date::Date value, const ModAgrCAl::DayCell &cell)
{
    date::AppendFormat(text, value, "YYYY-MM-DD");
    for (const auto &field : {std::to_string(cell.Year),
                              cell.Month,
                              std::to_string(cell.Day),
                              std::to_string(cell.MonthSlot),
                              cell.FestText,
                              cell.AgrText,
                              ModAgrCAl::GetEraName(ModAgrCAl::GetDayEraNumber(value)),
                              TermNameOfDay(value)}) {
        text += '\t';
        text += field;
    }
    text += '\n';
}

void Run(const Invocation &call, std::ostream &out)
{
    using namespace std::chrono;
    ExpectArgCount(call, 2, 2, kUsage);
    const GregorianDay from = ParseConvertibleDay(call.args[0], "FROM");
    const GregorianDay to = ParseConvertibleDay(call.args[1], "TO");
    if (to < from)
        throw UsageError("TO " + DayText(to) + " comes before FROM " + DayText(from));

    std::string text;
    JsonWriter json(text);
    if (call.json)
        json.BeginObject().Key("days").BeginArray();
    else
        text = "date\tyear\tmonth\tday\tslot\tfestival\tcell_text\tday_era\tsterm\n";
    const sys_days last = date::DaysFromYmd(to.year, to.month, to.day);
    ModAgrCAl::AgrDate agr;
    ModAgrCAl::DayCell cell;
    for (sys_days d = date::DaysFromYmd(from.year, from.month, from.day); d <= last; d += days{1}) {
        const year_month_day ymd{d};
        const int y = int(ymd.year());
        const int m = int(unsigned(ymd.month()));
        const int dd = int(unsigned(ymd.day()));
        ModAgrCAl::UniToAgrDate(std::int16_t(y), std::int16_t(m), std::int16_t(dd), agr);
        ModAgrCAl::FillDayCell(cell, y, m, dd, agr);
        if (call.json)
            WriteDayObject(json, date::FromDays(d), cell);
        else
            AppendRow(text, date::FromDays(d), cell);
    }
    if (call.json) {
        json.EndArray().EndObject();
        text += '\n';
    }
    out << text;
}

} // namespace

Command DumpCommand()
{
    return {"dump",
            "dump FROM TO               one tab-separated line per day",
            "usage: corvcal dump FROM TO [--json]\n"
            "Prints one tab-separated line per Gregorian day from FROM to TO (YYYY-MM-DD, both within\n"
            "{days}), after a header line. Columns: date year month day slot, as\n"
            "`corvcal lunar` describes them; festival (empty when none); cell_text, what the month\n"
            "calendar shows under the day (month name on a lunar month's first day, else day name);\n"
            "day_era, the day's stem-branch name; sterm, the solar term whose moment falls on the day\n"
            "(empty when none).\n"
            "  --json  {\"days\": [DAY, ...]}, DAY {\"date\", \"year\", \"month\" (the number), \"leap\" (true in\n"
            "          the leap month), \"day\", \"slot\", \"festival\", \"cell_text\", \"day_era\", \"sterm\"}\n",
            kJsonOption,
            kUsage,
            Run};
}

} // namespace corvane::corvcal
