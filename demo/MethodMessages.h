#pragma once

#include "corvane/corvane.hpp"

#include <QString>
#include <string_view>

namespace corvdemo
{

// The texts FrmDemo's message boxes show for the results of the calendar methods.

// QxAgrDateNum: "2002年0(是否为闰月)6月,实际月序6月10日".
QString AgrNumDateMessage(const corv::Variant &record);
// QxAgrDateStr: the three texts with nothing between, "壬午年六月初十日".
QString AgrStrDateMessage(const corv::Variant &record);
// QxAgrEraNum or QxAgrEraStr: year, month, day and hour joined by ",".
QString EraMessage(const corv::Variant &record);
// A date value in a pattern of the date module. The zero date is the methods' "no date", which no
// pattern should show as 1899-12-30.
QString DateMessage(double date, std::string_view pattern);

} // namespace corvdemo
