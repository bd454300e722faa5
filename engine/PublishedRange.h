#pragma once

#include "engine/AgrYearTable.h"
#include "platform/automation/AutomationError.h"
#include "platform/date/DateValue.h"

namespace corvane::ModAgrCAl
{

// The Gregorian years that everything reached through the automation surface accepts: the public
// calendar methods, the controls' dates, the date editor's steps. Hosts and saved forms rely on them,
// so they stay put when the engine's tables (kFirstAgrYear .. kLastAgrYear) grow.
inline constexpr int kFirstPublishedYear = 1901;
inline constexpr int kLastPublishedYear = 2030;
inline constexpr date::YearRange kPublishedYears{kFirstPublishedYear, kLastPublishedYear};

// 1 January of the first published year and 31 December of the last, as date values.
inline constexpr date::Date kFirstPublishedDate = date::SerialOf(kFirstPublishedYear, 1, 1);
inline constexpr date::Date kLastPublishedDate = date::SerialOf(kLastPublishedYear, 12, 31);

// The last year of the lunar tables the automation surface was published with. The picker's caption
// answers error 9 for a day after that Gregorian year, as it always has, though the engine's tables
// now reach further.
inline constexpr int kLastPublishedTableYear = 2031;

// The Gregorian years of which the engine's tables convert every day (the tables open with lunar New
// Year 1900, late in that January). Faces outside the automation surface may open the controls to
// them; the controls themselves default to the published years.
inline constexpr date::YearRange kTableYears{kFirstAgrYear + 1, kLastAgrYear};

// A span of years the controls can be given: not empty and inside kTableYears.
constexpr bool IsTableSpan(date::YearRange years)
{
    return years.first <= years.last && kTableYears.Contains(years.first) && kTableYears.Contains(years.last);
}

// `years` when it is a table span; error 5 otherwise.
inline date::YearRange CheckedTableSpan(date::YearRange years)
{
    if (!IsTableSpan(years))
        throw AutomationError(ErrorNumber::InvalidCall, "Invalid procedure call or argument: years outside the tables");
    return years;
}

constexpr bool IsPublishedYear(int year)
{
    return kPublishedYears.Contains(year);
}

} // namespace corvane::ModAgrCAl
