#pragma once

#include "ClassInfo.h"

namespace corvane
{

// Invokes the member of `info` that (id, request) reaches on self: checks the argument count (450),
// pads left-out optional arguments with Missing, rejects Missing for a required one (449), converts
// each argument to its declared type (13, 6), then runs the accessor. By-value variants in `args`
// may be converted in place or moved from. A by-reference argument keeps its reference when its
// target already has the declared type; otherwise the accessor gets a converted copy and nothing is
// written back. Errors in an argument name the parameter.
void DispatchInvoke(const ClassInfo &info,
                    AutomationObject &self,
                    DispId id,
                    InvokeKind request,
                    std::span<Variant> args,
                    Variant &result);

// A value converted to a declared type (records conformed to their declared shape).
Variant ConvertTo(const Variant &value, const TypeDesc &type);

} // namespace corvane
