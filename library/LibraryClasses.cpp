// The classes libcorvane.so serves to hosts, by ProgID, and the enumerations its type library
// publishes.
#include "api/CQxCalObject.h"
#include "api/QxEnums.h"
#include "platform/automation/EntryPoint.h"
#if CORVANE_WITH_QT
#include "controls/month/QxMonth.h"
#include "controls/picker/QxMonthVw.h"
#include "controls/spin/DateUpDown.h"
#include "controls/spin/TimeUpDown.h"
#endif

namespace corvane
{

namespace
{

template<class T>
ObjectHandle Create()
{
    return ObjectHandle(MakeObject<T>());
}

} // namespace

void RegisterLibraryClasses(ClassRegistry &registry)
{
    for (const EnumInfo &published : kPublishedEnums)
        registry.RegisterEnum(published);
    registry.Register({CQxCalObject::kProgId, Create<CQxCalObject>, CQxCalObject::Info});
#if CORVANE_WITH_QT
    registry.Register({QxMonth::kProgId, Create<QxMonth>, QxMonth::Info});
    registry.Register({QxMonthVw::kProgId, Create<QxMonthVw>, QxMonthVw::Info});
    registry.Register({DateUpDown::kProgId, Create<DateUpDown>, DateUpDown::Info});
    registry.Register({TimeUpDown::kProgId, Create<TimeUpDown>, TimeUpDown::Info});
#endif
}

} // namespace corvane
