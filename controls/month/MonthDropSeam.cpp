#include "MonthDropSeam.h"

namespace corvane::month
{

namespace
{
thread_local MonthDropHost *t_host = nullptr;
}

MonthDropHost *CurrentMonthDropHost()
{
    return t_host;
}

void SetMonthDropHost(MonthDropHost *host)
{
    t_host = host;
}

} // namespace corvane::month
