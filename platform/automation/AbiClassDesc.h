#pragma once

#include "ClassInfo.h"

#include "corvane/corvane.h"

namespace corvane::abi
{

// The C description of a class, built once per ClassInfo and kept for the life of the process (the
// strings are the table's own constants).
const corv_class_desc &DescribeClass(const ClassInfo &info);

} // namespace corvane::abi
