#pragma once

#include "AutomationObject.h"

#include "corvane/corvane.h"

namespace corvane::abi
{

// The vtable of every object this copy of the runtime hands to hosts.
extern const corv_object_vtbl kObjectVtbl;

// A handle for the C side, carrying one new reference: the object's own handle, or the original
// handle when the object is a proxy for another library's object.
corv_object *ShareHandle(AutomationObject &object);

// The object behind a handle: this library's own object, or a proxy that reaches another library's
// object through its vtable (taking a reference for as long as the proxy lives). NULL gives a null
// handle.
ObjectHandle ObjectFromHandle(corv_object *handle);

} // namespace corvane::abi
