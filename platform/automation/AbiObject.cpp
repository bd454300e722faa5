#include "AbiObject.h"

#include "AbiBag.h"
#include "AbiClassDesc.h"
#include "AbiError.h"
#include "AbiVariant.h"
#include "ArgBuffer.h"
#include "PropertyBag.h"
#include "Utf8.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace corvane::abi
{

namespace
{

// Stands for an object of another library (or of the host) inside this one: invoking it goes
// through its vtable.
class ForeignObject final : public AutomationObject
{
public:
    explicit ForeignObject(corv_object *handle)
        : AutomationObject(Info())
        , m_handle(handle)
    {
        corv_error err{};
        if (const std::int32_t rc = m_handle->vtbl->add_ref(m_handle, &err))
            ThrowError(rc, err);
    }
    ~ForeignObject() override { m_handle->vtbl->release(m_handle, nullptr); }

    corv_object *Handle() const noexcept { return m_handle; }

    void Invoke(DispId id, InvokeKind request, std::span<Variant> args, Variant &result) override
    {
        std::vector<corv_variant> cargs(args.size());
        std::vector<corv_variant> targets(args.size());
        const auto cleanup = [&] {
            for (std::size_t i = 0; i < args.size(); ++i) {
                ClearC(&cargs[i]);
                ClearC(&targets[i]);
            }
        };
        try {
            for (std::size_t i = 0; i < args.size(); ++i) {
                if (args[i].IsByRef()) {
                    ToC(args[i].Deref(), &targets[i]);
                    cargs[i].flags = CORV_VF_BYREF;
                    cargs[i].u.ref = &targets[i];
                } else {
                    ToC(args[i], &cargs[i]);
                }
            }
            CVariantHolder cresult;
            corv_error err{};
            if (const std::int32_t rc =
                    m_handle->vtbl
                        ->invoke(m_handle, id, std::int32_t(request), cargs.data(), cargs.size(), &cresult.value, &err))
                ThrowError(rc, err);
            for (std::size_t i = 0; i < args.size(); ++i)
                if (args[i].IsByRef())
                    args[i].Assign(FromC(targets[i]));
            result = FromC(cresult.value);
        } catch (...) {
            cleanup();
            throw;
        }
        cleanup();
    }

    void InitNew() override
    {
        corv_error err{};
        if (const std::int32_t rc = m_handle->vtbl->init_new(m_handle, &err))
            ThrowError(rc, err);
    }

    void Save(PropertyBag &) const override
    {
        throw AutomationError(ErrorNumber::TypeMismatch,
                              "Type mismatch: an object of another library cannot be saved into this one's bag");
    }

private:
    static const ClassInfo &Info()
    {
        static const ClassInfo info("ForeignObject", {});
        return info;
    }

    corv_object *m_handle;
};

// Delivers events to a C callback: by-reference arguments become C variants the callback may
// overwrite, and what it leaves there is written back, converted to the original type.
class CallbackSink final : public EventSink
{
public:
    CallbackSink(corv_event_fn fn, void *userData)
        : m_fn(fn)
        , m_userData(userData)
    {
    }

    void OnEvent(DispId id, std::span<Variant> args) override
    {
        struct Slots {
            explicit Slots(std::size_t n)
                : cargs(n)
                , targets(n)
            {
            }
            ~Slots()
            {
                for (std::size_t i = 0; i < cargs.size(); ++i) {
                    ClearC(&cargs[i]);
                    ClearC(&targets[i]);
                }
            }
            std::vector<corv_variant> cargs;
            std::vector<corv_variant> targets;
        } slots(args.size());

        for (std::size_t i = 0; i < args.size(); ++i) {
            if (args[i].IsByRef()) {
                ToC(args[i].Deref(), &slots.targets[i]);
                slots.cargs[i].flags = CORV_VF_BYREF;
                slots.cargs[i].u.ref = &slots.targets[i];
            } else {
                ToC(args[i], &slots.cargs[i]);
            }
        }
        const std::int32_t rc = m_fn(m_userData, id, slots.cargs.data(), slots.cargs.size());

        // Write back what the sink left, even when it reports a failure, so the raiser sees the
        // same values a C++ sink writing through the references would have left.
        std::optional<AutomationError> writeBackError;
        for (std::size_t i = 0; i < args.size(); ++i) {
            if (!args[i].IsByRef())
                continue;
            try {
                args[i].Assign(FromC(slots.targets[i]));
            } catch (const AutomationError &e) {
                if (!writeBackError)
                    writeBackError = e;
            }
        }
        if (rc != 0) {
            const std::string standard = StandardDescription(rc);
            throw AutomationError(rc,
                                  standard.empty() ? "Event sink failed with error " + std::to_string(rc) : standard);
        }
        if (writeBackError)
            throw *writeBackError;
    }

private:
    corv_event_fn m_fn;
    void *m_userData;
};

AutomationObject &Owner(corv_object *self)
{
    AutomationObject *object = AutomationObject::FromAbiHandle(self);
    if (!object && AutomationObject::IsRetiredHandle(self))
        throw AutomationError(ErrorNumber::ObjectRequired, "Object required: the object has been released");
    if (!object)
        throw AutomationError(ErrorNumber::ObjectRequired);
    object->CheckApartment();
    return *object;
}

std::int32_t ObjAddRef(corv_object *self, corv_error *err)
{
    return Guard(err, [&] { Owner(self).AddRef(); });
}

std::int32_t ObjRelease(corv_object *self, corv_error *err)
{
    return Guard(err, [&] { Owner(self).Release(); });
}

std::int32_t ObjGetClass(corv_object *self, const corv_class_desc **cls, corv_error *err)
{
    return Guard(err, [&] {
        AutomationObject &object = Owner(self);
        if (!cls)
            throw AutomationError(ErrorNumber::InvalidCall);
        *cls = &DescribeClass(object.Class());
    });
}

std::int32_t ObjInvoke(corv_object *self,
                       std::int32_t dispid,
                       std::int32_t kind,
                       corv_variant *args,
                       std::size_t argc,
                       corv_variant *result,
                       corv_error *err)
{
    return Guard(err, [&] {
        AutomationObject &object = Owner(self);
        if ((argc && !args) || kind <= 0 || kind > 15)
            throw AutomationError(ErrorNumber::InvalidCall);
        bool anyByRef = false;
        for (std::size_t i = 0; i < argc; ++i)
            anyByRef = anyByRef || (args[i].flags & CORV_VF_BYREF);
        // By-reference arguments need C++ targets that live through the call.
        ArgBuffer targets(anyByRef ? argc : 0,
                          [&](std::size_t i) { return (args[i].flags & CORV_VF_BYREF) ? FromC(args[i]) : Variant(); });
        ArgBuffer local(argc, [&](std::size_t i) {
            return (args[i].flags & CORV_VF_BYREF) ? Variant::Ref(targets[i]) : FromC(args[i]);
        });
        Variant value;
        object.Invoke(dispid, InvokeKind(kind), local.Span(), value);

        // Convert everything before touching the caller's variants, so a failure leaves them as
        // they were.
        CVariantHolder converted;
        if (result)
            ToC(value, &converted.value);
        if (anyByRef) {
            std::vector<corv_variant> written(argc);
            try {
                for (std::size_t i = 0; i < argc; ++i)
                    if (args[i].flags & CORV_VF_BYREF)
                        ToC(targets[i], &written[i]);
            } catch (...) {
                for (corv_variant &w : written)
                    ClearC(&w);
                throw;
            }
            for (std::size_t i = 0; i < argc; ++i) {
                if (args[i].flags & CORV_VF_BYREF) {
                    ClearC(args[i].u.ref);
                    *args[i].u.ref = written[i];
                }
            }
        }
        if (result) {
            ClearC(result);
            *result = converted.value;
            converted.value = corv_variant{};
        }
    });
}

std::int32_t
ObjIdsOfNames(corv_object *self, const char *const *names, std::size_t count, std::int32_t *ids, corv_error *err)
{
    return Guard(err, [&] {
        AutomationObject &object = Owner(self);
        if (count && (!names || !ids))
            throw AutomationError(ErrorNumber::InvalidCall);
        // Optional, not empty-for-none: an empty name is unknown too.
        std::optional<std::string> unknown;
        for (std::size_t i = 0; i < count; ++i) {
            const auto id = names[i] ? object.Class().IdOfName(names[i]) : std::nullopt;
            ids[i] = id ? *id : CORV_DISPID_UNKNOWN;
            if (!id && !unknown)
                unknown = names[i] ? names[i] : "(null)";
        }
        if (unknown)
            throw AutomationError(ErrorNumber::NoSuchMember,
                                  "Object doesn't support this property or method: "
                                      + std::string(object.Class().Name()) + "." + PrintableText(*unknown));
    });
}

std::int32_t ObjAdvise(corv_object *self, corv_event_fn fn, void *userData, std::uint32_t *cookie, corv_error *err)
{
    return Guard(err, [&] {
        AutomationObject &object = Owner(self);
        if (!fn || !cookie)
            throw AutomationError(ErrorNumber::InvalidCall);
        *cookie = object.Advise(std::make_shared<CallbackSink>(fn, userData));
    });
}

std::int32_t ObjUnadvise(corv_object *self, std::uint32_t cookie, corv_error *err)
{
    return Guard(err, [&] { Owner(self).Unadvise(cookie); });
}

std::int32_t ObjInitNew(corv_object *self, corv_error *err)
{
    return Guard(err, [&] {
        AutomationObject &object = Owner(self);
        const ObjectHandle hold(&object);
        object.InitNew();
    });
}

std::int32_t ObjLoad(corv_object *self, corv_bag *bag, corv_error *err)
{
    return Guard(err, [&] {
        AutomationObject &object = Owner(self);
        const PropertyBag loaded = ImportBag(bag);
        const ObjectHandle hold(&object);
        object.Load(loaded);
    });
}

std::int32_t ObjSave(corv_object *self, corv_bag *bag, corv_error *err)
{
    return Guard(err, [&] {
        AutomationObject &object = Owner(self);
        PropertyBag saved;
        {
            const ObjectHandle hold(&object);
            object.Save(saved);
        }
        ExportBag(saved, bag);
    });
}

std::int32_t ObjWindow(corv_object *self, void **window, corv_error *err)
{
    if (window)
        *window = nullptr;
    return Guard(err, [&] {
        AutomationObject &object = Owner(self);
        if (!window)
            throw AutomationError(ErrorNumber::InvalidCall);
        void *native = object.NativeWindow();
        if (!native)
            throw AutomationError(ErrorNumber::NoSuchMember,
                                  "Object doesn't support this property or method: "
                                      + std::string(object.Class().Name()) + " has no window");
        *window = native;
    });
}

} // namespace

const corv_object_vtbl kObjectVtbl = {
    CORV_ABI_VERSION,
    sizeof(corv_object_vtbl),
    ObjAddRef,
    ObjRelease,
    ObjGetClass,
    ObjInvoke,
    ObjIdsOfNames,
    ObjAdvise,
    ObjUnadvise,
    ObjInitNew,
    ObjLoad,
    ObjSave,
    ObjWindow,
};

corv_object *ShareHandle(AutomationObject &object)
{
    if (auto *foreign = dynamic_cast<ForeignObject *>(&object)) {
        corv_object *handle = foreign->Handle();
        corv_error err{};
        if (const std::int32_t rc = handle->vtbl->add_ref(handle, &err))
            ThrowError(rc, err);
        return handle;
    }
    object.AddRef();
    return object.AbiHandle();
}

ObjectHandle ObjectFromHandle(corv_object *handle)
{
    if (!handle)
        return nullptr;
    if (AutomationObject *own = AutomationObject::FromAbiHandle(handle))
        return ObjectHandle(own);
    if (!handle->vtbl || handle->vtbl->size < CORV_OBJECT_VTBL_BASE_SIZE)
        throw AutomationError(ErrorNumber::InvalidCall, "Invalid procedure call or argument: not an object handle");
    return MakeObject<ForeignObject>(handle);
}

} // namespace corvane::abi
