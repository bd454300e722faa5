#pragma once

#include "platform/automation/StdFont.h"
#include "platform/date/DateValue.h"
#include "platform/ui/OleColor.h"

#include <QDate>
#include <QTime>

class QFont;
class QWidget;

namespace corvane::widgets
{

// The Gregorian years the widgets open their controls to: every year whose days the engine's tables
// convert (wider than the automation surface's 1901..2030), and its first and last day.
date::YearRange ControlYears();
QDate FirstControlDate();
QDate LastControlDate();
// A valid date held to [first, last].
QDate Bound(const QDate &first, const QDate &date, const QDate &last);
// A date held to the controls' dates (FirstControlDate .. LastControlDate).
QDate BoundToControls(const QDate &date);

// Date values and Qt's types. ToQDate drops the time of day; ToQTime is the time of day to the second.
date::Date ToDateValue(const QDate &day);
QDate ToQDate(date::Date value);
QTime ToQTime(date::Date value);
// The day of `value` at `time` (milliseconds dropped).
date::Date AtTime(date::Date value, const QTime &time);

// A date widget's setter: an invalid date is ignored, a valid one held to the controls' dates and
// assigned only when it differs from the control's day, so a same-value set raises no change.
template<class Control>
void AssignDay(Control &control, const QDate &date)
{
    if (!date.isValid())
        return;
    const QDate bounded = BoundToControls(date);
    if (bounded != ToQDate(control.CurrDate()))
        control.SetCurrDate(ToDateValue(bounded));
}

// An OLE colour as a widget shows it (system colours through its palette), and a QColor as the OLE
// colour a control stores: an invalid QColor stands for `paletteDefault`, the colour that follows the
// palette.
QColor ShownColor(ui::OleColor value, const QWidget &widget);
ui::OleColor ToOleColor(const QColor &color, ui::OleColor paletteDefault);

// The font object describing a QFont (its family, point size, weight, italic, underline, strike-out).
StdFont::Description FontDescription(const QFont &font);

} // namespace corvane::widgets
