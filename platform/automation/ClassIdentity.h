#pragma once

#include <string_view>

namespace corvane
{

// The identities of a class in the type library, each under a UUID of its own: the creatable class,
// its default interface (named by the class's ClassInfo) and its events interface. A class that
// raises no events has no events interface (empty name and UUID); a class whose fields are all empty
// publishes no identities. UUIDs are written in registry form, "{8-4-4-4-12}" in upper-case
// hexadecimal, and never change once published: hosts keep them.
struct ClassIdentity {
    const char *className = "";
    const char *classUuid = "";
    const char *interfaceUuid = "";
    const char *eventsName = "";
    const char *eventsUuid = "";
};

// "{3763433C-C708-42B2-A930-8C4A5FA79227}": braces, 8-4-4-4-12 upper-case hexadecimal digits.
bool IsUuidText(std::string_view text) noexcept;

} // namespace corvane
