#pragma once

#include "platform/date/DateValue.h"

#include <string>

namespace corvane::ModAgrCAl
{

// The one-line caption of the date picker in one of the five layouts (cAgrDateStrFormat); for
// 2002-07-19:
//   0  2002年07月19日 星期五
//   1  2002年07月19日 农历: 壬午年 六月 初十日
//   2  2002年07月19日 农历: 壬午年 六月 初十日 星期五
//   3  2002年07月19日 农历: 六月 初十日
//   4  2002年07月19日 农历: 六月 初十日 星期五
// Any other format gives the date text alone. Error 9 for a date the lunar table does not reach.
std::string GetDateCaption(date::Date value, int format);

} // namespace corvane::ModAgrCAl
