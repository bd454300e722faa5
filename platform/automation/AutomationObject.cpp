#include "AutomationObject.h"

#include "AbiObject.h"
#include "MemberDispatch.h"

#include <stdexcept>
#include <string>

namespace corvane
{

void AddObjectRef(AutomationObject *object) noexcept
{
    object->AddRef();
}

void ReleaseObjectRef(AutomationObject *object) noexcept
{
    object->Release();
}

AutomationObject::AutomationObject(const ClassInfo &info)
    : m_class(&info)
    , m_apartment(std::this_thread::get_id())
    , m_handle(AcquireHandleSlot(this))
{
}

AutomationObject::~AutomationObject()
{
    RetireHandleSlot(m_handle);
}

void AutomationObject::Release() noexcept
{
    if (--m_refs == 0)
        delete this;
}

void AutomationObject::CheckApartment() const
{
    if (std::this_thread::get_id() != m_apartment)
        throw AutomationError(ErrorNumber::WrongThread,
                              std::string(StandardDescription(int(ErrorNumber::WrongThread))) + " (" + m_class->Name()
                                  + ")");
}

void AutomationObject::Invoke(DispId id, InvokeKind request, std::span<Variant> args, Variant &result)
{
    const ObjectPtr<AutomationObject> hold(this);
    DispatchInvoke(*m_class, *this, id, request, args, result);
}

RaiseResult AutomationObject::RaiseEvent(DispId id, std::span<const Variant> args)
{
    const EventInfo *event = m_class->FindEvent(id);
    if (!event || event->params.size() != args.size())
        throw std::logic_error(std::string(m_class->Name()) + " raised undeclared event " + std::to_string(id)
                               + " or gave it the wrong number of arguments");
    const ObjectPtr<AutomationObject> hold(this);
    return m_events.Raise(id, args);
}

void AutomationObject::InitNew() { }

void AutomationObject::Load(const PropertyBag &) { }

void AutomationObject::Save(PropertyBag &) const { }

void *AutomationObject::NativeWindow() const noexcept
{
    return nullptr;
}

AutomationObject *AutomationObject::FromAbiHandle(corv_object *handle) noexcept
{
    if (!handle || handle->vtbl != &abi::kObjectVtbl)
        return nullptr;
    return reinterpret_cast<AbiHandleSlot *>(handle)->owner.load(std::memory_order_acquire);
}

bool AutomationObject::IsRetiredHandle(corv_object *handle) noexcept
{
    return handle && handle->vtbl == &abi::kObjectVtbl && !FromAbiHandle(handle);
}

} // namespace corvane
