// Killing and restarting on the simulated machine: real signals for processes, a record in the
// machine folder instead of a restart of the host.

#include "machine.h"
#include "process.h"
#include "reboot.h"

#include <climits>
#include <cstdio>
#include <ctime>
#include <signal.h>
#include <unistd.h>

namespace sys {

namespace {
bool isSafeTarget(unsigned long pid)
{
    // 0 and negative numbers address process groups with kill(); 1 is init.
    return pid > 1 && pid <= static_cast<unsigned long>(INT_MAX);
}
} // namespace

void killProcess(unsigned long pid)
{
    if (isSafeTarget(pid))
        ::kill(static_cast<pid_t>(pid), SIGKILL);
}

void killParentProcess()
{
    // An orphan's parent is init (or a session's subreaper): never ours to kill.
    const uint32_t parent = parentProcessId();
    if (isSafeTarget(parent) && static_cast<pid_t>(parent) == ::getppid())
        ::kill(static_cast<pid_t>(parent), SIGKILL);
}

void rebootAndExit()
{
    const std::string path = machineRoot() + "/reboot-requested";
    if (FILE *file = std::fopen(path.c_str(), "a")) {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        char stamp[32];
        std::strftime(stamp, sizeof(stamp), "%Y-%m-%d %H:%M:%S", &local);
        std::fprintf(file, "%s pid %u\n", stamp, static_cast<unsigned>(::getpid()));
        std::fclose(file);
    }
    std::fflush(nullptr);
    ::_exit(0);
}

} // namespace sys
