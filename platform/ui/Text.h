#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace corvane::ui
{

// Text crosses between the library (UTF-8) and Qt (UTF-16) here only.
QString ToQString(std::string_view utf8);

// Multi-line captions and messages separate their lines with carriage return and line feed, as the
// hosts write them; Qt breaks lines at line feeds, so each pair (and any lone carriage return)
// becomes one line feed for display.
QString DisplayText(std::string_view utf8);

} // namespace corvane::ui
