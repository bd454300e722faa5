#pragma once

#include "platform/automation/AutomationObject.h"
#include "platform/automation/ClassInfo.h"
#include "platform/automation/EnumInfo.h"

#include <string>

namespace toy
{

using namespace corvane;

// The ProgIDs the test library serves.
inline constexpr const char *kToyProgId = "Corvane.Toy";
inline constexpr const char *kTwinProgId = "Corvane.ToyTwin";

// Dispatch ids of CToy.
enum ToyId : DispId {
    kValue = 0,
    kGreeting = 1,
    kStamp = 2,
    kSelf = 3,
    kCount = 4,
    kSecret = 5,
    kShade = 6,
    kAdd = 0x10,
    kSplitDate = 0x11,
    kJoinParts = 0x12,
    kScale = 0x13,
    kFire = 0x14,
    kFail = 0x15,
    kPing = 1, // event
    kChanged = 2, // event
};

// Dispatch ids of CToyTwin, which lists CToy's two record methods under ids of its own.
enum TwinId : DispId {
    kTwinSplitDate = 0x6003001C,
    kTwinJoinParts = 0x6003001D,
};

// The enumeration the test library publishes: the type of CToy's Shade; one member name is not an
// identifier.
inline constexpr EnumMemberInfo kShadeMembers[] = {{"Light", 0}, {"Dark Grey", 7}};
inline constexpr EnumInfo kToyShade{"ToyShade", "{0D6F3C7E-5B1A-4E27-9C44-2A1B3C4D5E6F}", kShadeMembers};

// A class with a little of everything: properties of several types, a read-only and a write-only
// one, methods with optional and by-reference parameters, a record result, an event with
// by-reference arguments and persistence.
class CToy : public AutomationObject
{
public:
    CToy();
    static const ClassInfo &Info();
    static ObjectHandle Create();

    void InitNew() override;
    void Load(const PropertyBag &bag) override;
    void Save(PropertyBag &bag) const override;

    std::int32_t value = 0;
    std::string greeting = "Hello";
    double stamp = 0;
    std::int32_t fired = 0;
    std::string secret;
    std::int32_t shade = 0;
};

// A second class that shares CToy's date members under other ids, parameter names and help strings.
class CToyTwin : public AutomationObject
{
public:
    CToyTwin();
    static const ClassInfo &Info();
    static ObjectHandle Create();
};

} // namespace toy
