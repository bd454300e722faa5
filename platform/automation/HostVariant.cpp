// The variant helpers of the C ABI.
#include "AbiVariant.h"
#include "HostError.h"

#include <cstdlib>
#include <cstring>
#include <memory>

using namespace corvane;

extern "C" {

void corv_variant_init(corv_variant *v)
{
    if (v)
        *v = corv_variant{};
}

void corv_variant_clear(corv_variant *v)
{
    abi::ClearC(v);
}

int32_t corv_variant_copy(corv_variant *dst, const corv_variant *src)
{
    return host::HostCall([&] {
        if (!dst || !src)
            throw AutomationError(ErrorNumber::InvalidCall);
        corv_variant copy{};
        abi::CopyC(&copy, *src);
        abi::ClearC(dst);
        *dst = copy;
    });
}

static void SetScalar(corv_variant *v, corv_vartype type, const corv_variant &value)
{
    if (!v)
        return;
    abi::ClearC(v);
    *v = value;
    v->type = std::uint16_t(type);
}

void corv_variant_set_i2(corv_variant *v, int16_t value)
{
    corv_variant c{};
    c.u.i2 = value;
    SetScalar(v, CORV_VT_I2, c);
}

void corv_variant_set_i4(corv_variant *v, int32_t value)
{
    corv_variant c{};
    c.u.i4 = value;
    SetScalar(v, CORV_VT_I4, c);
}

void corv_variant_set_r4(corv_variant *v, float value)
{
    corv_variant c{};
    c.u.r4 = value;
    SetScalar(v, CORV_VT_R4, c);
}

void corv_variant_set_r8(corv_variant *v, double value)
{
    corv_variant c{};
    c.u.r8 = value;
    SetScalar(v, CORV_VT_R8, c);
}

void corv_variant_set_date(corv_variant *v, double value)
{
    corv_variant c{};
    c.u.date = value;
    SetScalar(v, CORV_VT_DATE, c);
}

void corv_variant_set_bool(corv_variant *v, int value)
{
    corv_variant c{};
    c.u.boolean = value ? -1 : 0;
    SetScalar(v, CORV_VT_BOOL, c);
}

void corv_variant_set_missing(corv_variant *v)
{
    SetScalar(v, CORV_VT_MISSING, corv_variant{});
}

int32_t corv_variant_set_string(corv_variant *v, const char *utf8)
{
    return host::HostCall([&] {
        if (!v || !utf8)
            throw AutomationError(ErrorNumber::InvalidCall);
        abi::SetStringC(v, utf8);
    });
}

int32_t corv_variant_set_string_n(corv_variant *v, const char *utf8, size_t length)
{
    return host::HostCall([&] {
        if (!v || (!utf8 && length))
            throw AutomationError(ErrorNumber::InvalidCall);
        abi::SetStringC(v, std::string_view(utf8 ? utf8 : "", length));
    });
}

int32_t corv_variant_set_record(corv_variant *v, const char *type_name, size_t count, const char *const *field_names)
{
    return host::HostCall([&] {
        if (!v || (count && !field_names))
            throw AutomationError(ErrorNumber::InvalidCall);
        std::unique_ptr<std::string_view[]> names(new std::string_view[count ? count : 1]);
        for (size_t i = 0; i < count; ++i)
            names[i] = field_names[i] ? field_names[i] : "";
        abi::SetRecordC(v, type_name ? type_name : "", count, names.get());
    });
}

int32_t corv_variant_set_object(corv_variant *v, corv_object *object)
{
    return host::HostCall([&] {
        if (!v)
            throw AutomationError(ErrorNumber::InvalidCall);
        if (object) {
            const corv_object_vtbl &vtbl = host::VtblOf(object);
            if (const int32_t rc = vtbl.add_ref(object, &host::LastError()))
                abi::ThrowError(rc, host::LastError());
        }
        abi::ClearC(v);
        v->type = CORV_VT_OBJECT;
        v->u.obj = object;
    });
}

void corv_variant_set_ref(corv_variant *v, corv_variant *target)
{
    if (!v)
        return;
    abi::ClearC(v);
    v->flags = CORV_VF_BYREF;
    v->u.ref = target;
}

void corv_free(void *p)
{
    std::free(p);
}

} // extern "C"
