#pragma once

#include "AbiHandleSlots.h"
#include "ClassInfo.h"
#include "EventSource.h"
#include "ObjectPtr.h"
#include "Variant.h"

#include "corvane/corvane.h"

#include <cstdint>
#include <span>
#include <thread>

namespace corvane
{

class PropertyBag;

// The base of every class that hosts reach through the automation layer. It is reference counted
// (create with MakeObject, hold with ObjectPtr; the last Release deletes it), apartment-threaded (it
// belongs to the thread that constructed it), invokable through its class's member table, a source
// of events and persistable through property bags.
//
// A class passes its ClassInfo to this constructor; the table's accessors receive the object as
// AutomationObject& and static_cast it back to the class.
class AutomationObject
{
public:
    explicit AutomationObject(const ClassInfo &info);
    virtual ~AutomationObject();
    AutomationObject(const AutomationObject &) = delete;
    AutomationObject &operator=(const AutomationObject &) = delete;

    const ClassInfo &Class() const noexcept { return *m_class; }

    // Not thread-safe: only the apartment thread counts references (the C ABI refuses the others).
    void AddRef() noexcept { ++m_refs; }
    void Release() noexcept;
    std::uint32_t RefCount() const noexcept { return m_refs; }

    // The wrong-thread error when called from any thread but the apartment's.
    void CheckApartment() const;

    // Calls a member (see DispatchInvoke for the argument rules). Holds a reference to the object
    // while the member runs, so a member may release the last outside reference safely.
    virtual void Invoke(DispId id, InvokeKind request, std::span<Variant> args, Variant &result);

    EventCookie Advise(std::shared_ptr<EventSink> sink) { return m_events.Advise(std::move(sink)); }
    void Unadvise(EventCookie cookie) { m_events.Unadvise(cookie); }
    std::size_t SinkCount() const noexcept { return m_events.SinkCount(); }

    // Raises a declared event to every sink. Holds a reference to the object for the raise, so a
    // sink may release it; code that goes on using the object after raising from outside any
    // invoke (a UI handler) should hold an ObjectPtr to it itself. An undeclared id or a wrong
    // argument count is a programming error: std::logic_error.
    RaiseResult RaiseEvent(DispId id, std::span<const Variant> args);

    // The persistence contract. The defaults have nothing to initialise, load or save.
    virtual void InitNew();
    virtual void Load(const PropertyBag &bag);
    virtual void Save(PropertyBag &bag) const;

    // The native window a host may place on its form; nullptr for an object without one. Visual
    // objects return their widget; the automation layer never looks inside it.
    virtual void *NativeWindow() const noexcept;

    // The handle the C ABI gives hosts for this object (no reference is taken).
    corv_object *AbiHandle() noexcept { return &m_handle->base; }
    // The object behind a handle of this library, or nullptr for a handle of anyone else and for one
    // whose object is gone (IsRetiredHandle).
    static AutomationObject *FromAbiHandle(corv_object *handle) noexcept;
    // Whether the handle is this library's and its object has gone with its last reference.
    static bool IsRetiredHandle(corv_object *handle) noexcept;

private:
    const ClassInfo *m_class;
    std::uint32_t m_refs = 0;
    std::thread::id m_apartment;
    EventSource m_events;
    AbiHandleSlot *m_handle;
};

} // namespace corvane
