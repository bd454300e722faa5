#include "tools/stermgen/STermTimeRows.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace
{

using namespace corvane::stermgen;

std::vector<std::string> splitAt(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    std::istringstream in(text);
    std::string part;
    while (std::getline(in, part, separator)) {
        parts.push_back(part);
    }
    return parts;
}

TEST(STermTimeRows, EncodesTimesOfDayAsHexadecimalHhmm)
{
    const struct {
        int hhmm;
        const char *text;
    } cases[] = {{2026, "7EA"}, {308, "134"}, {0, "0"}, {1, "1"}, {59, "3B"}, {1000, "3E8"}, {2359, "937"}};
    for (const auto &c : cases) {
        EXPECT_EQ(encodeTimeOfDay(c.hhmm), c.text) << c.hhmm;
    }
}

// The three original rows keep their times and carry no days (the engine keeps the formula's day
// for them); every other row carries both.
TEST(STermTimeRows, KeepsTheThreeOriginalRows)
{
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        const bool kept = year == 1900 || year == 2002 || year == 2031;
        ASSERT_EQ(keptRow(year).has_value(), kept) << year;
        EXPECT_EQ(tableRow(year).days.empty(), kept) << year;
    }
}

// The March equinox of 2002 fell at 19:16 UT on 20 March (US Naval Observatory), 03:16 on 21 March in
// China: the computed row says "13C" (316) where the kept row has "13A" (314).
TEST(STermTimeRows, ComputedRowCarriesThePublishedEquinox)
{
    const auto values = splitAt(computedRow(2002).times, ',');
    ASSERT_EQ(values.size(), 24u);
    EXPECT_EQ(values[5], "13C");
}

// A term near midnight: 立春 2009 came at 00:49:48 on 4 February, which the mean-year formula puts on
// the 3rd. The row carries the 4th with 00:50.
TEST(STermTimeRows, ComputedRowCarriesTheDayOfATermJustAfterMidnight)
{
    const TableRow row = computedRow(2009);
    EXPECT_EQ(splitAt(row.times, ',').at(2), "32"); // 0050
    EXPECT_EQ(splitAt(row.days, ',').at(2), "4");
}

TEST(STermTimeRows, RendersOneIncludableLinePerYear)
{
    const auto lines = splitAt(renderSTermTimeRowsFile(), '\n');
    std::vector<std::string> rows;
    for (const auto &line : lines) {
        if (line.rfind("    {", 0) == 0) {
            rows.push_back(line);
        } else {
            ASSERT_EQ(line.rfind("//", 0), 0u) << "neither a row nor a comment: " << line;
        }
    }
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kYearCount));
    for (int i = 0; i < kYearCount; ++i) {
        const int year = kFirstYear + i;
        const std::string &line = rows[static_cast<std::size_t>(i)];
        const std::string prefix = "    {\"";
        const std::string suffix = "\"}, // " + std::to_string(year);
        ASSERT_EQ(line.rfind(prefix, 0), 0u) << line;
        ASSERT_GE(line.size(), prefix.size() + suffix.size());
        ASSERT_EQ(line.substr(line.size() - suffix.size()), suffix) << line;
        const std::string inner = line.substr(prefix.size(), line.size() - prefix.size() - suffix.size());
        const std::size_t separator = inner.find("\", \"");
        ASSERT_NE(separator, std::string::npos) << line;
        const std::string row = inner.substr(0, separator);
        const std::string dayText = inner.substr(separator + 4);
        ASSERT_EQ(dayText.find('"'), std::string::npos) << line;
        if (const auto kept = keptRow(year)) {
            EXPECT_EQ(row, *kept);
            EXPECT_EQ(dayText, "");
        } else {
            const auto days = splitAt(dayText, ',');
            ASSERT_EQ(days.size(), 24u) << year;
            for (const auto &day : days) {
                ASSERT_EQ(day.find_first_not_of("0123456789"), std::string::npos) << year << ": " << day;
                EXPECT_GE(std::stoi(day), 1) << year;
                EXPECT_LE(std::stoi(day), 31) << year;
            }
        }

        const auto values = splitAt(row, ',');
        ASSERT_EQ(values.size(), 24u) << year;
        for (const auto &value : values) {
            ASSERT_FALSE(value.empty()) << year;
            ASSERT_LE(value.size(), 3u) << year;
            ASSERT_EQ(value.find_first_not_of("0123456789ABCDEF"), std::string::npos) << year << ": " << value;
            ASSERT_TRUE(value == "0" || value[0] != '0') << year << ": " << value;
            const int hhmm = std::stoi(value, nullptr, 16);
            EXPECT_LT(hhmm / 100, 24) << year << ": " << value;
            EXPECT_LT(hhmm % 100, 60) << year << ": " << value;
        }
    }
}

} // namespace
