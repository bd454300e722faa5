#include "DateUpDown.h"

#include "SpinProperties.h"

#include "SpinValue.h"
#include "engine/PublishedRange.h"

namespace corvane
{

DateUpDown::DateUpDown(QWidget *surfaceParent)
    : SpinControl(Info(), "DateUpDown", spin::SpinKind::Date, false, surfaceParent)
{
}

void DateUpDown::SetCurrDate(date::Date value)
{
    StoreValue(spin::AssignedValue(spin::SpinKind::Date, value, Years()));
    PropertyChanged(spin::kCurrDate.name);
    ShowValue();
    Raise(kChange);
}

void DateUpDown::SetYearRange(date::YearRange years)
{
    StoreYears(ModAgrCAl::CheckedTableSpan(years));
    StoreValue(spin::AssignedValue(spin::SpinKind::Date, Value(), years));
    ShowValue();
}

} // namespace corvane
