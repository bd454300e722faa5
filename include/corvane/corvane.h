/* Corvane automation C ABI.
 *
 * A host reaches Corvane objects through this header only: it creates them by ProgID through the
 * registry (the library is loaded at run time, never linked), calls their members by dispatch id with
 * variant arguments, enumerates their members, receives their events and saves or loads them through
 * property bags. Plain C99; every string is UTF-8 and NUL-terminated.
 *
 * Errors. Every function that returns int32_t returns 0 on success or the automation error number of
 * the failure (5, 6, 13, 438, 450, ...; the wrong-thread error is the negative CORV_E_WRONG_THREAD).
 * The same number and a UTF-8 description are kept per thread: corv_last_error() and
 * corv_last_error_message() describe the most recent corv_ call of the calling thread (0 and "" after
 * a success). No C++ exception ever leaves a function of this ABI.
 *
 * Memory. Every buffer the ABI hands out is allocated with malloc and freed by the call named with it:
 * variants by corv_variant_clear, plain strings and arrays by corv_free. Strings inside class and
 * member descriptions belong to the library and live as long as the process (libraries are never
 * unloaded).
 *
 * Threads. Objects are apartment-threaded: each belongs to the thread that created it, and a call on
 * it from any other thread fails with CORV_E_WRONG_THREAD and changes nothing.
 */
#ifndef CORVANE_CORVANE_H
#define CORVANE_CORVANE_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define CORV_ABI_VERSION 1u

/* ---- error numbers ------------------------------------------------------------------------------ */

#define CORV_OK 0
#define CORV_E_INVALID_CALL 5
#define CORV_E_OVERFLOW 6
#define CORV_E_OUT_OF_MEMORY 7
#define CORV_E_SUBSCRIPT_OUT_OF_RANGE 9
#define CORV_E_TYPE_MISMATCH 13
#define CORV_E_LOAD_FAILED 48
#define CORV_E_INTERNAL 51
#define CORV_E_FILE_NOT_FOUND 53
#define CORV_E_PATH_ACCESS 75
#define CORV_E_INVALID_FILE_FORMAT 321
#define CORV_E_READ_ONLY 383
#define CORV_E_WRITE_ONLY 394
#define CORV_E_CANNOT_CREATE 429
#define CORV_E_NO_SUCH_MEMBER 438
#define CORV_E_NOT_OPTIONAL 449
#define CORV_E_BAD_PARAM_COUNT 450
#define CORV_E_NO_ENTRY_POINT 453
#define CORV_E_WRONG_THREAD (-2147417842) /* 0x8001010E */

/* ---- variants ----------------------------------------------------------------------------------- */

typedef enum corv_vartype {
    CORV_VT_EMPTY = 0,
    CORV_VT_I2 = 1, /* 16-bit signed integer */
    CORV_VT_I4 = 2, /* 32-bit signed integer */
    CORV_VT_R4 = 3, /* single precision */
    CORV_VT_R8 = 4, /* double precision */
    CORV_VT_DATE = 5, /* days since 1899-12-30 00:00; the fraction is the time of day */
    CORV_VT_BOOL = 6, /* 0 false; the library writes -1 for true and reads any non-zero as true */
    CORV_VT_STRING = 7,
    CORV_VT_RECORD = 8, /* a type name and named fields */
    CORV_VT_OBJECT = 9, /* an object handle (NULL: no object) */
    CORV_VT_MISSING = 10, /* an omitted optional argument */
    CORV_VT_VARIANT = 0xFF /* in descriptions only: a parameter that takes any type */
} corv_vartype;

/* Flag in corv_variant.flags: the variant refers, through u.ref, to a variant owned by the caller
 * (a ByRef argument). The callee or event sink may overwrite *u.ref (with corv_variant_set_*); the
 * library converts what it finds there back to the referenced value's original type. */
#define CORV_VF_BYREF 0x0001u

typedef struct corv_object corv_object;
typedef struct corv_field corv_field;
typedef struct corv_variant corv_variant;

struct corv_variant {
    uint16_t type; /* corv_vartype */
    uint16_t flags; /* CORV_VF_* */
    uint32_t reserved;
    union {
        int16_t i2;
        int32_t i4;
        float r4;
        double r8;
        double date;
        int16_t boolean;
        struct {
            char *data; /* NUL-terminated; malloc'd, owned by the variant */
            size_t length; /* bytes, without the NUL */
        } str;
        struct {
            /* One malloc'd block owned by the variant: the field array, followed by the type name
             * and field names when corv_variant_set_record built it. corv_variant_clear clears each
             * field value and frees this block; it never frees type_name or a field name on its
             * own, so those point into the block or at text that outlives the variant. */
            const char *type_name;
            corv_field *fields;
            size_t count;
        } rec;
        corv_object *obj; /* one reference owned by the variant */
        corv_variant *ref; /* with CORV_VF_BYREF: the caller's variant, not owned */
    } u;
};

struct corv_field {
    const char *name;
    corv_variant value;
};

void corv_variant_init(corv_variant *v);
/* Frees what the variant owns (string, record block, object reference) and leaves it empty. A by-ref
 * variant is only reset; its target is untouched. Clear object variants on the object's thread: on any
 * other the reference cannot be given back and is kept. */
void corv_variant_clear(corv_variant *v);
/* Deep copy (object handles gain a reference; a by-ref source copies the referenced value). */
int32_t corv_variant_copy(corv_variant *dst, const corv_variant *src);
void corv_variant_set_i2(corv_variant *v, int16_t value);
void corv_variant_set_i4(corv_variant *v, int32_t value);
void corv_variant_set_r4(corv_variant *v, float value);
void corv_variant_set_r8(corv_variant *v, double value);
void corv_variant_set_date(corv_variant *v, double value);
void corv_variant_set_bool(corv_variant *v, int value);
void corv_variant_set_missing(corv_variant *v);
/* Copies the text, which must be valid UTF-8 (error 5 otherwise, v unchanged). */
int32_t corv_variant_set_string(corv_variant *v, const char *utf8);
int32_t corv_variant_set_string_n(corv_variant *v, const char *utf8, size_t length);
/* A record of `count` empty fields with copies of the type name and field names in one block; set the
 * field values through v->u.rec.fields[i].value. */
int32_t corv_variant_set_record(corv_variant *v, const char *type_name, size_t count, const char *const *field_names);
/* Takes a new reference to the object (NULL stores "no object"). */
int32_t corv_variant_set_object(corv_variant *v, corv_object *object);
/* Makes v a by-ref variant pointing at target (which the caller keeps alive and clears). */
void corv_variant_set_ref(corv_variant *v, corv_variant *target);

/* Frees a string or array the ABI returned (NULL is allowed). */
void corv_free(void *p);

/* ---- descriptions of classes and members --------------------------------------------------------- */

typedef enum corv_invoke_kind {
    CORV_EVENT = 0, /* in descriptions: the entry is an event */
    CORV_METHOD = 1,
    CORV_PROPERTY_GET = 2,
    CORV_PROPERTY_PUT = 4,
    CORV_PROPERTY_PUTREF = 8
} corv_invoke_kind;

/* The dispatch ids the ABI gives a meaning of its own. */
#define CORV_DISPID_VALUE 0 /* the default member */
#define CORV_DISPID_UNKNOWN (-1) /* what corv_ids_of_names writes for a name it does not know */

typedef struct corv_param_desc {
    const char *name;
    uint16_t type; /* corv_vartype */
    uint8_t optional;
    uint8_t byref;
    const char *type_name; /* enumeration, record or object type; NULL for plain types */
} corv_param_desc;

/* A member or an event. For a property put or putref the value to store is the last argument of the
 * call; it is not listed in params, its type is `type`. For a method or get, `type` is the result
 * (CORV_VT_EMPTY: none). */
typedef struct corv_member_desc {
    const char *name;
    int32_t dispid;
    int32_t kind; /* corv_invoke_kind */
    uint16_t type;
    const char *type_name;
    size_t param_count;
    const corv_param_desc *params;
    const char *help; /* "" when none */
} corv_member_desc;

/* Members are listed in interface order; a property appears once per kind it supports. */
typedef struct corv_class_desc {
    const char *name;
    const char *help;
    size_t member_count;
    const corv_member_desc *members;
    size_t event_count;
    const corv_member_desc *events;
} corv_class_desc;

/* ---- the type library ---------------------------------------------------------------------------- */

/* What a library publishes beyond its classes' members: the enumerations that members and parameters
 * name in type_name (an EraMode parameter takes the values of the enumeration EraMode), and each
 * class's identities. UUIDs are in registry form, "{8-4-4-4-12}" in upper-case hexadecimal, and fixed:
 * a host may keep them. Names are the published ones, which need not be identifiers ("3D"). */
typedef struct corv_enum_member {
    const char *name;
    int32_t value;
} corv_enum_member;

typedef struct corv_enum_desc {
    const char *name;
    const char *uuid;
    size_t member_count;
    const corv_enum_member *members;
} corv_enum_desc;

/* A creatable class: its ProgID, the class, its default interface (the name corv_class_desc carries)
 * and its events interface ("" name and UUID for a class that raises no events). */
typedef struct corv_class_identity {
    const char *progid;
    const char *class_name;
    const char *class_uuid;
    const char *interface_name;
    const char *interface_uuid;
    const char *events_name;
    const char *events_uuid;
} corv_class_identity;

typedef struct corv_type_library {
    uint32_t size; /* sizeof(corv_type_library) of the library: later additions are present when it
                      reaches past them */
    size_t enum_count;
    const corv_enum_desc *enums;
    size_t class_count; /* the classes that publish identities, in registration order */
    const corv_class_identity *classes;
} corv_type_library;

/* Named constants of the library's published enumerations: CORV_ followed by the member's published
 * name, blanks written as underscores. */
typedef enum corv_cApperance {
    CORV_Flat = 0,
    CORV_3D = 1
} corv_cApperance;
typedef enum corv_cAgrDateStrFormat {
    CORV_cAD_0000Y00M00D_WEEK = 0,
    CORV_cAD_0000Y00M00D_AGR_YYXMMXDDX = 1,
    CORV_cAD_0000Y00M00D_AGR_YYXMMXDDX_WEEK = 2,
    CORV_cAD_0000Y00M00D_AGR_MMXDDX = 3,
    CORV_cAD_0000Y00M00D_AGR_MMXDDX_WEEK = 4
} corv_cAgrDateStrFormat;
typedef enum corv_cBorderStyle {
    CORV_None = 0,
    CORV_Fixed_Single = 1
} corv_cBorderStyle;
typedef enum corv_EraMode {
    CORV_XCAgrMonth = 0,
    CORV_XCAgrTerm = 1
} corv_EraMode;

/* ---- objects ------------------------------------------------------------------------------------ */

/* Filled by the library when a call fails: the error number and a UTF-8 description, cut at a
 * character boundary to fit. */
typedef struct corv_error {
    int32_t number;
    char message[1024];
} corv_error;

/* An event sink. args are in declaration order (not reversed); by-ref arguments carry CORV_VF_BYREF
 * and the sink may overwrite *args[i].u.ref. Return 0, or an error number to report a failure: the
 * other sinks are still called and the raiser learns of the first failure. */
typedef int32_t (*corv_event_fn)(void *user_data, int32_t dispid, corv_variant *args, size_t argc);

typedef struct corv_bag corv_bag;

/* The binary layout of every object. Hosts normally use the corv_ functions below, which call
 * through this table and keep the per-thread last error. `err` may be NULL. */
typedef struct corv_object_vtbl {
    uint32_t abi_version;
    uint32_t size; /* sizeof(corv_object_vtbl) of the library */
    int32_t (*add_ref)(corv_object *self, corv_error *err);
    int32_t (*release)(corv_object *self, corv_error *err);
    int32_t (*get_class)(corv_object *self, const corv_class_desc **cls, corv_error *err);
    int32_t (*invoke)(corv_object *self,
                      int32_t dispid,
                      int32_t kind,
                      corv_variant *args,
                      size_t argc,
                      corv_variant *result,
                      corv_error *err);
    int32_t (*ids_of_names)(corv_object *self, const char *const *names, size_t count, int32_t *ids, corv_error *err);
    int32_t (*advise)(corv_object *self, corv_event_fn fn, void *user_data, uint32_t *cookie, corv_error *err);
    int32_t (*unadvise)(corv_object *self, uint32_t cookie, corv_error *err);
    int32_t (*init_new)(corv_object *self, corv_error *err);
    int32_t (*load)(corv_object *self, corv_bag *bag, corv_error *err);
    int32_t (*save)(corv_object *self, corv_bag *bag, corv_error *err);
    /* Added after the first release: present when size reaches past it (see corv_object_window). */
    int32_t (*window)(corv_object *self, void **window, corv_error *err);
} corv_object_vtbl;

/* The size of the table before `window` was added; a library's table is at least this long. */
#define CORV_OBJECT_VTBL_BASE_SIZE offsetof(corv_object_vtbl, window)

struct corv_object {
    const corv_object_vtbl *vtbl;
};

/* Takes a reference. */
int32_t corv_add_ref(corv_object *object);
/* Gives one up; the object goes away with its last reference. */
int32_t corv_release(corv_object *object);
int32_t corv_object_class(corv_object *object, const corv_class_desc **cls);
/* Calls a member. kind is one corv_invoke_kind, or CORV_METHOD | CORV_PROPERTY_GET to call a method or
 * read a property, whichever the member is. Arguments go in declaration order; pass a CORV_VT_MISSING
 * variant (or fewer arguments) for omitted optional ones. `args` keep their values (the library
 * copies them); by-ref arguments may be overwritten. A value for a Date parameter or property that is
 * NaN, infinite or outside years 100 to 9999 is error 6, whatever type it arrives as. On success
 * `result` (may be NULL; it must hold a valid variant) is cleared and receives the result, empty for
 * a put; on failure it is untouched. */
int32_t
corv_invoke(corv_object *object, int32_t dispid, int32_t kind, corv_variant *args, size_t argc, corv_variant *result);
/* Looks up member names, case-insensitively. Unknown names get CORV_DISPID_UNKNOWN and the call
 * fails with 438 after filling every id. */
int32_t corv_ids_of_names(corv_object *object, const char *const *names, size_t count, int32_t *ids);
/* Subscribes fn to every event of the object; *cookie identifies the subscription. */
int32_t corv_advise(corv_object *object, corv_event_fn fn, void *user_data, uint32_t *cookie);
/* Ends a subscription; safe during an event (the sink is not called again). */
int32_t corv_unadvise(corv_object *object, uint32_t cookie);

/* The native window of a visual object, for a host to place on its own form: for the Qt controls a
 * QWidget * of the process's Qt, parentless until the host adopts it, owned by the object (it goes
 * with the object's last reference unless the host deletes it first). A non-visual object, one whose
 * window is gone, or a library whose table predates the entry fails with 438; *window is NULL after
 * any failure. */
int32_t corv_object_window(corv_object *object, void **window);

/* ---- persistence -------------------------------------------------------------------------------- */

/* A property bag: keys in the order they were first written, each with a variant. Keys ignore ASCII
 * case, like member names and ProgIDs ("currdate" is "CurrDate"). The host side provides one
 * (corv_bag_create); a host may also implement the table itself (with two keys that differ only in
 * case, loading or saving through it fails with 5). */
typedef struct corv_bag_vtbl {
    uint32_t abi_version;
    uint32_t size;
    size_t (*count)(corv_bag *self);
    /* key: valid until the bag changes; value: a copy the caller clears. */
    int32_t (*entry)(corv_bag *self, size_t index, const char **key, corv_variant *value, corv_error *err);
    /* *found: 1 and a copy in *value (which the caller clears) when the key is present, else 0. */
    int32_t (*find)(corv_bag *self, const char *key, int *found, corv_variant *value, corv_error *err);
    /* Stores a copy; an existing key keeps its place. */
    int32_t (*put)(corv_bag *self, const char *key, const corv_variant *value, corv_error *err);
    void (*remove)(corv_bag *self, const char *key);
    void (*clear)(corv_bag *self);
    void (*destroy)(corv_bag *self);
} corv_bag_vtbl;

struct corv_bag {
    const corv_bag_vtbl *vtbl;
};

int32_t corv_bag_create(corv_bag **bag);
void corv_bag_destroy(corv_bag *bag);
/* Replaces the bag's content with the file's; on any failure (a malformed line is reported with its
 * number) the bag keeps its previous content. Only a regular file is read (75 for a folder, FIFO or
 * device). A UTF-8 byte-order mark is skipped; lines may end in LF, CR LF or CR. Records nest at most
 * 32 levels deep (321 beyond). */
int32_t corv_bag_load_file(corv_bag *bag, const char *path);
/* Writes a new file beside the target and renames it over the target only when it is complete and
 * synced, with the target's permissions; a symbolic link is followed and stays a link. A target that
 * is no regular file, or that the caller may not write, is refused (75) and left alone. */
int32_t corv_bag_save_file(corv_bag *bag, const char *path);
size_t corv_bag_count(corv_bag *bag);
/* *key is valid until the bag changes; *value (may be NULL) is a copy to clear. */
int32_t corv_bag_entry(corv_bag *bag, size_t index, const char **key, corv_variant *value);
/* The stored value, or a copy of default_value (NULL: empty) when the key is absent. */
int32_t corv_bag_read(corv_bag *bag, const char *key, const corv_variant *default_value, corv_variant *out);
/* Stores the value, or, when it equals default_value (not NULL), removes the key instead. Numbers
 * compare by value across types (an I2 1 equals an I4 1). A value that could be saved but never
 * loaded back is refused: a date that is NaN, infinite or outside years 100 to 9999 (6), a record
 * nested deeper than 32 levels or with a type or field name that is no identifier (5). */
int32_t corv_bag_write(corv_bag *bag, const char *key, const corv_variant *value, const corv_variant *default_value);

/* The persistence contract: a new object starts from its defaults (init_new) or from a bag (load);
 * save replaces the bag's content with the object's saved properties. */
int32_t corv_init_new(corv_object *object);
int32_t corv_load(corv_object *object, corv_bag *bag);
int32_t corv_save(corv_object *object, corv_bag *bag);

/* ---- the library entry point -------------------------------------------------------------------- */

typedef struct corv_class_entry {
    const char *progid;
    const corv_class_desc *cls;
} corv_class_entry;

/* What a library's entry point returns: the classes it serves and their factory. */
typedef struct corv_library {
    uint32_t abi_version;
    uint32_t size;
    int32_t (*get_classes)(const corv_class_entry **entries, size_t *count, corv_error *err);
    int32_t (*create_object)(const char *progid, corv_object **out, corv_error *err);
    /* Added after the first release: present when size reaches past it (see corv_find_type_library).
     * The table lives as long as the library. */
    int32_t (*get_type_library)(const corv_type_library **lib, corv_error *err);
} corv_library;

/* The size of the table before `get_type_library` was added; a library's table is at least this long. */
#define CORV_LIBRARY_BASE_SIZE offsetof(corv_library, get_type_library)

/* The one symbol a library exports: returns its table, or NULL when it cannot serve abi_version. */
#define CORV_ENTRY_POINT_NAME "CorvaneGetLibrary"
typedef const corv_library *(*corv_entry_fn)(uint32_t abi_version);

/* ---- registry and creation (host side) ---------------------------------------------------------- */

/* Registries. Creation looks a ProgID up in $CORVANE_REGISTRY alone when it is set and not empty;
 * otherwise in the user's file ($XDG_CONFIG_HOME/corvane/registry, else
 * $HOME/.config/corvane/registry), then in the system's: corvane/registry under each folder of
 * $XDG_CONFIG_DIRS (default /etc/xdg). The first file that lists the ProgID wins.
 *
 * The default registry file, the one registration writes: $CORVANE_REGISTRY when set and not empty,
 * otherwise the user's file. *path: corv_free. */
int32_t corv_registry_path(char **path);
/* Loads the library, asks it for its ProgIDs and records each (replacing older entries of the same
 * ProgID) in the registry file; registry_path NULL means the default file. */
int32_t corv_register_library(const char *library_path, const char *registry_path);
/* Removes every entry that names this library. */
int32_t corv_unregister_library(const char *library_path, const char *registry_path);

typedef struct corv_registry_entry {
    char *progid;
    char *class_name;
    char *library_path;
} corv_registry_entry;

/* The entries creation would use: every ProgID of the registries above once, as the first file that
 * lists it has it, in search order. Free with corv_registry_entries_free. */
int32_t corv_registry_entries(corv_registry_entry **entries, size_t *count);
void corv_registry_entries_free(corv_registry_entry *entries, size_t count);

/* Creates an object by ProgID through the registries: 429 for an unknown ProgID, 53 when the library
 * file is missing, 48 when it cannot be loaded, 453 when it lacks the entry point. The object starts
 * with one reference, on the calling thread. */
int32_t corv_create_object(const char *progid, corv_object **object);
/* The class of a registered ProgID, without creating an object. */
int32_t corv_find_class(const char *progid, const corv_class_desc **cls);
/* The type library of the library registered for a ProgID, without creating an object: its published
 * enumerations and its classes' identities. A library whose table predates the entry fails with 438;
 * *lib is NULL after any failure. */
int32_t corv_find_type_library(const char *progid, const corv_type_library **lib);

/* ---- last error --------------------------------------------------------------------------------- */

int32_t corv_last_error(void);
/* Valid until the next corv_ call of the same thread. Always UTF-8: where a message quotes text that
 * is not (a ProgID, a member name, a path), each such byte appears as \xNN. */
const char *corv_last_error_message(void);

/* ---- creation from a library file (host side) ---------------------------------------------------- */

/* Creates an object of the library at library_path, which need not be registered anywhere (no
 * registry is read). Errors as corv_create_object; 429 when the library does not serve progid. */
int32_t corv_create_object_from(const char *library_path, const char *progid, corv_object **object);

#ifdef __cplusplus
}
#endif

#endif /* CORVANE_CORVANE_H */
