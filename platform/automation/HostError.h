#pragma once

#include "AbiError.h"

#include "corvane/corvane.h"

namespace corvane::host
{

// The calling thread's last error, which every corv_ function of the host side sets.
corv_error &LastError() noexcept;

// Runs body with exceptions turned into the last error.
template<class Body>
std::int32_t HostCall(Body &&body) noexcept
{
    return abi::Guard(&LastError(), std::forward<Body>(body));
}

// The outcome of a vtable call that was given &LastError(): a library that failed without a
// message still leaves the standard description behind.
std::int32_t Settle(std::int32_t rc) noexcept;

// A null object handle is error 424.
const corv_object_vtbl &VtblOf(corv_object *object);

} // namespace corvane::host
