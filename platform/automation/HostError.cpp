#include "HostError.h"

namespace corvane::host
{

corv_error &LastError() noexcept
{
    thread_local corv_error error{};
    return error;
}

std::int32_t Settle(std::int32_t rc) noexcept
{
    corv_error &error = LastError();
    if (rc == 0) {
        abi::ClearError(&error);
        return 0;
    }
    if (error.number != rc || error.message[0] == '\0') {
        const std::string standard = StandardDescription(rc);
        abi::SetError(&error, rc, standard.empty() ? "Error " + std::to_string(rc) : standard);
    }
    return rc;
}

const corv_object_vtbl &VtblOf(corv_object *object)
{
    if (!object || !object->vtbl)
        throw AutomationError(ErrorNumber::ObjectRequired);
    return *object->vtbl;
}

} // namespace corvane::host

extern "C" {

int32_t corv_last_error(void)
{
    return corvane::host::LastError().number;
}

const char *corv_last_error_message(void)
{
    return corvane::host::LastError().message;
}

} // extern "C"
