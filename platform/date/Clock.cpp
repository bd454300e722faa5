#include "Clock.h"

#include <atomic>
#include <cmath>
#include <ctime>

namespace corvane::date
{

namespace
{

class SystemClock : public Clock
{
public:
    Date Now() const override
    {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        const Date day = FromYmd(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
        return day + FromHms(local.tm_hour, local.tm_min, local.tm_sec);
    }
};

const SystemClock kSystemClock;
std::atomic<const Clock *> gClock{&kSystemClock};

} // namespace

Date Now()
{
    return gClock.load(std::memory_order_acquire)->Now();
}

Date Today()
{
    return std::trunc(Now());
}

ScopedClock::ScopedClock(const Clock &clock)
    : m_previous(gClock.exchange(&clock, std::memory_order_acq_rel))
{
}

ScopedClock::~ScopedClock()
{
    gClock.store(m_previous, std::memory_order_release);
}

} // namespace corvane::date
