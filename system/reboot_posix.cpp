// Killing and restarting on the simulated machine: real signals for processes, a record in the
// machine folder instead of a restart of the host.

#include "machine.h"
#include "process.h"
#include "reboot.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <signal.h>
#include <string>
#include <unistd.h>

namespace sys {

namespace {
bool isSafeTarget(unsigned long pid)
{
    // 0 and negative numbers address process groups with kill(); 1 is init.
    return pid > 1 && pid <= static_cast<unsigned long>(INT_MAX);
}

// The signal by which a child ends a parent that accepts it; its name fits the restart that sends
// it.
constexpr int TerminateSignal = SIGPWR;

void endAsTerminated(int)
{
    ::_exit(0);
}

// Whether pid has a handler for signal (the "SigCgt" mask of /proc/PID/status).
bool catchesSignal(pid_t pid, int signal)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.compare(0, 7, "SigCgt:") != 0)
            continue;
        const unsigned long long mask = std::strtoull(line.c_str() + 7, nullptr, 16);
        return (mask >> (signal - 1)) & 1u;
    }
    return false;
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
    if (!isSafeTarget(parent) || static_cast<pid_t>(parent) != ::getppid())
        return;
    const auto pid = static_cast<pid_t>(parent);
    ::kill(pid, catchesSignal(pid, TerminateSignal) ? TerminateSignal : SIGKILL);
}

void acceptTerminationByChild()
{
    struct sigaction action = {};
    action.sa_handler = endAsTerminated;
    sigemptyset(&action.sa_mask);
    sigaction(TerminateSignal, &action, nullptr);
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
