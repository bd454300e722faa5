// The solar terms of the C interface: names and moments from the engine's term table.
#include "CalendarArgs.h"
#include "CalendarCall.h"

#include "engine/STermTable.h"

#include <algorithm>
#include <chrono>

using namespace corvane;
using namespace corvane::calendar;

namespace
{

using namespace std::chrono;

constexpr seconds kChinaStandardTime = hours{8}; // UTC+8, the time the terms are quoted in

void CheckTerm(int year, int number)
{
    CheckTermYear(year);
    if (number < 1 || number > 24)
        Throw(ErrorNumber::InvalidCall, "there is no solar term " + std::to_string(number));
}

void FillTerm(int year, int number, corv_solar_term &out)
{
    CheckTerm(year, number);
    const date::DateParts china = date::Split(ModAgrCAl::GetsTermMoment(year, number));
    const year_month_day day{china.day};
    const sys_seconds moment = china.day + seconds{china.seconds} - kChinaStandardTime;

    out = {};
    out.number = number;
    const std::string_view name = ModAgrCAl::GetsTermName(number);
    PutText(name, out.name, sizeof out.name);
    out.unix_seconds = moment.time_since_epoch().count();
    out.year = int(day.year());
    out.month = int(unsigned(day.month()));
    out.day = int(unsigned(day.day()));
    out.hour = china.seconds / 3600;
    out.minute = china.seconds / 60 % 60;
}

} // namespace

extern "C" {

int corv_cal_solar_term(int year, int number, corv_solar_term *out)
{
    return Call([&] {
        RequirePointers(out);
        corv_solar_term term;
        FillTerm(year, number, term);
        *out = term;
    });
}

int corv_cal_solar_terms(int year, corv_solar_term out[24])
{
    return Call([&] {
        RequirePointers(out);
        corv_solar_term terms[24];
        for (int number = 1; number <= 24; ++number)
            FillTerm(year, number, terms[number - 1]);
        std::copy(std::begin(terms), std::end(terms), out);
    });
}

int corv_cal_solar_term_text(int year, int number, char *buf, size_t size)
{
    return Call([&] {
        CheckTerm(year, number);
        PutText(ModAgrCAl::GetsTermText(year, number), buf, size);
    });
}

} // extern "C"
