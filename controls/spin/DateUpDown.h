#pragma once

#include "SpinControl.h"

namespace corvane
{

// The date spin editor (ProgID "Corvane.DateUpDown", interface _DateUpDown, events __DateUpDown):
// a date as "YYYY年MM月DD日" whose year, month or day - the field at the caret - the spin buttons
// step, wrapping around between 1 January 1901 and 31 December 2030 (or the span its C++ owner
// opened, see SetYearRange). A step raises Click and no Change.
class DateUpDown final : public SpinControl
{
public:
    static constexpr const char *kProgId = "Corvane.DateUpDown";

    // `surfaceParent`: see ControlBase.
    explicit DateUpDown(QWidget *surfaceParent = nullptr);
    static const ClassInfo &Info();

    date::Date CurrDate() const noexcept { return Value(); }
    // Holds the year to YearRange (spin::AssignedValue), stores and reports the value, shows it and
    // raises Change, even for the value already held.
    void SetCurrDate(date::Date value);

    // The Gregorian years of the date: 1901..2030 unless the C++ owner opens another span of the
    // engine's years (error 5 for any other, and for an empty one). The date moves into the span,
    // shown, without an event. Not a property: hosts of the automation surface keep 1901..2030.
    date::YearRange YearRange() const noexcept { return Years(); }
    void SetYearRange(date::YearRange years);
};

} // namespace corvane
