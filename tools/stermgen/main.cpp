// stermgen: writes, checks or shows the table of solar-term times of day that the engine includes.
//   stermgen --output FILE   write the table to FILE
//   stermgen --check FILE    exit 1, listing the differences, unless FILE holds exactly that table
//   stermgen --year Y        print the 24 moments of year Y to the second, in China Standard Time,
//                            beside the day and time of day the table carries

#include "tools/stermgen/DeltaT.h"
#include "tools/stermgen/GeneratedFile.h"
#include "tools/stermgen/GeneratorMain.h"
#include "tools/stermgen/JulianDay.h"
#include "tools/stermgen/STermMoment.h"
#include "tools/stermgen/STermTimeRows.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

namespace
{

using namespace corvane::stermgen;

constexpr int kUsageError = 2;

int usage()
{
    std::cerr << "usage: stermgen --output FILE | --check FILE | --year YEAR (" << kFirstYear << ".." << kLastYear
              << ")\n";
    return kUsageError;
}

// The first value of a comma-separated row, which then loses it and its comma.
std::string_view takeValue(std::string_view &row)
{
    const std::size_t comma = row.find(',');
    const std::string_view value = row.substr(0, comma);
    row = comma == std::string_view::npos ? std::string_view{} : row.substr(comma + 1);
    return value;
}

// "20:26" from a table value such as "7EA".
std::string decodeTableValue(std::string_view value)
{
    int hhmm = 0;
    std::from_chars(value.data(), value.data() + value.size(), hhmm, 16);
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", hhmm / 100 % 100, hhmm % 100);
    return text;
}

int showYear(int year)
{
    const TableRow row = tableRow(year);
    const bool kept = keptRow(year).has_value();
    const double julianDayMidYear = julianDay(std::chrono::local_days{std::chrono::year{year} / 7 / 1});
    std::printf("Solar terms of %d in China Standard Time (UTC+8); Delta T %.1f s\n",
                year,
                deltaTSeconds(decimalYear(julianDayMidYear)));
    std::printf(" t  longitude  moment                table%s\n", kept ? " (kept row, no days)" : "");
    std::string_view times = row.times;
    std::string_view days = row.days;
    for (int term = 1; term <= kSTermCount; ++term) {
        const std::string_view value = takeValue(times);
        const std::string_view tableDay = kept ? std::string_view("  ") : takeValue(days);

        const auto moment = chinaStandardTimeSeconds(sTermJulianDayUt(year, term));
        const auto day = std::chrono::floor<std::chrono::days>(moment);
        const std::chrono::year_month_day date{day};
        const std::chrono::hh_mm_ss<std::chrono::seconds> clock{moment - day};
        std::printf("%2d  %9.0f  %04d-%02u-%02u %02ld:%02ld:%02ld   %*s%s %s\n",
                    term,
                    sTermLongitude(term),
                    static_cast<int>(date.year()),
                    static_cast<unsigned>(date.month()),
                    static_cast<unsigned>(date.day()),
                    static_cast<long>(clock.hours().count()),
                    static_cast<long>(clock.minutes().count()),
                    static_cast<long>(clock.seconds().count()),
                    static_cast<int>(tableDay.size() < 2 ? 2 - tableDay.size() : 0),
                    "",
                    std::string(tableDay).c_str(),
                    decodeTableValue(value).c_str());
    }
    return 0;
}

int run(std::string_view option, const std::string &argument)
{
    if (option == "--output" || option == "--check") {
        const std::string text = renderSTermTimeRowsFile();
        return option == "--output" ? writeGeneratedFile("stermgen", argument, text)
                                    : checkGeneratedFile("stermgen", argument, text);
    }
    if (option == "--year") {
        const auto year = parseWholeNumber(argument, kFirstYear, kLastYear);
        if (!year) {
            return usage();
        }
        return showYear(*year);
    }
    return usage();
}

} // namespace

int main(int argc, char **argv)
{
    return runGenerator("stermgen", argc, argv, usage, run);
}
