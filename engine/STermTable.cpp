#include "STermTable.h"

#include "engine/AgrYearTable.h"
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

// Times of day of the terms of 1900..2031, a row a year, value t - 1 for term t: hexadecimal numbers
// whose value read as decimal HHMM is the time in China Standard Time ("7EA" = 2026 = 20:26).
constexpr std::string_view kSTermTimeRows[kAgrYearCount] = {
#include "engine/data/STermTimeRows.inc"
};

constexpr int HexValue(std::string_view text)
{
    int value = 0;
    for (const char c : text)
        value = value * 16 + (c <= '9' ? c - '0' : c - 'A' + 10);
    return value;
}

using TimeRow = std::array<std::int16_t, 24>;

constexpr std::array<TimeRow, kAgrYearCount> ParseTimeTable()
{
    std::array<TimeRow, kAgrYearCount> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        std::string_view row = kSTermTimeRows[i];
        for (std::size_t t = 0; t < 24; ++t) {
            const auto comma = row.find(',');
            table[i][t] = std::int16_t(HexValue(row.substr(0, comma)));
            row = comma == std::string_view::npos ? std::string_view{} : row.substr(comma + 1);
        }
    }
    return table;
}

constexpr std::array<TimeRow, kAgrYearCount> kSTermTimes = ParseTimeTable();

constexpr bool EveryTimeIsATimeOfDay()
{
    for (const TimeRow &row : kSTermTimes)
        for (const std::int16_t hhmm : row)
            if (hhmm < 0 || hhmm > 2359 || hhmm % 100 >= 60)
                return false;
    for (const std::string_view row : kSTermTimeRows) {
        int commas = 0;
        for (const char c : row) {
            commas += c == ',';
            if (!(c == ',' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
                return false;
        }
        if (commas != 23)
            return false;
    }
    return true;
}

static_assert(EveryTimeIsATimeOfDay(), "a solar-term time is not a time of day");
static_assert(kSTermTimes[0][0] == 308 && kSTermTimes[102][0] == 2026 && kSTermTimes[131][23] == 1058);

double TermOffset(int term)
{
    if (term < 1 || term > 24)
        throw AutomationError(ErrorNumber::SubscriptOutOfRange);
    return kTermOffsets[std::size_t(term - 1)];
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
    const auto i = unsigned(year - kFirstAgrYear);
    if (i >= unsigned(kAgrYearCount) || term < 1 || term > 24)
        throw AutomationError(ErrorNumber::SubscriptOutOfRange);
    return kSTermTimes[i][std::size_t(term - 1)];
}

std::string GetsTermText(int year, int term)
{
    if (term > 24)
        TermOffset(term); // a term past the last is a subscript error, not a naming one
    std::string text(GetsTermName(term));
    text += "：";
    text += std::to_string(GetsTermDay(year, term));
    text += "日";
    date::AppendNumber(text, STermTimeOfDay(year, term), "00时00分");
    return text;
}

date::Date GetsTermMoment(int year, int term)
{
    const int day = GetsTermDay(year, term);
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
