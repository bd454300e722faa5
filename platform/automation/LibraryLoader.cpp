#include "LibraryLoader.h"

#include "AbiError.h"
#include "AutomationError.h"
#include "Utf8.h"

#include <dlfcn.h>

#include <map>
#include <mutex>
#include <string>

namespace corvane
{

const corv_library &LoadCorvaneLibrary(const std::filesystem::path &path)
{
    static std::mutex mutex;
    static std::map<std::string, const corv_library *> loaded;

    if (path.empty())
        throw AutomationError(ErrorNumber::FileNotFound, "File not found: no library path");
    const std::string key = std::filesystem::absolute(path).lexically_normal().string();
    const std::lock_guard lock(mutex);
    if (const auto it = loaded.find(key); it != loaded.end())
        return *it->second;

    std::error_code ec;
    if (!std::filesystem::is_regular_file(key, ec))
        throw AutomationError(ErrorNumber::FileNotFound, "File not found: " + PrintableText(key));
    void *handle = dlopen(key.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char *why = dlerror();
        throw AutomationError(ErrorNumber::LibraryLoadFailed,
                              "Error in loading DLL: " + PrintableText(why ? why : key));
    }
    // The handle is kept open even when the library turns out unusable: closing a library whose
    // initialisers ran is riskier than the memory it keeps.
    dlerror();
    void *symbol = dlsym(handle, CORV_ENTRY_POINT_NAME);
    if (!symbol)
        throw AutomationError(ErrorNumber::NoEntryPoint,
                              std::string("Can't find library entry point ") + CORV_ENTRY_POINT_NAME + " in "
                                  + PrintableText(key));
    const auto entry = reinterpret_cast<corv_entry_fn>(symbol);
    const corv_library *library = entry(CORV_ABI_VERSION);
    if (!library || library->size < CORV_LIBRARY_BASE_SIZE || !library->get_classes || !library->create_object)
        throw AutomationError(ErrorNumber::CannotCreateObject,
                              "Cannot create object: " + PrintableText(key) + " does not serve Corvane ABI version "
                                  + std::to_string(CORV_ABI_VERSION));
    loaded.emplace(key, library);
    return *library;
}

std::span<const corv_class_entry> LibraryClasses(const corv_library &library)
{
    const corv_class_entry *entries = nullptr;
    std::size_t count = 0;
    corv_error err{};
    if (const std::int32_t rc = library.get_classes(&entries, &count, &err))
        abi::ThrowError(rc, err);
    return {entries, count};
}

} // namespace corvane
