#pragma once

#include <stdexcept>
#include <string>

namespace corvane
{

// The numbered errors of the automation runtime. Every layer raises these (and only these) as
// exceptions; the C ABI turns them into an error number and a description for the host.
enum class ErrorNumber : int {
    InvalidCall = 5, // invalid procedure call or argument
    Overflow = 6,
    SubscriptOutOfRange = 9,
    TypeMismatch = 13,
    NoSuchMember = 438, // object doesn't support this property or method
    BadParamCount = 450, // wrong number of arguments or invalid property assignment
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

} // namespace corvane
