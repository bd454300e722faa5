#pragma once

#include "Variant.h"

#include "corvane/corvane.h"

#include <cstdint>
#include <string_view>

namespace corvane::abi
{

// C variants, as the ABI defines them: every string and record block malloc'd and owned by its
// variant, objects holding one reference.

void ClearC(corv_variant *v) noexcept;
// A deep copy of src (a by-reference src copies its target); dst must be empty. Throws bad_alloc,
// and 13 for an unknown type tag; dst stays empty then.
void CopyC(corv_variant *dst, const corv_variant &src);
// Replaces v's value with a copy of the text (5 when it is not UTF-8).
void SetStringC(corv_variant *v, std::string_view utf8);
// Replaces v's value with a record of `count` empty fields named `names` in one block.
void SetRecordC(corv_variant *v, std::string_view typeName, std::size_t count, const std::string_view *names);

// The C form of a value (a by-reference value becomes its target's copy). out must be empty.
void ToC(const Variant &value, corv_variant *out);
// The C++ form of a C variant (a by-reference variant gives its target's value). Strings must be
// UTF-8 (5), tags known (13), pointers set where the type needs them (5).
Variant FromC(const corv_variant &value);

// Keeps a C variant cleared when it leaves scope.
struct CVariantHolder {
    CVariantHolder() noexcept = default;
    ~CVariantHolder() { ClearC(&value); }
    CVariantHolder(const CVariantHolder &) = delete;
    CVariantHolder &operator=(const CVariantHolder &) = delete;
    corv_variant value{};
};

} // namespace corvane::abi
