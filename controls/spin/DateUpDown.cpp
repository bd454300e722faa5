#include "DateUpDown.h"

#include "SpinProperties.h"

#include "SpinValue.h"

namespace corvane
{

DateUpDown::DateUpDown()
    : SpinControl(Info(), "DateUpDown", spin::SpinKind::Date, false)
{
}

void DateUpDown::SetCurrDate(date::Date value)
{
    StoreValue(spin::AssignedValue(spin::SpinKind::Date, value));
    PropertyChanged(spin::kCurrDate.name);
    ShowValue();
    Raise(kChange);
}

} // namespace corvane
