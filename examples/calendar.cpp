// Today's lunar date and this year's solar terms, through the C++ calendar API.
#include <corvane/calendar.hpp>

#include <cstdio>
#include <ctime>

int main()
{
    using namespace std::chrono;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const year_month_day today{year{local.tm_year + 1900}, month(local.tm_mon + 1), day(local.tm_mday)};
    try {
        const corvane::lunar_date lunar = corvane::to_lunar(today);
        std::printf("%s (%s%s)\n",
                    corvane::caption(today, corvane::caption_format::lunar_year_month_day_week).c_str(),
                    corvane::month_name(lunar).c_str(),
                    corvane::day_name(lunar).c_str());
        for (const corvane::solar_term &term : corvane::solar_terms(int(today.year()))) {
            const local_days day = floor<days>(term.china_time);
            const year_month_day date{day};
            const hh_mm_ss time{term.china_time - day};
            std::printf("%2d %s %02u-%02u %02ld:%02ld\n",
                        term.number,
                        term.name.c_str(),
                        unsigned(date.month()),
                        unsigned(date.day()),
                        long(time.hours().count()),
                        long(time.minutes().count()));
        }
    } catch (const corvane::calendar_error &e) {
        std::fprintf(stderr, "calendar: %s\n", e.what());
        return 1;
    }
}
