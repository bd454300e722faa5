#include "CommandList.h"
#include "CorvcalArgs.h"
#include "JsonWriter.h"

#include "engine/DateCaption.h"
#include "platform/date/DateValue.h"

namespace corvane::corvcal
{

namespace
{

constexpr std::string_view kUsage = "corvcal caption YYYY-MM-DD FORMAT [--json]";

void Run(const Invocation &call, std::ostream &out)
{
    ExpectArgCount(call, 2, 2, kUsage);
    const GregorianDay day = ParseConvertibleDay(call.args[0], "date");
    const int format = ParseNumber(call.args[1], "format", 0, 4);
    const std::string caption = ModAgrCAl::GetDateCaption(date::FromYmd(day.year, day.month, day.day), format);
    if (call.json) {
        PrintJson(out, [&](JsonWriter &json) {
            json.BeginObject()
                .Field("date", DayText(day))
                .Field("format", format)
                .Field("caption", caption)
                .EndObject();
        });
        return;
    }
    out << caption << "\n";
}

} // namespace

Command CaptionCommand()
{
    return {"caption",
            "caption YYYY-MM-DD FORMAT  the date picker's caption of a day",
            "usage: corvcal caption YYYY-MM-DD FORMAT [--json]\n"
            "Prints the caption the date picker shows for a day, FORMAT 0-4:\n"
            "  0  2002年07月19日 星期五\n"
            "  1  2002年07月19日 农历: 壬午年 六月 初十日\n"
            "  2  2002年07月19日 农历: 壬午年 六月 初十日 星期五\n"
            "  3  2002年07月19日 农历: 六月 初十日\n"
            "  4  2002年07月19日 农历: 六月 初十日 星期五\n"
            "  --json  {\"date\", \"format\", \"caption\"}\n",
            kJsonOption,
            kUsage,
            Run};
}

} // namespace corvane::corvcal
