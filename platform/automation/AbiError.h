#pragma once

#include "AutomationError.h"

#include "corvane/corvane.h"

#include <cstdint>
#include <exception>
#include <new>
#include <string_view>

namespace corvane::abi
{

// Fills err (which may be null) with the number and the message, cut at a character boundary to fit
// and with bytes that are not UTF-8 escaped (\xNN); returns the number.
std::int32_t
SetError(corv_error *err, std::int32_t number, std::string_view message, std::string_view detail = {}) noexcept;
void ClearError(corv_error *err) noexcept;

// The error of a failing call through a vtable, as an exception on this side.
[[noreturn]] void ThrowError(std::int32_t number, const corv_error &err);

// Runs body and turns whatever it throws into an error number and description, so that no exception
// crosses the C ABI. Returns 0 (and clears err) on success.
template<class Body>
std::int32_t Guard(corv_error *err, Body &&body) noexcept
{
    try {
        body();
        ClearError(err);
        return 0;
    } catch (const AutomationError &e) {
        return SetError(err, e.number(), e.what());
    } catch (const std::bad_alloc &) {
        return SetError(err, int(ErrorNumber::OutOfMemory), "Out of memory");
    } catch (const std::exception &e) {
        return SetError(err, int(ErrorNumber::InternalError), "Internal error: ", e.what());
    } catch (...) {
        return SetError(err, int(ErrorNumber::InternalError), "Internal error");
    }
}

} // namespace corvane::abi
