#pragma once

#include <cstdint>

// The dispatch ids Corvdemo reaches the controls by, as each class's type library publishes them.
// The demo holds no other knowledge of the controls: it has no header of theirs.
namespace corvdemo::dispid
{

// CurrDate (CurrTime on TimeUpDown): the default member of every visual control.
inline constexpr std::int32_t kValue = 0;

namespace qxmonth
{
inline constexpr std::int32_t kSelectColor = 0x68030000;
inline constexpr std::int32_t kSTermBackColor = 0x68030001;
inline constexpr std::int32_t kWeekBackColor = 0x68030002;
inline constexpr std::int32_t kStForeColor = 0x68030003;
inline constexpr std::int32_t kWeekForeColor = 0x68030004;
inline constexpr std::int32_t kDateBackColor = 0x68030005;
inline constexpr std::int32_t kFestForeColor = 0x68030006;
inline constexpr std::int32_t kAgrForeColor = 0x68030007;
inline constexpr std::int32_t kAppearance = 0x68030008;
inline constexpr std::int32_t kForeColor = 0x6803000A;
inline constexpr std::int32_t kGetAgrNumDate = 0x6003002F;
inline constexpr std::int32_t kGetAgrStrDate = 0x60030030;
inline constexpr std::int32_t kGetsTermString = 0x60030031;
inline constexpr std::int32_t kGetsTermDateTime = 0x60030032;
inline constexpr std::int32_t kGetEraNumber = 0x60030033;
inline constexpr std::int32_t kGetEraString = 0x60030034;
inline constexpr std::int32_t kAgrDateToUniDate = 0x60030035;
// Events.
inline constexpr std::int32_t kChangeEvent = 9;
} // namespace qxmonth

// DateUpDown; TimeUpDown shares the event ids.
namespace updown
{
inline constexpr std::int32_t kClickEvent = 1;
inline constexpr std::int32_t kChangeEvent = 9;
} // namespace updown

namespace qxmonthvw
{
inline constexpr std::int32_t kCaption = 0x68030000;
inline constexpr std::int32_t kAppearance = 0x68030001;
inline constexpr std::int32_t kAgrDateFormat = 0x68030006;
inline constexpr std::int32_t kBackColor = 0x68030007;
// Events.
inline constexpr std::int32_t kChangeEvent = 7;
} // namespace qxmonthvw

} // namespace corvdemo::dispid
