#include "AbiError.h"

#include "Utf8.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace corvane::abi
{

std::int32_t SetError(corv_error *err, std::int32_t number, std::string_view message, std::string_view detail) noexcept
{
    if (!err)
        return number;
    err->number = number;
    const std::size_t room = sizeof err->message - 1;
    const std::string_view first = Utf8Prefix(message, room);
    const std::string_view second = Utf8Prefix(detail, room - first.size());
    // An empty view may have no data at all; memcpy must not see its null pointer.
    if (!first.empty())
        std::memcpy(err->message, first.data(), first.size());
    if (!second.empty())
        std::memcpy(err->message + first.size(), second.data(), second.size());
    err->message[first.size() + second.size()] = '\0';
    return number;
}

void ClearError(corv_error *err) noexcept
{
    if (err) {
        err->number = 0;
        err->message[0] = '\0';
    }
}

void ThrowError(std::int32_t number, const corv_error &err)
{
    const std::size_t length = strnlen(err.message, sizeof err.message);
    std::string message(err.message, length);
    if (message.empty())
        message = StandardDescription(number);
    throw AutomationError(number, message);
}

} // namespace corvane::abi
