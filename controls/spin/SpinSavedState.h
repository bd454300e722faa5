#pragma once

#include "SpinKind.h"
#include "platform/date/DateValue.h"
#include "platform/ui/OleColor.h"

#include <cstdint>
#include <optional>

namespace corvane
{
class PropertyBag;
}

namespace corvane::spin
{

// The saved properties of a spin editor, in the order they are read and written; the property names
// are the keys, the value's key is "CurrDate" or "CurrTime".
struct SpinSavedState {
    std::int16_t Appearance = 0; // cApperance: Flat 0, 3D 1
    ui::OleColor BackColor = ui::kWindowColor;
    ui::OleColor ForeColor = ui::kWindowTextColor;
    bool Enabled = true;
    std::optional<date::Date> value; // none: the saved set lacks the key
    friend bool operator==(const SpinSavedState &, const SpinSavedState &) = default;
};

// Reads every key, an absent one as the default above. A value of the wrong type is error 13, a date
// outside the date type's range error 6, an Appearance other than 0 or 1 or a number that is no
// colour error 380; either way nothing is returned.
SpinSavedState ReadSpinState(SpinKind kind, const PropertyBag &bag);

// Writes the keys with the defaults above, so that the bag holds those that differ. The value is
// written whatever it is: a value 0 left out would come back as the present date or time.
void WriteSpinState(SpinKind kind, const SpinSavedState &state, PropertyBag &bag);

} // namespace corvane::spin
