// A small program the process tests start: it does one thing its arguments ask for, so that a
// test can see from outside what a started program received and where it ran.
//   tam_child exit N              ends with exit code N
//   tam_child sleep MS [N]        sleeps MS milliseconds, then ends with N (default 0)
//   tam_child ppid FILE           writes "<parent pid> <own pid>" to FILE
//   tam_child cwd FILE            writes its current directory to FILE
//   tam_child args FILE ARG...    writes each ARG on a line of its own to FILE
//   tam_child killparent          kills its parent process, then ends with 0
//   tam_child spawnkiller MS [accept]
//                                 starts "tam_child killparent", then sleeps MS and ends with 3;
//                                 with "accept" it lets the kill end it as Windows would

#include "hostpath.h"
#include "process.h"
#include "reboot.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace {
void sleepMs(long ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Written under a temporary name and renamed, so the test never reads half a file.
void writeFile(const std::string &path, const std::string &text)
{
    {
        std::ofstream out(path + ".part", std::ios::binary);
        out << text;
    }
    std::filesystem::rename(path + ".part", path);
}
} // namespace

int main(int argc, char **argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "exit" && argc > 2)
        return static_cast<int>(std::strtoul(argv[2], nullptr, 10));
    if (mode == "sleep" && argc > 2) {
        sleepMs(std::strtol(argv[2], nullptr, 10));
        return argc > 3 ? static_cast<int>(std::strtoul(argv[3], nullptr, 10)) : 0;
    }
    if (mode == "ppid" && argc > 2) {
        writeFile(argv[2],
                  std::to_string(sys::parentProcessId()) + " "
                          + std::to_string(sys::currentProcessId()));
        return 0;
    }
    if (mode == "cwd" && argc > 2) {
        writeFile(argv[2], std::filesystem::current_path().u8string());
        return 0;
    }
    if (mode == "args" && argc > 2) {
        std::string text;
        for (int i = 3; i < argc; ++i)
            text += std::string(argv[i]) + "\n";
        writeFile(argv[2], text);
        return 0;
    }
    if (mode == "killparent") {
        sys::killParentProcess();
        return 0;
    }
    if (mode == "spawnkiller" && argc > 2) {
        if (argc > 3 && std::string(argv[3]) == "accept")
            sys::acceptTerminationByChild();
        sys::Process killer;
        if (!killer.start(sys::quoteArgument(sys::fromUtf8(argv[0])) + L" killparent"))
            return 4;
        sleepMs(std::strtol(argv[2], nullptr, 10));
        return 3;
    }
    return 100;
}
