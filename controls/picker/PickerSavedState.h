#pragma once

#include "engine/PublishedRange.h"
#include "platform/automation/StdFont.h"
#include "platform/date/DateValue.h"
#include "platform/ui/OleColor.h"

#include <cstdint>
#include <string>

namespace corvane
{
class PropertyBag;
}

namespace corvane::picker
{

// The nine saved properties of the picker, in the order they are written and read. The property
// names are the keys.
struct PickerSavedState {
    std::int16_t Appearance = 0; // cApperance: Flat 0, 3D 1
    std::int16_t BorderStyle = 0; // cBorderStyle: None 0, Fixed Single 1
    ui::OleColor BackColor = 0x00FFFFFF;
    ui::OleColor ForeColor = ui::kButtonTextColor;
    bool Enabled = true;
    StdFont::Description Font; // the container's ambient font when absent
    std::string Caption = "QxMonthVw";
    date::Date CurrDate = ModAgrCAl::kFirstPublishedDate;
    std::int32_t AgrDateFormat = 1;
    friend bool operator==(const PickerSavedState &, const PickerSavedState &) = default;
};

// Reads every key, an absent one as its default (the members' initial values above). A value of the
// wrong type is error 13; an Appearance or BorderStyle other than 0 or 1, a number that is no colour
// or a font with an empty name or a bad size error 380. Either way nothing is returned.
PickerSavedState ReadSavedState(const PropertyBag &bag);
// Writes every key with its default, so the bag holds the keys whose values differ from it; the font
// is an object, which never equals a default, and is always written.
void WriteSavedState(const PickerSavedState &state, PropertyBag &bag);

} // namespace corvane::picker
