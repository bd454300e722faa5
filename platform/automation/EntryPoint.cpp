// The one symbol a Corvane library exports (see CORV_ENTRY_POINT_NAME). Built as an object library
// so that it always lands in the shared library that links it, never dropped as an unused archive
// member.
#include "EntryPoint.h"
#include "AbiLibrary.h"

#include <mutex>

extern "C" __attribute__((visibility("default"))) const corv_library *CorvaneGetLibrary(std::uint32_t abiVersion)
{
    static std::once_flag registered;
    try {
        std::call_once(registered, [] { corvane::RegisterLibraryClasses(corvane::ClassRegistry::Instance()); });
    } catch (...) {
        // A registration that fails leaves the library unusable; the host reports it as unable to
        // create objects, and the next request tries again.
        return nullptr;
    }
    return corvane::abi::LibraryTable(abiVersion);
}
