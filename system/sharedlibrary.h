#pragma once

// A library loaded at run time and the functions looked up in it by name (Win32: LoadLibraryW,
// GetProcAddress, FreeLibrary; portable: dlopen, dlsym, dlclose on the host path).

#include <string>

namespace sys {

class SharedLibrary
{
public:
    SharedLibrary() = default;
    ~SharedLibrary(); // unloads
    SharedLibrary(const SharedLibrary &) = delete;
    SharedLibrary &operator=(const SharedLibrary &) = delete;

    // Loads the library at path (Windows form); false when it cannot be loaded. Unloads what
    // was loaded before.
    bool load(const std::wstring &path);
    bool isLoaded() const { return m_handle != nullptr; }
    // The address exported under name; nullptr when missing or nothing is loaded.
    void *symbol(const char *name) const;
    void unload();

    // Whether the library at path is mapped into this process now (for tests of unloading).
    static bool isMapped(const std::wstring &path);

private:
    void *m_handle = nullptr;
};

} // namespace sys
