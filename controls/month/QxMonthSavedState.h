#pragma once

#include "MonthColors.h"
#include "engine/PublishedRange.h"
#include "platform/date/DateValue.h"

#include <cstdint>

namespace corvane
{
class PropertyBag;
}

namespace corvane::month
{

// The twelve saved properties of the month control, in the order they are read and written. The
// property names are the keys.
struct QxMonthSavedState {
    std::int16_t Appearance = 0; // cApperance: Flat 0, 3D 1
    bool Enabled = true;
    date::Date CurrDate = ModAgrCAl::kFirstPublishedDate;
    MonthColors colors;
    friend bool operator==(const QxMonthSavedState &, const QxMonthSavedState &) = default;
};

// What a newly placed control starts with.
QxMonthSavedState InitialSavedState();
// What a saved set stands for when it lacks a key. Two values differ from the initial ones:
// DateBackColor 0x80000009 (system caption text) and WeekBackColor 0x8000000E (system highlight
// text), so a new control saves those two keys.
QxMonthSavedState AbsentSavedState();

// Reads every key with its if-absent value. A value of the wrong type is error 13, one out of range
// (an Appearance other than 0 or 1, a number that is no colour) error 380; either way nothing is
// returned.
QxMonthSavedState ReadSavedState(const PropertyBag &bag);
// Writes every key with its if-absent value as the default, so the bag holds the keys whose values
// differ from it.
void WriteSavedState(const QxMonthSavedState &state, PropertyBag &bag);

} // namespace corvane::month
