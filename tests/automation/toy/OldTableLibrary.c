/* A library built against the first release of the ABI: its table ends before get_type_library. It
 * serves one class, which it cannot create. */
#include "corvane/corvane.h"

#include <string.h>

static const corv_class_desc kOldClass = {"COld", "", 0, NULL, 0, NULL};
static const corv_class_entry kEntries[] = {{"Corvane.Old", &kOldClass}};

static int32_t GetClasses(const corv_class_entry **entries, size_t *count, corv_error *err)
{
    (void)err;
    *entries = kEntries;
    *count = 1;
    return 0;
}

static int32_t CreateObject(const char *progid, corv_object **out, corv_error *err)
{
    (void)progid;
    *out = NULL;
    if (err) {
        err->number = CORV_E_CANNOT_CREATE;
        strcpy(err->message, "Cannot create object: the old library creates nothing");
    }
    return CORV_E_CANNOT_CREATE;
}

static const corv_library kLibrary = {CORV_ABI_VERSION,
                                      (uint32_t)CORV_LIBRARY_BASE_SIZE,
                                      GetClasses,
                                      CreateObject,
                                      NULL};

__attribute__((visibility("default"))) const corv_library *CorvaneGetLibrary(uint32_t abi_version)
{
    return abi_version == CORV_ABI_VERSION ? &kLibrary : NULL;
}
