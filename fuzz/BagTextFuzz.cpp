// The property bag text reader: any text either reads or is refused with error 321, and whatever
// reads writes back to text that reads to the same bag.
#include "platform/automation/AutomationError.h"
#include "platform/automation/PropertyBagFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace corvane;
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    PropertyBag bag;
    try {
        bag = ParsePropertyBag(text);
    } catch (const AutomationError &e) {
        if (e.number() != int(ErrorNumber::InvalidFileFormat) || e.description().find("line ") == std::string::npos)
            std::abort();
        return 0;
    }
    // Compared as text, so that values which never equal themselves (NaN) still compare.
    const std::string written = FormatPropertyBag(bag);
    if (FormatPropertyBag(ParsePropertyBag(written)) != written)
        std::abort();
    return 0;
}
