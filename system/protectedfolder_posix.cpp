#include "protectedfolder.h"

#include "hostpath.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace sys {

namespace {

bool fail(std::string *error, const std::string &text)
{
    if (error)
        *error = text;
    return false;
}

bool makeParents(const std::string &path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos || slash == 0)
        return true;
    const std::string parent = path.substr(0, slash);
    struct stat info;
    if (::stat(parent.c_str(), &info) == 0)
        return S_ISDIR(info.st_mode);
    return makeParents(parent) && (::mkdir(parent.c_str(), 0755) == 0 || errno == EEXIST);
}

} // namespace

std::wstring payloadCacheFolder()
{
    return L"C:\\ProgramData\\TamPayloadCache";
}

bool isProtectedFolder(const std::wstring &path, std::string *error)
{
    const std::string host = toHostPath(path);
    struct stat info;
    // lstat: a link would let whoever owns its target decide what runs.
    if (::lstat(host.c_str(), &info) != 0)
        return fail(error, host + ": " + std::strerror(errno));
    if (S_ISLNK(info.st_mode))
        return fail(error, host + " is a symbolic link");
    if (!S_ISDIR(info.st_mode))
        return fail(error, host + " is not a folder");
    if (info.st_uid != ::geteuid() && info.st_uid != 0)
        return fail(error, host + " belongs to another user");
    if (info.st_mode & (S_IWGRP | S_IWOTH))
        return fail(error, host + " can be changed by other users");
    return true;
}

bool createProtectedFolder(const std::wstring &path, bool *existed, std::string *error)
{
    const std::string host = toHostPath(path);
    *existed = false;
    if (::mkdir(host.c_str(), 0700) != 0) {
        *existed = errno == EEXIST;
        return fail(error, host + ": " + std::strerror(errno));
    }
    if (isProtectedFolder(path, error))
        return true;
    ::rmdir(host.c_str());
    return false;
}

bool prepareProtectedFolder(const std::wstring &path, std::string *error)
{
    const std::string host = toHostPath(path);
    if (!makeParents(host))
        return fail(error, host + ": cannot create the folders above it");
    bool existed = false;
    return createProtectedFolder(path, &existed, error)
           || (existed && isProtectedFolder(path, error));
}

} // namespace sys
