#pragma once

#include "QxMonth.h"
#include "engine/PublishedRange.h"
#include "platform/automation/PropertyRow.h"
#include "platform/ui/ColorProperty.h"

#include <cstddef>
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
// (caption text, highlight text), so a new control saves those two keys.
struct ColorProperty {
    ui::OleColor MonthColors::*field;
    PropertyRow<QxMonth, ui::OleColor> row;
};

template<std::size_t I>
ui::OleColor GetColor(const QxMonth &c);
template<std::size_t I>
void PutColor(QxMonth &c, ui::OleColor value);

template<std::size_t I>
constexpr ColorProperty MakeColor(ui::OleColor MonthColors::*field,
                                  const char *name,
                                  DispId id,
                                  const char *help,
                                  std::optional<ui::OleColor> absent = std::nullopt)
{
    return {field,
            {.name = name,
             .id = id,
             .type = ui::kOleColorType,
             .get = GetColor<I>,
             .put = PutColor<I>,
             .help = help,
             .persist = Persist::UnlessAbsent,
             .initial = MonthColors{}.*field,
             .absent = absent.value_or(MonthColors{}.*field),
             .check = ui::CheckColorValue}};
}

// clang-format off
inline constexpr ColorProperty kColors[] = {
    MakeColor<0>(&MonthColors::ForeColor,      "ForeColor",      0x6803000A, "Returns/sets the foreground color used to display text and graphics in an object."),
    MakeColor<1>(&MonthColors::AgrForeColor,   "AgrForeColor",   0x68030007, "返回/设置农历日期显示的前景色。"),
    MakeColor<2>(&MonthColors::FestForeColor,  "FestForeColor",  0x68030006, "返回/设置节日显示的前景色。"),
    MakeColor<3>(&MonthColors::DateBackColor,  "DateBackColor",  0x68030005, "返回/设置日期的背景色。", ui::kCaptionTextColor),
    MakeColor<4>(&MonthColors::WeekForeColor,  "WeekForeColor",  0x68030004, "返回/设置星期（星期一至星期五）的前景色。"),
    MakeColor<5>(&MonthColors::StForeColor,    "StForeColor",    0x68030003, "返回/设置星期六的前景色。"),
    MakeColor<6>(&MonthColors::WeekBackColor,  "WeekBackColor",  0x68030002, "返回/设置星期的背景色。", ui::kHighlightTextColor),
    MakeColor<7>(&MonthColors::sTermBackColor, "sTermBackColor", 0x68030001, "返回/设置节气的背景色。"),
    MakeColor<8>(&MonthColors::SelectColor,    "SelectColor",    0x68030000, "返回/设置所选日期的背景色。"),
};
// clang-format on

template<std::size_t I>
ui::OleColor GetColor(const QxMonth &c)
{
    return c.Colors().*kColors[I].field;
}

template<std::size_t I>
void PutColor(QxMonth &c, ui::OleColor value)
{
    c.SetColor(kColors[I].field, kColors[I].row.name, value);
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
                              kColors[0].row,
                              kEnabled,
                              kCurrDate,
                              kColors[1].row,
                              kColors[2].row,
                              kColors[3].row,
                              kColors[4].row,
                              kColors[5].row,
                              kColors[6].row,
                              kColors[7].row,
                              kColors[8].row>;

} // namespace corvane::month
