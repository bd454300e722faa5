#pragma once

#include "ObjectPtr.h"

#include <cstdint>
#include <iosfwd>
#include <new>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvane
{

class AutomationObject;
class Variant;
struct RecordField;

// The value types of the automation layer. The numbers are the C ABI's type tags.
enum class VarType : std::uint16_t {
    Empty = 0,
    I2 = 1,
    I4 = 2,
    R4 = 3,
    R8 = 4,
    Date = 5, // days since 1899-12-30 00:00 as a double, the fraction being the time of day
    Bool = 6,
    String = 7, // UTF-8
    Record = 8,
    Object = 9,
    Missing = 10, // an omitted optional argument
    Variant = 0xFF, // in member descriptions only: a parameter that takes whatever it is given
};

// "I2", "Date", ... as the tools print them.
std::string_view TypeName(VarType type);

// The name of a record type or field: either a constant that lives as long as the program (the
// names of a declared record type, which records built from that type borrow instead of copying) or
// a copy of its own.
class RecordName
{
public:
    RecordName() noexcept = default;
    RecordName(std::string_view text) { Own(text); }
    RecordName(const std::string &text) { Own(text); }
    RecordName(const char *text) { Own(text ? std::string_view(text) : std::string_view()); }
    static RecordName Constant(const char *text) noexcept
    {
        RecordName name;
        name.m_text = text ? text : "";
        return name;
    }
    RecordName(const RecordName &other)
    {
        if (other.m_owned)
            Own(other.View());
        else
            m_text = other.m_text;
    }
    RecordName(RecordName &&other) noexcept
        : m_text(std::exchange(other.m_text, ""))
        , m_size(std::exchange(other.m_size, 0))
        , m_owned(std::exchange(other.m_owned, false))
    {
    }
    RecordName &operator=(RecordName other) noexcept
    {
        std::swap(m_text, other.m_text);
        std::swap(m_size, other.m_size);
        std::swap(m_owned, other.m_owned);
        return *this;
    }
    ~RecordName()
    {
        if (m_owned)
            delete[] m_text;
    }

    std::string_view View() const noexcept
    {
        return m_owned ? std::string_view(m_text, m_size) : std::string_view(m_text);
    }
    operator std::string_view() const noexcept { return View(); }
    std::string Str() const { return std::string(View()); }
    // NUL-terminated.
    const char *CStr() const noexcept { return m_text; }
    bool IsConstant() const noexcept { return !m_owned; }
    bool empty() const noexcept { return *m_text == '\0'; }

    // One overload per kind of operand, so that no comparison needs a conversion to choose.
    friend bool operator==(const RecordName &a, std::string_view b) noexcept { return a.View() == b; }
    friend bool operator==(const RecordName &a, const RecordName &b) noexcept { return a.View() == b.View(); }
    friend bool operator==(const RecordName &a, const std::string &b) noexcept { return a.View() == b; }
    friend bool operator==(const RecordName &a, const char *b) noexcept { return a.View() == b; }
    friend std::ostream &operator<<(std::ostream &out, const RecordName &name);

private:
    void Own(std::string_view text);

    const char *m_text = "";
    std::uint32_t m_size = 0; // of an owned copy; a constant's is found when asked
    bool m_owned = false;
};

// A user-defined type travelling by value: a type name and named fields in declaration order. Fields
// built from positional literals may have empty names until a declared record type names them.
// Records of a declared type are best built with MakeRecord (RecordType.h), which borrows the names.
class Record
{
public:
    Record() = default;
    // Defined below, where RecordField is complete (clang instantiates the field vector's members
    // where an inline body stands).
    inline explicit Record(RecordName typeName) noexcept;
    inline Record(const Record &);
    inline Record(Record &&) noexcept;
    inline Record &operator=(const Record &);
    inline Record &operator=(Record &&) noexcept;
    inline ~Record();

    const RecordName &TypeName() const { return m_type; }
    inline std::size_t Size() const;
    inline std::span<const RecordField> Fields() const;
    inline std::span<RecordField> Fields();
    // A missing field is error 9.
    const RecordField &operator[](std::size_t index) const;
    RecordField &operator[](std::size_t index);

    // Appends a field and returns its value.
    inline Variant &Add(RecordName name, Variant value);
    // Appends a field whose value is made in place from value.
    template<class Value>
    Variant &Emplace(RecordName name, Value &&value);
    inline void Reserve(std::size_t count);
    // The field of that name (ASCII case-insensitive), or nullptr.
    const Variant *Find(std::string_view name) const;
    Variant *Find(std::string_view name);
    // As Find, but a missing field is error 9.
    const Variant &At(std::string_view name) const;

    friend bool operator==(const Record &a, const Record &b);

private:
    RecordName m_type;
    std::vector<RecordField> m_fields;
};

using ObjectHandle = ObjectPtr<AutomationObject>;

// A tagged automation value. Copies are deep (records) or share the object (objects). A by-reference
// variant refers to a Variant its creator owns and keeps alive; reading it reads the target, and
// Assign writes through it, keeping the target's type.
class Variant
{
public:
    Variant() noexcept
        : m_r8(0)
    {
    }
    Variant(std::int16_t value) noexcept
        : m_i2(value)
        , m_tag(Tag::I2)
    {
    }
    Variant(std::int32_t value) noexcept
        : m_i4(value)
        , m_tag(Tag::I4)
    {
    }
    Variant(float value) noexcept
        : m_r4(value)
        , m_tag(Tag::R4)
    {
    }
    Variant(double value) noexcept // R8; dates are made with FromDate
        : m_r8(value)
        , m_tag(Tag::R8)
    {
    }
    Variant(bool value) noexcept
        : m_bool(value)
        , m_tag(Tag::Bool)
    {
    }
    Variant(const char *utf8)
        : Variant(std::string(utf8 ? utf8 : ""))
    {
    }
    Variant(std::string utf8) noexcept
        : m_str(std::move(utf8))
        , m_tag(Tag::String)
    {
    }
    Variant(std::string_view utf8)
        : Variant(std::string(utf8))
    {
    }
    Variant(Record record) noexcept
        : m_rec(std::move(record))
        , m_tag(Tag::Record)
    {
    }
    Variant(ObjectHandle object) noexcept // a null handle is the "no object" value
        : m_obj(std::move(object))
        , m_tag(Tag::Object)
    {
    }
    // Other pointers would silently become Bool.
    template<class T>
    Variant(T *) = delete;

    Variant(const Variant &other) { CopyFrom(other); }
    Variant(Variant &&other) noexcept { MoveFrom(other); }
    Variant &operator=(const Variant &other)
    {
        if (this != &other) {
            Variant copy(other);
            Reset();
            MoveFrom(copy);
        }
        return *this;
    }
    Variant &operator=(Variant &&other) noexcept
    {
        if (this != &other) {
            Reset();
            MoveFrom(other);
        }
        return *this;
    }
    ~Variant() { Reset(); }

    static Variant FromDate(double days) noexcept
    {
        Variant v(days);
        v.m_tag = Tag::Date;
        return v;
    }
    static Variant MissingArg() noexcept
    {
        Variant v;
        v.m_tag = Tag::Missing;
        return v;
    }
    // The "no object" value: an Object variant with a null handle.
    static Variant Nothing() noexcept { return Variant(ObjectHandle()); }
    // A by-reference variant to target (to target's own target when target is by-reference itself).
    static Variant Ref(Variant &target) noexcept
    {
        Variant v;
        v.m_ref = &target.Deref();
        v.m_tag = Tag::Ref;
        return v;
    }

    // The type of the value, the referenced value's for a by-reference variant.
    VarType Type() const noexcept { return static_cast<VarType>(Deref().m_tag); }
    bool IsByRef() const noexcept { return m_tag == Tag::Ref; }
    bool IsMissing() const noexcept { return Type() == VarType::Missing; }
    // The referenced variant, or this one.
    const Variant &Deref() const noexcept { return m_tag == Tag::Ref ? *m_ref : *this; }
    Variant &Deref() noexcept { return m_tag == Tag::Ref ? *m_ref : *this; }

    // Typed access without conversion: a value of another type is error 13 (see VariantCoercion.h
    // for converting access).
    std::int16_t AsI2() const { return Expect(Tag::I2).m_i2; }
    std::int32_t AsI4() const { return Expect(Tag::I4).m_i4; }
    float AsR4() const { return Expect(Tag::R4).m_r4; }
    double AsR8() const { return Expect(Tag::R8).m_r8; }
    double AsDate() const { return Expect(Tag::Date).m_r8; }
    bool AsBool() const { return Expect(Tag::Bool).m_bool; }
    const std::string &AsString() const { return Expect(Tag::String).m_str; }
    const Record &AsRecord() const { return Expect(Tag::Record).m_rec; }
    Record &AsRecord() { return const_cast<Record &>(Expect(Tag::Record).m_rec); }
    const ObjectHandle &AsObject() const { return Expect(Tag::Object).m_obj; }

    // On a by-reference variant: converts value to the target's type (errors 13 and 6 leave the
    // target unchanged) and stores it there; an empty or missing target takes the value as it is. On
    // any other variant: plain assignment.
    void Assign(const Variant &value);

    // Same type and same value (records field by field, objects by identity); by-reference variants
    // compare their targets.
    friend bool operator==(const Variant &a, const Variant &b);

private:
    // VarType's values, and one more for by-reference variants.
    enum class Tag : std::uint8_t {
        Empty = 0,
        I2 = 1,
        I4 = 2,
        R4 = 3,
        R8 = 4,
        Date = 5,
        Bool = 6,
        String = 7,
        Record = 8,
        Object = 9,
        Missing = 10,
        Ref = 11,
    };

    const Variant &Expect(Tag tag) const
    {
        const Variant &v = Deref();
        if (v.m_tag != tag)
            ThrowMismatch(VarType(tag));
        return v;
    }
    [[noreturn]] void ThrowMismatch(VarType expected) const;

    // The three alternatives that own something; the rest are plain values.
    void Reset() noexcept
    {
        switch (m_tag) {
        case Tag::String:
            m_str.~basic_string();
            break;
        case Tag::Record:
            m_rec.~Record();
            break;
        case Tag::Object:
            m_obj.~ObjectPtr();
            break;
        default:
            break;
        }
        m_tag = Tag::Empty;
    }
    // Both expect *this to hold nothing (constructed empty or Reset).
    void CopyFrom(const Variant &other)
    {
        switch (other.m_tag) {
        case Tag::String:
            new (&m_str) std::string(other.m_str);
            break;
        case Tag::Record:
            new (&m_rec) Record(other.m_rec);
            break;
        case Tag::Object:
            new (&m_obj) ObjectHandle(other.m_obj);
            break;
        default:
            CopyPlain(other);
            break;
        }
        m_tag = other.m_tag;
    }
    void MoveFrom(Variant &other) noexcept
    {
        switch (other.m_tag) {
        case Tag::String:
            new (&m_str) std::string(std::move(other.m_str));
            break;
        case Tag::Record:
            new (&m_rec) Record(std::move(other.m_rec));
            break;
        case Tag::Object:
            new (&m_obj) ObjectHandle(std::move(other.m_obj));
            break;
        default:
            CopyPlain(other);
            break;
        }
        m_tag = other.m_tag;
    }
    void CopyPlain(const Variant &other) noexcept
    {
        switch (other.m_tag) {
        case Tag::I2:
            m_i2 = other.m_i2;
            break;
        case Tag::I4:
            m_i4 = other.m_i4;
            break;
        case Tag::R4:
            m_r4 = other.m_r4;
            break;
        case Tag::Bool:
            m_bool = other.m_bool;
            break;
        case Tag::Ref:
            m_ref = other.m_ref;
            break;
        default: // R8, Date, and the value-less Empty and Missing
            m_r8 = other.m_r8;
            break;
        }
    }

    union {
        std::int16_t m_i2;
        std::int32_t m_i4;
        float m_r4;
        double m_r8; // R8 and Date
        bool m_bool;
        Variant *m_ref;
        std::string m_str;
        Record m_rec;
        ObjectHandle m_obj;
    };
    Tag m_tag = Tag::Empty;
};

struct RecordField {
    RecordName name;
    Variant value;
    friend bool operator==(const RecordField &a, const RecordField &b)
    {
        return a.name == b.name && a.value == b.value;
    }
};

inline Record::Record(RecordName typeName) noexcept
    : m_type(std::move(typeName))
{
}
inline Record::Record(const Record &) = default;
inline Record::Record(Record &&) noexcept = default;
inline Record &Record::operator=(const Record &) = default;
inline Record &Record::operator=(Record &&) noexcept = default;
inline Record::~Record() = default;

inline std::size_t Record::Size() const
{
    return m_fields.size();
}
inline std::span<const RecordField> Record::Fields() const
{
    return m_fields;
}
inline std::span<RecordField> Record::Fields()
{
    return m_fields;
}
inline void Record::Reserve(std::size_t count)
{
    m_fields.reserve(count);
}

inline Variant &Record::Add(RecordName name, Variant value)
{
    return m_fields.emplace_back(std::move(name), std::move(value)).value;
}

template<class Value>
Variant &Record::Emplace(RecordName name, Value &&value)
{
    return m_fields.emplace_back(std::move(name), std::forward<Value>(value)).value;
}

// ASCII case-insensitive equality, the rule for member, field and ProgID names.
bool NamesEqual(std::string_view a, std::string_view b) noexcept;

} // namespace corvane
