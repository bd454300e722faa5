// The classes libcorvane.so serves to hosts, by ProgID.
#include "api/CQxCalObject.h"
#include "platform/automation/EntryPoint.h"
#if CORVANE_WITH_QT
#include "controls/month/QxMonth.h"
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
    registry.Register({CQxCalObject::kProgId, Create<CQxCalObject>, CQxCalObject::Info});
#if CORVANE_WITH_QT
    registry.Register({QxMonth::kProgId, Create<QxMonth>, QxMonth::Info});
#endif
}

} // namespace corvane
