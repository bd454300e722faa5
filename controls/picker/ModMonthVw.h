#pragma once

#include "engine/PublishedRange.h"
#include "platform/date/DateValue.h"

namespace corvane
{
class FrmMonthView;
}

namespace corvane::ModMonthVw
{

// The drop-down state, one per thread, shared by every picker of the thread. Positions are twips in
// screen coordinates.
struct DropState {
    int DropLeft = 0; // the picker's left edge
    int DropTop = 0; // the picker's bottom edge (opening downward) or top edge (upward)
    bool DropShown = false; // the drop-down is open
    bool DropUpward = false; // it opened above the picker
    date::Date DropInDate = 0; // what the month view shows when the form loads
    // The form waits for the first opening to load; a picker's initialization sets this to the date
    // the form would have loaded with then, which the load takes over DropInDate. Zero: none.
    date::Date DropLoadDate = 0;
    date::YearRange DropYears = ModAgrCAl::kPublishedYears; // the years it offers: the opener's
    date::Date DropOutDate = 0; // the date picked
    bool DropDatePicked = false; // a picked date waits for a picker to take it
};

DropState &State();

// Shows the form growing into place in steps of 600 twips, starting from its height mod 600:
// downward with MonthDrop sliding down into view (the last step jumps to the full height, which the
// next paint shows), upward with its bottom edge kept on the picker's top edge. The form has the
// transient style meanwhile and the pop-up style at the end, and stands in front of everything.
// Showing lets pending calls run; false when one of them unloaded the form, which is then left alone.
bool ShowDropForm(FrmMonthView &form, bool upward);

// Shrinks a shown form to about half its height, losing 0, 600, 1200, ... twips a step (an upward
// form also moving its top down by the step), in the transient style; the caller hides it. A hidden
// form is left alone.
void HideDropForm(FrmMonthView &form);

} // namespace corvane::ModMonthVw
