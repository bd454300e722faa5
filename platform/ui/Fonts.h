#pragma once

#include <QFont>

#include <string_view>

namespace corvane::ui
{

// The design font of every control: "宋体" at 9 points, regular or bold.
inline constexpr const char *kDesignFontFamily = "宋体";
inline constexpr int kDesignFontPoints = 9;
QFont DesignFont(bool bold = false);

// The fontconfig aliases the library ships (fonts/corvane-fonts.conf): "SimSun" and "宋体" map to a
// Song-style face.
std::string_view FontAliasConfig();

// Adds the aliases to the process's fontconfig configuration, once; later calls do nothing. Returns
// whether they are in place. Nothing outside the process changes.
bool InstallFontAliases();

} // namespace corvane::ui
