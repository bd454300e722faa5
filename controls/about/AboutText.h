#pragma once

#include <string>

namespace corvane
{

// What the About box says about the library.
inline constexpr const char *kLibraryTitle = "Corvane";
// The library's version, major.minor.revision, from the build.
inline constexpr int kVersionMajor = CORVANE_VERSION_MAJOR;
inline constexpr int kVersionMinor = CORVANE_VERSION_MINOR;
inline constexpr int kVersionRevision = CORVANE_VERSION_PATCH;
// Lines separated by carriage return and line feed.
inline constexpr const char *kLibraryDescription =
    "农历日历控件库：月历、日期选择框、\r\n"
    "日期与时间微调框，以及公历与农历\r\n"
    "互换、节气和干支的计算。";

// "关于 Corvane"
std::string AboutCaption();
// "版本： 1.0.0"
std::string VersionLine();

} // namespace corvane
