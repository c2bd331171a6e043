#pragma once

// Starting and controlling processes. Command lines are Windows command lines
// ("\"C:\\dir\\prog.exe\" /S"); the portable build splits them with the Windows rules and runs
// real POSIX processes, mapping C:\ paths into the simulated machine and X.exe to X when
// X.exe does not exist.
//
// How the portable build finds a program:
// - the program path (first word of the command line) goes through toHostPath;
// - a name without a directory is looked for in the running program's directory, then the
//   current directory, then on PATH, as CreateProcessW does;
// - wherever "X.exe" does not exist, "X" is tried in the same place; "explorer.exe" falls back
//   to the desktop's file manager ("xdg-open").
// A process that a signal ended (killProcess, terminateProcess) reports exit code 0xFFFFFFFF,
// the code those functions leave on Windows; Process::terminate's own code is kept.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace sys {

constexpr uint32_t WaitInfinite = 0xFFFFFFFF;
// GetExitCodeProcess' answer while the process still runs.
constexpr uint32_t StillActive = 259;

// Creation flags with their Windows values.
namespace ProcessFlags {
constexpr uint32_t None = 0;
constexpr uint32_t NoWindow = 0x08000000;         // CREATE_NO_WINDOW
constexpr uint32_t DefaultErrorMode = 0x04000000; // CREATE_DEFAULT_ERROR_MODE
} // namespace ProcessFlags

class ProcessImpl;

class Process
{
public:
    Process();
    ~Process(); // releases handles; never kills the process
    Process(Process &&) noexcept;
    Process &operator=(Process &&) noexcept;
    Process(const Process &) = delete;
    Process &operator=(const Process &) = delete;

    // Starts commandLine (CreateProcessW: no application name, no inherited handles, zeroed
    // STARTUPINFOW) with workingDirectory as its current directory (empty: inherit).
    bool start(const std::wstring &commandLine,
               const std::wstring &workingDirectory = {},
               uint32_t flags = ProcessFlags::DefaultErrorMode);
    // Windows error code of the last failed start (2 file not found, 3 path not found,
    // 5 access denied, 8 not enough memory, 193 bad executable format); 0 after success.
    uint32_t startError() const;
    // Waits up to timeoutMs (WaitInfinite: no limit); true when the process has ended.
    bool wait(uint32_t timeoutMs = WaitInfinite);
    bool isRunning() const;
    uint32_t exitCode() const; // valid after wait() returned true; StillActive before
    uint32_t pid() const;      // 0 when nothing was started
    bool terminate(uint32_t exitCode);

private:
    std::unique_ptr<ProcessImpl> m_impl;
};

// The running program's arguments, its name first, as the platform gave them: on Windows
// from the wide command line (argv there holds them in the ANSI code page, which loses every
// character beyond it), elsewhere argv read as UTF-8.
std::vector<std::wstring> programArguments(int argc, char *argv[]);

// The folder of the running program in Windows form, without a trailing separator (Win32: its
// module file name up to the last backslash; portable: /proc/self/exe through fromHostPath).
std::wstring programDirectory();

uint32_t currentProcessId();
uint32_t currentThreadId();
// 0 when unknown.
uint32_t parentProcessId();
// The file name, without folder, of the program that process pid runs ("setup.exe"); empty
// when there is no such process or it cannot be asked. Win32: the Tool Help process list;
// elsewhere /proc/<pid>/exe.
std::wstring processImageName(uint32_t pid);
// Opens pid with terminate rights and ends it with exitCode; false when it cannot be opened.
bool terminateProcess(uint32_t pid, uint32_t exitCode);

// The shell's execute function (ShellExecuteW). Returns its result code: >= 32 on success;
// 0 or 8 out of memory, 2 file not found, 3 path not found, 5 access denied, 11 bad format.
// A relative file is looked for in directory first (then as Process does). The program is
// started detached: nobody waits for it, and the portable build reaps it so that it leaves
// no zombie while keeping the caller as its parent (killParentProcess relies on that).
//
// Portable build only: when the environment variable TAM_SIMULATE_SHELLEXECUTE_RESULT holds a
// number, nothing is started and that number is returned, so that callers can be tested with
// results the host cannot produce (8 out of memory, 5 for a refused consent prompt, ...).
//
// With processId, a started program's process id is stored there (0 when the shell did not
// say), so that a caller can tell when it has ended (processImageName turns empty).
enum class ShowCommand { Hidden = 0, Normal = 1 };
intptr_t shellExecute(void *ownerWindow,
                      const std::wstring &operation,
                      const std::wstring &file,
                      const std::wstring &parameters,
                      const std::wstring &directory,
                      ShowCommand show,
                      uint32_t *processId = nullptr);

// Splits a Windows command line into arguments (CommandLineToArgvW rules: the program name
// ends at its closing quote or at white space; then 2n backslashes before a quote give n and
// the quote toggles quoting, 2n+1 give n and a literal quote, other backslashes are literal).
std::vector<std::wstring> splitCommandLine(const std::wstring &commandLine);
// Quotes one argument so that splitCommandLine gives it back unchanged.
std::wstring quoteArgument(const std::wstring &argument);

} // namespace sys
