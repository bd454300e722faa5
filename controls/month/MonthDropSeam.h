#pragma once

namespace corvane::month
{

// What the day grid needs of the drop-down picker: when the grid loses the focus to anything outside
// the month control, and the control sits on a form with a name, an open drop-down closes. The picker
// installs its drop-down state here, once per thread; without it no drop-down is ever open.
class MonthDropHost
{
public:
    virtual ~MonthDropHost() = default;
    // DropShown: the drop-down is open.
    virtual bool DropShown() const = 0;
    // Closes it: the closing animation, the form hidden, DropShown false, the update lock released.
    virtual void CloseDropDown() = 0;
};

// The host of this thread, or nullptr.
MonthDropHost *CurrentMonthDropHost();
// Installs (or with nullptr removes) the host of this thread.
void SetMonthDropHost(MonthDropHost *host);

} // namespace corvane::month
