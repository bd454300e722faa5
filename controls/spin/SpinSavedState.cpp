#include "SpinSavedState.h"

#include "platform/automation/AutomationError.h"
#include "platform/automation/PropertyBag.h"
#include "platform/automation/VariantCoercion.h"
#include "platform/ui/OleColorBag.h"

namespace corvane::spin
{

SpinSavedState ReadSpinState(SpinKind kind, const PropertyBag &bag)
{
    const SpinSavedState absent;
    SpinSavedState state;
    state.Appearance = ToI2(bag.Read("Appearance", absent.Appearance));
    if (state.Appearance != 0 && state.Appearance != 1)
        ThrowInvalidPropertyValue("Appearance");
    state.BackColor = ui::ReadOleColor(bag, "BackColor", absent.BackColor);
    state.ForeColor = ui::ReadOleColor(bag, "ForeColor", absent.ForeColor);
    state.Enabled = ToBool(bag.Read("Enabled", absent.Enabled));
    if (const Variant *value = bag.Find(ValueName(kind)))
        state.value = ToDate(*value);
    return state;
}

void WriteSpinState(SpinKind kind, const SpinSavedState &state, PropertyBag &bag)
{
    const SpinSavedState absent;
    bag.Write("Appearance", state.Appearance, absent.Appearance);
    ui::WriteOleColor(bag, "BackColor", state.BackColor, absent.BackColor);
    ui::WriteOleColor(bag, "ForeColor", state.ForeColor, absent.ForeColor);
    bag.Write("Enabled", state.Enabled, absent.Enabled);
    if (state.value)
        bag.Write(ValueName(kind), Variant::FromDate(*state.value));
}

} // namespace corvane::spin
