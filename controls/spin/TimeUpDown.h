#pragma once

#include "SpinControl.h"

namespace corvane
{

// The time spin editor (ProgID "Corvane.TimeUpDown", interface _TimeUpDown, events __TimeUpDown):
// the time of day of the stored value as "hh:mm:ss", centred, whose hours, minutes or seconds the
// spin buttons step; a step across midnight moves the day part, and there is no wrap. Change is
// raised whenever the text changes, so a step raises Change before its Click.
class TimeUpDown final : public SpinControl
{
public:
    static constexpr const char *kProgId = "Corvane.TimeUpDown";

    // `surfaceParent`: see ControlBase.
    explicit TimeUpDown(QWidget *surfaceParent = nullptr);
    static const ClassInfo &Info();

    date::Date CurrTime() const noexcept { return Value(); }
    // Stores any value unchanged and shows it (Change when the text changes), reports it and raises
    // Change: twice for a value whose text differs from the one shown.
    void SetCurrTime(date::Date value);
};

} // namespace corvane
