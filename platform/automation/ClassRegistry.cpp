#include "ClassRegistry.h"

#include "AutomationError.h"
#include "Utf8.h"

#include <stdexcept>
#include <string>

namespace corvane
{

ClassRegistry &ClassRegistry::Instance()
{
    static ClassRegistry registry;
    return registry;
}

void ClassRegistry::Register(const ClassRegistration &registration)
{
    if (!registration.progid || !*registration.progid || !registration.create || !registration.info)
        throw std::logic_error("class registration without ProgID, factory or class info");
    const std::lock_guard lock(m_mutex);
    for (const ClassRegistration &entry : m_entries)
        if (NamesEqual(entry.progid, registration.progid))
            throw std::logic_error(std::string("ProgID registered twice: ") + registration.progid);
    m_entries.push_back(registration);
}

std::optional<ClassRegistration> ClassRegistry::Find(std::string_view progid) const
{
    const std::lock_guard lock(m_mutex);
    for (const ClassRegistration &entry : m_entries)
        if (NamesEqual(entry.progid, progid))
            return entry;
    return std::nullopt;
}

std::vector<ClassRegistration> ClassRegistry::Entries() const
{
    const std::lock_guard lock(m_mutex);
    return m_entries;
}

ObjectHandle ClassRegistry::Create(std::string_view progid) const
{
    const std::optional<ClassRegistration> entry = Find(progid);
    if (!entry)
        throw AutomationError(ErrorNumber::CannotCreateObject,
                              "Cannot create object: no class " + PrintableText(progid) + " in this library");
    ObjectHandle object = entry->create();
    if (!object)
        throw AutomationError(ErrorNumber::CannotCreateObject,
                              "Cannot create object: the factory of " + PrintableText(progid) + " made nothing");
    return object;
}

void ClassRegistry::RegisterEnum(const EnumInfo &info)
{
    if (!info.name || !*info.name || !info.uuid || !IsUuidText(info.uuid) || info.members.empty())
        throw std::logic_error("enumeration registered without name, UUID or members");
    for (std::size_t i = 0; i < info.members.size(); ++i) {
        const char *member = info.members[i].name;
        if (!member || !*member)
            throw std::logic_error(std::string("enumeration ") + info.name + " has a member without name");
        for (std::size_t j = 0; j < i; ++j)
            if (NamesEqual(info.members[j].name, member))
                throw std::logic_error(std::string("enumeration ") + info.name + " repeats the member " + member);
    }
    const std::lock_guard lock(m_mutex);
    for (const EnumInfo &entry : m_enums)
        if (NamesEqual(entry.name, info.name))
            throw std::logic_error(std::string("enumeration registered twice: ") + info.name);
    m_enums.push_back(info);
}

std::vector<EnumInfo> ClassRegistry::Enums() const
{
    const std::lock_guard lock(m_mutex);
    return m_enums;
}

} // namespace corvane
