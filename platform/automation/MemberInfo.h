#pragma once

#include "RecordType.h"
#include "Variant.h"

#include <cstdint>
#include <span>

namespace corvane
{

using DispId = std::int32_t;

inline constexpr DispId kDispIdValue = 0; // the default member
inline constexpr DispId kDispIdAbout = -552; // the standard About box

// How a member is called; the values are the C ABI's. A table entry has exactly one kind; an invoke
// request may combine Method | PropertyGet ("call it or read it, whichever it is").
enum class InvokeKind : std::uint8_t {
    Method = 1,
    PropertyGet = 2,
    PropertyPut = 4,
    PropertyPutRef = 8,
};

constexpr InvokeKind operator|(InvokeKind a, InvokeKind b)
{
    return InvokeKind(std::uint8_t(a) | std::uint8_t(b));
}

constexpr bool Includes(InvokeKind request, InvokeKind kind)
{
    return (std::uint8_t(request) & std::uint8_t(kind)) != 0;
}

// The declared type of a parameter, result or property: a variant type and, for enumerations,
// records and objects, the published type name.
struct TypeDesc {
    VarType vt = VarType::Empty; // Empty: no value (a method without result)
    const char *name = nullptr;
    const RecordTypeInfo *record = nullptr;
};

namespace types
{
inline constexpr TypeDesc None{VarType::Empty};
inline constexpr TypeDesc I2{VarType::I2};
inline constexpr TypeDesc I4{VarType::I4};
inline constexpr TypeDesc R4{VarType::R4};
inline constexpr TypeDesc R8{VarType::R8};
inline constexpr TypeDesc Date{VarType::Date};
inline constexpr TypeDesc Bool{VarType::Bool};
inline constexpr TypeDesc String{VarType::String};
inline constexpr TypeDesc Any{VarType::Variant};
// A published enumeration: travels as an I4.
constexpr TypeDesc Enum(const char *name)
{
    return {VarType::I4, name};
}
constexpr TypeDesc RecordOf(const RecordTypeInfo &record)
{
    return {VarType::Record, record.name, &record};
}
constexpr TypeDesc ObjectOf(const char *className)
{
    return {VarType::Object, className};
}
} // namespace types

enum ParamFlags : std::uint8_t {
    kRequired = 0,
    kOptional = 1, // may be left out; arrives as a Missing variant
    kByRef = 2, // the callee may write it back
};

struct ParamInfo {
    const char *name;
    TypeDesc type;
    std::uint8_t flags = kRequired;

    constexpr bool Optional() const { return flags & kOptional; }
    constexpr bool ByRef() const { return flags & kByRef; }
};

class AutomationObject;

// Does the work of a member. `args` holds one variant per declared parameter, in declaration order,
// each converted to its declared type or Missing when left out; a by-reference parameter may be a
// by-reference variant (write with Variant::Assign). For a put or putref the new value follows the
// parameters, converted to the member's type. A method or get stores its result in `result`.
using Accessor = void (*)(AutomationObject &self, std::span<Variant> args, Variant &result);

// One row of a class's member table. Text fields are NUL-terminated constants; "" means none.
struct MemberInfo {
    const char *name;
    DispId id;
    InvokeKind kind;
    TypeDesc type; // the result of a method or get, the value of a put
    std::span<const ParamInfo> params;
    const char *help;
    Accessor call;
};

constexpr MemberInfo Method(const char *name,
                            DispId id,
                            std::span<const ParamInfo> params,
                            TypeDesc result,
                            Accessor call,
                            const char *help = "")
{
    return {name, id, InvokeKind::Method, result, params, help, call};
}

constexpr MemberInfo PropertyGet(const char *name, DispId id, TypeDesc type, Accessor call, const char *help = "")
{
    return {name, id, InvokeKind::PropertyGet, type, {}, help, call};
}

constexpr MemberInfo PropertyPut(const char *name, DispId id, TypeDesc type, Accessor call, const char *help = "")
{
    return {name, id, InvokeKind::PropertyPut, type, {}, help, call};
}

constexpr MemberInfo PropertyPutRef(const char *name, DispId id, TypeDesc type, Accessor call, const char *help = "")
{
    return {name, id, InvokeKind::PropertyPutRef, type, {}, help, call};
}

// One event of a class's outgoing interface.
struct EventInfo {
    const char *name;
    DispId id;
    std::span<const ParamInfo> params;
    const char *help = "";
};

} // namespace corvane
