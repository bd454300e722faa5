// The classes and the enumeration the test library serves through its entry point.
#include "ToyClasses.h"

#include "platform/automation/EntryPoint.h"

void corvane::RegisterLibraryClasses(ClassRegistry &registry)
{
    registry.Register({toy::kToyProgId, &toy::CToy::Create, &toy::CToy::Info});
    registry.Register({toy::kTwinProgId, &toy::CToyTwin::Create, &toy::CToyTwin::Info});
    registry.RegisterEnum(toy::kToyShade);
}
