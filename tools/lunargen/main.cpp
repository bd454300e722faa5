// lunargen: writes, checks or explains the lunar year rows computed from astronomy.
//   lunargen --output FILE             write the rows of lunar years 2032..2100 to FILE
//   lunargen --check FILE              exit 1, listing the differences, unless FILE holds exactly those rows
//   lunargen --proof MINUTES           compare the computation with the listed years 1900..2031 under each
//                                      meridian, explaining each difference by an event within MINUTES of
//                                      midnight; exit 1 if one under the calendar's meridian stays unexplained
//   lunargen --near-midnight MINUTES   list the events of 1900..2100 within MINUTES of midnight
//   lunargen --year YEAR               print the months of lunar year YEAR (1900..2100)

#include "tools/lunargen/CalendarEvents.h"
#include "tools/lunargen/ComputedRowsFile.h"
#include "tools/lunargen/ListedTableProof.h"
#include "tools/lunargen/Reports.h"
#include "tools/stermgen/GeneratedFile.h"
#include "tools/stermgen/GeneratorMain.h"

#include <chrono>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

namespace
{

using namespace corvane::lunargen;

constexpr int kUsageError = 2;
constexpr int kLongestWindowMinutes = 12 * 60;

int usage()
{
    std::cerr
        << "usage: lunargen --output FILE | --check FILE | --proof MINUTES | --near-midnight MINUTES | --year YEAR ("
        << kFirstListedYear << ".." << kLastComputedYear << ")\n";
    return kUsageError;
}

int run(std::string_view option, const std::string &argument)
{
    if (option == "--output" || option == "--check") {
        const std::string text = renderComputedRowsFile(calendarEvents(kFirstComputedYear, kLastComputedYear));
        return option == "--output" ? corvane::stermgen::writeGeneratedFile("lunargen", argument, text)
                                    : corvane::stermgen::checkGeneratedFile("lunargen", argument, text);
    }
    if (option == "--proof" || option == "--near-midnight") {
        const auto minutes = corvane::stermgen::parseWholeNumber(argument, 0, kLongestWindowMinutes);
        if (!minutes) {
            return usage();
        }
        const std::chrono::seconds window = std::chrono::minutes{*minutes};
        if (option == "--proof") {
            return printProof(calendarEvents(kFirstListedYear, kLastListedYear), window);
        }
        return printNearMidnight(calendarEvents(kFirstListedYear, kLastComputedYear), window);
    }
    if (option == "--year") {
        const auto year = corvane::stermgen::parseWholeNumber(argument, kFirstListedYear, kLastComputedYear);
        if (!year) {
            return usage();
        }
        return printLunarYear(calendarEvents(*year, *year), *year);
    }
    return usage();
}

} // namespace

int main(int argc, char **argv)
{
    return corvane::stermgen::runGenerator("lunargen", argc, argv, usage, run);
}
