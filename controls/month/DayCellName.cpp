#include "DayCellName.h"

#include "MonthGeometry.h"
#include "engine/AgrConversion.h"
#include "engine/AgrText.h"
#include "engine/AgrYearTable.h"
#include "engine/EngineLifetime.h"
#include "engine/MonthCells.h"
#include "engine/STermTable.h"

#include <array>

namespace corvane::month
{

namespace
{

constexpr std::array<std::string_view, kColumns> kWeekDayCaptions =
    {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};

// The grid's month names leave "月" off a leap month ("闰六"); spoken, it belongs there.
std::string SpokenMonthName(const ModAgrCAl::AgrDate &agr)
{
    std::string name = ModAgrCAl::GetAgrMonthName(agr.Month, ModAgrCAl::AgrYear(agr.Year).LeapMonth);
    if (!name.ends_with("月"))
        name += "月";
    return name;
}

} // namespace

std::string_view WeekDayCaption(int column)
{
    return kWeekDayCaptions.at(std::size_t(column));
}

std::string DayCellName(int year, int month, int day)
{
    ModAgrCAl::InitAgrTables();
    const ModAgrCAl::AgrDate agr = ModAgrCAl::UniToAgrDate(std::int16_t(year), std::int16_t(month), std::int16_t(day));
    std::string name = std::to_string(year) + "年" + std::to_string(month) + "月" + std::to_string(day) + "日 ";
    name += WeekDayCaption(PlaceDay(FirstDayOffset(year, month), day).column);
    name += " 农历" + SpokenMonthName(agr) + ModAgrCAl::GetAgrDayName(agr.Day);

    ModAgrCAl::DayCell cell;
    ModAgrCAl::FillDayCell(cell, year, month, day, agr);
    const std::size_t first = cell.FestText.find_first_not_of(' ');
    if (first != std::string::npos)
        name += " " + cell.FestText.substr(first, cell.FestText.find_last_not_of(' ') - first + 1);
    if (const int term = ModAgrCAl::STermOnDay(year, month, day))
        name += " " + std::string(ModAgrCAl::GetsTermName(term));
    return name;
}

} // namespace corvane::month
