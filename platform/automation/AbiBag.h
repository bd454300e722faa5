#pragma once

#include "PropertyBag.h"

#include "corvane/corvane.h"

namespace corvane::abi
{

// Copies between a host's bag (reached through its vtable) and the runtime's own PropertyBag, for
// the load and save calls of objects.
PropertyBag ImportBag(corv_bag *bag);
// Replaces the host bag's content with `from`.
void ExportBag(const PropertyBag &from, corv_bag *bag);

} // namespace corvane::abi
