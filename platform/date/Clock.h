#pragma once

#include "DateValue.h"

namespace corvane::date
{

// Where "now" comes from. The process has one clock, the system's local time unless a test or a host
// installs another; every "current date" in the library reads it.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual Date Now() const = 0;
};

// The present moment in local time, to the second.
Date Now();
// The present date at midnight.
Date Today();

// Installs a clock for the lifetime of this object (tests pin the date with it); the previous clock
// comes back on destruction.
class ScopedClock
{
public:
    explicit ScopedClock(const Clock &clock);
    ~ScopedClock();
    ScopedClock(const ScopedClock &) = delete;
    ScopedClock &operator=(const ScopedClock &) = delete;

private:
    const Clock *m_previous;
};

// A clock that always answers the same moment.
class FixedClock : public Clock
{
public:
    explicit FixedClock(Date moment)
        : m_moment(moment)
    {
    }
    Date Now() const override { return m_moment; }
    void Set(Date moment) { m_moment = moment; }

private:
    Date m_moment;
};

} // namespace corvane::date
