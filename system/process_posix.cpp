// Processes on the simulated machine: real POSIX processes started from Windows command lines.

#include "hostpath.h"
#include "process.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace sys {

namespace {

// Windows error codes that a failed start reports.
constexpr uint32_t ErrorFileNotFound = 2;
constexpr uint32_t ErrorPathNotFound = 3;
constexpr uint32_t ErrorAccessDenied = 5;
constexpr uint32_t ErrorNotEnoughMemory = 8;
constexpr uint32_t ErrorGenFailure = 31;
constexpr uint32_t ErrorInvalidParameter = 87;
constexpr uint32_t ErrorBadExeFormat = 193;
constexpr uint32_t ErrorDirectory = 267;

// The exit code a process ended by a signal reports: what TerminateProcess(-1) leaves.
constexpr uint32_t SignalExitCode = 0xFFFFFFFF;

uint32_t windowsError(int error)
{
    switch (error) {
    case 0:
        return 0;
    case ENOENT:
        return ErrorFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
        return ErrorPathNotFound;
    case EACCES:
    case EPERM:
    case EISDIR:
    case ETXTBSY:
        return ErrorAccessDenied;
    case ENOMEM:
    case EAGAIN:
    case E2BIG:
        return ErrorNotEnoughMemory;
    case ENOEXEC:
    case ELIBBAD:
        return ErrorBadExeFormat;
    case EINVAL:
        return ErrorInvalidParameter;
    default:
        return ErrorGenFailure;
    }
}

bool isDirectory(const std::string &path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool isFile(const std::string &path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool endsWithExe(const std::string &path)
{
    if (path.size() < 4)
        return false;
    std::string tail = path.substr(path.size() - 4);
    for (char &c : tail)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".exe";
}

// path itself, or path without ".exe" when only that exists.
std::string existingVariant(const std::string &path)
{
    if (isFile(path))
        return path;
    if (endsWithExe(path)) {
        const std::string bare = path.substr(0, path.size() - 4);
        if (isFile(bare))
            return bare;
    }
    return {};
}

std::string parentFolder(const std::string &path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string runningProgramFolder()
{
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
    if (length <= 0)
        return {};
    return parentFolder(std::string(buffer, static_cast<size_t>(length)));
}

std::vector<std::string> searchPath()
{
    std::vector<std::string> folders;
    const char *path = std::getenv("PATH");
    std::string list = path ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    for (;;) {
        const size_t colon = list.find(':', start);
        const std::string folder = list.substr(start, colon - start);
        folders.push_back(folder.empty() ? "." : folder);
        if (colon == std::string::npos)
            break;
        start = colon + 1;
    }
    return folders;
}

// Finds the host file that a Windows program path names. firstFolder (may be empty) is
// searched before anything else for a relative name. On failure *error is a Windows code.
std::string
findProgram(const std::wstring &program, const std::string &firstFolder, uint32_t *error)
{
    const std::string host = toHostPath(program);
    if (host.empty()) {
        *error = ErrorFileNotFound;
        return {};
    }
    if (host.find('/') != std::string::npos) {
        if (host.front() != '/' && !firstFolder.empty()) {
            const std::string found = existingVariant(firstFolder + "/" + host);
            if (!found.empty())
                return found;
        }
        const std::string found = existingVariant(host);
        if (!found.empty())
            return found;
        *error = isDirectory(parentFolder(host)) ? ErrorFileNotFound : ErrorPathNotFound;
        return {};
    }

    std::vector<std::string> folders;
    if (!firstFolder.empty())
        folders.push_back(firstFolder);
    const std::string own = runningProgramFolder();
    if (!own.empty())
        folders.push_back(own);
    folders.push_back(".");
    for (const std::string &folder : searchPath())
        folders.push_back(folder);
    for (const std::string &folder : folders) {
        const std::string found = existingVariant(folder + "/" + host);
        if (!found.empty())
            return found;
    }
    *error = ErrorFileNotFound;
    return {};
}

std::string absolute(const std::string &path)
{
    if (path.empty() || path.front() == '/')
        return path;
    char buffer[PATH_MAX];
    if (!::getcwd(buffer, sizeof(buffer)))
        return path;
    return std::string(buffer) + "/" + path;
}

struct Program
{
    std::string path; // absolute: the child changes directory before it executes
    bool isFileManager = false;
};

Program resolveProgram(const std::wstring &program, const std::string &firstFolder, uint32_t *error)
{
    const std::string found = findProgram(program, firstFolder, error);
    if (!found.empty())
        return {absolute(found), false};
    // Windows' file manager becomes the desktop's, which takes host paths.
    const std::string host = toHostPath(program);
    if (host == "explorer.exe" || host == "explorer") {
        for (const std::string &folder : searchPath()) {
            if (isFile(folder + "/xdg-open"))
                return {absolute(folder + "/xdg-open"), true};
        }
    }
    return {};
}

// argv for the program: its own path, then the Windows arguments.
std::vector<std::string> argumentVector(const Program &program,
                                        const std::vector<std::wstring> &words)
{
    std::vector<std::string> arguments{program.path};
    for (size_t i = 1; i < words.size(); ++i)
        arguments.push_back(program.isFileManager ? toHostPath(words[i]) : toUtf8(words[i]));
    return arguments;
}

// Starts program with arguments; returns errno (0 on success).
int spawn(const std::string &program,
          const std::vector<std::string> &arguments,
          const std::string &workingDirectory,
          pid_t *pid)
{
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
    // Like a Windows child: no inherited handles beyond the standard ones, a clean signal
    // state whatever the caller blocked or ignored.
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    if (!workingDirectory.empty())
        posix_spawn_file_actions_addchdir_np(&actions, workingDirectory.c_str());
    sigset_t none;
    sigset_t all;
    sigemptyset(&none);
    sigfillset(&all);
    sigdelset(&all, SIGKILL);
    sigdelset(&all, SIGSTOP);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    const int result
            = ::posix_spawn(pid, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return result;
}

// Nobody waits for pid: a detached thread reaps it so that it leaves no zombie behind.
void reapLater(pid_t pid)
{
    try {
        std::thread([pid] {
            int status = 0;
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    } catch (const std::system_error &) {
        // Out of threads: the zombie stays until this process ends, which is harmless.
    }
}

bool isSafeTarget(uint32_t pid)
{
    // 0 and negative numbers address process groups with kill(); 1 is init.
    return pid > 1 && pid <= static_cast<uint32_t>(INT_MAX);
}

} // namespace

class ProcessImpl
{
public:
    pid_t pid = 0;
    bool reaped = false;
    bool terminatedByUs = false;
    uint32_t terminateCode = 0;
    uint32_t exitCode = StillActive;
    uint32_t startError = 0;
    std::mutex mutex;

    // Collects the status once the process has ended; true when it has.
    bool reap(bool block)
    {
        if (pid <= 0 || reaped)
            return true;
        int status = 0;
        pid_t result;
        do {
            result = ::waitpid(pid, &status, block ? 0 : WNOHANG);
        } while (result < 0 && errno == EINTR);
        if (result == 0)
            return false;
        reaped = true;
        if (result < 0) {
            exitCode = SignalExitCode;
        } else if (WIFEXITED(status)) {
            exitCode = static_cast<uint32_t>(WEXITSTATUS(status));
        } else {
            exitCode = terminatedByUs ? terminateCode : SignalExitCode;
        }
        return true;
    }
};

Process::Process()
    : m_impl(std::make_unique<ProcessImpl>())
{}

Process::~Process()
{
    if (m_impl && m_impl->pid > 0 && !m_impl->reaped)
        reapLater(m_impl->pid);
}

Process::Process(Process &&) noexcept = default;

Process &Process::operator=(Process &&other) noexcept
{
    if (this != &other) {
        if (m_impl && m_impl->pid > 0 && !m_impl->reaped)
            reapLater(m_impl->pid);
        m_impl = std::move(other.m_impl);
    }
    return *this;
}

bool Process::start(const std::wstring &commandLine,
                    const std::wstring &workingDirectory,
                    uint32_t /*flags: windows and error modes mean nothing here*/)
{
    if (!m_impl)
        m_impl = std::make_unique<ProcessImpl>();
    if (m_impl->pid > 0) {
        if (!m_impl->reaped)
            reapLater(m_impl->pid);
        m_impl = std::make_unique<ProcessImpl>();
    }
    ProcessImpl &impl = *m_impl;
    impl.startError = 0;

    const std::vector<std::wstring> words = splitCommandLine(commandLine);
    if (words.empty() || words.front().empty()) {
        impl.startError = ErrorPathNotFound;
        return false;
    }
    std::string folder;
    if (!workingDirectory.empty()) {
        folder = toHostPath(workingDirectory);
        if (!isDirectory(folder)) {
            impl.startError = ErrorDirectory;
            return false;
        }
    }
    uint32_t error = 0;
    const Program program = resolveProgram(words.front(), {}, &error);
    if (program.path.empty()) {
        // CreateProcessW searches for the file and reports any missing part as a missing file.
        impl.startError = ErrorFileNotFound;
        return false;
    }
    pid_t pid = 0;
    const int result = spawn(program.path, argumentVector(program, words), folder, &pid);
    if (result != 0) {
        impl.startError = windowsError(result);
        return false;
    }
    impl.pid = pid;
    return true;
}

uint32_t Process::startError() const
{
    return m_impl ? m_impl->startError : 0;
}

bool Process::wait(uint32_t timeoutMs)
{
    if (!m_impl || m_impl->pid <= 0)
        return false;
    std::lock_guard<std::mutex> guard(m_impl->mutex);
    if (timeoutMs == WaitInfinite)
        return m_impl->reap(true);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::chrono::steady_clock::duration step = std::chrono::milliseconds(1);
    for (;;) {
        if (m_impl->reap(false))
            return true;
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline)
            return false;
        std::this_thread::sleep_for(std::min(step, deadline - now));
        step = std::min<std::chrono::steady_clock::duration>(step * 2,
                                                             std::chrono::milliseconds(20));
    }
}

bool Process::isRunning() const
{
    if (!m_impl || m_impl->pid <= 0)
        return false;
    std::lock_guard<std::mutex> guard(m_impl->mutex);
    return !m_impl->reap(false);
}

uint32_t Process::exitCode() const
{
    return m_impl ? m_impl->exitCode : StillActive;
}

uint32_t Process::pid() const
{
    return m_impl && m_impl->pid > 0 ? static_cast<uint32_t>(m_impl->pid) : 0;
}

bool Process::terminate(uint32_t exitCode)
{
    if (!m_impl || m_impl->pid <= 0)
        return false;
    std::lock_guard<std::mutex> guard(m_impl->mutex);
    if (m_impl->reaped || m_impl->reap(false))
        return false;
    if (::kill(m_impl->pid, SIGKILL) != 0)
        return false;
    m_impl->terminatedByUs = true;
    m_impl->terminateCode = exitCode;
    return true;
}

std::vector<std::wstring> programArguments(int argc, char *argv[])
{
    std::vector<std::wstring> arguments;
    for (int i = 0; i < argc; ++i)
        arguments.push_back(fromUtf8(argv[i]));
    return arguments;
}

std::wstring programDirectory()
{
    return fromHostPath(runningProgramFolder());
}

uint32_t currentProcessId()
{
    return static_cast<uint32_t>(::getpid());
}

uint32_t currentThreadId()
{
    return static_cast<uint32_t>(::syscall(SYS_gettid));
}

uint32_t parentProcessId()
{
    // "pid (name) state ppid ...": the name may hold spaces and parentheses.
    std::ifstream stat("/proc/self/stat");
    std::string line;
    if (std::getline(stat, line)) {
        const size_t close = line.rfind(')');
        if (close != std::string::npos) {
            char state = 0;
            long parent = 0;
            if (std::sscanf(line.c_str() + close + 1, " %c %ld", &state, &parent) == 2
                && parent >= 0)
                return static_cast<uint32_t>(parent);
        }
    }
    return static_cast<uint32_t>(::getppid());
}

std::wstring processImageName(uint32_t pid)
{
    if (pid == 0)
        return {};
    std::string target(PATH_MAX, '\0');
    const std::string link = "/proc/" + std::to_string(pid) + "/exe";
    const ssize_t length = ::readlink(link.c_str(), &target[0], target.size());
    if (length <= 0)
        return {};
    target.resize(static_cast<size_t>(length));
    // A program whose file was replaced meanwhile (a self-update) still counts as that program.
    const std::string deleted = " (deleted)";
    if (target.size() > deleted.size()
        && target.compare(target.size() - deleted.size(), deleted.size(), deleted) == 0)
        target.resize(target.size() - deleted.size());
    return fromUtf8(target.substr(target.rfind('/') + 1));
}

bool terminateProcess(uint32_t pid, uint32_t /*exitCode: a signal carries none*/)
{
    if (!isSafeTarget(pid))
        return false;
    return ::kill(static_cast<pid_t>(pid), SIGKILL) == 0;
}

intptr_t shellExecute(void * /*ownerWindow*/,
                      const std::wstring &operation,
                      const std::wstring &file,
                      const std::wstring &parameters,
                      const std::wstring &directory,
                      ShowCommand /*show*/,
                      uint32_t *processId)
{
    if (processId)
        *processId = 0;
    constexpr intptr_t Started = 33;
    constexpr intptr_t NoAssociation = 31; // SE_ERR_NOASSOC

    if (const char *simulated = std::getenv("TAM_SIMULATE_SHELLEXECUTE_RESULT");
        simulated && *simulated) {
        char *end = nullptr;
        const long code = std::strtol(simulated, &end, 10);
        if (end && *end == '\0')
            return static_cast<intptr_t>(code);
    }

    // The verbs that start a program; elevation ("runas") is the manifest's business.
    if (!operation.empty() && operation != L"open" && operation != L"runas")
        return NoAssociation;

    std::string folder;
    if (!directory.empty()) {
        folder = toHostPath(directory);
        if (!isDirectory(folder))
            return ErrorPathNotFound;
    }
    uint32_t error = 0;
    const Program program = resolveProgram(file, folder, &error);
    if (program.path.empty())
        return static_cast<intptr_t>(error);

    pid_t pid = 0;
    const int result = spawn(program.path,
                             argumentVector(program, splitCommandLine(L"x " + parameters)),
                             folder,
                             &pid);
    if (result != 0) {
        switch (windowsError(result)) {
        case ErrorFileNotFound:
            return ErrorFileNotFound;
        case ErrorPathNotFound:
            return ErrorPathNotFound;
        case ErrorAccessDenied:
            return ErrorAccessDenied;
        case ErrorNotEnoughMemory:
            return ErrorNotEnoughMemory;
        case ErrorBadExeFormat:
            return 11; // ERROR_BAD_FORMAT, as ShellExecuteW reports it
        default:
            return NoAssociation;
        }
    }
    reapLater(pid);
    if (processId)
        *processId = static_cast<uint32_t>(pid);
    return Started;
}

} // namespace sys
