#pragma once

#include "MemberInfo.h"
#include "PropertyBag.h"
#include "VariantCoercion.h"

#include <array>
#include <optional>
#include <tuple>
#include <type_traits>

namespace corvane
{

// How a property lives in a property bag.
enum class Persist : std::uint8_t {
    None, // not saved
    UnlessAbsent, // written when it differs from the if-absent value; a missing key reads as that value
    Always, // written whatever it is; a missing key reads as the if-absent value
    KeepWhenAbsent, // written whatever it is; a missing key leaves the property as it is
};

// One property of a class, declared once: its member-table rows, its saved form and its change
// report all come from here. C is the class, T the value its typed face reads and assigns, L the
// literal form of the initial and if-absent values (T itself for numbers; const char * for strings).
//
//     inline constexpr PropertyRow<CToy, std::int32_t> kSize{
//         .name = "Size", .id = 3, .type = types::I4,
//         .get = [](const CToy &c) { return c.Size(); },
//         .put = [](CToy &c, std::int32_t v) { c.SetSize(v); },
//         .persist = Persist::UnlessAbsent, .form = VarType::I2, .initial = 8, .absent = 8};
template<class C, class T, class L = T>
struct PropertyRow {
    using Class = C;
    using Value = T;

    const char *name; // member name, bag key and the name its changes are reported under
    DispId id;
    TypeDesc type; // in the member table
    T (*get)(const C &) = nullptr;
    void (*put)(C &, T) = nullptr; // the checked assignment; nullptr: read-only
    InvokeKind putKind = InvokeKind::PropertyPut;
    const char *help = "";

    Persist persist = Persist::None;
    VarType form = VarType::Empty; // the variant type the bag holds; Empty: that of `type`
    L initial{}; // what a newly placed control holds
    L absent{}; // what a saved set lacking the key stands for
    // Refuses a loaded value (error 380 for a value out of range); nullptr: every value goes.
    void (*check)(const T &, const char *name) = nullptr;
    // Reads a saved value its own way (objects); nullptr: by `form`.
    T (*read)(const PropertyBag &, const char *key) = nullptr;

    constexpr VarType SavedForm() const { return form == VarType::Empty ? type.vt : form; }
};

namespace property_detail
{

// Whether an optional accessor of a row is there (asked through a parameter: the compiler would warn
// that a row's own function can never be null).
template<class F>
constexpr bool IsSet(F *f)
{
    return f != nullptr;
}

template<class T>
Variant VariantOf(const T &value, VarType vt)
{
    if constexpr (std::is_same_v<T, bool>)
        return Variant(value);
    else if constexpr (std::is_integral_v<T>)
        return ChangeType(Variant(std::int32_t(value)), vt);
    else if constexpr (std::is_floating_point_v<T>)
        return vt == VarType::Date ? Variant::FromDate(double(value)) : ChangeType(Variant(double(value)), vt);
    else
        return Variant(value);
}

// A variant already converted to the property's form, as T.
template<class T>
T ValueOf(const Variant &value)
{
    if constexpr (std::is_same_v<T, bool>)
        return ToBool(value);
    else if constexpr (std::is_same_v<T, std::int16_t>)
        return ToI2(value);
    else if constexpr (std::is_integral_v<T>)
        return T(ToI4(value));
    else if constexpr (std::is_floating_point_v<T>)
        return T(value.Type() == VarType::Date ? value.AsDate() : ToR8(value));
    else if constexpr (std::is_same_v<T, std::string>)
        return ToString(value);
    else
        return T(value.AsObject());
}

template<const auto &R>
using ValueType = typename std::remove_cvref_t<decltype(R)>::Value;

template<const auto &R>
auto &Self(AutomationObject &object)
{
    return static_cast<typename std::remove_cvref_t<decltype(R)>::Class &>(object);
}

template<const auto &R>
void Get(AutomationObject &self, std::span<Variant>, Variant &result)
{
    result = VariantOf(R.get(Self<R>(self)), R.type.vt);
}

template<const auto &R>
void Put(AutomationObject &self, std::span<Variant> args, Variant &)
{
    R.put(Self<R>(self), ValueOf<ValueType<R>>(args[0]));
}

// The stored value in the saved form, checked.
template<const auto &R>
ValueType<R> Convert(const Variant &stored)
{
    auto value = ValueOf<ValueType<R>>(ChangeType(stored, R.SavedForm()));
    if (IsSet(R.check))
        R.check(value, R.name);
    return value;
}

} // namespace property_detail

// The member-table rows of a property: its get and, unless read-only, its put.
struct PropertyMembers {
    std::array<MemberInfo, 2> rows;
    std::size_t count;
    const MemberInfo *begin() const { return rows.data(); }
    const MemberInfo *end() const { return rows.data() + count; }
};

template<const auto &R>
PropertyMembers MemberRows()
{
    using namespace property_detail;
    return {{MemberInfo{R.name, R.id, InvokeKind::PropertyGet, R.type, {}, R.help, Get<R>},
             MemberInfo{R.name, R.id, R.putKind, R.type, {}, R.help, Put<R>}},
            IsSet(R.put) ? 2u : 1u};
}

// The saved value of one property: T, or for a property kept when absent std::optional<T>. A value
// of the wrong type is error 13, out of the form's range 6, refused by the check 380.
template<const auto &R>
auto ReadProperty(const PropertyBag &bag)
{
    using namespace property_detail;
    using T = ValueType<R>;
    static_assert(R.persist != Persist::None, "the property is not saved");
    if constexpr (R.persist == Persist::KeepWhenAbsent) {
        const Variant *stored = bag.Find(R.name);
        return stored ? std::optional<T>(Convert<R>(*stored)) : std::nullopt;
    } else {
        if (IsSet(R.read))
            return R.read(bag, R.name);
        return Convert<R>(bag.Read(R.name, VariantOf(T(R.absent), R.SavedForm())));
    }
}

template<const auto &R>
void WriteProperty(const typename std::remove_cvref_t<decltype(R)>::Class &object, PropertyBag &bag)
{
    using namespace property_detail;
    static_assert(R.persist != Persist::None, "the property is not saved");
    const Variant value = VariantOf(R.get(object), R.SavedForm());
    if constexpr (R.persist == Persist::UnlessAbsent)
        bag.Write(R.name, value, VariantOf(ValueType<R>(R.absent), R.SavedForm()));
    else
        bag.Write(R.name, value);
}

// The saved properties of a class in their order. Reading takes every key and checks it before the
// caller applies anything, so a bad bag changes nothing.
template<const auto &...R>
struct SavedProperties {
    // One value per property, in order (braced initialisation reads the keys in that order).
    static auto Read(const PropertyBag &bag) { return std::tuple{ReadProperty<R>(bag)...}; }

    template<class C>
    static void Write(const C &object, PropertyBag &bag)
    {
        (WriteProperty<R>(object, bag), ...);
    }
};

} // namespace corvane
