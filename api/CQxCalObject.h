#pragma once

#include "engine/EngineLifetime.h"
#include "platform/automation/AutomationObject.h"

namespace corvane
{

// CQxCal as hosts see it through the automation layer (ProgID "Corvane.CQxCal", interface _CQxCal):
// the seven calendar methods, no properties, no events.
class CQxCalObject : public AutomationObject
{
public:
    static constexpr const char *kProgId = "Corvane.CQxCal";

    CQxCalObject();
    static const ClassInfo &Info();

private:
    ModAgrCAl::EngineClient m_engine;
};

} // namespace corvane
