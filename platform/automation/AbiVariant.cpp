#include "AbiVariant.h"

#include "AbiError.h"
#include "AbiObject.h"
#include "AutomationError.h"
#include "AutomationObject.h"
#include "Utf8.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

namespace corvane::abi
{

namespace
{

void *Allocate(std::size_t size)
{
    void *p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    return p;
}

char *CopyText(std::string_view text)
{
    auto *p = static_cast<char *>(Allocate(text.size() + 1));
    if (!text.empty())
        std::memcpy(p, text.data(), text.size());
    p[text.size()] = '\0';
    return p;
}

// A name for a record block: text to copy into the block, or a constant to point at.
struct BlockName {
    std::string_view text;
    const char *constant; // nullptr: copy text
};

// Allocates a record block: `count` empty fields, then copies of the names that are not constants.
corv_field *NewRecordBlock(BlockName typeName, std::size_t count, const BlockName *names, const char **typeNameOut)
{
    const auto room = [](const BlockName &n) { return n.constant ? 0 : n.text.size() + 1; };
    std::size_t size = count * sizeof(corv_field) + room(typeName);
    for (std::size_t i = 0; i < count; ++i)
        size += room(names[i]);
    auto *block = static_cast<corv_field *>(Allocate(size));
    char *text = reinterpret_cast<char *>(block + count);
    const auto put = [&text](const BlockName &n) {
        if (n.constant)
            return n.constant;
        if (!n.text.empty())
            std::memcpy(text, n.text.data(), n.text.size());
        text[n.text.size()] = '\0';
        const char *start = text;
        text += n.text.size() + 1;
        return static_cast<const char *>(start);
    };
    *typeNameOut = put(typeName);
    for (std::size_t i = 0; i < count; ++i) {
        block[i].name = put(names[i]);
        block[i].value = corv_variant{};
    }
    return block;
}

BlockName BlockNameOf(const RecordName &name)
{
    return name.IsConstant() ? BlockName{{}, name.CStr()} : BlockName{name.View(), nullptr};
}

std::string_view TextOf(const char *text)
{
    return text ? std::string_view(text) : std::string_view();
}

[[noreturn]] void BadVariant(const char *what)
{
    throw AutomationError(ErrorNumber::InvalidCall, std::string("Invalid procedure call or argument: ") + what);
}

} // namespace

void ClearC(corv_variant *v) noexcept
{
    if (!v)
        return;
    if (!(v->flags & CORV_VF_BYREF)) {
        switch (v->type) {
        case CORV_VT_STRING:
            std::free(v->u.str.data);
            break;
        case CORV_VT_RECORD:
            if (v->u.rec.fields) {
                for (std::size_t i = 0; i < v->u.rec.count; ++i) {
                    corv_variant &field = v->u.rec.fields[i].value;
                    // Plain values own nothing; only text, records and objects need clearing.
                    if (field.type >= CORV_VT_STRING || (field.flags & CORV_VF_BYREF))
                        ClearC(&field);
                }
                std::free(v->u.rec.fields);
            }
            break;
        case CORV_VT_OBJECT:
            if (v->u.obj && v->u.obj->vtbl && v->u.obj->vtbl->release)
                v->u.obj->vtbl->release(v->u.obj, nullptr);
            break;
        default:
            break;
        }
    }
    *v = corv_variant{};
}

void CopyC(corv_variant *dst, const corv_variant &source)
{
    const corv_variant &src = (source.flags & CORV_VF_BYREF) && source.u.ref ? *source.u.ref : source;
    corv_variant copy{};
    copy.type = src.type;
    switch (src.type) {
    case CORV_VT_EMPTY:
    case CORV_VT_MISSING:
        break;
    case CORV_VT_I2:
    case CORV_VT_I4:
    case CORV_VT_R4:
    case CORV_VT_R8:
    case CORV_VT_DATE:
    case CORV_VT_BOOL:
        copy.u = src.u;
        break;
    case CORV_VT_STRING:
        copy.u.str.data = CopyText(std::string_view(src.u.str.data ? src.u.str.data : "", src.u.str.length));
        copy.u.str.length = src.u.str.length;
        break;
    case CORV_VT_RECORD: {
        const std::size_t count = src.u.rec.fields ? src.u.rec.count : 0;
        std::unique_ptr<BlockName[]> names(new BlockName[count ? count : 1]);
        for (std::size_t i = 0; i < count; ++i)
            names[i] = {TextOf(src.u.rec.fields[i].name), nullptr};
        copy.u.rec.fields =
            NewRecordBlock({TextOf(src.u.rec.type_name), nullptr}, count, names.get(), &copy.u.rec.type_name);
        copy.u.rec.count = count;
        try {
            for (std::size_t i = 0; i < count; ++i)
                CopyC(&copy.u.rec.fields[i].value, src.u.rec.fields[i].value);
        } catch (...) {
            ClearC(&copy);
            throw;
        }
        break;
    }
    case CORV_VT_OBJECT:
        copy.u.obj = src.u.obj;
        if (copy.u.obj) {
            corv_error err{};
            if (const std::int32_t rc = copy.u.obj->vtbl->add_ref(copy.u.obj, &err))
                ThrowError(rc, err);
        }
        break;
    default:
        throw AutomationError(ErrorNumber::TypeMismatch,
                              "Type mismatch: unknown variant type " + std::to_string(src.type));
    }
    *dst = copy;
}

void SetStringC(corv_variant *v, std::string_view utf8)
{
    if (!IsValidUtf8(utf8))
        BadVariant("text is not valid UTF-8");
    char *data = CopyText(utf8);
    ClearC(v);
    v->type = CORV_VT_STRING;
    v->u.str.data = data;
    v->u.str.length = utf8.size();
}

void SetRecordC(corv_variant *v, std::string_view typeName, std::size_t count, const std::string_view *names)
{
    std::unique_ptr<BlockName[]> blockNames(new BlockName[count ? count : 1]);
    for (std::size_t i = 0; i < count; ++i)
        blockNames[i] = {names[i], nullptr};
    const char *typeNameCopy = nullptr;
    corv_field *block = NewRecordBlock({typeName, nullptr}, count, blockNames.get(), &typeNameCopy);
    ClearC(v);
    v->type = CORV_VT_RECORD;
    v->u.rec.type_name = typeNameCopy;
    v->u.rec.fields = block;
    v->u.rec.count = count;
}

namespace
{

// The C form of a value that owns nothing; false for text, records and objects.
bool PlainToC(const Variant &value, corv_variant &c) noexcept
{
    switch (value.Type()) {
    case VarType::Empty:
        return true;
    case VarType::Missing:
        c.type = CORV_VT_MISSING;
        return true;
    case VarType::I2:
        c.type = CORV_VT_I2;
        c.u.i2 = value.AsI2();
        return true;
    case VarType::I4:
        c.type = CORV_VT_I4;
        c.u.i4 = value.AsI4();
        return true;
    case VarType::R4:
        c.type = CORV_VT_R4;
        c.u.r4 = value.AsR4();
        return true;
    case VarType::R8:
        c.type = CORV_VT_R8;
        c.u.r8 = value.AsR8();
        return true;
    case VarType::Date:
        c.type = CORV_VT_DATE;
        c.u.date = value.AsDate();
        return true;
    case VarType::Bool:
        c.type = CORV_VT_BOOL;
        c.u.boolean = value.AsBool() ? -1 : 0;
        return true;
    default:
        return false;
    }
}

} // namespace

void ToC(const Variant &value, corv_variant *out)
{
    corv_variant &c = *out;
    c = corv_variant{};
    if (PlainToC(value, c))
        return;
    switch (value.Type()) {
    case VarType::String: {
        const std::string &text = value.AsString();
        c.u.str.data = CopyText(text);
        c.u.str.length = text.size();
        c.type = CORV_VT_STRING;
        return;
    }
    case VarType::Record: {
        const std::span<const RecordField> fields = value.AsRecord().Fields();
        const std::size_t count = fields.size();
        BlockName inlineNames[8];
        std::unique_ptr<BlockName[]> heapNames;
        BlockName *names = inlineNames;
        if (count > 8) {
            heapNames.reset(new BlockName[count]);
            names = heapNames.get();
        }
        for (std::size_t i = 0; i < count; ++i)
            names[i] = BlockNameOf(fields[i].name);
        corv_variant built{};
        built.type = CORV_VT_RECORD;
        built.u.rec.fields =
            NewRecordBlock(BlockNameOf(value.AsRecord().TypeName()), count, names, &built.u.rec.type_name);
        built.u.rec.count = count;
        try {
            for (std::size_t i = 0; i < count; ++i)
                if (!PlainToC(fields[i].value, built.u.rec.fields[i].value))
                    ToC(fields[i].value, &built.u.rec.fields[i].value);
        } catch (...) {
            ClearC(&built);
            throw;
        }
        c = built;
        return;
    }
    case VarType::Object:
        c.u.obj = value.AsObject() ? ShareHandle(*value.AsObject()) : nullptr;
        c.type = CORV_VT_OBJECT;
        return;
    default: // the plain values, done above
        break;
    }
    throw AutomationError(ErrorNumber::TypeMismatch);
}

Variant FromC(const corv_variant &value)
{
    if (value.flags & CORV_VF_BYREF) {
        if (!value.u.ref)
            BadVariant("a by-reference variant without target");
        if (value.u.ref->flags & CORV_VF_BYREF)
            BadVariant("a by-reference variant to a by-reference variant");
        return FromC(*value.u.ref);
    }
    switch (value.type) {
    case CORV_VT_EMPTY:
        return Variant();
    case CORV_VT_MISSING:
        return Variant::MissingArg();
    case CORV_VT_I2:
        return value.u.i2;
    case CORV_VT_I4:
        return value.u.i4;
    case CORV_VT_R4:
        return value.u.r4;
    case CORV_VT_R8:
        return value.u.r8;
    case CORV_VT_DATE:
        return Variant::FromDate(value.u.date);
    case CORV_VT_BOOL:
        return value.u.boolean != 0;
    case CORV_VT_STRING: {
        if (!value.u.str.data && value.u.str.length)
            BadVariant("a string without data");
        const std::string_view text(value.u.str.data ? value.u.str.data : "", value.u.str.length);
        if (!IsValidUtf8(text))
            BadVariant("text is not valid UTF-8");
        return Variant(text);
    }
    case CORV_VT_RECORD: {
        if (!value.u.rec.fields && value.u.rec.count)
            BadVariant("a record without fields");
        Record record{RecordName(TextOf(value.u.rec.type_name))};
        record.Reserve(value.u.rec.count);
        for (std::size_t i = 0; i < value.u.rec.count; ++i)
            record.Add(RecordName(TextOf(value.u.rec.fields[i].name)), FromC(value.u.rec.fields[i].value));
        return Variant(std::move(record));
    }
    case CORV_VT_OBJECT:
        return Variant(ObjectFromHandle(value.u.obj));
    default:
        throw AutomationError(ErrorNumber::TypeMismatch,
                              "Type mismatch: unknown variant type " + std::to_string(value.type));
    }
}

} // namespace corvane::abi
