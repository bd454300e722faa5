#include "StdFont.h"

#include "AutomationError.h"
#include "MemberInfo.h"
#include "PropertyBag.h"
#include "Utf8.h"
#include "VariantCoercion.h"

#include <cmath>
#include <vector>

namespace corvane
{

namespace
{

StdFont &Self(AutomationObject &object)
{
    return static_cast<StdFont &>(object);
}

constexpr float kMaxPoints = 2160.0f; // 30 inches: larger than any text on a screen

// A member pair (get, put) over one getter and one setter of the font.
template<auto Get, auto Put>
std::array<MemberInfo, 2> Property(const char *name, DispId id, TypeDesc type)
{
    return {PropertyGet(
                name,
                id,
                type,
                [](AutomationObject &self, std::span<Variant>, Variant &result) { result = Variant(Get(Self(self))); }),
            PropertyPut(name, id, type, [](AutomationObject &self, std::span<Variant> args, Variant &) {
                Put(Self(self), args[0]);
            })};
}

std::vector<MemberInfo> MakeMembers()
{
    const std::array<MemberInfo, 2> rows[] = {
        Property<[](StdFont &f) { return f.Get().name; }, [](StdFont &f, Variant &v) { f.SetName(v.AsString()); }>(
            "Name",
            0,
            types::String),
        Property<[](StdFont &f) { return f.Get().size; }, [](StdFont &f, Variant &v) { f.SetSize(v.AsR4()); }>(
            "Size",
            2,
            types::R4),
        Property<[](StdFont &f) { return f.Bold(); }, [](StdFont &f, Variant &v) { f.SetBold(v.AsBool()); }>(
            "Bold",
            3,
            types::Bool),
        Property<[](StdFont &f) { return f.Get().italic; }, [](StdFont &f, Variant &v) { f.SetItalic(v.AsBool()); }>(
            "Italic",
            4,
            types::Bool),
        Property<[](StdFont &f) { return f.Get().underline; },
                 [](StdFont &f, Variant &v) { f.SetUnderline(v.AsBool()); }>("Underline", 5, types::Bool),
        Property<[](StdFont &f) { return f.Get().strikethrough; },
                 [](StdFont &f, Variant &v) { f.SetStrikethrough(v.AsBool()); }>("Strikethrough", 6, types::Bool),
        Property<[](StdFont &f) { return f.Get().weight; }, [](StdFont &f, Variant &v) { f.SetWeight(v.AsI2()); }>(
            "Weight",
            7,
            types::I2),
        Property<[](StdFont &f) { return f.Get().charset; }, [](StdFont &f, Variant &v) { f.SetCharset(v.AsI2()); }>(
            "Charset",
            8,
            types::I2),
    };
    std::vector<MemberInfo> members;
    for (const auto &pair : rows)
        members.insert(members.end(), pair.begin(), pair.end());
    return members;
}

void CheckName(const std::string &name)
{
    if (name.empty())
        ThrowInvalidPropertyValue("Name");
}

void CheckSize(float points)
{
    if (!(points > 0.0f && points <= kMaxPoints))
        ThrowInvalidPropertyValue("Size");
}

void CheckWeight(std::int16_t weight)
{
    if (weight < 0 || weight > 1000)
        ThrowInvalidPropertyValue("Weight");
}

StdFont::Description Checked(StdFont::Description font)
{
    CheckName(font.name);
    CheckSize(font.size);
    CheckWeight(font.weight);
    return font;
}

} // namespace

StdFont::StdFont()
    : AutomationObject(Info())
{
}

StdFont::StdFont(Description description)
    : AutomationObject(Info())
    , m_font(Checked(std::move(description)))
{
}

const ClassInfo &StdFont::Info()
{
    static const std::vector<MemberInfo> members = MakeMembers();
    static const ClassInfo info("StdFont", {members});
    return info;
}

void StdFont::SetName(std::string name)
{
    CheckName(name);
    m_font.name = std::move(name);
}

void StdFont::SetSize(float points)
{
    CheckSize(points);
    m_font.size = points;
}

void StdFont::SetWeight(std::int16_t weight)
{
    CheckWeight(weight);
    m_font.weight = weight;
}

void StdFont::Load(const PropertyBag &bag)
{
    Record record("StdFont");
    for (const PropertyBag::Entry &entry : bag.Entries())
        record.Add(entry.key, entry.value);
    m_font = FontFromRecord(record, m_font);
}

void StdFont::Save(PropertyBag &bag) const
{
    bag.Write("Name", Variant(m_font.name));
    bag.Write("Size", Variant(m_font.size));
    bag.Write("Bold", Variant(Bold()));
    bag.Write("Italic", Variant(m_font.italic));
    bag.Write("Underline", Variant(m_font.underline));
    bag.Write("Strikethrough", Variant(m_font.strikethrough));
    bag.Write("Weight", Variant(m_font.weight));
    bag.Write("Charset", Variant(m_font.charset));
}

StdFont::Description FontFromRecord(const Record &record, const StdFont::Description &base)
{
    if (!NamesEqual(record.TypeName().View(), "StdFont"))
        throw AutomationError(ErrorNumber::TypeMismatch,
                              "Type mismatch: a font is a StdFont record, given "
                                  + PrintableText(record.TypeName().View()));
    StdFont::Description font = base;
    std::optional<bool> bold;
    for (const RecordField &field : record.Fields()) {
        const std::string_view name = field.name.View();
        const Variant &value = field.value;
        if (NamesEqual(name, "Name"))
            font.name = ToString(value);
        else if (NamesEqual(name, "Size"))
            font.size = ToR4(value);
        else if (NamesEqual(name, "Bold"))
            bold = ToBool(value);
        else if (NamesEqual(name, "Italic"))
            font.italic = ToBool(value);
        else if (NamesEqual(name, "Underline"))
            font.underline = ToBool(value);
        else if (NamesEqual(name, "Strikethrough"))
            font.strikethrough = ToBool(value);
        else if (NamesEqual(name, "Weight"))
            font.weight = ToI2(value);
        else if (NamesEqual(name, "Charset"))
            font.charset = ToI2(value);
    }
    // A saved Bold that disagrees with the saved weight wins: it is what a user sets.
    if (bold && *bold != (font.weight >= 600))
        font.weight = *bold ? 700 : 400;
    return Checked(std::move(font));
}

} // namespace corvane
