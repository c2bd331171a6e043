#include "sysinfo.h"

#include "fileversionrecord.h"
#include "hostpath.h"
#include "logline.h"
#include "machine.h"
#include "peversion.h"
#include "registry.h"

#include <cerrno>
#include <cstdarg>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace sys {

namespace {

// One write() on an O_APPEND descriptor, so lines of concurrent processes never interleave.
void appendToFile(const std::string &path, const std::string &bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    ::close(fd);
}

} // namespace

void logLine(const wchar_t *format, ...)
{
    va_list args;
    va_start(args, format);
    const std::wstring message = formatWide(format, args);
    va_end(args);

    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const LogStamp stamp{local.tm_year + 1900,
                         local.tm_mon + 1,
                         local.tm_mday,
                         local.tm_hour,
                         local.tm_min,
                         local.tm_sec};
    const auto threadId = static_cast<uint32_t>(::syscall(SYS_gettid));
    appendToFile(toHostPath(L"C:\\Log\\CoInstaller.log"),
                 logLineBytes(stamp, static_cast<uint32_t>(::getpid()), threadId, message));
}

uint16_t windowsVersionWord()
{
    // The version key is not redirected for 32-bit programs; read the machine's own view.
    const RegKey key = RegKey::open(RegRoot::LocalMachine,
                                    L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                                    RegAccess::Read | RegAccess::Wow64_64Key);
    uint16_t word = 0;
    // The simulated machine has no GetVersionExW to fall back on.
    return key.isOpen() && windowsVersionWordFromKey(key, word) ? word : 0;
}

Wow64Answer isWow64Process()
{
    return simulatedMachineIs32Bit() ? Wow64Answer::No : Wow64Answer::Yes;
}

bool isProcess64Bit()
{
    return false;
}

bool is64BitWindows()
{
    return !simulatedMachineIs32Bit();
}

std::wstring fileVersion(const std::wstring &path)
{
    const std::string hostPath = toHostPath(path);
    std::wstring version;
    if (peFileVersion(hostPath, version))
        return version;
    std::string recorded;
    if (readFileVersionRecord(hostPath, recorded))
        return fromUtf8(recorded);
    return L"X, X, X, X";
}

std::wstring programFilesFolder()
{
    return L"C:\\Program Files";
}

} // namespace sys
