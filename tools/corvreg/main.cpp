// corvreg - registers Corvane libraries: asks each library's entry point for the ProgIDs it serves
// and records them in a registry file (like a server registration). A command-line mistake exits
// with status 2, any other failure (output that cannot be written included) with status 1.
#include "platform/automation/AutomationError.h"
#include "platform/automation/LibraryRegistration.h"
#include "platform/automation/RegistryFile.h"
#include "platform/automation/RegistrySearch.h"
#include "platform/automation/Utf8.h"

#include "OutputStatus.h"

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace
{

constexpr const char *kUsage =
    "usage: corvreg [--system | --registry FILE] [--root DIR] LIBRARY...      register each library\n"
    "       corvreg [--system | --registry FILE] [--root DIR] -u LIBRARY...   remove the entries of each\n"
    "       corvreg [--system | --registry FILE] [--root DIR] --list          show the registry\n"
    "The registry file is FILE; with --system the system's, corvane/registry in the first folder of\n"
    "$XDG_CONFIG_DIRS (/etc/xdg); else $CORVANE_REGISTRY, else $XDG_CONFIG_HOME/corvane/registry,\n"
    "else ~/.config/corvane/registry. --root DIR works on an installation staged under DIR: the\n"
    "registry file and each LIBRARY (absolute paths) are taken under DIR, and the libraries are\n"
    "recorded with the paths they will have once installed.\n";

int Usage(const std::string &problem)
{
    std::cerr << "corvreg: " << problem << "\n" << kUsage;
    return 2;
}

struct Options {
    std::string registry;
    bool system = false;
    std::filesystem::path root;
    bool unregister = false;
    bool list = false;
    std::vector<std::string> libraries;
};

// The problem with the command line, or "" when it is sound.
std::string Parse(const std::vector<std::string> &args, Options &o, bool &help)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        if (a == "--registry" || a == "--root") {
            if (++i == args.size())
                return a + " needs a " + (a == "--root" ? "folder" : "file");
            if (a == "--root")
                o.root = args[i];
            else
                o.registry = args[i];
        } else if (a == "--system") {
            o.system = true;
        } else if (a == "-u" || a == "--unregister") {
            o.unregister = true;
        } else if (a == "--list") {
            o.list = true;
        } else if (a == "-h" || a == "--help") {
            help = true;
        } else if (!a.empty() && a[0] == '-') {
            return "unknown option " + corvane::PrintableText(a);
        } else {
            o.libraries.push_back(a);
        }
    }
    if (help)
        return {};
    if (o.system && !o.registry.empty())
        return "--system and --registry name two files";
    if (o.list == !o.libraries.empty() || (o.list && o.unregister))
        return o.list ? "--list takes no library" : "no library given";
    if (!o.root.empty()) {
        if (!o.root.is_absolute())
            return "--root needs an absolute folder";
        for (const std::string &library : o.libraries)
            if (!std::filesystem::path(library).is_absolute())
                return "with --root, " + corvane::PrintableText(library)
                    + " must be the absolute path it will be installed at";
    }
    return {};
}

// The file to work on, under the root when there is one.
std::filesystem::path RegistryFile(const Options &o)
{
    std::filesystem::path registry = !o.registry.empty() ? std::filesystem::path(o.registry)
        : o.system                                       ? corvane::SystemRegistryPath()
                                                         : corvane::DefaultRegistryPath();
    if (o.root.empty())
        return registry;
    return o.root / std::filesystem::absolute(registry).relative_path();
}

int Run(const Options &o)
{
    const std::filesystem::path registry = RegistryFile(o);
    if (o.list) {
        for (const corvane::RegistryEntry &e : corvane::ReadRegistry(registry))
            std::cout << e.progid << '\t' << e.className << '\t' << e.libraryPath << '\n';
        return 0;
    }
    for (const std::string &library : o.libraries) {
        if (o.unregister) {
            const std::size_t removed = corvane::UnregisterLibrary(library, registry);
            std::cout << "removed " << removed << " entr" << (removed == 1 ? "y" : "ies") << " of " << library << '\n';
        } else {
            for (const corvane::RegistryEntry &e : corvane::RegisterLibrary(library, registry, o.root))
                std::cout << "registered " << e.progid << " (" << e.className << ") -> " << e.libraryPath << '\n';
        }
    }
    std::cout << "registry: " << registry.string() << '\n';
    return 0;
}

int Main(int argc, char **argv)
{
    Options options;
    bool help = false;
    if (const std::string problem = Parse(std::vector<std::string>(argv + 1, argv + argc), options, help);
        !problem.empty())
        return Usage(problem);
    if (help) {
        std::cout << kUsage;
        return 0;
    }
    try {
        return Run(options);
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
