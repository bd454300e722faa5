#include "ClassInfo.h"

#include "AutomationError.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace corvane
{

namespace
{

[[noreturn]] void BadTable(const char *className, const std::string &what)
{
    throw std::logic_error(std::string("member table of ") + className + ": " + what);
}

void CheckIdentity(const char *className, const ClassIdentity &id, bool hasEvents)
{
    if (!id.className || !id.classUuid || !id.interfaceUuid || !id.eventsName || !id.eventsUuid)
        BadTable(className, "an identity with a null field");
    if (!*id.className && !*id.classUuid && !*id.interfaceUuid && !*id.eventsName && !*id.eventsUuid)
        return;
    if (!*id.className || !IsUuidText(id.classUuid) || !IsUuidText(id.interfaceUuid))
        BadTable(className, "an identity needs a class name and UUIDs for the class and its interface");
    if (hasEvents != (*id.eventsName != '\0') || (*id.eventsName && !IsUuidText(id.eventsUuid))
        || (!*id.eventsName && *id.eventsUuid))
        BadTable(className, "the events interface of an identity does not match the events");
}

} // namespace

int CompareNames(std::string_view a, std::string_view b) noexcept
{
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : int(c); };
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int d = lower(static_cast<unsigned char>(a[i])) - lower(static_cast<unsigned char>(b[i]));
        if (d != 0)
            return d;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

ClassInfo::ClassInfo(const char *name,
                     std::initializer_list<std::span<const MemberInfo>> memberGroups,
                     std::span<const EventInfo> events,
                     const char *help,
                     const ClassIdentity &identity)
    : m_name(name)
    , m_help(help ? help : "")
    , m_identity(identity)
    , m_events(events.begin(), events.end())
{
    CheckIdentity(name, identity, !events.empty());
    for (std::span<const MemberInfo> group : memberGroups)
        m_members.insert(m_members.end(), group.begin(), group.end());

    for (std::uint32_t i = 0; i < m_members.size(); ++i) {
        const MemberInfo &m = m_members[i];
        if (!m.name || !*m.name || !m.call)
            BadTable(name, "a member without name or accessor");
        if (!m.help)
            BadTable(name, std::string(m.name) + " has a null help string");
        const auto k = std::uint8_t(m.kind);
        if (k != 1 && k != 2 && k != 4 && k != 8)
            BadTable(name, std::string(m.name) + " has no single kind");
        bool optionalSeen = false;
        for (const ParamInfo &p : m.params) {
            if (!p.name)
                BadTable(name, std::string(m.name) + " has a parameter without name");
            if (optionalSeen && !p.Optional())
                BadTable(name, std::string(m.name) + " has a required parameter after an optional one");
            optionalSeen = optionalSeen || p.Optional();
        }
    }
    std::vector<std::uint32_t> order(m_members.size());
    for (std::uint32_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return Key(m_members[a].id, m_members[a].kind) < Key(m_members[b].id, m_members[b].kind);
    });
    for (std::uint32_t i : order) {
        const std::int64_t key = Key(m_members[i].id, m_members[i].kind);
        if (!m_keys.empty() && m_keys.back() == key)
            BadTable(name, std::string(m_members[i].name) + " repeats an id and kind");
        m_keys.push_back(key);
        m_keyMember.push_back(i);
    }

    for (const MemberInfo &m : m_members)
        m_byName.push_back({m.name, m.id});
    std::sort(m_byName.begin(), m_byName.end(), [](const NameKey &a, const NameKey &b) {
        return CompareNames(a.name, b.name) < 0;
    });
    // Rows of one property share a name; different ids under one name would make lookup ambiguous.
    for (std::size_t i = 1; i < m_byName.size(); ++i)
        if (CompareNames(m_byName[i].name, m_byName[i - 1].name) == 0 && m_byName[i].id != m_byName[i - 1].id)
            BadTable(name, std::string(m_byName[i].name) + " has two dispatch ids");
    m_byName.erase(std::unique(m_byName.begin(),
                               m_byName.end(),
                               [](const NameKey &a, const NameKey &b) { return CompareNames(a.name, b.name) == 0; }),
                   m_byName.end());

    for (std::size_t i = 0; i < m_events.size(); ++i) {
        if (!m_events[i].name || !*m_events[i].name || !m_events[i].help)
            BadTable(name, "an event without name");
        for (std::size_t j = 0; j < i; ++j)
            if (m_events[i].id == m_events[j].id || CompareNames(m_events[i].name, m_events[j].name) == 0)
                BadTable(name, std::string("event ") + m_events[i].name + " repeats an id or name");
    }
}

const MemberInfo *ClassInfo::Find(DispId id, InvokeKind kind) const
{
    const std::int64_t key = Key(id, kind);
    const auto it = std::lower_bound(m_keys.begin(), m_keys.end(), key);
    if (it == m_keys.end() || *it != key)
        return nullptr;
    return &m_members[m_keyMember[std::size_t(it - m_keys.begin())]];
}

const MemberInfo &ClassInfo::Resolve(DispId id, InvokeKind request) const
{
    static constexpr InvokeKind kOrder[] = {InvokeKind::Method,
                                            InvokeKind::PropertyGet,
                                            InvokeKind::PropertyPut,
                                            InvokeKind::PropertyPutRef};
    for (InvokeKind kind : kOrder)
        if (Includes(request, kind))
            if (const MemberInfo *m = Find(id, kind))
                return *m;

    const MemberInfo *get = Find(id, InvokeKind::PropertyGet);
    const bool putRequested =
        Includes(request, InvokeKind::PropertyPut) || Includes(request, InvokeKind::PropertyPutRef);
    if (get && putRequested)
        throw AutomationError(ErrorNumber::ReadOnlyProperty,
                              std::string("Set not supported (read-only property): ") + get->name);
    const MemberInfo *put = Find(id, InvokeKind::PropertyPut);
    if (!put)
        put = Find(id, InvokeKind::PropertyPutRef);
    if (put && Includes(request, InvokeKind::PropertyGet))
        throw AutomationError(ErrorNumber::WriteOnlyProperty,
                              std::string("Get not supported (write-only property): ") + put->name);
    throw AutomationError(ErrorNumber::NoSuchMember,
                          std::string("Object doesn't support this property or method: ") + m_name + " has no member #"
                              + std::to_string(id) + " of that kind");
}

std::optional<DispId> ClassInfo::IdOfName(std::string_view name) const
{
    const auto it = std::lower_bound(m_byName.begin(), m_byName.end(), name, [](const NameKey &a, std::string_view n) {
        return CompareNames(a.name, n) < 0;
    });
    if (it == m_byName.end() || CompareNames(it->name, name) != 0)
        return std::nullopt;
    return it->id;
}

const EventInfo *ClassInfo::FindEvent(DispId id) const
{
    for (const EventInfo &e : m_events)
        if (e.id == id)
            return &e;
    return nullptr;
}

std::optional<DispId> ClassInfo::EventIdOfName(std::string_view name) const
{
    for (const EventInfo &e : m_events)
        if (CompareNames(e.name, name) == 0)
            return e.id;
    return std::nullopt;
}

} // namespace corvane
