/* Creates Corvane.CQxCal through the registries (or, given a library path, from that library) and
 * prints GetAgrNumDate(2002-07-19). */
#include <corvane/corvane.h>

#include <stdio.h>

int main(int argc, char **argv)
{
    corv_object *cal = NULL;
    const char *name = "GetAgrNumDate";
    int32_t id = 0;
    corv_variant date, result;
    int32_t rc = argc > 1 ? corv_create_object_from(argv[1], "Corvane.CQxCal", &cal)
                          : corv_create_object("Corvane.CQxCal", &cal);
    if (rc == 0)
        rc = corv_ids_of_names(cal, &name, 1, &id);
    corv_variant_init(&date);
    corv_variant_init(&result);
    corv_variant_set_date(&date, 37456.0); /* 2002-07-19 */
    if (rc == 0)
        rc = corv_invoke(cal, id, CORV_METHOD, &date, 1, &result);
    if (rc != 0) {
        fprintf(stderr, "cqxcal_host: error %ld: %s\n", (long)rc, corv_last_error_message());
        return 1;
    }
    if (result.type == CORV_VT_RECORD && result.u.rec.count == 5)
        printf("%s{%d, %d, %d, %d, %d}\n",
               result.u.rec.type_name,
               result.u.rec.fields[0].value.u.i2,
               result.u.rec.fields[1].value.u.i2,
               result.u.rec.fields[2].value.u.i2,
               result.u.rec.fields[3].value.u.i2,
               result.u.rec.fields[4].value.u.i2);
    corv_variant_clear(&result);
    corv_release(cal);
    return 0;
}
