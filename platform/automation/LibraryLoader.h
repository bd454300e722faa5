#pragma once

#include "corvane/corvane.h"

#include <filesystem>
#include <span>

namespace corvane
{

// Loads a Corvane library and returns the table of its entry point. Each path is loaded once and
// never unloaded (objects and descriptions of a library may live as long as the process). Errors:
// 53 no such file, 48 the file cannot be loaded, 453 no entry point, 429 the library does not serve
// this ABI version.
const corv_library &LoadCorvaneLibrary(const std::filesystem::path &path);

// The creatable classes a library table lists.
std::span<const corv_class_entry> LibraryClasses(const corv_library &library);

} // namespace corvane
