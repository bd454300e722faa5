#include "PickerSavedState.h"

#include "platform/automation/AutomationError.h"
#include "platform/automation/PropertyBag.h"
#include "platform/automation/VariantCoercion.h"
#include "platform/ui/OleColorBag.h"

namespace corvane::picker
{

namespace
{

std::int16_t ReadLook(const PropertyBag &bag, const char *key, std::int16_t absent)
{
    const std::int16_t value = ToI2(bag.Read(key, absent));
    if (value != 0 && value != 1)
        ThrowInvalidPropertyValue(key);
    return value;
}

StdFont::Description ReadFont(const PropertyBag &bag, const StdFont::Description &absent)
{
    const Variant *stored = bag.Find("Font");
    if (!stored)
        return absent;
    const Variant value = StorableValue(*stored);
    if (value.Type() != VarType::Record)
        throw AutomationError(ErrorNumber::TypeMismatch, "Type mismatch: \"Font\" holds no font");
    return FontFromRecord(value.AsRecord());
}

} // namespace

PickerSavedState ReadSavedState(const PropertyBag &bag)
{
    const PickerSavedState absent;
    PickerSavedState state;
    state.Appearance = ReadLook(bag, "Appearance", absent.Appearance);
    state.BorderStyle = ReadLook(bag, "BorderStyle", absent.BorderStyle);
    state.BackColor = ui::ReadOleColor(bag, "BackColor", absent.BackColor);
    state.ForeColor = ui::ReadOleColor(bag, "ForeColor", absent.ForeColor);
    state.Enabled = ToBool(bag.Read("Enabled", absent.Enabled));
    state.Font = ReadFont(bag, absent.Font);
    state.Caption = ToString(bag.Read("Caption", absent.Caption));
    state.CurrDate = ToDate(bag.Read("CurrDate", Variant::FromDate(absent.CurrDate)));
    state.AgrDateFormat = ToI4(bag.Read("AgrDateFormat", std::int16_t(absent.AgrDateFormat)));
    return state;
}

void WriteSavedState(const PickerSavedState &state, PropertyBag &bag)
{
    const PickerSavedState absent;
    bag.Write("Appearance", state.Appearance, absent.Appearance);
    bag.Write("BorderStyle", state.BorderStyle, absent.BorderStyle);
    ui::WriteOleColor(bag, "BackColor", state.BackColor, absent.BackColor);
    ui::WriteOleColor(bag, "ForeColor", state.ForeColor, absent.ForeColor);
    bag.Write("Enabled", state.Enabled, absent.Enabled);
    bag.Write("Font", Variant(ObjectHandle(MakeObject<StdFont>(state.Font))));
    bag.Write("Caption", state.Caption, absent.Caption);
    bag.Write("CurrDate", Variant::FromDate(state.CurrDate), Variant::FromDate(absent.CurrDate));
    bag.Write("AgrDateFormat", state.AgrDateFormat, std::int16_t(absent.AgrDateFormat));
}

} // namespace corvane::picker
