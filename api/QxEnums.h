#pragma once

#include "platform/automation/EnumInfo.h"

#include <array>
#include <cstdint>

namespace corvane
{

// The published enumerations (32-bit values). Two published member names are not C++ identifiers
// ("3D", "Fixed Single"); the source spells them ThreeD and FixedSingle, and the type library carries
// the published names from the tables below.

enum cApperance : std::int32_t {
    Flat = 0,
    ThreeD = 1, // published as "3D"
};

enum cAgrDateStrFormat : std::int32_t {
    cAD_0000Y00M00D_WEEK = 0,
    cAD_0000Y00M00D_AGR_YYXMMXDDX = 1,
    cAD_0000Y00M00D_AGR_YYXMMXDDX_WEEK = 2,
    cAD_0000Y00M00D_AGR_MMXDDX = 3,
    cAD_0000Y00M00D_AGR_MMXDDX_WEEK = 4,
};

enum cBorderStyle : std::int32_t {
    None = 0,
    FixedSingle = 1, // published as "Fixed Single"
};

enum EraMode : std::int32_t {
    XCAgrMonth = 0,
    XCAgrTerm = 1,
};

inline constexpr EnumMemberInfo kApperanceMembers[] = {{"Flat", Flat}, {"3D", ThreeD}};
inline constexpr EnumMemberInfo kAgrDateStrFormatMembers[] = {
    {"cAD_0000Y00M00D_WEEK", cAD_0000Y00M00D_WEEK},
    {"cAD_0000Y00M00D_AGR_YYXMMXDDX", cAD_0000Y00M00D_AGR_YYXMMXDDX},
    {"cAD_0000Y00M00D_AGR_YYXMMXDDX_WEEK", cAD_0000Y00M00D_AGR_YYXMMXDDX_WEEK},
    {"cAD_0000Y00M00D_AGR_MMXDDX", cAD_0000Y00M00D_AGR_MMXDDX},
    {"cAD_0000Y00M00D_AGR_MMXDDX_WEEK", cAD_0000Y00M00D_AGR_MMXDDX_WEEK},
};
inline constexpr EnumMemberInfo kBorderStyleMembers[] = {{"None", None}, {"Fixed Single", FixedSingle}};
inline constexpr EnumMemberInfo kEraModeMembers[] = {{"XCAgrMonth", XCAgrMonth}, {"XCAgrTerm", XCAgrTerm}};

// Every published enumeration, in the order the type library lists them, each under its fixed UUID.
inline constexpr std::array<EnumInfo, 4> kPublishedEnums = {{
    {"cApperance", "{B52EE32B-847B-4C8C-BB05-9204EDC6D87F}", kApperanceMembers},
    {"cAgrDateStrFormat", "{EC3B9B17-6CE4-485A-A9D7-7A000F4F3C6F}", kAgrDateStrFormatMembers},
    {"cBorderStyle", "{BDD0A8B3-F4BB-4C19-9D59-CE97D003F807}", kBorderStyleMembers},
    {"EraMode", "{6FCE47F3-1B52-49A3-B972-230C60682624}", kEraModeMembers},
}};

} // namespace corvane
