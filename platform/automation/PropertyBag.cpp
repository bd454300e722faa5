#include "PropertyBag.h"

#include "AutomationError.h"
#include "AutomationObject.h"
#include "Utf8.h"
#include "VariantCoercion.h"

#include <algorithm>

namespace corvane
{

bool IsValidBagKey(std::string_view key) noexcept
{
    // Not UTF-8: the text form could be written but never read back.
    if (key.empty() || key.front() == '#' || key.front() == ' ' || key.back() == ' ' || !IsValidUtf8(key))
        return false;
    return std::none_of(key.begin(), key.end(), [](char c) {
        return c == '=' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
}

Variant StorableValue(const Variant &value)
{
    switch (value.Type()) {
    case VarType::Missing:
        throw AutomationError(ErrorNumber::TypeMismatch, "Type mismatch: a missing value cannot be stored");
    case VarType::Object: {
        const ObjectHandle &object = value.AsObject();
        if (!object)
            return value.Deref();
        PropertyBag saved;
        object->Save(saved);
        Record record(RecordName::Constant(object->Class().Name()));
        for (const PropertyBag::Entry &entry : saved.Entries())
            record.Add(entry.key, entry.value);
        return Variant(std::move(record));
    }
    case VarType::Record: {
        Record record = value.AsRecord();
        for (RecordField &field : record.Fields())
            field.value = StorableValue(field.value);
        return Variant(std::move(record));
    }
    default:
        return value.Deref();
    }
}

namespace
{

void CheckKey(std::string_view key)
{
    if (!IsValidBagKey(key))
        throw AutomationError(ErrorNumber::InvalidCall,
                              "Invalid procedure call or argument: \"" + std::string(key)
                                  + "\" cannot be a property bag key");
}

} // namespace

const Variant *PropertyBag::Find(std::string_view key) const
{
    for (const Entry &entry : m_entries)
        if (entry.key == key)
            return &entry.value;
    return nullptr;
}

Variant PropertyBag::Read(std::string_view key, const Variant &defaultValue) const
{
    const Variant *stored = Find(key);
    return stored ? *stored : defaultValue.Deref();
}

void PropertyBag::Write(std::string_view key, const Variant &value)
{
    CheckKey(key);
    Variant stored = StorableValue(value);
    for (Entry &entry : m_entries) {
        if (entry.key == key) {
            entry.value = std::move(stored);
            return;
        }
    }
    m_entries.push_back({std::string(key), std::move(stored)});
}

void PropertyBag::Write(std::string_view key, const Variant &value, const Variant &defaultValue)
{
    CheckKey(key);
    if (ValuesEqual(StorableValue(value), StorableValue(defaultValue)))
        Remove(key);
    else
        Write(key, value);
}

void PropertyBag::Remove(std::string_view key)
{
    std::erase_if(m_entries, [&](const Entry &entry) {
        return entry.key == key;
    });
}

} // namespace corvane
