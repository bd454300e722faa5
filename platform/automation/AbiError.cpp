#include "AbiError.h"

#include "Utf8.h"

#include <cstring>
#include <string>

namespace corvane::abi
{

std::int32_t SetError(corv_error *err, std::int32_t number, std::string_view message, std::string_view detail) noexcept
{
    if (!err)
        return number;
    err->number = number;
    // The header promises UTF-8; a message may quote text a host or a library got wrong.
    const std::size_t room = sizeof err->message - 1;
    std::size_t length = CopyAsUtf8(err->message, room, message);
    length += CopyAsUtf8(err->message + length, room - length, detail);
    err->message[length] = '\0';
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
