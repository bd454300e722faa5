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
    case 7:
        return "Out of memory";
    case 9:
        return "Subscript out of range";
    case 13:
        return "Type mismatch";
    case 48:
        return "Error in loading DLL";
    case 51:
        return "Internal error";
    case 53:
        return "File not found";
    case 75:
        return "Path/File access error";
    case 321:
        return "Invalid file format";
    case 380:
        return "Invalid property value";
    case 383:
        return "Set not supported (read-only property)";
    case 394:
        return "Get not supported (write-only property)";
    case 424:
        return "Object required";
    case 429:
        return "Cannot create object";
    case 438:
        return "Object doesn't support this property or method";
    case 449:
        return "Argument not optional";
    case 450:
        return "Wrong number of arguments or invalid property assignment";
    case 453:
        return "Can't find library entry point";
    case static_cast<int>(ErrorNumber::WrongThread):
        return "The object was called from a thread other than the one that created it";
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

void ThrowInvalidPropertyValue(std::string_view property)
{
    throw AutomationError(ErrorNumber::InvalidPropertyValue, "Invalid property value: " + std::string(property));
}

} // namespace corvane
