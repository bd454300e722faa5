#pragma once

#include "ClassIdentity.h"
#include "MemberInfo.h"

#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace corvane
{

// The type library entry of one class: its members in interface order and its events, with the
// indexes that invoke and name lookup use. A class builds it once, as a function-local static:
//
//     const ClassInfo &CToy::Info()
//     {
//         static const ClassInfo info("CToy", {kToyMembers, kSharedMembers}, kToyEvents);
//         return info;
//     }
//
// Member groups are concatenated in the order given, so members shared by several classes can live
// in one constant array. The name is that of the class's default interface; `identity` adds the
// class's other type-library identities. A malformed table (two rows with the same id and kind, one
// name under two ids, a row without accessor, a required parameter after an optional one, two events
// with the same id or name, an identity with a UUID that is not one, or with an events interface on a
// class without events or none on a class with events) is a programming error: std::logic_error.
class ClassInfo
{
public:
    ClassInfo(const char *name,
              std::initializer_list<std::span<const MemberInfo>> memberGroups,
              std::span<const EventInfo> events = {},
              const char *help = "",
              const ClassIdentity &identity = {});

    const char *Name() const { return m_name; }
    const char *Help() const { return m_help; }
    const ClassIdentity &Identity() const { return m_identity; }
    std::span<const MemberInfo> Members() const { return m_members; }
    std::span<const EventInfo> Events() const { return m_events; }

    // The row for exactly this id and kind, or nullptr. O(log n).
    const MemberInfo *Find(DispId id, InvokeKind kind) const;
    // The row an invoke request reaches: for Method | PropertyGet the method, else the get. An id
    // the class lacks is error 438; a put to a read-only property 383, a get of a write-only one
    // 394; any other kind the id lacks 438.
    const MemberInfo &Resolve(DispId id, InvokeKind request) const;
    // ASCII case-insensitive lookups.
    std::optional<DispId> IdOfName(std::string_view name) const;
    const EventInfo *FindEvent(DispId id) const;
    std::optional<DispId> EventIdOfName(std::string_view name) const;

private:
    // (id, kind) as one ordered integer, for a cheap binary search.
    static constexpr std::int64_t Key(DispId id, InvokeKind kind) { return std::int64_t(id) * 16 + std::uint8_t(kind); }
    struct NameKey {
        const char *name;
        DispId id;
    };

    const char *m_name;
    const char *m_help;
    ClassIdentity m_identity;
    std::vector<MemberInfo> m_members;
    std::vector<EventInfo> m_events;
    std::vector<std::int64_t> m_keys; // sorted
    std::vector<std::uint32_t> m_keyMember; // m_members index of each key
    std::vector<NameKey> m_byName;
};

// ASCII case-insensitive ordering: negative, zero or positive.
int CompareNames(std::string_view a, std::string_view b) noexcept;

} // namespace corvane
