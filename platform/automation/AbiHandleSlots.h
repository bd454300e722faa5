#pragma once

#include "corvane/corvane.h"

#include <atomic>

namespace corvane
{

class AutomationObject;

// The memory behind the handles hosts hold. A slot outlives its object: when the object goes, the
// slot keeps its vtable and loses its owner, so a host calling through a handle it has already
// released reaches a slot that answers "object required" instead of freed memory. Retired slots are
// reused only after many others have retired, and never returned to the heap.
struct AbiHandleSlot {
    corv_object base; // first: the handle is the slot's address
    std::atomic<AutomationObject *> owner;
};

// A slot owned by `owner`, its vtable set to the library's.
AbiHandleSlot *AcquireHandleSlot(AutomationObject *owner);
// Marks the slot ownerless; it stays readable for as long as the process runs.
void RetireHandleSlot(AbiHandleSlot *slot) noexcept;

} // namespace corvane
