#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace corvane
{

// The numbered errors of the automation runtime. Every layer raises these (and only these) as
// exceptions; the C ABI turns them into an error number and a description for the host.
enum class ErrorNumber : int {
    InvalidCall = 5, // invalid procedure call or argument
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    TypeMismatch = 13,
    LibraryLoadFailed = 48, // a library file exists but cannot be loaded
    InternalError = 51, // a fault inside the library that is not one of the numbered errors
    FileNotFound = 53,
    PathAccess = 75, // a file could not be read or written
    InvalidFileFormat = 321,
    InvalidPropertyValue = 380, // a setter or a loaded property set refuses a value
    ReadOnlyProperty = 383, // set not supported
    WriteOnlyProperty = 394, // get not supported
    ObjectRequired = 424,
    CannotCreateObject = 429, // unknown ProgID or a library that cannot serve it
    NoSuchMember = 438, // object doesn't support this property or method
    ArgumentNotOptional = 449,
    BadParamCount = 450, // wrong number of arguments or invalid property assignment
    NoEntryPoint = 453, // the library lacks its entry point
    WrongThread = -2147417842, // 0x8001010E: an apartment object called from another thread
};

// The runtime's standard description of a number ("Overflow" for 6); empty for numbers it does not know.
std::string StandardDescription(int number);

class AutomationError : public std::runtime_error
{
public:
    explicit AutomationError(ErrorNumber number);
    AutomationError(ErrorNumber number, const std::string &description);
    AutomationError(int number, const std::string &description);

    int number() const noexcept { return m_number; }
    std::string description() const { return what(); }

private:
    int m_number;
};

// Error 380 naming the property that refused its value.
[[noreturn]] void ThrowInvalidPropertyValue(std::string_view property);

} // namespace corvane
