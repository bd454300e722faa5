// The object calls of the C ABI: each goes through the object's vtable, which writes the outcome
// straight into the calling thread's last error.
#include "HostError.h"

using namespace corvane;

namespace
{

template<class Call>
int32_t Through(corv_object *object, Call &&call) noexcept
{
    if (!object || !object->vtbl)
        return host::HostCall([] { throw AutomationError(ErrorNumber::ObjectRequired); });
    return host::Settle(call(*object->vtbl, &host::LastError()));
}

} // namespace

extern "C" {

int32_t corv_add_ref(corv_object *object)
{
    return Through(object, [&](const corv_object_vtbl &v, corv_error *err) { return v.add_ref(object, err); });
}

int32_t corv_release(corv_object *object)
{
    return Through(object, [&](const corv_object_vtbl &v, corv_error *err) { return v.release(object, err); });
}

int32_t corv_object_class(corv_object *object, const corv_class_desc **cls)
{
    return Through(object, [&](const corv_object_vtbl &v, corv_error *err) { return v.get_class(object, cls, err); });
}

int32_t
corv_invoke(corv_object *object, int32_t dispid, int32_t kind, corv_variant *args, size_t argc, corv_variant *result)
{
    return Through(object, [&](const corv_object_vtbl &v, corv_error *err) {
        return v.invoke(object, dispid, kind, args, argc, result, err);
    });
}

int32_t corv_ids_of_names(corv_object *object, const char *const *names, size_t count, int32_t *ids)
{
    return Through(object, [&](const corv_object_vtbl &v, corv_error *err) {
        return v.ids_of_names(object, names, count, ids, err);
    });
}

int32_t corv_advise(corv_object *object, corv_event_fn fn, void *user_data, uint32_t *cookie)
{
    return Through(object, [&](const corv_object_vtbl &v, corv_error *err) {
        return v.advise(object, fn, user_data, cookie, err);
    });
}

int32_t corv_unadvise(corv_object *object, uint32_t cookie)
{
    return Through(object, [&](const corv_object_vtbl &v, corv_error *err) { return v.unadvise(object, cookie, err); });
}

int32_t corv_init_new(corv_object *object)
{
    return Through(object, [&](const corv_object_vtbl &v, corv_error *err) { return v.init_new(object, err); });
}

int32_t corv_load(corv_object *object, corv_bag *bag)
{
    return Through(object, [&](const corv_object_vtbl &v, corv_error *err) { return v.load(object, bag, err); });
}

int32_t corv_save(corv_object *object, corv_bag *bag)
{
    return Through(object, [&](const corv_object_vtbl &v, corv_error *err) { return v.save(object, bag, err); });
}

int32_t corv_object_window(corv_object *object, void **window)
{
    if (window)
        *window = nullptr;
    return Through(object, [&](const corv_object_vtbl &v, corv_error *err) {
        if (v.size < CORV_OBJECT_VTBL_BASE_SIZE + sizeof v.window || !v.window)
            return abi::SetError(err,
                                 int(ErrorNumber::NoSuchMember),
                                 "Object doesn't support this property or method: its library has no windows");
        return v.window(object, window, err);
    });
}

} // extern "C"
