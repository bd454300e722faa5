#include "CQxCalObject.h"

#include "api/CalendarMembers.h"

namespace corvane
{

const ClassInfo &CQxCalObject::Info()
{
    static const auto kMethods =
        CalendarMembers::Methods(0x60030000, CalendarMembers::Naming::Standard, CalendarMembers::HelpSet::None);
    static const ClassInfo info("_CQxCal", {kMethods});
    return info;
}

CQxCalObject::CQxCalObject()
    : AutomationObject(Info())
{
}

} // namespace corvane
