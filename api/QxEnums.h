#pragma once

#include <array>
#include <cstdint>
#include <string_view>

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

struct EnumMember {
    std::string_view name;
    std::int32_t value;
};

struct EnumInfo {
    std::string_view name;
    const EnumMember *members;
    std::size_t count;
};

inline constexpr EnumMember kApperanceMembers[] = {{"Flat", Flat}, {"3D", ThreeD}};
inline constexpr EnumMember kAgrDateStrFormatMembers[] = {
    {"cAD_0000Y00M00D_WEEK", cAD_0000Y00M00D_WEEK},
    {"cAD_0000Y00M00D_AGR_YYXMMXDDX", cAD_0000Y00M00D_AGR_YYXMMXDDX},
    {"cAD_0000Y00M00D_AGR_YYXMMXDDX_WEEK", cAD_0000Y00M00D_AGR_YYXMMXDDX_WEEK},
    {"cAD_0000Y00M00D_AGR_MMXDDX", cAD_0000Y00M00D_AGR_MMXDDX},
    {"cAD_0000Y00M00D_AGR_MMXDDX_WEEK", cAD_0000Y00M00D_AGR_MMXDDX_WEEK},
};
inline constexpr EnumMember kBorderStyleMembers[] = {{"None", None}, {"Fixed Single", FixedSingle}};
inline constexpr EnumMember kEraModeMembers[] = {{"XCAgrMonth", XCAgrMonth}, {"XCAgrTerm", XCAgrTerm}};

// Every published enumeration, in the order the type library lists them.
inline constexpr std::array<EnumInfo, 4> kPublishedEnums = {{
    {"cApperance", kApperanceMembers, std::size(kApperanceMembers)},
    {"cAgrDateStrFormat", kAgrDateStrFormatMembers, std::size(kAgrDateStrFormatMembers)},
    {"cBorderStyle", kBorderStyleMembers, std::size(kBorderStyleMembers)},
    {"EraMode", kEraModeMembers, std::size(kEraModeMembers)},
}};

} // namespace corvane
