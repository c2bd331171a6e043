#pragma once

// Keeps the disc in its drive while setup runs (IOCTL_STORAGE_MEDIA_REMOVAL).

#include <string>

namespace sys {

class DiscLock
{
public:
    DiscLock() = default;
    ~DiscLock(); // unlocks
    DiscLock(const DiscLock &) = delete;
    DiscLock &operator=(const DiscLock &) = delete;

    // Locks the volume of the drive letter that programPath starts with; false when the volume
    // cannot be opened (not a drive, or no disc): nothing is reported.
    bool lock(const std::wstring &programPath);
    void unlock();
    bool isLocked() const { return m_handle != nullptr; }

private:
    void *m_handle = nullptr;
};

} // namespace sys
