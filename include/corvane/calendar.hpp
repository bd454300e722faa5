// Corvane calendar for C++: the Chinese lunisolar calendar as value types and free functions over
// <chrono>. A header-only face of the C interface (corvane/calendar.h), so programs depend on no C++
// ABI of the library; link Corvane::Calendar (CMake) or corvane-calendar (pkg-config).
//
//     const corvane::lunar_date d = corvane::to_lunar(2002y / July / 19); // {2002, 6, false, 10}
//     for (const corvane::solar_term &t : corvane::solar_terms(2002)) ...
//
// Range: 1900-01-31 (lunar New Year 1900) to 2100-12-31 and the lunar dates of those days; solar terms
// for the Gregorian years 1900 to 2100 (supported_range()). Failures throw calendar_error carrying the
// automation error number: 9 outside the range, 5 for a date, month, term or format that does not
// exist. The try_ forms answer std::nullopt instead.
#pragma once

#include "corvane/calendar.h"

#include <array>
#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>

namespace corvane
{

class calendar_error : public std::runtime_error
{
public:
    calendar_error(int number, const std::string &message)
        : std::runtime_error(message)
        , number_(number)
    {
    }
    // CORV_CAL_E_OUT_OF_RANGE (9), CORV_CAL_E_INVALID (5), ...
    int number() const noexcept { return number_; }

private:
    int number_;
};

struct lunar_date {
    int year; // numbered like the Gregorian year in which its New Year's Day falls
    unsigned month; // [1, 12]; for the leap month, the number of the month it repeats
    bool leap; // the leap month
    unsigned day; // [1, 30]

    friend bool operator==(const lunar_date &, const lunar_date &) = default;
};

// Conventions for the year and month numbers of a moment: by the lunar calendar, or by the solar terms
// (the year changes at 立春, each month at the first term of its Gregorian month).
enum class era_mode {
    lunar_month = CORV_CAL_ERA_LUNAR_MONTH,
    solar_term = CORV_CAL_ERA_SOLAR_TERM
};

// Sexagenary numbers [1, 60] (1 = 甲子); stem_branch() names them.
struct sexagenary {
    int year;
    int month;
    int day;
    int hour;

    friend bool operator==(const sexagenary &, const sexagenary &) = default;
};

// The time zone the terms are quoted in, and the one the sexagenary hours count in.
inline constexpr std::chrono::hours china_standard_time_offset{8};

struct solar_term {
    int number; // [1, 24], calendar order from 小寒; terms 2m - 1 and 2m fall in month m
    std::string name; // "小寒"
    std::chrono::sys_seconds moment;
    std::chrono::local_seconds china_time; // the moment in China Standard Time (UTC+8)
};

// The date picker's caption layouts (for 2002-07-19):
enum class caption_format {
    week = CORV_CAL_CAPTION_WEEK, // 2002年07月19日 星期五
    lunar_year_month_day = CORV_CAL_CAPTION_LUNAR_YMD, // 2002年07月19日 农历: 壬午年 六月 初十日
    lunar_year_month_day_week = CORV_CAL_CAPTION_LUNAR_YMD_WEEK, // ... 初十日 星期五
    lunar_month_day = CORV_CAL_CAPTION_LUNAR_MD, // 2002年07月19日 农历: 六月 初十日
    lunar_month_day_week = CORV_CAL_CAPTION_LUNAR_MD_WEEK, // ... 初十日 星期五
};

struct calendar_range {
    std::chrono::year_month_day first; // the first day of the calendar
    std::chrono::year_month_day last;
    int first_term_year; // solar terms and leap months
    int last_term_year;
};

namespace detail
{

inline void check(int status)
{
    if (status != CORV_CAL_OK)
        throw calendar_error(status, corv_cal_last_error_message());
}

inline corv_lunar_date to_c(const lunar_date &d) noexcept
{
    return {d.year, int(d.month), d.leap ? 1 : 0, int(d.day)};
}

inline lunar_date from_c(const corv_lunar_date &d) noexcept
{
    return {d.year, unsigned(d.month), d.leap != 0, unsigned(d.day)};
}

inline std::chrono::year_month_day ymd(int y, int m, int d) noexcept
{
    return std::chrono::year{y} / m / d;
}

// The fields of a Gregorian day as the C interface takes them (which refuses days that are not ok()).
struct c_day {
    int year, month, day;
};

inline c_day to_c(std::chrono::year_month_day d) noexcept
{
    return {int(d.year()), int(unsigned(d.month())), int(unsigned(d.day()))};
}

template<class Call>
std::string text(Call &&call)
{
    char buf[CORV_CAL_TEXT_SIZE];
    check(call(buf, sizeof buf));
    return buf;
}

inline solar_term from_c(const corv_solar_term &t)
{
    using namespace std::chrono;
    const local_seconds china = local_days{ymd(t.year, t.month, t.day)} + hours{t.hour} + minutes{t.minute};
    return {t.number, t.name, sys_seconds{seconds{t.unix_seconds}}, china};
}

} // namespace detail

inline calendar_range supported_range() noexcept
{
    corv_cal_span r{};
    corv_cal_range(&r);
    return {detail::ymd(r.first_year, r.first_month, r.first_day),
            detail::ymd(r.last_year, r.last_month, r.last_day),
            r.first_term_year,
            r.last_term_year};
}

// ---- conversion ---------------------------------------------------------------------------------

inline std::optional<lunar_date> try_to_lunar(std::chrono::year_month_day day) noexcept
{
    const detail::c_day d = detail::to_c(day);
    corv_lunar_date out;
    if (corv_cal_to_lunar(d.year, d.month, d.day, &out) != CORV_CAL_OK)
        return std::nullopt;
    return detail::from_c(out);
}

inline lunar_date to_lunar(std::chrono::year_month_day day)
{
    const detail::c_day d = detail::to_c(day);
    corv_lunar_date out;
    detail::check(corv_cal_to_lunar(d.year, d.month, d.day, &out));
    return detail::from_c(out);
}

inline std::optional<std::chrono::year_month_day> try_to_gregorian(const lunar_date &date) noexcept
{
    const corv_lunar_date in = detail::to_c(date);
    int y, m, d;
    if (corv_cal_to_gregorian(&in, &y, &m, &d) != CORV_CAL_OK)
        return std::nullopt;
    return detail::ymd(y, m, d);
}

inline std::chrono::year_month_day to_gregorian(const lunar_date &date)
{
    const corv_lunar_date in = detail::to_c(date);
    int y, m, d;
    detail::check(corv_cal_to_gregorian(&in, &y, &m, &d));
    return detail::ymd(y, m, d);
}

// The month lunar year `year` repeats as its leap month, 0 when it has none.
inline unsigned leap_month(int year)
{
    int month;
    detail::check(corv_cal_leap_month(year, &month));
    return unsigned(month);
}

// 29 or 30.
inline unsigned month_length(int year, unsigned month, bool leap = false)
{
    int days;
    detail::check(corv_cal_month_length(year, int(month), leap ? 1 : 0, &days));
    return unsigned(days);
}

// ---- names --------------------------------------------------------------------------------------

// "正月" .. "腊月"; the leap month is "闰" and its month character ("闰四").
inline std::string month_name(const lunar_date &date)
{
    const corv_lunar_date in = detail::to_c(date);
    return detail::text([&](char *buf, std::size_t size) { return corv_cal_month_name(&in, buf, size); });
}

// "初一" .. "三十".
inline std::string day_name(const lunar_date &date)
{
    const corv_lunar_date in = detail::to_c(date);
    return detail::text([&](char *buf, std::size_t size) { return corv_cal_day_name(&in, buf, size); });
}

// The stem-branch name of a sexagenary number [1, 60]: "甲子" .. "癸亥".
inline std::string stem_branch(int number)
{
    return detail::text([&](char *buf, std::size_t size) { return corv_cal_stem_branch(number, buf, size); });
}

// The zodiac animal of a lunar year: "鼠" for 1984.
inline std::string zodiac(int lunar_year)
{
    return detail::text([&](char *buf, std::size_t size) { return corv_cal_zodiac(lunar_year, buf, size); });
}

// The festival of a day, empty when there is none.
inline std::string festival(std::chrono::year_month_day day)
{
    const detail::c_day d = detail::to_c(day);
    return detail::text(
        [&](char *buf, std::size_t size) { return corv_cal_festival(d.year, d.month, d.day, buf, size); });
}

inline std::string caption(std::chrono::year_month_day day, caption_format format)
{
    const detail::c_day d = detail::to_c(day);
    return detail::text(
        [&](char *buf, std::size_t size) { return corv_cal_caption(d.year, d.month, d.day, int(format), buf, size); });
}

// ---- stem-branch numbers of a moment ------------------------------------------------------------

// The numbers of a moment in China Standard Time. From 23:00 the day and hour are those of the first
// hour (子) of the next day.
inline sexagenary sexagenary_of(std::chrono::local_seconds china_time, era_mode mode = era_mode::lunar_month)
{
    using namespace std::chrono;
    const local_days day = floor<days>(china_time);
    const hh_mm_ss<seconds> time{china_time - day};
    const detail::c_day d = detail::to_c(year_month_day{day});
    corv_sexagenary out;
    detail::check(corv_cal_sexagenary(d.year,
                                      d.month,
                                      d.day,
                                      int(time.hours().count()),
                                      int(time.minutes().count()),
                                      int(mode),
                                      &out));
    return {out.year, out.month, out.day, out.hour};
}

inline sexagenary sexagenary_of(std::chrono::sys_seconds moment, era_mode mode = era_mode::lunar_month)
{
    return sexagenary_of(std::chrono::local_seconds{moment.time_since_epoch() + china_standard_time_offset}, mode);
}

// ---- solar terms --------------------------------------------------------------------------------

inline solar_term solar_term_of(int year, int number)
{
    corv_solar_term out;
    detail::check(corv_cal_solar_term(year, number, &out));
    return detail::from_c(out);
}

inline std::array<solar_term, 24> solar_terms(int year)
{
    corv_solar_term out[24];
    detail::check(corv_cal_solar_terms(year, out));
    std::array<solar_term, 24> terms;
    for (std::size_t i = 0; i < terms.size(); ++i)
        terms[i] = detail::from_c(out[i]);
    return terms;
}

// "小寒：5日20时26分": the term's day and its time in China Standard Time.
inline std::string solar_term_text(int year, int number)
{
    return detail::text([&](char *buf, std::size_t size) { return corv_cal_solar_term_text(year, number, buf, size); });
}

} // namespace corvane
