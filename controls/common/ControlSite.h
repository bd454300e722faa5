#pragma once

#include "platform/automation/MemberInfo.h"

namespace corvane::ui
{

// What a control tells the host that sites it. A control reports every property a setter changed,
// so that the host knows to save it.
class ControlSite
{
public:
    virtual ~ControlSite() = default;
    virtual void OnPropertyChanged(DispId id, const char *name) = 0;
};

} // namespace corvane::ui
