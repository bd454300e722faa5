#pragma once

#include "DispIds.h"

#include <array>
#include <cstdint>

namespace corvdemo
{

// The entries of FrmDemo's colour list, in list order. An entry's item data is its position, which
// selects the QxMonth colour property that "设定" writes.
struct ColourEntry {
    const char *text; // UTF-8
    std::int32_t property; // dispatch id on QxMonth
};

// clang-format off
inline constexpr std::array<ColourEntry, 9> kColourEntries = {{
    // text          QxMonth property
    {"日期背景色", dispid::qxmonth::kDateBackColor},
    {"文字前景色", dispid::qxmonth::kForeColor},
    {"农历前景色", dispid::qxmonth::kAgrForeColor},
    {"节日前景色", dispid::qxmonth::kFestForeColor},
    {"星期前景色", dispid::qxmonth::kWeekForeColor},
    {"周六前景色", dispid::qxmonth::kStForeColor},
    {"星期背景色", dispid::qxmonth::kWeekBackColor},
    {"节气背景色", dispid::qxmonth::kSTermBackColor},
    {"今天背景色", dispid::qxmonth::kSelectColor},
}};
// clang-format on

// The entry selected when the form loads ("文字前景色").
inline constexpr int kInitialColourEntry = 1;

} // namespace corvdemo
