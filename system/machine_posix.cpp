#include "machine.h"
#include "registry.h"

#include <cstdlib>
#include <mutex>
#include <string>
#include <sys/stat.h>

namespace sys {

namespace {
std::mutex &rootMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::string &overrideRoot()
{
    static std::string root;
    return root;
}

std::string defaultRoot()
{
    if (const char *machine = std::getenv("TAM_MACHINE"); machine && *machine)
        return machine;
    if (const char *data = std::getenv("XDG_DATA_HOME"); data && *data)
        return std::string(data) + "/tam-machine";
    const char *home = std::getenv("HOME");
    return std::string(home && *home ? home : "/tmp") + "/.local/share/tam-machine";
}

void makePath(const std::string &path)
{
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        ::mkdir(path.substr(0, slash).c_str(), 0755);
        if (slash == std::string::npos)
            break;
    }
}
} // namespace

std::string machineFolder()
{
    std::lock_guard<std::mutex> guard(rootMutex());
    std::string root = overrideRoot().empty() ? defaultRoot() : overrideRoot();
    while (root.size() > 1 && root.back() == '/')
        root.pop_back();
    return root;
}

std::string machineRoot()
{
    const std::string root = machineFolder();
    std::lock_guard<std::mutex> guard(rootMutex());
    struct stat info;
    if (::stat((root + "/drive_c").c_str(), &info) != 0) {
        for (const char *folder : {"/drive_c/Program Files",
                                   "/drive_c/Program Files (x86)",
                                   "/drive_c/Windows/System32",
                                   "/drive_c/users/Public"})
            makePath(root + folder);
    }
    return root;
}

void setMachineRoot(const std::string &folder)
{
    std::lock_guard<std::mutex> guard(rootMutex());
    overrideRoot() = folder;
}

bool simulatedMachineIs32Bit()
{
    const RegKey key = RegKey::open(RegRoot::LocalMachine,
                                    L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                                    RegAccess::Read | RegAccess::Wow64_64Key);
    uint32_t bits = 0;
    return key.readDword(L"TamSimulatedBitness", bits) && bits == 32;
}

} // namespace sys
