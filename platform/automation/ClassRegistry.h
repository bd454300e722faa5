#pragma once

#include "AutomationObject.h"
#include "ClassInfo.h"
#include "EnumInfo.h"

#include <mutex>
#include <optional>
#include <string_view>
#include <vector>

namespace corvane
{

using ObjectFactory = ObjectHandle (*)();
using ClassInfoGetter = const ClassInfo &(*)();

// One creatable class of a library: its ProgID, how to make an object and its type library entry.
struct ClassRegistration {
    const char *progid;
    ObjectFactory create;
    ClassInfoGetter info;
};

// The creatable classes and the published enumerations a library serves through its entry point: with
// the classes' own tables, its type library. Each library (each copy of the automation runtime) has
// its own lists; the entry point fills them once, through RegisterLibraryClasses (EntryPoint.h),
// before the first host request.
class ClassRegistry
{
public:
    static ClassRegistry &Instance();

    // A ProgID already registered (ASCII case-insensitive) is std::logic_error.
    void Register(const ClassRegistration &registration);
    std::optional<ClassRegistration> Find(std::string_view progid) const;
    std::vector<ClassRegistration> Entries() const;
    // A new object of the registered class, created on the calling thread (its apartment). An
    // unknown ProgID is error 429.
    ObjectHandle Create(std::string_view progid) const;

    // An enumeration without name, UUID or members, with an empty or repeated member name, or with a
    // name already registered (ASCII case-insensitive) is std::logic_error.
    void RegisterEnum(const EnumInfo &info);
    std::vector<EnumInfo> Enums() const;

private:
    mutable std::mutex m_mutex;
    std::vector<ClassRegistration> m_entries;
    std::vector<EnumInfo> m_enums;
};

} // namespace corvane
