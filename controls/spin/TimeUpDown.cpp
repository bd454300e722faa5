#include "TimeUpDown.h"

namespace corvane
{

TimeUpDown::TimeUpDown()
    : SpinControl(Info(), "TimeUpDown", spin::SpinKind::Time, true)
{
}

void TimeUpDown::SetCurrTime(date::Date value)
{
    StoreValue(value);
    ShowValue();
    PropertyChanged(spin::ValueName(Kind()));
    Raise(kChange);
}

} // namespace corvane
