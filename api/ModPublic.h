#pragma once

#include "api/QxRecords.h"
#include "platform/date/DateValue.h"

#include <cstdint>
#include <string>

// The seven calendar methods every control and CQxCal offer, in one shared implementation. Arguments
// outside the supported range (Gregorian years 1901-2030, terms 1-24) are not errors: the methods
// answer with zeros, empty texts or the zero date. An omitted argument arrives as zero.
namespace corvane::ModPublic
{

struct CheckedDate {
    bool accepted;
    date::Date date; // the date to use: the argument, or now when it was the zero date
    date::Ymd ymd; // its year, month and day
};

// The zero date stands for "now" (date and time); a date whose Gregorian year lies outside 1901-2030
// is rejected; any other date is accepted unchanged, time of day included.
CheckedDate CheckDateArg(date::Date value);

QxAgrDateNum GetAgrNumDate(date::Date CurrDate = 0);
QxAgrDateStr GetAgrStrDate(date::Date CurrDate = 0);

// Year 0 is the current year; term 0 is the current half-month's term (2 x month - 1, plus 1 after
// the 15th).
std::string GetsTermString(std::int16_t CurrUniYear = 0, std::int16_t sterm = 0);
date::Date GetsTermDateTime(std::int16_t CurrUniYear = 0, std::int16_t sterm = 0);

// The moment is the calendar day of the effective date at the hour and minute of CurTime (only those
// are read). An omitted CurTime (the zero date) takes the time of day of the effective date: 00:00
// for a plain date, the present time when CurrDate is omitted too. iMode 1 (XCAgrTerm) follows the
// solar terms, any other value the lunar calendar.
QxAgrEraNum GetEraNumber(date::Date CurrDate = 0, date::Date CurTime = 0, std::int32_t iMode = 0);
QxAgrEraStr GetEraString(date::Date CurrDate = 0, date::Date CurTime = 0, std::int32_t iMode = 0);

// The zero date for a lunar date that does not exist: a year outside 1901-2030, a month outside 1-12,
// a leap flag on a month that is not the year's leap month, a day outside 1 to the length of that
// month. AgrMonthBound is not read.
date::Date AgrDateToUniDate(const QxAgrDateNum &CurrAgrDate);

} // namespace corvane::ModPublic
