#pragma once

#include "corvane/corvane.h"

#include <string>

namespace corvobj
{

// A value as corvobj prints it: numbers plainly, booleans True/False, dates "YYYY-MM-DD HH:MM:SS",
// strings as they are (also inside records), records Name{Field=value, ...}, objects <object Class>.
std::string DisplayValue(const corv_variant &value);

// "I2", "Date", or the published name of an enumeration, record or object type.
std::string TypeText(std::uint16_t type, const char *typeName);

// One line of the member list: dispatch id in hex, kind, name, parameters with names and types,
// result type and help string.
std::string DescribeMember(const corv_member_desc &member);

// One line for an enumeration: "EraMode {UUID}: XCAgrMonth = 0, XCAgrTerm = 1".
std::string DescribeEnum(const corv_enum_desc &e);

// The lines of a class's identities ("class QxMonth {UUID}", "interface ...", "events ..."), each
// ending in a line break; no events line for a class without events.
std::string DescribeIdentity(const corv_class_identity &id);

} // namespace corvobj
