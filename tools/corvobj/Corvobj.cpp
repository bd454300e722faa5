// The commands of corvobj (see main.cpp for the synopsis), writing to the streams they are given.
#include "Corvobj.h"

#include "ObjectText.h"
#include "OutputStatus.h"

#include "platform/automation/AbiVariant.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/Utf8.h"
#include "platform/automation/Variant.h"
#include "platform/automation/VariantLiteral.h"

#include "corvane/corvane.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace corvobj
{

namespace
{

constexpr const char *kUsage =
    "usage: corvobj list\n"
    "       corvobj members PROGID\n"
    "       corvobj enums [PROGID]\n"
    "       corvobj call PROGID MEMBER [ARG...]\n"
    "MEMBER is a name or #dispid (#0x60030000, #-552). Arguments are typed literals:\n"
    "  5  i2:5  i4:0x80000005  r4:1.5  r8:1.5  true  \"text\"  missing  empty\n"
    "  2002-07-19  2002-07-19T10:30  QxAgrDateNum{2001,4,1,-1,0}\n";

struct Failure {
    std::string message;
    bool usage; // a mistake in the command line itself: show how to use corvobj
};

[[noreturn]] void Fail(const std::string &message, bool usage = false)
{
    throw Failure{message, usage};
}

// Fails with the calling thread's last ABI error when rc reports one.
void Check(std::int32_t rc)
{
    if (rc != 0)
        Fail("error " + std::to_string(rc) + ": " + corv_last_error_message());
}

struct ObjectDeleter {
    void operator()(corv_object *object) const { corv_release(object); }
};
using ObjectPtr = std::unique_ptr<corv_object, ObjectDeleter>;

// Clears every variant of the list when it leaves scope.
struct VariantList {
    std::vector<corv_variant> items;
    ~VariantList()
    {
        for (corv_variant &v : items)
            corv_variant_clear(&v);
    }
};

int List(std::ostream &out)
{
    corv_registry_entry *entries = nullptr;
    std::size_t count = 0;
    Check(corv_registry_entries(&entries, &count));
    for (std::size_t i = 0; i < count; ++i)
        out << entries[i].progid << '\t' << entries[i].class_name << '\t' << entries[i].library_path << '\n';
    corv_registry_entries_free(entries, count);
    return 0;
}

// The type library of the library serving PROGID; nullptr when that library publishes none.
const corv_type_library *TypeLibrary(const std::string &progid)
{
    const corv_type_library *lib = nullptr;
    const std::int32_t rc = corv_find_type_library(progid.c_str(), &lib);
    if (rc == CORV_E_NO_SUCH_MEMBER)
        return nullptr;
    Check(rc);
    return lib;
}

bool Names(const char *typeName, const corv_enum_desc &e)
{
    return typeName && std::string_view(typeName) == e.name;
}

// Whether a member or one of its parameters has the enumeration's type.
bool UsesEnum(const corv_member_desc &m, const corv_enum_desc &e)
{
    if (Names(m.type_name, e))
        return true;
    for (std::size_t i = 0; i < m.param_count; ++i)
        if (Names(m.params[i].type_name, e))
            return true;
    return false;
}

// The class's identities and the enumerations its members name.
void DescribeTypes(const std::string &progid, const corv_class_desc &cls, std::ostream &out)
{
    const corv_type_library *lib = TypeLibrary(progid);
    if (!lib)
        return;
    for (std::size_t i = 0; i < lib->class_count; ++i) {
        if (corvane::NamesEqual(lib->classes[i].progid, progid)) {
            out << "identities:\n";
            std::istringstream lines(corvobj::DescribeIdentity(lib->classes[i]));
            for (std::string line; std::getline(lines, line);)
                out << "  " << line << '\n';
        }
    }
    bool heading = false;
    for (std::size_t e = 0; e < lib->enum_count; ++e) {
        bool used = false;
        for (std::size_t i = 0; i < cls.member_count && !used; ++i)
            used = UsesEnum(cls.members[i], lib->enums[e]);
        for (std::size_t i = 0; i < cls.event_count && !used; ++i)
            used = UsesEnum(cls.events[i], lib->enums[e]);
        if (!used)
            continue;
        if (!heading)
            out << "enumerations:\n";
        heading = true;
        out << "  " << corvobj::DescribeEnum(lib->enums[e]) << '\n';
    }
}

int Members(const std::string &progid, std::ostream &out)
{
    const corv_class_desc *cls = nullptr;
    Check(corv_find_class(progid.c_str(), &cls));
    out << progid << " (class " << cls->name << ")";
    if (cls->help && *cls->help)
        out << "  -- " << cls->help;
    out << "\n";
    for (std::size_t i = 0; i < cls->member_count; ++i)
        out << "  " << corvobj::DescribeMember(cls->members[i]) << '\n';
    if (cls->event_count)
        out << "events:\n";
    for (std::size_t i = 0; i < cls->event_count; ++i)
        out << "  " << corvobj::DescribeMember(cls->events[i]) << '\n';
    DescribeTypes(progid, *cls, out);
    return 0;
}

void ListEnums(const corv_type_library &lib, std::string_view indent, std::ostream &out)
{
    for (std::size_t i = 0; i < lib.enum_count; ++i)
        out << indent << corvobj::DescribeEnum(lib.enums[i]) << '\n';
}

// The enumerations of the library serving PROGID, or of every registered library (each once, under
// the path it is registered with).
int Enums(const std::vector<std::string> &progids, std::ostream &out)
{
    if (!progids.empty()) {
        const corv_type_library *lib = TypeLibrary(progids[0]);
        if (!lib)
            Fail("the library registered for " + corvane::PrintableText(progids[0]) + " publishes no type library");
        ListEnums(*lib, "", out);
        return 0;
    }
    corv_registry_entry *entries = nullptr;
    std::size_t count = 0;
    Check(corv_registry_entries(&entries, &count));
    std::vector<std::pair<std::string, std::string>> libraries; // path, one of its ProgIDs
    for (std::size_t i = 0; i < count; ++i) {
        const bool seen = std::any_of(libraries.begin(), libraries.end(), [&](const auto &l) {
            return l.first == entries[i].library_path;
        });
        if (!seen)
            libraries.emplace_back(entries[i].library_path, entries[i].progid);
    }
    corv_registry_entries_free(entries, count);
    for (const auto &[path, progid] : libraries) {
        if (const corv_type_library *lib = TypeLibrary(progid)) {
            out << path << ":\n";
            ListEnums(*lib, "  ", out);
        }
    }
    return 0;
}

// The dispatch id of MEMBER: "#" followed by a decimal or 0x-hexadecimal number, or a member name.
std::int32_t MemberId(corv_object *object, const std::string &member)
{
    if (member.empty())
        Fail("empty member name", true);
    if (member[0] != '#') {
        const char *name = member.c_str();
        std::int32_t id = CORV_DISPID_UNKNOWN;
        if (corv_ids_of_names(object, &name, 1, &id) != 0)
            Fail("no member named " + corvane::PrintableText(member));
        return id;
    }
    std::string_view digits = std::string_view(member).substr(1);
    const bool negative = !digits.empty() && digits[0] == '-';
    if (negative)
        digits.remove_prefix(1);
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        digits.remove_prefix(2);
        base = 16;
    }
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() || value > 0xFFFFFFFFLL)
        Fail("bad dispatch id " + corvane::PrintableText(member));
    if (negative)
        value = -value;
    if (value < INT32_MIN)
        Fail("bad dispatch id " + corvane::PrintableText(member));
    // Hexadecimal ids are bit patterns: #0xFFFFFDD8 is -552.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

int Call(const std::string &progid,
         const std::string &member,
         const std::vector<std::string> &literals,
         std::ostream &out)
{
    VariantList args;
    args.items.resize(literals.size());
    for (std::size_t i = 0; i < literals.size(); ++i) {
        try {
            corvane::abi::ToC(corvane::ParseLiteral(literals[i]), &args.items[i]);
        } catch (const corvane::AutomationError &e) {
            const bool word = !literals[i].empty() && literals[i][0] != '"'
                && e.description().find("unknown word") != std::string::npos;
            const std::string literal = corvane::PrintableText(literals[i]);
            Fail("argument " + std::to_string(i + 1) + " (" + literal + "): " + e.description()
                 + (word ? "; text goes in double quotes: '\"" + literal + "\"'" : ""));
        }
    }
    corv_object *raw = nullptr;
    Check(corv_create_object(progid.c_str(), &raw));
    const ObjectPtr object(raw);
    const std::int32_t id = MemberId(object.get(), member);
    VariantList result;
    result.items.resize(1);
    Check(corv_invoke(object.get(),
                      id,
                      CORV_METHOD | CORV_PROPERTY_GET,
                      args.items.data(),
                      args.items.size(),
                      &result.items[0]));
    if (result.items[0].type != CORV_VT_EMPTY)
        out << corvobj::DisplayValue(result.items[0]) << '\n';
    return 0;
}

int Dispatch(const std::vector<std::string> &args, std::ostream &out)
{
    if (args.empty())
        Fail("no command", true);
    const std::string &command = args[0];
    if (command == "list" && args.size() == 1)
        return List(out);
    if (command == "members" && args.size() == 2)
        return Members(args[1], out);
    if (command == "enums" && args.size() <= 2)
        return Enums(std::vector<std::string>(args.begin() + 1, args.end()), out);
    if (command == "call" && args.size() >= 3)
        return Call(args[1], args[2], std::vector<std::string>(args.begin() + 3, args.end()), out);
    if (command == "-h" || command == "--help") {
        out << kUsage;
        return 0;
    }
    if (command == "list" || command == "members" || command == "call" || command == "enums")
        Fail("wrong number of arguments for " + command, true);
    Fail("unknown command " + corvane::PrintableText(command), true);
}

// The command's status, before its output is checked.
int Outcome(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    try {
        return Dispatch(args, out);
    } catch (const Failure &f) {
        err << "corvobj: " << f.message << '\n';
        if (f.usage)
            err << kUsage;
        return 2;
    } catch (const std::exception &e) {
        err << "corvobj: " << corvane::PrintableText(e.what()) << '\n';
        return 2;
    }
}

} // namespace

int Run(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    return corvane::tools::FinishOutput(out, err, "corvobj", Outcome(args, out, err));
}

} // namespace corvobj
