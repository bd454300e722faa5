#include "CommandList.h"
#include "CorvcalArgs.h"
#include "JsonWriter.h"

#include "engine/AgrText.h"
#include "engine/EraNumbers.h"
#include "platform/date/DateFormat.h"

namespace corvane::corvcal
{

namespace
{

constexpr std::string_view kUsage = "corvcal era \"YYYY-MM-DD HH:MM\" [--mode month|term] [--json]";

// "YYYY-MM-DD HH:MM" (the time may be left out: midnight).
date::Date ParseMoment(std::string_view text)
{
    if (text.size() != 10 && (text.size() != 16 || text[10] != ' ' || text[13] != ':'))
        throw UsageError("moment " + Quoted(text) + " is not of the form \"YYYY-MM-DD HH:MM\"");
    const GregorianDay day = ParseConvertibleDay(text.substr(0, 10), "date");
    if (text.size() == 10)
        return date::FromYmd(day.year, day.month, day.day);
    const int hour = ParseNumber(text.substr(11, 2), "hour", 0, 23);
    const int minute = ParseNumber(text.substr(14, 2), "minute", 0, 59);
    return date::FromYmd(day.year, day.month, day.day) + date::FromHms(hour, minute, 0);
}

void Run(const Invocation &call, std::ostream &out)
{
    using namespace ModAgrCAl;
    ExpectArgCount(call, 1, 1, kUsage);
    const std::string_view modeName = call.mode.value_or("month");
    if (modeName != "month" && modeName != "term")
        throw UsageError("mode " + Quoted(modeName) + " is neither month nor term");
    const date::Date moment = ParseMoment(call.args[0]);
    const date::Date day = date::FromDays(date::DayOf(moment));
    const EraNumbers n = GetEraNumbers(day, moment - day, modeName == "term" ? kEraModeTerm : kEraModeMonth);
    const std::pair<std::string_view, int> parts[] = {{"year", n.year},
                                                      {"month", n.month},
                                                      {"day", n.day},
                                                      {"hour", n.hour}};
    if (call.json) {
        PrintJson(out, [&](JsonWriter &json) {
            json.BeginObject().Field("moment", date::Format(moment, "YYYY-MM-DD hh:mm")).Field("mode", modeName);
            json.Key("numbers").BeginObject();
            for (const auto &[name, number] : parts)
                json.Field(name, number);
            json.EndObject().Key("names").BeginObject();
            for (const auto &[name, number] : parts)
                json.Field(name, GetEraName(number));
            json.EndObject().EndObject();
        });
        return;
    }
    out << "numbers\t" << n.year << " " << n.month << " " << n.day << " " << n.hour << "\n"
        << "names\t" << GetEraName(n.year) << "年 " << GetEraName(n.month) << "月 " << GetEraName(n.day) << "日 "
        << GetEraName(n.hour) << "时\n";
}

} // namespace

Command EraCommand()
{
    return {"era",
            "era \"YYYY-MM-DD HH:MM\" [--mode month|term]   stem-branch numbers of a moment",
            "usage: corvcal era \"YYYY-MM-DD HH:MM\" [--mode month|term] [--json]\n"
            "Prints the sexagenary (干支) numbers 1-60 of year, month, day and hour of a moment, then\n"
            "their names. --mode month (the default) takes year and month from the lunar calendar;\n"
            "--mode term from the solar terms (the year changes at 立春, the month at the first term of\n"
            "each Gregorian month). Days {days}.\n"
            "  --json  {\"moment\" (\"YYYY-MM-DD hh:mm\"), \"mode\", \"numbers\": {\"year\", \"month\", \"day\",\n"
            "          \"hour\"}, \"names\": {the same four, each a two-character name such as \"甲子\"}}\n",
            kJsonOption | kModeOption,
            kUsage,
            Run};
}

} // namespace corvane::corvcal
