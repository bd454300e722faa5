#pragma once

#include <cstddef>
#include <utility>

namespace corvane
{

class AutomationObject;

// Reference counting of automation objects, out of line so that handles work where the object type
// is incomplete (a Variant holding an object).
void AddObjectRef(AutomationObject *object) noexcept;
void ReleaseObjectRef(AutomationObject *object) noexcept;

// Owning handle to a reference-counted automation object: copying takes a reference, destruction gives
// one up. T is AutomationObject or a class derived from it.
template<class T>
class ObjectPtr
{
public:
    ObjectPtr() noexcept = default;
    ObjectPtr(std::nullptr_t) noexcept { }
    // Takes a new reference to p.
    explicit ObjectPtr(T *p) noexcept
        : m_p(p)
    {
        if (m_p)
            AddObjectRef(m_p);
    }
    ObjectPtr(const ObjectPtr &other) noexcept
        : ObjectPtr(other.m_p)
    {
    }
    template<class U>
    ObjectPtr(const ObjectPtr<U> &other) noexcept
        : ObjectPtr(other.get())
    {
    }
    ObjectPtr(ObjectPtr &&other) noexcept
        : m_p(std::exchange(other.m_p, nullptr))
    {
    }
    ~ObjectPtr()
    {
        if (m_p)
            ReleaseObjectRef(m_p);
    }
    ObjectPtr &operator=(ObjectPtr other) noexcept
    {
        std::swap(m_p, other.m_p);
        return *this;
    }

    T *get() const noexcept { return m_p; }
    T *operator->() const noexcept { return m_p; }
    T &operator*() const noexcept { return *m_p; }
    explicit operator bool() const noexcept { return m_p != nullptr; }
    friend bool operator==(const ObjectPtr &a, const ObjectPtr &b) noexcept { return a.m_p == b.m_p; }

private:
    T *m_p = nullptr;
};

// Creates an object and hands out its first reference.
template<class T, class... Args>
ObjectPtr<T> MakeObject(Args &&...args)
{
    return ObjectPtr<T>(new T(std::forward<Args>(args)...));
}

} // namespace corvane
