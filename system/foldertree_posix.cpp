#include "foldertree.h"

#include "hostpath.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sys {

namespace {

bool fail(std::string *error, const std::string &what)
{
    if (error)
        *error = what + ": " + std::strerror(errno);
    return false;
}

EntryKind kindOf(const struct stat &info)
{
    if (S_ISLNK(info.st_mode))
        return EntryKind::Link;
    return S_ISDIR(info.st_mode) ? EntryKind::Folder : EntryKind::File;
}

bool isDotOrDotDot(const char *name)
{
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

// Every step goes through the folder's descriptor (O_NOFOLLOW, AT_SYMLINK_NOFOLLOW), so a
// name that turns into a link meanwhile is never entered.
bool removeChildren(int folder, const std::string &shownPath, std::string *error)
{
    const int listing = ::dup(folder);
    DIR *dir = listing < 0 ? nullptr : ::fdopendir(listing);
    if (!dir) {
        if (listing >= 0)
            ::close(listing);
        return fail(error, shownPath);
    }
    bool removed = true;
    const auto failed = [&](const std::string &what) { removed = fail(error, what); };
    while (const dirent *entry = ::readdir(dir)) {
        if (isDotOrDotDot(entry->d_name))
            continue;
        const std::string childPath = shownPath + "/" + entry->d_name;
        struct stat info;
        if (::fstatat(folder, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
            failed(childPath);
            continue;
        }
        if (!S_ISDIR(info.st_mode)) {
            if (::unlinkat(folder, entry->d_name, 0) != 0)
                failed(childPath);
            continue;
        }
        const int child
                = ::openat(folder, entry->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (child < 0) {
            failed(childPath);
            continue;
        }
        // A folder left without write permission (a cabinet's attributes) would keep its
        // entries.
        ::fchmod(child, info.st_mode | S_IRWXU);
        const bool emptied = removeChildren(child, childPath, error);
        ::close(child);
        if (!emptied)
            removed = false;
        else if (::unlinkat(folder, entry->d_name, AT_REMOVEDIR) != 0)
            failed(childPath);
    }
    ::closedir(dir);
    return removed;
}

} // namespace

bool listFolder(const std::wstring &folder, std::vector<FolderEntry> *entries)
{
    entries->clear();
    const std::string host = toHostPath(folder);
    const int descriptor = ::open(host.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    DIR *dir = descriptor < 0 ? nullptr : ::fdopendir(descriptor);
    if (!dir) {
        if (descriptor >= 0)
            ::close(descriptor);
        return false;
    }
    while (const dirent *entry = ::readdir(dir)) {
        struct stat info;
        if (isDotOrDotDot(entry->d_name)
            || ::fstatat(descriptor, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        entries->push_back({fromUtf8(entry->d_name), kindOf(info)});
    }
    ::closedir(dir);
    return true;
}

bool entryKind(const std::wstring &path, EntryKind *kind)
{
    struct stat info;
    if (::lstat(toHostPath(path).c_str(), &info) != 0)
        return false;
    *kind = kindOf(info);
    return true;
}

bool removeTree(const std::wstring &path, std::string *error)
{
    const std::string host = toHostPath(path);
    struct stat info;
    if (::lstat(host.c_str(), &info) != 0)
        return fail(error, host);
    if (!S_ISDIR(info.st_mode))
        return ::unlink(host.c_str()) == 0 || fail(error, host);
    const int folder = ::open(host.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0)
        return fail(error, host);
    ::fchmod(folder, info.st_mode | S_IRWXU);
    const bool emptied = removeChildren(folder, host, error);
    ::close(folder);
    return emptied && (::rmdir(host.c_str()) == 0 || fail(error, host));
}

} // namespace sys
