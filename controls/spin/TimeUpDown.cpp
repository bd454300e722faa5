#include "TimeUpDown.h"

#include "SpinProperties.h"

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
    PropertyChanged(spin::kCurrTime.name);
    Raise(kChange);
}

} // namespace corvane
