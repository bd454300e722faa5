#pragma once

#include "corvane/corvane.h"

#include <cstdint>

namespace corvane::abi
{

// The table a library's entry point hands to hosts, serving the classes of ClassRegistry::Instance();
// nullptr for an ABI version this runtime does not speak.
const corv_library *LibraryTable(std::uint32_t abiVersion) noexcept;

} // namespace corvane::abi
