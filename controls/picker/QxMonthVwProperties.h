#pragma once

#include "QxMonthVw.h"
#include "engine/PublishedRange.h"
#include "platform/automation/PropertyRow.h"
#include "platform/ui/ColorProperty.h"

#include <cstddef>
#include <string>

namespace corvane::picker
{

// The properties of _QxMonthVw, each declared once: the member table, Load and Save and the change
// reports are made from these rows. Several values a new control holds differ from what a saved set
// without the key stands for.

inline constexpr PropertyRow<QxMonthVw, ui::OleColor> kBackColor{
    .name = "BackColor",
    .id = 0x68030007,
    .type = ui::kOleColorType,
    .get = [](const QxMonthVw &c) { return c.BackColor(); },
    .put = [](QxMonthVw &c, ui::OleColor v) { c.SetBackColor(v); },
    .persist = Persist::UnlessAbsent,
    .initial = ui::kWindowColor,
    .absent = 0x00FFFFFF,
    .check = ui::CheckColorValue,
};

inline constexpr PropertyRow<QxMonthVw, std::int32_t> kAgrDateFormat{
    .name = "AgrDateFormat",
    .id = 0x68030006,
    .type = types::Enum("cAgrDateStrFormat"),
    .get = [](const QxMonthVw &c) { return c.AgrDateFormat(); },
    .put = [](QxMonthVw &c, std::int32_t v) { c.SetAgrDateFormat(v); },
    .persist = Persist::UnlessAbsent,
    .initial = 0,
    .absent = 1,
};

inline constexpr PropertyRow<QxMonthVw, ui::OleColor> kForeColor{
    .name = "ForeColor",
    .id = 0x68030005,
    .type = ui::kOleColorType,
    .get = [](const QxMonthVw &c) { return c.ForeColor(); },
    .put = [](QxMonthVw &c, ui::OleColor v) { c.SetForeColor(v); },
    .persist = Persist::UnlessAbsent,
    .initial = ui::kButtonTextColor,
    .absent = ui::kButtonTextColor,
    .check = ui::CheckColorValue,
};

inline constexpr PropertyRow<QxMonthVw, bool> kEnabled{
    .name = "Enabled",
    .id = 0x68030004,
    .type = types::Bool,
    .get = [](const QxMonthVw &c) { return c.Enabled(); },
    .put = [](QxMonthVw &c, bool v) { c.SetEnabled(v); },
    .persist = Persist::UnlessAbsent,
    .initial = true,
    .absent = true,
};

// The font read from a saved set: the container's ambient font when absent.
ObjectHandle ReadSavedFont(const PropertyBag &bag, const char *key);

// Saved as the record of the font; an object never equals a default, so it is always written.
inline constexpr PropertyRow<QxMonthVw, ObjectHandle, std::nullptr_t> kFont{
    .name = "Font",
    .id = 0x68030003,
    .type = types::ObjectOf("StdFont"),
    .get = [](const QxMonthVw &c) { return ObjectHandle(c.Font()); },
    .put = [](QxMonthVw &c, ObjectHandle v) { c.SetFont(v); },
    .putKind = InvokeKind::PropertyPutRef,
    .persist = Persist::Always,
    .read = ReadSavedFont,
};

inline constexpr PropertyRow<QxMonthVw, std::int32_t> kBorderStyle{
    .name = "BorderStyle",
    .id = 0x68030002,
    .type = types::Enum("cBorderStyle"),
    .get = [](const QxMonthVw &c) { return std::int32_t(c.BorderStyle()); },
    .put = [](QxMonthVw &c, std::int32_t v) { c.SetBorderStyle(v); },
    .persist = Persist::UnlessAbsent,
    .form = VarType::I2,
    .initial = 1,
    .absent = 0,
    .check = ui::CheckLookValue,
};

inline constexpr PropertyRow<QxMonthVw, std::int32_t> kAppearance{
    .name = "Appearance",
    .id = 0x68030001,
    .type = types::Enum("cApperance"),
    .get = [](const QxMonthVw &c) { return std::int32_t(c.Appearance()); },
    .put = [](QxMonthVw &c, std::int32_t v) { c.SetAppearance(v); },
    .persist = Persist::UnlessAbsent,
    .form = VarType::I2,
    .check = ui::CheckLookValue,
};

// Read-only; saved, and loaded as the text shown. A new control shows the caption of its date.
inline constexpr PropertyRow<QxMonthVw, std::string, const char *> kCaption{
    .name = "Caption",
    .id = 0x68030000,
    .type = types::String,
    .get = [](const QxMonthVw &c) { return c.Caption(); },
    .persist = Persist::UnlessAbsent,
    .absent = "QxMonthVw",
};

// The default member.
inline constexpr PropertyRow<QxMonthVw, date::Date> kCurrDate{
    .name = "CurrDate",
    .id = kDispIdValue,
    .type = types::Date,
    .get = [](const QxMonthVw &c) { return c.CurrDate(); },
    .put = [](QxMonthVw &c, date::Date v) { c.SetCurrDate(v); },
    .persist = Persist::UnlessAbsent,
    .initial = ModAgrCAl::kFirstPublishedDate,
    .absent = ModAgrCAl::kFirstPublishedDate,
};

// The saved properties in the order they are written and read; their names are the keys.
using Saved = SavedProperties<kAppearance,
                              kBorderStyle,
                              kBackColor,
                              kForeColor,
                              kEnabled,
                              kFont,
                              kCaption,
                              kCurrDate,
                              kAgrDateFormat>;

} // namespace corvane::picker
