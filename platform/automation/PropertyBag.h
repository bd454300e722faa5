#pragma once

#include "Variant.h"

#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace corvane
{

// The saved properties of one object: keys in the order they were first written, each with a value.
// Keys ignore ASCII case, like member names and ProgIDs: "currdate" finds and replaces "CurrDate"
// (a write keeps the key's place and takes the new spelling). They are non-empty, valid UTF-8, free of '=' and control
// characters, without leading or trailing blanks and not starting with '#' (error 5 otherwise), so that every bag can
// be saved as text. Objects are stored as what they save: a record named after the object's class holding its saved
// properties (so a font object becomes StdFont{Name="宋体", Size=r4:9, ...}); values that are no object keep their
// type. Missing values cannot be stored (error 13).
class PropertyBag
{
public:
    struct Entry {
        std::string key;
        Variant value;
        friend bool operator==(const Entry &, const Entry &) = default;
    };

    // The stored value, or defaultValue when the key is absent.
    Variant Read(std::string_view key, const Variant &defaultValue = Variant()) const;
    const Variant *Find(std::string_view key) const;

    // Stores the value, or, when it equals defaultValue (ValuesEqual: numbers by value across types),
    // removes the key instead, so the bag holds only what differs from the defaults. An existing key
    // keeps its place.
    void Write(std::string_view key, const Variant &value, const Variant &defaultValue);
    // Stores the value whatever it is.
    void Write(std::string_view key, const Variant &value);
    void Remove(std::string_view key);
    void Clear() noexcept;

    std::size_t Size() const noexcept { return m_entries.size(); }
    bool Empty() const noexcept { return m_entries.empty(); }
    std::span<const Entry> Entries() const noexcept { return m_entries; }

    friend bool operator==(const PropertyBag &a, const PropertyBag &b) { return a.m_entries == b.m_entries; }

private:
    static constexpr std::size_t kAbsent = std::size_t(-1);
    std::size_t IndexOf(std::string_view key) const;

    std::vector<Entry> m_entries;
    // Case-folded key -> position in m_entries, so that reading a large file stays linear.
    std::unordered_map<std::string, std::size_t> m_index;
};

// Whether a key can be stored (see PropertyBag).
bool IsValidBagKey(std::string_view key) noexcept;

// The value as a bag stores it: objects (also inside records) replaced by the records of what they
// save, by-reference variants by their targets. A value the text form could write but never read
// back is refused: a date outside the date range (NaN and infinities included) is error 6, a record
// nested deeper than kMaxRecordDepth or whose type or field name is no identifier error 5.
Variant StorableValue(const Variant &value);

} // namespace corvane
