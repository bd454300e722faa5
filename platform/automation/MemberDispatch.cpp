#include "MemberDispatch.h"

#include "ArgBuffer.h"
#include "AutomationError.h"
#include "Utf8.h"
#include "VariantCoercion.h"

#include <optional>
#include <string>

namespace corvane
{

namespace
{

// Whether a record already has its declared shape, field names and field types included.
bool HasShape(const Variant &value, const TypeDesc &type)
{
    const Record &record = value.AsRecord();
    const RecordTypeInfo &shape = *type.record;
    if (record.Size() != shape.fields.size() || record.TypeName() != shape.name)
        return false;
    for (std::size_t i = 0; i < record.Size(); ++i)
        if (record[i].name != shape.fields[i].name || record[i].value.Type() != shape.fields[i].type)
            return false;
    return true;
}

// Whether the value already has the declared type.
inline bool HasType(const Variant &value, const TypeDesc &type)
{
    if (type.vt == VarType::Variant)
        return true;
    if (value.Type() != type.vt)
        return false;
    return type.vt != VarType::Record || !type.record || HasShape(value, type);
}

// A value that already has its declared type skips the conversion, but not the range check that
// comes with it: a NaN or out-of-range date is error 6 however it arrives, as it would be stored and
// then neither displayed nor saved in a form that loads.
void CheckRange(const Variant &arg, const TypeDesc &type)
{
    if (type.vt == VarType::Date) {
        ToDate(arg);
    } else if (type.vt == VarType::Record && type.record) {
        const RecordTypeInfo &shape = *type.record;
        for (std::size_t i = 0; i < shape.fields.size(); ++i)
            if (shape.fields[i].type == VarType::Date)
                ToDate(arg.AsRecord()[i].value);
    }
}

void Bind(Variant &arg, const TypeDesc &type, bool byRefParam)
{
    if (arg.IsByRef() && !byRefParam) {
        arg = ConvertTo(arg, type);
        return;
    }
    if (HasType(arg, type))
        CheckRange(arg, type);
    else
        arg = ConvertTo(arg, type);
}

[[noreturn]] void Rethrow(const AutomationError &e, const char *param, const MemberInfo &member)
{
    throw AutomationError(e.number(), e.description() + " (argument " + param + " of " + member.name + ")");
}

} // namespace

Variant ConvertTo(const Variant &value, const TypeDesc &type)
{
    if (type.vt == VarType::Record && value.Type() == VarType::Record) {
        if (type.record)
            return ConformRecord(value.AsRecord(), *type.record);
        if (type.name && !value.AsRecord().TypeName().empty() && !NamesEqual(value.AsRecord().TypeName(), type.name))
            throw AutomationError(ErrorNumber::TypeMismatch,
                                  "Type mismatch: expected " + std::string(type.name) + ", given "
                                      + PrintableText(value.AsRecord().TypeName().View()));
    }
    return ChangeType(value, type.vt);
}

void DispatchInvoke(const ClassInfo &info,
                    AutomationObject &self,
                    DispId id,
                    InvokeKind request,
                    std::span<Variant> args,
                    Variant &result)
{
    const MemberInfo &member = info.Resolve(id, request);
    const bool put = member.kind == InvokeKind::PropertyPut || member.kind == InvokeKind::PropertyPutRef;
    const std::size_t params = member.params.size();
    const std::size_t declared = params + (put ? 1 : 0);
    std::size_t required = put ? 1 : 0;
    for (const ParamInfo &p : member.params)
        required += p.Optional() ? 0 : 1;
    if (args.size() > declared || args.size() < required)
        throw AutomationError(ErrorNumber::BadParamCount,
                              "Wrong number of arguments or invalid property assignment: " + std::string(member.name)
                                  + " takes " + std::to_string(required)
                                  + (declared != required ? " to " + std::to_string(declared) : std::string())
                                  + " arguments, given " + std::to_string(args.size()));

    // Left-out trailing optional arguments become Missing; a put's value stays last.
    ArgBuffer padded(args.size() != declared ? declared : 0);
    std::span<Variant> work = args;
    if (args.size() != declared) {
        work = padded.Span();
        const std::size_t given = args.size() - (put ? 1 : 0);
        for (std::size_t i = 0; i < given; ++i)
            work[i] = std::move(args[i]);
        for (std::size_t i = given; i < params; ++i)
            work[i] = Variant::MissingArg();
        if (put)
            work[params] = std::move(args.back());
    }

    for (std::size_t i = 0; i < params; ++i) {
        const ParamInfo &p = member.params[i];
        if (work[i].IsMissing()) {
            if (!p.Optional())
                throw AutomationError(ErrorNumber::ArgumentNotOptional,
                                      std::string("Argument not optional: ") + p.name + " of " + member.name);
            continue;
        }
        try {
            Bind(work[i], p.type, p.ByRef());
        } catch (const AutomationError &e) {
            Rethrow(e, p.name, member);
        }
    }
    if (put) {
        try {
            if (work[params].IsMissing())
                throw AutomationError(ErrorNumber::ArgumentNotOptional);
            Bind(work[params], member.type, false);
        } catch (const AutomationError &e) {
            Rethrow(e, "value", member);
        }
    }
    member.call(self, work, result);
}

} // namespace corvane
