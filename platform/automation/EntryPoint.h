#pragma once

#include "ClassRegistry.h"

namespace corvane
{

// Defined by each shared library that links the entry point (the corvane_automation_entry object
// library): registers the classes the library serves. The entry point calls it once, on the first
// host request, before anything else.
void RegisterLibraryClasses(ClassRegistry &registry);

} // namespace corvane
