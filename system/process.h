#pragma once

// Starting and controlling processes. Command lines are Windows command lines
// ("\"C:\\dir\\prog.exe\" /S"); the portable build splits them with the Windows rules and runs
// real POSIX processes, mapping C:\ paths into the simulated machine and X.exe to X when
// X.exe does not exist.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace sys {

constexpr uint32_t WaitInfinite = 0xFFFFFFFF;

class ProcessImpl;

class Process
{
public:
    Process();
    ~Process(); // releases handles; never kills the process
    Process(Process &&) noexcept;
    Process &operator=(Process &&) noexcept;

    // Starts commandLine with workingDirectory as its current directory (empty: inherit).
    bool start(const std::wstring &commandLine, const std::wstring &workingDirectory = {});
    // Waits up to timeoutMs (WaitInfinite: no limit); true when the process has ended.
    bool wait(uint32_t timeoutMs = WaitInfinite);
    bool isRunning() const;
    uint32_t exitCode() const; // valid after wait() returned true
    uint32_t pid() const;
    bool terminate(uint32_t exitCode);

private:
    std::unique_ptr<ProcessImpl> m_impl;
};

uint32_t currentProcessId();
uint32_t currentThreadId();
// 0 when unknown.
uint32_t parentProcessId();
// Opens pid with terminate rights and ends it with exitCode; false when it cannot be opened.
bool terminateProcess(uint32_t pid, uint32_t exitCode);

// The shell's execute function (ShellExecuteW). Returns its result code: >= 32 on success;
// 0 or 8 out of memory, 2 file not found, 3 path not found, 5 access denied, 11 bad format.
enum class ShowCommand { Hidden = 0, Normal = 1 };
intptr_t shellExecute(void *ownerWindow,
                      const std::wstring &operation,
                      const std::wstring &file,
                      const std::wstring &parameters,
                      const std::wstring &directory,
                      ShowCommand show);

// Splits a Windows command line into arguments (CommandLineToArgvW rules).
std::vector<std::wstring> splitCommandLine(const std::wstring &commandLine);
// Quotes one argument so that splitCommandLine gives it back unchanged.
std::wstring quoteArgument(const std::wstring &argument);

} // namespace sys
