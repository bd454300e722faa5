#pragma once

#include "platform/automation/AutomationError.h"

// The number of the automation error `call` raises, or 0 when it raises none.
template<class Call>
int ErrorOf(const Call &call)
{
    try {
        call();
    } catch (const corvane::AutomationError &e) {
        return e.number();
    }
    return 0;
}
