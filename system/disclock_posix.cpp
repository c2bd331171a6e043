#include "disclock.h"

#include "hostpath.h"
#include "machine.h"

#include <atomic>
#include <cstdio>
#include <cwctype>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

// The simulated machine has no media to hold. A program that runs from one of its drives
// (drive_<letter>/) "locks" that drive by leaving the file
//   <machine>/disc-locks/<LETTER>-<pid>-<n>
// (n counts the locks of one process: each is held on its own, like a volume handle) for as long as
// the lock is held, so tests and people can see that setup holds the disc. Programs outside the
// machine's drives have no disc: lock() fails, as on a hard disk that cannot be opened as a volume.

namespace sys {

namespace {

struct LockFile
{
    std::string path;
};

std::atomic<unsigned> lockCount{0};

} // namespace

DiscLock::~DiscLock()
{
    unlock();
}

bool DiscLock::lock(const std::wstring &programPath)
{
    unlock();
    if (programPath.size() < 2 || programPath[1] != L':' || !std::iswalpha(programPath[0]))
        return false;
    const wchar_t letter = static_cast<wchar_t>(std::towupper(programPath[0]));
    const std::string drive = toHostPath(std::wstring(1, letter) + L":\\");
    struct stat info;
    if (::stat(drive.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return false;
    const std::string folder = machineRoot() + "/disc-locks";
    ::mkdir(folder.c_str(), 0755);
    const std::string path = folder + "/" + static_cast<char>(letter) + "-"
                             + std::to_string(::getpid()) + "-" + std::to_string(++lockCount);
    FILE *file = std::fopen(path.c_str(), "w");
    if (!file)
        return false;
    std::fclose(file);
    m_handle = new LockFile{path};
    return true;
}

void DiscLock::unlock()
{
    if (!m_handle)
        return;
    auto *lockFile = static_cast<LockFile *>(m_handle);
    std::remove(lockFile->path.c_str());
    delete lockFile;
    m_handle = nullptr;
}

} // namespace sys
