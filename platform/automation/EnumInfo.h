#pragma once

#include <cstdint>
#include <span>

namespace corvane
{

// A published enumeration as the type library lists it: its name, its UUID (registry form, see
// ClassIdentity.h) and its members in order. Member names are the published ones, which need not be
// identifiers in any language ("3D", "Fixed Single").
struct EnumMemberInfo {
    const char *name;
    std::int32_t value;
};

struct EnumInfo {
    const char *name;
    const char *uuid;
    std::span<const EnumMemberInfo> members;
};

} // namespace corvane
