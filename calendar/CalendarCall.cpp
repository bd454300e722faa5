#include "CalendarCall.h"

#include "corvane/calendar.h"

namespace corvane::calendar
{

namespace
{

std::string &LastMessage() noexcept
{
    thread_local std::string message;
    return message;
}

} // namespace

int Fail(int number, std::string_view description) noexcept
{
    try {
        LastMessage().assign(description);
    } catch (...) {
        LastMessage().clear(); // no memory for the text: the number alone must do
    }
    return number;
}

void Throw(ErrorNumber number, const std::string &detail)
{
    throw AutomationError(number, StandardDescription(int(number)) + ": " + detail);
}

void PutText(std::string_view text, char *buf, std::size_t size)
{
    if (!buf)
        Throw(ErrorNumber::InvalidCall, "a NULL buffer");
    if (text.size() >= size) {
        if (size > 0)
            buf[0] = '\0';
        Throw(ErrorNumber::Overflow,
              "the text needs " + std::to_string(text.size() + 1) + " bytes, the buffer has " + std::to_string(size));
    }
    text.copy(buf, text.size());
    buf[text.size()] = '\0';
}

} // namespace corvane::calendar

extern "C" const char *corv_cal_last_error_message(void)
{
    return corvane::calendar::LastMessage().c_str();
}
