#include "sharedlibrary.h"

#include <windows.h>

namespace sys {

SharedLibrary::~SharedLibrary()
{
    unload();
}

bool SharedLibrary::load(const std::wstring &path)
{
    unload();
    m_handle = LoadLibraryW(path.c_str());
    return m_handle != nullptr;
}

void *SharedLibrary::symbol(const char *name) const
{
    if (!m_handle)
        return nullptr;
    return reinterpret_cast<void *>(GetProcAddress(static_cast<HMODULE>(m_handle), name));
}

void SharedLibrary::unload()
{
    if (m_handle)
        FreeLibrary(static_cast<HMODULE>(m_handle));
    m_handle = nullptr;
}

bool SharedLibrary::isMapped(const std::wstring &path)
{
    return GetModuleHandleW(path.c_str()) != nullptr;
}

} // namespace sys
