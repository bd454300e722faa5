#include "AutomationError.h"

namespace corvane
{

std::string StandardDescription(int number)
{
    switch (number) {
    case 5:
        return "Invalid procedure call or argument";
    case 6:
        return "Overflow";
    case 9:
        return "Subscript out of range";
    case 13:
        return "Type mismatch";
    case 438:
        return "Object doesn't support this property or method";
    case 450:
        return "Wrong number of arguments or invalid property assignment";
    default:
        return {};
    }
}

AutomationError::AutomationError(ErrorNumber number)
    : AutomationError(static_cast<int>(number), StandardDescription(static_cast<int>(number)))
{
}

AutomationError::AutomationError(ErrorNumber number, const std::string &description)
    : AutomationError(static_cast<int>(number), description)
{
}

AutomationError::AutomationError(int number, const std::string &description)
    : std::runtime_error(description)
    , m_number(number)
{
}

} // namespace corvane
