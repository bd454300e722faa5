#pragma once

#include "DateUpDown.h"
#include "TimeUpDown.h"
#include "platform/automation/PropertyRow.h"
#include "platform/ui/ColorProperty.h"

namespace corvane::spin
{

// The properties of _DateUpDown and _TimeUpDown, each declared once: the member tables, Load and Save
// and the change reports are made from these rows. The interfaces differ only in the value property.

inline constexpr PropertyRow<SpinControl, ui::OleColor> kBackColor{
    .name = "BackColor",
    .id = 0x68030003,
    .type = ui::kOleColorType,
    .get = [](const SpinControl &c) { return c.BackColor(); },
    .put = [](SpinControl &c, ui::OleColor v) { c.SetBackColor(v); },
    .persist = Persist::UnlessAbsent,
    .initial = ui::kWindowColor,
    .absent = ui::kWindowColor,
    .check = ui::CheckColorValue,
};

inline constexpr PropertyRow<SpinControl, ui::OleColor> kForeColor{
    .name = "ForeColor",
    .id = 0x68030002,
    .type = ui::kOleColorType,
    .get = [](const SpinControl &c) { return c.ForeColor(); },
    .put = [](SpinControl &c, ui::OleColor v) { c.SetForeColor(v); },
    .persist = Persist::UnlessAbsent,
    .initial = ui::kWindowTextColor,
    .absent = ui::kWindowTextColor,
    .check = ui::CheckColorValue,
};

inline constexpr PropertyRow<SpinControl, bool> kEnabled{
    .name = "Enabled",
    .id = 0x68030001,
    .type = types::Bool,
    .get = [](const SpinControl &c) { return c.Enabled(); },
    .put = [](SpinControl &c, bool v) { c.SetEnabled(v); },
    .persist = Persist::UnlessAbsent,
    .initial = true,
    .absent = true,
};

inline constexpr PropertyRow<SpinControl, std::int32_t> kAppearance{
    .name = "Appearance",
    .id = 0x68030000,
    .type = types::Enum("cApperance"),
    .get = [](const SpinControl &c) { return std::int32_t(c.Appearance()); },
    .put = [](SpinControl &c, std::int32_t v) { c.SetAppearance(v); },
    .persist = Persist::UnlessAbsent,
    .form = VarType::I2,
    .check = ui::CheckLookValue,
};

// The value, the default member. It is written whatever it is: a value 0 left out would come back as
// the present date or time, which a saved set without the key stands for.
inline constexpr PropertyRow<SpinControl, date::Date> kCurrDate{
    .name = "CurrDate",
    .id = kDispIdValue,
    .type = types::Date,
    .get = [](const SpinControl &c) { return c.Value(); },
    .put = [](SpinControl &c, date::Date v) { static_cast<DateUpDown &>(c).SetCurrDate(v); },
    .persist = Persist::KeepWhenAbsent,
};

inline constexpr PropertyRow<SpinControl, date::Date> kCurrTime{
    .name = "CurrTime",
    .id = kDispIdValue,
    .type = types::Date,
    .get = [](const SpinControl &c) { return c.Value(); },
    .put = [](SpinControl &c, date::Date v) { static_cast<TimeUpDown &>(c).SetCurrTime(v); },
    .persist = Persist::KeepWhenAbsent,
};

// The saved properties but the value, in the order they are written and read (the value follows);
// their names are the keys.
using Saved = SavedProperties<kAppearance, kBackColor, kForeColor, kEnabled>;

} // namespace corvane::spin
