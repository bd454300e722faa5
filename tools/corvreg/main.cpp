// corvreg - registers Corvane libraries: asks each library's entry point for the ProgIDs it serves
// and records them in the registry file (like a server registration). A command-line mistake exits
// with status 2, any other failure (output that cannot be written included) with status 1.
#include "platform/automation/AutomationError.h"
#include "platform/automation/LibraryRegistration.h"
#include "platform/automation/RegistryFile.h"
#include "platform/automation/Utf8.h"

#include "OutputStatus.h"

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace
{

constexpr const char *kUsage =
    "usage: corvreg [--registry FILE] LIBRARY...      register the ProgIDs of each library\n"
    "       corvreg [--registry FILE] -u LIBRARY...   remove the entries of each library\n"
    "       corvreg [--registry FILE] --list          show the registry\n"
    "The registry file is FILE, else $CORVANE_REGISTRY, else\n"
    "$XDG_CONFIG_HOME/corvane/registry, else ~/.config/corvane/registry.\n";

int Usage(const std::string &problem)
{
    std::cerr << "corvreg: " << problem << "\n" << kUsage;
    return 2;
}

int Main(int argc, char **argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string registryOption;
    bool unregister = false;
    bool list = false;
    std::vector<std::string> libraries;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        if (a == "--registry") {
            if (++i == args.size())
                return Usage("--registry needs a file");
            registryOption = args[i];
        } else if (a == "-u" || a == "--unregister") {
            unregister = true;
        } else if (a == "--list") {
            list = true;
        } else if (a == "-h" || a == "--help") {
            std::cout << kUsage;
            return 0;
        } else if (!a.empty() && a[0] == '-') {
            return Usage("unknown option " + corvane::PrintableText(a));
        } else {
            libraries.push_back(a);
        }
    }
    if (list == !libraries.empty() || (list && unregister))
        return Usage(list ? "--list takes no library" : "no library given");

    try {
        const std::filesystem::path registry =
            registryOption.empty() ? corvane::DefaultRegistryPath() : std::filesystem::path(registryOption);
        if (list) {
            for (const corvane::RegistryEntry &e : corvane::ReadRegistry(registry))
                std::cout << e.progid << '\t' << e.className << '\t' << e.libraryPath << '\n';
            return 0;
        }
        for (const std::string &library : libraries) {
            if (unregister) {
                const std::size_t removed = corvane::UnregisterLibrary(library, registry);
                std::cout << "removed " << removed << " entr" << (removed == 1 ? "y" : "ies") << " of " << library
                          << '\n';
            } else {
                for (const corvane::RegistryEntry &e : corvane::RegisterLibrary(library, registry))
                    std::cout << "registered " << e.progid << " (" << e.className << ") -> " << e.libraryPath << '\n';
            }
        }
        std::cout << "registry: " << registry.string() << '\n';
        return 0;
    } catch (const corvane::AutomationError &e) {
        std::cerr << "corvreg: error " << e.number() << ": " << e.description() << '\n';
        return 1;
    } catch (const std::exception &e) {
        std::cerr << "corvreg: " << corvane::PrintableText(e.what()) << '\n';
        return 1;
    }
}

} // namespace

int main(int argc, char **argv)
{
    return corvane::tools::FinishOutput(std::cout, std::cerr, "corvreg", Main(argc, argv));
}
