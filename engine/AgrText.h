#pragma once

#include "platform/date/DateValue.h"

#include <string>
#include <string_view>

namespace corvane::ModAgrCAl
{

// Lunar and stem-branch (干支) text. Every name is made by picking characters out of fixed strings by
// a 1-based position; a position outside its string is error 5 (invalid procedure call or argument).
// Sexagenary numbers run [1, 60]: 1 = "甲子", 11 = "甲戌", 60 = "癸亥"; the stem of n is n mod 10 and
// its branch n mod 12, a remainder of 0 standing for the 10th stem and the 12th branch.

std::string GetAgrDayName(int day); // "初一" .. "初十", "十一" .. "十九", "二十", "廿一" .. "廿九", "三十"
// "正月" .. "腊月"; a leap month is "闰" + the month character of leapMonth (of the month text when
// leapMonth is 0), with no "月": "闰八".
std::string GetAgrMonthName(std::string_view monthText, int leapMonth);
std::string GetStemBranch(int stem, int branch); // stem [0, 10], branch [0, 12]; 0 means the last
std::string GetEraName(int number); // sexagenary number; 0 and numbers above 60 wrap
std::string GetZodiacName(int branch); // [1, 12], 1 = "鼠"
int YearBranch(int year); // the branch of a lunar year [1, 12]: 1 (子, 鼠) for 1984; error 6 past 16 bits
std::string GetYearZodiacName(int year); // the animal of a lunar year: "鼠" for 1984
std::string GetAgrYearName(int year); // "甲子年" for 1984
std::string GetMonthEraName(int year, std::string_view monthText); // "丙寅月" for 1984, month 1
int GetDayEraNumber(date::Date value); // [1, 60]; 1900-01-01 is 11
std::string GetDayEraName(date::Date value); // "甲戌日" for 1900-01-01

} // namespace corvane::ModAgrCAl
