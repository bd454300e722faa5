/* Corvane calendar: the Chinese lunisolar calendar for C and foreign-function interfaces.
 *
 * Gregorian and lunar conversion, month lengths and leap months, the 24 solar terms with their
 * moments, stem-branch (干支) numbers and names, zodiac animals, festivals and the date captions of the
 * date picker - without variants, objects or Qt. Plain C99: every argument is an int, a plain struct or
 * a caller buffer, so ctypes, Rust and Go reach it directly. Link libcorvane-calendar (pkg-config
 * corvane-calendar, or the CMake target Corvane::Calendar).
 *
 * Range. The calendar's tables cover lunar years 1900 to 2100. Dates are accepted from 1900-01-31
 * (lunar New Year 1900) to 2100-12-31, lunar dates for the days of that span, solar terms for the
 * Gregorian years 1900 to 2100; corv_cal_range() answers with the span this library was built with.
 *
 * Status. Every function returning int returns 0 or the error number of the failure:
 *   CORV_CAL_E_INVALID      5  no such date, month, term or format; a NULL pointer
 *   CORV_CAL_E_OVERFLOW     6  a text does not fit the caller's buffer (the buffer then holds "")
 *   CORV_CAL_E_OUT_OF_MEMORY 7
 *   CORV_CAL_E_OUT_OF_RANGE 9  a date or year outside the calendar's tables
 * Out parameters are written only on success. corv_cal_last_error_message() describes the last
 * failure of the calling thread.
 *
 * Text. Names are UTF-8 and NUL-terminated, written into a caller buffer of `size` bytes;
 * CORV_CAL_TEXT_SIZE bytes hold every text of this interface.
 *
 * Threads. Every function may be called from any thread at any time.
 */
#ifndef CORVANE_CALENDAR_H
#define CORVANE_CALENDAR_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define CORV_CAL_OK 0
#define CORV_CAL_E_INVALID 5
#define CORV_CAL_E_OVERFLOW 6
#define CORV_CAL_E_OUT_OF_MEMORY 7
#define CORV_CAL_E_OUT_OF_RANGE 9

#define CORV_CAL_TEXT_SIZE 128

/* A lunar date. year: numbered like the Gregorian year in which its New Year's Day falls; month:
 * 1-12, for the leap month the number of the month it repeats; leap: non-zero for the leap month
 * (the library writes 1); day: 1-30. */
typedef struct corv_lunar_date {
    int year;
    int month;
    int leap;
    int day;
} corv_lunar_date;

/* The span the calendar accepts: Gregorian days first..last; years first_year..last_year for solar
 * terms and leap months. */
typedef struct corv_cal_span {
    int first_year, first_month, first_day;
    int last_year, last_month, last_day;
    int first_term_year, last_term_year;
} corv_cal_span;

int corv_cal_range(corv_cal_span *out);

/* ---- conversion --------------------------------------------------------------------------------- */

int corv_cal_to_lunar(int year, int month, int day, corv_lunar_date *out);
int corv_cal_to_gregorian(const corv_lunar_date *in, int *year, int *month, int *day);

/* The month a lunar year repeats as its leap month, 0 when it has none. */
int corv_cal_leap_month(int year, int *month);
/* 29 or 30: the days of month `month` of lunar year `year` (its leap month when leap is non-zero). */
int corv_cal_month_length(int year, int month, int leap, int *days);

/* ---- names -------------------------------------------------------------------------------------- */

/* "正月" .. "腊月"; the leap month is "闰" and its month character ("闰四"). */
int corv_cal_month_name(const corv_lunar_date *date, char *buf, size_t size);
/* "初一" .. "初十", "十一" .. "十九", "二十", "廿一" .. "廿九", "三十". */
int corv_cal_day_name(const corv_lunar_date *date, char *buf, size_t size);
/* The two-character stem-branch name of a sexagenary number 1-60: 1 "甲子", 11 "甲戌", 60 "癸亥". */
int corv_cal_stem_branch(int number, char *buf, size_t size);
/* The zodiac animal of a lunar year: "鼠" for 1984, "马" for 2002. */
int corv_cal_zodiac(int lunar_year, char *buf, size_t size);
/* The festival of a Gregorian day ("春节", "中秋节", "母亲节", ...), "" when there is none. */
int corv_cal_festival(int year, int month, int day, char *buf, size_t size);

/* The date picker's caption formats; for 2002-07-19:
 *   CORV_CAL_CAPTION_WEEK                  2002年07月19日 星期五
 *   CORV_CAL_CAPTION_LUNAR_YMD             2002年07月19日 农历: 壬午年 六月 初十日
 *   CORV_CAL_CAPTION_LUNAR_YMD_WEEK        2002年07月19日 农历: 壬午年 六月 初十日 星期五
 *   CORV_CAL_CAPTION_LUNAR_MD              2002年07月19日 农历: 六月 初十日
 *   CORV_CAL_CAPTION_LUNAR_MD_WEEK         2002年07月19日 农历: 六月 初十日 星期五 */
#define CORV_CAL_CAPTION_WEEK 0
#define CORV_CAL_CAPTION_LUNAR_YMD 1
#define CORV_CAL_CAPTION_LUNAR_YMD_WEEK 2
#define CORV_CAL_CAPTION_LUNAR_MD 3
#define CORV_CAL_CAPTION_LUNAR_MD_WEEK 4

int corv_cal_caption(int year, int month, int day, int format, char *buf, size_t size);

/* ---- stem-branch numbers of a moment ------------------------------------------------------------ */

/* Conventions for the year and month numbers: by the lunar calendar, or by the solar terms (the year
 * changes at 立春, each month at the first term of its Gregorian month). */
#define CORV_CAL_ERA_LUNAR_MONTH 0
#define CORV_CAL_ERA_SOLAR_TERM 1

/* Sexagenary numbers 1-60 (1 = 甲子); corv_cal_stem_branch names them. */
typedef struct corv_sexagenary {
    int year;
    int month;
    int day;
    int hour;
} corv_sexagenary;

/* The numbers of a moment given in China Standard Time (UTC+8); hour 0-23, minute 0-59. From 23:00 the
 * day and hour are those of the first hour (子) of the next day. */
int corv_cal_sexagenary(int year, int month, int day, int hour, int minute, int mode, corv_sexagenary *out);

/* ---- solar terms -------------------------------------------------------------------------------- */

/* Term 1-24 of a Gregorian year, in calendar order from 小寒; terms 2m - 1 and 2m fall in month m. */
typedef struct corv_solar_term {
    int number;
    char name[16]; /* UTF-8, NUL-terminated: "小寒" */
    int64_t unix_seconds; /* the moment: seconds since 1970-01-01 00:00 UTC */
    /* The same moment in China Standard Time (UTC+8), the time the terms are quoted in. */
    int year, month, day, hour, minute;
} corv_solar_term;

int corv_cal_solar_term(int year, int number, corv_solar_term *out);
/* All 24 terms of a year, in order, into out[0..23]. */
int corv_cal_solar_terms(int year, corv_solar_term out[24]);
/* The month calendar's text of a term: "小寒：5日20时26分". */
int corv_cal_solar_term_text(int year, int number, char *buf, size_t size);

/* ---- errors ------------------------------------------------------------------------------------- */

/* The description of the last failed call of the calling thread ("" before any); UTF-8, valid until
 * the thread's next failing call. */
const char *corv_cal_last_error_message(void);

#ifdef __cplusplus
}
#endif

#endif /* CORVANE_CALENDAR_H */
