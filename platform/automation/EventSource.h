#pragma once

#include "AutomationError.h"
#include "MemberInfo.h"
#include "Variant.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace corvane
{

using EventCookie = std::uint32_t; // never 0

// A receiver of an object's events. Arguments come in declaration order; a by-reference argument is
// a by-reference variant, and Variant::Assign on it writes the new value straight to the raiser.
class EventSink
{
public:
    virtual ~EventSink() = default;
    virtual void OnEvent(DispId id, std::span<Variant> args) = 0;
};

std::shared_ptr<EventSink> MakeEventSink(std::function<void(DispId, std::span<Variant>)> handler);

// What a raise came to. A failing sink does not stop the raise: every other sink is still called,
// and the first failure is kept here for the raiser.
struct RaiseResult {
    std::size_t delivered = 0;
    std::size_t failed = 0;
    std::optional<AutomationError> firstError;
};

// The connections of one object's outgoing interface. Raising is synchronous, in advise order.
// Sinks may advise and unadvise (themselves or others) while a raise runs: a sink unadvised during a
// raise is not called again, one advised during it first hears the next raise.
class EventSource
{
public:
    // A null sink is error 424.
    EventCookie Advise(std::shared_ptr<EventSink> sink);
    // An unknown cookie is error 5.
    void Unadvise(EventCookie cookie);
    std::size_t SinkCount() const noexcept { return m_connections.size(); }

    // Each sink gets its own copy of args, so a sink that replaces an argument rather than writing
    // through it cannot change what the next sink sees; by-reference arguments still reach the
    // raiser's variables.
    RaiseResult Raise(DispId id, std::span<const Variant> args);

private:
    struct Connection {
        EventCookie cookie;
        std::shared_ptr<EventSink> sink;
    };
    bool Connected(EventCookie cookie) const noexcept;

    std::vector<Connection> m_connections;
    EventCookie m_nextCookie = 1;
};

} // namespace corvane
