#include "ObjectText.h"

#include "platform/automation/AbiVariant.h"
#include "platform/automation/Variant.h"
#include "platform/date/DateFormat.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace corvobj
{

namespace
{

template<class T>
std::string Number(T value)
{
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

void AppendDisplay(std::string &out, const corv_variant &source)
{
    const corv_variant &v = (source.flags & CORV_VF_BYREF) && source.u.ref ? *source.u.ref : source;
    switch (v.type) {
    case CORV_VT_EMPTY:
        out += "Empty";
        return;
    case CORV_VT_MISSING:
        out += "Missing";
        return;
    case CORV_VT_I2:
        out += std::to_string(v.u.i2);
        return;
    case CORV_VT_I4:
        out += std::to_string(v.u.i4);
        return;
    case CORV_VT_R4:
        out += Number(v.u.r4);
        return;
    case CORV_VT_R8:
        out += Number(v.u.r8);
        return;
    case CORV_VT_DATE:
        // The automation date range; other values have no calendar date to show.
        if (std::isfinite(v.u.date) && v.u.date > -657435.0 && v.u.date < 2958466.0)
            out += corvane::date::GeneralText(v.u.date);
        else
            out += "date:" + Number(v.u.date);
        return;
    case CORV_VT_BOOL:
        out += v.u.boolean ? "True" : "False";
        return;
    case CORV_VT_STRING:
        out.append(v.u.str.data ? v.u.str.data : "", v.u.str.length);
        return;
    case CORV_VT_RECORD:
        out += v.u.rec.type_name ? v.u.rec.type_name : "";
        out.push_back('{');
        for (std::size_t i = 0; v.u.rec.fields && i < v.u.rec.count; ++i) {
            if (i)
                out += ", ";
            if (v.u.rec.fields[i].name && *v.u.rec.fields[i].name) {
                out += v.u.rec.fields[i].name;
                out.push_back('=');
            }
            AppendDisplay(out, v.u.rec.fields[i].value);
        }
        out.push_back('}');
        return;
    case CORV_VT_OBJECT: {
        const corv_class_desc *cls = nullptr;
        if (!v.u.obj)
            out += "Nothing";
        else if (corv_object_class(v.u.obj, &cls) == 0 && cls && cls->name)
            out += std::string("<object ") + cls->name + ">";
        else
            out += "<object>";
        return;
    }
    default:
        out += "<type " + std::to_string(v.type) + ">";
    }
}

} // namespace

std::string DisplayValue(const corv_variant &value)
{
    std::string out;
    AppendDisplay(out, value);
    return out;
}

std::string TypeText(std::uint16_t type, const char *typeName)
{
    if (typeName && *typeName)
        return typeName;
    return std::string(corvane::TypeName(corvane::VarType(type)));
}

std::string DescribeMember(const corv_member_desc &m)
{
    static const char *const kKinds[] = {"event", "method", "get", "?", "put", "?", "?", "?", "putref"};
    char id[16];
    std::snprintf(id, sizeof id, "0x%08X", static_cast<unsigned>(m.dispid));
    std::string line = std::string(id) + "  ";
    std::string kind = m.kind >= 0 && m.kind <= 8 ? kKinds[m.kind] : "?";
    kind.resize(7, ' ');
    line += kind + m.name + "(";
    for (std::size_t i = 0; i < m.param_count; ++i) {
        const corv_param_desc &p = m.params[i];
        if (i)
            line += ", ";
        std::string param = std::string(p.byref ? "ByRef " : "") + p.name + " As " + TypeText(p.type, p.type_name);
        line += p.optional ? "[" + param + "]" : param;
    }
    const bool put = m.kind == CORV_PROPERTY_PUT || m.kind == CORV_PROPERTY_PUTREF;
    if (put)
        line += std::string(m.param_count ? ", " : "") + "value As " + TypeText(m.type, m.type_name);
    line += ")";
    if (!put && m.kind != CORV_EVENT && m.type != CORV_VT_EMPTY)
        line += " As " + TypeText(m.type, m.type_name);
    if (m.help && *m.help)
        line += std::string("  -- ") + m.help;
    return line;
}

std::string DescribeEnum(const corv_enum_desc &e)
{
    std::string line = std::string(e.name) + " " + e.uuid + ":";
    for (std::size_t i = 0; i < e.member_count; ++i)
        line += std::string(i ? ", " : " ") + e.members[i].name + " = " + std::to_string(e.members[i].value);
    return line;
}

std::string DescribeIdentity(const corv_class_identity &id)
{
    std::string lines = std::string("class ") + id.class_name + " " + id.class_uuid + "\n";
    lines += std::string("interface ") + id.interface_name + " " + id.interface_uuid + "\n";
    if (id.events_name && *id.events_name)
        lines += std::string("events ") + id.events_name + " " + id.events_uuid + "\n";
    return lines;
}

} // namespace corvobj
