#pragma once

#include "corvane/calendar.hpp"

#include <functional>

// The error number of the calendar_error `call` throws, or 0 when it throws none.
inline int CalendarErrorOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const corvane::calendar_error &e) {
        return e.number();
    }
    return 0;
}
