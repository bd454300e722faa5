#include "AbiBag.h"

#include "AbiError.h"
#include "AbiVariant.h"
#include "Utf8.h"

namespace corvane::abi
{

namespace
{

const corv_bag_vtbl &TableOf(corv_bag *bag)
{
    if (!bag || !bag->vtbl || bag->vtbl->size < sizeof(corv_bag_vtbl))
        throw AutomationError(ErrorNumber::ObjectRequired, "Object required: no property bag");
    return *bag->vtbl;
}

} // namespace

PropertyBag ImportBag(corv_bag *bag)
{
    const corv_bag_vtbl &table = TableOf(bag);
    PropertyBag imported;
    const std::size_t count = table.count(bag);
    for (std::size_t i = 0; i < count; ++i) {
        const char *key = nullptr;
        CVariantHolder value;
        corv_error err{};
        if (const std::int32_t rc = table.entry(bag, i, &key, &value.value, &err))
            ThrowError(rc, err);
        const std::string_view name = key ? key : "";
        // Keys ignore case here; a host's bag that does not would lose one of the two silently.
        if (imported.Find(name))
            throw AutomationError(ErrorNumber::InvalidCall,
                                  "Invalid procedure call or argument: the property bag holds the key \""
                                      + PrintableText(name) + "\" twice (keys ignore case)");
        imported.Write(name, FromC(value.value));
    }
    return imported;
}

void ExportBag(const PropertyBag &from, corv_bag *bag)
{
    const corv_bag_vtbl &table = TableOf(bag);
    table.clear(bag);
    for (const PropertyBag::Entry &entry : from.Entries()) {
        CVariantHolder value;
        ToC(entry.value, &value.value);
        corv_error err{};
        if (const std::int32_t rc = table.put(bag, entry.key.c_str(), &value.value, &err))
            ThrowError(rc, err);
    }
}

} // namespace corvane::abi
