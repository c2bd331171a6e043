#include "fileprobe.h"

#include <windows.h>

namespace {
int64_t unixSeconds(const FILETIME &time)
{
    const uint64_t ticks = (uint64_t(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return static_cast<int64_t>(ticks / 10000000ULL) - 11644473600LL;
}
} // namespace

FileFacts probeFile(const std::wstring &windowsPath)
{
    FileFacts facts;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExW(windowsPath.c_str(), GetFileExInfoStandard, &data))
        return facts;
    facts.exists = true;
    facts.attributes = data.dwFileAttributes & 0x27;
    facts.lastWrite = unixSeconds(data.ftLastWriteTime);
    facts.creation = unixSeconds(data.ftCreationTime);
    return facts;
}

bool setFileAttributes(const std::wstring &windowsPath, uint32_t attributes)
{
    const DWORD kept = attributes & 0x27;
    return ::SetFileAttributesW(windowsPath.c_str(), kept ? kept : FILE_ATTRIBUTE_NORMAL) != 0;
}
