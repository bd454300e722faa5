/* Prints the lunar date and the text of two known days. */
#include <corvane/calendar.h>

#include <stdio.h>

static int show(int year, int month, int day)
{
    corv_lunar_date lunar;
    char name[CORV_CAL_TEXT_SIZE];
    int back[3];
    if (corv_cal_to_lunar(year, month, day, &lunar) != CORV_CAL_OK
        || corv_cal_caption(year, month, day, CORV_CAL_CAPTION_LUNAR_YMD, name, sizeof name) != CORV_CAL_OK
        || corv_cal_to_gregorian(&lunar, &back[0], &back[1], &back[2]) != CORV_CAL_OK) {
        fprintf(stderr, "lunar_c: %s\n", corv_cal_last_error_message());
        return 1;
    }
    printf("%04d-%02d-%02d lunar %d-%d%s-%d back %04d-%02d-%02d %s\n",
           year,
           month,
           day,
           lunar.year,
           lunar.month,
           lunar.leap ? "R" : "",
           lunar.day,
           back[0],
           back[1],
           back[2],
           name);
    return 0;
}

int main(void)
{
    return show(2002, 7, 19) || show(2001, 5, 23);
}
