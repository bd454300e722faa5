#pragma once

#include <cstdint>
#include <string>

namespace corvane
{

// The published records. Field names and order are part of the public interface.

// A lunar date as numbers (five 16-bit integers, 10 bytes).
struct QxAgrDateNum {
    std::int16_t AgrFactYear = 0; // lunar year, numbered like the Gregorian year in which it begins
    std::int16_t AgrMonth = 0; // [1, 12]; a leap month gives the number of the month it repeats
    std::int16_t AgrDay = 0; // [1, 30]
    std::int16_t AgrIsLeep = 0; // -1 for a leap month, 0 otherwise
    std::int16_t AgrMonthBound = 0; // month slot [1, 13], the leap month counted

    friend bool operator==(const QxAgrDateNum &, const QxAgrDateNum &) = default;
};
static_assert(sizeof(QxAgrDateNum) == 10);

// A lunar date as text: "壬午年", "六月" (or "闰四"), "初十日".
struct QxAgrDateStr {
    std::string AgrFactYear;
    std::string AgrMonth;
    std::string AgrDay;

    friend bool operator==(const QxAgrDateStr &, const QxAgrDateStr &) = default;
};

// The sexagenary numbers [1, 60] of a moment; all 0 when the arguments were rejected.
struct QxAgrEraNum {
    std::int16_t AgrFactYear = 0;
    std::int16_t AgrMonth = 0;
    std::int16_t AgrDay = 0;
    std::int16_t AgrTime = 0;

    friend bool operator==(const QxAgrEraNum &, const QxAgrEraNum &) = default;
};
static_assert(sizeof(QxAgrEraNum) == 8);

// The same as two-character stem-branch names ("壬午"); all empty when the arguments were rejected.
struct QxAgrEraStr {
    std::string AgrFactYear;
    std::string AgrMonth;
    std::string AgrDay;
    std::string AgrTime;

    friend bool operator==(const QxAgrEraStr &, const QxAgrEraStr &) = default;
};

} // namespace corvane
