#pragma once

#include "Variant.h"

#include <span>

namespace corvane
{

// The published shape of a record type: its name and its fields in order. Declared as constants
// next to the members that take or return the record.
struct RecordFieldInfo {
    const char *name;
    VarType type;
};

struct RecordTypeInfo {
    const char *name;
    std::span<const RecordFieldInfo> fields;
};

[[noreturn]] void ThrowFieldCount(const RecordTypeInfo &type, std::size_t given);

// A record of this type with every field zero, false, the zero date or "". The record borrows the
// type's names (the type must outlive it: declare it as a constant).
Record MakeRecord(const RecordTypeInfo &type);
// A record of this type with one value per field, in order, taken as they are (their types should
// be the declared ones): MakeRecord(kQxAgrDateNumType, year, month, day, leap, slot). A count that
// differs from the type's is error 13.
template<class... Values>
Record MakeRecord(const RecordTypeInfo &type, Values &&...values)
{
    if (sizeof...(Values) != type.fields.size())
        ThrowFieldCount(type, sizeof...(Values));
    Record record(RecordName::Constant(type.name));
    record.Reserve(sizeof...(Values));
    std::size_t i = 0;
    (record.Emplace(RecordName::Constant(type.fields[i++].name), std::forward<Values>(values)), ...);
    return record;
}

// The record brought into the declared shape: the type name must match (ASCII case-insensitive;
// an unnamed record is taken as this type), named fields are matched by name, unnamed ones by
// position, each is converted to its declared type and fields not given are zero. A different type
// name, an unknown or repeated field, or too many fields is error 13; conversions may fail with 13 or 6.
Record ConformRecord(const Record &record, const RecordTypeInfo &type);

} // namespace corvane
