#include "fileprobe.h"
#include "hostpath.h"

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace {
const char kAttributesName[] = "user.tam.attributes";
}

FileFacts probeFile(const std::wstring &windowsPath)
{
    FileFacts facts;
    const std::string path = sys::toHostPath(windowsPath);
    struct stat info;
    if (::stat(path.c_str(), &info) != 0)
        return facts;
    facts.exists = true;
    facts.lastWrite = info.st_mtime;
    char text[16] = {};
    const ssize_t size = ::getxattr(path.c_str(), kAttributesName, text, sizeof text - 1);
    uint32_t attributes = size > 0 ? static_cast<uint32_t>(std::strtoul(text, nullptr, 10)) : 0;
    attributes &= ~1u;
    if (!(info.st_mode & 0222))
        attributes |= 1u;
    facts.attributes = attributes & 0x27;
    return facts;
}

bool setFileAttributes(const std::wstring &windowsPath, uint32_t attributes)
{
    const std::string path = sys::toHostPath(windowsPath);
    const std::string text = std::to_string(attributes & 0x27);
    if (::setxattr(path.c_str(), kAttributesName, text.data(), text.size(), 0) != 0)
        return false;
    return ::chmod(path.c_str(), (attributes & 1) ? 0444 : 0644) == 0;
}
