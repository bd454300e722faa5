#include "STermTable.h"

#include "engine/CharTable.h"
#include "engine/EngineState.h"
#include "platform/automation/AutomationError.h"
#include "platform/date/DateFormat.h"

#include <array>
#include <chrono>
#include <cmath>

namespace corvane::ModAgrCAl
{

namespace
{

constexpr CharTable<48> kTermNames{
    "小寒大寒立春雨水惊蛰春分清明谷雨立夏小满芒种夏至"
    "小暑大暑立秋处暑白露秋分寒露霜降立冬小雪大雪冬至"};

// Minutes from the start of the tropical year to each term, index t - 1.
constexpr std::array<double, 24> kTermOffsets = {0,      21208,  42467,  63836,  85337,  107014, 128867, 150921,
                                                 173149, 195551, 218072, 240693, 263343, 285989, 308563, 331033,
                                                 353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758};

constexpr double kYearMilliseconds = 31556925974.7;
// The anchor 1900-01-06 02:05 in minutes after 1899-12-30 00:00.
constexpr long kAnchorMinutes = 7 * 1440 + 2 * 60 + 5;

// The terms of 1900..2100, a row a year, value t - 1 for term t. times: hexadecimal numbers whose
// value read as decimal HHMM is the time in China Standard Time ("7EA" = 2026 = 20:26). days: the
// day of the month of each term's moment, in decimal; empty for the three rows whose times are fixed
// data, which keep the formula's day.
struct STermRow {
    std::string_view times;
    std::string_view days;
};

constexpr STermRow kSTermRows[] = {
#include "engine/data/STermTimeRows.inc"
};

constexpr int kSTermYearCount = kLastSTermYear - kFirstSTermYear + 1;
static_assert(std::size(kSTermRows) == kSTermYearCount, "one row per year of the time table");

constexpr int NumberValue(std::string_view text, int base)
{
    int value = 0;
    for (const char c : text)
        value = value * base + (c <= '9' ? c - '0' : c - 'A' + 10);
    return value;
}

using TermRow = std::array<std::int16_t, 24>;

// The 24 values of a row text, or zeros for an empty text.
constexpr TermRow ParseRow(std::string_view row, int base)
{
    TermRow values{};
    for (std::size_t t = 0; t < 24 && !row.empty(); ++t) {
        const auto comma = row.find(',');
        values[t] = std::int16_t(NumberValue(row.substr(0, comma), base));
        row = comma == std::string_view::npos ? std::string_view{} : row.substr(comma + 1);
    }
    return values;
}

struct ParsedRows {
    std::array<TermRow, kSTermYearCount> times{};
    std::array<TermRow, kSTermYearCount> days{}; // 0: the formula's day
};

constexpr ParsedRows ParseTable()
{
    ParsedRows parsed;
    for (std::size_t i = 0; i < std::size(kSTermRows); ++i) {
        parsed.times[i] = ParseRow(kSTermRows[i].times, 16);
        parsed.days[i] = ParseRow(kSTermRows[i].days, 10);
    }
    return parsed;
}

constexpr ParsedRows kSTermValues = ParseTable();

// Holds the row texts to their format: 24 values of upper-case hexadecimal (times) or decimal
// (days) digits, separated by single commas.
constexpr bool IsRowText(std::string_view row, bool hexadecimal)
{
    int commas = 0;
    bool digitBefore = false;
    for (const char c : row) {
        const bool digit = (c >= '0' && c <= '9') || (hexadecimal && c >= 'A' && c <= 'F');
        if (c == ',') {
            if (!digitBefore)
                return false;
            ++commas;
        } else if (!digit) {
            return false;
        }
        digitBefore = digit;
    }
    return commas == 23 && digitBefore;
}

constexpr bool EveryValueIsATimeOfDayOrADayOfItsMonth()
{
    for (std::size_t i = 0; i < std::size(kSTermRows); ++i) {
        if (!IsRowText(kSTermRows[i].times, true))
            return false;
        if (!kSTermRows[i].days.empty() && !IsRowText(kSTermRows[i].days, false))
            return false;
        for (std::size_t t = 0; t < 24; ++t) {
            const int hhmm = kSTermValues.times[i][t];
            if (hhmm < 0 || hhmm > 2359 || hhmm % 100 >= 60)
                return false;
            const int day = kSTermValues.days[i][t];
            const int month = int(t) / 2 + 1;
            if (!kSTermRows[i].days.empty() && (day < 1 || day > date::DaysInMonth(kFirstSTermYear + int(i), month)))
                return false;
        }
    }
    return true;
}

static_assert(EveryValueIsATimeOfDayOrADayOfItsMonth(), "a solar-term value is not a time of day or a day");
static_assert(kSTermValues.times[0][0] == 308 && kSTermValues.times[102][0] == 2026
              && kSTermValues.times[131][23] == 1058);
// The rows whose times are fixed data keep the formula's days; 2009's 立春 falls on 4 February.
static_assert(kSTermRows[0].days.empty() && kSTermRows[102].days.empty() && kSTermRows[131].days.empty());
static_assert(kSTermValues.days[109][2] == 4);

double TermOffset(int term)
{
    if (term < 1 || term > 24)
        throw AutomationError(ErrorNumber::SubscriptOutOfRange);
    return kTermOffsets[std::size_t(term - 1)];
}

// Row index of a year; error 9 for a year outside the table or a term outside [1, 24].
std::size_t RowIndex(int year, int term)
{
    const auto i = unsigned(year - kFirstSTermYear);
    if (i >= unsigned(kSTermYearCount) || term < 1 || term > 24)
        throw AutomationError(ErrorNumber::SubscriptOutOfRange);
    return i;
}

// The formula moment of a term, rounded to the whole minute, in minutes after 1899-12-30 00:00.
long FormulaMinutes(int year, int term)
{
    const double minutes = double(year - 1900) * kYearMilliseconds / 60000.0 + TermOffset(term);
    return kAnchorMinutes + long(std::nearbyint(minutes));
}

} // namespace

std::string_view GetsTermName(int term)
{
    const std::string_view first = kTermNames[2 * term - 1];
    const std::string_view second = kTermNames[2 * term];
    return {first.data(), first.size() + second.size()};
}

int GetsTermDay(int year, int term)
{
    using namespace std::chrono;
    const long minutes = FormulaMinutes(year, term);
    const long dayCount = minutes >= 0 ? minutes / 1440 : -((1439 - minutes) / 1440);
    return int(unsigned(year_month_day{date::kEpoch + days{dayCount}}.day()));
}

int STermTimeOfDay(int year, int term)
{
    return kSTermValues.times[RowIndex(year, term)][std::size_t(term - 1)];
}

int STermDayOfMonth(int year, int term)
{
    const int day = kSTermValues.days[RowIndex(year, term)][std::size_t(term - 1)];
    return day != 0 ? day : GetsTermDay(year, term);
}

int STermOnDay(int year, int month, int day)
{
    for (const int term : {2 * month - 1, 2 * month})
        if (STermDayOfMonth(year, term) == day)
            return term;
    return 0;
}

std::string GetsTermText(int year, int term)
{
    if (term > 24)
        TermOffset(term); // a term past the last is a subscript error, not a naming one
    std::string text(GetsTermName(term));
    text += "：";
    text += std::to_string(STermDayOfMonth(year, term));
    text += "日";
    date::AppendNumber(text, STermTimeOfDay(year, term), "00时00分");
    return text;
}

date::Date GetsTermMoment(int year, int term)
{
    const int day = STermDayOfMonth(year, term);
    const int hhmm = STermTimeOfDay(year, term);
    const int month = (term + term % 2) / 2;
    return date::Join(date::DaysFromYmd(year, month, day), (hhmm / 100) * 3600.0 + (hhmm % 100) * 60.0);
}

void LoadsTermTimeTable()
{
    ThisThreadEngine().sTermTableLoaded = true;
}

bool IssTermTimeTableLoaded()
{
    return ThisThreadEngine().sTermTableLoaded;
}

} // namespace corvane::ModAgrCAl
