// Processes on Windows: CreateProcessW, Tool Help and ShellExecuteW.

#include "process.h"

#include <windows.h>

#include <shellapi.h>
#include <tlhelp32.h>

#include <vector>

namespace sys {

class ProcessImpl
{
public:
    HANDLE process = nullptr;
    DWORD pid = 0;
    uint32_t exitCode = StillActive;
    uint32_t startError = 0;

    ~ProcessImpl() { release(); }
    void release()
    {
        if (process)
            CloseHandle(process);
        process = nullptr;
        pid = 0;
        exitCode = StillActive;
    }
};

Process::Process()
    : m_impl(std::make_unique<ProcessImpl>())
{}

Process::~Process() = default;
Process::Process(Process &&) noexcept = default;
Process &Process::operator=(Process &&) noexcept = default;

bool Process::start(const std::wstring &commandLine,
                    const std::wstring &workingDirectory,
                    uint32_t flags)
{
    if (!m_impl)
        m_impl = std::make_unique<ProcessImpl>();
    m_impl->release();
    m_impl->startError = 0;

    // CreateProcessW may write into the command line: hand it a private copy.
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    STARTUPINFOW startup;
    ZeroMemory(&startup, sizeof(startup));
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info;
    ZeroMemory(&info, sizeof(info));
    if (!CreateProcessW(nullptr,
                        line.data(),
                        nullptr,
                        nullptr,
                        FALSE,
                        flags,
                        nullptr,
                        workingDirectory.empty() ? nullptr : workingDirectory.c_str(),
                        &startup,
                        &info)) {
        m_impl->startError = GetLastError();
        return false;
    }
    CloseHandle(info.hThread);
    m_impl->process = info.hProcess;
    m_impl->pid = info.dwProcessId;
    return true;
}

uint32_t Process::startError() const
{
    return m_impl ? m_impl->startError : 0;
}

bool Process::wait(uint32_t timeoutMs)
{
    if (!m_impl || !m_impl->process)
        return false;
    if (WaitForSingleObject(m_impl->process, timeoutMs) != WAIT_OBJECT_0)
        return false;
    DWORD code = StillActive;
    if (GetExitCodeProcess(m_impl->process, &code))
        m_impl->exitCode = code;
    return true;
}

bool Process::isRunning() const
{
    return m_impl && m_impl->process && WaitForSingleObject(m_impl->process, 0) == WAIT_TIMEOUT;
}

uint32_t Process::exitCode() const
{
    return m_impl ? m_impl->exitCode : StillActive;
}

uint32_t Process::pid() const
{
    return m_impl ? m_impl->pid : 0;
}

bool Process::terminate(uint32_t exitCode)
{
    return m_impl && m_impl->process && TerminateProcess(m_impl->process, exitCode);
}

std::vector<std::wstring> programArguments(int, char *[])
{
    return splitCommandLine(GetCommandLineW());
}

std::wstring programDirectory()
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length
                = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size()) {
            const std::wstring path(buffer.data(), length);
            const size_t slash = path.find_last_of(L'\\');
            return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
        }
        buffer.resize(buffer.size() * 2);
    }
}

uint32_t currentProcessId()
{
    return GetCurrentProcessId();
}

uint32_t currentThreadId()
{
    return GetCurrentThreadId();
}

namespace {

// The Tool Help entry of process pid; false when it is not in the list.
bool findProcessEntry(DWORD pid, PROCESSENTRY32W &entry)
{
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    bool found = false;
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID == pid) {
            found = true;
            break;
        }
    }
    CloseHandle(snapshot);
    return found;
}

} // namespace

uint32_t parentProcessId()
{
    PROCESSENTRY32W entry;
    return findProcessEntry(GetCurrentProcessId(), entry) ? entry.th32ParentProcessID : 0;
}

std::wstring processImageName(uint32_t pid)
{
    PROCESSENTRY32W entry;
    // Pid 0 is the idle process, which runs no program.
    if (pid == 0 || !findProcessEntry(pid, entry))
        return {};
    // Older systems gave the full path here.
    const std::wstring name = entry.szExeFile;
    const size_t slash = name.find_last_of(L"\\/");
    return slash == std::wstring::npos ? name : name.substr(slash + 1);
}

bool terminateProcess(uint32_t pid, uint32_t exitCode)
{
    const HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, pid);
    if (!process)
        return false;
    const bool ended = TerminateProcess(process, exitCode);
    CloseHandle(process);
    return ended;
}

intptr_t shellExecute(void *ownerWindow,
                      const std::wstring &operation,
                      const std::wstring &file,
                      const std::wstring &parameters,
                      const std::wstring &directory,
                      ShowCommand show,
                      uint32_t *processId)
{
    const int showCommand = show == ShowCommand::Hidden ? SW_HIDE : SW_SHOWNORMAL;
    if (!processId) {
        const HINSTANCE result = ShellExecuteW(static_cast<HWND>(ownerWindow),
                                               operation.empty() ? nullptr : operation.c_str(),
                                               file.c_str(),
                                               parameters.empty() ? nullptr : parameters.c_str(),
                                               directory.empty() ? nullptr : directory.c_str(),
                                               showCommand);
        return reinterpret_cast<intptr_t>(result);
    }
    // The extended call reports the same result in hInstApp, and the process besides.
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.hwnd = static_cast<HWND>(ownerWindow);
    info.lpVerb = operation.empty() ? nullptr : operation.c_str();
    info.lpFile = file.c_str();
    info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    info.lpDirectory = directory.empty() ? nullptr : directory.c_str();
    info.nShow = showCommand;
    *processId = 0;
    ShellExecuteExW(&info);
    if (info.hProcess) {
        *processId = GetProcessId(info.hProcess);
        CloseHandle(info.hProcess);
    }
    return reinterpret_cast<intptr_t>(info.hInstApp);
}

} // namespace sys
