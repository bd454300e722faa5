// C++ wrapper over the Corvane C ABI (corvane.h): RAII handles for objects, variants, property bags
// and event subscriptions, and failures as exceptions. Header-only; a host links the host side of
// the ABI (corvane_host), never a Corvane library.
#pragma once

#include "corvane/corvane.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corv
{

// A failed ABI call: the automation error number and its description.
class Error : public std::runtime_error
{
public:
    Error(std::int32_t number, const std::string &message)
        : std::runtime_error(message)
        , m_number(number)
    {
    }
    std::int32_t Number() const noexcept { return m_number; }

private:
    std::int32_t m_number;
};

// Throws the calling thread's last error when rc reports a failure.
inline void Check(std::int32_t rc)
{
    if (rc != 0)
        throw Error(rc, corv_last_error_message());
}

class Object;

// Owns one C variant. Same layout as corv_variant, so arrays of either can be viewed as the other.
class Variant
{
public:
    Variant() noexcept { corv_variant_init(&m_v); }
    Variant(std::int16_t value) noexcept
        : Variant()
    {
        corv_variant_set_i2(&m_v, value);
    }
    Variant(std::int32_t value) noexcept
        : Variant()
    {
        corv_variant_set_i4(&m_v, value);
    }
    Variant(float value) noexcept
        : Variant()
    {
        corv_variant_set_r4(&m_v, value);
    }
    Variant(double value) noexcept
        : Variant()
    {
        corv_variant_set_r8(&m_v, value);
    }
    Variant(bool value) noexcept
        : Variant()
    {
        corv_variant_set_bool(&m_v, value);
    }
    Variant(std::string_view utf8)
        : Variant()
    {
        Check(corv_variant_set_string_n(&m_v, utf8.data(), utf8.size()));
    }
    Variant(const char *utf8)
        : Variant(std::string_view(utf8))
    {
    }
    Variant(const std::string &utf8)
        : Variant(std::string_view(utf8))
    {
    }
    inline Variant(const Object &object);
    template<class T>
    Variant(T *) = delete; // other pointers would become Bool

    Variant(const Variant &other)
        : Variant()
    {
        Check(corv_variant_copy(&m_v, &other.m_v));
    }
    Variant(Variant &&other) noexcept
        : m_v(other.m_v)
    {
        corv_variant_init(&other.m_v);
    }
    Variant &operator=(Variant other) noexcept
    {
        std::swap(m_v, other.m_v);
        return *this;
    }
    ~Variant() { corv_variant_clear(&m_v); }

    static Variant Date(double days) noexcept
    {
        Variant v;
        corv_variant_set_date(&v.m_v, days);
        return v;
    }
    static Variant Missing() noexcept
    {
        Variant v;
        corv_variant_set_missing(&v.m_v);
        return v;
    }
    // A by-reference argument: the callee may write target.
    static Variant Ref(Variant &target) noexcept
    {
        Variant v;
        corv_variant_set_ref(&v.m_v, &target.m_v);
        return v;
    }
    static Variant Record(std::string_view typeName, std::initializer_list<std::pair<const char *, Variant>> fields)
    {
        std::vector<const char *> names;
        for (const auto &field : fields)
            names.push_back(field.first);
        const std::string type(typeName);
        Variant v;
        Check(corv_variant_set_record(&v.m_v, type.c_str(), names.size(), names.data()));
        std::size_t i = 0;
        for (const auto &field : fields)
            Check(corv_variant_copy(&v.m_v.u.rec.fields[i++].value, field.second.get()));
        return v;
    }

    corv_vartype Type() const noexcept { return corv_vartype(Target().type); }
    bool IsByRef() const noexcept { return m_v.flags & CORV_VF_BYREF; }

    // Typed access without conversion; another type is error 13.
    std::int16_t I2() const { return Expect(CORV_VT_I2).u.i2; }
    std::int32_t I4() const { return Expect(CORV_VT_I4).u.i4; }
    float R4() const { return Expect(CORV_VT_R4).u.r4; }
    double R8() const { return Expect(CORV_VT_R8).u.r8; }
    double Date() const { return Expect(CORV_VT_DATE).u.date; }
    bool Bool() const { return Expect(CORV_VT_BOOL).u.boolean != 0; }
    std::string_view String() const
    {
        const corv_variant &v = Expect(CORV_VT_STRING);
        return {v.u.str.data ? v.u.str.data : "", v.u.str.length};
    }
    inline Object AsObject() const;

    std::string_view RecordType() const
    {
        const corv_variant &v = Expect(CORV_VT_RECORD);
        return v.u.rec.type_name ? v.u.rec.type_name : "";
    }
    std::size_t FieldCount() const { return Expect(CORV_VT_RECORD).u.rec.count; }
    std::string_view FieldName(std::size_t i) const
    {
        const char *name = FieldAt(i).name;
        return name ? name : "";
    }
    const Variant &Field(std::size_t i) const { return View(FieldAt(i).value); }
    // The field of that name (ASCII case-insensitive); error 9 when there is none.
    const Variant &Field(std::string_view name) const
    {
        for (std::size_t i = 0; i < FieldCount(); ++i)
            if (SameName(FieldName(i), name))
                return Field(i);
        throw Error(CORV_E_SUBSCRIPT_OUT_OF_RANGE, "Subscript out of range: no field " + std::string(name));
    }

    corv_variant *get() noexcept { return &m_v; }
    const corv_variant *get() const noexcept { return &m_v; }
    static const Variant &View(const corv_variant &v) noexcept { return *reinterpret_cast<const Variant *>(&v); }
    static Variant &View(corv_variant &v) noexcept { return *reinterpret_cast<Variant *>(&v); }

private:
    const corv_variant &Target() const noexcept { return IsByRef() && m_v.u.ref ? *m_v.u.ref : m_v; }
    const corv_variant &Expect(corv_vartype type) const
    {
        if (Type() != type)
            throw Error(CORV_E_TYPE_MISMATCH, "Type mismatch");
        return Target();
    }
    const corv_field &FieldAt(std::size_t i) const
    {
        const corv_variant &v = Expect(CORV_VT_RECORD);
        if (i >= v.u.rec.count)
            throw Error(CORV_E_SUBSCRIPT_OUT_OF_RANGE, "Subscript out of range");
        return v.u.rec.fields[i];
    }
    static bool SameName(std::string_view a, std::string_view b) noexcept
    {
        if (a.size() != b.size())
            return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
            if (lower(a[i]) != lower(b[i]))
                return false;
        }
        return true;
    }

    corv_variant m_v;
};

static_assert(sizeof(Variant) == sizeof(corv_variant));

// A property bag of the host side.
class Bag
{
public:
    Bag() { Check(corv_bag_create(&m_bag)); }
    ~Bag() { corv_bag_destroy(m_bag); }
    Bag(const Bag &) = delete;
    Bag &operator=(const Bag &) = delete;

    void LoadFile(const std::string &path) { Check(corv_bag_load_file(m_bag, path.c_str())); }
    void SaveFile(const std::string &path) { Check(corv_bag_save_file(m_bag, path.c_str())); }
    std::size_t Count() const { return corv_bag_count(m_bag); }
    std::string Key(std::size_t index) const
    {
        const char *key = nullptr;
        Check(corv_bag_entry(m_bag, index, &key, nullptr));
        return key;
    }
    Variant Read(const std::string &key, const Variant &defaultValue = Variant()) const
    {
        Variant out;
        Check(corv_bag_read(m_bag, key.c_str(), defaultValue.get(), out.get()));
        return out;
    }
    void Write(const std::string &key, const Variant &value)
    {
        Check(corv_bag_write(m_bag, key.c_str(), value.get(), nullptr));
    }
    void Write(const std::string &key, const Variant &value, const Variant &defaultValue)
    {
        Check(corv_bag_write(m_bag, key.c_str(), value.get(), defaultValue.get()));
    }
    corv_bag *get() const noexcept { return m_bag; }

private:
    corv_bag *m_bag = nullptr;
};

// An event handler: the event's dispatch id and its arguments; write a by-reference argument with
// AssignRef.
using EventHandler = std::function<void(std::int32_t dispid, std::span<Variant> args)>;

// Writes value into the variant a by-reference argument refers to.
inline void AssignRef(Variant &byRefArg, const Variant &value)
{
    corv_variant *target = byRefArg.get()->u.ref;
    if (!byRefArg.IsByRef() || !target)
        throw Error(CORV_E_INVALID_CALL, "Invalid procedure call or argument: not a by-reference argument");
    Check(corv_variant_copy(target, value.get()));
}

class Connection;

// Owns one reference to an object.
class Object
{
public:
    Object() noexcept = default;
    // Takes over a reference the caller owns.
    explicit Object(corv_object *adopted) noexcept
        : m_obj(adopted)
    {
    }
    Object(const Object &other)
        : m_obj(other.m_obj)
    {
        if (m_obj)
            Check(corv_add_ref(m_obj));
    }
    Object(Object &&other) noexcept
        : m_obj(std::exchange(other.m_obj, nullptr))
    {
    }
    Object &operator=(Object other) noexcept
    {
        std::swap(m_obj, other.m_obj);
        return *this;
    }
    ~Object()
    {
        if (m_obj)
            corv_release(m_obj);
    }

    static Object Create(const std::string &progid)
    {
        corv_object *obj = nullptr;
        Check(corv_create_object(progid.c_str(), &obj));
        return Object(obj);
    }
    // From the library at `library`, without any registry.
    static Object CreateFrom(const std::string &library, const std::string &progid)
    {
        corv_object *obj = nullptr;
        Check(corv_create_object_from(library.c_str(), progid.c_str(), &obj));
        return Object(obj);
    }

    corv_object *get() const noexcept { return m_obj; }
    explicit operator bool() const noexcept { return m_obj != nullptr; }

    const corv_class_desc &Class() const
    {
        const corv_class_desc *cls = nullptr;
        Check(corv_object_class(m_obj, &cls));
        return *cls;
    }
    std::int32_t IdOf(const std::string &name) const
    {
        const char *names[] = {name.c_str()};
        std::int32_t id = CORV_DISPID_UNKNOWN;
        Check(corv_ids_of_names(m_obj, names, 1, &id));
        return id;
    }

    Variant Invoke(std::int32_t dispid, std::int32_t kind, std::span<Variant> args = {}) const
    {
        Variant result;
        Check(corv_invoke(m_obj, dispid, kind, args.empty() ? nullptr : args.data()->get(), args.size(), result.get()));
        return result;
    }
    // Calls a method or reads a property by name.
    template<class... Args>
    Variant Call(const std::string &name, Args &&...args) const
    {
        Variant list[] = {Variant(std::forward<Args>(args))..., Variant()};
        return Invoke(IdOf(name), CORV_METHOD | CORV_PROPERTY_GET, std::span<Variant>(list, sizeof...(Args)));
    }
    Variant Get(const std::string &name) const { return Invoke(IdOf(name), CORV_PROPERTY_GET); }
    void Put(const std::string &name, Variant value) const
    {
        Invoke(IdOf(name), CORV_PROPERTY_PUT, std::span<Variant>(&value, 1));
    }

    // The native window a host places on its form (for the Qt controls a QWidget *); error 438 for a
    // non-visual object.
    void *Window() const
    {
        void *window = nullptr;
        Check(corv_object_window(m_obj, &window));
        return window;
    }

    void InitNew() const { Check(corv_init_new(m_obj)); }
    void Load(const Bag &bag) const { Check(corv_load(m_obj, bag.get())); }
    void Save(Bag &bag) const { Check(corv_save(m_obj, bag.get())); }

    inline Connection Advise(EventHandler handler) const;

private:
    corv_object *m_obj = nullptr;
};

// An event subscription; unadvises when destroyed. A corv::Error thrown by the handler is reported
// to the raiser with its number, any other exception as error 51.
class Connection
{
public:
    Connection() = default;
    Connection(Connection &&) noexcept = default;
    Connection &operator=(Connection &&other) noexcept
    {
        Reset();
        m_object = std::move(other.m_object);
        m_handler = std::move(other.m_handler);
        m_cookie = std::exchange(other.m_cookie, 0);
        return *this;
    }
    ~Connection() { Reset(); }

    void Reset() noexcept
    {
        if (m_object && m_cookie)
            corv_unadvise(m_object.get(), m_cookie);
        m_cookie = 0;
        m_object = Object();
        m_handler.reset();
    }

private:
    friend class Object;
    Connection(Object object, EventHandler handler)
        : m_object(std::move(object))
        , m_handler(std::make_unique<EventHandler>(std::move(handler)))
    {
        Check(corv_advise(m_object.get(), &Trampoline, m_handler.get(), &m_cookie));
    }

    static std::int32_t Trampoline(void *user, std::int32_t dispid, corv_variant *args, std::size_t argc) noexcept
    {
        try {
            const std::span<Variant> list =
                argc ? std::span<Variant>(&Variant::View(*args), argc) : std::span<Variant>();
            (*static_cast<EventHandler *>(user))(dispid, list);
            return 0;
        } catch (const Error &e) {
            return e.Number();
        } catch (...) {
            return CORV_E_INTERNAL;
        }
    }

    Object m_object;
    std::unique_ptr<EventHandler> m_handler;
    std::uint32_t m_cookie = 0;
};

inline Connection Object::Advise(EventHandler handler) const
{
    return Connection(*this, std::move(handler));
}

inline Variant::Variant(const Object &object)
    : Variant()
{
    Check(corv_variant_set_object(&m_v, object.get()));
}

inline Object Variant::AsObject() const
{
    corv_object *obj = Expect(CORV_VT_OBJECT).u.obj;
    if (obj)
        Check(corv_add_ref(obj));
    return Object(obj);
}

} // namespace corv
