#include "CQxCalObject.h"

#include "api/CalendarMembers.h"

namespace corvane
{

const ClassInfo &CQxCalObject::Info()
{
    static const auto kMethods =
        CalendarMembers::Methods(0x60030000, CalendarMembers::Naming::Standard, CalendarMembers::HelpSet::None);
    static constexpr ClassIdentity kIdentity{.className = "CQxCal",
                                             .classUuid = "{3763433C-C708-42B2-A930-8C4A5FA79227}",
                                             .interfaceUuid = "{000175A4-960D-4C71-8D8A-D24442983F3A}"};
    static const ClassInfo info("_CQxCal", {kMethods}, {}, "", kIdentity);
    return info;
}

CQxCalObject::CQxCalObject()
    : AutomationObject(Info())
{
}

} // namespace corvane
