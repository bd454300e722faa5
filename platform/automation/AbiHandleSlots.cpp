#include "AbiHandleSlots.h"

#include "AbiObject.h"

#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

namespace corvane
{

namespace
{

// How many retired slots wait before one is reused: a stale handle answers "object required" until
// this many objects have gone after its own.
constexpr std::size_t kQuarantine = 4096;

struct SlotPool {
    std::mutex mutex;
    std::vector<std::unique_ptr<AbiHandleSlot>> all; // keeps every slot reachable
    std::deque<AbiHandleSlot *> retired; // oldest first
};

// Never destroyed: objects may still retire their slots while the process exits.
SlotPool &Pool()
{
    static SlotPool *const pool = new SlotPool;
    return *pool;
}

} // namespace

AbiHandleSlot *AcquireHandleSlot(AutomationObject *owner)
{
    SlotPool &pool = Pool();
    const std::lock_guard lock(pool.mutex);
    AbiHandleSlot *slot = nullptr;
    if (pool.retired.size() > kQuarantine) {
        slot = pool.retired.front();
        pool.retired.pop_front();
    } else {
        pool.all.push_back(std::make_unique<AbiHandleSlot>());
        slot = pool.all.back().get();
    }
    slot->base.vtbl = &abi::kObjectVtbl;
    slot->owner.store(owner, std::memory_order_release);
    return slot;
}

void RetireHandleSlot(AbiHandleSlot *slot) noexcept
{
    SlotPool &pool = Pool();
    slot->owner.store(nullptr, std::memory_order_release);
    try {
        const std::lock_guard lock(pool.mutex);
        pool.retired.push_back(slot);
    } catch (...) {
        // Out of memory for the queue: the slot is simply never reused.
    }
}

} // namespace corvane
