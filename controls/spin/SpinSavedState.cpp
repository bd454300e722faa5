#include "SpinSavedState.h"

#include "platform/automation/PropertyBag.h"
#include "platform/automation/VariantCoercion.h"
#include "platform/ui/InvalidPropertyValue.h"

namespace corvane::spin
{

namespace
{

// Colours travel as 32-bit integers holding the OLE colour's bits.
Variant ColorVariant(ui::OleColor value)
{
    return std::int32_t(value);
}

ui::OleColor ReadColor(const PropertyBag &bag, const char *key, ui::OleColor absent)
{
    const auto value = ui::OleColor(ToI4(bag.Read(key, ColorVariant(absent))));
    ui::CheckOleColor(value);
    return value;
}

} // namespace

SpinSavedState ReadSpinState(SpinKind kind, const PropertyBag &bag)
{
    const SpinSavedState absent;
    SpinSavedState state;
    state.Appearance = ToI2(bag.Read("Appearance", absent.Appearance));
    if (state.Appearance != 0 && state.Appearance != 1)
        ui::ThrowInvalidPropertyValue("Appearance");
    state.BackColor = ReadColor(bag, "BackColor", absent.BackColor);
    state.ForeColor = ReadColor(bag, "ForeColor", absent.ForeColor);
    state.Enabled = ToBool(bag.Read("Enabled", absent.Enabled));
    if (const Variant *value = bag.Find(ValueName(kind)))
        state.value = ToDate(*value);
    return state;
}

void WriteSpinState(SpinKind kind, const SpinSavedState &state, PropertyBag &bag)
{
    const SpinSavedState absent;
    bag.Write("Appearance", state.Appearance, absent.Appearance);
    bag.Write("BackColor", ColorVariant(state.BackColor), ColorVariant(absent.BackColor));
    bag.Write("ForeColor", ColorVariant(state.ForeColor), ColorVariant(absent.ForeColor));
    bag.Write("Enabled", state.Enabled, absent.Enabled);
    if (state.value)
        bag.Write(ValueName(kind), Variant::FromDate(*state.value));
}

} // namespace corvane::spin
