#include "QxMonthSavedState.h"

#include "platform/automation/AutomationError.h"
#include "platform/automation/PropertyBag.h"
#include "platform/automation/VariantCoercion.h"
#include "platform/ui/OleColorBag.h"

namespace corvane::month
{

namespace
{

// The colours in key order, each with its key.
struct ColorKey {
    const char *key;
    ui::OleColor MonthColors::*field;
};
constexpr ColorKey kColorKeys[] = {
    {"AgrForeColor", &MonthColors::AgrForeColor},
    {"FestForeColor", &MonthColors::FestForeColor},
    {"DateBackColor", &MonthColors::DateBackColor},
    {"WeekForeColor", &MonthColors::WeekForeColor},
    {"StForeColor", &MonthColors::StForeColor},
    {"WeekBackColor", &MonthColors::WeekBackColor},
    {"sTermBackColor", &MonthColors::sTermBackColor},
    {"SelectColor", &MonthColors::SelectColor},
};

} // namespace

QxMonthSavedState InitialSavedState()
{
    return {};
}

QxMonthSavedState AbsentSavedState()
{
    QxMonthSavedState state;
    state.colors.DateBackColor = ui::kCaptionTextColor;
    state.colors.WeekBackColor = ui::kHighlightTextColor;
    return state;
}

QxMonthSavedState ReadSavedState(const PropertyBag &bag)
{
    const QxMonthSavedState absent = AbsentSavedState();
    QxMonthSavedState state;
    state.Appearance = ToI2(bag.Read("Appearance", absent.Appearance));
    if (state.Appearance != 0 && state.Appearance != 1)
        ThrowInvalidPropertyValue("Appearance");
    state.colors.ForeColor = ui::ReadOleColor(bag, "ForeColor", absent.colors.ForeColor);
    state.Enabled = ToBool(bag.Read("Enabled", absent.Enabled));
    state.CurrDate = ToDate(bag.Read("CurrDate", Variant::FromDate(absent.CurrDate)));
    for (const ColorKey &c : kColorKeys)
        state.colors.*c.field = ui::ReadOleColor(bag, c.key, absent.colors.*c.field);
    return state;
}

void WriteSavedState(const QxMonthSavedState &state, PropertyBag &bag)
{
    const QxMonthSavedState absent = AbsentSavedState();
    bag.Write("Appearance", state.Appearance, absent.Appearance);
    ui::WriteOleColor(bag, "ForeColor", state.colors.ForeColor, absent.colors.ForeColor);
    bag.Write("Enabled", state.Enabled, absent.Enabled);
    bag.Write("CurrDate", Variant::FromDate(state.CurrDate), Variant::FromDate(absent.CurrDate));
    for (const ColorKey &c : kColorKeys)
        ui::WriteOleColor(bag, c.key, state.colors.*c.field, absent.colors.*c.field);
}

} // namespace corvane::month
