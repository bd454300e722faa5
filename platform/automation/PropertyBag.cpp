#include "PropertyBag.h"

#include "AutomationError.h"
#include "AutomationObject.h"
#include "Utf8.h"
#include "VariantCoercion.h"
#include "VariantLiteral.h"

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

namespace
{

Variant Storable(const Variant &value, int depth)
{
    switch (value.Type()) {
    case VarType::Missing:
        throw AutomationError(ErrorNumber::TypeMismatch, "Type mismatch: a missing value cannot be stored");
    case VarType::Date:
        ToDate(value);
        return value.Deref();
    case VarType::Object: {
        const ObjectHandle &object = value.AsObject();
        if (!object)
            return value.Deref();
        PropertyBag saved;
        object->Save(saved);
        Record record(RecordName::Constant(object->Class().Name()));
        for (const PropertyBag::Entry &entry : saved.Entries())
            record.Add(entry.key, entry.value);
        return Storable(Variant(std::move(record)), depth);
    }
    case VarType::Record: {
        if (depth >= kMaxRecordDepth)
            throw AutomationError(ErrorNumber::InvalidCall,
                                  "Invalid procedure call or argument: records nested deeper than "
                                      + std::to_string(kMaxRecordDepth) + " levels cannot be stored");
        Record record = value.AsRecord();
        if (!record.TypeName().empty() && !IsLiteralName(record.TypeName().View()))
            throw AutomationError(ErrorNumber::InvalidCall,
                                  "Invalid procedure call or argument: record type name \""
                                      + PrintableText(record.TypeName().View()) + "\" cannot be stored");
        for (RecordField &field : record.Fields()) {
            if (!field.name.empty() && !IsLiteralName(field.name.View()))
                throw AutomationError(ErrorNumber::InvalidCall,
                                      "Invalid procedure call or argument: record field name \""
                                          + PrintableText(field.name.View()) + "\" cannot be stored");
            field.value = Storable(field.value, depth + 1);
        }
        return Variant(std::move(record));
    }
    default:
        return value.Deref();
    }
}

std::string FoldedKey(std::string_view key)
{
    std::string folded(key);
    for (char &c : folded)
        if (c >= 'A' && c <= 'Z')
            c = char(c + ('a' - 'A'));
    return folded;
}

void CheckKey(std::string_view key)
{
    if (!IsValidBagKey(key))
        throw AutomationError(ErrorNumber::InvalidCall,
                              "Invalid procedure call or argument: \"" + PrintableText(key)
                                  + "\" cannot be a property bag key");
}

} // namespace

Variant StorableValue(const Variant &value)
{
    return Storable(value, 0);
}

std::size_t PropertyBag::IndexOf(std::string_view key) const
{
    const auto it = m_index.find(FoldedKey(key));
    return it == m_index.end() ? kAbsent : it->second;
}

const Variant *PropertyBag::Find(std::string_view key) const
{
    const std::size_t index = IndexOf(key);
    return index == kAbsent ? nullptr : &m_entries[index].value;
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
    if (const std::size_t index = IndexOf(key); index != kAbsent) {
        m_entries[index] = {std::string(key), std::move(stored)};
        return;
    }
    m_index.emplace(FoldedKey(key), m_entries.size());
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
    const std::size_t index = IndexOf(key);
    if (index == kAbsent)
        return;
    m_index.erase(FoldedKey(m_entries[index].key));
    m_entries.erase(m_entries.begin() + std::ptrdiff_t(index));
    for (std::size_t i = index; i < m_entries.size(); ++i)
        m_index[FoldedKey(m_entries[i].key)] = i;
}

void PropertyBag::Clear() noexcept
{
    m_entries.clear();
    m_index.clear();
}

} // namespace corvane
