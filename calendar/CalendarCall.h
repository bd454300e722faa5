#pragma once

#include "platform/automation/AutomationError.h"

#include <new>
#include <string>
#include <string_view>

namespace corvane::calendar
{

// Keeps the description of a failure for corv_cal_last_error_message() and returns its number.
int Fail(int number, std::string_view description) noexcept;

// One call of the C interface: 0 on success, otherwise the error number with its description kept for
// the calling thread. No exception leaves.
template<class Body>
int Call(Body &&body) noexcept
{
    try {
        body();
        return 0;
    } catch (const AutomationError &e) {
        return Fail(e.number(), e.what());
    } catch (const std::bad_alloc &) {
        return Fail(int(ErrorNumber::OutOfMemory), "Out of memory");
    } catch (const std::exception &e) {
        return Fail(int(ErrorNumber::InternalError), e.what());
    } catch (...) {
        return Fail(int(ErrorNumber::InternalError), "Internal error");
    }
}

// Error `number` with its standard description followed by what was wrong.
[[noreturn]] void Throw(ErrorNumber number, const std::string &detail);

// A NULL pointer where the interface needs one is error 5.
template<class... P>
void RequirePointers(const P *...pointers)
{
    if ((!pointers || ...))
        Throw(ErrorNumber::InvalidCall, "a NULL pointer");
}

// Copies a text with its NUL into the caller's buffer: error 5 for no buffer, error 6 (the buffer
// then holds "") when it is too small.
void PutText(std::string_view text, char *buf, std::size_t size);

} // namespace corvane::calendar
