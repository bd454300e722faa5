// Stem-branch numbers of a moment, for the C interface.
#include "CalendarArgs.h"
#include "CalendarCall.h"

#include "engine/EraNumbers.h"

using namespace corvane;
using namespace corvane::calendar;

extern "C" int corv_cal_sexagenary(int year, int month, int day, int hour, int minute, int mode, corv_sexagenary *out)
{
    return Call([&] {
        RequirePointers(out);
        CheckDay(year, month, day);
        if (hour < 0 || hour > 23 || minute < 0 || minute > 59)
            Throw(ErrorNumber::InvalidCall,
                  "there is no time of day " + std::to_string(hour) + ":" + std::to_string(minute));
        if (mode != CORV_CAL_ERA_LUNAR_MONTH && mode != CORV_CAL_ERA_SOLAR_TERM)
            Throw(ErrorNumber::InvalidCall, "there is no mode " + std::to_string(mode));
        const ModAgrCAl::EraNumbers n =
            ModAgrCAl::GetEraNumbers(date::FromYmd(year, month, day), date::FromHms(hour, minute, 0), mode);
        *out = {n.year, n.month, n.day, n.hour};
    });
}
