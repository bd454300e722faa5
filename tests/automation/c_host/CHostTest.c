/* A plain C99 host: registers the test library in a private registry, creates its class by ProgID,
 * calls it, receives an event, saves it to a property bag and reads its type library, using nothing but
 * corvane.h.
 * Usage: automation_c_host LIBRARY WORK_DIR. Exit status 0 when every check passes. */
#define _POSIX_C_SOURCE 200809L /* setenv */

#include "corvane/corvane.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int failures = 0;

#define CHECK(cond)                                                                                                    \
    do {                                                                                                               \
        if (!(cond)) {                                                                                                 \
            fprintf(stderr,                                                                                            \
                    "%s:%d: check failed: %s (last error %ld: %s)\n",                                                  \
                    __FILE__,                                                                                          \
                    __LINE__,                                                                                          \
                    #cond,                                                                                             \
                    (long)corv_last_error(),                                                                           \
                    corv_last_error_message());                                                                        \
            ++failures;                                                                                                \
        }                                                                                                              \
    } while (0)

static int32_t id_of(corv_object *object, const char *name)
{
    int32_t id = CORV_DISPID_UNKNOWN;
    CHECK(corv_ids_of_names(object, &name, 1, &id) == CORV_OK);
    return id;
}

/* Appends " (seen)" to the Text argument and counts the calls. */
static int32_t on_event(void *user, int32_t dispid, corv_variant *args, size_t argc)
{
    int *calls = (int *)user;
    char text[64];
    ++*calls;
    if (dispid != 1 || argc != 2 || !(args[0].flags & CORV_VF_BYREF) || args[0].u.ref->type != CORV_VT_STRING)
        return CORV_E_INVALID_CALL;
    snprintf(text, sizeof text, "%s (seen)", args[0].u.ref->u.str.data);
    return corv_variant_set_string(args[0].u.ref, text);
}

int main(int argc, char **argv)
{
    char registry[1024];
    char bag_path[1024];
    corv_object *toy = NULL;
    corv_variant args[2];
    corv_variant result;
    corv_bag *bag = NULL;
    const corv_class_desc *cls = NULL;
    const corv_type_library *lib = NULL;
    const corv_enum_desc *shade = NULL;
    uint32_t cookie = 0;
    int calls = 0;
    size_t i;

    if (argc != 3) {
        fprintf(stderr, "usage: %s LIBRARY WORK_DIR\n", argv[0]);
        return 2;
    }
    snprintf(registry, sizeof registry, "%s/registry", argv[2]);
    snprintf(bag_path, sizeof bag_path, "%s/toy.bag", argv[2]);
    setenv("CORVANE_REGISTRY", registry, 1);

    CHECK(corv_register_library(argv[1], NULL) == CORV_OK);
    CHECK(corv_create_object("Corvane.Toy", &toy) == CORV_OK);
    if (!toy)
        return 1;

    corv_variant_init(&args[0]);
    corv_variant_init(&args[1]);
    corv_variant_init(&result);

    /* A method with an omitted optional argument. */
    corv_variant_set_i4(&args[0], 41);
    corv_variant_set_missing(&args[1]);
    CHECK(corv_invoke(toy, id_of(toy, "Add"), CORV_METHOD, args, 2, &result) == CORV_OK);
    CHECK(result.type == CORV_VT_I4 && result.u.i4 == 41);

    /* A record result. */
    corv_variant_set_date(&args[0], 37456.0); /* 2002-07-19 */
    CHECK(corv_invoke(toy, id_of(toy, "SplitDate"), CORV_METHOD, args, 1, &result) == CORV_OK);
    CHECK(result.type == CORV_VT_RECORD && strcmp(result.u.rec.type_name, "ToyParts") == 0);
    CHECK(result.u.rec.count == 5 && result.u.rec.fields[2].value.u.i2 == 19);

    /* An error. */
    CHECK(corv_invoke(toy, 0x7777, CORV_METHOD, NULL, 0, &result) == CORV_E_NO_SUCH_MEMBER);
    CHECK(corv_last_error() == CORV_E_NO_SUCH_MEMBER && strlen(corv_last_error_message()) > 0);

    /* An event whose by-reference text the sink changes. */
    CHECK(corv_advise(toy, on_event, &calls, &cookie) == CORV_OK);
    CHECK(corv_variant_set_string(&args[0], "ping") == CORV_OK);
    CHECK(corv_invoke(toy, id_of(toy, "Fire"), CORV_METHOD, args, 1, &result) == CORV_OK);
    CHECK(calls == 1 && result.type == CORV_VT_STRING && strcmp(result.u.str.data, "ping (seen)") == 0);
    CHECK(corv_unadvise(toy, cookie) == CORV_OK);

    /* Persistence through a bag file. */
    corv_variant_set_i4(&args[0], 7);
    CHECK(corv_invoke(toy, id_of(toy, "Value"), CORV_PROPERTY_PUT, args, 1, NULL) == CORV_OK);
    CHECK(corv_bag_create(&bag) == CORV_OK);
    CHECK(corv_save(toy, bag) == CORV_OK);
    CHECK(corv_bag_save_file(bag, bag_path) == CORV_OK);
    CHECK(corv_init_new(toy) == CORV_OK);
    CHECK(corv_bag_load_file(bag, bag_path) == CORV_OK);
    CHECK(corv_load(toy, bag) == CORV_OK);
    CHECK(corv_invoke(toy, CORV_DISPID_VALUE, CORV_PROPERTY_GET, NULL, 0, &result) == CORV_OK);
    CHECK(result.type == CORV_VT_I4 && result.u.i4 == 7);
    corv_bag_destroy(bag);

    /* The member list. */
    CHECK(corv_object_class(toy, &cls) == CORV_OK);
    for (i = 0; cls && i < cls->member_count; ++i)
        CHECK(cls->members[i].name != NULL && cls->members[i].help != NULL);

    /* The enumeration a property names, looked up in the type library: its values by member name. */
    CHECK(corv_find_type_library("Corvane.Toy", &lib) == CORV_OK);
    for (i = 0; lib && i < lib->enum_count; ++i)
        if (strcmp(lib->enums[i].name, "ToyShade") == 0)
            shade = &lib->enums[i];
    CHECK(shade != NULL && shade->member_count == 2 && strcmp(shade->members[1].name, "Dark Grey") == 0);
    corv_variant_set_i4(&args[0], shade ? shade->members[1].value : 0);
    CHECK(corv_invoke(toy, id_of(toy, "Shade"), CORV_PROPERTY_PUT, args, 1, NULL) == CORV_OK);
    CHECK(corv_invoke(toy, id_of(toy, "Shade"), CORV_PROPERTY_GET, NULL, 0, &result) == CORV_OK);
    CHECK(result.type == CORV_VT_I4 && result.u.i4 == 7);
    CHECK(CORV_XCAgrTerm == 1 && CORV_Fixed_Single == 1); /* the library's own constants are plain C */

    corv_variant_clear(&args[0]);
    corv_variant_clear(&args[1]);
    corv_variant_clear(&result);
    CHECK(corv_release(toy) == CORV_OK);

    if (failures)
        fprintf(stderr, "%d checks failed\n", failures);
    else
        printf("C host: all checks passed\n");
    return failures ? 1 : 0;
}
