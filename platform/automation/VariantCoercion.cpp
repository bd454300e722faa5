#include "VariantCoercion.h"

#include "AutomationError.h"
#include "DateText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace corvane
{

namespace
{

// The automation date range: 0100-01-01 to 9999-12-31 23:59:59.
constexpr double kDateLowerBound = -657435.0; // exclusive
constexpr double kDateUpperBound = 2958466.0; // exclusive

[[noreturn]] void Mismatch(const Variant &value, VarType to)
{
    throw AutomationError(ErrorNumber::TypeMismatch,
                          "Type mismatch: cannot convert " + std::string(TypeName(value.Type())) + " to "
                              + std::string(TypeName(to)));
}

[[noreturn]] void Overflow(VarType to)
{
    throw AutomationError(ErrorNumber::Overflow, "Overflow: value out of range for " + std::string(TypeName(to)));
}

std::string_view Trim(std::string_view text)
{
    const auto space = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<double> ParseNumber(std::string_view text)
{
    text = Trim(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Every convertible scalar as a double, for the numeric targets. Strings that are no number are
// error 13 for the target `to`.
double NumericValue(const Variant &value, VarType to)
{
    switch (value.Type()) {
    case VarType::Empty:
        return 0;
    case VarType::I2:
        return value.AsI2();
    case VarType::I4:
        return value.AsI4();
    case VarType::R4:
        return value.AsR4();
    case VarType::R8:
        return value.AsR8();
    case VarType::Date:
        return value.AsDate();
    case VarType::Bool:
        return value.AsBool() ? -1 : 0;
    case VarType::String:
        if (const auto number = ParseNumber(value.AsString()))
            return *number;
        if (to == VarType::Date)
            if (const auto date = ParseIsoDate(Trim(value.AsString())))
                return *date;
        break;
    default:
        break;
    }
    Mismatch(value, to);
}

std::string NumberText(double value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string NumberText(float value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

} // namespace

std::int64_t RoundToInteger(double value, std::int64_t min, std::int64_t max)
{
    if (!std::isfinite(value))
        throw AutomationError(ErrorNumber::Overflow);
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0))
        whole += 1;
    if (whole < double(min) || whole > double(max))
        throw AutomationError(ErrorNumber::Overflow);
    return std::int64_t(whole);
}

std::int16_t ToI2(const Variant &value)
{
    if (value.Type() == VarType::I2)
        return value.AsI2();
    try {
        return std::int16_t(RoundToInteger(NumericValue(value, VarType::I2), -32768, 32767));
    } catch (const AutomationError &e) {
        if (e.number() == int(ErrorNumber::Overflow))
            Overflow(VarType::I2);
        throw;
    }
}

std::int32_t ToI4(const Variant &value)
{
    if (value.Type() == VarType::I4)
        return value.AsI4();
    try {
        return std::int32_t(RoundToInteger(NumericValue(value, VarType::I4),
                                           std::numeric_limits<std::int32_t>::min(),
                                           std::numeric_limits<std::int32_t>::max()));
    } catch (const AutomationError &e) {
        if (e.number() == int(ErrorNumber::Overflow))
            Overflow(VarType::I4);
        throw;
    }
}

float ToR4(const Variant &value)
{
    if (value.Type() == VarType::R4)
        return value.AsR4();
    const double number = NumericValue(value, VarType::R4);
    if (std::fabs(number) > double(std::numeric_limits<float>::max()))
        Overflow(VarType::R4);
    return float(number);
}

double ToR8(const Variant &value)
{
    return NumericValue(value, VarType::R8);
}

double ToDate(const Variant &value)
{
    const double days = NumericValue(value, VarType::Date);
    if (!(days > kDateLowerBound && days < kDateUpperBound))
        Overflow(VarType::Date);
    return days;
}

bool ToBool(const Variant &value)
{
    if (value.Type() == VarType::String) {
        const std::string_view text = Trim(value.AsString());
        if (NamesEqual(text, "true"))
            return true;
        if (NamesEqual(text, "false"))
            return false;
    }
    return NumericValue(value, VarType::Bool) != 0;
}

std::string ToString(const Variant &value)
{
    switch (value.Type()) {
    case VarType::Empty:
        return {};
    case VarType::I2:
        return std::to_string(value.AsI2());
    case VarType::I4:
        return std::to_string(value.AsI4());
    case VarType::R4:
        return NumberText(value.AsR4());
    case VarType::R8:
        return NumberText(value.AsR8());
    case VarType::Date:
        return FormatIsoDate(ToDate(value), ' ');
    case VarType::Bool:
        return value.AsBool() ? "True" : "False";
    case VarType::String:
        return value.AsString();
    default:
        Mismatch(value, VarType::String);
    }
}

Variant ChangeType(const Variant &value, VarType type)
{
    switch (type) {
    case VarType::I2:
        return ToI2(value);
    case VarType::I4:
        return ToI4(value);
    case VarType::R4:
        return ToR4(value);
    case VarType::R8:
        return ToR8(value);
    case VarType::Date:
        return Variant::FromDate(ToDate(value));
    case VarType::Bool:
        return ToBool(value);
    case VarType::String:
        return ToString(value);
    case VarType::Variant:
        return value.Deref();
    default:
        if (value.Type() == type && type != VarType::Missing)
            return value.Deref();
        Mismatch(value, type);
    }
}

std::int16_t ValueOr(const Variant &arg, std::int16_t fallback)
{
    return arg.IsMissing() ? fallback : ToI2(arg);
}

std::int32_t ValueOr(const Variant &arg, std::int32_t fallback)
{
    return arg.IsMissing() ? fallback : ToI4(arg);
}

float ValueOr(const Variant &arg, float fallback)
{
    return arg.IsMissing() ? fallback : ToR4(arg);
}

double ValueOr(const Variant &arg, double fallback)
{
    return arg.IsMissing() ? fallback : ToR8(arg);
}

bool ValueOr(const Variant &arg, bool fallback)
{
    return arg.IsMissing() ? fallback : ToBool(arg);
}

std::string ValueOr(const Variant &arg, std::string fallback)
{
    return arg.IsMissing() ? fallback : ToString(arg);
}

double DateOr(const Variant &arg, double fallback)
{
    return arg.IsMissing() ? fallback : ToDate(arg);
}

bool ValuesEqual(const Variant &a, const Variant &b)
{
    const auto numeric = [](VarType t) {
        return t == VarType::I2 || t == VarType::I4 || t == VarType::R4 || t == VarType::R8 || t == VarType::Date
            || t == VarType::Bool;
    };
    const VarType ta = a.Type();
    const VarType tb = b.Type();
    if (numeric(ta) && numeric(tb))
        return NumericValue(a, VarType::R8) == NumericValue(b, VarType::R8);
    if (ta != tb)
        return false;
    if (ta == VarType::Record) {
        const Record &ra = a.AsRecord();
        const Record &rb = b.AsRecord();
        if (ra.TypeName() != rb.TypeName() || ra.Size() != rb.Size())
            return false;
        for (std::size_t i = 0; i < ra.Size(); ++i)
            if (ra[i].name != rb[i].name || !ValuesEqual(ra[i].value, rb[i].value))
                return false;
        return true;
    }
    return a == b;
}

} // namespace corvane
