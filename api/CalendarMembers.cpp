#include "CalendarMembers.h"

#include "api/ModPublic.h"
#include "api/QxEnums.h"

namespace corvane::CalendarMembers
{

namespace
{

constexpr RecordFieldInfo kDateNumFields[] = {{"AgrFactYear", VarType::I2},
                                              {"AgrMonth", VarType::I2},
                                              {"AgrDay", VarType::I2},
                                              {"AgrIsLeep", VarType::I2},
                                              {"AgrMonthBound", VarType::I2}};
constexpr RecordFieldInfo kDateStrFields[] = {{"AgrFactYear", VarType::String},
                                              {"AgrMonth", VarType::String},
                                              {"AgrDay", VarType::String}};
constexpr RecordFieldInfo kEraNumFields[] = {{"AgrFactYear", VarType::I2},
                                             {"AgrMonth", VarType::I2},
                                             {"AgrDay", VarType::I2},
                                             {"AgrTime", VarType::I2}};
constexpr RecordFieldInfo kEraStrFields[] = {{"AgrFactYear", VarType::String},
                                             {"AgrMonth", VarType::String},
                                             {"AgrDay", VarType::String},
                                             {"AgrTime", VarType::String}};

// The help strings of the seven methods, and the picker's text for GetsTermDateTime (the blank
// inside it is part of the published text).
constexpr const char *kHelp[7] = {
    "此方法用于将公历日期转换为农历数字日期，如不传入日期，则使用当前日期。",
    "此方法用于将公历日期转换为农历字符串日期，如不传入日期，则使用当前日期。",
    "此方法用于获取节气时间的字符串。如不传年份，则求当前年份，不传节气序数，则求当前节气。",
    "获取指定节气地交节时间。其中包括日期！如不传年份，则求当前年份，不传节气序数，则求当前节气。",
    "返回整型的干支序号。如果不传入日期与时间，则使用当前时间。同时可以设定选项，指定是月份干支还是节气干支。",
    "返回字串型的干支序号。如果不传入日期与时间，则使用当前时间。同时可以设定选项，指定是月份干支还是节气干支。",
    "将指定的农历日期转换为公历。",
};
constexpr const char *kPickerTermDateTimeHelp = "获取指定节气地交节时间。其中包括日期！参数若不传，则使 用当前时间。";

// Omitted arguments count as zero.
double DateArg(const Variant &arg)
{
    return arg.IsMissing() ? 0.0 : arg.Deref().AsDate();
}

std::int16_t I2Arg(const Variant &arg)
{
    return arg.IsMissing() ? std::int16_t(0) : arg.Deref().AsI2();
}

std::int32_t I4Arg(const Variant &arg)
{
    return arg.IsMissing() ? 0 : arg.Deref().AsI4();
}

void CallGetAgrNumDate(AutomationObject &, std::span<Variant> args, Variant &result)
{
    result = ToVariant(ModPublic::GetAgrNumDate(DateArg(args[0])));
}

void CallGetAgrStrDate(AutomationObject &, std::span<Variant> args, Variant &result)
{
    result = ToVariant(ModPublic::GetAgrStrDate(DateArg(args[0])));
}

void CallGetsTermString(AutomationObject &, std::span<Variant> args, Variant &result)
{
    result = Variant(ModPublic::GetsTermString(I2Arg(args[0]), I2Arg(args[1])));
}

void CallGetsTermDateTime(AutomationObject &, std::span<Variant> args, Variant &result)
{
    result = Variant::FromDate(ModPublic::GetsTermDateTime(I2Arg(args[0]), I2Arg(args[1])));
}

void CallGetEraNumber(AutomationObject &, std::span<Variant> args, Variant &result)
{
    result = ToVariant(ModPublic::GetEraNumber(DateArg(args[0]), DateArg(args[1]), I4Arg(args[2])));
}

void CallGetEraString(AutomationObject &, std::span<Variant> args, Variant &result)
{
    result = ToVariant(ModPublic::GetEraString(DateArg(args[0]), DateArg(args[1]), I4Arg(args[2])));
}

void CallAgrDateToUniDate(AutomationObject &, std::span<Variant> args, Variant &result)
{
    result = Variant::FromDate(ModPublic::AgrDateToUniDate(DateNumFromRecord(args[0].Deref().AsRecord())));
}

constexpr std::uint8_t kOptionalByRef = kOptional | kByRef;

constexpr ParamInfo kDateParams[] = {{"CurrDate", types::Date, kOptional}};
constexpr ParamInfo kEraParams[] = {{"CurrDate", types::Date, kOptional},
                                    {"CurTime", types::Date, kOptionalByRef},
                                    {"iMode", types::Enum("EraMode"), kOptionalByRef}};
constexpr ParamInfo kTermParams[] = {{"CurrUniYear", types::I2, kOptional}, {"sterm", types::I2, kOptional}};
constexpr ParamInfo kPickerTermParams[] = {{"CurUniYear", types::I2, kOptional}, {"sterm", types::I2, kOptional}};

} // namespace

const RecordTypeInfo kQxAgrDateNumType{"QxAgrDateNum", kDateNumFields};
const RecordTypeInfo kQxAgrDateStrType{"QxAgrDateStr", kDateStrFields};
const RecordTypeInfo kQxAgrEraNumType{"QxAgrEraNum", kEraNumFields};
const RecordTypeInfo kQxAgrEraStrType{"QxAgrEraStr", kEraStrFields};

namespace
{

const ParamInfo kAgrDateParams[] = {{"CurrAgrDate", types::RecordOf(kQxAgrDateNumType), kByRef}};
const ParamInfo kPickerAgrDateParams[] = {{"CurAgrDate", types::RecordOf(kQxAgrDateNumType), kByRef}};

} // namespace

Variant ToVariant(const QxAgrDateNum &r)
{
    return MakeRecord(kQxAgrDateNumType, r.AgrFactYear, r.AgrMonth, r.AgrDay, r.AgrIsLeep, r.AgrMonthBound);
}

Variant ToVariant(const QxAgrDateStr &r)
{
    return MakeRecord(kQxAgrDateStrType, r.AgrFactYear, r.AgrMonth, r.AgrDay);
}

Variant ToVariant(const QxAgrEraNum &r)
{
    return MakeRecord(kQxAgrEraNumType, r.AgrFactYear, r.AgrMonth, r.AgrDay, r.AgrTime);
}

Variant ToVariant(const QxAgrEraStr &r)
{
    return MakeRecord(kQxAgrEraStrType, r.AgrFactYear, r.AgrMonth, r.AgrDay, r.AgrTime);
}

QxAgrDateNum DateNumFromRecord(const Record &record)
{
    return {record[0].value.AsI2(),
            record[1].value.AsI2(),
            record[2].value.AsI2(),
            record[3].value.AsI2(),
            record[4].value.AsI2()};
}

std::array<MemberInfo, 7> Methods(DispId firstId, Naming naming, HelpSet help)
{
    const bool picker = naming == Naming::Picker;
    std::array<MemberInfo, 7> methods = {
        Method("GetAgrNumDate", firstId, kDateParams, types::RecordOf(kQxAgrDateNumType), CallGetAgrNumDate),
        Method("GetAgrStrDate", firstId + 1, kDateParams, types::RecordOf(kQxAgrDateStrType), CallGetAgrStrDate),
        Method("GetsTermString",
               firstId + 2,
               picker ? std::span<const ParamInfo>(kPickerTermParams) : kTermParams,
               types::String,
               CallGetsTermString),
        Method("GetsTermDateTime",
               firstId + 3,
               picker ? std::span<const ParamInfo>(kPickerTermParams) : kTermParams,
               types::Date,
               CallGetsTermDateTime),
        Method("GetEraNumber", firstId + 4, kEraParams, types::RecordOf(kQxAgrEraNumType), CallGetEraNumber),
        Method("GetEraString", firstId + 5, kEraParams, types::RecordOf(kQxAgrEraStrType), CallGetEraString),
        Method("AgrDateToUniDate",
               firstId + 6,
               picker ? std::span<const ParamInfo>(kPickerAgrDateParams) : kAgrDateParams,
               types::Date,
               CallAgrDateToUniDate),
    };
    if (help == HelpSet::Standard) {
        for (std::size_t i = 0; i < methods.size(); ++i)
            methods[i].help = kHelp[i];
    } else if (help == HelpSet::Picker) {
        for (std::size_t i = 0; i < 4; ++i)
            methods[i].help = kHelp[i];
        methods[3].help = kPickerTermDateTimeHelp;
    }
    return methods;
}

} // namespace corvane::CalendarMembers
