#include "EventSource.h"

#include "ArgBuffer.h"

#include <algorithm>
#include <new>

namespace corvane
{

namespace
{

class FunctionSink : public EventSink
{
public:
    explicit FunctionSink(std::function<void(DispId, std::span<Variant>)> handler)
        : m_handler(std::move(handler))
    {
    }
    void OnEvent(DispId id, std::span<Variant> args) override { m_handler(id, args); }

private:
    std::function<void(DispId, std::span<Variant>)> m_handler;
};

} // namespace

std::shared_ptr<EventSink> MakeEventSink(std::function<void(DispId, std::span<Variant>)> handler)
{
    return std::make_shared<FunctionSink>(std::move(handler));
}

EventCookie EventSource::Advise(std::shared_ptr<EventSink> sink)
{
    if (!sink)
        throw AutomationError(ErrorNumber::ObjectRequired);
    // Skip 0 and any cookie still in use after the counter wraps.
    while (m_nextCookie == 0 || Connected(m_nextCookie))
        ++m_nextCookie;
    const EventCookie cookie = m_nextCookie++;
    m_connections.push_back({cookie, std::move(sink)});
    return cookie;
}

void EventSource::Unadvise(EventCookie cookie)
{
    const auto it = std::find_if(m_connections.begin(), m_connections.end(), [&](const Connection &c) {
        return c.cookie == cookie;
    });
    if (it == m_connections.end())
        throw AutomationError(ErrorNumber::InvalidCall,
                              "Invalid procedure call or argument: no connection " + std::to_string(cookie));
    m_connections.erase(it);
}

bool EventSource::Connected(EventCookie cookie) const noexcept
{
    return std::any_of(m_connections.begin(), m_connections.end(), [&](const Connection &c) {
        return c.cookie == cookie;
    });
}

RaiseResult EventSource::Raise(DispId id, std::span<const Variant> args)
{
    RaiseResult outcome;
    if (m_connections.empty())
        return outcome;
    // The snapshot keeps every sink alive through the raise, whatever the sinks unadvise.
    const std::vector<Connection> snapshot = m_connections;
    for (const Connection &connection : snapshot) {
        if (!Connected(connection.cookie))
            continue;
        try {
            ArgBuffer copy(args.size());
            std::copy(args.begin(), args.end(), copy.Span().begin());
            connection.sink->OnEvent(id, copy.Span());
            ++outcome.delivered;
            continue;
        } catch (const AutomationError &e) {
            if (!outcome.firstError)
                outcome.firstError = e;
        } catch (const std::bad_alloc &) {
            if (!outcome.firstError)
                outcome.firstError = AutomationError(ErrorNumber::OutOfMemory);
        } catch (const std::exception &e) {
            if (!outcome.firstError)
                outcome.firstError =
                    AutomationError(ErrorNumber::InternalError, std::string("Internal error: ") + e.what());
        } catch (...) {
            if (!outcome.firstError)
                outcome.firstError = AutomationError(ErrorNumber::InternalError);
        }
        ++outcome.failed;
    }
    return outcome;
}

} // namespace corvane
