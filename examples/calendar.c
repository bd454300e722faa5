/* Today's lunar date and this year's solar terms, through the C calendar API. */
#include <corvane/calendar.h>

#include <stdio.h>
#include <time.h>

int main(void)
{
    time_t now = time(NULL);
    struct tm *local = localtime(&now);
    int year = local->tm_year + 1900, month = local->tm_mon + 1, day = local->tm_mday;
    corv_lunar_date lunar;
    char caption[CORV_CAL_TEXT_SIZE];
    corv_solar_term terms[24];
    int i;

    if (corv_cal_to_lunar(year, month, day, &lunar) != 0
        || corv_cal_caption(year, month, day, CORV_CAL_CAPTION_LUNAR_YMD_WEEK, caption, sizeof caption) != 0
        || corv_cal_solar_terms(year, terms) != 0) {
        fprintf(stderr, "calendar: %s\n", corv_cal_last_error_message());
        return 1;
    }
    printf("%s (lunar %d-%s%d-%d)\n", caption, lunar.year, lunar.leap ? "leap " : "", lunar.month, lunar.day);
    for (i = 0; i < 24; ++i)
        printf("%2d %s %02d-%02d %02d:%02d\n",
               terms[i].number,
               terms[i].name,
               terms[i].month,
               terms[i].day,
               terms[i].hour,
               terms[i].minute);
    return 0;
}
