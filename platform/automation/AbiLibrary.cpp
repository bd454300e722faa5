#include "AbiLibrary.h"

#include "AbiClassDesc.h"
#include "AbiError.h"
#include "AbiObject.h"
#include "AbiTypeLibrary.h"
#include "ClassRegistry.h"

#include <memory>
#include <mutex>
#include <vector>

namespace corvane::abi
{

namespace
{

std::int32_t GetClasses(const corv_class_entry **entries, std::size_t *count, corv_error *err)
{
    return Guard(err, [&] {
        if (!entries || !count)
            throw AutomationError(ErrorNumber::InvalidCall);
        // Hosts keep the array, so every version handed out stays alive; a new one is built only
        // when classes were registered since.
        static std::mutex mutex;
        static std::vector<std::unique_ptr<std::vector<corv_class_entry>>> versions;
        const std::lock_guard lock(mutex);
        const std::vector<ClassRegistration> registered = ClassRegistry::Instance().Entries();
        if (versions.empty() || versions.back()->size() != registered.size()) {
            auto list = std::make_unique<std::vector<corv_class_entry>>();
            for (const ClassRegistration &r : registered)
                list->push_back({r.progid, &DescribeClass(r.info())});
            versions.push_back(std::move(list));
        }
        *entries = versions.back()->data();
        *count = versions.back()->size();
    });
}

std::int32_t CreateObject(const char *progid, corv_object **out, corv_error *err)
{
    return Guard(err, [&] {
        if (!progid || !out)
            throw AutomationError(ErrorNumber::InvalidCall);
        *out = nullptr;
        ObjectHandle object = ClassRegistry::Instance().Create(progid);
        *out = ShareHandle(*object);
    });
}

std::int32_t GetTypeLibrary(const corv_type_library **lib, corv_error *err)
{
    if (lib)
        *lib = nullptr;
    return Guard(err, [&] {
        if (!lib)
            throw AutomationError(ErrorNumber::InvalidCall);
        *lib = &DescribeTypeLibrary(ClassRegistry::Instance());
    });
}

constexpr corv_library kLibrary = {CORV_ABI_VERSION, sizeof(corv_library), GetClasses, CreateObject, GetTypeLibrary};

} // namespace

const corv_library *LibraryTable(std::uint32_t abiVersion) noexcept
{
    return abiVersion == CORV_ABI_VERSION ? &kLibrary : nullptr;
}

} // namespace corvane::abi
