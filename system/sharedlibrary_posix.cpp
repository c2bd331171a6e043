#include "sharedlibrary.h"

#include "hostpath.h"

#include <dlfcn.h>

namespace sys {

SharedLibrary::~SharedLibrary()
{
    unload();
}

bool SharedLibrary::load(const std::wstring &path)
{
    unload();
    // RTLD_LOCAL: a library of callbacks must not lend its symbols to the next one loaded.
    m_handle = ::dlopen(toHostPath(path).c_str(), RTLD_NOW | RTLD_LOCAL);
    return m_handle != nullptr;
}

void *SharedLibrary::symbol(const char *name) const
{
    return m_handle ? ::dlsym(m_handle, name) : nullptr;
}

void SharedLibrary::unload()
{
    if (m_handle)
        ::dlclose(m_handle);
    m_handle = nullptr;
}

bool SharedLibrary::isMapped(const std::wstring &path)
{
    void *handle = ::dlopen(toHostPath(path).c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (!handle)
        return false;
    ::dlclose(handle);
    return true;
}

} // namespace sys
