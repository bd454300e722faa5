#include "TimeUpDown.h"

#include "SpinProperties.h"

namespace corvane
{

TimeUpDown::TimeUpDown(QWidget *surfaceParent)
    : SpinControl(Info(), "TimeUpDown", spin::SpinKind::Time, true, surfaceParent)
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
