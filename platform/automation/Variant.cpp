#include "Variant.h"

#include "AutomationError.h"
#include "VariantCoercion.h"

#include <algorithm>
#include <ostream>

namespace corvane
{

std::string_view TypeName(VarType type)
{
    switch (type) {
    case VarType::Empty:
        return "Empty";
    case VarType::I2:
        return "I2";
    case VarType::I4:
        return "I4";
    case VarType::R4:
        return "R4";
    case VarType::R8:
        return "R8";
    case VarType::Date:
        return "Date";
    case VarType::Bool:
        return "Bool";
    case VarType::String:
        return "String";
    case VarType::Record:
        return "Record";
    case VarType::Object:
        return "Object";
    case VarType::Missing:
        return "Missing";
    case VarType::Variant:
        return "Variant";
    }
    return "?";
}

bool NamesEqual(std::string_view a, std::string_view b) noexcept
{
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

// ---- Record

void RecordName::Own(std::string_view text)
{
    char *copy = new char[text.size() + 1];
    text.copy(copy, text.size());
    copy[text.size()] = '\0';
    m_text = copy;
    m_size = std::uint32_t(text.size());
    m_owned = true;
}

std::ostream &operator<<(std::ostream &out, const RecordName &name)
{
    return out << name.View();
}

const RecordField &Record::operator[](std::size_t index) const
{
    if (index >= m_fields.size())
        throw AutomationError(ErrorNumber::SubscriptOutOfRange);
    return m_fields[index];
}

RecordField &Record::operator[](std::size_t index)
{
    if (index >= m_fields.size())
        throw AutomationError(ErrorNumber::SubscriptOutOfRange);
    return m_fields[index];
}

const Variant *Record::Find(std::string_view name) const
{
    for (const RecordField &field : m_fields)
        if (NamesEqual(field.name, name))
            return &field.value;
    return nullptr;
}

Variant *Record::Find(std::string_view name)
{
    return const_cast<Variant *>(std::as_const(*this).Find(name));
}

const Variant &Record::At(std::string_view name) const
{
    if (const Variant *value = Find(name))
        return *value;
    throw AutomationError(ErrorNumber::SubscriptOutOfRange,
                          "Subscript out of range: " + m_type.Str() + " has no field " + std::string(name));
}

bool operator==(const Record &a, const Record &b)
{
    return a.m_type == b.m_type && a.m_fields == b.m_fields;
}

// ---- Variant

void Variant::ThrowMismatch(VarType expected) const
{
    throw AutomationError(ErrorNumber::TypeMismatch,
                          "Type mismatch: expected " + std::string(TypeName(expected)) + ", found "
                              + std::string(TypeName(Type())));
}

void Variant::Assign(const Variant &value)
{
    if (!IsByRef()) {
        *this = value.Deref();
        return;
    }
    Variant &target = Deref();
    const VarType type = target.Type();
    if (type == VarType::Empty || type == VarType::Missing || type == value.Type())
        target = value.Deref();
    else
        target = ChangeType(value, type);
}

bool operator==(const Variant &left, const Variant &right)
{
    const Variant &a = left.Deref();
    const Variant &b = right.Deref();
    if (a.m_tag != b.m_tag)
        return false;
    switch (a.m_tag) {
    case Variant::Tag::I2:
        return a.m_i2 == b.m_i2;
    case Variant::Tag::I4:
        return a.m_i4 == b.m_i4;
    case Variant::Tag::R4:
        return a.m_r4 == b.m_r4;
    case Variant::Tag::R8:
    case Variant::Tag::Date:
        return a.m_r8 == b.m_r8;
    case Variant::Tag::Bool:
        return a.m_bool == b.m_bool;
    case Variant::Tag::String:
        return a.m_str == b.m_str;
    case Variant::Tag::Record:
        return a.m_rec == b.m_rec;
    case Variant::Tag::Object:
        return a.m_obj == b.m_obj;
    default: // Empty and Missing; a reference never refers to a reference
        return true;
    }
}

} // namespace corvane
