#include "AgrYearTable.h"

#include "engine/EngineState.h"
#include "platform/automation/AutomationError.h"
#include "platform/date/DateValue.h"

#include <string_view>

namespace corvane::ModAgrCAl
{

namespace
{

// The lunar years 1900..2100 as text rows "offset;flags;leap": the day offset of New Year's Day
// from 1 January, the 13 MonthBig flags (leading zeros belong to the field) and the leap month.
// The listed rows of 1900..2031 are the calendar's own data; the rows from 2032 on are computed from
// new moons and solar terms by tools/lunargen, which reproduces the listed rows from the same rules.
constexpr int kListedAgrYearCount = 2031 - kFirstAgrYear + 1;
// clang-format off
constexpr std::string_view kAgrYearRows[] = {
    "30;0100101101101;8",  // 1900
    "49;0100101011102;0",  // 1901
    "38;1010010101112;0",  // 1902
    "28;0101001001101;5",  // 1903
    "46;1101001001102;0",  // 1904
    "34;1101100101012;0",  // 1905
    "24;0110101010101;4",  // 1906
    "43;0101011010102;0",  // 1907
    "32;1001101011012;0",  // 1908
    "21;0100101011101;2",  // 1909
    "40;0100101011102;0",  // 1910
    "29;1010010011011;6",  // 1911
    "48;1010010011012;0",  // 1912
    "36;1101001001012;0",  // 1913
    "25;1101010100101;5",  // 1914
    "44;1011010101002;0",  // 1915
    "33;1101011010102;0",  // 1916
    "22;1001011011010;2",  // 1917
    "41;1001010110112;0",  // 1918
    "31;0100100110111;7",  // 1919
    "50;0100100101112;0",  // 1920
    "38;1010010010112;0",  // 1921
    "27;1011001001011;5",  // 1922
    "46;0110101001012;0",  // 1923
    "35;0110110101002;0",  // 1924
    "23;1010110110101;4",  // 1925
    "43;0010101101102;0",  // 1926
    "32;1001010101112;0",  // 1927
    "22;0100100101111;2",  // 1928
    "40;0100100101112;0",  // 1929
    "29;0110010010110;6",  // 1930
    "47;1101010010102;0",  // 1931
    "36;1110101001012;0",  // 1932
    "25;0110110101001;5",  // 1933
    "44;0101101011012;0",  // 1934
    "34;0010101101102;0",  // 1935
    "23;1001001101110;3",  // 1936
    "41;1001001011102;0",  // 1937
    "30;1100100101101;7",  // 1938
    "49;1100100101012;0",  // 1939
    "38;1101010010102;0",  // 1940
    "26;1101101001010;6",  // 1941
    "45;1011010101012;0",  // 1942
    "35;0101011010102;0",  // 1943
    "24;1010101011011;4",  // 1944
    "43;0010010111012;0",  // 1945
    "32;1001001011012;0",  // 1946
    "21;1100100101011;2",  // 1947
    "40;1010100101012;0",  // 1948
    "28;1011010010101;7",  // 1949
    "47;0110110010102;0",  // 1950
    "36;1011010101012;0",  // 1951
    "26;0101010110101;5",  // 1952
    "44;0100110110102;0",  // 1953
    "33;1010010110112;0",  // 1954
    "23;0101001010111;3",  // 1955
    "42;0101001010112;0",  // 1956
    "30;1010100101010;8",  // 1957
    "48;1110100101012;0",  // 1958
    "38;0110101010102;0",  // 1959
    "27;1010110101010;6",  // 1960
    "45;1010101101012;0",  // 1961
    "35;0100101101102;0",  // 1962
    "24;1010010101110;4",  // 1963
    "43;1010010101112;0",  // 1964
    "32;0101001001102;0",  // 1965
    "20;1110100100110;3",  // 1966
    "39;1101100101012;0",  // 1967
    "29;0101101010101;7",  // 1968
    "47;0101011010102;0",  // 1969
    "36;1001011011012;0",  // 1970
    "26;0100101011101;5",  // 1971
    "45;0100101011012;0",  // 1972
    "33;1010010011012;0",  // 1973
    "22;1101001001101;4",  // 1974
    "41;1101001001012;0",  // 1975
    "30;1101010100101;8",  // 1976
    "48;1011010101002;0",  // 1977
    "37;1011011010102;0",  // 1978
    "27;1001011011010;6",  // 1979
    "46;1001010110112;0",  // 1980
    "35;0100100110112;0",  // 1981
    "24;1010010010111;4",  // 1982
    "43;1010010010112;0",  // 1983
    "32;1011001001011;10", // 1984
    "50;0110101001012;0",  // 1985
    "39;0110110101002;0",  // 1986
    "28;1010110110100;6",  // 1987
    "47;1010101101102;0",  // 1988
    "36;1001010101112;0",  // 1989
    "26;0100100101111;5",  // 1990
    "45;0100100101112;0",  // 1991
    "34;0110010010112;0",  // 1992
    "22;0110101001010;3",  // 1993
    "40;1110101001012;0",  // 1994
    "30;0110101100101;8",  // 1995
    "49;0101101011002;0",  // 1996
    "37;1010101101102;0",  // 1997
    "27;1001001101101;5",  // 1998
    "46;1001001011102;0",  // 1999
    "35;1100100101102;0",  // 2000
    "23;1101010010101;4",  // 2001
    "42;1101010010102;0",  // 2002
    "31;1101101001012;0",  // 2003
    "21;0101101010101;2",  // 2004
    "39;0101011010102;0",  // 2005
    "28;1010101011011;7",  // 2006
    "48;0010010111012;0",  // 2007
    "37;1001001011012;0",  // 2008
    "25;1100100101011;5",  // 2009
    "44;1010100101012;0",  // 2010
    "33;1011010010102;0",  // 2011
    "22;1011010101010;4",  // 2012
    "40;1010110101012;0",  // 2013
    "30;0101010110101;9",  // 2014
    "49;0100101110102;0",  // 2015
    "38;1010010110112;0",  // 2016
    "27;0101001010111;6",  // 2017
    "46;0101001010112;0",  // 2018
    "35;1010100100112;0",  // 2019
    "24;0111010010101;4",  // 2020
    "42;0110101010102;0",  // 2021
    "31;1010110101012;0",  // 2022
    "21;0100110110101;2",  // 2023
    "40;0100101101102;0",  // 2024
    "28;1010010101110;6",  // 2025
    "47;1010010011102;0",  // 2026
    "36;1101001001102;0",  // 2027
    "25;1110100100110;5",  // 2028
    "43;1101010100112;0",  // 2029
    "33;0101101010102;0",  // 2030
    "22;0110101101010;3",  // 2031
// clang-format on
#include "engine/data/ComputedAgrYearRows.inc"
};

static_assert(std::size(kAgrYearRows) == kAgrYearCount, "one row per lunar year of the table");

constexpr int ParseDecimal(std::string_view text)
{
    int value = 0;
    for (const char c : text)
        value = value * 10 + (c - '0');
    return value;
}

constexpr AgrYearInfo ParseRow(std::string_view row)
{
    const auto first = row.find(';');
    const auto second = row.find(';', first + 1);
    AgrYearInfo info{};
    info.NewYearOffset = std::int16_t(ParseDecimal(row.substr(0, first)));
    const std::string_view flags = row.substr(first + 1, second - first - 1);
    for (std::size_t k = 0; k < info.MonthBig.size(); ++k)
        info.MonthBig[k] = std::int8_t(flags[k] - '0');
    info.LeapMonth = std::int16_t(ParseDecimal(row.substr(second + 1)));
    return info;
}

constexpr std::array<AgrYearInfo, kAgrYearCount> ParseTable()
{
    std::array<AgrYearInfo, kAgrYearCount> table{};
    for (int i = 0; i < kAgrYearCount; ++i)
        table[std::size_t(i)] = ParseRow(kAgrYearRows[i]);
    return table;
}

constexpr std::array<AgrYearInfo, kAgrYearCount> kAgrYearTable = ParseTable();

constexpr int SlotCount(const AgrYearInfo &info)
{
    return info.LeapMonth != 0 ? 13 : 12;
}

constexpr std::array<AgrYearRecord, kAgrYearCount> MakeRecords()
{
    std::array<AgrYearRecord, kAgrYearCount> records{};
    for (std::size_t i = 0; i < records.size(); ++i) {
        AgrYearRecord &record = records[i];
        record.info = kAgrYearTable[i];
        for (std::size_t k = 0; k < 13; ++k)
            record.extraBefore[k + 1] = std::int8_t(record.extraBefore[k] + record.info.MonthBig[k]);
        const int slots = SlotCount(record.info);
        record.length = std::int16_t(slots * 29 + record.extraBefore[std::size_t(slots)]);
    }
    return records;
}

} // namespace

constexpr std::array<AgrYearRecord, kAgrYearCount> kAgrYearRecords = MakeRecords();

namespace
{

constexpr bool CheckInvariants()
{
    for (std::size_t i = 0; i < kAgrYearRecords.size(); ++i) {
        const AgrYearInfo &row = kAgrYearRecords[i].info;
        const int length = kAgrYearRecords[i].length;
        // The 13th flag is "2" exactly when there is no leap month.
        if ((row.MonthBig[12] == 2) != (row.LeapMonth == 0))
            return false;
        for (std::size_t k = 0; k < 13; ++k)
            if (row.MonthBig[k] != 0 && row.MonthBig[k] != 1 && !(k == 12 && row.MonthBig[k] == 2))
                return false;
        if (row.LeapMonth < 0 || row.LeapMonth > 12)
            return false;
        if (length < 353 || length > 385)
            return false;
        // Offsets chain: next offset = this offset + length of this lunar year - days of the Gregorian year.
        if (i + 1 < kAgrYearRecords.size()
            && kAgrYearRecords[i + 1].info.NewYearOffset
                != row.NewYearOffset + length - date::DaysInYear(kFirstAgrYear + int(i)))
            return false;
    }
    return true;
}

static_assert(CheckInvariants(), "lunar year rows break an invariant");
static_assert(kAgrYearRecords[0].info.NewYearOffset == 30 && kAgrYearRecords[0].info.LeapMonth == 8);
static_assert(kAgrYearRecords[84].info.LeapMonth == 10); // 1984, the only two-digit leap field
static_assert(kAgrYearRecords[kListedAgrYearCount - 1].info.NewYearOffset == 22
              && kAgrYearRecords[kListedAgrYearCount - 1].info.LeapMonth == 3); // 2031, the last listed row
static_assert(kAgrYearRecords[2033 - kFirstAgrYear].info.LeapMonth == 11); // the first leap 11th month

} // namespace

void ThrowSubscriptOutOfRange()
{
    throw AutomationError(ErrorNumber::SubscriptOutOfRange);
}

void LoadAgrYearTable()
{
    EngineState &state = ThisThreadEngine();
    state.yearTableLoaded = true;
    ++state.yearTableLoads;
}

bool IsAgrYearTableLoaded()
{
    return ThisThreadEngine().yearTableLoaded;
}

void ClearAgrYearTable()
{
    ThisThreadEngine().yearTableLoaded = false;
}

} // namespace corvane::ModAgrCAl
