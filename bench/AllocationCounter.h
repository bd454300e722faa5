#pragma once

#include <cstddef>

namespace corvane::bench
{

// Number of global operator new calls made so far by this program (the benchmark binary replaces
// operator new to count them).
std::size_t AllocationCount();

} // namespace corvane::bench
