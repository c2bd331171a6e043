#include "disclock.h"

#include <cwctype>
#include <windows.h>
#include <winioctl.h>

namespace sys {

namespace {

bool setRemovalPrevented(HANDLE volume, bool prevent)
{
    PREVENT_MEDIA_REMOVAL request{};
    request.PreventMediaRemoval = prevent ? TRUE : FALSE;
    DWORD returned = 0;
    return DeviceIoControl(volume,
                           IOCTL_STORAGE_MEDIA_REMOVAL,
                           &request,
                           sizeof request,
                           nullptr,
                           0,
                           &returned,
                           nullptr)
           != FALSE;
}

} // namespace

DiscLock::~DiscLock()
{
    unlock();
}

bool DiscLock::lock(const std::wstring &programPath)
{
    unlock();
    // Only a drive letter names a volume; a UNC or relative path has no disc to hold.
    if (programPath.size() < 2 || programPath[1] != L':' || !std::iswalpha(programPath[0]))
        return false;
    const std::wstring volume = std::wstring(L"\\\\?\\") + programPath[0] + L":";
    const HANDLE handle = CreateFileW(volume.c_str(),
                                      GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr,
                                      OPEN_EXISTING,
                                      0,
                                      nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    // A drive that does not support the request (a fixed disk) still counts as held: the
    // handle is what is released at the end.
    setRemovalPrevented(handle, true);
    m_handle = handle;
    return true;
}

void DiscLock::unlock()
{
    if (!m_handle)
        return;
    setRemovalPrevented(static_cast<HANDLE>(m_handle), false);
    CloseHandle(static_cast<HANDLE>(m_handle));
    m_handle = nullptr;
}

} // namespace sys
