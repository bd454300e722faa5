/* A plain C host of Corvane: creates "Corvane.CQxCal" by ProgID through the registry (the library is
 * loaded at run time, not linked) and asks it for a lunar date and a solar term.
 *
 *     cqxcal_example
 *
 * prints
 *     GetAgrNumDate(2002-07-19) = QxAgrDateNum{AgrFactYear=2002, AgrMonth=6, AgrDay=10, AgrIsLeep=0, AgrMonthBound=6}
 *     GetsTermString(2002, 1) = 小寒：5日20时26分
 */
#include "corvane/corvane.h"

#include <stdio.h>

static int fail(const char *what)
{
    fprintf(stderr, "cqxcal_example: %s: error %ld: %s\n", what, (long)corv_last_error(), corv_last_error_message());
    return 1;
}

static int32_t id_of(corv_object *cal, const char *name)
{
    int32_t id = CORV_DISPID_UNKNOWN;
    corv_ids_of_names(cal, &name, 1, &id);
    return id;
}

int main(void)
{
    corv_object *cal = NULL;
    corv_variant args[2];
    corv_variant result;
    size_t i;
    int status = 0;

    if (corv_create_object("Corvane.CQxCal", &cal) != CORV_OK)
        return fail("creating Corvane.CQxCal");
    corv_variant_init(&args[0]);
    corv_variant_init(&args[1]);
    corv_variant_init(&result);

    corv_variant_set_date(&args[0], 37456.0); /* 2002-07-19 */
    if (corv_invoke(cal, id_of(cal, "GetAgrNumDate"), CORV_METHOD, args, 1, &result) != CORV_OK) {
        status = fail("GetAgrNumDate");
    } else {
        printf("GetAgrNumDate(2002-07-19) = %s{", result.u.rec.type_name);
        for (i = 0; i < result.u.rec.count; ++i)
            printf("%s%s=%d", i ? ", " : "", result.u.rec.fields[i].name, result.u.rec.fields[i].value.u.i2);
        printf("}\n");
    }

    corv_variant_set_i2(&args[0], 2002);
    corv_variant_set_i2(&args[1], 1);
    if (corv_invoke(cal, id_of(cal, "GetsTermString"), CORV_METHOD, args, 2, &result) != CORV_OK)
        status = fail("GetsTermString");
    else
        printf("GetsTermString(2002, 1) = %s\n", result.u.str.data);

    corv_variant_clear(&result);
    corv_variant_clear(&args[0]);
    corv_variant_clear(&args[1]);
    corv_release(cal);
    return status;
}
