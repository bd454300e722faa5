#include "OleColorBag.h"

#include "platform/automation/PropertyBag.h"
#include "platform/automation/VariantCoercion.h"

namespace corvane::ui
{

Variant OleColorVariant(OleColor value)
{
    return std::int32_t(value);
}

OleColor ReadOleColor(const PropertyBag &bag, const char *key, OleColor absent)
{
    const auto value = OleColor(ToI4(bag.Read(key, OleColorVariant(absent))));
    CheckOleColor(value);
    return value;
}

void WriteOleColor(PropertyBag &bag, const char *key, OleColor value, OleColor defaultValue)
{
    bag.Write(key, OleColorVariant(value), OleColorVariant(defaultValue));
}

} // namespace corvane::ui
