#pragma once

#include <cstddef>

#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
#define CORVANE_LIVE_HEAP_FROM_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CORVANE_LIVE_HEAP_FROM_ASAN 1
#endif
#endif

#ifdef CORVANE_LIVE_HEAP_FROM_ASAN
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

// Bytes the process holds in live heap blocks. Unlike its resident size this does not count what
// the allocator keeps for reuse (AddressSanitizer's quarantine, free lists), so it grows only when
// something is kept - which LeakSanitizer, looking for unreachable blocks only, would not report.
inline std::size_t LiveHeapBytes()
{
#ifdef CORVANE_LIVE_HEAP_FROM_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}
