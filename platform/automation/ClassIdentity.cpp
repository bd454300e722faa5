#include "ClassIdentity.h"

namespace corvane
{

bool IsUuidText(std::string_view text) noexcept
{
    constexpr std::string_view kShape = "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}";
    if (text.size() != kShape.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool hex = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
        if (kShape[i] == 'X' ? !hex : c != kShape[i])
            return false;
    }
    return true;
}

} // namespace corvane
