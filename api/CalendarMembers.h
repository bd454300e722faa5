#pragma once

#include "api/QxRecords.h"
#include "platform/automation/MemberInfo.h"
#include "platform/automation/RecordType.h"

#include <array>

// The seven calendar methods as automation members, shared by CQxCal and every control: one
// definition of their parameters, types, help strings and accessors. The accessors ignore the object
// they are called on: the methods depend on no object state.
namespace corvane::CalendarMembers
{

// The published record types.
extern const RecordTypeInfo kQxAgrDateNumType;
extern const RecordTypeInfo kQxAgrDateStrType;
extern const RecordTypeInfo kQxAgrEraNumType;
extern const RecordTypeInfo kQxAgrEraStrType;

Variant ToVariant(const QxAgrDateNum &record);
Variant ToVariant(const QxAgrDateStr &record);
Variant ToVariant(const QxAgrEraNum &record);
Variant ToVariant(const QxAgrEraStr &record);
// A record already conformed to kQxAgrDateNumType (fields in order).
QxAgrDateNum DateNumFromRecord(const Record &record);

// Parameter names: most classes say CurrUniYear and CurrAgrDate; the drop-down picker says CurUniYear
// and CurAgrDate.
enum class Naming {
    Standard,
    Picker,
};

// Help strings: none (CQxCal), all seven (the month control and the spin editors), or the picker's
// set (the first four, with its own text for GetsTermDateTime).
enum class HelpSet {
    None,
    Standard,
    Picker,
};

// The seven methods in interface order - GetAgrNumDate, GetAgrStrDate, GetsTermString,
// GetsTermDateTime, GetEraNumber, GetEraString, AgrDateToUniDate - with dispatch ids firstId,
// firstId + 1, ... A class keeps the array in static storage and passes it to its ClassInfo.
std::array<MemberInfo, 7> Methods(DispId firstId, Naming naming, HelpSet help);

} // namespace corvane::CalendarMembers
