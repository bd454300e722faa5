// Prints the lunar date and the text of two known days.
#include <corvane/calendar.hpp>

#include <cstdio>

int main()
{
    using namespace std::chrono;
    for (const year_month_day day : {2002y / July / 19, 2001y / May / 23}) {
        const corvane::lunar_date lunar = corvane::to_lunar(day);
        const year_month_day back = corvane::to_gregorian(lunar);
        std::printf("%04d-%02u-%02u lunar %d-%u%s-%u back %04d-%02u-%02u %s\n",
                    int(day.year()),
                    unsigned(day.month()),
                    unsigned(day.day()),
                    lunar.year,
                    lunar.month,
                    lunar.leap ? "R" : "",
                    lunar.day,
                    int(back.year()),
                    unsigned(back.month()),
                    unsigned(back.day()),
                    corvane::caption(day, corvane::caption_format::lunar_year_month_day).c_str());
    }
}
