#include "CalendarJson.h"

#include "engine/AgrText.h"
#include "engine/STermTable.h"
#include "platform/date/DateFormat.h"

namespace corvane::corvcal
{

void WriteLunarFields(JsonWriter &json, date::Date day, const ModAgrCAl::AgrDate &agr)
{
    const ModAgrCAl::MonthNumber month = ModAgrCAl::ParseMonthText(agr.Month);
    json.Field("date", date::Format(day, "YYYY-MM-DD"))
        .Field("year", int(agr.Year))
        .Field("month", month.number)
        .Field("leap", month.leap)
        .Field("day", int(agr.Day))
        .Field("slot", int(agr.MonthSlot));
}

std::string TermNameOfDay(date::Date day)
{
    const int term = ModAgrCAl::STermOnDay(date::Year(day), date::Month(day), date::Day(day));
    return term ? std::string(ModAgrCAl::GetsTermName(term)) : std::string();
}

void WriteDayObject(JsonWriter &json, date::Date day, const ModAgrCAl::DayCell &cell)
{
    json.BeginObject();
    WriteLunarFields(json, day, {cell.Year, cell.Month, cell.Day, cell.MonthSlot});
    json.Field("festival", cell.FestText)
        .Field("cell_text", cell.AgrText)
        .Field("day_era", ModAgrCAl::GetEraName(ModAgrCAl::GetDayEraNumber(day)))
        .Field("sterm", TermNameOfDay(day))
        .EndObject();
}

void WriteTermObject(JsonWriter &json, int year, int term)
{
    json.BeginObject()
        .Field("number", term)
        .Field("name", ModAgrCAl::GetsTermName(term))
        .Field("text", ModAgrCAl::GetsTermText(year, term))
        .Field("moment", date::Format(ModAgrCAl::GetsTermMoment(year, term), "YYYY-MM-DD hh:mm"))
        .EndObject();
}

} // namespace corvane::corvcal
