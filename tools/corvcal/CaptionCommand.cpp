#include "CommandList.h"
#include "CorvcalArgs.h"

#include "engine/DateCaption.h"
#include "platform/date/DateValue.h"

namespace corvane::corvcal
{

namespace
{

constexpr std::string_view kUsage = "corvcal caption YYYY-MM-DD FORMAT";

void Run(Args args, std::ostream &out)
{
    ExpectArgCount(args, 2, 2, kUsage);
    const GregorianDay day = ParseConvertibleDay(args[0], "date");
    const int format = ParseNumber(args[1], "format", 0, 4);
    out << ModAgrCAl::GetDateCaption(date::FromYmd(day.year, day.month, day.day), format) << "\n";
}

} // namespace

Command CaptionCommand()
{
    return {"caption",
            "caption YYYY-MM-DD FORMAT  the date picker's caption of a day",
            "usage: corvcal caption YYYY-MM-DD FORMAT\n"
            "Prints the caption the date picker shows for a day, FORMAT 0-4:\n"
            "  0  2002年07月19日 星期五\n"
            "  1  2002年07月19日 农历: 壬午年 六月 初十日\n"
            "  2  2002年07月19日 农历: 壬午年 六月 初十日 星期五\n"
            "  3  2002年07月19日 农历: 六月 初十日\n"
            "  4  2002年07月19日 农历: 六月 初十日 星期五\n",
            Run};
}

} // namespace corvane::corvcal
