#include "RecordType.h"

#include "AutomationError.h"
#include "Utf8.h"
#include "VariantCoercion.h"

#include <vector>

namespace corvane
{

namespace
{

Variant ZeroOf(VarType type)
{
    switch (type) {
    case VarType::I2:
        return std::int16_t(0);
    case VarType::I4:
        return std::int32_t(0);
    case VarType::R4:
        return 0.0f;
    case VarType::R8:
        return 0.0;
    case VarType::Date:
        return Variant::FromDate(0);
    case VarType::Bool:
        return false;
    case VarType::String:
        return std::string();
    default:
        return Variant();
    }
}

[[noreturn]] void Mismatch(const RecordTypeInfo &type, const std::string &why)
{
    throw AutomationError(ErrorNumber::TypeMismatch, "Type mismatch: " + std::string(type.name) + ": " + why);
}

} // namespace

Record MakeRecord(const RecordTypeInfo &type)
{
    Record record(RecordName::Constant(type.name));
    record.Reserve(type.fields.size());
    for (const RecordFieldInfo &field : type.fields)
        record.Add(RecordName::Constant(field.name), ZeroOf(field.type));
    return record;
}

void ThrowFieldCount(const RecordTypeInfo &type, std::size_t given)
{
    Mismatch(type, std::to_string(type.fields.size()) + " fields, given " + std::to_string(given));
}

Record ConformRecord(const Record &record, const RecordTypeInfo &type)
{
    if (!record.TypeName().empty() && !NamesEqual(record.TypeName(), type.name))
        Mismatch(type, "given a " + PrintableText(record.TypeName().View()));
    if (record.Size() > type.fields.size())
        Mismatch(type, "too many fields");
    Record result = MakeRecord(type);
    std::vector<bool> given(type.fields.size(), false);
    for (std::size_t i = 0; i < record.Size(); ++i) {
        const RecordField &field = record[i];
        std::size_t slot = i;
        if (!field.name.empty()) {
            slot = type.fields.size();
            for (std::size_t k = 0; k < type.fields.size(); ++k)
                if (NamesEqual(field.name, type.fields[k].name))
                    slot = k;
            if (slot == type.fields.size())
                Mismatch(type, "no field " + PrintableText(field.name.View()));
        }
        if (given[slot])
            Mismatch(type, std::string("field ") + type.fields[slot].name + " given twice");
        given[slot] = true;
        result[slot].value = ChangeType(field.value, type.fields[slot].type);
    }
    return result;
}

} // namespace corvane
