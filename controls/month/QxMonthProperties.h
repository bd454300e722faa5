#pragma once

#include "QxMonth.h"
#include "engine/PublishedRange.h"
#include "platform/automation/PropertyRow.h"
#include "platform/ui/ColorProperty.h"

#include <cstddef>
#include <iterator>
#include <optional>
#include <stdexcept>

namespace corvane::month
{

// The properties of _QxMonth, each declared once: the member table, Load and Save and the change
// reports are made from these rows.

inline constexpr PropertyRow<QxMonth, std::int32_t> kAppearance{
    .name = "Appearance",
    .id = 0x68030008,
    .type = types::Enum("cApperance"),
    .get = [](const QxMonth &c) { return std::int32_t(c.Appearance()); },
    .put = [](QxMonth &c, std::int32_t v) { c.SetAppearance(v); },
    .help = "Returns/sets whether or not an object is painted at run time with 3-D effects.",
    .persist = Persist::UnlessAbsent,
    .form = VarType::I2,
    .check = ui::CheckLookValue,
};

inline constexpr PropertyRow<QxMonth, bool> kEnabled{
    .name = "Enabled",
    .id = 0x68030009,
    .type = types::Bool,
    .get = [](const QxMonth &c) { return c.Enabled(); },
    .put = [](QxMonth &c, bool v) { c.SetEnabled(v); },
    .help = "Returns/sets a value that determines whether an object can respond to user-generated events.",
    .persist = Persist::UnlessAbsent,
    .initial = true,
    .absent = true,
};

// The default member.
inline constexpr PropertyRow<QxMonth, date::Date> kCurrDate{
    .name = "CurrDate",
    .id = kDispIdValue,
    .type = types::Date,
    .get = [](const QxMonth &c) { return c.CurrDate(); },
    .put = [](QxMonth &c, date::Date v) { c.SetCurrDate(v); },
    .help = "设置/返回控件的当前日期。为缺省属性。",
    .persist = Persist::UnlessAbsent,
    .initial = ModAgrCAl::kFirstPublishedDate,
    .absent = ModAgrCAl::kFirstPublishedDate,
};

// The nine colours in interface order, each with its place in MonthColors. A new control holds the
// MonthColors defaults; a saved set without DateBackColor or WeekBackColor stands for other colours
// (caption text, highlight text), so a new control saves those two keys. Each row is a variable of
// its own: a row is a template argument, and not every compiler takes a member of an array there.
inline constexpr ui::OleColor MonthColors::*kColorFields[] = {
    &MonthColors::ForeColor,
    &MonthColors::AgrForeColor,
    &MonthColors::FestForeColor,
    &MonthColors::DateBackColor,
    &MonthColors::WeekForeColor,
    &MonthColors::StForeColor,
    &MonthColors::WeekBackColor,
    &MonthColors::sTermBackColor,
    &MonthColors::SelectColor,
};

template<std::size_t I>
ui::OleColor GetColor(const QxMonth &c)
{
    return c.Colors().*kColorFields[I];
}

template<std::size_t I>
void PutColor(QxMonth &c, ui::OleColor value);

template<std::size_t I>
constexpr PropertyRow<QxMonth, ui::OleColor>
MakeColor(const char *name, DispId id, const char *help, std::optional<ui::OleColor> absent = std::nullopt)
{
    return {.name = name,
            .id = id,
            .type = ui::kOleColorType,
            .get = GetColor<I>,
            .put = PutColor<I>,
            .help = help,
            .persist = Persist::UnlessAbsent,
            .initial = MonthColors{}.*kColorFields[I],
            .absent = absent.value_or(MonthColors{}.*kColorFields[I]),
            .check = ui::CheckColorValue};
}

// clang-format off
inline constexpr auto kForeColor      = MakeColor<0>("ForeColor",      0x6803000A, "Returns/sets the foreground color used to display text and graphics in an object.");
inline constexpr auto kAgrForeColor   = MakeColor<1>("AgrForeColor",   0x68030007, "返回/设置农历日期显示的前景色。");
inline constexpr auto kFestForeColor  = MakeColor<2>("FestForeColor",  0x68030006, "返回/设置节日显示的前景色。");
inline constexpr auto kDateBackColor  = MakeColor<3>("DateBackColor",  0x68030005, "返回/设置日期的背景色。", ui::kCaptionTextColor);
inline constexpr auto kWeekForeColor  = MakeColor<4>("WeekForeColor",  0x68030004, "返回/设置星期（星期一至星期五）的前景色。");
inline constexpr auto kStForeColor    = MakeColor<5>("StForeColor",    0x68030003, "返回/设置星期六的前景色。");
inline constexpr auto kWeekBackColor  = MakeColor<6>("WeekBackColor",  0x68030002, "返回/设置星期的背景色。", ui::kHighlightTextColor);
inline constexpr auto kSTermBackColor = MakeColor<7>("sTermBackColor", 0x68030001, "返回/设置节气的背景色。");
inline constexpr auto kSelectColor    = MakeColor<8>("SelectColor",    0x68030000, "返回/设置所选日期的背景色。");
// clang-format on

struct ColorProperty {
    ui::OleColor MonthColors::*field;
    const PropertyRow<QxMonth, ui::OleColor> &row;
};

inline constexpr ColorProperty kColors[] = {
    {kColorFields[0], kForeColor},
    {kColorFields[1], kAgrForeColor},
    {kColorFields[2], kFestForeColor},
    {kColorFields[3], kDateBackColor},
    {kColorFields[4], kWeekForeColor},
    {kColorFields[5], kStForeColor},
    {kColorFields[6], kWeekBackColor},
    {kColorFields[7], kSTermBackColor},
    {kColorFields[8], kSelectColor},
};
static_assert(std::size(kColors) == std::size(kColorFields));

template<std::size_t I>
void PutColor(QxMonth &c, ui::OleColor value)
{
    c.SetColor(kColorFields[I], kColors[I].row.name, value);
}

// The row of a colour by its place in MonthColors.
constexpr const PropertyRow<QxMonth, ui::OleColor> &ColorRow(ui::OleColor MonthColors::*field)
{
    for (const ColorProperty &c : kColors)
        if (c.field == field)
            return c.row;
    throw std::logic_error("a colour without a row");
}

// The saved properties in the order they are written and read; their names are the keys.
using Saved = SavedProperties<kAppearance,
                              kForeColor,
                              kEnabled,
                              kCurrDate,
                              kAgrForeColor,
                              kFestForeColor,
                              kDateBackColor,
                              kWeekForeColor,
                              kStForeColor,
                              kWeekBackColor,
                              kSTermBackColor,
                              kSelectColor>;

} // namespace corvane::month
