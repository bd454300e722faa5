#pragma once

#include "ClassRegistry.h"

#include "corvane/corvane.h"

namespace corvane::abi
{

// The C description of a registry's type library: its enumerations and the identities of the
// classes that publish them. Built again only when the registrations differ from those of the last
// call; every version handed out stays alive, since hosts keep the pointers.
const corv_type_library &DescribeTypeLibrary(const ClassRegistry &registry);

} // namespace corvane::abi
