#include "ModPublic.h"

#include "engine/AgrConversion.h"
#include "engine/AgrText.h"
#include "engine/AgrYearTable.h"
#include "engine/EraNumbers.h"
#include "engine/PublishedRange.h"
#include "engine/STermTable.h"
#include "platform/date/Clock.h"

namespace corvane::ModPublic
{

namespace
{

ModAgrCAl::AgrDate LunarDateOf(const CheckedDate &checked)
{
    const date::Ymd &ymd = checked.ymd;
    return ModAgrCAl::UniToAgrDate(std::int16_t(ymd.year), std::int16_t(ymd.month), std::int16_t(ymd.day));
}

struct TermArgs {
    bool accepted;
    int year;
    int term;
};

TermArgs CheckTermArgs(int year, int term)
{
    if (year == 0 || term == 0) {
        const date::Ymd today = date::YmdOf(date::Now());
        if (year == 0)
            year = today.year;
        if (term == 0)
            term = 2 * today.month - 1 + (today.day > 15 ? 1 : 0);
    }
    return {ModAgrCAl::IsPublishedYear(year) && term >= 1 && term <= 24, year, term};
}

// An omitted time is that of the effective date: 00:00 for a plain date, the present time when the
// date was omitted too.
ModAgrCAl::EraNumbers EraNumbersOf(const CheckedDate &checked, date::Date time, std::int32_t mode)
{
    return ModAgrCAl::GetEraNumbers(checked.date, time == date::kNoDate ? checked.date : time, mode);
}

} // namespace

CheckedDate CheckDateArg(date::Date value)
{
    if (value == date::kNoDate)
        value = date::Now();
    else if (!date::IsValidDate(value))
        return {false, value, {}};
    const date::Ymd ymd = date::YmdOf(value);
    return {ModAgrCAl::IsPublishedYear(ymd.year), value, ymd};
}

QxAgrDateNum GetAgrNumDate(date::Date CurrDate)
{
    const CheckedDate checked = CheckDateArg(CurrDate);
    if (!checked.accepted)
        return {};
    const ModAgrCAl::AgrDate agr = LunarDateOf(checked);
    const ModAgrCAl::MonthNumber month = ModAgrCAl::ParseMonthText(agr.Month);
    return {agr.Year, std::int16_t(month.number), agr.Day, std::int16_t(month.leap ? -1 : 0), agr.MonthSlot};
}

QxAgrDateStr GetAgrStrDate(date::Date CurrDate)
{
    const CheckedDate checked = CheckDateArg(CurrDate);
    if (!checked.accepted)
        return {};
    const ModAgrCAl::AgrDate agr = LunarDateOf(checked);
    return {ModAgrCAl::GetAgrYearName(agr.Year),
            ModAgrCAl::GetAgrMonthName(agr.Month, 0),
            ModAgrCAl::GetAgrDayName(agr.Day) + "日"};
}

std::string GetsTermString(std::int16_t CurrUniYear, std::int16_t sterm)
{
    const TermArgs args = CheckTermArgs(CurrUniYear, sterm);
    return args.accepted ? ModAgrCAl::GetsTermText(args.year, args.term) : std::string();
}

date::Date GetsTermDateTime(std::int16_t CurrUniYear, std::int16_t sterm)
{
    const TermArgs args = CheckTermArgs(CurrUniYear, sterm);
    return args.accepted ? ModAgrCAl::GetsTermMoment(args.year, args.term) : date::kNoDate;
}

QxAgrEraNum GetEraNumber(date::Date CurrDate, date::Date CurTime, std::int32_t iMode)
{
    const CheckedDate checked = CheckDateArg(CurrDate);
    if (!checked.accepted)
        return {};
    const ModAgrCAl::EraNumbers n = EraNumbersOf(checked, CurTime, iMode);
    return {n.year, n.month, n.day, n.hour};
}

QxAgrEraStr GetEraString(date::Date CurrDate, date::Date CurTime, std::int32_t iMode)
{
    const CheckedDate checked = CheckDateArg(CurrDate);
    if (!checked.accepted)
        return {};
    const ModAgrCAl::EraNumbers n = EraNumbersOf(checked, CurTime, iMode);
    return {ModAgrCAl::GetEraName(n.year),
            ModAgrCAl::GetEraName(n.month),
            ModAgrCAl::GetEraName(n.day),
            ModAgrCAl::GetEraName(n.hour)};
}

date::Date AgrDateToUniDate(const QxAgrDateNum &CurrAgrDate)
{
    const QxAgrDateNum &a = CurrAgrDate;
    if (!ModAgrCAl::IsPublishedYear(a.AgrFactYear))
        return date::kNoDate;
    // Only a lunar date that exists converts: a month of the year (1-12; 13 would address a slot past
    // the end of the lunar year), the leap flag only on the year's leap month, a day within its month.
    // Anything else would silently run on into another month.
    const bool leap = a.AgrIsLeep != 0;
    const int monthDays = ModAgrCAl::AgrMonthDays(a.AgrFactYear, a.AgrMonth, leap);
    if (a.AgrDay < 1 || a.AgrDay > monthDays)
        return date::kNoDate;
    return ModAgrCAl::AgrToUniDate(a.AgrFactYear, ModAgrCAl::MakeMonthText(a.AgrMonth, leap), a.AgrDay);
}

} // namespace corvane::ModPublic
