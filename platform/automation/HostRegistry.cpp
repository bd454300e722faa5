// Registry and creation calls of the C ABI: the host finds a ProgID in the registry file, loads the
// library it names and asks its entry point for the object.
#include "AbiError.h"
#include "HostError.h"
#include "LibraryLoader.h"
#include "LibraryRegistration.h"
#include "RegistryFile.h"
#include "RegistrySearch.h"
#include "Utf8.h"
#include "Variant.h"

#include <cstdlib>
#include <cstring>

using namespace corvane;

namespace
{

char *CopyText(const std::string &text)
{
    auto *copy = static_cast<char *>(std::malloc(text.size() + 1));
    if (!copy)
        throw std::bad_alloc();
    std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

std::filesystem::path RegistryOrDefault(const char *registry)
{
    return registry ? std::filesystem::path(registry) : DefaultRegistryPath();
}

// The registry entry of a ProgID and the loaded library that serves it.
const corv_library &LibraryFor(const char *progid)
{
    if (!progid)
        throw AutomationError(ErrorNumber::InvalidCall);
    const std::vector<std::filesystem::path> registries = RegistrySearchPath();
    const std::optional<FoundRegistryEntry> found = FindInRegistries(registries, progid);
    if (!found) {
        std::string searched;
        for (const std::filesystem::path &registry : registries)
            searched += (searched.empty() ? "" : ", ") + registry.string();
        throw AutomationError(ErrorNumber::CannotCreateObject,
                              "Cannot create object: " + PrintableText(progid) + " is not registered in "
                                  + PrintableText(searched));
    }
    return LoadCorvaneLibrary(found->entry.libraryPath);
}

void CreateObject(const corv_library &library, const char *progid, corv_object **object)
{
    corv_error err{};
    if (const int32_t rc = library.create_object(progid, object, &err))
        abi::ThrowError(rc, err);
}

} // namespace

extern "C" {

int32_t corv_registry_path(char **path)
{
    return host::HostCall([&] {
        if (!path)
            throw AutomationError(ErrorNumber::InvalidCall);
        *path = CopyText(DefaultRegistryPath().string());
    });
}

int32_t corv_register_library(const char *library_path, const char *registry_path)
{
    return host::HostCall([&] {
        if (!library_path)
            throw AutomationError(ErrorNumber::InvalidCall);
        RegisterLibrary(library_path, RegistryOrDefault(registry_path));
    });
}

int32_t corv_unregister_library(const char *library_path, const char *registry_path)
{
    return host::HostCall([&] {
        if (!library_path)
            throw AutomationError(ErrorNumber::InvalidCall);
        UnregisterLibrary(library_path, RegistryOrDefault(registry_path));
    });
}

int32_t corv_registry_entries(corv_registry_entry **entries, size_t *count)
{
    return host::HostCall([&] {
        if (!entries || !count)
            throw AutomationError(ErrorNumber::InvalidCall);
        const std::vector<RegistryEntry> read = VisibleRegistryEntries(RegistrySearchPath());
        auto *array =
            static_cast<corv_registry_entry *>(std::calloc(read.size() ? read.size() : 1, sizeof(corv_registry_entry)));
        if (!array)
            throw std::bad_alloc();
        try {
            for (size_t i = 0; i < read.size(); ++i) {
                array[i].progid = CopyText(read[i].progid);
                array[i].class_name = CopyText(read[i].className);
                array[i].library_path = CopyText(read[i].libraryPath);
            }
        } catch (...) {
            corv_registry_entries_free(array, read.size());
            throw;
        }
        *entries = array;
        *count = read.size();
    });
}

void corv_registry_entries_free(corv_registry_entry *entries, size_t count)
{
    if (!entries)
        return;
    for (size_t i = 0; i < count; ++i) {
        std::free(entries[i].progid);
        std::free(entries[i].class_name);
        std::free(entries[i].library_path);
    }
    std::free(entries);
}

int32_t corv_create_object(const char *progid, corv_object **object)
{
    return host::HostCall([&] {
        if (!object)
            throw AutomationError(ErrorNumber::InvalidCall);
        *object = nullptr;
        CreateObject(LibraryFor(progid), progid, object);
    });
}

int32_t corv_find_class(const char *progid, const corv_class_desc **cls)
{
    return host::HostCall([&] {
        if (!cls)
            throw AutomationError(ErrorNumber::InvalidCall);
        for (const corv_class_entry &entry : LibraryClasses(LibraryFor(progid))) {
            if (entry.progid && NamesEqual(entry.progid, progid)) {
                *cls = entry.cls;
                return;
            }
        }
        throw AutomationError(ErrorNumber::CannotCreateObject,
                              "Cannot create object: the library registered for " + PrintableText(progid)
                                  + " does not serve it");
    });
}

int32_t corv_find_type_library(const char *progid, const corv_type_library **lib)
{
    if (lib)
        *lib = nullptr;
    return host::HostCall([&] {
        if (!lib)
            throw AutomationError(ErrorNumber::InvalidCall);
        const corv_library &library = LibraryFor(progid);
        if (library.size < CORV_LIBRARY_BASE_SIZE + sizeof library.get_type_library || !library.get_type_library)
            throw AutomationError(ErrorNumber::NoSuchMember,
                                  "Object doesn't support this property or method: the library registered for "
                                      + PrintableText(progid) + " publishes no type library");
        corv_error err{};
        if (const int32_t rc = library.get_type_library(lib, &err))
            abi::ThrowError(rc, err);
    });
}

int32_t corv_create_object_from(const char *library_path, const char *progid, corv_object **object)
{
    return host::HostCall([&] {
        if (!object)
            throw AutomationError(ErrorNumber::InvalidCall);
        *object = nullptr;
        if (!library_path || !progid)
            throw AutomationError(ErrorNumber::InvalidCall);
        CreateObject(LoadCorvaneLibrary(library_path), progid, object);
    });
}

} // extern "C"
