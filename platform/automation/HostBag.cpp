// The host side's property bag and the bag calls of the C ABI. The bag functions work on any bag
// through its vtable; corv_bag_create makes one backed by the runtime's PropertyBag.
#include "AbiBag.h"
#include "AbiVariant.h"
#include "HostError.h"
#include "PropertyBagFile.h"
#include "Utf8.h"
#include "VariantCoercion.h"

#include <optional>

using namespace corvane;

namespace
{

struct HostBag : corv_bag {
    PropertyBag bag;
};

PropertyBag &BagOf(corv_bag *self)
{
    return static_cast<HostBag *>(self)->bag;
}

size_t BagCount(corv_bag *self)
{
    return BagOf(self).Size();
}

int32_t BagEntry(corv_bag *self, size_t index, const char **key, corv_variant *value, corv_error *err)
{
    return abi::Guard(err, [&] {
        const auto entries = BagOf(self).Entries();
        if (index >= entries.size())
            throw AutomationError(ErrorNumber::SubscriptOutOfRange);
        if (value)
            abi::ToC(entries[index].value, value);
        if (key)
            *key = entries[index].key.c_str();
    });
}

int32_t BagFind(corv_bag *self, const char *key, int *found, corv_variant *value, corv_error *err)
{
    return abi::Guard(err, [&] {
        if (!key || !found)
            throw AutomationError(ErrorNumber::InvalidCall);
        const Variant *stored = BagOf(self).Find(key);
        *found = stored != nullptr;
        if (stored && value)
            abi::ToC(*stored, value);
    });
}

int32_t BagPut(corv_bag *self, const char *key, const corv_variant *value, corv_error *err)
{
    return abi::Guard(err, [&] {
        if (!key || !value)
            throw AutomationError(ErrorNumber::InvalidCall);
        BagOf(self).Write(key, abi::FromC(*value));
    });
}

void BagRemove(corv_bag *self, const char *key)
{
    if (key)
        BagOf(self).Remove(key);
}

void BagClear(corv_bag *self)
{
    BagOf(self).Clear();
}

void BagDestroy(corv_bag *self)
{
    delete static_cast<HostBag *>(self);
}

constexpr corv_bag_vtbl kBagVtbl =
    {CORV_ABI_VERSION, sizeof(corv_bag_vtbl), BagCount, BagEntry, BagFind, BagPut, BagRemove, BagClear, BagDestroy};

const corv_bag_vtbl &TableOf(corv_bag *bag)
{
    if (!bag || !bag->vtbl || bag->vtbl->size < sizeof(corv_bag_vtbl))
        throw AutomationError(ErrorNumber::ObjectRequired, "Object required: no property bag");
    return *bag->vtbl;
}

// The bag's value for key, if any.
std::optional<Variant> Lookup(corv_bag *bag, const char *key)
{
    int found = 0;
    abi::CVariantHolder value;
    corv_error err{};
    if (const int32_t rc = TableOf(bag).find(bag, key, &found, &value.value, &err))
        abi::ThrowError(rc, err);
    if (!found)
        return std::nullopt;
    return abi::FromC(value.value);
}

} // namespace

extern "C" {

int32_t corv_bag_create(corv_bag **bag)
{
    return host::HostCall([&] {
        if (!bag)
            throw AutomationError(ErrorNumber::InvalidCall);
        auto *created = new HostBag;
        created->vtbl = &kBagVtbl;
        *bag = created;
    });
}

void corv_bag_destroy(corv_bag *bag)
{
    if (bag && bag->vtbl && bag->vtbl->destroy)
        bag->vtbl->destroy(bag);
}

int32_t corv_bag_load_file(corv_bag *bag, const char *path)
{
    return host::HostCall([&] {
        TableOf(bag);
        if (!path)
            throw AutomationError(ErrorNumber::InvalidCall);
        PropertyBag loaded;
        LoadPropertyBag(loaded, path);
        if (bag->vtbl == &kBagVtbl)
            BagOf(bag) = std::move(loaded);
        else
            abi::ExportBag(loaded, bag);
    });
}

int32_t corv_bag_save_file(corv_bag *bag, const char *path)
{
    return host::HostCall([&] {
        TableOf(bag);
        if (!path)
            throw AutomationError(ErrorNumber::InvalidCall);
        SavePropertyBag(bag->vtbl == &kBagVtbl ? BagOf(bag) : abi::ImportBag(bag), path);
    });
}

size_t corv_bag_count(corv_bag *bag)
{
    size_t count = 0;
    host::HostCall([&] { count = TableOf(bag).count(bag); });
    return count;
}

int32_t corv_bag_entry(corv_bag *bag, size_t index, const char **key, corv_variant *value)
{
    return host::HostCall([&] {
        abi::CVariantHolder copy;
        if (const int32_t rc = TableOf(bag).entry(bag, index, key, value ? &copy.value : nullptr, &host::LastError()))
            abi::ThrowError(rc, host::LastError());
        if (value) {
            abi::ClearC(value);
            *value = copy.value;
            copy.value = corv_variant{};
        }
    });
}

int32_t corv_bag_read(corv_bag *bag, const char *key, const corv_variant *default_value, corv_variant *out)
{
    return host::HostCall([&] {
        if (!key || !out)
            throw AutomationError(ErrorNumber::InvalidCall);
        const std::optional<Variant> stored = Lookup(bag, key);
        const Variant value = stored ? *stored : default_value ? abi::FromC(*default_value) : Variant();
        abi::CVariantHolder converted;
        abi::ToC(value, &converted.value);
        abi::ClearC(out);
        *out = converted.value;
        converted.value = corv_variant{};
    });
}

int32_t corv_bag_write(corv_bag *bag, const char *key, const corv_variant *value, const corv_variant *default_value)
{
    return host::HostCall([&] {
        const corv_bag_vtbl &table = TableOf(bag);
        if (!key || !value)
            throw AutomationError(ErrorNumber::InvalidCall);
        if (!IsValidBagKey(key))
            throw AutomationError(ErrorNumber::InvalidCall,
                                  "Invalid procedure call or argument: \"" + PrintableText(key)
                                      + "\" cannot be a property bag key");
        if (default_value
            && ValuesEqual(StorableValue(abi::FromC(*value)), StorableValue(abi::FromC(*default_value)))) {
            table.remove(bag, key);
            return;
        }
        if (const int32_t rc = table.put(bag, key, value, &host::LastError()))
            abi::ThrowError(rc, host::LastError());
    });
}

} // extern "C"
