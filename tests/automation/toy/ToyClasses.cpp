#include "ToyClasses.h"

#include "platform/automation/PropertyBag.h"
#include "platform/automation/RecordType.h"
#include "platform/automation/VariantCoercion.h"
#include "platform/date/DateValue.h"

namespace toy
{

namespace
{

CToy &Self(AutomationObject &o)
{
    return static_cast<CToy &>(o);
}

// clang-format off
// ToyParts: the parts of a date, five I2 fields.
constexpr RecordFieldInfo kToyPartsFields[] = {
    {"Year", VarType::I2}, {"Month", VarType::I2}, {"Day", VarType::I2},
    {"Weekday", VarType::I2}, {"DayOfYear", VarType::I2},
};
// clang-format on
constexpr RecordTypeInfo kToyParts{"ToyParts", kToyPartsFields};

// The members both classes share; each class gives them its own ids, names and help.
void SplitDate(AutomationObject &, std::span<Variant> args, Variant &result)
{
    using namespace std::chrono;
    const sys_days day = date::DayOf(DateOr(args[0], 0.0));
    const year_month_day ymd{day};
    const auto dayOfYear = (day - sys_days{ymd.year() / January / 1}).count() + 1;
    result = MakeRecord(kToyParts,
                        std::int16_t(int(ymd.year())),
                        std::int16_t(unsigned(ymd.month())),
                        std::int16_t(unsigned(ymd.day())),
                        std::int16_t(weekday{day}.c_encoding() + 1),
                        std::int16_t(dayOfYear));
}

void JoinParts(AutomationObject &, std::span<Variant> args, Variant &result)
{
    const Record &parts = args[0].AsRecord();
    result =
        Variant::FromDate(date::FromYmd(parts.At("Year").AsI2(), parts.At("Month").AsI2(), parts.At("Day").AsI2()));
}

constexpr ParamInfo kSplitParams[] = {{"When", types::Date, kOptional}};
constexpr ParamInfo kJoinParams[] = {{"Parts", types::RecordOf(kToyParts), kByRef}};
constexpr MemberInfo kSplitDateMember = Method("SplitDate",
                                               kSplitDate,
                                               kSplitParams,
                                               types::RecordOf(kToyParts),
                                               SplitDate,
                                               "Splits a date into its parts.");
constexpr MemberInfo kJoinPartsMember =
    Method("JoinParts", kJoinParts, kJoinParams, types::Date, JoinParts, "Joins year, month and day.");

void GetValue(AutomationObject &o, std::span<Variant>, Variant &r)
{
    r = Self(o).value;
}

void PutValue(AutomationObject &o, std::span<Variant> a, Variant &)
{
    Self(o).value = a[0].AsI4();
    Self(o).RaiseEvent(kChanged, {});
}

void GetGreeting(AutomationObject &o, std::span<Variant>, Variant &r)
{
    r = Self(o).greeting;
}

void PutGreeting(AutomationObject &o, std::span<Variant> a, Variant &)
{
    Self(o).greeting = a[0].AsString();
}

void GetStamp(AutomationObject &o, std::span<Variant>, Variant &r)
{
    r = Variant::FromDate(Self(o).stamp);
}

void PutStamp(AutomationObject &o, std::span<Variant> a, Variant &)
{
    Self(o).stamp = a[0].AsDate();
}

void GetSelf(AutomationObject &o, std::span<Variant>, Variant &r)
{
    r = ObjectHandle(&o);
}

void GetCount(AutomationObject &o, std::span<Variant>, Variant &r)
{
    r = Self(o).fired;
}

void PutSecret(AutomationObject &o, std::span<Variant> a, Variant &)
{
    Self(o).secret = a[0].AsString();
}

void GetShade(AutomationObject &o, std::span<Variant>, Variant &r)
{
    r = Self(o).shade;
}

void PutShade(AutomationObject &o, std::span<Variant> a, Variant &)
{
    Self(o).shade = a[0].AsI4();
}

void Add(AutomationObject &, std::span<Variant> a, Variant &r)
{
    r = std::int32_t(a[0].AsI4() + ValueOr(a[1], std::int32_t(0)));
}

void Scale(AutomationObject &, std::span<Variant> a, Variant &)
{
    a[1].Assign(ToR8(a[1]) * a[0].AsR8());
}

void Fire(AutomationObject &o, std::span<Variant> a, Variant &r)
{
    Variant text = a[0];
    Variant cancel = false;
    const Variant args[] = {Variant::Ref(text), Variant::Ref(cancel)};
    ++Self(o).fired;
    o.RaiseEvent(kPing, args);
    r = cancel.AsBool() ? Variant("cancelled") : text;
}

void Fail(AutomationObject &, std::span<Variant> a, Variant &)
{
    throw AutomationError(a[0].AsI4(), "Toy failure " + std::to_string(a[0].AsI4()));
}

constexpr ParamInfo kAddParams[] = {{"A", types::I4}, {"B", types::I4, kOptional}};
constexpr ParamInfo kScaleParams[] = {{"Factor", types::R8}, {"Value", types::R8, kByRef}};
constexpr ParamInfo kFireParams[] = {{"Text", types::String}};
constexpr ParamInfo kFailParams[] = {{"Number", types::I4}};

// clang-format off
constexpr MemberInfo kToyMembers[] = {
    PropertyGet("Value", kValue, types::I4, GetValue, "The default member."),
    PropertyPut("Value", kValue, types::I4, PutValue, "The default member."),
    PropertyGet("Greeting", kGreeting, types::String, GetGreeting),
    PropertyPut("Greeting", kGreeting, types::String, PutGreeting),
    PropertyGet("Stamp", kStamp, types::Date, GetStamp),
    PropertyPut("Stamp", kStamp, types::Date, PutStamp),
    PropertyGet("Self", kSelf, types::ObjectOf("CToy"), GetSelf),
    PropertyGet("Count", kCount, types::I4, GetCount, "Events fired so far."),
    PropertyPut("Secret", kSecret, types::String, PutSecret),
    PropertyGet("Shade", kShade, types::Enum("ToyShade"), GetShade),
    PropertyPut("Shade", kShade, types::Enum("ToyShade"), PutShade),
    Method("Add", kAdd, kAddParams, types::I4, Add, "Adds two numbers; B defaults to 0."),
    kSplitDateMember,
    kJoinPartsMember,
    Method("Scale", kScale, kScaleParams, types::None, Scale, "Multiplies Value by Factor in place."),
    Method("Fire", kFire, kFireParams, types::String, Fire, "Raises Ping and returns the text its sinks leave."),
    Method("Fail", kFail, kFailParams, types::None, Fail),
};
// clang-format on

constexpr ParamInfo kPingParams[] = {{"Text", types::String, kByRef}, {"Cancel", types::Bool, kByRef}};
constexpr EventInfo kToyEvents[] = {
    {"Ping", kPing, kPingParams, "Occurs when Fire is called."},
    {"Changed", kChanged, {}, ""},
};

constexpr ParamInfo kTwinSplitParams[] = {{"Moment", types::Date, kOptional}};
constexpr MemberInfo kTwinMembers[] = {
    Method("SplitDate", kTwinSplitDate, kTwinSplitParams, types::RecordOf(kToyParts), SplitDate, "Parts of a moment."),
    Method("JoinParts", kTwinJoinParts, kJoinParams, types::Date, JoinParts),
};

} // namespace

CToy::CToy()
    : AutomationObject(Info())
{
}

const ClassInfo &CToy::Info()
{
    static constexpr ClassIdentity kIdentity{.className = "Toy",
                                             .classUuid = "{6A0E2B3C-1D4F-4A5B-8C6D-7E8F9A0B1C2D}",
                                             .interfaceUuid = "{6A0E2B3C-1D4F-4A5B-8C6D-7E8F9A0B1C2E}",
                                             .eventsName = "CToyEvents",
                                             .eventsUuid = "{6A0E2B3C-1D4F-4A5B-8C6D-7E8F9A0B1C2F}"};
    static const ClassInfo info("CToy", {kToyMembers}, kToyEvents, "A toy class for the automation tests.", kIdentity);
    return info;
}

ObjectHandle CToy::Create()
{
    return MakeObject<CToy>();
}

void CToy::InitNew()
{
    value = 0;
    greeting = "Hello";
    stamp = 0;
}

void CToy::Load(const PropertyBag &bag)
{
    value = ToI4(bag.Read("Value", 0));
    greeting = ToString(bag.Read("Greeting", "Hello"));
    stamp = ToDate(bag.Read("Stamp", Variant::FromDate(0)));
}

void CToy::Save(PropertyBag &bag) const
{
    bag.Write("Value", value, 0);
    bag.Write("Greeting", greeting, "Hello");
    bag.Write("Stamp", Variant::FromDate(stamp), Variant::FromDate(0));
}

CToyTwin::CToyTwin()
    : AutomationObject(Info())
{
}

const ClassInfo &CToyTwin::Info()
{
    static const ClassInfo info("CToyTwin", {kTwinMembers});
    return info;
}

ObjectHandle CToyTwin::Create()
{
    return MakeObject<CToyTwin>();
}

} // namespace toy
