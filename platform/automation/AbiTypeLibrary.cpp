#include "AbiTypeLibrary.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <vector>

namespace corvane::abi
{

namespace
{

struct TypeLibraryStorage {
    corv_type_library desc{};
    std::vector<std::vector<corv_enum_member>> members;
    std::vector<corv_enum_desc> enums;
    std::vector<corv_class_identity> classes;
    // What it was built from.
    std::vector<ClassRegistration> registeredClasses;
    std::vector<EnumInfo> registeredEnums;
};

bool SameRegistrations(const TypeLibraryStorage &built,
                       const std::vector<ClassRegistration> &classes,
                       const std::vector<EnumInfo> &enums)
{
    return std::equal(built.registeredClasses.begin(),
                      built.registeredClasses.end(),
                      classes.begin(),
                      classes.end(),
                      [](const ClassRegistration &a, const ClassRegistration &b) {
                          return a.progid == b.progid && a.info == b.info;
                      })
        && std::equal(built.registeredEnums.begin(),
                      built.registeredEnums.end(),
                      enums.begin(),
                      enums.end(),
                      [](const EnumInfo &a, const EnumInfo &b) {
                          return a.name == b.name && a.uuid == b.uuid && a.members.data() == b.members.data();
                      });
}

std::unique_ptr<TypeLibraryStorage> Build(const std::vector<ClassRegistration> &classes,
                                          const std::vector<EnumInfo> &enums)
{
    auto storage = std::make_unique<TypeLibraryStorage>();
    storage->registeredClasses = classes;
    storage->registeredEnums = enums;
    // Member arrays first: the enumeration descriptions point into them.
    for (const EnumInfo &e : enums) {
        std::vector<corv_enum_member> &members = storage->members.emplace_back();
        for (const EnumMemberInfo &m : e.members)
            members.push_back({m.name, m.value});
    }
    for (std::size_t i = 0; i < enums.size(); ++i)
        storage->enums.push_back(
            {enums[i].name, enums[i].uuid, storage->members[i].size(), storage->members[i].data()});
    for (const ClassRegistration &r : classes) {
        const ClassInfo &info = r.info();
        const ClassIdentity &id = info.Identity();
        if (!*id.className)
            continue;
        storage->classes.push_back(
            {r.progid, id.className, id.classUuid, info.Name(), id.interfaceUuid, id.eventsName, id.eventsUuid});
    }
    storage->desc = {sizeof(corv_type_library),
                     storage->enums.size(),
                     storage->enums.data(),
                     storage->classes.size(),
                     storage->classes.data()};
    return storage;
}

} // namespace

const corv_type_library &DescribeTypeLibrary(const ClassRegistry &registry)
{
    static std::mutex mutex;
    static std::vector<std::unique_ptr<TypeLibraryStorage>> versions;
    const std::lock_guard lock(mutex);
    const std::vector<ClassRegistration> classes = registry.Entries();
    const std::vector<EnumInfo> enums = registry.Enums();
    if (versions.empty() || !SameRegistrations(*versions.back(), classes, enums))
        versions.push_back(Build(classes, enums));
    return versions.back()->desc;
}

} // namespace corvane::abi
